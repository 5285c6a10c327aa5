#include "gui/lesson_window/tezo.h"
#include "gui/tasks_window/tezo_n.h"
#include "gui/widgets/twips.h"
#include "support/lesson_setup.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QTest>

using namespace lesson;
using namespace lesson::test;

namespace {

// The lesson with point k's viewing time set to times[k - 1] seconds,
// shown, the given flags on and the plan open to the pupil. The timer is
// driven by hand.
struct Run {
    explicit Run(const QList<int> &times, std::initializer_list<int> flagsOn)
    {
        ContentStore store = lessonContent();
        for (int k = 1; k <= times.size(); ++k)
            store.Wremena[2].write(k, QString::number(times.at(k - 1)));
        run = std::make_unique<LessonRun>(store);
        run->lesson->start();
        tezo = run->lesson->tezo();
        tezo->Timer1->stop();
        setFlags(*run, flagsOn);
        tezo->List_Ur[0]->setEnabled(true);
        if (!QTest::qWaitForWindowExposed(tezo))
            qWarning("the lesson window was not shown");
    }

    // The pupil clicks point k (1-based) of the plan.
    void choose(int k)
    {
        LessonList *plan = tezo->List_Ur[0];
        QTest::mouseClick(plan->viewport(), Qt::LeftButton, {},
                          plan->visualItemRect(plan->item(k - 1)).center());
    }

    // One one-second step: the ticks up to the next tenth.
    void second()
    {
        do
            tezo->Timer1_Timer();
        while (tezo->run.TickCount % 10 != 0);
    }

    std::unique_ptr<LessonRun> run;
    Tezo *tezo = nullptr;
};

} // namespace

