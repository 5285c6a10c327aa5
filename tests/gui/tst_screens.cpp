#include "support/lesson_setup.h"
#include "support/screenshots.h"

namespace {

// Every caption of a label and of a menu bar entry fits its place.
void verifyNothingClipped(QWidget *window)
{
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (!label->isVisible() || label->text().isEmpty())
            continue;
        const QSize need = label->fontMetrics().size(0, label->text());
        QVERIFY2(need.width() <= label->contentsRect().width() &&
                     need.height() <= label->contentsRect().height(),
                 qPrintable(label->objectName() + u": "_s + label->text()));
    }
    if (auto *main = qobject_cast<QMainWindow *>(window)) {
        QMenuBar *bar = main->menuBar();
        for (QAction *action : bar->actions()) {
            if (!action->isVisible())
                continue;
            const QRect place = bar->actionGeometry(action);
            QVERIFY2(place.isValid() && bar->rect().contains(place), qPrintable(action->text()));
        }
    }
}

} // namespace

class TestScreens : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyWindow()
    {
        LessonRun r;
        startWithFlags(r, {31});
        Tezo *tezo = r.lesson->tezo();
        QVERIFY(QTest::qWaitForWindowExposed(tezo));
        verifyNothingClipped(tezo);
        keep(tezo, u"01-lesson-start"_s);
        for (int k = 1; k <= 6; ++k) {
            tezo->List_Ur[0]->setListIndex(k - 1);
            keep(tezo, u"02-point-%1"_s.arg(k));
        }
        tezo->List_Ur[0]->setListIndex(1);
        QVERIFY(!tezo->Picture_Ur[0]->picture().isEmpty());
        verifyNothingClipped(tezo);
        tezo->Picture_Ur_Click();
        keep(r.lesson->tezoGra(), u"04-full-size"_s);
        tezo->awtori_Click(1);
        keep(tezo, u"05-sponsor"_s);
        tezo->mnu_Cwqt->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(r.lesson->cwiat()));
        verifyNothingClipped(r.lesson->cwiat());
        keep(r.lesson->cwiat(), u"10-colour-and-font"_s);
        r.lesson->cwiat()->mnu_Otkaz->trigger();

        tezo->mnu_Wyprosi_Click();
        Tezo_n *tasks = r.lesson->tezoN();
        QVERIFY(QTest::qWaitForWindowExposed(tasks));
        tasks->List_Un[0]->setListIndex(4);
        tasks->Text_Un[0]->setText(u"(x-1)*(x+2)*(x-3)*(x+4)"_s);
        for (int i = 0; i < 50; ++i)
            tasks->Timer_n_Timer();
        verifyNothingClipped(tasks);
        keep(tasks, u"06-tasks"_s);
        tasks->TaskTimeUp();
        tasks->Timer_n_Timer();
        keep(tasks, u"07-tasks-solution"_s);
        tasks->Text_Un_GotFocus(2);
        tasks->mnu_Pylen_Ekran_Click();
        Tezo_Zad *zad = r.lesson->tezoZad();
        QVERIFY(QTest::qWaitForWindowExposed(zad));
        keep(zad, u"08-enlarged"_s);
        tasks->mnu_Tip_Wid_Click();
        QVERIFY(QTest::qWaitForWindowExposed(r.lesson->tezoGlos()));
        keep(r.lesson->tezoGlos(), u"09-type-and-level"_s);
        r.lesson->tezoGlos()->close();

        // A harder task clicked and refused: the spent task 1 stays shown.
        r.platform.answers = {true, false};
        clickItem(tasks->List_Un[1], 12);
        QCOMPARE(r.platform.asked.size(), 2);
        QCOMPARE(highlightedRows(tasks->List_Un[1]), QList<int>{0});
        keep(tasks, u"11-tasks-after-refusing"_s);
        tasks->mnu_IzhodN->trigger();
        tezo->List_Ur[0]->setListIndex(4);
        tezo->mnu_Fokus->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(zad));
        QVERIFY(zad->Obsho_Pole->find(u"1/2 |   2 |  0"_s)); // the scheme, down in the text
        keep(zad, u"12-enlarged-horner"_s);
    }
};

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"
