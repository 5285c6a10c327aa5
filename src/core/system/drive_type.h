#pragma once

#include "core/system/platform.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace lesson {

struct MountEntry {
    QString mountPoint;
    QString fsType;
    QString source;
    QString device; // "major:minor"
};

// The mount that holds an absolute path, from the text of /proc/self/mountinfo:
// the entry with the longest mount point that is a prefix of the path (the
// last one listed wins, as a later mount hides an earlier one).
std::optional<MountEntry> mountOfPath(const QByteArray &mountinfo, const QString &absolutePath);

// Drive type of a file system type. Removable block devices (USB sticks,
// memory cards) are told apart by the device, not the file system.
quint8 driveTypeOfFileSystem(const QString &fsType, bool removableDevice);

// Drive type of the directory, read from /proc and /sys; DriveUnknown when
// they cannot be read.
quint8 driveTypeOfDirectory(const QString &directory);

} // namespace lesson
