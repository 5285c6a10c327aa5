#include "core/appearance/layout_table.h"

#include <QRandomGenerator>
#include <QTest>

using namespace lesson;

namespace {

// The lesson window's inner size at design, twips, and a few controls of it.
constexpr float kW = 12700;
constexpr float kH = 7800;
const LayoutBox kPlan{1150, 1200, 10000, 1200};
const LayoutBox kTapeRed{360, 7200, 11000, 195};
const LayoutBox kSolution{8160, 400, 6120, 2900}; // a tasks window pane

bool near(const LayoutBox &a, const LayoutBox &b, float tolerance = 0.01f)
{
    return std::abs(a.left - b.left) <= tolerance && std::abs(a.top - b.top) <= tolerance &&
           std::abs(a.width - b.width) <= tolerance && std::abs(a.height - b.height) <= tolerance;
}

QByteArray text(const LayoutBox &b)
{
    return QByteArray::number(b.left) + ',' + QByteArray::number(b.top) + ' ' +
           QByteArray::number(b.width) + 'x' + QByteArray::number(b.height);
}

} // namespace

class TestLayoutTable : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rowsFollowTheFixedGroupOrder()
    {
        const std::vector<LayoutSlot> walk = layoutWalk(designLayoutGroupLast());
        QCOMPARE(int(walk.size()), 21);
        for (int i = 0; i < 21; ++i)
            QCOMPARE(walk[std::size_t(i)].row, i);
        // group: first row, last row
        const std::vector<std::array<int, 3>> expected = {{1, 0, 1},    {11, 2, 6},   {2, 7, 10},
                                                          {12, 11, 11}, {3, 12, 12},  {13, 13, 13},
                                                          {4, 14, 14},  {14, 15, 16}, {5, 17, 20}};
        for (const auto &[group, first, last] : expected) {
            QCOMPARE(firstRowOfGroup(walk, group), first);
            int rows = 0;
            for (const LayoutSlot &s : walk)
                rows += s.group == group ? 1 : 0;
            QCOMPARE(first + rows - 1, last);
        }
        QCOMPARE(firstRowOfGroup(walk, kTapeShapesGroup), 17);
        QCOMPARE(firstRowOfGroup(walk, 6), -1);
    }

    void placement_data()
    {
        QTest::addColumn<float>("width");
        QTest::addColumn<float>("height");
        QTest::addColumn<float>("xFactor");
        QTest::addColumn<float>("yFactor");
        QTest::newRow("design size puts everything back") << kW << kH << 1.0f << 1.0f;
        QTest::newRow("double width doubles left and width only") << 2 * kW << kH << 2.0f << 1.0f;
        QTest::newRow("half height halves top and height only") << kW << kH / 2 << 1.0f << 0.5f;
        QTest::newRow("inner size 0 puts everything at 0") << 0.0f << 0.0f << 0.0f << 0.0f;
        QTest::newRow("one and a half times both ways") << 1.5f * kW << 1.5f * kH << 1.5f << 1.5f;
    }
    void placement()
    {
        QFETCH(float, width);
        QFETCH(float, height);
        QFETCH(float, xFactor);
        QFETCH(float, yFactor);
        LayoutRatioTable table;
        const LayoutBox boxes[] = {kPlan, kTapeRed, kSolution};
        for (int row = 0; row < 3; ++row)
            table.capture(row, kW, kH, boxes[row]);
        for (int row = 0; row < 3; ++row) {
            const LayoutBox b = boxes[row];
            const LayoutBox expected{b.left * xFactor, b.top * yFactor, b.width * xFactor,
                                     b.height * yFactor};
            const LayoutBox placed = table.place(row, width, height);
            QVERIFY2(near(placed, expected), text(placed));
        }
        // Unused rows hold nothing and place nothing.
        QCOMPARE(table.ratio(40, LayoutLeft), 0.0f);
        QVERIFY(table.place(40, width, height) == LayoutBox{});
    }

    void zeroLengthsStayFinite()
    {
        LayoutRatioTable table;
        // A design left of 0 stays at the edge at every size.
        table.capture(0, kW, kH, {0, 100, 500, 300});
        QVERIFY(near(table.place(0, 3 * kW, kH), {0, 100, 1500, 300}));
        QVERIFY(near(table.place(0, 0, 0), {0, 0, 0, 0}));
        // Captured against an inner size of 0: nothing is known, nothing
        // flies off to infinity.
        table.capture(1, 0, 0, {100, 100, 500, 300});
        const LayoutBox b = table.place(1, kW, kH);
        QVERIFY(std::isfinite(b.left) && std::isfinite(b.width));
        QVERIFY(near(b, {0, 0, 0, 0}));
    }

    void repeatedResizingAccumulatesNothing()
    {
        LayoutRatioTable table;
        table.capture(0, kW, kH, kPlan);
        table.capture(1, kW, kH, kSolution);
        QRandomGenerator random(1234);
        for (int i = 0; i < 100; ++i) {
            const auto w = float(random.bounded(0, 60000));
            const auto h = float(random.bounded(0, 40000));
            table.place(0, w, h);
            table.place(1, w, h);
        }
        QVERIFY(near(table.place(0, kW, kH), kPlan, 0.005f));
        QVERIFY(near(table.place(1, kW, kH), kSolution, 0.005f));
        // To the twip.
        QCOMPARE(qRound(table.place(1, kW, kH).left), 8160);
    }

    void tasksWindowGrowsWithinTheScreen_data()
    {
        QTest::addColumn<float>("growth");
        QTest::addColumn<float>("room");
        QTest::addColumn<float>("expected");
        QTest::newRow("room enough: follows the lesson window") << 2.0f << 2.5f << 2.0f;
        QTest::newRow("too little room: as far as the screen allows") << 2.0f << 1.6f << 1.6f;
        QTest::newRow("a small screen never holds design size back") << 1.0f << 0.8f << 1.0f;
        QTest::newRow("growth on a small screen stays at design") << 1.5f << 0.8f << 1.0f;
        QTest::newRow("shrinking is followed as it is") << 0.5f << 0.8f << 0.5f;
        QTest::newRow("inner size 0 is followed") << 0.0f << 2.0f << 0.0f;
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
