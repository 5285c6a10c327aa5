#pragma once

#include "core/system/platform.h"

#include <QPointer>
#include <QWidget>

#include <future>
#include <thread>

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

// Lets every thread of the run share one memory arena. Qt's helper threads
// allocate little, and an arena of their own would keep pages of its own in
// memory. Called first thing, before any thread starts.
void shareOneMemoryArena();

// Reads the system's fonts on a second thread while the lesson starts. The
// font configuration is read while Qt connects to the display, and Qt's own
// font list, once the application object exists, while the lesson loads its
// content and builds its windows. Qt reads both once, the first time a text
// is measured, and on a machine with many fonts they are the longest single
// step of the start. Qt guards the list, so a window that needs a font
// before the reading is over waits for it. Made before the application
// object, and finished before that object goes.
class FontListReader {
public:
    FontListReader();
    ~FontListReader();
    FontListReader(const FontListReader &) = delete;
    FontListReader &operator=(const FontListReader &) = delete;

    // The application object exists: Qt's font list may be read now.
    void applicationReady();
    // Waits for the reading to end; called before the application object
    // goes.
    void finish();

private:
    std::promise<bool> m_ready;
    bool m_told = false;
    std::thread m_thread;
};

} // namespace lesson
