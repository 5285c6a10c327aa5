#include "gui/widgets/lesson_list.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

namespace lesson {

namespace {

// Draws every item as the style does, and a frame round the item under the
// keyboard's cursor while the list has the focus: some styles mark it only
// after a Tab, none marks it strongly enough on every background.
class CursorFrame : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        if (!(option.state & QStyle::State_HasFocus))
            return;
        const bool selected = option.state & QStyle::State_Selected;
        painter->save();
        painter->setPen(
            QPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text), 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
        painter->restore();
    }
};

} // namespace

LessonList::LessonList(QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new CursorFrame(this));
    // Items are cut to the list's width rather than scrolled sideways.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideRight);
    verticalScrollBar()->setAccessibleName(QStringLiteral("Превъртане на списъка"));
    horizontalScrollBar()->setAccessibleName(QStringLiteral("Превъртане на списъка настрани"));
    connect(model(), &QAbstractItemModel::rowsInserted, this, &LessonList::fitRows);
    connect(model(), &QAbstractItemModel::rowsRemoved, this, &LessonList::fitRows);
    // A list that chooses as it moves has its choice where its cursor is;
    // one that chooses on Enter has it in the selection, which the keys
    // leave alone.
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (m_choosing == Choosing::AsItMoves)
            selectionMoved(row);
    });
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (m_choosing == Choosing::OnEnter)
            selectionMoved(ListIndex());
    });
}

void LessonList::setChoosing(Choosing choosing)
{
    m_choosing = choosing;
}

int LessonList::ListIndex() const
{
    if (m_choosing == Choosing::AsItMoves)
        return currentRow();
    const QModelIndexList chosen = selectionModel()->selectedIndexes();
    return chosen.isEmpty() ? -1 : chosen.first().row();
}

void LessonList::selectionMoved(int row)
{
    m_changedByPress = true;
    if (row < 0)
        return;
    // The list highlights the pressed item only after it has moved the
    // current row: a handler run now would be overruled.
    if (m_inInput)
        m_clickPending = true;
    else
        Q_EMIT Click();
}

void LessonList::setListIndex(int index)
{
    if (index < -1 || index >= count())
        index = -1;
    if (index == ListIndex()) {
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
    // Items run down a column and wrap into the next one.
    setFlow(QListView::TopToBottom);
    setWrapping(m_columns > 1);
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
    // Rows a little lower than their share, so that a full column never
    // wraps its last item into the next column.
    const int usable = std::max(1, height - 2);
    int rows = std::max(1, usable / natural);
    // Several columns share the items evenly when they all fit.
    const int needed = (count() + m_columns - 1) / m_columns;
    const bool allFit = m_columns > 1 && needed > 0 && needed <= rows;
    if (allFit)
        rows = needed;
    const int rowHeight = std::max(natural, usable / rows);
    m_fitting = true;
    // Columns beyond those the width holds are scrolled to sideways.
    if (m_columns > 1) {
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setHorizontalScrollBarPolicy(allFit ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    }
    // What is left below the last whole row stays empty.
    m_bottomMargin = std::max(0, usable - rows * rowHeight);
    setViewportMargins(0, 0, 0, m_bottomMargin);
    // A cell a little narrower than its share, so that the last column
    // never wraps to the next row.
    setGridSize(QSize(std::max(1, (viewport()->width() - 2) / m_columns), rowHeight));
    m_fitting = false;
}

// A list that receives the focus with nothing selected keeps nothing
// selected: only a click, a key or the program chooses an item. (A list that
// chooses on Enter may put its cursor on the first item: that chooses
// nothing.)
void LessonList::focusInEvent(QFocusEvent *event)
{
    if (m_choosing == Choosing::OnEnter || currentRow() >= 0) {
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

template <typename Handling> void LessonList::choosing(Handling handling)
{
    if (m_inInput) {
        handling();
        return;
    }
    m_inInput = true;
    m_clickPending = false;
    handling();
    m_inInput = false;
    if (m_clickPending && ListIndex() >= 0) {
        m_clickPending = false;
        Q_EMIT Click();
    }
}

void LessonList::mousePressEvent(QMouseEvent *event)
{
    // The right and middle buttons choose nothing.
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    m_rowAtPress = ListIndex();
    m_changedByPress = false;
    choosing([&] { QListWidget::mousePressEvent(event); });
}

void LessonList::mouseMoveEvent(QMouseEvent *event)
{
    choosing([&] { QListWidget::mouseMoveEvent(event); });
}

void LessonList::keyPressEvent(QKeyEvent *event)
{
    if (m_choosing == Choosing::AsItMoves) {
        choosing([&] { QListWidget::keyPressEvent(event); });
        return;
    }
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (plain) {
            chooseCursorItem();
            event->accept();
            return;
        }
        break;
    default:
        break;
    }
    // Every other key moves the cursor at most. Typing an item's first
    // letters would select it as well: that selection is put back.
    const int chosen = ListIndex();
    const QSignalBlocker block(this);
    QListWidget::keyPressEvent(event);
    if (ListIndex() != chosen) {
        if (chosen >= 0)
            selectionModel()->select(model()->index(chosen, 0),
                                     QItemSelectionModel::ClearAndSelect);
        else
            clearSelection();
    }
}

void LessonList::chooseCursorItem()
{
    const int row = currentRow();
    if (row < 0 || !isEnabled())
        return;
    // Choosing again what is chosen is still a choice.
    if (row == ListIndex()) {
        Q_EMIT Click();
        return;
    }
    selectionModel()->select(currentIndex(), QItemSelectionModel::ClearAndSelect);
}

QItemSelectionModel::SelectionFlags LessonList::selectionCommand(const QModelIndex &index,
                                                                 const QEvent *event) const
{
    if (m_choosing == Choosing::OnEnter && event && event->type() == QEvent::KeyPress)
        return QItemSelectionModel::NoUpdate;
    return QListWidget::selectionCommand(index, event);
}

void LessonList::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QListWidget::mouseReleaseEvent(event);
    // A click on the item that is already selected is a selection event too.
    if (!m_changedByPress && m_rowAtPress >= 0 &&
        indexAt(event->position().toPoint()).row() == m_rowAtPress && isEnabled())
        Q_EMIT Click();
    m_changedByPress = false;
}

} // namespace lesson
