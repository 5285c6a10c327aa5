#include "gui/widgets/screen_reader.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace lesson {

namespace {

const char *const kPresentedAsWindow = "presentedAsWindow";

QAccessibleInterface *windowAccessible(const QString &, QObject *object)
{
    if (object && object->isWidgetType() && object->property(kPresentedAsWindow).toBool())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

void nameForScreenReader(QWidget *control, const QString &name)
{
    control->setAccessibleName(name);
    control->setAccessibleDescription(control->toolTip());
}

void presentAsWindow(QWidget *window)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(windowAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    window->setProperty(kPresentedAsWindow, true);
}

} // namespace lesson
