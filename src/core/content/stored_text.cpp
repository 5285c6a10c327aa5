#include "core/content/stored_text.h"

namespace lesson {

namespace {
constexpr QByteArrayView kByteOrderMark("\xEF\xBB\xBF");
} // namespace

StoredText StoredText::fromUtf8File(const FileBytes &file)
{
    StoredText stored;
    stored.m_file = file;
    stored.m_fromFile = true;
    return stored;
}

QString StoredText::text() const
{
    if (!m_fromFile)
        return m_text;
    const QByteArray utf8 = m_file.bytes();
    QString decoded;
    if (decodeUtf8Text(utf8, LineEnds::CrLf, decoded) == TextFault::None)
        return decoded;
    decoded = QString::fromUtf8(utf8);
    if (decoded.startsWith(QChar::ByteOrderMark))
        decoded.remove(0, 1);
    decoded.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    decoded.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return decoded;
}

bool StoredText::isEmpty() const
{
    // Any byte beyond a byte-order mark decodes to at least one character.
    if (!m_fromFile)
        return m_text.isEmpty();
    const QByteArray utf8 = m_file.bytes();
    return utf8.isEmpty() || QByteArrayView(utf8) == kByteOrderMark;
}

TextFault StoredText::check() const
{
    if (!m_fromFile)
        return TextFault::None;
    QString decoded;
    return decodeUtf8Text(m_file.bytes(), LineEnds::CrLf, decoded);
}

} // namespace lesson
