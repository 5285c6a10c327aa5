#include "gui/small_windows/tezo_glos.h"
#include "gui/small_windows/tezo_gra.h"
#include "gui/small_windows/tezo_zad.h"
#include "gui/widgets/colours.h"
#include "gui/widgets/twips.h"
#include "support/lesson_setup.h"
#include "support/pictures.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

using namespace lesson;
using namespace lesson::test;

namespace {
QString caption(const QAction *action)
{
    // Without the Alt letter's mark; "&&" is an ampersand of the caption.
    return action->text().replace(QRegularExpression("&(.)"), "\\1");
}
} // namespace

class TestMenus : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menuBarCaptionsInOrder()
    {
        LessonRun r;
        Tezo *tezo = r.lesson->tezo();
        QStringList bar;
        for (QAction *a : tezo->menuBar()->actions())
            bar.append(caption(a));
        QCOMPARE(bar, (QStringList{"Изход", "Фокус", "Цвят/шрифт", "Задачи/Речник",
                                   "Информация за урока", "Автори"}));
        QStringList information;
        for (int k = 1; k <= 9; ++k)
            information.append(caption(tezo->Sydyrv_pla[std::size_t(k)]));
        QCOMPARE(information,
                 (QStringList{"Допълнителен материал", "Използвана литература & Internet site",
                              "Държавни образователни изисквания", "Продължителност на урока",
                              "Цел на урока", "Междупредметни връзки", "Вътрешно предметни връзки",
                              "Необходими пособия", "Ход на урока"}));
        QCOMPARE(caption(tezo->awtori[1]), QStringLiteral("Спонсор"));
        QCOMPARE(caption(tezo->awtori[2]), QStringLiteral("Автор на урока"));
        QCOMPARE(caption(tezo->awtori[3]), QStringLiteral("За програмата"));
    }

    void informationAndAuthorTexts()
    {
        LessonRun r;
        Tezo *tezo = r.lesson->tezo();
        setFlags(r, {10, 17});
        tezo->List_Ur[0]->setEnabled(true);
        const ContentStore &s = r.lesson->store();
        tezo->List_Ur[0]->setListIndex(1); // a point with picture 6 is being timed
        const qint16 timeLeft = tezo->run.PointTime[2];
        for (int k = 1; k <= 9; ++k) {
            tezo->Sydyrv_pla_Click(k);
            QCOMPARE(tezo->Text_U[1]->Text(), s.Dopyln_M[std::size_t(k)]);
        }
        // Neither the point nor its picture changes.
        QCOMPARE(tezo->run.PointTime[0], qint16(2));
        QCOMPARE(tezo->run.PointTime[2], timeLeft);
        QCOMPARE(tezo->run.ImageIndex, 6);
        QVERIFY(tezo->Picture_Ur[0]->picture().samePicture(s.Grafika_G[6]));
        tezo->List_Ur[0]->setListIndex(0);
        QCOMPARE(tezo->Text_U[1]->Text(), s.Podtochki[1]);

        tezo->awtori[2]->trigger();
        QCOMPARE(tezo->Text_U[1]->Text(), s.Reklama_Par[2]);
        tezo->awtori[3]->trigger();
        QCOMPARE(tezo->Text_U[1]->Text(), s.Reklama_Par[3]);
        QVERIFY(tezo->Picture_Ur[0]->picture().isEmpty());

        tezo->awtori[1]->trigger();
        QCOMPARE(tezo->Text_U[1]->Text(), s.Reklama_Par[1]);
        QVERIFY(tezo->Picture_Ur[0]->picture().samePicture(s.Grafika_W[2]));
        QCOMPARE(tezo->run.ImageIndex, 2);
        QCOMPARE(tezo->run.ImageSource, quint8(2));
        tezo->Picture_Ur_Click(); // 181 x 194 pixels does not fit the box
        QVERIFY(r.lesson->hasTezoGra());
        QCOMPARE(r.lesson->tezoGra()->outerSizeTwips(), QSizeF(181 * 15 + 100, 194 * 15 + 100));
    }

    void informationPicture()
    {
        ContentStore store = lessonContent();
        store.Grafika_W[3] = jpegOfSize(60, 40);
        LessonRun r(store);
        Tezo *tezo = r.lesson->tezo();
        tezo->Sydyrv_pla_Click(5);
        QVERIFY(tezo->Picture_Ur[0]->picture().samePicture(store.Grafika_W[3]));
        QCOMPARE(tezo->run.ImageIndex, 3);
        QCOMPARE(tezo->run.ImageSource, quint8(2));
    }

    void rightClickOpensTheInformationMenu()
    {
        LessonRun r;
        r.lesson->start();
        Tezo *tezo = r.lesson->tezo();
        QVERIFY(QTest::qWaitForWindowExposed(tezo));
        const int clears = r.platform.clipboardClears;
        QWidget *background = tezo->centralWidget();
        QTest::mouseClick(background, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!tezo->mnu_Sydyrv_plan->isVisible());
        QTest::mouseClick(background, Qt::RightButton, {}, QPoint(5, 5));
        QVERIFY(tezo->mnu_Sydyrv_plan->isVisible());
        QCOMPARE(r.platform.clipboardClears, clears + 1);
        tezo->mnu_Sydyrv_plan->hide();

        // A right click on a control is the control's own: the "Тема" label
        // keeps it, the picture box opens its picture at full size.
        QTest::mouseClick(tezo->Label_U[3], Qt::RightButton);
        QVERIFY(!tezo->mnu_Sydyrv_plan->isVisible());
        tezo->awtori_Click(1);
        QTest::mouseClick(tezo->Picture_Ur[0], Qt::RightButton);
        QVERIFY(r.lesson->hasTezoGra() && r.lesson->tezoGra()->isVisible());
        QVERIFY(!tezo->mnu_Sydyrv_plan->isVisible());
        QCOMPARE(r.platform.clipboardClears, clears + 1);
    }

    void colourCommandStoresTheAppearance()
    {
        LessonRun r;
        Tezo *tezo = r.lesson->tezo();
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setPointSize(13);
        tezo->Text_U[0]->setFont(font);
        setTextColour(tezo->Text_U[0], QColor(1, 2, 3));
        setBackgroundColour(tezo->Text_U[0], QColor(4, 5, 6));
        setBackgroundColour(tezo->Label_U[3], QColor(7, 8, 9));
        QPalette p = tezo->palette();
        p.setColor(QPalette::Window, QColor(10, 11, 12));
        tezo->setPalette(p);
        tezo->mnu_Cwqt_Click();
        const ItemList &settings = r.lesson->tezoN()->List_Un2;
        QCOMPARE(settings.read(1), QStringLiteral("DejaVu Serif"));
        QCOMPARE(settings.read(2), QStringLiteral("13"));
        QCOMPARE(settings.read(3), QString::number(10 + 11 * 256 + 12 * 65536));
        QCOMPARE(settings.read(11), QString::number(1 + 2 * 256 + 3 * 65536));
        QCOMPARE(settings.read(7), QString::number(4 + 5 * 256 + 6 * 65536));
        QCOMPARE(settings.read(15), QString::number(7 + 8 * 256 + 9 * 65536));
        QCOMPARE(settings.read(4), QStringLiteral("10")); // the colour window splits item 3
        QCOMPARE(settings.count(), 19);
    }

    void enlargedTextFromTheLessonWindow()
    {
        LessonRun r;
        Tezo *tezo = r.lesson->tezo();
        tezo->awtori[3]->trigger();
        r.lesson->store().List_Ur[1].write(5, QStringLiteral("3"));
        tezo->mnu_Fokus_Click();
        Tezo_Zad *zad = r.lesson->tezoZad();
        QVERIFY(zad->isVisible());
        QCOMPARE(zad->windowTitle(),
                 QStringLiteral("Изберете желана стойност за размер на шрифта"));
        QCOMPARE(zad->Obsho_Pole->Text(), r.lesson->store().Reklama_Par[3]);
        QCOMPARE(r.lesson->store().Text_U[2], r.lesson->store().Reklama_Par[3]);
        QVERIFY(zad->Obsho_Pole->isReadOnly());
        QCOMPARE(zad->List_font->ListIndex(), 3);
        QCOMPARE(zad->Obsho_Pole->font().pointSizeF(), 16.0);
        zad->List_font->setListIndex(7);
        QCOMPARE(zad->Obsho_Pole->font().pointSizeF(), 24.0);
        QCOMPARE(r.lesson->store().List_Ur[1].read(4), QStringLiteral("24"));
        QCOMPARE(r.lesson->store().List_Ur[1].read(5), QStringLiteral("7"));
        // Colours come from the settings list when the window is first loaded.
        QCOMPARE(backgroundColour(zad->Obsho_Pole), QColor(0, 128, 0));
        QCOMPARE(textColour(zad->Obsho_Pole), QColor(8, 0, 0));
    }

    void enlargedTextSizesOnLoad()
    {
        LessonRun r;
        Tezo_Zad *zad = r.lesson->tezoZad();
        // Loaded with nothing chosen: the first size, "10".
        QCOMPARE(zad->Obsho_Pole->font().pointSizeF(), 10.0);
        QCOMPARE(zad->List_font->allItems(), r.lesson->store().List_font.items());
        QCOMPARE(zad->List_font->toolTip(), QStringLiteral(" Изберете желан размер на шрифта"));
    }

    void enlargedTextLayout()
    {
        LessonRun r;
        Tezo_Zad *zad = r.lesson->tezoZad();
        zad->show();
        zad->resize(900, 500);
        const double width = pixelsToTwips(zad->frameGeometry().width(), zad);
        const double height = pixelsToTwips(zad->frameGeometry().height(), zad);
        QCOMPARE(twipsGeometry(zad->Obsho_Pole).width(), std::trunc(0.95 * width));
        QCOMPARE(twipsGeometry(zad->Obsho_Pole).height(), std::trunc(height - 1320));
        const double kept = twipsGeometry(zad->Obsho_Pole).height();
        zad->resize(600, 80); // 1200 twips, below four list heights
        QCOMPARE(twipsGeometry(zad->Obsho_Pole).height(), kept);
        QCOMPARE(twipsGeometry(zad->Obsho_Pole).width(),
                 std::trunc(0.95 * pixelsToTwips(zad->frameGeometry().width(), zad)));
    }

    void enlargedAnswerIsTheAnswer()
    {
        LessonRun r;
        Tezo_n *tasks = openTasks(r, {24});
        tasks->Text_Un[0]->setText(QStringLiteral("начало"));
        tasks->Text_Un_GotFocus(0);
        tasks->mnu_Pylen_Ekran_Click();
        Tezo_Zad *zad = r.lesson->tezoZad();
        QVERIFY(!zad->Obsho_Pole->isReadOnly());
        QCOMPARE(zad->Obsho_Pole->Text(), QStringLiteral("начало"));
        zad->Obsho_Pole->setText(QStringLiteral("начало и продължение"));
        QCOMPARE(tasks->Text_Un[0]->Text(), QStringLiteral("начало и продължение"));
        tasks->Text_Un[0]->setText(QStringLiteral("поправено в прозореца"));
        QCOMPARE(zad->Obsho_Pole->Text(), QStringLiteral("поправено в прозореца"));

        // The time-up lock holds for the enlarged field too.
        tasks->TaskTimeUp();
        QVERIFY(zad->Obsho_Pole->isReadOnly());
        zad->Obsho_Pole->setText(QStringLiteral("след края"));
        QCOMPARE(tasks->Text_Un[0]->Text(), QStringLiteral("поправено в прозореца"));

        // Other panes are enlarged read-only.
        tasks->Text_Un_GotFocus(2);
        tasks->mnu_Pylen_Ekran_Click();
        QVERIFY(zad->Obsho_Pole->isReadOnly());
        QCOMPARE(zad->Obsho_Pole->Text(), tasks->Text_Un[2]->Text());
    }

    void enlargedAnswerLetsGoWhenTheTaskChanges()
    {
        LessonRun r;
        Tezo_n *tasks = openTasks(r);
        tasks->Text_Un[0]->setText(QStringLiteral("за задача 1"));
        tasks->Text_Un_GotFocus(0);
        tasks->mnu_Pylen_Ekran_Click();
        Tezo_Zad *zad = r.lesson->tezoZad();
        r.platform.answers = {true};
        chooseTask(tasks, 2);
        QVERIFY(zad->Obsho_Pole->isReadOnly());
        zad->Obsho_Pole->setText(QStringLiteral("не бива да стигне до задача 2"));
        QCOMPARE(tasks->Text_Un[0]->Text(), QString());
        QCOMPARE(tasks->List_Un3.read(1), QStringLiteral("за задача 1"));
    }

    void typeAndDifficultyWindow()
    {
        LessonRun r;
        Tezo_n *tasks = openTasks(r, {8, 26});
        tasks->mnu_Tip_Wid_Click();
        Tezo_Glos *glos = r.lesson->tezoGlos();
        QVERIFY(glos);
        QVERIFY(glos->isVisible());
        QCOMPARE(glos->windowTitle(), QStringLiteral("Тип и сложност на задачи"));
        const ContentStore &s = r.lesson->store();
        QCOMPARE(s.Wremena[3].count(), 22);
        QCOMPARE(s.Wremena[3].read(0), QStringLiteral("Сложност 1 за задача 1"));
        QCOMPARE(s.Wremena[5].read(0), QStringLiteral("Хорнер за задача 1"));
        QCOMPARE(s.Wremena[3].read(11), QStringLiteral("Сложност 2 за задача 12"));
        QCOMPARE(glos->Wremena[3]->allItems(), s.Wremena[3].items());
        QCOMPARE(glos->Wremena[3]->ListIndex(), -1);
        QCOMPARE(glos->Wremena[5]->ListIndex(), -1);

        r.platform.answers = {true};
        glos->Wremena[3]->setListIndex(11);
        QCOMPARE(r.lesson->tezoGlos(), nullptr);
        QCOMPARE(tasks->List_Un[1]->ListIndex(), 11);
        QCOMPARE(tasks->CurrentTask, qint16(12));
        QCOMPARE(s.List_Ur[1].read(2), QStringLiteral("12")); // the shown task wrote over "11"
    }

    void typeLineWritesItsPosition()
    {
        LessonRun r;
        Tezo_n *tasks = openTasks(r);
        tasks->mnu_Tip_Wid_Click();
        QString written;
        // Seen at the question: what the line wrote before the task was shown.
        r.platform.onMessage = [&](const MessageSpec &) {
            written = r.lesson->store().List_Ur[1].read(2);
        };
        r.platform.answers = {false};
        r.lesson->tezoGlos()->Wremena[5]->setListIndex(11);
        QCOMPARE(written, QStringLiteral("11"));
        QCOMPARE(tasks->List_Un[1]->ListIndex(), 0); // "No" kept task 1
    }

    void moreTasksThanTableEntries()
    {
        ContentStore store = lessonContent();
        store.Uslowie_L[0].append(QStringLiteral("23"));
        LessonRun r(store);
        openTasks(r);
        r.lesson->tezoN()->mnu_Tip_Wid_Click();
        const ContentStore &s = r.lesson->store();
        QCOMPARE(s.Wremena[3].read(22), QStringLiteral("Сложност  за задача 23"));
        QCOMPARE(s.Wremena[5].read(22), QStringLiteral(" за задача 23"));
    }

    void typeLineOfTheChosenTaskShowsItAgain()
    {
        LessonRun r;
        Tezo_n *tasks = openTasks(r);
        tasks->Text_Un[2]->clear();
        tasks->mnu_Tip_Wid_Click();
        r.platform.asked.clear();
        r.lesson->tezoGlos()->Wremena[3]->setListIndex(0);
        QCOMPARE(r.lesson->tezoGlos(), nullptr);
        QVERIFY(r.platform.asked.isEmpty());
        QVERIFY(tasks->Text_Un[2]->Text().contains(r.lesson->store().Uslowie_L[1].read(3)));
        QCOMPARE(r.lesson->store().List_Ur[1].read(2), QStringLiteral("1"));
    }

    void closingTheTypeWindowChoosesNothing()
    {
        LessonRun r;
        Tezo_n *tasks = openTasks(r);
        tasks->mnu_Tip_Wid_Click();
        r.platform.asked.clear();
        r.lesson->tezoGlos()->close();
        QCOMPARE(r.lesson->tezoGlos(), nullptr);
        QCOMPARE(tasks->List_Un[1]->ListIndex(), 0);
        QVERIFY(r.platform.asked.isEmpty());
        // Opened again, it is a new window with fresh lists.
        tasks->mnu_Tip_Wid_Click();
        QVERIFY(r.lesson->tezoGlos());
        QCOMPARE(r.lesson->tezoGlos()->Wremena[3]->ListIndex(), -1);
    }

    void typeWindowListsFollowTheFlagsAtEveryOpening()
    {
        LessonRun r;
        Tezo_n *tasks = openTasks(r);
        for (int opening = 0; opening < 2; ++opening) {
            tasks->mnu_Tip_Wid_Click();
            QVERIFY(!r.lesson->tezoGlos()->Wremena[3]->isEnabled());
            QVERIFY(!r.lesson->tezoGlos()->Wremena[5]->isEnabled());
            r.lesson->tezoGlos()->close();
        }
    }
};

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
