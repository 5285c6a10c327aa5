#pragma once

#include <QString>

namespace lesson {

// What a message box of the lesson shows. Texts keep the lesson's CR LF line
// breaks; the box itself shows them as ordinary line breaks.
struct MessageSpec {
    enum class Buttons { Ok, YesNo };
    enum class Icon { None, Critical, Question, Warning };
    enum class DefaultButton { None, Yes, No };

    QString title;
    QString text;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    DefaultButton defaultButton = DefaultButton::None;
};

// Title of every message box of the lesson.
QString messageTitle();

// Messages of the lesson window (codes 1, 2, 3) and of the tasks window
// (codes 2, 3). An unknown code gives an OK box with the code alone.
MessageSpec lessonWindowMessage(int code);
MessageSpec tasksWindowMessage(int code);

// A file the lesson could not write: the text names the file and the reason
// (writeFailureText), and may add what the pupil can do now. An OK box with
// the warning icon; nothing the pupil typed is lost behind it.
MessageSpec fileNotWrittenMessage(const QString &text);

// The message services answer with these texts.
inline QString yesText()
{
    return QStringLiteral("Yes");
}
inline QString noText()
{
    return QStringLiteral("No");
}

} // namespace lesson
