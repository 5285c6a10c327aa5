#include "gui/widgets/twips.h"

#include <QVariant>
#include <QWidget>

#include <cmath>

namespace lesson {

namespace {
const char *const kProperty = "twipsGeometry";

double dpiOf(const QWidget *widget)
{
    const int dpi = widget ? widget->logicalDpiX() : 96;
    return dpi > 0 ? dpi : 96;
}
} // namespace

double twipsToPixels(double twips, const QWidget *widget)
{
    return twips * dpiOf(widget) / kTwipsPerInch;
}

double pixelsToTwips(double pixels, const QWidget *widget)
{
    return pixels * kTwipsPerInch / dpiOf(widget);
}

void setTwipsGeometry(QWidget *control, const QRectF &twips)
{
    control->setProperty(kProperty, twips);
    const auto px = [control](double t) {
        return int(std::lround(twipsToPixels(t, control)));
    };
    control->setGeometry(px(twips.left()), px(twips.top()), px(twips.width()), px(twips.height()));
}

QRectF twipsGeometry(const QWidget *control)
{
    const QVariant stored = control->property(kProperty);
    if (stored.isValid()) {
        // Kept only while the control still sits where it was put.
        const QRectF twips = stored.toRectF();
        const auto px = [control](double t) {
            return int(std::lround(twipsToPixels(t, control)));
        };
        if (control->geometry() ==
            QRect(px(twips.left()), px(twips.top()), px(twips.width()), px(twips.height())))
            return twips;
    }
    const QRect g = control->geometry();
    return QRectF(pixelsToTwips(g.x(), control), pixelsToTwips(g.y(), control),
                  pixelsToTwips(g.width(), control), pixelsToTwips(g.height(), control));
}

QSizeF innerSizeTwips(const QWidget *window)
{
    return QSizeF(pixelsToTwips(window->width(), window), pixelsToTwips(window->height(), window));
}

void resizeInnerTwips(QWidget *window, const QSizeF &twips)
{
    window->resize(int(std::lround(twipsToPixels(twips.width(), window))),
                   int(std::lround(twipsToPixels(twips.height(), window))));
}

} // namespace lesson
