#include "core/tasks/task_clock.h"
#include "support/lesson_setup.h"

using namespace lesson;
using namespace lesson::test;
using namespace Qt::StringLiterals;

namespace {

// Ticks until the answer field locks; returns the number of ticks.
int ticksUntilLocked(Tezo_n *tasks, int limit)
{
    for (int tick = 1; tick <= limit; ++tick) {
        tasks->Timer_n_Timer();
        if (tasks->Text_Un[0]->isLocked())
            return tick;
    }
    return -1;
}

} // namespace

class TestTaskClock : public QObject {
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

    void tickArithmetic_data()
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
    void tickArithmetic()
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
        QVERIFY(!tickTaskClock(remaining, total, hint, unit, false).hintDue);
    }

    void countdownHintAndSolution()
    {
        LessonRun r;
        Tezo_n *tasks = openTasks(r, {3, 5});
        QCOMPARE(tasks->RemainingTime, 20.0);
        for (int i = 0; i < 15; ++i)
            tasks->Timer_n_Timer();
        QCOMPARE(tasks->Chasownik_Label[0]->text(), u"18"_s);
        QCOMPARE(tasks->Text_Un5, u"1.5"_s); // elapsed seconds
        int tick = 15;
        while (tasks->Text_Un[4]->Text().isEmpty() && tick < 100) {
            tasks->Timer_n_Timer();
            ++tick;
        }
        QVERIFY2(tick >= 40 && tick <= 42, qPrintable(QString::number(tick)));
        QCOMPARE(tasks->Text_Un[4]->Text(),
                 u"Имате достъп до допълнително упътване за въпроса\r\n\r\n"
                 "Приложете метода на Хорнер"_s);
        QCOMPARE(r.lesson->store().Wremena[0].read(1), u"0"_s);
        QVERIFY(tasks->Text_Un[3]->Text().isEmpty());

        const int more = ticksUntilLocked(tasks, 400);
        QVERIFY2(tick + more >= 199 && tick + more <= 202,
                 qPrintable(QString::number(tick + more)));
        QCOMPARE(tasks->Chasownik_Label[0]->text(), u"0"_s);
        const ItemList &lines = r.lesson->store().Uslowie_L[1];
        QCOMPARE(tasks->Text_Un[3]->Text(), u"\r\n"_s + lines.items().mid(11).join(u"\r\n"_s));
        QCOMPARE(r.lesson->store().Wremena[1].read(1), u"0"_s);
        // Once the solution is shown the ticks change nothing.
        const double remaining = tasks->RemainingTime;
        tasks->Timer_n_Timer();
        QCOMPARE(tasks->RemainingTime, remaining);
    }

    // Without flag 5 no hint comes while the clock runs. After time-up it
    // comes only to a task without a solution (task 2 has none).
    void hintWithoutFlag5()
    {
        ContentStore store = lessonContent();
        store.Wremena[1].write(1, u"2"_s);
        store.Wremena[1].write(2, u"3"_s);
        store.Wremena[0].write(2, u"1"_s); // a hint due after one second
        LessonRun r(store);
        Tezo_n *tasks = openTasks(r, {3});
        QVERIFY(ticksUntilLocked(tasks, 30) > 0);
        QVERIFY(!tasks->Text_Un[3]->Text().isEmpty());
        for (int i = 0; i < 5; ++i)
            tasks->Timer_n_Timer();
        QVERIFY(tasks->Text_Un[4]->Text().isEmpty());

        chooseTask(r, 2, {true});
        QCOMPARE(tasks->RemainingTime, 3.0);
        for (int i = 0; i < 29; ++i) {
            tasks->Timer_n_Timer();
            QVERIFY(tasks->Text_Un[4]->Text().isEmpty());
        }
        QVERIFY(ticksUntilLocked(tasks, 5) > 0);
        tasks->Timer_n_Timer();
        QVERIFY(tasks->Text_Un[3]->Text().isEmpty());
        QVERIFY(tasks->Text_Un[4]->Text().endsWith(store.Uslowie_L[2].read(0)));
        QVERIFY(tasks->Chasownik_Label[0]->text().isEmpty());
    }

    void everyTickEmptiesTheClipboard()
    {
        LessonRun r;
        Tezo_n *tasks = openTasks(r);
        const auto tickEmpties = [&] {
            const int before = r.platform.clipboardClears;
            tasks->Timer_n_Timer();
            return r.platform.clipboardClears == before + 1;
        };
        QVERIFY(tickEmpties()); // running
        tasks->Text_Un[0]->setLocked(true);
        QVERIFY(tickEmpties()); // locked: the solution comes
        QVERIFY(!tasks->Text_Un[3]->Text().isEmpty());
        QVERIFY(tickEmpties()); // nothing left to do
        tasks->List_Un[1]->setListIndex(-1);
        QVERIFY(tickEmpties()); // no task chosen
    }

    // A spent task stays locked with its answer; another task still runs and
    // shows its own solution at time-up.
    void spentTaskStaysLocked()
    {
        ContentStore store = lessonContent();
        store.Wremena[1].write(1, u"1"_s);
        store.Wremena[1].write(3, u"1"_s);
        store.Uslowie_L[3].write(11, u"       Правилен отговор = 3"_s);
        store.Uslowie_L[3].write(12, u"Обяснение на задача 3"_s);
        LessonRun r(store);
        Tezo_n *tasks = openTasks(r);
        tasks->Text_Un[0]->setText(u"отговор"_s);
        QVERIFY(ticksUntilLocked(tasks, 20) > 0);
        chooseTask(r, 3, {true, true});
        QVERIFY(!tasks->Text_Un[0]->isLocked());
        QVERIFY(ticksUntilLocked(tasks, 20) > 0);
        QCOMPARE(tasks->Text_Un[3]->Text(),
                 u"\r\n       Правилен отговор = 3\r\nОбяснение на задача 3"_s);
        chooseTask(tasks, 1);
        tasks->Timer_n_Timer();
        QVERIFY(tasks->Text_Un[0]->isLocked());
        QCOMPARE(tasks->Text_Un[0]->Text(), u"отговор"_s);
        QVERIFY(!tasks->Text_Un[3]->Text().isEmpty());
    }

    // A task of level 2 counts in tens; going back keeps its clock, and
    // another task gets its own full time, whatever the list position
    // written on the way back says.
    void returningKeepsTheClockOfItsTask()
    {
        LessonRun r;
        Tezo_n *tasks = openTasks(r);
        chooseTask(r, 6, {true, true}); // level 2, total 3600, hint 90
        QCOMPARE(tasks->RemainingTime, 36000.0);
        for (int i = 0; i < 5; ++i)
            tasks->Timer_n_Timer();
        QCOMPARE(tasks->HintTime, 10.0 * 90);
        QCOMPARE(tasks->Chasownik_Label[0]->text(), u"35999"_s);
        tasks->mnu_IzhodN_Click();
        QCOMPARE(r.lesson->store().List_Ur[1].read(3), QString::number(tasks->RemainingTime));
        r.lesson->tezo()->mnu_Wyprosi_Click();
        chooseTask(tasks, 2);
        QCOMPARE(tasks->RemainingTime, 3000.0);
    }
};

QTEST_MAIN(TestTaskClock)
#include "tst_task_clock.moc"
