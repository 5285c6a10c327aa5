#include "core/content/item_list.h"

namespace lesson {

QString ItemList::read(int index) const
{
    if (index < 0 || index >= m_items.size())
        return QString();
    return m_items.at(index);
}

void ItemList::write(int index, const QString &text)
{
    if (index < 0)
        return;
    while (m_items.size() <= index)
        m_items.append(QString());
    m_items[index] = text;
}

void ItemList::remove(int index)
{
    if (index >= 0 && index < m_items.size())
        m_items.removeAt(index);
}

} // namespace lesson
