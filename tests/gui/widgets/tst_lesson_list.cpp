// The lists of the lesson as the pupil works them: only the left button
// chooses; lists whose choice asks a question or closes a window (that one in
// tst_keyboard_windows) move with the arrows and choose with Enter or Space,
// the others as they move; a click chooses at once; two columns read down.

#include "support/lesson_setup.h"

#include <QScrollBar>
#include <QSignalSpy>

namespace {

// The lesson started with a configuration that offers 15 of its 22 tasks,
// the plan and the tasks window open (flags 1, 10, 16), the plan not locked
// by a point (flag 17 off).
Tezo *startLesson(LessonRun &r)
{
    ConfigFile file = lessonConfiguration();
    file.records[0].Count = 22;
    for (int k : {1, 10, 16})
        setFlag(file, k, 1);
    writeConfiguration(r, file);
    r.lesson->start();
    return r.lesson->tezo();
}

// In a row of pupil's actions, a click on the item of row n.
constexpr int click(int row)
{
    return -1 - row;
}

} // namespace

class TestLessonList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A right or middle click selects nothing and raises no selection event:
    // on the plan it used to show the point, restart its clock and lock the
    // plan.
    void onlyTheLeftButtonChooses_data()
    {
        QTest::addColumn<bool>("plan");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("plan, right") << true << Qt::RightButton;
        QTest::newRow("plan, middle") << true << Qt::MiddleButton;
        QTest::newRow("tasks, right") << false << Qt::RightButton;
    }
    void onlyTheLeftButtonChooses()
    {
        QFETCH(bool, plan);
        QFETCH(Qt::MouseButton, button);
        LessonRun r;
        Tezo *tezo = startLesson(r);
        LessonList *list = tezo->List_Ur[0];
        if (!plan) {
            tezo->mnu_Wyprosi->trigger();
            list = r.lesson->tezoN()->List_Un[1];
        }
        const QString content = tezo->Text_U[1]->Text();
        const int before = list->ListIndex();
        const QList<int> highlighted = highlightedRows(list);
        QSignalSpy chosen(list, &LessonList::Click);

        clickItem(list, 2, button);
        QTest::mouseDClick(list->viewport(), button, {},
                           list->visualItemRect(list->item(3)).center());
        QCOMPARE(chosen.count(), 0);
        QCOMPARE(list->ListIndex(), before);
        QCOMPARE(highlightedRows(list), highlighted);
        QVERIFY(r.platform.asked.isEmpty());
        QCOMPARE(tezo->Text_U[1]->Text(), content);
        QCOMPARE(tezo->run.PointTime[0], qint16(0));

        r.platform.answers = {true};
        clickItem(list, 2);
        QCOMPARE(list->ListIndex(), 2);
        QCOMPARE(chosen.count(), 1);
    }

    // Keys on the task list: only Enter and Space choose, a click chooses at
    // once; a choice asks first, and "Да" shows the task under the cursor,
    // "Не" leaves the cursor on the task still shown.
    void taskListChoosesOnEnter_data()
    {
        QTest::addColumn<QList<int>>("actions");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<int>("questions");
        QTest::addColumn<int>("shownTask");
        const auto row = [](const char *name, QList<int> actions, bool yes, int asked, int shown) {
            QTest::newRow(name) << actions << yes << asked << shown;
        };
        row("arrows only move", {Qt::Key_Down, Qt::Key_Down}, true, 0, 1);
        row("typing a number only moves", {Qt::Key_0}, true, 0, 1);
        row("page down only moves", {Qt::Key_PageDown}, true, 0, 1);
        row("Enter chooses", {Qt::Key_Down, Qt::Key_Return}, true, 1, 2);
        row("keypad Enter chooses", {Qt::Key_Down, Qt::Key_Enter}, true, 1, 2);
        row("Space chooses", {Qt::Key_Down, Qt::Key_Down, Qt::Key_Space}, true, 1, 3);
        row("back to the shown task asks nothing", {Qt::Key_Down, Qt::Key_Up, Qt::Key_Return}, true,
            0, 1);
        row("a click chooses at once", {click(4)}, true, 1, 5);
        row("keys go on from the task clicked", {click(4), Qt::Key_Down, Qt::Key_Return}, true, 2,
            6);
        row("after Не the cursor is on the task shown", {click(4), Qt::Key_Return}, false, 1, 1);
    }
    void taskListChoosesOnEnter()
    {
        QFETCH(QList<int>, actions);
        QFETCH(bool, yes);
        QFETCH(int, questions);
        QFETCH(int, shownTask);
        LessonRun r;
        Tezo_n *tasks = startOnTasks(r, {25}); // on task 1, the keys in its list
        tasks->List_Un[1]->setFocus();
        r.platform.answers = {yes, yes};
        r.platform.asked.clear();
        for (int action : actions) {
            if (action < 0)
                clickItem(tasks->List_Un[1], -1 - action);
            else
                QTest::keyClick(tasks->List_Un[1], Qt::Key(action));
        }
        QCOMPARE(r.platform.asked.size(), questions);
        QCOMPARE(tasks->CurrentTask, qint16(shownTask));
        QCOMPARE(tasks->List_Un[1]->ListIndex(), shownTask - 1);
        QCOMPARE(highlightedRows(tasks->List_Un[1]), QList<int>{shownTask - 1});
        QVERIFY(tasks->Text_Un[2]->Text().contains(
            tasks->Fn_Decrypt(r.lesson->store().Uslowie_L[std::size_t(shownTask)].read(2))));
    }

    // Lists whose choice is light choose as the arrows move.
    void lightListsChooseAsTheyMove()
    {
        LessonRun r;
        startWithFlags(r, {});
        Tezo *tezo = r.lesson->tezo();
        QTest::keyClick(tezo->List_Ur[0], Qt::Key_Down);
        QTest::keyClick(tezo->List_Ur[0], Qt::Key_Down);
        QCOMPARE(tezo->run.PointTime[0], qint16(2));
        QCOMPARE(tezo->Text_U[1]->Text(), r.lesson->store().Podtochki[2].text());

        Tezo_n *tasks = r.lesson->tezoN();
        const QString before = tasks->Text_Un[1]->Text();
        QTest::keyClick(tasks->List_Un[0], Qt::Key_Down);
        QVERIFY(tasks->Text_Un[1]->Text() != before);

        tezo->mnu_Fokus->trigger();
        Tezo_Zad *zad = r.lesson->tezoZad();
        QTest::keyClick(zad->List_font, Qt::Key_Down);
        QCOMPARE(zad->Obsho_Pole->font().pointSize(), zad->List_font->itemText(1).toInt());

        tezo->mnu_Cwqt->trigger();
        LessonList *sizes = r.lesson->cwiat()->List_font[1];
        QTest::keyClick(sizes, Qt::Key_Down);
        QCOMPARE(tasks->List_Un2.read(2), sizes->itemText(sizes->ListIndex()));
    }

    // Two columns read down the first column, then down the second, as a
    // pupil copies the plan from top to bottom.
    void twoColumnsReadDownFirst_data()
    {
        QTest::addColumn<int>("tasks");
        QTest::newRow("plan") << 0;
        QTest::newRow("tasks offered") << 15;
        QTest::newRow("every task") << 22;
    }
    void twoColumnsReadDownFirst()
    {
        QFETCH(int, tasks);
        LessonRun r;
        Tezo *tezo = startLesson(r);
        LessonList *list = tezo->List_Ur[0];
        if (tasks > 0) {
            if (tasks == 22)
                r.lesson->tezoN()->mnu_All_zadachi_Click();
            tezo->mnu_Wyprosi->trigger();
            list = r.lesson->tezoN()->List_Un[1];
        }
        QVERIFY(QTest::qWaitForWindowExposed(list->window()));
        const int n = list->ListCount();
        QCOMPARE(n, tasks > 0 ? tasks : 6);
        const int rows = (n + 1) / 2;
        const auto place = [list](int i) {
            return list->visualItemRect(list->item(i));
        };
        for (int i = 0; i < n; ++i) {
            const QByteArray what = list->itemText(i).toUtf8();
            QVERIFY2(place(i).left() == place(i / rows * rows).left(), what);
            QVERIFY2(place(i).top() == place(i % rows).top(), what);
            QVERIFY2(list->viewport()->rect().contains(place(i)), what);
        }
        QVERIFY(place(rows).left() >= place(0).right());
    }

    // More items than two columns hold: the further columns are reached by
    // scrolling sideways, every item whole.
    void moreItemsThanFitScrollSideways()
    {
        LessonList list;
        list.setColumns(2);
        for (int i = 1; i <= 40; ++i)
            list.AddItem(QString::number(i));
        list.resize(200, 120);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QVERIFY(list.horizontalScrollBar()->maximum() > 0);
        QCOMPARE(list.visualItemRect(list.item(1)).left(),
                 list.visualItemRect(list.item(0)).left());
        clickItem(&list, 39);
        QCOMPARE(list.ListIndex(), 39);
    }
};

QTEST_MAIN(TestLessonList)
#include "tst_lesson_list.moc"
