#include "core/appearance/time_tape.h"

#include <QTest>

using namespace lesson;

namespace {

// The bar's and the tape's shapes at design size in rows 17 to 20 of a
// table captured at the lesson window's design inner size (twips).
constexpr float kW = 12700;
constexpr float kH = 7800;

LayoutRatioTable designTable()
{
    LayoutRatioTable table;
    table.capture(17, kW, kH, {11500, 495, 195, 5000});
    table.capture(18, kW, kH, {11500, 5500, 195, 15});
    table.capture(19, kW, kH, {360, 7200, 11000, 195});
    table.capture(20, kW, kH, {360, 7200, 15, 195});
    return table;
}

} // namespace

class TestTimeTape : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void barStep_data()
    {
        QTest::addColumn<float>("height");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<float>("step");
        QTest::newRow("design size, ten seconds") << kH << 10 << 500.0f;
        QTest::newRow("remainder is dropped") << kH << 12 << 416.0f;
        QTest::newRow("more seconds than twips: the bar stands still") << kH << 6000 << 0.0f;
        QTest::newRow("a point of no time divides by nothing") << kH << 0 << 0.0f;
        QTest::newRow("a negative time makes no step") << kH << -5 << 0.0f;
        QTest::newRow("double height, ten seconds") << 2 * kH << 10 << 1000.0f;
    }
    void barStep()
    {
        QFETCH(float, height);
        QFETCH(int, seconds);
        QFETCH(float, step);
        TapeStateArray state{};
        computeTimeBar(state, designTable(), 17, height, qint16(seconds));
        QCOMPARE(state[BarStep], step);
        QVERIFY(qFuzzyCompare(state[BarLeftHeight], 5000.0f * height / kH));
    }

    void barEmptiesInItsSeconds()
    {
        TapeStateArray state{};
        computeTimeBar(state, designTable(), 17, kH, 10);
        QVERIFY(qFuzzyCompare(state[BarElapsedTop], 5500.0f));
        QVERIFY(qFuzzyCompare(state[BarElapsedHeight], 15.0f));
        for (int second = 1; second <= 10; ++second)
            stepTimeBar(state);
        QCOMPARE(state[BarLeftHeight], 0.0f);
        QVERIFY(qFuzzyCompare(state[BarElapsedTop], 500.0f));
        QVERIFY(qFuzzyCompare(state[BarElapsedHeight], 5015.0f));
        // Below 1 twip the remaining part is gone.
        state[BarLeftHeight] = 500.5f;
        stepTimeBar(state);
        QCOMPARE(state[BarLeftHeight], 0.0f);
    }

    void tapeTakesOneStepPerPoint()
    {
        TapeStateArray state{};
        initTape(state, designTable(), 19, kW, 6);
        QCOMPARE(state[TapeStep], 1833.0f);
        QCOMPARE(state[TapeSteps], 0.0f);
        for (int point = 1; point <= 5; ++point)
            QCOMPARE(stepTape(state, 6), TapeStepResult::Stepped);
        QCOMPARE(stepTape(state, 6), TapeStepResult::RedUsedUp);
        QCOMPARE(state[TapeRedWidth], 0.0f); // 2 twips left: too narrow to show
        QVERIFY(qFuzzyCompare(state[TapeGreenWidth], 11013.0f));
        QVERIFY(qFuzzyCompare(state[TapeRedLeft], 360.0f + 6 * 1833.0f));
        QCOMPARE(stepTape(state, 6), TapeStepResult::None);
        QCOMPARE(state[TapeSteps], 6.0f);

        TapeStateArray none{};
        initTape(none, designTable(), 19, kW, 0);
        QCOMPARE(none[TapeStep], 0.0f);
        QCOMPARE(stepTape(none, 0), TapeStepResult::None);
    }

    void wholeQuotientRoundsHalvesToEven_data()
    {
        QTest::addColumn<double>("dividend");
        QTest::addColumn<double>("divisor");
        QTest::addColumn<int>("quotient");
        QTest::newRow("11000 by 6") << 11000.0 << 6.0 << 1833;
        QTest::newRow("a half rounds down to even") << 2.5 << 1.0 << 2;
        QTest::newRow("a half rounds up to even") << 3.5 << 1.0 << 4;
        QTest::newRow("divisor rounded first") << 10.0 << 2.5 << 5;
        QTest::newRow("divisor 0") << 10.0 << 0.0 << 0;
    }
    void wholeQuotientRoundsHalvesToEven()
    {
        QFETCH(double, dividend);
        QFETCH(double, divisor);
        QFETCH(int, quotient);
        QCOMPARE(wholeQuotient(dividend, divisor), quotient);
    }

    void lengthsShownAtAnotherSize_data()
    {
        QTest::addColumn<float>("length");
        QTest::addColumn<float>("computedAt");
        QTest::addColumn<float>("shownAt");
        QTest::addColumn<float>("shown");
        QTest::newRow("same size: unchanged") << 1833.0f << kW << kW << 1833.0f;
        QTest::newRow("one and a half times wider") << 3666.0f << kW << 1.5f * kW << 5499.0f;
        QTest::newRow("shown at 0") << 3666.0f << kW << 0.0f << 0.0f;
        QTest::newRow("computed at 0: left as it is") << 0.0f << 0.0f << kW << 0.0f;
    }
    void lengthsShownAtAnotherSize()
    {
        QFETCH(float, length);
        QFETCH(float, computedAt);
        QFETCH(float, shownAt);
        QFETCH(float, shown);
        QVERIFY(qAbs(scaledLength(length, computedAt, shownAt) - shown) < 0.01f);
    }
};

QTEST_GUILESS_MAIN(TestTimeTape)
#include "tst_time_tape.moc"
