#pragma once

namespace lesson {

class Lesson;

// Paints the lesson, tasks and enlarged text windows with the settings list
// of the tasks window: the windows' background, the button-like labels, the
// nine text fields' background and text colour, and the font of eight of
// them (the enlarged text keeps the size its own list gives it). The font
// name is the one the colour window's preview shows, when that window is
// open. Nothing else is repainted, and nothing is saved.
void ApplyAppearance(Lesson &lesson);

} // namespace lesson
