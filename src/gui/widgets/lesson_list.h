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
class LessonList : public QListWidget {
    Q_OBJECT
public:
    explicit LessonList(QWidget *parent = nullptr);

    // Selected position, -1 when nothing is selected.
    int ListIndex() const { return currentRow(); }
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
    void resizeEvent(QResizeEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    bool event(QEvent *event) override;

private:
    // Rows share the height evenly, so that no row shows only in part.
    void fitRows();
    // Runs the list's own handling of a pupil's input and raises Click
    // afterwards when the selection moved meanwhile.
    template <typename Handling> void choosing(Handling handling);

    int m_columns = 1;
    int m_bottomMargin = 0;
    bool m_fitting = false;
    int m_rowAtPress = -1;
    bool m_changedByPress = false;
    bool m_inInput = false;
    bool m_clickPending = false;
};

} // namespace lesson
