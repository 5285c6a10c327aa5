// The two questions of the tasks window as the pupil meets them: afterwards
// list, statement, answer pane and its lock, clock and hint all belong to the
// one task shown.

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

// Chooses the task at a list position; by keyboard only the one just before
// the current task (one key back in the list's reading order).
void choose(LessonRun &r, Tezo_n *tasks, Way way, int row)
{
    LessonList *list = tasks->List_Un[1];
    switch (way) {
    case Way::Mouse:
        return clickItem(list, row);
    case Way::Keyboard:
        QCOMPARE(row, list->ListIndex() - 1);
        QTest::keyClick(list, Qt::Key_Up);
        return QTest::keyClick(list, Qt::Key_Return);
    case Way::TypeWindow:
        tasks->mnu_Tip_Wid->trigger();
        return clickItem(r.lesson->tezoGlos()->Wremena[3], row);
    case Way::Program:
        return list->setListIndex(row);
    }
}

// The tasks window with every task listed and the lists usable (flags 1, 8).
Tezo_n *openOn(LessonRun &r, int task, std::initializer_list<int> flags)
{
    Tezo_n *tasks = openTasks(r, flags);
    tasks->List_Un[1]->setEnabled(true);
    r.lesson->tezoGlosAvailability().levelsEnabled = true;
    r.platform.answers = {true};
    chooseTask(tasks, task);
    r.platform.answers.clear();
    r.platform.asked.clear();
    return tasks;
}

// Ticks as the real clock does: only while it runs.
void tickWhileRunning(Tezo_n *tasks, int ticks)
{
    for (int i = 0; i < ticks && tasks->Timer_n->isActive(); ++i)
        tasks->Timer_n_Timer();
}

} // namespace

Q_DECLARE_METATYPE(Way)

class TestTaskQuestions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Task 7 is spent and solved; the pupil moves to task 6 (level 2), says
    // "Да" to leaving and "Не" to the hard task: task 7 stays, locked.
    void spentTaskStaysLockedAfterRefusingAHardTask_data()
    {
        QTest::addColumn<Way>("way");
        QTest::newRow("mouse") << Way::Mouse;
        QTest::newRow("keyboard") << Way::Keyboard;
        QTest::newRow("type window") << Way::TypeWindow;
        QTest::newRow("program") << Way::Program;
    }
    void spentTaskStaysLockedAfterRefusingAHardTask()
    {
        QFETCH(Way, way);
        ContentStore store = lessonContent();
        store.Wremena[1].write(7, QStringLiteral("1"));
        store.Uslowie_L[7].write(11, QStringLiteral("Решение на задача 7"));
        LessonRun r(store);
        Tezo_n *tasks = openOn(r, 7, {3, 25});
        QTest::keyClicks(tasks->Text_Un[0], QStringLiteral("x = 2"));
        tickWhileRunning(tasks, 20);
        QVERIFY(tasks->Text_Un[0]->isLocked() && !tasks->Text_Un[3]->Text().isEmpty());

        r.platform.answers = {true, false};
        tasks->List_Un[1]->setFocus();
        choose(r, tasks, way, 5);
        QCOMPARE(r.platform.asked.size(), 2);
        QCOMPARE(tasks->CurrentTask, qint16(7));
        QVERIFY2(tasks->Text_Un[0]->isLocked(), "the spent task's answer pane was unlocked");
        QTest::keyClicks(tasks->Text_Un[0], QStringLiteral(" + 3"));
        tickWhileRunning(tasks, 5);
        tasks->mnu_IzhodN->trigger();
        QCOMPARE(tasks->List_Un3.read(7), QStringLiteral("x = 2"));
    }

    // While "Задачата е с повишена трудност!" waits, ticks would read the
    // clicked task's times against the current task's remaining time.
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
        const ContentStore &s = r.lesson->store();
        const QString hintTime6 = s.Wremena[0].read(6);
        const QString totalTime6 = s.Wremena[1].read(6);
        r.platform.onMessage = [&](const MessageSpec &) {
            tickWhileRunning(tasks, 30);
        };
        r.platform.answers = {true, false};
        clickItem(tasks->List_Un[1], 5);
        QCOMPARE(r.platform.asked.size(), 2);

        QStringList faults;
        if (s.Wremena[0].read(6) != hintTime6)
            faults << QStringLiteral("task 6's hint time changed");
        if (!tasks->Text_Un[4]->Text().isEmpty())
            faults << QStringLiteral("task 6's hint shown under task 1");
        if (s.Wremena[1].read(6) != totalTime6)
            faults << QStringLiteral("task 6 spent without being opened");
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
        QVERIFY(!tasks->Text_Un[0]->isLocked());
        QVERIFY(tasks->Timer_n->isActive());
    }

    // After "Не" (Escape answers the same) the list highlights the task
    // whose statement, answer and clock are shown.
    void listShowsTheTaskShownAfterNo_data()
    {
        QTest::addColumn<Way>("way");
        QTest::addColumn<QList<bool>>("answers");
        QTest::newRow("mouse, no to leaving") << Way::Mouse << QList<bool>{false};
        QTest::newRow("mouse, no to the hard task") << Way::Mouse << QList<bool>{true, false};
        QTest::newRow("keyboard, no to leaving") << Way::Keyboard << QList<bool>{false};
        QTest::newRow("keyboard, no to the hard task") << Way::Keyboard << QList<bool>{true, false};
    }
    void listShowsTheTaskShownAfterNo()
    {
        QFETCH(Way, way);
        QFETCH(QList<bool>, answers);
        LessonRun r;
        Tezo_n *tasks = openOn(r, 14, {3, 25});
        const QString statement = tasks->Text_Un[2]->Text();
        tasks->Text_Un[0]->setText(QStringLiteral("отговор 14"));
        tickWhileRunning(tasks, 5);
        const double remaining = tasks->RemainingTime;

        r.platform.answers = answers;
        tasks->List_Un[1]->setFocus();
        choose(r, tasks, way, 12); // task 13, level 2
        QCOMPARE(r.platform.asked.size(), answers.size());
        QCOMPARE(tasks->CurrentTask, qint16(14));
        QCOMPARE(tasks->List_Un[1]->ListIndex(), 13);
        QCOMPARE(highlightedRows(tasks->List_Un[1]), QList<int>{13});
        QCOMPARE(tasks->Text_Un[2]->Text(), statement);
        QCOMPARE(tasks->Text_Un[0]->Text(), QStringLiteral("отговор 14"));
        QCOMPARE(tasks->RemainingTime, remaining);
    }
};

QTEST_MAIN(TestTaskQuestions)
#include "tst_task_questions.moc"
