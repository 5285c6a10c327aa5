#include "core/appearance/layout_table.h"

#include <algorithm>
#include <limits>

namespace lesson {

namespace {

bool validRow(int row)
{
    return row >= 0 && row < kLayoutTableRows;
}

float ratioOf(float extent, float length)
{
    if (extent == 0.0f)
        return 0.0f;
    if (length == 0.0f)
        return std::numeric_limits<float>::infinity(); // extent / inf == 0
    return extent / length;
}

} // namespace

void LayoutRatioTable::capture(int row, float innerWidth, float innerHeight, const LayoutBox &box)
{
    if (!validRow(row))
        return;
    auto &r = m_ratios[std::size_t(row)];
    r[LayoutLeft] = ratioOf(innerWidth, box.left);
    r[LayoutTop] = ratioOf(innerHeight, box.top);
    r[LayoutWidth] = ratioOf(innerWidth, box.width);
    r[LayoutHeight] = ratioOf(innerHeight, box.height);
}

float LayoutRatioTable::ratio(int row, int column) const
{
    if (!validRow(row) || column < 0 || column > 3)
        return 0.0f;
    return m_ratios[std::size_t(row)][std::size_t(column)];
}

float LayoutRatioTable::along(int row, int column, float extent) const
{
    const float r = ratio(row, column);
    if (r == 0.0f)
        return 0.0f;
    return extent / r;
}

LayoutBox LayoutRatioTable::place(int row, float innerWidth, float innerHeight) const
{
    return {along(row, LayoutLeft, innerWidth), along(row, LayoutTop, innerHeight),
            along(row, LayoutWidth, innerWidth), along(row, LayoutHeight, innerHeight)};
}

LayoutGroupLastTable designLayoutGroupLast()
{
    LayoutGroupLastTable last{};
    last[1] = 1;  // Text_U: topic, content
    last[2] = 3;  // Label_U: "План", over the tape, over the bar, "Тема"
    last[3] = 0;  // Picture_Ur
    last[4] = 0;  // List_Ur: the plan
    last[5] = 3;  // Shape_Lenta: bar remaining, bar elapsed, tape red, tape green
    last[11] = 4; // Text_Un: answer, definition, statement, solution, hint
    last[12] = 0; // Chasownik_Label
    last[13] = 0; // Picture_Un
    last[14] = 1; // List_Un: terms, task numbers
    return last;
}

std::vector<LayoutSlot> layoutWalk(const LayoutGroupLastTable &last)
{
    std::vector<LayoutSlot> walk;
    int row = 0;
    for (const int group : kLayoutGroupOrder) {
        for (int i = 0; i <= int(last[std::size_t(group)]); ++i)
            walk.push_back({group, i, row++});
    }
    return walk;
}

int firstRowOfGroup(const std::vector<LayoutSlot> &walk, int group)
{
    const auto found = std::find_if(walk.begin(), walk.end(),
                                    [group](const LayoutSlot &s) { return s.group == group; });
    return found == walk.end() ? -1 : found->row;
}

float tasksWindowGrowth(float growth, float room)
{
    if (!(growth > 1.0f))
        return growth;
    return std::min(growth, std::max(1.0f, room));
}

} // namespace lesson
