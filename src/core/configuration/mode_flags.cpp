#include "core/configuration/mode_flags.h"

namespace lesson {

int modeFlagValue(const ItemList &table, int k)
{
    const QString entry = table.read(k);
    if (entry.isEmpty())
        return 0;
    const QChar first = entry.at(0);
    if (first < QLatin1Char('0') || first > QLatin1Char('9'))
        return 0;
    return first.unicode() - '0';
}

ItemList designModeFlagTable()
{
    QStringList entries;
    entries.append(QStringLiteral("0 режими"));
    for (int k = 1; k <= 38; ++k)
        entries.append(QStringLiteral("0"));
    return ItemList(entries);
}

} // namespace lesson
