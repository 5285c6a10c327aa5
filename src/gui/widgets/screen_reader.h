#pragma once

#include <QString>

class QWidget;

namespace lesson {

// What a screen reader says of a control: its name (what the control is,
// in Bulgarian) and, as the description, the tooltip the control has.
// Lists and other item views do not take the tooltip by themselves.
void nameForScreenReader(QWidget *control, const QString &name);

// A window that is a plain widget is a window for a screen reader as well,
// announced by its title when it opens.
void presentAsWindow(QWidget *window);

} // namespace lesson
