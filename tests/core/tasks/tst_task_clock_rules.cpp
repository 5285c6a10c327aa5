#include "core/tasks/task_clock.h"

#include <QTest>

using namespace lesson;

// The arithmetic of a task clock's tick; the tasks window's tests show the
// window running it.
class TestTaskClockRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void unitsByLevel_data()
    {
        QTest::addColumn<double>("level");
        QTest::addColumn<double>("unit");
        QTest::newRow("level 0") << 0.0 << 1.0;
        QTest::newRow("level 1") << 1.0 << 1.0;
        QTest::newRow("level 1.5") << 1.5 << 10.0;
        QTest::newRow("level 2") << 2.0 << 10.0;
        QTest::newRow("level 3") << 3.0 << 1000.0;
        QTest::newRow("negative level") << -3.0 << 1.0;
    }
    void unitsByLevel()
    {
        QFETCH(double, level);
        QFETCH(double, unit);
        QCOMPARE(timeUnitForLevel(level), unit);
    }

    void tick_data()
    {
        QTest::addColumn<double>("remaining");
        QTest::addColumn<double>("total");
        QTest::addColumn<double>("hint");
        QTest::addColumn<double>("unit");
        QTest::addColumn<int>("shown");
        QTest::addColumn<bool>("hintDue");
        QTest::newRow("first tick of 20 s shows 19") << 20.0 << 20.0 << 5.0 << 1.0 << 19 << false;
        QTest::newRow("elapsed 4.0 is not yet past 4") << 16.1 << 20.0 << 5.0 << 1.0 << 16 << false;
        QTest::newRow("elapsed 4.1 brings the hint") << 16.0 << 20.0 << 5.0 << 1.0 << 15 << true;
        QTest::newRow("last tenth shows 0, not -1") << 0.05 << 20.0 << 5.0 << 1.0 << 0 << true;
        QTest::newRow("level 2 counts in tens") << 30.0 << 3.0 << 1.0 << 10.0 << 29 << false;
        QTest::newRow("level 2 hint after its time") << 20.9 << 3.0 << 1.0 << 10.0 << 20 << true;
        QTest::newRow("hint time 0 is due at once") << 20.0 << 20.0 << 0.0 << 1.0 << 19 << true;
    }
    void tick()
    {
        QFETCH(double, remaining);
        QFETCH(double, total);
        QFETCH(double, hint);
        QFETCH(double, unit);
        QFETCH(int, shown);
        QFETCH(bool, hintDue);
        const ClockTick tick = tickTaskClock(remaining, total, hint, unit, true);
        QCOMPARE(tick.shownSeconds, shown);
        QCOMPARE(tick.hintDue, hintDue);
        QVERIFY(qAbs(tick.remaining - (remaining - 0.1)) < 1e-9);
        QVERIFY(qAbs(tick.elapsed - (unit * total - tick.remaining)) < 1e-9);
        QVERIFY(!tickTaskClock(remaining, total, hint, unit, false).hintDue);
    }
};

QTEST_GUILESS_MAIN(TestTaskClockRules)
#include "tst_task_clock_rules.moc"
