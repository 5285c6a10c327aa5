#include "core/tasks/text_scrambling.h"

#include "core/content/code_page.h"

#include <algorithm>

namespace lesson {

namespace {

// XOR of the code-page bytes with the position keys; its own inverse.
QString applyPositionKeys(const QString &text)
{
    QByteArray bytes = toWindows1251(text);
    for (qsizetype i = 1; i <= bytes.size(); ++i)
        bytes[i - 1] = char(static_cast<unsigned char>(bytes[i - 1]) ^ (12 + i % 12));
    return fromWindows1251(bytes);
}

} // namespace

QString unscrambleText(const QString &stored)
{
    if (stored.isEmpty())
        return QString();
    QString s = stored;
    std::reverse(s.begin(), s.end());
    s.chop(1);
    return applyPositionKeys(s);
}

QString scrambleText(const QString &plain, QChar lead)
{
    QString s = applyPositionKeys(plain);
    std::reverse(s.begin(), s.end());
    return lead + s;
}

} // namespace lesson
