#include "gui/widgets/focus_frame.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>
#include <QMenuBar>
#include <QPainter>

namespace lesson {

namespace {

// The frame is a mark on the screen, not a control: a screen reader passes
// it by, as it tells the focus itself.
class FocusFrameAccessible : public QAccessibleWidget {
public:
    explicit FocusFrameAccessible(QWidget *frame)
        : QAccessibleWidget(frame, QAccessible::Border)
    {
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        return s;
    }
};

QAccessibleInterface *focusFrameAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("lesson::FocusFrame") && object && object->isWidgetType())
        return new FocusFrameAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

FocusFrame::FocusFrame(QWidget *window)
    : QWidget(window)
    , m_window(window)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(focusFrameAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setObjectName(QStringLiteral("focusFrame"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    if (auto *app = qobject_cast<QApplication *>(QCoreApplication::instance()))
        connect(app, &QApplication::focusChanged, this,
                [this](QWidget *, QWidget *now) { follow(now); });
}

void FocusFrame::follow(QWidget *focused)
{
    // The menu bar marks its own active entry; controls of other windows
    // have frames of their own.
    const bool ours = focused && focused != this && focused->window() == m_window &&
                      !qobject_cast<QMenuBar *>(focused) && focused->parentWidget();
    if (m_control && m_control != focused)
        m_control->removeEventFilter(this);
    if (!ours) {
        m_control = nullptr;
        hide();
        return;
    }
    m_control = focused;
    m_control->installEventFilter(this);
    if (parentWidget() != focused->parentWidget())
        setParent(focused->parentWidget());
    place();
}

bool FocusFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_control) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
            place();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusFrame::place()
{
    if (!m_control || !m_control->isVisibleTo(m_control->parentWidget())) {
        hide();
        return;
    }
    setGeometry(m_control->geometry());
    // Only the ring belongs to the frame: what the control shows inside it
    // never has to be drawn again for the frame's sake.
    setMask(QRegion(rect()).subtracted(QRegion(rect().adjusted(kWidth, kWidth, -kWidth, -kWidth))));
    raise();
    show();
}

void FocusFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect outer = rect();
    painter.setClipRegion(mask());
    // Dark on the outside and the inside, bright between: one of them
    // stands out on any colour.
    painter.fillRect(outer, darkColour());
    painter.fillRect(outer.adjusted(1, 1, -1, -1), brightColour());
    painter.fillRect(outer.adjusted(3, 3, -3, -3), darkColour());
}

} // namespace lesson
