#include "core/system/messages.h"
#include "core/tasks/text_scrambling.h"
#include "support/lesson_setup.h"
#include "support/pictures.h"

using namespace lesson;
using namespace lesson::test;
using namespace Qt::StringLiterals;

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

    void harderTaskAsksFirst()
    {
        LessonRun r;
        Tezo_n *tasks = openTasks(r, {25});
        r.platform.asked.clear();
        chooseTask(r, 6, {true, false}); // level 2; change task: yes, hard task: no
        QCOMPARE(r.platform.asked.size(), 2);
        QCOMPARE(r.platform.asked.at(1).text,
                 u"Задачата е с повишена трудност! \r\nСмятате ли, че ще се справите?"_s);
        QCOMPARE(chosen(tasks), u"task 1 at row 0"_s);

        chooseTask(r, 6, {true, true});
        QCOMPARE(tasks->CurrentTask, qint16(6));
        QVERIFY(tasks->Text_Un[2]->Text().contains(r.lesson->store().Uslowie_L[6].read(2)));

        // "No" to leaving it asks about its difficulty again.
        r.platform.asked.clear();
        chooseTask(r, 2, {false, true}); // stay: yes to "will you manage?"
        QCOMPARE(r.platform.asked.size(), 2);
        QCOMPARE(r.platform.asked.at(1).text, tasksWindowMessage(3).text);
        QCOMPARE(chosen(tasks), u"task 6 at row 5"_s);

        // Without flag 25 nothing is asked about difficulty.
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
};

QTEST_MAIN(TestTasksWindow)
#include "tst_tasks_window.moc"
