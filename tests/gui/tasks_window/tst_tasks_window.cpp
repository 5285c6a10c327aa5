#include "core/system/messages.h"
#include "core/tasks/text_scrambling.h"
#include "gui/small_windows/tezo_glos.h"
#include "support/lesson_setup.h"
#include "support/pictures.h"
#include "support/pupil.h"

using namespace lesson;
using namespace lesson::test;
using namespace Qt::StringLiterals;

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
        return QTest::keyClick(list, Qt::Key_Up);
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

class TestTasksWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Opening from the lesson window, then going back by the menu and by the
    // frame's close button: the clocks swap and what was typed stays.
    void openingAndReturning()
    {
        LessonRun r;
        r.lesson->start();
        Tezo *tezo = r.lesson->tezo();
        Tezo_n *tasks = r.lesson->tezoN();
        // Before any task is chosen the clock behaves as for task 1.
        QCOMPARE(tasks->CurrentTask, qint16(1));
        QCOMPARE(tasks->RemainingTime, 10.0);
        QCOMPARE(r.lesson->store().Wremena[1].read(0) + u'|' + r.lesson->store().Wremena[0].read(0),
                 u"20|5"_s);
        QCOMPARE(tasks->List_Un3.count(), 98);
        QCOMPARE(tasks->Timer_n->interval(), 100); // a tick is a tenth of a second
        QVERIFY(!tasks->Timer_n->isActive() && !tasks->Text_Un[0]->isLocked());
        QVERIFY(!tasks->mnu_ZapReshen[1]->isEnabled());

        openTasks(r);
        QVERIFY(!tezo->isVisible() && !tezo->Timer1->isActive());
        QVERIFY(tasks->isVisible() && tasks->Timer_n->isActive());
        QCOMPARE(tasks->List_Un[1]->ListIndex(), 0);
        QCOMPARE(r.lesson->store().List_Ur[1].read(2), u"0"_s);

        chooseTask(r, 3, {true});
        tasks->mnu_IzhodN_Click();
        QVERIFY(tezo->isVisible() && tezo->Timer1->isActive());
        QVERIFY(!tasks->isVisible() && !tasks->Timer_n->isActive());
        QCOMPARE(r.lesson->store().List_Ur[1].read(2), u"2"_s);
        tezo->mnu_Wyprosi_Click(); // the chosen task stays chosen
        QCOMPARE(chosen(tasks), u"task 3 at row 2"_s);

        tasks->Text_Un[0]->setText(u"написано преди затварянето"_s);
        QVERIFY(!tasks->close());
        QVERIFY(!tasks->isVisible() && !tasks->Timer_n->isActive());
        QVERIFY(tezo->isVisible() && tezo->Timer1->isActive());
        QCOMPARE(tasks->List_Un3.read(3), u"написано преди затварянето"_s);
        QVERIFY(!r.lesson->hasEnded());
    }

    // Lines 2 to 10, each after a line break; a shorter task reads past its
    // end as empty lines; with flag 31 each line is unscrambled.
    void statementShowsLinesTwoToTen()
    {
        ContentStore store = lessonContent();
        store.Uslowie_L[4].write(2, scrambleText(u"Скрит ред на условието"_s));
        LessonRun r(store);
        Tezo_n *tasks = openTasks(r);
        const ContentStore &s = r.lesson->store();
        const QString newLine = u"\r\n"_s;
        QCOMPARE(tasks->Text_Un[2]->Text(),
                 newLine + s.Uslowie_L[1].items().mid(2, 9).join(newLine));
        chooseTask(r, 2, {true}); // 7 lines
        QCOMPARE(tasks->Text_Un[2]->Text(),
                 newLine + s.Uslowie_L[2].items().mid(2).join(newLine) + newLine.repeated(4));
        setFlags(r, {31});
        chooseTask(r, 4, {true});
        QVERIFY(tasks->Text_Un[2]->Text().startsWith(u"\r\nСкрит ред на условието\r\n"_s));
    }

    // Changing the task asks first; "Не" keeps the task and its answer. Each
    // task keeps its own answer, through switching, listing all tasks and
    // going back to the lesson.
    void switchingAsksAndEveryTaskKeepsItsAnswer()
    {
        LessonRun r;
        Tezo_n *tasks = openTasks(r);
        const ContentStore &s = r.lesson->store();
        tasks->Text_Un[0]->setText(u"x = 1 е корен"_s);
        r.platform.asked.clear();
        chooseTask(r, 5, {false});
        QCOMPARE(r.platform.asked.size(), 1);
        QCOMPARE(r.platform.asked.first().text, u"Да премина ли към друга задача?"_s);
        QCOMPARE(r.platform.asked.first().defaultButton, MessageSpec::DefaultButton::No);
        QCOMPARE(chosen(tasks), u"task 1 at row 0"_s);
        QCOMPARE(tasks->Text_Un[0]->Text(), u"x = 1 е корен"_s);
        QVERIFY(tasks->Text_Un[2]->Text().contains(s.Uslowie_L[1].read(3)));
        QVERIFY(tasks->Timer_n->isActive());

        chooseTask(r, 3, {true});
        QCOMPARE(tasks->Text_Un[0]->Text(), QString());
        tasks->Text_Un[0]->setText(u"отговор\r\n3"_s);
        chooseTask(r, 7, {false}); // "Не" on a later task keeps that task too
        QCOMPARE(chosen(tasks), u"task 3 at row 2"_s);
        QCOMPARE(tasks->Text_Un[0]->Text(), u"отговор\r\n3"_s);
        chooseTask(r, 1, {true});
        QCOMPARE(tasks->Text_Un[0]->Text(), u"x = 1 е корен"_s);
        chooseTask(r, 3, {true});
        QCOMPARE(tasks->Text_Un[0]->Text(), u"отговор\r\n3"_s);

        // Choosing the task already chosen, or listing all tasks, asks
        // nothing; the first shows the task again.
        r.platform.asked.clear();
        tasks->Text_Un[2]->clear();
        chooseTask(tasks, 3);
        QVERIFY(tasks->Text_Un[2]->Text().contains(s.Uslowie_L[3].read(3)));
        tasks->mnu_All_zadachi_Click();
        QCOMPARE(tasks->List_Un[1]->ListIndex(), 2);
        QVERIFY(r.platform.asked.isEmpty());
        QCOMPARE(tasks->Text_Un[0]->Text(), u"отговор\r\n3"_s);

        tasks->Text_Un[0]->setText(u"отговор 3, довършен"_s);
        tasks->mnu_IzhodN_Click();
        QCOMPARE(tasks->List_Un3.read(1), u"x = 1 е корен"_s);
        QCOMPARE(tasks->List_Un3.read(3), u"отговор 3, довършен"_s);
        r.lesson->tezo()->mnu_Wyprosi_Click();
        QCOMPARE(tasks->Text_Un[0]->Text(), u"отговор 3, довършен"_s);
    }

    // A harder task (level 2, flag 25) asks whether the pupil will manage,
    // also when the pupil stays on it; without flag 25 nothing is asked.
    void harderTaskAsksFirst()
    {
        LessonRun r;
        Tezo_n *tasks = openTasks(r, {25});
        chooseTask(r, 6, {true, true});
        QCOMPARE(r.platform.asked.last().text,
                 u"Задачата е с повишена трудност! \r\nСмятате ли, че ще се справите?"_s);
        QCOMPARE(tasks->CurrentTask, qint16(6));
        QVERIFY(tasks->Text_Un[2]->Text().contains(r.lesson->store().Uslowie_L[6].read(2)));
        r.platform.asked.clear();
        chooseTask(r, 2, {false, true}); // stay: yes to "will you manage?"
        QCOMPARE(r.platform.asked.size(), 2);
        QCOMPARE(r.platform.asked.at(1).text, tasksWindowMessage(3).text);
        QCOMPARE(chosen(tasks), u"task 6 at row 5"_s);

        LessonRun plain;
        Tezo_n *t2 = openTasks(plain);
        plain.platform.asked.clear();
        chooseTask(plain, 6, {true});
        QCOMPARE(plain.platform.asked.size(), 1);
        QCOMPARE(t2->CurrentTask, qint16(6));
    }

    void termsAndTheirPictures()
    {
        ContentStore store = lessonContent();
        store.glos_All[0].write(3, u"Нютон"_s); // term 4 appears again as 3
        store.Spi_GR[0].write(5, u"абв"_s);
        LessonRun r(store);
        Tezo_n *tasks = openTasks(r, {4});
        LessonList *terms = tasks->List_Un[0];
        QCOMPARE(terms->allItems(), store.glos_All[0].items());
        tasks->Picture_Un_Click(); // task 1 has no picture to zoom
        QVERIFY(!r.lesson->hasTezoGra());

        terms->setListIndex(3); // the first "Нютон"
        QCOMPARE(tasks->Text_Un[1]->Text(), store.Glos[4]);
        QCOMPARE(tasks->SelectedTerm, quint8(4));
        QCOMPARE(r.lesson->store().List_Ur[1].read(1), u"3"_s);
        QVERIFY(tasks->Picture_Un[0]->picture().samePicture(store.Grafika_G[5]));
        tasks->Picture_Un_Click(); // picture 5, 296 x 334
        QCOMPARE(r.lesson->tezoGra()->outerSizeTwips(), QSizeF(296 * 15 + 100, 334 * 15 + 100));

        terms->setListIndex(10); // "аритметична прогресия": map item "0"
        QCOMPARE(tasks->Text_Un[1]->Text(), store.Glos[10]);
        QVERIFY(tasks->Picture_Un[0]->picture().isEmpty());
        terms->setListIndex(5); // "Бернули": map item not a number
        QCOMPARE(tasks->Text_Un[1]->Text(), store.Glos[5]);
        QVERIFY(tasks->Picture_Un[0]->picture().isEmpty());

        // Task pictures come from the first task map.
        chooseTask(r, 7, {true});
        QVERIFY(tasks->Picture_Un[0]->picture().samePicture(store.Grafika_G[3]));
        QCOMPARE(tasks->PictureMap, 1);
    }

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
        store.Wremena[1].write(7, u"1"_s);
        store.Uslowie_L[7].write(11, u"Решение на задача 7"_s);
        LessonRun r(store);
        Tezo_n *tasks = openOn(r, 7, {3, 25});
        QTest::keyClicks(tasks->Text_Un[0], u"x = 2"_s);
        tickWhileRunning(tasks, 20);
        QVERIFY(tasks->Text_Un[0]->isLocked() && !tasks->Text_Un[3]->Text().isEmpty());

        r.platform.answers = {true, false};
        tasks->List_Un[1]->setFocus();
        choose(r, tasks, way, 5);
        QCOMPARE(r.platform.asked.size(), 2);
        QCOMPARE(tasks->CurrentTask, qint16(7));
        QVERIFY2(tasks->Text_Un[0]->isLocked(), "the spent task's answer pane was unlocked");
        QTest::keyClicks(tasks->Text_Un[0], u" + 3"_s);
        tickWhileRunning(tasks, 5);
        tasks->mnu_IzhodN->trigger();
        QCOMPARE(tasks->List_Un3.read(7), u"x = 2"_s);
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
        const QString times6 = s.Wremena[0].read(6) + u'|' + s.Wremena[1].read(6);
        r.platform.onMessage = [&](const MessageSpec &) {
            tickWhileRunning(tasks, 30);
        };
        r.platform.answers = {true, false};
        clickItem(tasks->List_Un[1], 5);
        QCOMPARE(r.platform.asked.size(), 2);

        // Task 6 was neither spent nor hinted without being opened.
        QCOMPARE(s.Wremena[0].read(6) + u'|' + s.Wremena[1].read(6), times6);
        QVERIFY2(tasks->Text_Un[4]->Text().isEmpty(), "task 6's hint shown under task 1");
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
        tasks->Text_Un[0]->setText(u"отговор 14"_s);
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
        QCOMPARE(tasks->Text_Un[0]->Text(), u"отговор 14"_s);
        QCOMPARE(tasks->RemainingTime, remaining);
    }
};

QTEST_MAIN(TestTasksWindow)
#include "tst_tasks_window.moc"
