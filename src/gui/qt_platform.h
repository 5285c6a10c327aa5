#pragma once

#include "core/system/platform.h"

namespace lesson {

// The desktop as Qt and the operating system offer it.
class QtPlatform : public Platform {
public:
    bool showMessage(const MessageSpec &message) override;
    quint8 currentDriveType() override;
    void clearClipboard() override;
    QStringList screenFonts() override;
    void quit() override;
};

// Installs Qt's own Bulgarian texts (standard dialogs, context menus).
void installBulgarianTranslations();

} // namespace lesson
