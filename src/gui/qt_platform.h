#pragma once

#include "core/system/platform.h"

#include <QPointer>
#include <QWidget>

namespace lesson {

// The desktop as Qt and the operating system offer it.
class QtPlatform : public Platform {
public:
    bool showMessage(const MessageSpec &message) override;
    quint8 currentDriveType() override;
    void clearClipboard() override;
    QStringList screenFonts() override;
    void quit() override;

private:
    // The window the last message box gave the keys back to: a box that
    // follows at once finds no window active yet.
    QPointer<QWidget> m_returnTo;
};

// Installs Qt's own Bulgarian texts (standard dialogs, context menus).
void installBulgarianTranslations();

} // namespace lesson
