#pragma once

#include "core/system/messages.h"

#include <QStringList>

namespace lesson {

// Drive types of the directory the lesson runs from.
enum DriveType : quint8 {
    DriveUnknown = 0,
    DriveRemovable = 1,
    DriveFixed = 2,
    DriveNetwork = 3,
    DriveCdRom = 4,
    DriveRamDisk = 5,
};

// What the lesson asks of the desktop: message boxes, the drive type of the
// current directory, the clipboard, the screen's fonts and the end of the
// process. Tests substitute a scripted implementation.
class Platform {
public:
    virtual ~Platform() = default;
    // Shows the box and returns true when the pupil pressed "Да".
    virtual bool showMessage(const MessageSpec &message) = 0;
    virtual quint8 currentDriveType() = 0;
    virtual void clearClipboard() = 0;
    virtual QStringList screenFonts() = 0;
    // Ends the process once control returns to the event loop.
    virtual void quit() = 0;
};

} // namespace lesson

namespace lesson {

// Shows a message and gives the lesson's answer text: "Yes" only when a
// Yes/No box was answered "Да"; an OK box always answers "No".
inline QString askMessage(Platform &platform, const MessageSpec &message)
{
    const bool yes = platform.showMessage(message);
    return yes && message.buttons == MessageSpec::Buttons::YesNo ? yesText() : noText();
}

} // namespace lesson
