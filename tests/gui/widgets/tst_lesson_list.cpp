// The lists of the lesson as the pupil uses them: which button chooses, and
// in which order two columns are read.

#include "support/configuration.h"
#include "support/lesson_setup.h"
#include "support/pupil.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using namespace lesson;
using namespace lesson::test;

namespace {

// The lesson started with a configuration that offers 15 of its 22 tasks,
// the plan and the tasks window open (flags 1, 10, 16), the plan not locked
// by a point (flag 17 off).
Tezo *startLesson(LessonRun &r)
{
    ConfigFile file = lessonConfiguration();
    file.records[0].Count = 22;
    setFlag(file, 1, 1);
    setFlag(file, 10, 1);
    setFlag(file, 16, 1);
    writeConfiguration(r, file);
    r.lesson->start();
    return r.lesson->tezo();
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
        QVERIFY(list->isEnabled());

        r.platform.answers = {true};
        clickItem(list, 2);
        QCOMPARE(list->ListIndex(), 2);
        QCOMPARE(chosen.count(), 1);
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
