#include "support/lesson_setup.h"
#include "support/pictures.h"

namespace {

// Starts the lesson and switches mode flags on as a configuration would;
// the plan list is enabled again since start-up locked it with flag 10 off.
Tezo *planWithFlags(LessonRun &r, std::initializer_list<int> flagsOn)
{
    Tezo *tezo = r.lesson->tezo();
    for (int k : flagsOn)
        tezo->ModeFlagTable.write(k, u"1"_s);
    tezo->List_Ur[0]->setEnabled(true);
    return tezo;
}

// The selected point's timing: "picture/source point-time current-time".
QString timing(const Tezo *tezo)
{
    return u"%1/%2 %3 %4"_s.arg(tezo->run.ImageIndex)
        .arg(tezo->run.ImageSource)
        .arg(tezo->run.PointTime[0])
        .arg(tezo->run.CurrentPointTime);
}

} // namespace

class TestPlan : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Without flag 10 the plan is shown but choosing in it changes nothing.
    void shownPlanDropsCodesAndShortItems()
    {
        LessonRun r;
        Tezo *tezo = r.lesson->tezo();
        const QStringList plan({"1. Полиноми", "2. Уравнения от 2-ра и по-висока степен",
                                "2а) формули за съкратено умножение", "2б) формули на Виет",
                                "2в) метод на Хорнер", "2г) триъгълник на Паскал"});
        QCOMPARE(tezo->List_Ur[0]->allItems(), plan);
        QCOMPARE(tezo->Text_U[0]->Text(), u"Полиноми и уравнения"_s);
        QCOMPARE(r.lesson->store().List_Ur[2].count(), 7);
        tezo->List_Ur[0]->setListIndex(1);
        QCOMPARE(tezo->Text_U[1]->Text(), u"Достъпът до учебния материал е забранен!"_s);
        QCOMPARE(timing(tezo), u"0/0 0 1"_s);
        QVERIFY(tezo->Picture_Ur[0]->picture().isEmpty());

        ContentStore store = test::lessonContent();
        store.Plan_Tezo[0].write(3, u"003"_s);
        LessonRun shortItem(store);
        QCOMPARE(shortItem.lesson->tezo()->List_Ur[0]->allItems(), plan.mid(0, 2) + plan.mid(3));
    }

    // Focus alone chooses nothing. A click on a point shows its text and
    // picture and starts its time; chosen again, also as the item already
    // selected, it starts over, or with flag 18 goes on; a finished point is
    // not timed again; without flag 17 the plan locks while a point is timed.
    void selectingAPoint()
    {
        LessonRun r;
        r.lesson->start();
        Tezo *tezo = planWithFlags(r, {10, 17});
        QVERIFY(QTest::qWaitForWindowExposed(tezo));
        const ContentStore &s = r.lesson->store();
        LessonList *plan = tezo->List_Ur[0];
        tezo->activateWindow();
        plan->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        QCOMPARE(timing(tezo) + u' ' + QString::number(plan->ListIndex()), u"0/0 0 1 -1"_s);

        clickItem(plan, 1);
        QCOMPARE(tezo->Text_U[1]->Text(), s.Podtochki[2].text());
        QVERIFY(tezo->Picture_Ur[0]->picture().samePicture(s.Grafika_G[6]));
        QCOMPARE(timing(tezo), u"6/1 2 12"_s);
        QVERIFY(plan->isEnabled());
        clickItem(plan, 0);
        QCOMPARE(tezo->Text_U[1]->Text(), s.Podtochki[1].text());
        QVERIFY(tezo->Picture_Ur[0]->picture().isEmpty());
        QCOMPARE(timing(tezo), u"0/1 1 10"_s); // clearing leaves the source alone

        for (bool resume : {false, true}) {
            tezo->ModeFlagTable.write(18, resume ? u"1"_s : u"0"_s);
            clickItem(plan, 2);
            tezo->run.PointTime[3] = 5; // five of its fourteen seconds are left
            clickItem(plan, 0);
            clickItem(plan, 2);
            QCOMPARE(tezo->run.PointTime[3], qint16(resume ? 5 : 14));
            QCOMPARE(tezo->run.CurrentPointTime, qint16(resume ? 5 : 14));
            tezo->run.PointTime[3] = 3;
            clickItem(plan, 2);
            QCOMPARE(tezo->run.PointTime[3], qint16(resume ? 3 : 14));
        }
        tezo->run.PointDone[4] = 1;
        tezo->run.PointTime[4] = 0;
        clickItem(plan, 3);
        QCOMPARE(tezo->Text_U[1]->Text(), s.Podtochki[4].text());
        QCOMPARE(tezo->run.PointTime[4], qint16(0));
        QCOMPARE(tezo->run.CurrentPointTime, qint16(3)); // still the time of point 3

        tezo->ModeFlagTable.write(17, u"0"_s);
        clickItem(plan, 0);
        QVERIFY(!plan->isEnabled());
    }

    void lastMatchingItemWinsAndTheTopicTakesPart()
    {
        ContentStore store = test::lessonContent();
        // Item 5 ends with the same title as item 4, the topic with item 1's.
        store.Plan_Tezo[0].write(4, u"004 ред"_s);
        store.Plan_Tezo[0].write(5, u"005 ред"_s);
        store.Plan_Tezo[0].write(0, u"Урок 1. Полиноми"_s);
        store.Podtochki[0] = u"бележка на редактора"_s;
        LessonRun r(store);
        Tezo *tezo = planWithFlags(r, {10, 17});
        tezo->List_Ur[0]->setListIndex(3); // shown "ред", fourth point
        QCOMPARE(tezo->Text_U[1]->Text(), store.Podtochki[5].text());
        QVERIFY(tezo->Picture_Ur[0]->picture().samePicture(store.Grafika_G[13]));
        // Its own time still follows its position in the shown list.
        QCOMPARE(tezo->run.CurrentPointTime, qint16(16));

        // "1. Полиноми" matches the topic first and point 1 last.
        tezo->List_Ur[0]->setListIndex(0);
        QCOMPARE(tezo->Text_U[1]->Text(), store.Podtochki[1].text());

        // A title that only the topic ends with shows the editor's note.
        ContentStore topicOnly = test::lessonContent();
        topicOnly.Plan_Tezo[0].write(0, u"Полиноми 1. Полиноми"_s);
        topicOnly.Plan_Tezo[0].write(1, u"001 1. Полиноми и още"_s);
        topicOnly.Podtochki[0] = u"бележка"_s;
        LessonRun t(topicOnly);
        Tezo *tezo2 = planWithFlags(t, {10, 17});
        tezo2->List_Ur[0]->addItem(u"1. Полиноми"_s);
        tezo2->List_Ur[0]->setListIndex(tezo2->List_Ur[0]->count() - 1);
        QCOMPARE(tezo2->Text_U[1]->Text(), u"бележка"_s);
        QCOMPARE(tezo2->run.ImageIndex, 0);
    }

    // The full-size view opens unless the picture fits the small box (1545 x
    // 2160 twips) with room to spare in both directions.
    void fullSizeView_data()
    {
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<bool>("opens");
        QTest::newRow("larger in both directions") << QSize(521, 336) << true;
        QTest::newRow("exactly the box") << QSize(103, 144) << true;
        QTest::newRow("smaller in both directions") << QSize(92, 112) << false;
        QTest::newRow("taller only") << QSize(50, 145) << true;
        QTest::newRow("wider only") << QSize(104, 100) << true;
    }
    void fullSizeView()
    {
        QFETCH(QSize, pixels);
        QFETCH(bool, opens);
        ContentStore store = test::lessonContent();
        store.Grafika_G[9] = test::jpegOfSize(pixels.width(), pixels.height());
        store.Spi_GR[3].write(1, u"9"_s);
        LessonRun r(store);
        Tezo *tezo = planWithFlags(r, {10, 17});
        tezo->Picture_Ur_Click(); // an empty box opens nothing
        QVERIFY(!r.lesson->hasTezoGra());
        tezo->List_Ur[0]->setListIndex(0);
        tezo->Picture_Ur_Click();
        QCOMPARE(r.lesson->hasTezoGra(), opens);
        if (!opens)
            return;
        Tezo_Gra *gra = r.lesson->tezoGra();
        QVERIFY(gra->isVisible() && !gra->isModal());
        QCOMPARE(gra->outerSizeTwips(), QSizeF(pixels * 15) + QSizeF(100, 100));
        QCOMPARE(twipsGeometry(gra->Grafika_G0), QRectF(QPointF(20, 20), QSizeF(pixels * 15)));
        QVERIFY(r.lesson->store().Grafika_G[0].samePicture(store.Grafika_G[9]));
        // Another picture is shown in the same window, at its own size.
        gra->hide();
        tezo->List_Ur[0]->setListIndex(1); // picture 6, 521 x 336
        tezo->Picture_Ur_Click();
        QCOMPARE(r.lesson->tezoGra(), gra);
        QVERIFY(gra->isVisible());
        QCOMPARE(gra->outerSizeTwips(), QSizeF(521 * 15 + 100, 336 * 15 + 100));
        QVERIFY(r.lesson->store().Grafika_G[0].samePicture(store.Grafika_G[6]));
    }
    // Without flag 17 the first choice locks the plan, so the arrow keys only
    // look through it and Enter chooses, as a click would.
    void lockingPlanChoosesOnEnter()
    {
        LessonRun r;
        startWithFlags(r, {17});
        Tezo *tezo = r.lesson->tezo();
        LessonList *plan = tezo->List_Ur[0];
        tezo->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(tezo));
        plan->setFocus(Qt::TabFocusReason);
        QTest::keyClick(plan, Qt::Key_Down);
        QTest::keyClick(plan, Qt::Key_Down);
        QVERIFY(plan->isEnabled());
        QCOMPARE(plan->ListIndex(), -1);
        const int row = plan->currentRow();
        QVERIFY(row > 0);
        QTest::keyClick(plan, Qt::Key_Return);
        QCOMPARE(plan->ListIndex(), row);
        QCOMPARE(tezo->Text_U[1]->Text(), r.lesson->store().Podtochki[row + 1].text());
        QVERIFY(!plan->isEnabled());
    }
};

QTEST_MAIN(TestPlan)
#include "tst_plan.moc"
