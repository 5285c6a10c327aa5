#include "gui/widgets/lesson_list.h"

#include <QMouseEvent>
#include <QSignalBlocker>

namespace lesson {

LessonList::LessonList(QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Items are cut to the list's width rather than scrolled sideways.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideRight);
    connect(model(), &QAbstractItemModel::rowsInserted, this, &LessonList::fitRows);
    connect(model(), &QAbstractItemModel::rowsRemoved, this, &LessonList::fitRows);
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
    if (index == currentRow()) {
        // Choosing again what is chosen is still a choice.
        if (index >= 0)
            Q_EMIT Click();
        return;
    }
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

void LessonList::setColumns(int columns)
{
    m_columns = std::max(1, columns);
    setFlow(m_columns > 1 ? QListView::LeftToRight : QListView::TopToBottom);
    setWrapping(m_columns > 1);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fitRows();
}

void LessonList::fitRows()
{
    if (m_fitting)
        return;
    const int natural = fontMetrics().height() + 2;
    // The height the rows may use, whatever margin an earlier fit left.
    const int height = viewport()->height() + m_bottomMargin;
    if (height <= 0)
        return;
    int rows = std::max(1, height / natural);
    // Several columns share the items evenly when they all fit.
    const int needed = (count() + m_columns - 1) / m_columns;
    const bool allFit = m_columns > 1 && needed > 0 && needed <= rows;
    if (allFit)
        rows = needed;
    const int rowHeight = std::max(natural, height / rows);
    m_fitting = true;
    if (m_columns > 1)
        setVerticalScrollBarPolicy(allFit ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    // What is left below the last whole row stays empty.
    m_bottomMargin = std::max(0, height - rows * rowHeight);
    setViewportMargins(0, 0, 0, m_bottomMargin);
    // A cell a little narrower than its share, so that the last column
    // never wraps to the next row.
    setGridSize(QSize(std::max(1, (viewport()->width() - 2) / m_columns), rowHeight));
    m_fitting = false;
}

// A list that receives the focus with nothing selected keeps nothing
// selected: only a click, a key or the program chooses an item.
void LessonList::focusInEvent(QFocusEvent *event)
{
    if (currentRow() >= 0) {
        QListWidget::focusInEvent(event);
        return;
    }
    const QSignalBlocker block(this);
    QListWidget::focusInEvent(event);
    if (currentRow() >= 0) {
        setCurrentRow(-1);
        clearSelection();
    }
}

void LessonList::resizeEvent(QResizeEvent *event)
{
    QListWidget::resizeEvent(event);
    fitRows();
}

bool LessonList::event(QEvent *event)
{
    const bool handled = QListWidget::event(event);
    if (event->type() == QEvent::FontChange)
        fitRows();
    return handled;
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
