#pragma once

#include "core/system/platform.h"

#include <QPointer>
#include <QWidget>

#include <thread>

namespace lesson {

// The desktop as Qt and the operating system offer it.
class QtPlatform : public Platform {
public:
    QtPlatform() = default;
    ~QtPlatform() override;
    QtPlatform(const QtPlatform &) = delete;
    QtPlatform &operator=(const QtPlatform &) = delete;

    bool showMessage(const MessageSpec &message) override;
    quint8 currentDriveType() override;
    void clearClipboard() override;
    QStringList screenFonts() override;
    void quit() override;

private:
    // The window the last message box gave the keys back to: a box that
    // follows at once finds no window active yet.
    QPointer<QWidget> m_returnTo;
    // Emptying the clipboard asks the display who holds it, ten times a
    // second while a clock runs. Qt reports every change of the clipboard,
    // ours and, through the display, another program's; until one is
    // reported, an emptied clipboard is left alone.
    bool m_clipboardMayHold = true;
    bool m_emptying = false;
    QMetaObject::Connection m_clipboardWatch;
};

// Installs Qt's own Bulgarian texts (standard dialogs, context menus).
void installBulgarianTranslations();

// Lets every thread of the run share one memory arena. Qt's helper threads
// allocate little, and an arena of their own would keep pages of its own in
// memory. Called first thing, before any thread starts.
void shareOneMemoryArena();

// Reads the system's font list on a second thread while the lesson builds
// its windows. Qt reads that list once, the first time a text is measured,
// and on a machine with many fonts it is the longest single step of the
// start; the first window waits for Qt's connection to the session bus
// meanwhile. Qt guards the list, so a window that needs a font before the
// reading is over waits for it. Made after the application object, so
// that its thread is joined before that object goes.
class FontListReader {
public:
    FontListReader();
    ~FontListReader();
    FontListReader(const FontListReader &) = delete;
    FontListReader &operator=(const FontListReader &) = delete;

private:
    std::thread m_thread;
};

} // namespace lesson
