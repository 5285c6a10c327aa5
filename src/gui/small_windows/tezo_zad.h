#pragma once

#include "gui/widgets/lesson_list.h"
#include "gui/widgets/lesson_text.h"

#include <QPointer>
#include <QWidget>

namespace lesson {

class Lesson;

// The enlarged text window: one large field showing a text in a size the
// pupil picks. Read-only, except when it enlarges the pupil's own answer:
// then what is typed here is the answer, and it locks with the answer pane.
class Tezo_Zad : public QWidget {
    Q_OBJECT
public:
    explicit Tezo_Zad(Lesson &lesson);

    LessonList *List_font = nullptr;  // the font sizes "10", "12", ..., "40"
    LessonText *Obsho_Pole = nullptr; // the enlarged text

    void Form_Load();
    void List_font_Click();
    void ArrangeEnlargedText();

    // Shows a text; with an answer pane given (and not locked) the field is
    // editable and kept equal to that pane both ways.
    void showText(const QString &text, LessonText *answer = nullptr);
    // The answer pane's task was left: the field becomes read-only.
    void unlinkAnswer();
    // The answer pane was locked: so is the field.
    void answerLocked();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void copyToAnswer();
    void copyFromAnswer();

    Lesson &m_lesson;
    QPointer<LessonText> m_answer;
    bool m_copying = false;
};

} // namespace lesson
