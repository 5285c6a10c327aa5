#pragma once

#include <QString>
#include <QStringList>

namespace lesson {

// An ordered list of text items, indexed from 0. Reading at or beyond the
// count (or below 0) yields an empty text: the display loops read fixed
// positions even when a list is shorter.
class ItemList {
public:
    ItemList() = default;
    explicit ItemList(QStringList items)
        : m_items(std::move(items))
    {
    }

    int count() const { return int(m_items.size()); }
    QString read(int index) const;
    // Writing past the end first pads the list with empty items.
    void write(int index, const QString &text);
    void append(const QString &text) { m_items.append(text); }
    // Removing an index outside the list changes nothing.
    void remove(int index);
    void clear() { m_items.clear(); }

    const QStringList &items() const { return m_items; }
    bool operator==(const ItemList &other) const = default;

private:
    QStringList m_items;
};

} // namespace lesson
