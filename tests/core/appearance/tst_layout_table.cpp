#include "core/appearance/layout_table.h"

#include <QTest>

using namespace lesson;

// Placement at other sizes is shown by the lesson window's layout tests;
// here the fixed row order and the edges of the arithmetic.
class TestLayoutTable : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rowsFollowTheFixedGroupOrder()
    {
        QStringList rows;
        const std::vector<LayoutSlot> walk = layoutWalk(designLayoutGroupLast());
        for (const LayoutSlot &s : walk)
            rows << QStringLiteral("%1:%2").arg(s.group).arg(s.index);
        QCOMPARE(rows.join(QLatin1Char(' ')),
                 QStringLiteral("1:0 1:1 11:0 11:1 11:2 11:3 11:4 2:0 2:1 2:2 2:3 12:0 3:0 13:0 "
                                "4:0 14:0 14:1 5:0 5:1 5:2 5:3"));
        QCOMPARE(firstRowOfGroup(walk, kTapeShapesGroup), 17);
    }

    void zeroLengthsStayFinite()
    {
        LayoutRatioTable table;
        table.capture(0, 12700, 7800, {0, 100, 500, 300}); // at the left edge
        QVERIFY((table.place(0, 25400, 7800) == LayoutBox{0, 100, 1000, 300}));
        table.capture(1, 0, 0, {100, 100, 500, 300}); // captured while minimised
        QVERIFY(table.place(1, 12700, 7800) == LayoutBox{});
        QVERIFY(table.place(40, 12700, 7800) == LayoutBox{}); // an unused row
    }

    void tasksWindowGrowsWithinTheScreen_data()
    {
        QTest::addColumn<float>("growth");
        QTest::addColumn<float>("room");
        QTest::addColumn<float>("expected");
        QTest::newRow("room enough") << 2.0f << 2.5f << 2.0f;
        QTest::newRow("as far as the screen allows") << 2.0f << 1.6f << 1.6f;
        QTest::newRow("small screen keeps design size") << 1.5f << 0.8f << 1.0f;
        QTest::newRow("shrinking followed") << 0.5f << 0.8f << 0.5f;
    }
    void tasksWindowGrowsWithinTheScreen()
    {
        QFETCH(float, growth);
        QFETCH(float, room);
        QFETCH(float, expected);
        QCOMPARE(tasksWindowGrowth(growth, room), expected);
    }
};

QTEST_GUILESS_MAIN(TestLayoutTable)
#include "tst_layout_table.moc"
