#include "core/tasks/written_file.h"

#include "core/content/code_page.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

namespace lesson {

bool fitsWindows1251(const QString &text)
{
    for (const QChar c : text) {
        // A surrogate (half of a character beyond the first 65536) never fits.
        if (windows1251Code(c) < 0)
            return false;
    }
    return true;
}

QByteArray encodeWrittenText(const QString &text)
{
    if (fitsWindows1251(text))
        return toWindows1251(text);
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QString writeFailureReason(WriteFailure failure)
{
    switch (failure) {
    case WriteFailure::None:
        return QString();
    case WriteFailure::FolderReadOnly:
        return QStringLiteral("папката на урока не позволява запис");
    case WriteFailure::FolderInTheWay:
        return QStringLiteral("в папката на урока има папка със същото име");
    case WriteFailure::FileReadOnly:
        return QStringLiteral("файлът е защитен срещу запис");
    case WriteFailure::DiskFull:
        return QStringLiteral("на диска няма достатъчно свободно място");
    case WriteFailure::Other:
        break;
    }
    return QStringLiteral("системата отказа записа");
}

namespace {

// The likeliest reason, told from what the file system shows after the
// write was refused.
WriteFailure diagnose(const QString &path, qint64 size)
{
    const QFileInfo target(path);
    if (target.isDir())
        return WriteFailure::FolderInTheWay;
    // A folder that is gone (removed while the lesson runs in it) takes no
    // files either.
    // (The path of a removed current folder cannot be made absolute.)
    const QFileInfo folder(target.absolutePath());
    if (folder.isRelative() || !folder.isDir() || !folder.isWritable())
        return WriteFailure::FolderReadOnly;
    if (target.exists() && !target.isWritable())
        return WriteFailure::FileReadOnly;
    const QStorageInfo storage(folder.absoluteFilePath());
    if (storage.isValid() && storage.bytesAvailable() >= 0 &&
        storage.bytesAvailable() < size + 4096)
        return WriteFailure::DiskFull;
    return WriteFailure::Other;
}

} // namespace

WriteFailure saveFileAtomically(const QString &path, const QByteArray &bytes)
{
    if (QFileInfo(path).isDir())
        return WriteFailure::FolderInTheWay;
    QSaveFile file(path);
    // Unbuffered, so that a write cut short (a full disk, a size limit) shows
    // in what write() returns: a buffered file loses the shortfall in its
    // flush and would be committed, cut off, as if all had gone well.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return diagnose(path, bytes.size());
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return diagnose(path, bytes.size());
    }
    if (!file.commit())
        return diagnose(path, bytes.size());
    return WriteFailure::None;
}

QString writeFailureText(const QString &fileName, WriteFailure failure)
{
    return QStringLiteral("Файлът „%1“ не можа да бъде записан: %2.")
        .arg(QDir::toNativeSeparators(fileName), writeFailureReason(failure));
}

} // namespace lesson
