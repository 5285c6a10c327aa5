#pragma once

#include <QListWidget>
#include <QTest>

namespace lesson::test {

// Presses and releases a mouse button on a list's item, where the pupil sees
// it: the press and the release reach the list as they do from the mouse.
inline void clickItem(QListWidget *list, int row, Qt::MouseButton button = Qt::LeftButton)
{
    QListWidgetItem *item = list->item(row);
    QVERIFY2(item, qPrintable(QStringLiteral("no item %1").arg(row)));
    list->scrollToItem(item);
    const QRect place = list->visualItemRect(item);
    QVERIFY2(list->viewport()->rect().contains(place.center()),
             qPrintable(QStringLiteral("item %1 is not on screen").arg(row)));
    QTest::mouseClick(list->viewport(), button, {}, place.center());
}

// The rows the list shows highlighted.
inline QList<int> highlightedRows(const QListWidget *list)
{
    QList<int> rows;
    for (const QListWidgetItem *item : list->selectedItems())
        rows.append(list->row(item));
    return rows;
}

// Types a text key by key, Cyrillic, symbols and emoji included.
inline void typeText(QWidget *control, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        QString key(text.at(i));
        if (text.at(i).isHighSurrogate())
            key += text.at(++i);
        QTest::sendKeyEvent(QTest::Click, control, Qt::Key_unknown, key, Qt::NoModifier);
    }
}

} // namespace lesson::test
