// The lists as a pupil works them from the keyboard: those whose choice asks
// a question or closes a window move with the arrows and choose with Enter
// or Space; the others choose as they move. The mouse chooses at once.

#include "gui/appearance/cwiat.h"
#include "gui/small_windows/tezo_glos.h"
#include "gui/small_windows/tezo_zad.h"
#include "gui/tasks_window/tezo_n.h"
#include "support/pupil.h"
#include "support/started_lesson.h"

#include <QAction>
#include <QTest>

using namespace lesson;
using namespace lesson::test;

namespace {

// The tasks window of a started lesson, on task 1, with its list usable.
Tezo_n *tasksOnTaskOne(LessonRun &r)
{
    startWithFlags(r, {25});
    r.lesson->tezo()->mnu_Wyprosi->trigger();
    Tezo_n *tasks = r.lesson->tezoN();
    tasks->List_Un[1]->setFocus();
    return tasks;
}

} // namespace

class TestListChoosing : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Keys on the task list: only Enter and Space choose; a choice asks
    // first, and "Да" shows the task under the cursor.
    void taskListChoosesOnEnter_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("shownTask");
        QTest::newRow("arrows only move") << QList<int>{Qt::Key_Down, Qt::Key_Down} << 1;
        QTest::newRow("typing a number only moves") << QList<int>{Qt::Key_0} << 1;
        QTest::newRow("page down only moves") << QList<int>{Qt::Key_PageDown} << 1;
        QTest::newRow("Enter chooses") << QList<int>{Qt::Key_Down, Qt::Key_Return} << 2;
        QTest::newRow("keypad Enter chooses") << QList<int>{Qt::Key_Down, Qt::Key_Enter} << 2;
        QTest::newRow("Space chooses")
            << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Space} << 3;
        QTest::newRow("back to the shown task asks nothing")
            << QList<int>{Qt::Key_Down, Qt::Key_Up, Qt::Key_Return} << 1;
    }
    void taskListChoosesOnEnter()
    {
        QFETCH(QList<int>, keys);
        QFETCH(int, shownTask);
        LessonRun r;
        Tezo_n *tasks = tasksOnTaskOne(r);
        r.platform.answers = {true};
        r.platform.asked.clear();
        for (int key : keys)
            QTest::keyClick(tasks->List_Un[1], Qt::Key(key));
        QCOMPARE(r.platform.asked.size(), shownTask == 1 ? 0 : 1);
        QCOMPARE(tasks->CurrentTask, qint16(shownTask));
        QCOMPARE(tasks->List_Un[1]->ListIndex(), shownTask - 1);
        QCOMPARE(highlightedRows(tasks->List_Un[1]), QList<int>{shownTask - 1});
        QVERIFY(tasks->Text_Un[2]->Text().contains(
            tasks->Fn_Decrypt(r.lesson->store().Uslowie_L[std::size_t(shownTask)].read(2))));
    }

    // A click chooses at once; "Не" leaves the cursor where the pupil can
    // see the task still shown.
    void clickChoosesAndNoStays()
    {
        LessonRun r;
        Tezo_n *tasks = tasksOnTaskOne(r);
        r.platform.answers = {false};
        clickItem(tasks->List_Un[1], 4);
        QCOMPARE(r.platform.asked.size(), 1);
        QCOMPARE(tasks->CurrentTask, qint16(1));
        QCOMPARE(tasks->List_Un[1]->currentRow(), 0);
        r.platform.answers = {true};
        clickItem(tasks->List_Un[1], 4);
        QCOMPARE(tasks->CurrentTask, qint16(5));
        // The keys go on from the task chosen.
        r.platform.answers = {true};
        QTest::keyClick(tasks->List_Un[1], Qt::Key_Down);
        QTest::keyClick(tasks->List_Un[1], Qt::Key_Return);
        QCOMPARE(tasks->CurrentTask, qint16(6));
    }

    // The type/difficulty window stays open while the pupil looks through
    // it; Enter chooses the line under the cursor and closes it.
    void typesWindowChoosesOnEnter()
    {
        LessonRun r;
        Tezo_n *tasks = tasksOnTaskOne(r);
        tasks->mnu_Tip_Wid->trigger();
        Tezo_Glos *glos = r.lesson->tezoGlos();
        QVERIFY(glos);
        LessonList *types = glos->Wremena[5];
        QTest::keyClick(types, Qt::Key_Down);
        QTest::keyClick(types, Qt::Key_Down);
        QTest::keyClick(types, Qt::Key_Down);
        QCOMPARE(r.lesson->tezoGlos(), glos);
        QCOMPARE(types->ListIndex(), -1);
        r.platform.answers = {true};
        QTest::keyClick(types, Qt::Key_Return);
        QVERIFY(!r.lesson->tezoGlos());
        QCOMPARE(tasks->CurrentTask, qint16(3));
        QCOMPARE(tasks->List_Un[1]->ListIndex(), 2);
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
        QCOMPARE(tezo->Text_U[1]->Text(), r.lesson->store().Podtochki[2]);

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
};

QTEST_MAIN(TestListChoosing)
#include "tst_list_choosing.moc"
