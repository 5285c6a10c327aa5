#pragma once

#include "core/tasks/written_file.h"

#include <QByteArray>
#include <QString>

namespace lesson {

// A task saved on the pupil's request goes to a file of its own in the
// lesson's folder: the lesson identifier, "_", the task number in two digits
// and ".TXT" (task 3 of TAVN7 is TAVN7_03.TXT). Task numbers above 99 keep
// their last two digits.
QString taskFileName(const QString &lessonId, int task);

// What the pupil asks to save, by the number of the "Запис" entry.
enum class TaskFileKind {
    StatementAndAnswer = 1, // "Запис условие+решение"
    AnswerOnly = 2,         // "Запис само решение"
    AuthorSolution = 3,     // "Решение на автора"
};

// The three panes a task file is made of, each with CR LF line breaks.
struct TaskTexts {
    QString statement; // begins with a line break, as the statement pane shows it
    QString answer;
    QString solution;
};

// The text of a task file. The panes are written as they are, with no line
// end added after them. The statement pane begins with a line break, which
// ends the line of its heading: the statement starts on the line after
// "Условие на задачата:", and "Представено решение:" follows its last line
// directly, ending its own line before the answer.
QString taskFileText(TaskFileKind kind, const TaskTexts &texts);

// Writes the task file in one piece (see saveFileAtomically): in
// Windows-1251 when every character fits, else as UTF-8 with a byte-order
// mark. A file of the same name is replaced only once the new one is whole.
WriteFailure saveTaskFile(const QString &path, TaskFileKind kind, const TaskTexts &texts);

} // namespace lesson
