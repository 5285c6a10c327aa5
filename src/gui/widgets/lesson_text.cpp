#include "gui/widgets/lesson_text.h"

#include <QEvent>
#include <QScrollBar>

namespace lesson {

LessonText::LessonText(QWidget *parent)
    : QTextEdit(parent)
{
    setAcceptRichText(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setTabChangesFocus(true);
    verticalScrollBar()->setAccessibleName(QStringLiteral("Превъртане на текста"));
}

QString LessonText::Text() const
{
    QString text = toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

void LessonText::setText(const QString &text)
{
    if (m_fontForNextText) {
        const QFont font = *m_fontForNextText;
        m_fontForNextText.reset();
        setFont(font);
    }
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setPlainText(shown);
}

void LessonText::setLocked(bool locked)
{
    setReadOnly(locked);
    if (locked)
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void LessonText::setFontForNextText(const QFont &font)
{
    m_fontForNextText = font;
}

void LessonText::changeEvent(QEvent *event)
{
    // A font set on the field itself (the pupil's choice in the colour
    // window) replaces the one waiting for the next text; one that only
    // comes down from the window does not.
    if (event->type() == QEvent::FontChange && testAttribute(Qt::WA_SetFont))
        m_fontForNextText.reset();
    QTextEdit::changeEvent(event);
}

void LessonText::focusInEvent(QFocusEvent *event)
{
    QTextEdit::focusInEvent(event);
    Q_EMIT GotFocus();
}

} // namespace lesson
