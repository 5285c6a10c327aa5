// The lists of the lesson as the pupil uses them: which button chooses, and
// in which order two columns are read.

#include "gui/small_windows/tezo_glos.h"
#include "gui/small_windows/tezo_zad.h"
#include "support/configuration.h"
#include "support/lesson_setup.h"
#include "support/pupil.h"

#include <QAction>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using namespace lesson;
using namespace lesson::test;

namespace {

enum class Which { Plan, Tasks, Terms, FontSizes, Levels };

// Shows the window that holds the list, usable as the mode flags allow it.
LessonList *showList(LessonRun &r, Which which)
{
    Tezo *tezo = r.lesson->tezo();
    switch (which) {
    case Which::Plan:
        setFlags(r, {10});
        tezo->List_Ur[0]->setEnabled(true);
        r.lesson->start();
        return tezo->List_Ur[0];
    case Which::Tasks:
    case Which::Terms: {
        Tezo_n *tasks = openTasks(r, {4});
        LessonList *list = tasks->List_Un[which == Which::Tasks ? 1 : 0];
        list->setEnabled(true);
        return list;
    }
    case Which::FontSizes:
        setFlags(r, {24});
        tezo->mnu_Fokus->setEnabled(true);
        tezo->mnu_Fokus->trigger();
        return r.lesson->tezoZad()->List_font;
    case Which::Levels: {
        Tezo_n *tasks = openTasks(r);
        r.lesson->tezoGlosAvailability().levelsEnabled = true;
        tasks->mnu_Tip_Wid->trigger();
        return r.lesson->tezoGlos()->Wremena[3];
    }
    }
    return nullptr;
}

} // namespace

Q_DECLARE_METATYPE(Which)

class TestLessonList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Only the left button chooses: a right or middle click on an item
    // leaves the selection and raises no selection event.
    void onlyTheLeftButtonChooses_data()
    {
        QTest::addColumn<Which>("which");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("plan, right") << Which::Plan << Qt::RightButton;
        QTest::newRow("plan, middle") << Which::Plan << Qt::MiddleButton;
        QTest::newRow("tasks, right") << Which::Tasks << Qt::RightButton;
        QTest::newRow("terms, right") << Which::Terms << Qt::RightButton;
        QTest::newRow("font sizes, right") << Which::FontSizes << Qt::RightButton;
        QTest::newRow("task levels, right") << Which::Levels << Qt::RightButton;
    }
    void onlyTheLeftButtonChooses()
    {
        QFETCH(Which, which);
        QFETCH(Qt::MouseButton, button);
        LessonRun r;
        LessonList *list = showList(r, which);
        QVERIFY(list && list->isEnabled() && list->ListCount() > 3);
        const QString content = r.lesson->tezo()->Text_U[1]->Text();
        const int before = list->ListIndex();
        const QList<int> highlighted = highlightedRows(list);
        QSignalSpy chosen(list, &LessonList::Click);
        r.platform.asked.clear();

        clickItem(list, 2, button);
        QTest::mouseDClick(list->viewport(), button, {},
                           list->visualItemRect(list->item(3)).center());
        QCOMPARE(chosen.count(), 0);
        QCOMPARE(list->ListIndex(), before);
        QCOMPARE(highlightedRows(list), highlighted);
        QVERIFY(r.platform.asked.isEmpty());
        // The plan point's text, clock and lock stay as they were.
        QCOMPARE(r.lesson->tezo()->Text_U[1]->Text(), content);
        QCOMPARE(r.lesson->tezo()->run.PointTime[0], qint16(0));
        QVERIFY(list->isEnabled());

        // The left button still chooses.
        r.platform.answers = {true};
        clickItem(list, 2);
        QCOMPARE(list->ListIndex(), 2);
        QCOMPARE(chosen.count(), 1);
    }

    // Two columns are read down the first column, then down the second,
    // as a pupil copies the plan from top to bottom.
    void twoColumnsReadDownFirst_data()
    {
        QTest::addColumn<Which>("which");
        QTest::addColumn<bool>("allTasks");
        QTest::newRow("plan") << Which::Plan << false;
        QTest::newRow("tasks offered") << Which::Tasks << false;
        QTest::newRow("every task") << Which::Tasks << true;
    }
    void twoColumnsReadDownFirst()
    {
        QFETCH(Which, which);
        QFETCH(bool, allTasks);
        LessonRun r;
        LessonList *list = nullptr;
        if (which == Which::Plan) {
            list = showList(r, which);
        } else {
            // The configuration offers 15 tasks; "Допълнително" lists all
            // the lesson keeps.
            ConfigFile file = lessonConfiguration();
            file.records[0].Count = 22;
            writeConfiguration(r, file);
            r.lesson->start();
            Tezo_n *tasks = r.lesson->tezoN();
            QCOMPARE(tasks->List_Un[1]->ListCount(), 15);
            if (allTasks) {
                tasks->mnu_All_zadachi_Click();
                QCOMPARE(tasks->List_Un[1]->ListCount(), 22);
            }
            r.lesson->tezo()->mnu_Wyprosi_Click();
            list = tasks->List_Un[1];
        }
        QVERIFY(QTest::qWaitForWindowExposed(list->window()));
        const int n = list->ListCount();
        const int rows = (n + 1) / 2;
        const auto place = [list](int i) {
            return list->visualItemRect(list->item(i));
        };
        for (int i = 0; i < n; ++i) {
            const int column = i / rows;
            const int row = i % rows;
            const QString what = QStringLiteral("item %1 (%2)").arg(i).arg(list->itemText(i));
            QVERIFY2(place(i).left() == place(column * rows).left(), qPrintable(what));
            QVERIFY2(place(i).top() == place(row).top(), qPrintable(what));
            QVERIFY2(list->viewport()->rect().contains(place(i)), qPrintable(what));
        }
        QVERIFY(place(rows).left() >= place(0).right());
        if (which == Which::Plan) {
            QCOMPARE(list->itemText(rows - 1),
                     QStringLiteral("2а) формули за съкратено умножение"));
            QCOMPARE(list->itemText(rows), QStringLiteral("2б) формули на Виет"));
        }
    }

    // More items than two columns hold: further columns are reached by
    // scrolling sideways, each item whole, still read column by column.
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
        QVERIFY(list.visualItemRect(list.item(1)).top() > list.visualItemRect(list.item(0)).top());
        clickItem(&list, 39);
        QCOMPARE(list.ListIndex(), 39);
    }
};

QTEST_MAIN(TestLessonList)
#include "tst_lesson_list.moc"
