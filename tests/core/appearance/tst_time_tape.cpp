#include "core/appearance/time_tape.h"

#include <QTest>

using namespace lesson;

// The bar's and the tape's steps at design size are shown working by the
// lesson window's tests; here the arithmetic's edges.
class TestTimeTape : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void barStep_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<float>("step");
        QTest::newRow("remainder dropped") << 12 << 416.0f;
        QTest::newRow("no time: no division by 0") << 0 << 0.0f;
        QTest::newRow("negative time: no step") << -5 << 0.0f;
    }
    void barStep()
    {
        QFETCH(int, seconds);
        QFETCH(float, step);
        LayoutRatioTable table;
        table.capture(17, 12700, 7800, {11500, 495, 195, 5000});
        TapeStateArray state{};
        computeTimeBar(state, table, 17, 7800, qint16(seconds));
        QCOMPARE(state[BarStep], step);
        state[BarLeftHeight] = step + 0.5f; // less than a twip left: gone
        stepTimeBar(state);
        QCOMPARE(state[BarLeftHeight], 0.0f);
    }

    void roundingAndScaling()
    {
        QCOMPARE(wholeQuotient(2.5, 1), 2); // halves to even
        QCOMPARE(wholeQuotient(3.5, 1), 4);
        QCOMPARE(wholeQuotient(11000, 0), 0);
        QCOMPARE(scaledLength(3666, 12700, 19050), 5499.0f);
        QCOMPARE(scaledLength(3666, 12700, 0), 0.0f);
        QCOMPARE(scaledLength(3666, 0, 19050), 3666.0f); // computed at 0: as it is
    }
};

QTEST_GUILESS_MAIN(TestTimeTape)
#include "tst_time_tape.moc"
