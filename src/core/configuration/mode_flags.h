#pragma once

#include "core/content/item_list.h"

namespace lesson {

// Number of mode flags a configuration sets.
constexpr int kModeFlagCount = 40;

// Value of mode flag k in a flag table: the digit of the entry's first
// character; "-", a blank, a letter or a missing entry read 0 ("-1" is off).
int modeFlagValue(const ItemList &table, int k);

// The table before any configuration is applied: entries 0 to 38, each
// reading 0; entries 39 and 40 do not exist yet.
ItemList designModeFlagTable();

} // namespace lesson
