#pragma once

#include <QString>

class QWidget;

namespace lesson {

// What a screen reader says of a control: its name (what the control is,
// in Bulgarian) and, as the description, the tooltip the control has.
// Lists and other item views do not take the tooltip by themselves.
void nameForScreenReader(QWidget *control, const QString &name);

} // namespace lesson
