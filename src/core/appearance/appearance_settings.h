#pragma once

#include <QStringList>

namespace lesson {

// The appearance settings list: 19 text items, the one store of the
// lesson's look while it runs (never written to disk).
//   0      description, never read
//   1      font name of the text fields
//   2      font size of the text fields, whole points
//   3..6   colour slot 0, background of the windows: colour number, red, green, blue
//   7..10  colour slot 1, background of the text fields
//   11..14 colour slot 2, text colour of the text fields
//   15..18 colour slot 3, background of the button-like labels
constexpr int kFontNameItem = 1;
constexpr int kFontSizeItem = 2;
constexpr int kColourSlots = 4;

// The item holding the colour number of a slot (0 to 3), and the item of
// one of its components (0 red, 1 green, 2 blue).
constexpr int colourItem(int slot)
{
    return 3 + 4 * slot;
}
constexpr int componentItem(int slot, int component)
{
    return 4 + 4 * slot + component;
}

// The values the list holds at every start.
QStringList designAppearanceSettings();

} // namespace lesson
