#include "gui/widgets/colours.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace lesson {

namespace {

// System colours by their index, as the desktop's palette offers them.
QColor systemColour(int index)
{
    const QPalette p = QApplication::palette();
    switch (index) {
    case 5: // window background
        return p.color(QPalette::Base);
    case 8: // window text
        return p.color(QPalette::Text);
    case 13: // highlight
        return p.color(QPalette::Highlight);
    case 14: // highlighted text
        return p.color(QPalette::HighlightedText);
    case 15: // button face
        return p.color(QPalette::Button);
    case 18: // button text
        return p.color(QPalette::ButtonText);
    default:
        return p.color(QPalette::Window);
    }
}

// Text fields and lists paint their content with Base and Text; other
// widgets with Window and WindowText.
bool paintsAsField(const QWidget *widget)
{
    return qobject_cast<const QAbstractScrollArea *>(widget) != nullptr;
}

} // namespace

QColor colourFromNumber(qint64 number)
{
    const auto value = quint32(number);
    if (value & 0x80000000u)
        return systemColour(int(value & 0xFF));
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

qint64 colourNumber(const QColor &colour)
{
    return qint64(colour.red()) + 256 * qint64(colour.green()) + 65536 * qint64(colour.blue());
}

void setBackgroundColour(QWidget *widget, const QColor &colour)
{
    QPalette p = widget->palette();
    p.setColor(paintsAsField(widget) ? QPalette::Base : QPalette::Window, colour);
    widget->setPalette(p);
    if (!paintsAsField(widget))
        widget->setAutoFillBackground(true);
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette p = widget->palette();
    p.setColor(paintsAsField(widget) ? QPalette::Text : QPalette::WindowText, colour);
    widget->setPalette(p);
}

QColor backgroundColour(const QWidget *widget)
{
    return widget->palette().color(paintsAsField(widget) ? QPalette::Base : QPalette::Window);
}

QColor textColour(const QWidget *widget)
{
    return widget->palette().color(paintsAsField(widget) ? QPalette::Text : QPalette::WindowText);
}

} // namespace lesson
