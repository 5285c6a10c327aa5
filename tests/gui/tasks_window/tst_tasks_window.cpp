#include "core/system/messages.h"
#include "core/tasks/text_scrambling.h"
#include "support/lesson_setup.h"

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
void ticks(Tezo_n *tasks, int n)
{
    for (int i = 0; i < n && tasks->Timer_n->isActive(); ++i)
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

Q_DECLARE_METATYPE(Way)

// The tasks window: opening and returning, choosing a task and the two
// questions that may come with it, terms, and the task clock, whose tick
// arithmetic is the core's (tst_task_clock_rules).
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
        QCOMPARE(tasks->Timer_n->interval(), 100); // a tick is a tenth of a second
        QVERIFY(!tasks->Timer_n->isActive() && !tasks->Text_Un[0]->isLocked());

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

        // A task of level 2 counts in tens; going back keeps its clock, and
        // another task gets its own full time, whatever the list position
        // written on the way back says.
        tezo->mnu_Wyprosi_Click();
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

    // Changing the task asks first; "Не" keeps the task and its answer. Each
    // task keeps its own answer, through switching, listing all tasks and
    // going back to the lesson.
    void changingTheTaskAsksAndEveryTaskKeepsItsAnswer()
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
        QVERIFY(tasks->Timer_n->isActive());

        chooseTask(r, 3, {true});
        QCOMPARE(tasks->Text_Un[0]->Text(), QString());
        tasks->Text_Un[0]->setText(u"отговор\r\n3"_s);
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

        // A harder task (level 2, flag 25) asks whether the pupil will manage,
        // also when the pupil stays on it.
        setFlags(r, {25});
        chooseTask(r, 6, {true, true});
        QCOMPARE(r.platform.asked.last().text,
                 u"Задачата е с повишена трудност! \r\nСмятате ли, че ще се справите?"_s);
        QCOMPARE(tasks->CurrentTask, qint16(6));
        QVERIFY(tasks->Text_Un[2]->Text().contains(s.Uslowie_L[6].read(2)));
        r.platform.asked.clear();
        chooseTask(r, 2, {false, true}); // stay: yes to "will you manage?"
        QCOMPARE(r.platform.asked.size(), 2);
        QCOMPARE(r.platform.asked.at(1).text, tasksWindowMessage(3).text);
        QCOMPARE(chosen(tasks), u"task 6 at row 5"_s);
    }

    // Terms and their pictures. A statement is lines 2 to 10, each after a
    // line break; a shorter task reads past its end as empty lines; with
    // flag 31 each line is unscrambled.
    void termsPicturesAndStatements()
    {
        ContentStore store = lessonContent();
        store.glos_All[0].write(3, u"Нютон"_s); // term 4 appears again as 3
        store.Spi_GR[0].write(5, u"абв"_s);
        store.Uslowie_L[4].write(2, scrambleText(u"Скрит ред на условието"_s));
        LessonRun r(store);
        Tezo_n *tasks = openTasks(r, {4});
        LessonList *terms = tasks->List_Un[0];
        QCOMPARE(terms->allItems(), store.glos_All[0].items());
        tasks->Picture_Un_Click(); // task 1 has no picture to zoom
        QVERIFY(!r.lesson->hasTezoGra());

        terms->setListIndex(3); // the first "Нютон"
        QCOMPARE(tasks->Text_Un[1]->Text(), store.Glos[4].text());
        QCOMPARE(tasks->SelectedTerm, quint8(4));
        QCOMPARE(r.lesson->store().List_Ur[1].read(1), u"3"_s);
        QVERIFY(tasks->Picture_Un[0]->picture().samePicture(store.Grafika_G[5]));
        tasks->Picture_Un_Click(); // picture 5, 296 x 334
        QCOMPARE(r.lesson->tezoGra()->outerSizeTwips(), QSizeF(296 * 15 + 100, 334 * 15 + 100));

        terms->setListIndex(10); // "аритметична прогресия": map item "0"
        QCOMPARE(tasks->Text_Un[1]->Text(), store.Glos[10].text());
        QVERIFY(tasks->Picture_Un[0]->picture().isEmpty());
        terms->setListIndex(5); // "Бернули": map item not a number
        QCOMPARE(tasks->Text_Un[1]->Text(), store.Glos[5].text());
        QVERIFY(tasks->Picture_Un[0]->picture().isEmpty());

        // Task pictures come from the first task map.
        chooseTask(r, 7, {true});
        QVERIFY(tasks->Picture_Un[0]->picture().samePicture(store.Grafika_G[3]));
        QCOMPARE(tasks->PictureMap, 1);

        const QString newLine = u"\r\n"_s;
        chooseTask(r, 1, {true});
        QCOMPARE(tasks->Text_Un[2]->Text(),
                 newLine + store.Uslowie_L[1].items().mid(2, 9).join(newLine));
        chooseTask(r, 2, {true}); // 7 lines
        QCOMPARE(tasks->Text_Un[2]->Text(),
                 newLine + store.Uslowie_L[2].items().mid(2).join(newLine) + newLine.repeated(4));
        setFlags(r, {31});
        chooseTask(r, 4, {true});
        QVERIFY(tasks->Text_Un[2]->Text().startsWith(u"\r\nСкрит ред на условието\r\n"_s));
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
            ticks(tasks, 30);
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

    // After "Не" (Escape answers the same) to leaving task 14 or to the hard
    // task 13, task 14 stays as it was: highlighted in the list, its
    // statement, answer and clock; spent, its answer pane stays locked.
    void refusingKeepsTheTaskShown_data()
    {
        QTest::addColumn<Way>("way");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<bool>("spent");
        const QList<bool> noToLeaving{false}, noToTheHardTask{true, false};
        QTest::newRow("mouse, no to leaving") << Way::Mouse << noToLeaving << false;
        QTest::newRow("keyboard, no to leaving") << Way::Keyboard << noToLeaving << false;
        QTest::newRow("mouse, no to the hard task") << Way::Mouse << noToTheHardTask << false;
        QTest::newRow("keyboard, no to the hard task, spent")
            << Way::Keyboard << noToTheHardTask << true;
        QTest::newRow("mouse, no to the hard task, spent") << Way::Mouse << noToTheHardTask << true;
        QTest::newRow("type window, no to the hard task, spent")
            << Way::TypeWindow << noToTheHardTask << true;
        QTest::newRow("program, no to the hard task, spent")
            << Way::Program << noToTheHardTask << true;
    }
    void refusingKeepsTheTaskShown()
    {
        QFETCH(Way, way);
        QFETCH(QList<bool>, answers);
        QFETCH(bool, spent);
        ContentStore store = lessonContent();
        if (spent)
            store.Wremena[1].write(14, u"1"_s);
        store.Uslowie_L[14].write(11, u"Решение на задача 14"_s);
        LessonRun r(store);
        Tezo_n *tasks = openOn(r, 14, {3, 25});
        const QString statement = tasks->Text_Un[2]->Text();
        QTest::keyClicks(tasks->Text_Un[0], u"x = 2"_s);
        ticks(tasks, spent ? 20 : 5);
        QCOMPARE(tasks->Text_Un[0]->isLocked(), spent);
        QCOMPARE(tasks->Text_Un[3]->Text().isEmpty(), !spent);
        const double remaining = tasks->RemainingTime;

        r.platform.answers = answers;
        tasks->List_Un[1]->setFocus();
        choose(r, tasks, way, 12); // task 13, level 2
        QCOMPARE(r.platform.asked.size(), answers.size());
        QCOMPARE(tasks->CurrentTask, qint16(14));
        QCOMPARE(tasks->List_Un[1]->ListIndex(), 13);
        QCOMPARE(highlightedRows(tasks->List_Un[1]), QList<int>{13});
        QCOMPARE(tasks->Text_Un[2]->Text(), statement);
        QCOMPARE(tasks->RemainingTime, remaining);
        QCOMPARE(tasks->Text_Un[0]->isLocked(), spent);
        if (spent)
            QTest::keyClicks(tasks->Text_Un[0], u" + 3"_s);
        ticks(tasks, 5);
        tasks->mnu_IzhodN->trigger();
        QCOMPARE(tasks->List_Un3.read(14), u"x = 2"_s);
    }

    // Task 1: 20 seconds, the hint after 5 (flag 5 on). Every tick empties
    // the clipboard, whatever it has to do.
    void countdownHintAndSolution()
    {
        LessonRun r;
        Tezo_n *tasks = openTasks(r, {3, 5});
        const int clears = r.platform.clipboardClears;
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
        tasks->List_Un[1]->setListIndex(-1);
        tasks->Timer_n_Timer();
        QCOMPARE(r.platform.clipboardClears - clears, 15 + 30 + more + 2);
    }

    // Without flag 5 no hint comes while the clock runs. After time-up it
    // comes only to a task without a solution (task 2 has none), task 3
    // shows its own. A spent task stays locked with its answer.
    void timeUpWithoutFlag5()
    {
        ContentStore store = lessonContent();
        store.Wremena[1].write(1, u"2"_s);
        store.Wremena[1].write(2, u"3"_s);
        store.Wremena[0].write(2, u"1"_s); // a hint due after one second
        store.Wremena[1].write(3, u"1"_s);
        store.Uslowie_L[3].write(11, u"       Правилен отговор = 3"_s);
        store.Uslowie_L[3].write(12, u"Обяснение на задача 3"_s);
        LessonRun r(store);
        Tezo_n *tasks = openTasks(r, {3});
        tasks->Text_Un[0]->setText(u"отговор"_s);
        QVERIFY(ticksUntilLocked(tasks, 30) > 0);
        QVERIFY(!tasks->Text_Un[3]->Text().isEmpty());
        ticks(tasks, 5);
        QVERIFY(tasks->Text_Un[4]->Text().isEmpty());

        chooseTask(r, 3, {true});
        QVERIFY(!tasks->Text_Un[0]->isLocked());
        QVERIFY(ticksUntilLocked(tasks, 20) > 0);
        QCOMPARE(tasks->Text_Un[3]->Text(),
                 u"\r\n       Правилен отговор = 3\r\nОбяснение на задача 3"_s);

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

        chooseTask(r, 1, {true});
        QVERIFY(tasks->Text_Un[0]->isLocked());
        const int clears = r.platform.clipboardClears;
        tasks->Timer_n_Timer();
        QCOMPARE(r.platform.clipboardClears, clears + 1);
        QCOMPARE(tasks->Text_Un[0]->Text(), u"отговор"_s);
        QVERIFY(!tasks->Text_Un[3]->Text().isEmpty());
    }
};

QTEST_MAIN(TestTasksWindow)
#include "tst_tasks_window.moc"
