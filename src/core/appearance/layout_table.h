#pragma once

#include <QtGlobal>

#include <array>
#include <vector>

namespace lesson {

// Proportional layout of the lesson window: each listed control keeps the
// same fraction of the window's inner width and height that it had when the
// layout was captured. Lengths are twips; every quotient is single
// precision, as the layout has always computed it.

// Rows of the ratio table; rows beyond the listed controls stay 0.
constexpr int kLayoutTableRows = 71;

// Columns of a row: inner width / left, inner height / top, inner width /
// width, inner height / height.
enum LayoutColumn : int { LayoutLeft = 0, LayoutTop = 1, LayoutWidth = 2, LayoutHeight = 3 };

// A control's place in twips.
struct LayoutBox {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    bool operator==(const LayoutBox &) const = default;
};

class LayoutRatioTable {
public:
    // Records the ratios of the inner size to the control's place. A design
    // length of 0 stays 0 at every size; an inner length of 0 records 0,
    // which places the control's length at 0 too.
    void capture(int row, float innerWidth, float innerHeight, const LayoutBox &box);

    float ratio(int row, int column) const;
    // The length of the row's column for an inner width or height: extent /
    // ratio in single precision; 0 for a ratio of 0 (nothing was captured).
    float along(int row, int column, float extent) const;
    LayoutBox place(int row, float innerWidth, float innerHeight) const;

private:
    std::array<std::array<float, 4>, kLayoutTableRows> m_ratios{};
};

// Groups of controls. 1 to 5 are control arrays of the lesson window
// (topic and content fields, labels, picture, plan list, the time bar and
// tape shapes), 11 to 14 the fields, clock label, picture and lists of the
// tasks window, whose controls are measured against the lesson window too.
// Each group's entry holds the last index of its array.
using LayoutGroupLastTable = std::array<quint8, 15>;
LayoutGroupLastTable designLayoutGroupLast();

// The order in which groups get their rows; capture and placement walk it
// alike, and the time bar and tape rely on the shapes coming last.
constexpr std::array<int, 9> kLayoutGroupOrder{1, 11, 2, 12, 3, 13, 4, 14, 5};
constexpr int kTapeShapesGroup = 5;
constexpr bool isTasksWindowGroup(int group)
{
    return group >= 11;
}

struct LayoutSlot {
    int group = 0;
    int index = 0;
    int row = 0;
};
// Every control of the walk with its row, in walk order.
std::vector<LayoutSlot> layoutWalk(const LayoutGroupLastTable &last);
// Row of the first control of a group in the walk (-1 when it has none).
int firstRowOfGroup(const std::vector<LayoutSlot> &walk, int group);

// How much the tasks window's controls grow along one axis when the lesson
// window has grown by `growth` (new inner length / captured inner length):
// as much, unless the screen leaves room only for `room` times the tasks
// window's design length; it is never held below 1 by the room (at design
// size nothing moves) and shrinking is followed as it is.
float tasksWindowGrowth(float growth, float room);

} // namespace lesson
