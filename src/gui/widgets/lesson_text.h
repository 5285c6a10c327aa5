#pragma once

#include <QFont>
#include <QTextEdit>

#include <optional>

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
    // The font the field takes with the next text it is given, unless a font
    // is set on it before. A field that starts with a short note of its own
    // loads its font only when the first real text comes.
    void setFontForNextText(const QFont &font);

Q_SIGNALS:
    void GotFocus();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    std::optional<QFont> m_fontForNextText;
};

} // namespace lesson
