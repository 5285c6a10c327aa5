#pragma once

#include "core/appearance/layout_table.h"

#include <array>

namespace lesson {

// The running geometry of the lesson window's time bar and progress tape,
// in twips, kept by the lesson's own element numbers. The bar is two
// shapes one above the other: the remaining part shrinks from the bottom
// while the elapsed part rises from the bottom edge. The tape is two shapes
// side by side: the covered (green) part grows to the right and the
// remaining (red) part shrinks from its left.
using TapeStateArray = std::array<float, 31>;

enum TapeElement : int {
    BarElapsedTop = 12,    // top of the elapsed part
    BarLeftHeight = 15,    // height of the remaining part
    BarElapsedHeight = 16, // height of the elapsed part
    BarStep = 20,          // height moved per second
    TapeRedLeft = 21,      // left of the red part
    TapeRedWidth = 25,     // width of the red part
    TapeGreenWidth = 26,   // width of the green part
    TapeSteps = 29,        // steps taken
    TapeStep = 30,         // width moved per completed point
};

// Integer division of two numbers first rounded to whole numbers (a half to
// the even neighbour), the remainder dropped; 0 when the divisor is 0 or
// below, where no step can be made.
qint32 wholeQuotient(double dividend, double divisor);

// The bar for a point of `pointTime` seconds, from the layout rows of the
// bar's two shapes (`row` and row + 1) at an inner height: full remaining
// part, the elapsed part a sliver at the bottom, and the step that empties
// the bar in that many seconds (up to the dropped remainder).
void computeTimeBar(TapeStateArray &state, const LayoutRatioTable &table, int row,
                    float innerHeight, qint16 pointTime);

// One second of the bar.
void stepTimeBar(TapeStateArray &state);

// The tape at the start, from the layout rows of its red and green shapes
// (`tapeRow` and tapeRow + 1) at an inner width, with one step per plan
// point.
void initTape(TapeStateArray &state, const LayoutRatioTable &table, int tapeRow, float innerWidth,
              qint16 planPointCount);

enum class TapeStepResult {
    None,      // every point had been stepped already
    Stepped,   // green grew, red shrank
    RedUsedUp, // ... and the red part is gone (narrower than 10)
};
// One step of the tape for a completed point; at most planPointCount steps.
TapeStepResult stepTape(TapeStateArray &state, qint16 planPointCount);

// A length of the state computed at one inner extent, shown at another: the
// bar and tape keep their proportions when the window is resized. An extent
// of 0 at computation leaves the length as it is.
float scaledLength(float length, float computedAt, float shownAt);

} // namespace lesson
