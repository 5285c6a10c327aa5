#pragma once

#include <QtGlobal>

#include <array>

namespace lesson {

// Plan points a lesson may have: the state arrays hold indices 0 to 50.
constexpr int kMaxPlanPoints = 50;

// Run state of the lesson window, shared by the plan, the point timer and
// the pictures.
struct LessonRunState {
    // Full viewing time, in seconds, of the point being timed.
    qint16 CurrentPointTime = 1;
    // Ticks of the lesson window's 100 ms timer since start.
    qint32 TickCount = 0;
    // Number of plan points (items of the plan list after the topic).
    qint16 PlanPointCount = 0;
    // [0]: points whose time has not run out; [k]: 1 once point k ran out.
    std::array<quint8, kMaxPlanPoints + 1> PointDone{};
    // [0]: the point being read, 1-based (0 = none); [k]: seconds left for point k.
    std::array<qint16, kMaxPlanPoints + 1> PointTime{};
    // Where the shown picture came from: 0 nothing yet, 1 lesson pictures,
    // 2 sponsor and information pictures.
    quint8 ImageSource = 0;
    // Number of the shown picture; 0 or less means none.
    int ImageIndex = 0;
};

} // namespace lesson