class TestPointTimer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pointOfTenSecondsWithItsBar()
    {
        Run r({10, 12, 14, 16, 18, 20}, {10, 13, 19});
        Tezo *tezo = r.tezo;
        const int clears = r.run->platform.clipboardClears;
        r.choose(1);
        QVERIFY(!tezo->List_Ur[0]->isEnabled()); // flag 17 off: locked while timed
        QCOMPARE(tezo->TapeState[BarStep], 500.0f);
        for (int second = 1; second <= 9; ++second) {
            r.second();
            QCOMPARE(tezo->run.PointTime[1], qint16(10 - second));
            QCOMPARE(tezo->run.PointDone[1], quint8(0));
            QVERIFY(tezo->Shape_Lenta[0]->isVisible() && tezo->Shape_Lenta[1]->isVisible());
            // The remaining part shrinks from the bottom, the elapsed part
            // rises from the bottom edge.
            QCOMPARE(twipsGeometry(tezo->Shape_Lenta[0]).height(), 5000.0 - 500 * second);
            QCOMPARE(twipsGeometry(tezo->Shape_Lenta[1]).top(), 5500.0 - 500 * second);
            QCOMPARE(twipsGeometry(tezo->Shape_Lenta[1]).height(), 15.0 + 500 * second);
        }
        QVERIFY(!tezo->Shape_Lenta[2]->isVisible());
        r.second();
        QCOMPARE(tezo->run.PointDone[1], quint8(1));
        QCOMPARE(tezo->run.PointDone[0], quint8(5));
        QVERIFY(!tezo->List_Ur[0]->isEnabled());
        QVERIFY(tezo->Shape_Lenta[2]->isVisible() && tezo->Shape_Lenta[3]->isVisible());
        QCOMPARE(tezo->Label_U[1]->toolTip(),
                 QStringLiteral(" Лявата (зелената) част представя какъв материал от плана е "
                                "преминат, а дясната (червената) оставащият "));
        r.second();
        QVERIFY(tezo->List_Ur[0]->isEnabled());
        QVERIFY(tezo->Shape_Lenta[0]->isHidden() && tezo->Shape_Lenta[1]->isHidden());
        // The clipboard is emptied at every tick, 110 of them.
        QCOMPARE(r.run->platform.clipboardClears - clears, 110);
        // A finished point chosen again is not timed again.
        r.choose(1);
        r.second();
        QCOMPARE(tezo->run.PointDone[0], quint8(5));
        QVERIFY(tezo->List_Ur[0]->isEnabled());
    }

    void flag13OffCountsDownWithoutABar()
    {
        Run r({3, 12, 14, 16, 18, 20}, {10, 17, 19});
        r.choose(1);
        for (int second = 1; second <= 3; ++second) {
            r.second();
            QVERIFY(r.tezo->Shape_Lenta[0]->isHidden() && r.tezo->Shape_Lenta[1]->isHidden());
        }
        QCOMPARE(r.tezo->run.PointDone[1], quint8(1));
        QVERIFY(r.tezo->Shape_Lenta[3]->isVisible());
    }

    void lastPointFreesTheTasksWithFlag16Off()
    {
        // Flag 19 off: no tape even when everything is done.
        Run r({1, 1, 1, 1, 1, 2}, {10, 13, 17});
        Tezo *tezo = r.tezo;
        QVERIFY(!tezo->mnu_Wyprosi->isEnabled());
        for (int k = 1; k <= 6; ++k) {
            r.choose(k);
            r.second();
            if (k < 6)
                QVERIFY(!tezo->mnu_Wyprosi->isEnabled());
        }
        QCOMPARE(tezo->run.PointDone[0], quint8(1));
        r.second();
        QCOMPARE(tezo->run.PointDone[0], quint8(0));
        QVERIFY(tezo->mnu_Wyprosi->isEnabled());
        QVERIFY(tezo->Shape_Lenta[2]->isHidden() && tezo->Shape_Lenta[3]->isHidden());
        QVERIFY(tezo->Label_U[1]->toolTip().isEmpty());
    }

    void flag16FreesTheTasksAfterEachPoint()
    {
        Run r({1, 2, 14, 16, 18, 20}, {10, 13, 16, 17, 19});
        Tezo *tezo = r.tezo;
        r.choose(2);
        r.second();
        QVERIFY(!tezo->mnu_Wyprosi->isEnabled()); // locked while the point is read
        r.second();
        QVERIFY(tezo->mnu_Wyprosi->isEnabled());
        r.choose(1);
        r.second();
        QVERIFY(tezo->mnu_Wyprosi->isEnabled());
        QCOMPARE(tezo->run.PointDone[0], quint8(4));
    }

    void tapeStepsAcrossTheWholePlan()
    {
        Run r({1, 1, 1, 1, 1, 1}, {10, 13, 17, 19});
        Tezo *tezo = r.tezo;
        QCOMPARE(tezo->TapeRow, quint8(19));
        QCOMPARE(tezo->TapeState[TapeStep], 1833.0f);
        for (int k = 1; k <= 5; ++k) {
            r.choose(k);
            r.second();
            QCOMPARE(twipsGeometry(tezo->Shape_Lenta[3]).width(), 15.0 + 1833 * k);
            QCOMPARE(twipsGeometry(tezo->Shape_Lenta[2]).left(), 360.0 + 1833 * k);
            QVERIFY(tezo->Shape_Lenta[2]->isVisible());
        }
        r.choose(6);
        r.second();
        QVERIFY(tezo->Shape_Lenta[2]->isHidden()); // 2 twips of red are not shown
        QCOMPARE(twipsGeometry(tezo->Shape_Lenta[3]).width(), 11013.0);
        QVERIFY(tezo->mnu_Wyprosi->isEnabled());
    }

    void pointLongerThanTheBarIsHigh()
    {
        Run r({6000, 12, 14, 16, 18, 20}, {10, 13, 17});
        Tezo *tezo = r.tezo;
        r.choose(1);
        QCOMPARE(tezo->TapeState[BarStep], 0.0f);
        tezo->run.PointTime[1] = 2; // the last two seconds of it
        r.second();
        QCOMPARE(twipsGeometry(tezo->Shape_Lenta[0]).height(), 5000.0);
        r.second();
        QCOMPARE(tezo->run.PointDone[1], quint8(1));
    }

    void ticksFrozenWhileTheTasksWindowIsOpen()
    {
        Run r({1, 12, 14, 16, 18, 20}, {10, 16, 17});
        Tezo *tezo = r.tezo;
        r.choose(1);
        r.second(); // done: flag 16 frees the tasks command
        r.choose(2);
        r.second();
        tezo->Timer1->start();
        tezo->mnu_Wyprosi->trigger();
        Tezo_n *tasks = r.run->lesson->tezoN();
        QVERIFY(tasks->isVisible());
        QVERIFY(!tezo->Timer1->isActive());
        QVERIFY(tasks->Timer_n->isActive());
        tasks->mnu_IzhodN->trigger();
        QVERIFY(tezo->Timer1->isActive());
        QVERIFY(!tasks->Timer_n->isActive());
        QCOMPARE(tezo->run.PointTime[2], qint16(11));
    }
};

QTEST_MAIN(TestPointTimer)
#include "tst_point_timer.moc"
