#pragma once

#include <QListWidget>

namespace lesson {

// A list box whose selection event (Click) is raised by a pupil's click,
// also on the item already selected, by keyboard moves, and when the program
// sets the selection with setListIndex, also to the position already
// selected: every caller goes through the same handler. Clearing the
// selection raises nothing. Only the left button chooses.
//
// A click or key raises Click once the list has finished its own handling
// of it, so that a handler which puts the selection back has the last word.
//
// The item under the keyboard's cursor always wears a frame while the list
// has the focus, whatever the desktop's style draws.
class LessonList : public QListWidget {
    Q_OBJECT
public:
    explicit LessonList(QWidget *parent = nullptr);

    // How the keyboard chooses. A list whose choice is light (a plan point,
    // a term, a font) chooses the item the arrow keys move to. A list whose
    // choice starts something heavy (a question, another window) only moves
    // its cursor with the keys, the chosen item staying highlighted, and
    // chooses the item under the cursor with Enter or Space. A click of the
    // mouse chooses at once either way.
    enum class Choosing { AsItMoves, OnEnter };
    void setChoosing(Choosing choosing);
    Choosing choosing() const { return m_choosing; }

    // Selected (chosen) position, -1 when nothing is selected.
    int ListIndex() const;
    void setListIndex(int index);
    int ListCount() const { return count(); }
    QString itemText(int index) const;
    void AddItem(const QString &text) { addItem(text); }
    void Clear() { clear(); }
    QStringList allItems() const;

    // Lays the items out in this many columns, read down the first column,
    // then the next, with as many rows as the list's height holds whole.
    void setColumns(int columns);

Q_SIGNALS:
    void Click();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event) const override;
    void resizeEvent(QResizeEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    bool event(QEvent *event) override;

private:
    // Rows share the height evenly, so that no row shows only in part.
    void fitRows();
    // Runs the list's own handling of a pupil's input and raises Click
    // afterwards when the selection moved meanwhile.
    template <typename Handling> void choosing(Handling handling);
    // The chosen position moved (-1: nothing is chosen any more).
    void selectionMoved(int row);
    // Enter or Space on a list that chooses on Enter.
    void chooseCursorItem();

    Choosing m_choosing = Choosing::AsItMoves;
    int m_columns = 1;
    int m_bottomMargin = 0;
    bool m_fitting = false;
    int m_rowAtPress = -1;
    bool m_changedByPress = false;
    bool m_inInput = false;
    bool m_clickPending = false;
};

} // namespace lesson
