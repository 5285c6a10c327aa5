#include "support/lesson_setup.h"

using namespace lesson;
using namespace lesson::test;
using namespace Qt::StringLiterals;

namespace {

void ticks(Tezo_n *tasks, int n)
{
    for (int i = 0; i < n; ++i)
        tasks->Timer_n_Timer();
}

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

// The tasks window runs its clock; the arithmetic of a tick is the core's
// (tst_task_clock_rules).
class TestTaskClock : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Task 1: 20 seconds, the hint after 5 (flag 5 on).
    void countdownHintAndSolution()
    {
        LessonRun r;
        Tezo_n *tasks = openTasks(r, {3, 5});
        QCOMPARE(tasks->RemainingTime, 20.0);
        ticks(tasks, 15);
        QCOMPARE(tasks->Chasownik_Label[0]->text() + u'|' + tasks->Text_Un5, u"18|1.5"_s);
        ticks(tasks, 30);
        QCOMPARE(tasks->Text_Un[4]->Text(),
                 u"Имате достъп до допълнително упътване за въпроса\r\n\r\n"
                 "Приложете метода на Хорнер"_s);
        QCOMPARE(r.lesson->store().Wremena[0].read(1), u"0"_s);
        QVERIFY(tasks->Text_Un[3]->Text().isEmpty());

        const int more = ticksUntilLocked(tasks, 400);
        QVERIFY2(more >= 154 && more <= 157, qPrintable(QString::number(more)));
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
        ticks(tasks, 5);
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
        ticks(tasks, 5);
        QCOMPARE(tasks->HintTime, 10.0 * 90);
        QVERIFY(qAbs(tasks->Text_Un5.toDouble() - 0.5) < 1e-6); // elapsed of its 36000 s
        tasks->mnu_IzhodN_Click();
        QCOMPARE(r.lesson->store().List_Ur[1].read(3), QString::number(tasks->RemainingTime));
        r.lesson->tezo()->mnu_Wyprosi_Click();
        chooseTask(tasks, 2);
        QCOMPARE(tasks->RemainingTime, 3000.0);
    }
};

QTEST_MAIN(TestTaskClock)
#include "tst_task_clock.moc"
