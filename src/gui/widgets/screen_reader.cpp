#include "gui/widgets/screen_reader.h"

#include <QWidget>

namespace lesson {

void nameForScreenReader(QWidget *control, const QString &name)
{
    control->setAccessibleName(name);
    control->setAccessibleDescription(control->toolTip());
}

} // namespace lesson
