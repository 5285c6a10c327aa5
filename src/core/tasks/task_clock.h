#pragma once

#include <QString>

namespace lesson {

// The task clock counts in tenths of a second. Times of a task are stored in
// the level's unit: a level up to 1 counts seconds, up to 2 tens of seconds,
// above 2 thousands.
double timeUnitForLevel(double level);

// One tick of a running task clock.
struct ClockTick {
    double remaining = 0; // after the tick, in seconds
    int shownSeconds = 0; // whole seconds shown to the pupil, never below 0
    double elapsed = 0;   // seconds since the task's full time started
    bool hintDue = false; // the hint is due at this tick
};

// A tick while time remains: a tenth of a second off the remaining time.
// totalTime and hintTime are the task's stored values; both are scaled by
// the level's unit here, so that a higher level's hint comes after its hint
// time has passed. The hint is due from one second before the hint time
// ("elapsed - hint > -1") when hints are switched on.
ClockTick tickTaskClock(double remaining, double totalTime, double hintTime, double unit,
                        bool hintsOn);

} // namespace lesson
