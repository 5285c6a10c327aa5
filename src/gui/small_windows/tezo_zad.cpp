#include "gui/small_windows/tezo_zad.h"

#include "core/content/number_text.h"
#include "gui/lesson.h"
#include "gui/tasks_window/tezo_n.h"
#include "gui/widgets/colours.h"
#include "gui/widgets/focus_frame.h"
#include "gui/widgets/keyboard.h"
#include "gui/widgets/screen_reader.h"
#include "gui/widgets/twips.h"

#include <cmath>

namespace lesson {

namespace {
constexpr QRectF kSizeList(120, 120, 1815, 330);
constexpr QRectF kField(120, 600, 11500, 6315);
constexpr QSizeF kInnerSize(12100, 7035);

// The fixed-width family of the lesson's text fields, so that enlarged
// tables (Horner's scheme, Pascal's triangle) keep their columns.
QFont enlargedTextFont()
{
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(10);
    return font;
}
} // namespace

Tezo_Zad::Tezo_Zad(Lesson &lesson)
    : QWidget(nullptr, Qt::Window)
    , m_lesson(lesson)
{
    setObjectName(QStringLiteral("Tezo_Zad"));
    setWindowTitle(QStringLiteral("Изберете желана стойност за размер на шрифта"));

    List_font = new LessonList(this);
    List_font->setObjectName(QStringLiteral("List_font"));
    List_font->setToolTip(QStringLiteral(" Изберете желан размер на шрифта"));
    nameForScreenReader(List_font, QStringLiteral("Размер на шрифта"));
    List_font->setFont(QFont(QStringLiteral("Arial")));
    for (const QString &size : lesson.store().List_font.items())
        List_font->AddItem(size);
    setTwipsGeometry(List_font, kSizeList);
    connect(List_font, &LessonList::Click, this, &Tezo_Zad::List_font_Click);

    Obsho_Pole = new LessonText(this);
    Obsho_Pole->setObjectName(QStringLiteral("Obsho_Pole"));
    Obsho_Pole->setToolTip(QStringLiteral("Настройте размерите на цялата форма чрез мишката"));
    nameForScreenReader(Obsho_Pole, QStringLiteral("Увеличен текст"));
    Obsho_Pole->setFont(enlargedTextFont());
    setTwipsGeometry(Obsho_Pole, kField);
    connect(Obsho_Pole, &QTextEdit::textChanged, this, &Tezo_Zad::copyToAnswer);

    resizeInnerTwips(this, kInnerSize);
    setReadingOrder({List_font, Obsho_Pole});
    new FocusFrame(this);
    giveSmallWindowKeys(this);
    presentAsWindow(this);
}

void Tezo_Zad::Form_Load()
{
    const ItemList &settings = m_lesson.tezoN()->List_Un2;
    QFont font = Obsho_Pole->font();
    font.setPointSizeF(Val(List_font->itemText(List_font->ListIndex() + 1)));
    Obsho_Pole->setFont(font);
    setBackgroundColour(Obsho_Pole, colourFromNumber(qint64(Val(settings.read(7)))));
    setTextColour(Obsho_Pole, colourFromNumber(qint64(Val(settings.read(11)))));
    setBackgroundColour(this, colourFromNumber(qint64(Val(settings.read(3)))));
    ArrangeEnlargedText();
}

void Tezo_Zad::List_font_Click()
{
    const int p = List_font->ListIndex();
    const QString v = List_font->itemText(p);
    if (Val(v) > 0) {
        QFont font = Obsho_Pole->font();
        font.setPointSizeF(Val(v));
        Obsho_Pole->setFont(font);
    }
    ContentStore &s = m_lesson.store();
    s.List_Ur[1].write(4, v);
    s.List_Ur[1].write(5, QString::number(p));
}

void Tezo_Zad::ArrangeEnlargedText()
{
    const double limit = std::round(4 * twipsGeometry(List_font).height());
    const QRect frame = frameGeometry();
    const double outerWidth = pixelsToTwips(frame.width(), this);
    const double outerHeight = pixelsToTwips(frame.height(), this);
    QRectF field = twipsGeometry(Obsho_Pole);
    field.setWidth(std::trunc(0.95 * outerWidth));
    if (outerHeight > limit)
        field.setHeight(std::trunc(outerHeight - limit));
    setTwipsGeometry(Obsho_Pole, field);
}

void Tezo_Zad::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    ArrangeEnlargedText();
}

void Tezo_Zad::showText(const QString &text, LessonText *answer)
{
    if (m_answer)
        disconnect(m_answer, &QTextEdit::textChanged, this, &Tezo_Zad::copyFromAnswer);
    m_answer = answer;
    m_copying = true;
    Obsho_Pole->setText(text);
    m_copying = false;
    Obsho_Pole->setLocked(!answer || answer->isLocked());
    if (m_answer)
        connect(m_answer, &QTextEdit::textChanged, this, &Tezo_Zad::copyFromAnswer);
}

void Tezo_Zad::unlinkAnswer()
{
    if (!m_answer)
        return;
    disconnect(m_answer, &QTextEdit::textChanged, this, &Tezo_Zad::copyFromAnswer);
    m_answer = nullptr;
    Obsho_Pole->setLocked(true);
}

void Tezo_Zad::answerLocked()
{
    if (m_answer)
        Obsho_Pole->setLocked(true);
}

void Tezo_Zad::copyToAnswer()
{
    if (m_copying || !m_answer || m_answer->isLocked() || Obsho_Pole->isLocked())
        return;
    m_copying = true;
    m_answer->setText(Obsho_Pole->Text());
    m_copying = false;
}

void Tezo_Zad::copyFromAnswer()
{
    if (m_copying || !m_answer)
        return;
    m_copying = true;
    Obsho_Pole->setText(m_answer->Text());
    m_copying = false;
}

} // namespace lesson
