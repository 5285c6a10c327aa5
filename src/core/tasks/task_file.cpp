#include "core/tasks/task_file.h"

#include <cstdlib>

namespace lesson {

QString taskFileName(const QString &lessonId, int task)
{
    const int twoDigits = std::abs(task) % 100;
    return lessonId + QLatin1Char('_') +
           QStringLiteral("%1").arg(twoDigits, 2, 10, QLatin1Char('0')) + QStringLiteral(".TXT");
}

QString taskFileText(TaskFileKind kind, const TaskTexts &texts)
{
    const QString lineEnd = QStringLiteral("\r\n");
    switch (kind) {
    case TaskFileKind::StatementAndAnswer:
        // The statement's own leading line break ends the heading's line.
        return QStringLiteral("Условие на задачата:") + texts.statement +
               QStringLiteral("Представено решение:") + lineEnd + texts.answer;
    case TaskFileKind::AnswerOnly:
        return texts.answer;
    case TaskFileKind::AuthorSolution:
        return texts.solution;
    }
    return QString();
}

WriteFailure saveTaskFile(const QString &path, TaskFileKind kind, const TaskTexts &texts)
{
    return saveFileAtomically(path, encodeWrittenText(taskFileText(kind, texts)));
}

} // namespace lesson
