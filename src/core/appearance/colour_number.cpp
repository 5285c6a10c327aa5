#include "core/appearance/colour_number.h"

#include "core/content/number_text.h"

#include <cmath>
#include <cstdlib>

namespace lesson {

ColourParts colourParts(qint64 colour)
{
    const auto bits = quint32(colour);
    return {int(bits & 0xFF), int((bits >> 8) & 0xFF), int((bits >> 16) & 0xFF)};
}

qint64 composeColour(int red, int green, int blue)
{
    return qint64(red) + 256 * qint64(green) + 65536 * qint64(blue);
}

qint64 colourNumberFromText(const QString &text)
{
    const double value = std::trunc(Val(text));
    // Far outside 64 bits (or not a number at all) there are no low bytes
    // to keep.
    if (!std::isfinite(value) || std::abs(value) >= 9.0e18)
        return 0;
    return qint64(qint32(quint32(qint64(value))));
}

bool isSystemColour(qint64 colour)
{
    return (quint32(colour) & 0x80000000u) != 0;
}

QString colourCodeCaption(qint64 colour)
{
    const QString sign = colour < 0 ? QStringLiteral("-") : QStringLiteral(" ");
    return QStringLiteral("Цвят в 10/16-тичен код =") + sign + QString::number(std::abs(colour)) +
           QStringLiteral(" /H") + QString::number(quint32(colour), 16).toUpper();
}

namespace {

// Relative luminance of an sRGB component, 0 to 1.
double linear(int component)
{
    const double c = component / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

bool darkTextReadsBetter(int red, int green, int blue)
{
    const double luminance = 0.2126 * linear(red) + 0.7152 * linear(green) + 0.0722 * linear(blue);
    // Contrast with black (L + 0.05) / 0.05 against white 1.05 / (L + 0.05).
    return (luminance + 0.05) * (luminance + 0.05) >= 0.05 * 1.05;
}

} // namespace lesson
