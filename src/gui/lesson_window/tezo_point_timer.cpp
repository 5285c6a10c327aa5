// The point timer of the lesson window: once a second the point being read
// loses a second and the time bar drops; a point whose time runs out counts
// as done, moves the progress tape one step from red to green and, when
// the teacher's flags say so, frees the tasks command and the plan.

#include "core/system/spoken_text.h"
#include "gui/lesson.h"
#include "gui/lesson_window/tezo.h"
#include "gui/widgets/twips.h"

#include <QAction>
#include <QFrame>
#include <QLabel>

namespace lesson {

void Tezo::Timer1_Timer()
{
    ++run.TickCount;
    m_lesson.platform().clearClipboard();
    if (run.TickCount % 10 == 0)
        TickPointTimer();
}

void Tezo::TickPointTimer()
{
    if (run.PointTime[0] == 0)
        return;
    const int k = List_Ur[0]->ListIndex() + 1;
    if (k < 1 || k > kMaxPlanPoints)
        return;
    qint16 &left = run.PointTime[std::size_t(k)];
    if (left == 0) {
        EndPointTiming();
        return;
    }
    if (left >= 1 && ModeFlag(13) > 0) {
        Shape_Lenta[0]->show();
        Shape_Lenta[1]->show();
        mnu_Wyprosi->setEnabled(false);
    }
    --left;
    stepTimeBar(TapeState);
    applyTimeBar();
    Label_U[2]->setAccessibleName(timeBarName());
    if (left > 0)
        return;
    // A negative viewing time never passes through 0: end the timing now,
    // or a plan locked by flag 17 would stay locked for good.
    if (left < 0)
        EndPointTiming();
    // A point counts as done once; a time that went below 0 (a negative
    // viewing time) must not count it again every second.
    if (run.PointDone[std::size_t(k)] != 0)
        return;
    run.PointDone[std::size_t(k)] = 1;
    if (run.PointDone[0] > 0)
        --run.PointDone[0];
    if (run.PointDone[0] == 0)
        mnu_Wyprosi->setEnabled(true);
    if (ModeFlag(16) == 1)
        mnu_Wyprosi->setEnabled(true);
    AdvanceProgressTape();
    Label_U[2]->setAccessibleName(timeBarName());
}

void Tezo::EndPointTiming()
{
    Shape_Lenta[0]->hide();
    Shape_Lenta[1]->hide();
    List_Ur[0]->setEnabled(true);
}

void Tezo::ComputeTimeBarGeometry(int row)
{
    const auto h = float(innerSizeTwips(centralWidget()).height());
    computeTimeBar(TapeState, LayoutTable, row, h, run.CurrentPointTime);
    m_barComputedAt = h;
}

void Tezo::InitProgressTape()
{
    if (ModeFlag(13) > 0)
        run.CurrentPointTime = 10;
    ComputeTimeBarGeometry(TapeRow);
    TapeRow = quint8(TapeRow + 2);
    const auto w = float(innerSizeTwips(centralWidget()).width());
    initTape(TapeState, LayoutTable, TapeRow, w, run.PlanPointCount);
    m_tapeComputedAt = w;
}

void Tezo::AdvanceProgressTape()
{
    if (ModeFlag(19) < 1) {
        Shape_Lenta[2]->hide();
        Shape_Lenta[3]->hide();
        return;
    }
    Shape_Lenta[2]->show();
    Shape_Lenta[3]->show();
    Label_U[1]->setToolTip(QStringLiteral(" Лявата (зелената) част представя какъв материал от "
                                          "плана е преминат, а дясната (червената) оставащият "));
    Label_U[1]->setAccessibleDescription(Label_U[1]->toolTip());
    if (stepTape(TapeState, run.PlanPointCount) == TapeStepResult::RedUsedUp)
        Shape_Lenta[2]->hide();
    applyTape();
    Label_U[1]->setAccessibleName(progressTapeName());
}

QString Tezo::timeBarName() const
{
    const QString name = QStringLiteral("Оставащо време за точката");
    const int k = List_Ur[0]->ListIndex() + 1;
    if (run.PointTime[0] == 0 || k < 1 || k > kMaxPlanPoints || run.PointDone[std::size_t(k)])
        return name;
    return name + QStringLiteral(": ") +
           secondsText(std::max<qint16>(run.PointTime[std::size_t(k)], 0));
}

QString Tezo::progressTapeName() const
{
    const int points = std::clamp<int>(run.PlanPointCount, 0, kMaxPlanPoints);
    int read = 0;
    for (int k = 1; k <= points; ++k)
        read += run.PointDone[std::size_t(k)] != 0 ? 1 : 0;
    return QStringLiteral("Преминат материал от плана: ") + pointsReadText(read, points);
}

// The bar's shapes take their tops and heights from the tape state, shown
// in proportion to the inner height they are shown at.
void Tezo::applyTimeBar()
{
    const auto h = float(innerSizeTwips(centralWidget()).height());
    const auto shown = [&](int element) {
        return scaledLength(TapeState[std::size_t(element)], m_barComputedAt, h);
    };
    QRectF remaining = twipsGeometry(Shape_Lenta[0]);
    remaining.setHeight(shown(BarLeftHeight));
    setTwipsGeometry(Shape_Lenta[0], remaining);
    const QRectF elapsed = twipsGeometry(Shape_Lenta[1]);
    setTwipsGeometry(Shape_Lenta[1], QRectF(elapsed.left(), shown(BarElapsedTop), elapsed.width(),
                                            shown(BarElapsedHeight)));
}

// The tape's shapes take their lefts and widths from the tape state, shown
// in proportion to the inner width they are shown at.
void Tezo::applyTape()
{
    const auto w = float(innerSizeTwips(centralWidget()).width());
    const auto shown = [&](int element) {
        return scaledLength(TapeState[std::size_t(element)], m_tapeComputedAt, w);
    };
    const QRectF red = twipsGeometry(Shape_Lenta[2]);
    setTwipsGeometry(Shape_Lenta[2],
                     QRectF(shown(TapeRedLeft), red.top(), shown(TapeRedWidth), red.height()));
    QRectF green = twipsGeometry(Shape_Lenta[3]);
    green.setWidth(shown(TapeGreenWidth));
    setTwipsGeometry(Shape_Lenta[3], green);
}

} // namespace lesson
