#pragma once

#include <QByteArray>
#include <QString>

namespace lesson {

// The single-byte Windows-1251 code page, used only where the lesson meets
// bytes: configuration labels, unscrambling and the files it writes.
// The code page leaves 0x98 unassigned; it is carried as U+0098 so that all
// 256 byte values go through fromWindows1251 and back unchanged.

// One byte per character; a character outside the code page becomes '?'
// (a surrogate pair counts as one character).
QByteArray toWindows1251(const QString &text);

QString fromWindows1251(const QByteArray &bytes);

// The code of one character, or -1 when the code page does not hold it.
int windows1251Code(QChar c);

} // namespace lesson
