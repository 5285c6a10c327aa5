#pragma once

#include <QByteArrayView>
#include <QString>

namespace lesson {

// How the lines of a decoded text end: as in the file (LF), or CR LF as the
// lesson's texts carry them once loaded.
enum class LineEnds { Lf, CrLf };

// What keeps a text file of the lesson from being read.
enum class TextFault { None, NotUtf8, HasCr };

// Decodes the bytes of one of the lesson's text files in a single pass.
// The UTF-8 is read strictly, as Qt's decoder reads it: a byte-order mark in
// front is dropped (one inside the text is kept), and an overlong form, an
// encoded surrogate, a code point past U+10FFFF, a stray continuation byte
// and a character cut short at the end are all refused. A file that holds a
// CR is refused as well (its lines must end with LF alone); where both are
// wrong, NotUtf8 is reported. On a fault the text is left empty.
//
// A text is decoded each time a window shows it, and a whole check of the
// lesson decodes some 235 KB at once; Qt's general decoder followed by a
// replace of every LF took several times as long.
TextFault decodeUtf8Text(QByteArrayView bytes, LineEnds ends, QString &text);

} // namespace lesson
