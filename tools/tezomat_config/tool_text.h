#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace tezomat_config {

// Text from a file or from standard input never reaches the terminal as
// it stands: a crafted file could clear the screen, set the window title or
// the clipboard. Every control character (C0, DEL and C1) is written as
// \xNN with its code in two lower-case hex digits; everything else is kept.
QString escapeControls(const QString &text);

// The text in Bulgarian quotes, „…“, with its control characters escaped.
QString quoted(const QString &text);

// True for a control character: U+0000 to U+001F and U+007F to U+009F.
bool isControl(char32_t c);

// The first control character of the text, or nothing.
std::optional<char32_t> firstControl(const QString &text);

// Decodes UTF-8 that is valid from the first byte to the last: a stray
// byte, an overlong form, a surrogate and a character cut off at the end
// are all refused. On refusal, fault says where, as a Bulgarian phrase that
// completes "... не е записан в UTF-8 (...)". A leading byte-order mark is
// dropped.
std::optional<QString> decodeUtf8(const QByteArray &bytes, QString *fault = nullptr);

// "<subject> не е записан в UTF-8 (<fault>); запишете го отново с кодиране UTF-8."
QString notUtf8Text(const QString &subject, const QString &fault);

} // namespace tezomat_config
