#pragma once

#include <QColor>

namespace lesson {

// Colour numbers: red in the lowest byte, then green, then blue. A number
// with the highest bit set names a system colour by its low byte.
QColor colourFromNumber(qint64 number);
qint64 colourNumber(const QColor &colour);
// A colour number kept as decimal text (as the settings list keeps them).
QColor colourFromText(const QString &text);

} // namespace lesson

class QWidget;

namespace lesson {

// Background and text colour of a control, as the pupil sees them: the
// content area of text fields and lists, the face of other controls.
void setBackgroundColour(QWidget *widget, const QColor &colour);
void setTextColour(QWidget *widget, const QColor &colour);
QColor backgroundColour(const QWidget *widget);
QColor textColour(const QWidget *widget);

// Keeps a caption readable whatever background it is given or inherits:
// black on light colours, white on dark ones, from now on.
void keepTextReadable(QWidget *widget);

} // namespace lesson
