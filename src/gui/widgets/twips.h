#pragma once

#include <QRectF>
#include <QSizeF>

class QWidget;

namespace lesson {

// Twips: 1440 to the inch, the unit of all the lesson's geometry. A control
// keeps the geometry it was given in twips (so reading it back loses nothing
// to pixel rounding); pixels are computed from the screen's logical DPI.
constexpr double kTwipsPerInch = 1440.0;

double twipsToPixels(double twips, const QWidget *widget);
double pixelsToTwips(double pixels, const QWidget *widget);

void setTwipsGeometry(QWidget *control, const QRectF &twips);
QRectF twipsGeometry(const QWidget *control);

// Inner (client) size of a window in twips.
QSizeF innerSizeTwips(const QWidget *window);
// Resizes a window so that its inner size is the given size in twips.
void resizeInnerTwips(QWidget *window, const QSizeF &twips);

} // namespace lesson
