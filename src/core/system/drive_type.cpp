#include "core/system/drive_type.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace lesson {

namespace {

// mountinfo escapes blanks and a few other characters as \ooo.
QString unescapeOctal(const QByteArray &field)
{
    QByteArray out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field.at(i) == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int code = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                out.append(char(code));
                i += 3;
                continue;
            }
        }
        out.append(field.at(i));
    }
    return QString::fromUtf8(out);
}

bool isUnder(const QString &path, const QString &mountPoint)
{
    if (mountPoint == QLatin1String("/"))
        return path.startsWith(QLatin1Char('/'));
    return path == mountPoint || path.startsWith(mountPoint + QLatin1Char('/'));
}

QByteArray readSmallFile(const QString &name)
{
    QFile f(name);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    // Read a piece at a time, to at most 1 MiB: asking for the whole MiB at
    // once would reserve all of it for a file of a few kilobytes.
    QByteArray bytes;
    while (bytes.size() < (1 << 20)) {
        const QByteArray piece = f.read(16 * 1024);
        if (piece.isEmpty())
            break;
        bytes += piece;
    }
    return bytes.left(1 << 20);
}

bool removableDevice(const QString &majorMinor)
{
    // A partition has no "removable" of its own; its disk is the parent folder.
    const QString base = QStringLiteral("/sys/dev/block/") + majorMinor;
    for (const QString &candidate :
         {base + QStringLiteral("/removable"), base + QStringLiteral("/../removable")}) {
        const QByteArray value = readSmallFile(candidate).trimmed();
        if (!value.isEmpty())
            return value == "1";
    }
    return false;
}

} // namespace

std::optional<MountEntry> mountOfPath(const QByteArray &mountinfo, const QString &absolutePath)
{
    // Line layout: id parent major:minor root mount-point options [optional...] - fstype source
    // super-options
    std::optional<MountEntry> best;
    for (const QByteArray &line : mountinfo.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype dash = fields.indexOf("-");
        if (fields.size() < 7 || dash < 6 || dash + 2 >= fields.size())
            continue;
        MountEntry entry;
        entry.device = QString::fromLatin1(fields.at(2));
        entry.mountPoint = unescapeOctal(fields.at(4));
        entry.fsType = QString::fromUtf8(fields.at(dash + 1));
        entry.source = unescapeOctal(fields.at(dash + 2));
        if (!isUnder(absolutePath, entry.mountPoint))
            continue;
        if (!best || entry.mountPoint.size() >= best->mountPoint.size())
            best = entry;
    }
    return best;
}

quint8 driveTypeOfFileSystem(const QString &fsType, bool removableDevice)
{
    // Network file systems, also when mounted through FUSE.
    static const QSet<QString> network = {
        QStringLiteral("nfs"),
        QStringLiteral("nfs4"),
        QStringLiteral("cifs"),
        QStringLiteral("smb3"),
        QStringLiteral("smbfs"),
        QStringLiteral("ncpfs"),
        QStringLiteral("afs"),
        QStringLiteral("ceph"),
        QStringLiteral("9p"),
        QStringLiteral("glusterfs"),
        QStringLiteral("lustre"),
        QStringLiteral("davfs"),
        QStringLiteral("fuse.sshfs"),
        QStringLiteral("fuse.glusterfs"),
        QStringLiteral("fuse.davfs2"),
        QStringLiteral("fuse.rclone"),
        QStringLiteral("fuse.smbnetfs"),
    };
    // CD and DVD file systems, and read-only images that behave like them.
    static const QSet<QString> optical = {QStringLiteral("iso9660"), QStringLiteral("udf"),
                                          QStringLiteral("squashfs"), QStringLiteral("erofs")};
    // File systems held in memory.
    static const QSet<QString> ram = {QStringLiteral("tmpfs"), QStringLiteral("ramfs"),
                                      QStringLiteral("devtmpfs")};
    // Local disk file systems; overlay and its kin count as local disks too.
    static const QSet<QString> disk = {
        QStringLiteral("ext2"),     QStringLiteral("ext3"),     QStringLiteral("ext4"),
        QStringLiteral("xfs"),      QStringLiteral("btrfs"),    QStringLiteral("f2fs"),
        QStringLiteral("jfs"),      QStringLiteral("reiserfs"), QStringLiteral("zfs"),
        QStringLiteral("vfat"),     QStringLiteral("msdos"),    QStringLiteral("exfat"),
        QStringLiteral("ntfs"),     QStringLiteral("ntfs3"),    QStringLiteral("fuseblk"),
        QStringLiteral("hfsplus"),  QStringLiteral("overlay"),  QStringLiteral("aufs"),
        QStringLiteral("bcachefs"),
    };
    if (network.contains(fsType))
        return DriveNetwork;
    if (optical.contains(fsType))
        return DriveCdRom;
    if (ram.contains(fsType))
        return DriveRamDisk;
    if (disk.contains(fsType))
        return removableDevice ? DriveRemovable : DriveFixed;
    // proc, sysfs, unknown FUSE file systems and the like: not determined.
    return DriveUnknown;
}

quint8 driveTypeOfDirectory(const QString &directory)
{
    const QString path = QFileInfo(directory).canonicalFilePath();
    if (path.isEmpty())
        return DriveUnknown;
    const auto mount = mountOfPath(readSmallFile(QStringLiteral("/proc/self/mountinfo")), path);
    if (!mount)
        return DriveUnknown;
    return driveTypeOfFileSystem(mount->fsType, removableDevice(mount->device));
}

} // namespace lesson
