#include "app/lesson_list.h"

#include <QMouseEvent>

namespace lesson {

LessonList::LessonList(QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        m_changedByPress = true;
        if (row >= 0)
            Q_EMIT Click();
    });
}

void LessonList::setListIndex(int index)
{
    if (index < -1 || index >= count())
        index = -1;
    if (index == currentRow())
        return;
    setCurrentRow(index);
    if (index < 0)
        clearSelection();
}

QString LessonList::itemText(int index) const
{
    const QListWidgetItem *it = item(index);
    return it ? it->text() : QString();
}

QStringList LessonList::allItems() const
{
    QStringList out;
    for (int i = 0; i < count(); ++i)
        out.append(item(i)->text());
    return out;
}

void LessonList::mousePressEvent(QMouseEvent *event)
{
    m_rowAtPress = currentRow();
    m_changedByPress = false;
    QListWidget::mousePressEvent(event);
}

void LessonList::mouseReleaseEvent(QMouseEvent *event)
{
    QListWidget::mouseReleaseEvent(event);
    // A click on the item that is already selected is a selection event too.
    if (event->button() == Qt::LeftButton && !m_changedByPress && m_rowAtPress >= 0 &&
        indexAt(event->position().toPoint()).row() == m_rowAtPress && isEnabled())
        Q_EMIT Click();
    m_changedByPress = false;
}

} // namespace lesson
