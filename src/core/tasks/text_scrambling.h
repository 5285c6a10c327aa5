#pragma once

#include <QChar>
#include <QString>

namespace lesson {

// Task lines may be stored scrambled: the text is reversed, one leading
// character is added that reading discards, and each byte of the
// Windows-1251 form is XOR-ed with a key that depends only on its position
// (position i, counted from 1 in the reversed text, uses 12 + i mod 12).

// The readable form of a stored line. The empty text and a text of one
// character give the empty text.
QString unscrambleText(const QString &stored);

// The stored form of a readable line: unscrambleText(scrambleText(x)) == x
// for every x made of code-page characters (others come back as '?').
QString scrambleText(const QString &plain, QChar lead = QLatin1Char('#'));

} // namespace lesson
