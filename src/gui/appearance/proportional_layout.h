#pragma once

#include "core/appearance/layout_table.h"

#include <QPointer>
#include <QSizeF>
#include <QWidget>

#include <functional>
#include <vector>

class QMainWindow;

namespace lesson {

// Keeps the controls of the layout walk in proportion to the lesson
// window's inner size: the capture records each control's ratios in the
// table, every later placement moves each control from those ratios alone,
// so repeated resizing never accumulates error. Lengths are twips; controls
// keep the twips they are given.
class ProportionalLayout {
public:
    using ControlOf = std::function<QWidget *(int group, int index)>;

    // Takes the control of every slot of the walk and records its ratios to
    // the inner size.
    void capture(const LayoutGroupLastTable &last, const ControlOf &controlOf, const QSizeF &inner,
                 LayoutRatioTable &table);

    // Moves every control in walk order: those of the lesson window against
    // its inner size, those of the tasks window against `tasksExtent`.
    void place(const LayoutRatioTable &table, const QSizeF &inner, const QSizeF &tasksExtent) const;

    const std::vector<LayoutSlot> &walk() const { return m_walk; }
    // The lesson window's inner size at the capture.
    QSizeF capturedInner() const { return m_capturedInner; }

private:
    std::vector<LayoutSlot> m_walk;
    std::vector<QPointer<QWidget>> m_controls; // by row
    QSizeF m_capturedInner;
};

// How large, in twips, the inner area of `window` may become on the screen
// that shows `reference` (a window with its frame, whose frame size stands
// for the other window's); empty when no screen is known.
QSizeF screenRoomTwips(const QWidget *reference, const QMainWindow *window);

// Gives a main window an inner (central) area of the size in twips, its
// menu bar on top.
void resizeCentralTwips(QMainWindow *window, const QSizeF &inner);

} // namespace lesson
