#include "gui/widgets/colours.h"

#include "core/appearance/colour_number.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QEvent>
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

bool paintsAsField(const QWidget *widget)
{
    return qobject_cast<const QAbstractScrollArea *>(widget) != nullptr;
}

// Text fields and lists paint their content with Base and Text; other
// widgets fill themselves with their own background role (Button for
// buttons, Window for the rest) and write with its foreground.
QPalette::ColorRole backgroundRoleOf(const QWidget *widget)
{
    return paintsAsField(widget) ? QPalette::Base : widget->backgroundRole();
}

QPalette::ColorRole foregroundRoleOf(const QWidget *widget)
{
    return paintsAsField(widget) ? QPalette::Text : widget->foregroundRole();
}

} // namespace

QColor colourFromNumber(qint64 number)
{
    const ColourParts parts = colourParts(number);
    if (isSystemColour(number))
        return systemColour(parts.red);
    return QColor(parts.red, parts.green, parts.blue);
}

qint64 colourNumber(const QColor &colour)
{
    return composeColour(colour.red(), colour.green(), colour.blue());
}

QColor colourFromText(const QString &text)
{
    return colourFromNumber(colourNumberFromText(text));
}

void setBackgroundColour(QWidget *widget, const QColor &colour)
{
    QPalette p = widget->palette();
    p.setColor(backgroundRoleOf(widget), colour);
    widget->setPalette(p);
    if (!paintsAsField(widget))
        widget->setAutoFillBackground(true);
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette p = widget->palette();
    p.setColor(foregroundRoleOf(widget), colour);
    widget->setPalette(p);
}

QColor backgroundColour(const QWidget *widget)
{
    return widget->palette().color(backgroundRoleOf(widget));
}

QColor textColour(const QWidget *widget)
{
    return widget->palette().color(foregroundRoleOf(widget));
}

namespace {

// Sets the caption colour that reads on the widget's background. Only the
// caption colour becomes the widget's own; the background stays whatever the
// widget has or inherits, so a later change of it reaches the filter again.
void makeReadable(QWidget *widget)
{
    const QColor background = widget->palette().color(QPalette::Window);
    const QColor wanted =
        darkTextReadsBetter(background.red(), background.green(), background.blue())
            ? QColor(0, 0, 0)
            : QColor(255, 255, 255);
    if (widget->palette().color(QPalette::WindowText) == wanted)
        return;
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, wanted);
    widget->setPalette(p);
}

class ReadableText : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::PaletteChange && watched->isWidgetType())
            makeReadable(static_cast<QWidget *>(watched));
        return false;
    }
};

} // namespace

void keepTextReadable(QWidget *widget)
{
    // One filter serves every caption; installing it again on the same
    // widget keeps a single entry.
    static auto *filter = new ReadableText(QCoreApplication::instance());
    widget->installEventFilter(filter);
    makeReadable(widget);
}

} // namespace lesson
