#include "gui/appearance/proportional_layout.h"

#include "gui/widgets/twips.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

namespace lesson {

void ProportionalLayout::capture(const LayoutGroupLastTable &last, const ControlOf &controlOf,
                                 const QSizeF &inner, LayoutRatioTable &table)
{
    m_walk = layoutWalk(last);
    m_controls.assign(m_walk.size(), nullptr);
    m_capturedInner = inner;
    const auto w = float(inner.width());
    const auto h = float(inner.height());
    for (const LayoutSlot &slot : m_walk) {
        QWidget *control = controlOf(slot.group, slot.index);
        m_controls[std::size_t(slot.row)] = control;
        if (!control)
            continue;
        const QRectF g = twipsGeometry(control);
        table.capture(slot.row, w, h,
                      {float(g.left()), float(g.top()), float(g.width()), float(g.height())});
    }
}

void ProportionalLayout::place(const LayoutRatioTable &table, const QSizeF &inner,
                               const QSizeF &tasksExtent) const
{
    for (const LayoutSlot &slot : m_walk) {
        QWidget *control = m_controls[std::size_t(slot.row)];
        if (!control)
            continue;
        const QSizeF extent = isTasksWindowGroup(slot.group) ? tasksExtent : inner;
        const LayoutBox b = table.place(slot.row, float(extent.width()), float(extent.height()));
        setTwipsGeometry(control, QRectF(b.left, b.top, b.width, b.height));
    }
}

QSizeF screenRoomTwips(const QWidget *reference, const QMainWindow *window)
{
    const QScreen *screen = reference->screen();
    if (!screen)
        return {};
    const QSize available = screen->availableGeometry().size();
    // The frame (title bar, borders) the window manager adds to a window;
    // known only for a window that has been shown.
    const QSize frame = reference->frameGeometry().size() - reference->geometry().size();
    const int menu = window->menuBar()->sizeHint().height();
    const double w = std::max(0, available.width() - frame.width());
    const double h = std::max(0, available.height() - frame.height() - menu);
    return QSizeF(pixelsToTwips(w, window), pixelsToTwips(h, window));
}

void resizeCentralTwips(QMainWindow *window, const QSizeF &inner)
{
    QWidget *central = window->centralWidget();
    resizeInnerTwips(central, inner);
    window->resize(central->width(), central->height() + window->menuBar()->sizeHint().height());
}

} // namespace lesson
