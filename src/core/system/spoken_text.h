#pragma once

#include <QString>

namespace lesson {

// Texts that tell a screen reader what a control shows as a shape or as a
// bare number: the time bar, the progress tape, the task clock.

// "1 секунда", "0 секунди", "25 секунди".
QString secondsText(qint64 seconds);
// "2 от 6 точки": points read of the points of the plan.
QString pointsReadText(int read, int total);
// A title in Bulgarian quotation marks: „…“.
QString quotedTitle(const QString &title);

} // namespace lesson
