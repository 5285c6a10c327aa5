#pragma once

#include <QTextEdit>

namespace lesson {

// A multi-line text field. The lesson's texts carry CR LF line breaks; the
// field shows them as ordinary lines and gives them back with CR LF.
class LessonText : public QTextEdit {
    Q_OBJECT
public:
    explicit LessonText(QWidget *parent = nullptr);

    QString Text() const;
    void setText(const QString &text);
    // Read-only fields still show a caret-less, selectable text.
    void setLocked(bool locked);
    bool isLocked() const { return isReadOnly(); }

Q_SIGNALS:
    void GotFocus();

protected:
    void focusInEvent(QFocusEvent *event) override;
};

} // namespace lesson
