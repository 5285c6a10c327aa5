// The two questions of the tasks window ("Да премина ли към друга задача?"
// and "Задачата е с повишена трудност!") as the pupil meets them: the task is
// chosen with the mouse, the keyboard, the type/difficulty window or by the
// program, and the window must afterwards show one task throughout: list,
// statement, answer pane and its lock, clock and hint.

#include "core/content/number_text.h"
#include "gui/small_windows/tezo_glos.h"
#include "support/lesson_setup.h"
#include "support/pupil.h"

#include <QAction>
#include <QTest>
#include <QTimer>

using namespace lesson;
using namespace lesson::test;

namespace {

enum class Way { Mouse, Keyboard, TypeWindow, Program };

// Chooses the task at a list position the way a pupil (or the program) does;
// by keyboard only the task just before the current one.
void choose(LessonRun &r, Tezo_n *tasks, Way way, int row)
{
    LessonList *list = tasks->List_Un[1];
    switch (way) {
    case Way::Mouse:
        clickItem(list, row);
        break;
    case Way::Keyboard:
        // One key back in the list's reading order.
        QCOMPARE(row, list->ListIndex() - 1);
        list->setFocus();
        QTest::keyClick(list, list->flow() == QListView::TopToBottom ? Qt::Key_Up : Qt::Key_Left);
        break;
    case Way::TypeWindow:
        tasks->mnu_Tip_Wid->trigger();
        clickItem(r.lesson->tezoGlos()->Wremena[3], row);
        break;
    case Way::Program:
        list->setListIndex(row);
        break;
    }
}

void addWays()
{
    QTest::addColumn<Way>("way");
    QTest::newRow("mouse") << Way::Mouse;
    QTest::newRow("keyboard") << Way::Keyboard;
    QTest::newRow("type window") << Way::TypeWindow;
    QTest::newRow("program") << Way::Program;
}

// Opens the tasks window with the task list complete and usable (as flags 1
// and 8 make it at start-up), further flags switched on, and a task shown.
Tezo_n *openOn(LessonRun &r, int task, std::initializer_list<int> flags)
{
    Tezo_n *tasks = openTasks(r, flags);
    tasks->List_Un[1]->setEnabled(true);
    r.lesson->tezoGlosAvailability().levelsEnabled = true;
    if (task != 1) {
        r.platform.answers = {true};
        chooseTask(tasks, task);
    }
    r.platform.answers.clear();
    r.platform.asked.clear();
    return tasks;
}

// Ticks, like the real clock, only while the clock runs.
void tickWhileRunning(Tezo_n *tasks, int ticks)
{
    for (int i = 0; i < ticks && tasks->Timer_n->isActive(); ++i)
        tasks->Timer_n_Timer();
}

QString statementOf(const ContentStore &s, int t)
{
    QString statement;
    for (int i = int(Val(s.Redowe_L[1].read(t))); i < int(Val(s.Redowe_L[2].read(t))); ++i)
        statement += QStringLiteral("\r\n") + s.Uslowie_L[std::size_t(t)].read(i);
    return statement;
}

} // namespace

Q_DECLARE_METATYPE(Way)

