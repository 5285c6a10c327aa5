#include "tool_text.h"

#include <QStringDecoder>

#include <algorithm>

namespace tezomat_config {

namespace {

// Offset of the first byte that does not begin a well-formed UTF-8
// sequence, or -1. Sequences follow the table of well-formed UTF-8: no
// overlong forms, no surrogates, nothing above U+10FFFF, none cut short.
// cutShort tells whether the fault is a sequence that the end of the bytes
// broke off.
qsizetype firstInvalidUtf8(const QByteArray &bytes, bool &cutShort)
{
    cutShort = false;
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const uchar lead = p[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        int more = 0;
        uchar low = 0x80; // range of the second byte
        uchar high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            more = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            more = 2;
            if (lead == 0xE0)
                low = 0xA0;
            if (lead == 0xED)
                high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            more = 3;
            if (lead == 0xF0)
                low = 0x90;
            if (lead == 0xF4)
                high = 0x8F;
        } else {
            return i;
        }
        const qsizetype present = std::min<qsizetype>(more, n - i - 1);
        if (present >= 1 && (p[i + 1] < low || p[i + 1] > high))
            return i;
        for (int k = 2; k <= present; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return i;
        }
        if (present < more) {
            cutShort = true;
            return i;
        }
        i += more + 1;
    }
    return -1;
}

} // namespace

bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

QString escapeControls(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        if (isControl(c.unicode()))
            shown += QStringLiteral("\\x%1").arg(uint(c.unicode()), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

QString quoted(const QString &text)
{
    return QStringLiteral("„%1“").arg(escapeControls(text));
}

std::optional<char32_t> firstControl(const QString &text)
{
    for (const QChar c : text) {
        if (isControl(c.unicode()))
            return c.unicode();
    }
    return std::nullopt;
}

std::optional<QString> decodeUtf8(const QByteArray &bytes, QString *fault)
{
    bool cutShort = false;
    const qsizetype bad = firstInvalidUtf8(bytes, cutShort);
    if (bad < 0) {
        // Only the one byte-order mark in front is dropped: a U+FEFF after
        // it is part of the text (QString::fromUtf8 would drop it as well).
        const QByteArray body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
        QStringDecoder decode(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
        return QString(decode(body));
    }
    if (fault) {
        if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
            *fault = QStringLiteral("записан е в UTF-16");
        } else {
            const qsizetype line = bytes.left(bad).count('\n') + 1;
            *fault = cutShort ? QStringLiteral("свършва по средата на знак на ред %1").arg(line)
                              : QStringLiteral("неправилен байт на ред %1").arg(line);
        }
    }
    return std::nullopt;
}

QString notUtf8Text(const QString &subject, const QString &fault)
{
    return QStringLiteral("%1 не е записан в UTF-8 (%2); запишете го отново с кодиране UTF-8.")
        .arg(subject, fault);
}

} // namespace tezomat_config
