// Proportional layout of the lesson window: every listed control, the
// tasks window's fields included, keeps the fraction of the lesson window's
// inner size it had at start-up.

#include "gui/lesson.h"
#include "gui/lesson_window/tezo.h"
#include "gui/tasks_window/tezo_n.h"
#include "gui/widgets/twips.h"

#include <QFrame>
#include <QLabel>

#include <algorithm>

namespace lesson {

namespace {

template <typename Array> QWidget *element(const Array &controls, int index)
{
    if (index < 0 || index >= int(controls.size()))
        return nullptr;
    return controls[std::size_t(index)];
}

} // namespace

QWidget *Tezo::layoutControl(int group, int index)
{
    Tezo_n *tasks = m_lesson.tezoN();
    switch (group) {
    case 1:
        return element(Text_U, index);
    case 2:
        return element(Label_U, index);
    case 3:
        return element(Picture_Ur, index);
    case 4:
        return element(List_Ur, index);
    case 5:
        return element(Shape_Lenta, index);
    case 11:
        return element(tasks->Text_Un, index);
    case 12:
        return element(tasks->Chasownik_Label, index);
    case 13:
        return element(tasks->Picture_Un, index);
    case 14:
        return element(tasks->List_Un, index);
    default:
        return nullptr;
    }
}

int Tezo::timeBarRow() const
{
    return firstRowOfGroup(m_layout.walk(), kTapeShapesGroup);
}

void Tezo::CaptureLayout()
{
    // Reaching the tasks window's controls creates that window, hidden.
    Tezo_n *tasks = m_lesson.tezoN();
    m_tasksDesignInner = innerSizeTwips(tasks->centralWidget());
    LayoutGroupLast = designLayoutGroupLast();
    m_layout.capture(
        LayoutGroupLast, [this](int group, int index) { return layoutControl(group, index); },
        innerSizeTwips(centralWidget()), LayoutTable);
    TapeRow = quint8(timeBarRow());
    ComputeTimeBarGeometry(TapeRow);
}

void Tezo::Form_Resize()
{
    if (m_layout.walk().empty())
        return;
    const QSizeF inner = innerSizeTwips(centralWidget());
    const QSizeF captured = m_layout.capturedInner();
    // The tasks window's fields follow the lesson window's size. So that
    // they are never cut off for good, the tasks window grows with them,
    // and they grow no further than the screen leaves room for.
    QSizeF tasksExtent = inner;
    if (inner.width() > 0 && inner.height() > 0 && captured.width() > 0 && captured.height() > 0 &&
        m_tasksDesignInner.width() > 0 && m_tasksDesignInner.height() > 0) {
        Tezo_n *tasks = m_lesson.tezoN();
        const auto growX = float(inner.width() / captured.width());
        const auto growY = float(inner.height() / captured.height());
        const QSizeF room = screenRoomTwips(this, tasks);
        const float tasksX =
            room.isEmpty()
                ? growX
                : tasksWindowGrowth(growX, float(room.width() / m_tasksDesignInner.width()));
        const float tasksY =
            room.isEmpty()
                ? growY
                : tasksWindowGrowth(growY, float(room.height() / m_tasksDesignInner.height()));
        if (tasksX != growX)
            tasksExtent.setWidth(captured.width() * tasksX);
        if (tasksY != growY)
            tasksExtent.setHeight(captured.height() * tasksY);
        resizeCentralTwips(tasks, QSizeF(m_tasksDesignInner.width() * std::max(1.0f, tasksX),
                                         m_tasksDesignInner.height() * std::max(1.0f, tasksY)));
    }
    m_layout.place(LayoutTable, inner, tasksExtent);
    // The bar and the tape show what they showed, in the new proportions.
    if (m_barComputedAt > 0)
        applyTimeBar();
    if (m_tapeComputedAt > 0)
        applyTape();
}

} // namespace lesson
