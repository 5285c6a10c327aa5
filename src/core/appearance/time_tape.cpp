#include "core/appearance/time_tape.h"

#include "core/content/number_text.h"

namespace lesson {

qint32 wholeQuotient(double dividend, double divisor)
{
    const double d = roundHalfEven(divisor);
    if (!(d >= 1.0))
        return 0;
    const double n = roundHalfEven(dividend);
    if (!(n > -2147483648.0 && n < 2147483648.0))
        return 0;
    return qint32(qint64(n) / qint64(d));
}

void computeTimeBar(TapeStateArray &state, const LayoutRatioTable &table, int row,
                    float innerHeight, qint16 pointTime)
{
    state[BarElapsedTop] = table.along(row + 1, LayoutTop, innerHeight);
    state[BarLeftHeight] = table.along(row, LayoutHeight, innerHeight);
    state[BarElapsedHeight] = table.along(row + 1, LayoutHeight, innerHeight);
    state[BarStep] = float(wholeQuotient(state[BarLeftHeight], pointTime));
}

void stepTimeBar(TapeStateArray &state)
{
    state[BarElapsedTop] -= state[BarStep];
    state[BarLeftHeight] -= state[BarStep];
    if (state[BarLeftHeight] < 1.0f)
        state[BarLeftHeight] = 0.0f;
    state[BarElapsedHeight] += state[BarStep];
}

void initTape(TapeStateArray &state, const LayoutRatioTable &table, int tapeRow, float innerWidth,
              qint16 planPointCount)
{
    state[TapeRedLeft] = table.along(tapeRow, LayoutLeft, innerWidth);
    state[TapeRedWidth] = table.along(tapeRow, LayoutWidth, innerWidth);
    state[TapeGreenWidth] = table.along(tapeRow + 1, LayoutWidth, innerWidth);
    state[TapeSteps] = 0.0f;
    state[TapeStep] = float(wholeQuotient(state[TapeRedWidth], planPointCount));
}

TapeStepResult stepTape(TapeStateArray &state, qint16 planPointCount)
{
    if (state[TapeSteps] > float(planPointCount - 1))
        return TapeStepResult::None;
    state[TapeSteps] += 1.0f;
    state[TapeRedLeft] += state[TapeStep];
    state[TapeRedWidth] -= state[TapeStep];
    TapeStepResult result = TapeStepResult::Stepped;
    if (state[TapeRedWidth] < 10.0f) {
        state[TapeRedWidth] = 0.0f;
        result = TapeStepResult::RedUsedUp;
    }
    state[TapeGreenWidth] += state[TapeStep];
    return result;
}

float scaledLength(float length, float computedAt, float shownAt)
{
    if (computedAt == 0.0f || computedAt == shownAt)
        return length;
    return float(double(length) * double(shownAt) / double(computedAt));
}

} // namespace lesson
