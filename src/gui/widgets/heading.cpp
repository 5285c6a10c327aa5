#include "gui/widgets/heading.h"

#include "gui/widgets/colours.h"

#include <QEvent>

namespace lesson {

Heading::Heading(const QString &text, QWidget *control)
    : QLabel(text, control->parentWidget())
    , m_control(control)
{
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    // A screen reader names the control by its heading.
    setBuddy(control);
    control->installEventFilter(this);
    // Beside a control that shows, in a window not shown yet, the heading
    // is left to show with the window: shown now, it would be sized and
    // polished at once.
    const bool shows = control->isVisibleTo(control->parentWidget());
    if (!shows || control->parentWidget()->isVisible())
        setVisible(shows);
    // The window's background may be any colour the pupil chooses.
    keepTextReadable(this);
    // A heading not shown yet takes its place when it shows: laying its
    // text out now would cost the start-up of a window that may not open.
    if (isVisible())
        follow();
}

void Heading::showEvent(QShowEvent *event)
{
    follow();
    QLabel::showEvent(event);
}

bool Heading::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_control) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
            if (isVisible())
                follow();
            break;
        // Showing or hiding the control itself, also while its window is
        // hidden or not yet shown; a window hidden as a whole leaves both.
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
            setVisible(m_control->isVisibleTo(m_control->parentWidget()));
            break;
        default:
            break;
        }
    }
    return QLabel::eventFilter(watched, event);
}

void Heading::follow()
{
    const QRect g = m_control->geometry();
    const int height = fontMetrics().height() + 2;
    setGeometry(g.left(), g.top() - height - 1, std::max(g.width(), sizeHint().width()), height);
}

} // namespace lesson
