#pragma once

#include <QString>

namespace lesson {

// Numbers travel through the lesson's lists as decimal text. These are the
// three conversions every part of the program uses.

// Classic "Str" form: a leading blank for a number that is not negative,
// "." as decimal point, no zero before the point and no trailing zeros
// (0.96 -> " .96", 1.5 -> " 1.5", -0.5 -> "-.5", 20091028 -> " 20091028").
QString Str(double value);

// Lenient reading: blanks anywhere are skipped, then the longest leading
// number (sign, digits, "." and an exponent) is taken; a text that does not
// start with a number reads 0 ("01 " -> 1, " 1" -> 1, "abc" -> 0, "1,5" -> 1).
double Val(const QString &text);

// Rounds to the nearest whole number, a half to the even neighbour
// (12.5 -> 12, 13.5 -> 14, -2.5 -> -2).
double roundHalfEven(double value);

// Rounded Val, clamped into a signed 16-bit range: what a 16-bit field of the
// lesson window receives when a list item is stored into it.
qint16 toInt16(double value);

} // namespace lesson
