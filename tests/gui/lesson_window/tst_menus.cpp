#include "support/lesson_setup.h"
#include "support/pictures.h"

#include <QRegularExpression>

// A menu entry's caption without the Alt letter's mark; "&&" is an ampersand.
static QString caption(const QAction *action)
{
    return action->text().replace(QRegularExpression(u"&(.)"_s), u"\\1"_s);
}

class TestMenus : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Entry k of each menu shows text k, so the captions must stand in that
    // order. The texts leave the point and its picture alone.
    void informationAndAuthorTexts()
    {
        LessonRun r;
        Tezo *tezo = r.lesson->tezo();
        QStringList captions;
        for (QAction *a : tezo->menuBar()->actions())
            captions.append(caption(a));
        for (int k = 1; k <= 9; ++k)
            captions.append(caption(tezo->Sydyrv_pla[std::size_t(k)]));
        for (int k = 1; k <= 3; ++k)
            captions.append(caption(tezo->awtori[std::size_t(k)]));
        QCOMPARE(captions.join(u'|'),
                 u"Изход|Фокус|Цвят/шрифт|Задачи/Речник|Информация за урока|Автори|"
                 "Допълнителен материал|Използвана литература & Internet site|"
                 "Държавни образователни изисквания|Продължителност на урока|"
                 "Цел на урока|Междупредметни връзки|Вътрешно предметни връзки|"
                 "Необходими пособия|Ход на урока|Спонсор|Автор на урока|За програмата"_s);
        setFlags(r, {10, 17});
        tezo->List_Ur[0]->setEnabled(true);
        ContentStore &s = r.lesson->store();
        tezo->List_Ur[0]->setListIndex(1); // a point with picture 6 is being timed
        const qint16 timeLeft = tezo->run.PointTime[2];
        for (int k = 1; k <= 9; ++k) {
            tezo->Sydyrv_pla_Click(k);
            QCOMPARE(tezo->Text_U[1]->Text(), s.Dopyln_M[std::size_t(k)].text());
        }
        // Neither the point nor its picture changes.
        QCOMPARE(tezo->run.PointTime[0], qint16(2));
        QCOMPARE(tezo->run.PointTime[2], timeLeft);
        QCOMPARE(tezo->run.ImageIndex, 6);
        QVERIFY(tezo->Picture_Ur[0]->picture().samePicture(s.Grafika_G[6]));
        tezo->List_Ur[0]->setListIndex(0);
        QCOMPARE(tezo->Text_U[1]->Text(), s.Podtochki[1].text());
        // With a picture of their own, the information texts show it.
        s.Grafika_W[3] = jpegOfSize(60, 40);
        tezo->Sydyrv_pla_Click(5);
        QVERIFY(tezo->Picture_Ur[0]->picture().samePicture(s.Grafika_W[3]));
        QCOMPARE(tezo->run.ImageIndex, 3);
        QCOMPARE(tezo->run.ImageSource, quint8(2));

        tezo->awtori[2]->trigger();
        QCOMPARE(tezo->Text_U[1]->Text(), s.Reklama_Par[2].text());
        tezo->awtori[3]->trigger();
        QCOMPARE(tezo->Text_U[1]->Text(), s.Reklama_Par[3].text());
        QVERIFY(tezo->Picture_Ur[0]->picture().samePicture(s.Grafika_W[3]));

        tezo->awtori[1]->trigger();
        QCOMPARE(tezo->Text_U[1]->Text(), s.Reklama_Par[1].text());
        QVERIFY(tezo->Picture_Ur[0]->picture().samePicture(s.Grafika_W[2]));
        QCOMPARE(tezo->run.ImageIndex, 2);
        QCOMPARE(tezo->run.ImageSource, quint8(2));
        tezo->Picture_Ur_Click(); // 181 x 194 pixels does not fit the box
        QVERIFY(r.lesson->hasTezoGra());
        QCOMPARE(r.lesson->tezoGra()->outerSizeTwips(), QSizeF(181 * 15 + 100, 194 * 15 + 100));
    }

    void rightClickAndTheColourCommand()
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

        // "Цвят/шрифт" stores the lesson window's look in the settings list.
        QFont font(u"DejaVu Serif"_s);
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
        // Colours as red + 256 green + 65536 blue; the colour window, opened
        // right after, splits item 3 into its components (item 4 on).
        QCOMPARE(settings.count(), 19);
        QCOMPARE(
            QStringList({settings.read(1), settings.read(2), settings.read(3), settings.read(4),
                         settings.read(7), settings.read(11), settings.read(15)}),
            QStringList({"DejaVu Serif", "13", "789258", "10", "394500", "197121", "591879"}));
    }
};

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
