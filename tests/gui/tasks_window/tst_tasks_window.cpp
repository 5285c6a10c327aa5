#include "core/system/messages.h"
#include "core/tasks/text_scrambling.h"
#include "gui/small_windows/tezo_glos.h"
#include "gui/small_windows/tezo_gra.h"
#include "gui/small_windows/tezo_zad.h"
#include "gui/widgets/colours.h"
#include "support/lesson_setup.h"
#include "support/pictures.h"

#include <QAction>
#include <QLabel>
#include <QTest>
#include <QTimer>

using namespace lesson;
using namespace lesson::test;

class TestTasksWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void windowAndControls()
    {
        LessonRun r;
        Tezo_n *tasks = r.lesson->tezoN();
        QCOMPARE(tasks->windowTitle(), QStringLiteral("Тезомат - задачи + речник"));
        QCOMPARE(tasks->Timer_n->interval(), 100);
        QVERIFY(!tasks->Timer_n->isActive());
        QCOMPARE(tasks->Text_Un[2]->toolTip(),
                 QStringLiteral(" Съдържание на въпроси/условия на задачи  "));
        QCOMPARE(tasks->Chasownik_Label[0]->toolTip(), QStringLiteral(" Оставащо време "));
        QCOMPARE(tasks->mnu_IzhodN->text(), QStringLiteral("&Връщане към урока"));
        QCOMPARE(tasks->mnu_ZapReshen[3]->text(), QStringLiteral("Решение на &автора"));
        QCOMPARE(tasks->List_Un3.count(), 98);
        QCOMPARE(tasks->CurrentTask, qint16(1));
        QCOMPARE(tasks->RemainingTime, 10.0);
        QVERIFY(!tasks->Text_Un[0]->isLocked());
        // Without a chosen task the clock behaves as for task 1.
        QCOMPARE(r.lesson->store().Wremena[1].read(0), QStringLiteral("20"));
        QCOMPARE(r.lesson->store().Wremena[0].read(0), QStringLiteral("5"));
        // Without a configuration "Запис условие+решение" is hidden and disabled.
        QVERIFY(!tasks->mnu_ZapReshen[1]->isEnabled());
        QVERIFY(!tasks->mnu_ZapReshen[1]->isVisible());
    }

    void openingFromTheLessonWindow()
    {
        LessonRun r;
        r.lesson->start();
        Tezo *tezo = r.lesson->tezo();
        Tezo_n *tasks = openTasks(r);
        QVERIFY(!tezo->isVisible());
        QVERIFY(!tezo->Timer1->isActive());
        QVERIFY(tasks->isVisible());
        QVERIFY(tasks->Timer_n->isActive());
        QCOMPARE(tasks->List_Un[1]->ListIndex(), 0);
        QCOMPARE(r.lesson->store().List_Ur[1].read(2), QStringLiteral("0"));

        // Return, then open again: the chosen task stays chosen.
        chooseTask(tasks, 1);
        r.platform.answers = {true};
        chooseTask(tasks, 3);
        tasks->mnu_IzhodN_Click();
        QVERIFY(tezo->isVisible());
        QVERIFY(tezo->Timer1->isActive());
        QVERIFY(!tasks->isVisible());
        QVERIFY(!tasks->Timer_n->isActive());
        QCOMPARE(r.lesson->store().List_Ur[1].read(2), QStringLiteral("2"));
        tezo->mnu_Wyprosi_Click();
        QCOMPARE(tasks->List_Un[1]->ListIndex(), 2);
        QCOMPARE(tasks->CurrentTask, qint16(3));
    }

    void statementOfTaskOne()
    {
        LessonRun r;
        Tezo_n *tasks = openTasks(r);
        const ItemList &lines = r.lesson->store().Uslowie_L[1];
        QString expected;
        for (int i = 2; i <= 10; ++i)
            expected += QStringLiteral("\r\n") + lines.read(i);
        QCOMPARE(tasks->Text_Un[2]->Text(), expected);
        QVERIFY(tasks->Text_Un[2]->Text().startsWith(QStringLiteral("\r\n")));

        // Task 2 has 7 lines: positions 7 to 10 are read as empty lines.
        r.platform.answers = {true};
        chooseTask(tasks, 2);
        const ItemList &two = r.lesson->store().Uslowie_L[2];
        QString short2;
        for (int i = 2; i <= 6; ++i)
            short2 += QStringLiteral("\r\n") + two.read(i);
        short2 += QStringLiteral("\r\n\r\n\r\n\r\n");
        QCOMPARE(tasks->Text_Un[2]->Text(), short2);
    }

    void statementGoesThroughTheUnscrambling()
    {
        ContentStore store = lessonContent();
        store.Uslowie_L[4].write(2, scrambleText(QStringLiteral("Скрит ред на условието")));
        LessonRun r(store);
        Tezo_n *tasks = openTasks(r, {31});
        r.platform.answers = {true};
        chooseTask(tasks, 4);
        QVERIFY(
            tasks->Text_Un[2]->Text().startsWith(QStringLiteral("\r\nСкрит ред на условието\r\n")));
        // With flag 31 off a line is shown as it is stored.
        tasks->List_Un4.write(31, QStringLiteral("0"));
        QCOMPARE(tasks->Fn_Decrypt(QStringLiteral("абв")), QStringLiteral("абв"));
        QCOMPARE(tasks->Fn_Decrypt(store.Uslowie_L[4].read(2)), store.Uslowie_L[4].read(2));
        tasks->List_Un4.write(31, QStringLiteral("1"));
        QCOMPARE(tasks->Fn_Decrypt(QStringLiteral("x")), QString());
        QCOMPARE(tasks->Fn_Decrypt(QString()), QString());
    }

    void switchingAsksAndNoKeepsTheTask()
    {
        LessonRun r;
        Tezo_n *tasks = openTasks(r);
        tasks->Text_Un[0]->setText(QStringLiteral("x = 1 е корен"));
        r.platform.asked.clear();
        r.platform.answers = {false};
        chooseTask(tasks, 5);
        QCOMPARE(r.platform.asked.size(), 1);
        QCOMPARE(r.platform.asked.first().text, QStringLiteral("Да премина ли към друга задача?"));
        QCOMPARE(r.platform.asked.first().defaultButton, MessageSpec::DefaultButton::No);
        QCOMPARE(tasks->List_Un[1]->ListIndex(), 0);
        QCOMPARE(tasks->CurrentTask, qint16(1));
        QCOMPARE(tasks->Text_Un[0]->Text(), QStringLiteral("x = 1 е корен"));
        QVERIFY(tasks->Text_Un[2]->Text().contains(r.lesson->store().Uslowie_L[1].read(3)));
        QVERIFY(tasks->Timer_n->isActive());

        // "No" while on a later task keeps that task too.
        r.platform.answers = {true};
        chooseTask(tasks, 3);
        tasks->Text_Un[0]->setText(QStringLiteral("отговор 3"));
        r.platform.answers = {false};
        chooseTask(tasks, 7);
        QCOMPARE(tasks->List_Un[1]->ListIndex(), 2);
        QCOMPARE(tasks->CurrentTask, qint16(3));
        QCOMPARE(tasks->Text_Un[0]->Text(), QStringLiteral("отговор 3"));

        // Choosing the task already chosen asks nothing and shows it again.
        r.platform.asked.clear();
        tasks->Text_Un[2]->clear();
        chooseTask(tasks, 3);
        QVERIFY(r.platform.asked.isEmpty());
        QVERIFY(tasks->Text_Un[2]->Text().contains(r.lesson->store().Uslowie_L[3].read(3)));
        QCOMPARE(tasks->Text_Un[0]->Text(), QStringLiteral("отговор 3"));
    }

    void noToChangingAHardTaskAsksAboutItsDifficultyAgain()
    {
        LessonRun r;
        Tezo_n *tasks = openTasks(r, {25});
        r.platform.answers = {true, true}; // to task 6 (level 2)
        chooseTask(tasks, 6);
        r.platform.asked.clear();
        r.platform.answers = {false, true}; // stay; "will you manage?" yes
        chooseTask(tasks, 2);
        QCOMPARE(r.platform.asked.size(), 2);
        QCOMPARE(r.platform.asked.at(1).text, tasksWindowMessage(3).text);
        QCOMPARE(tasks->CurrentTask, qint16(6));
        QCOMPARE(tasks->List_Un[1]->ListIndex(), 5);
    }

    void answersSurviveSwitchingAndHiding()
    {
        LessonRun r;
        Tezo_n *tasks = openTasks(r);
        tasks->Text_Un[0]->setText(QStringLiteral("първи отговор"));
        r.platform.answers = {true, true, true};
        chooseTask(tasks, 2);
        QCOMPARE(tasks->Text_Un[0]->Text(), QString());
        tasks->Text_Un[0]->setText(QStringLiteral("втори\r\nотговор"));
        chooseTask(tasks, 1);
        QCOMPARE(tasks->Text_Un[0]->Text(), QStringLiteral("първи отговор"));
        chooseTask(tasks, 2);
        QCOMPARE(tasks->Text_Un[0]->Text(), QStringLiteral("втори\r\nотговор"));
        tasks->Text_Un[0]->setText(QStringLiteral("втори, довършен"));
        tasks->mnu_IzhodN_Click();
        QCOMPARE(tasks->List_Un3.read(1), QStringLiteral("първи отговор"));
        QCOMPARE(tasks->List_Un3.read(2), QStringLiteral("втори, довършен"));
        r.lesson->tezo()->mnu_Wyprosi_Click();
        QCOMPARE(tasks->Text_Un[0]->Text(), QStringLiteral("втори, довършен"));
    }

    void harderTaskAsksFirst()
    {
        LessonRun r;
        Tezo_n *tasks = openTasks(r, {25});
        r.platform.asked.clear();
        r.platform.answers = {true, false}; // change task: yes; hard task: no
        chooseTask(tasks, 6);               // level 2
        QCOMPARE(r.platform.asked.size(), 2);
        QCOMPARE(
            r.platform.asked.at(1).text,
            QStringLiteral("Задачата е с повишена трудност! \r\nСмятате ли, че ще се справите?"));
        QCOMPARE(tasks->List_Un[1]->ListIndex(), 0);
        QCOMPARE(tasks->CurrentTask, qint16(1));

        r.platform.answers = {true, true};
        chooseTask(tasks, 6);
        QCOMPARE(tasks->CurrentTask, qint16(6));
        QVERIFY(tasks->Text_Un[2]->Text().contains(r.lesson->store().Uslowie_L[6].read(2)));

        // Without flag 25 nothing is asked about difficulty.
        LessonRun plain;
        Tezo_n *t2 = openTasks(plain);
        plain.platform.asked.clear();
        plain.platform.answers = {true};
        chooseTask(t2, 6);
        QCOMPARE(plain.platform.asked.size(), 1);
        QCOMPARE(t2->CurrentTask, qint16(6));
    }

    void termsAndTheirPictures()
    {
        ContentStore store = lessonContent();
        store.glos_All[0].write(3, QStringLiteral("Нютон")); // term 4 appears again as 3
        store.Spi_GR[0].write(5, QStringLiteral("абв"));
        LessonRun r(store);
        Tezo_n *tasks = openTasks(r, {4});
        LessonList *terms = tasks->List_Un[0];
        QCOMPARE(terms->allItems(), store.glos_All[0].items());

        terms->setListIndex(3); // the first "Нютон"
        QCOMPARE(tasks->Text_Un[1]->Text(), store.Glos[4]);
        QCOMPARE(tasks->SelectedTerm, quint8(4));
        QCOMPARE(r.lesson->store().List_Ur[1].read(1), QStringLiteral("3"));
        QVERIFY(tasks->Picture_Un[0]->picture().samePicture(store.Grafika_G[5]));

        terms->setListIndex(10); // "аритметична прогресия": map item "0"
        QCOMPARE(tasks->Text_Un[1]->Text(), store.Glos[10]);
        QVERIFY(tasks->Picture_Un[0]->picture().isEmpty());
        terms->setListIndex(5); // "Бернули": map item not a number
        QCOMPARE(tasks->Text_Un[1]->Text(), store.Glos[5]);
        QVERIFY(tasks->Picture_Un[0]->picture().isEmpty());

        // Task pictures come from the first task map.
        r.platform.answers = {true};
        chooseTask(tasks, 7);
        QVERIFY(tasks->Picture_Un[0]->picture().samePicture(store.Grafika_G[3]));
        QCOMPARE(tasks->PictureMap, 1);
    }

    void dictionaryClosedWithoutFlag4()
    {
        LessonRun r;
        Tezo_n *tasks = r.lesson->tezoN();
        QVERIFY(!tasks->List_Un[0]->isEnabled());
        QCOMPARE(tasks->Text_Un[1]->Text(), QStringLiteral("Достъпът до речника е забранен!"));
        QCOMPARE(tasks->List_Un[0]->ListCount(), 25);
    }

    void zoomOfTheIllustration()
    {
        LessonRun r;
        Tezo_n *tasks = openTasks(r, {4});
        tasks->Picture_Un_Click(); // task 1 has no picture
        QVERIFY(!r.lesson->hasTezoGra());
        tasks->List_Un[0]->setListIndex(4); // Нютон, picture 5 (296 x 334)
        tasks->Picture_Un_Click();
        QVERIFY(r.lesson->hasTezoGra());
        QCOMPARE(r.lesson->tezoGra()->outerSizeTwips(), QSizeF(296 * 15 + 100, 334 * 15 + 100));
    }

    void paneFocusColours()
    {
        LessonRun r;
        Tezo_n *tasks = openTasks(r);
        const int clears = r.platform.clipboardClears;
        tasks->Text_Un_GotFocus(0);
        QCOMPARE(backgroundColour(tasks->Text_Un[0]), QColor(125, 110, 105));
        for (int i = 1; i <= 4; ++i)
            QCOMPARE(backgroundColour(tasks->Text_Un[std::size_t(i)]), QColor(0, 128, 0));
        QCOMPARE(tasks->FocusedPane, quint8(0));
        QCOMPARE(r.platform.clipboardClears, clears + 1);
        tasks->List_Un2.write(7, QString::number(255 + 256 * 255));
        tasks->Text_Un_GotFocus(3);
        QCOMPARE(backgroundColour(tasks->Text_Un[0]), QColor(255, 255, 0));
        QCOMPARE(backgroundColour(tasks->Text_Un[3]), QColor(125, 110, 105));
    }

    void allTasksCommand()
    {
        LessonRun r;
        Tezo_n *tasks = r.lesson->tezoN();
        QCOMPARE(tasks->List_Un[1]->ListCount(), 0);
        tasks->mnu_All_zadachi->setEnabled(true);
        tasks->mnu_All_zadachi->trigger();
        QCOMPARE(tasks->List_Un[1]->allItems(), r.lesson->store().Uslowie_L[0].items().mid(1));
        QVERIFY(!tasks->mnu_All_zadachi->isEnabled());
        QCOMPARE(tasks->mnu_All_zadachi->text(), QStringLiteral("+0 за&дачи"));

        // The chosen task stays chosen and nothing is asked.
        LessonRun r2;
        Tezo_n *t2 = openTasks(r2);
        r2.platform.answers = {true};
        chooseTask(t2, 4);
        r2.platform.asked.clear();
        t2->mnu_All_zadachi_Click();
        QCOMPARE(t2->List_Un[1]->ListIndex(), 3);
        QVERIFY(r2.platform.asked.isEmpty());
    }

    void frameCloseReturnsToTheLesson()
    {
        LessonRun r;
        r.lesson->start();
        Tezo_n *tasks = openTasks(r);
        tasks->Text_Un[0]->setText(QStringLiteral("написано преди затварянето"));
        QVERIFY(!tasks->close());
        QVERIFY(!tasks->isVisible());
        QVERIFY(r.lesson->tezo()->isVisible());
        QVERIFY(r.lesson->tezo()->Timer1->isActive());
        QVERIFY(!tasks->Timer_n->isActive());
        QCOMPARE(tasks->List_Un3.read(1), QStringLiteral("написано преди затварянето"));
        QVERIFY(!r.lesson->hasEnded());
    }
};

QTEST_MAIN(TestTasksWindow)
#include "tst_tasks_window.moc"
