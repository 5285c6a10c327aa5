#include "core/system/spoken_text.h"

namespace lesson {

QString secondsText(qint64 seconds)
{
    return QString::number(seconds) + (seconds == 1 || seconds == -1 ? QStringLiteral(" секунда")
                                                                     : QStringLiteral(" секунди"));
}

QString pointsReadText(int read, int total)
{
    return QStringLiteral("%1 от %2 ").arg(read).arg(total) +
           (total == 1 ? QStringLiteral("точка") : QStringLiteral("точки"));
}

QString quotedTitle(const QString &title)
{
    return QStringLiteral("„") + title.trimmed() + QStringLiteral("“");
}

} // namespace lesson
