#pragma once

#include <QString>

namespace lesson {

// Colour numbers: 32-bit signed whole numbers, red in the lowest byte, then
// green, then blue (red + 256 * green + 65536 * blue, 0 to 16777215). A
// number with the highest bit set is a system colour of the desktop (such as
// -2147483640, hexadecimal 80000008, the window-text colour); it is kept and
// passed on unchanged, and its components are read from its three low bytes
// like any other.

// The components of a colour number. Only the three low bytes count.
struct ColourParts {
    int red = 0;
    int green = 0;
    int blue = 0;
};
ColourParts colourParts(qint64 colour);

// The colour number of three components, each 0 to 255.
qint64 composeColour(int red, int green, int blue);

// A colour number kept as decimal text in the settings list; text that is
// no number reads 0 (black), a number beyond 32 bits keeps its low 32 bits.
qint64 colourNumberFromText(const QString &text);

bool isSystemColour(qint64 colour);

// The numeric display of the colour window: "Цвят в 10/16-тичен код =", the
// decimal number after a blank (a minus sign instead for a negative one),
// " /H" and the hexadecimal number in capitals without leading zeros
// (128 gives "Цвят в 10/16-тичен код = 128 /H80").
QString colourCodeCaption(qint64 colour);

// True when black text reads better than white on this background; the
// components are of an ordinary colour (0 to 255 each).
bool darkTextReadsBetter(int red, int green, int blue);

} // namespace lesson