class TestTaskQuestions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Task 7's time is over and its solution shown; the pupil moves towards
    // task 6 (level 2), says "Да" to leaving and "Не" to the hard task. Task 7
    // stays on screen, spent: its answer pane stays locked.
    void spentTaskStaysLockedAfterRefusingAHardTask_data() { addWays(); }
    void spentTaskStaysLockedAfterRefusingAHardTask()
    {
        QFETCH(Way, way);
        ContentStore store = lessonContent();
        store.Wremena[1].write(7, QStringLiteral("1"));
        store.Uslowie_L[7].write(11, QStringLiteral("Решение на задача 7"));
        LessonRun r(store);
        Tezo_n *tasks = openOn(r, 7, {3, 25});
        tasks->Text_Un[0]->setFocus();
        QTest::keyClicks(tasks->Text_Un[0], QStringLiteral("x = 2"));
        tickWhileRunning(tasks, 20);
        QVERIFY(tasks->Text_Un[0]->isLocked());
        QVERIFY(!tasks->Text_Un[3]->Text().isEmpty());

        r.platform.answers = {true, false};
        choose(r, tasks, way, 5);
        QCOMPARE(r.platform.asked.size(), 2);
        QCOMPARE(tasks->CurrentTask, qint16(7));
        QVERIFY2(tasks->Text_Un[0]->isLocked(), "the spent task's answer pane was unlocked");
        tasks->Text_Un[0]->setFocus();
        QTest::keyClicks(tasks->Text_Un[0], QStringLiteral(" + 3"));
        tickWhileRunning(tasks, 5);
        QCOMPARE(tasks->Text_Un[0]->Text(), QStringLiteral("x = 2"));
        tasks->mnu_IzhodN->trigger();
        QCOMPARE(tasks->List_Un3.read(7), QStringLiteral("x = 2"));
    }

    // Picking a spent task shows it locked at once, and a running task after
    // it unlocked, however the task is picked.
    void lockFollowsTheTaskShown_data() { addWays(); }
    void lockFollowsTheTaskShown()
    {
        QFETCH(Way, way);
        ContentStore store = lessonContent();
        store.Wremena[1].write(5, QStringLiteral("0"));
        LessonRun r(store);
        Tezo_n *tasks = openOn(r, 6, {3});
        r.platform.answers = {true};
        choose(r, tasks, way, 4);
        QCOMPARE(tasks->CurrentTask, qint16(5));
        QVERIFY(tasks->Text_Un[0]->isLocked());
        r.platform.answers = {true};
        choose(r, tasks, way, 3);
        QCOMPARE(tasks->CurrentTask, qint16(4));
        QVERIFY(!tasks->Text_Un[0]->isLocked());
    }

    // While "Задачата е с повишена трудност!" waits, the clock must not run:
    // its ticks would read the clicked task's times against the current
    // task's remaining time.
    void clockWaitsWhileAQuestionIsOpen_data()
    {
        QTest::addColumn<QString>("currentTime");
        QTest::newRow("current task keeps its time") << "300";
        QTest::newRow("current task's time runs out meanwhile") << "1";
    }
    void clockWaitsWhileAQuestionIsOpen()
    {
        QFETCH(QString, currentTime);
        ContentStore store = lessonContent();
        store.Wremena[1].write(1, currentTime);
        LessonRun r(store);
        Tezo_n *tasks = openOn(r, 1, {3, 5, 25});
        const QString hintTime6 = r.lesson->store().Wremena[0].read(6);
        const QString totalTime6 = r.lesson->store().Wremena[1].read(6);
        bool clockStopped = true;
        r.platform.onMessage = [&](const MessageSpec &) {
            clockStopped = clockStopped && !tasks->Timer_n->isActive();
            tickWhileRunning(tasks, 30);
        };
        r.platform.answers = {true, false};
        clickItem(tasks->List_Un[1], 5);
        r.platform.onMessage = nullptr;
        QCOMPARE(r.platform.asked.size(), 2);

        QStringList faults;
        if (r.lesson->store().Wremena[0].read(6) != hintTime6)
            faults << QStringLiteral("task 6's hint time changed");
        if (!tasks->Text_Un[4]->Text().isEmpty())
            faults << QStringLiteral("task 6's hint shown under task 1");
        if (r.lesson->store().Wremena[1].read(6) != totalTime6)
            faults << QStringLiteral("task 6 spent without being opened");
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
        QVERIFY(tasks->Text_Un[3]->Text().isEmpty());
        QVERIFY(!tasks->Text_Un[0]->isLocked());
        QVERIFY(clockStopped);
        QVERIFY(tasks->Timer_n->isActive());

        // Task 6 opens afterwards with its own full time.
        r.platform.answers = {true, true};
        clickItem(tasks->List_Un[1], 5);
        QCOMPARE(tasks->CurrentTask, qint16(6));
        QCOMPARE(tasks->RemainingTime, 10 * totalTime6.toDouble());
        QVERIFY(!tasks->Text_Un[0]->isLocked());
    }

    // After "Не" (or Escape, which answers the same) the list highlights the
    // task whose statement, answer and clock are shown.
    void listShowsTheTaskShownAfterNo_data()
    {
        QTest::addColumn<Way>("way");
        QTest::addColumn<QList<bool>>("answers");
        QTest::newRow("mouse, no to leaving") << Way::Mouse << QList<bool>{false};
        QTest::newRow("mouse, no to the hard task") << Way::Mouse << QList<bool>{true, false};
        QTest::newRow("keyboard, no to leaving") << Way::Keyboard << QList<bool>{false};
        QTest::newRow("keyboard, no to the hard task") << Way::Keyboard << QList<bool>{true, false};
        QTest::newRow("type window, no to leaving") << Way::TypeWindow << QList<bool>{false};
    }
    void listShowsTheTaskShownAfterNo()
    {
        QFETCH(Way, way);
        QFETCH(QList<bool>, answers);
        LessonRun r;
        Tezo_n *tasks = openOn(r, 14, {3, 25});
        tasks->Text_Un[0]->setText(QStringLiteral("отговор 14"));
        for (int i = 0; i < 5; ++i)
            tasks->Timer_n_Timer();
        const double remaining = tasks->RemainingTime;

        r.platform.answers = answers;
        choose(r, tasks, way, 12); // task 13, level 2
        QCOMPARE(r.platform.asked.size(), answers.size());
        LessonList *list = tasks->List_Un[1];
        QCOMPARE(tasks->CurrentTask, qint16(14));
        QCOMPARE(list->ListIndex(), 13);
        QCOMPARE(highlightedRows(list), QList<int>{13});
        QCOMPARE(tasks->Text_Un[2]->Text(), statementOf(r.lesson->store(), 14));
        QCOMPARE(tasks->Text_Un[0]->Text(), QStringLiteral("отговор 14"));
        QCOMPARE(tasks->RemainingTime, remaining);
    }
};

QTEST_MAIN(TestTaskQuestions)
#include "tst_task_questions.moc"
