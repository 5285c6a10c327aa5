#include "core/tasks/task_clock.h"

#include <cmath>

namespace lesson {

double timeUnitForLevel(double level)
{
    if (level <= 1)
        return 1;
    if (level <= 2)
        return 10;
    return 1000;
}

ClockTick tickTaskClock(double remaining, double totalTime, double hintTime, double unit,
                        bool hintsOn)
{
    ClockTick tick;
    tick.remaining = remaining - 0.1;
    // Whole seconds, cut toward zero; the last tenth never shows as -1.
    tick.shownSeconds = std::max(0, int(std::trunc(tick.remaining)));
    tick.elapsed = unit * totalTime - tick.remaining;
    tick.hintDue = hintsOn && tick.elapsed - unit * hintTime > -1;
    return tick;
}

} // namespace lesson
