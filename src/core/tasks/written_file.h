#pragma once

#include <QByteArray>
#include <QString>

namespace lesson {

// The files the lesson writes for the teacher (the answers file, the task
// files) are plain text with CR LF line ends. They are in Windows-1251, the
// code page the teacher's tools expect, whenever every character fits it;
// a text holding anything else (√, ≤, ², ѝ, an emoji) is written as UTF-8
// with a byte-order mark instead, so that no character a pupil typed is lost
// and an ordinary editor still opens the file.
QByteArray encodeWrittenText(const QString &text);

// True when every character of the text has a Windows-1251 byte.
bool fitsWindows1251(const QString &text);

// Why a file could not be written, as a short Bulgarian phrase that
// completes "Файлът ... не можа да бъде записан: ...".
enum class WriteFailure {
    None,
    FolderReadOnly, // the folder does not allow new files
    FolderInTheWay, // a folder has the file's name
    FileReadOnly,   // the file exists and may not be replaced
    DiskFull,       // no room left on the disk
    Other,          // anything else the system refused
};
QString writeFailureReason(WriteFailure failure);

// Writes the bytes to the file in one piece: a temporary file beside it is
// written and then renamed over it, so an interrupted write leaves the
// earlier file whole. Returns None on success.
WriteFailure saveFileAtomically(const QString &path, const QByteArray &bytes);

// The whole Bulgarian sentence for a failed write of the named file.
QString writeFailureText(const QString &fileName, WriteFailure failure);

} // namespace lesson
