// The end of the lesson: what the pupil typed for the tasks is recorded in
// the answers file in the lesson's folder, for the teacher.

#include "core/system/messages.h"
#include "core/tasks/answers_file.h"
#include "core/tasks/written_file.h"
#include "gui/lesson.h"
#include "gui/lesson_window/tezo.h"
#include "gui/tasks_window/tezo_n.h"

namespace lesson {

QString Tezo::answersFileName() const
{
    return lesson::answersFileName(ModeFlag(31));
}

bool Tezo::SaveEnteredTexts()
{
    if (ModeFlag(12) < 1)
        return true;
    const quint8 drive = CurrentDriveType();
    if (drive < 1 || drive > 2)
        return true;
    Tezo_n *tasks = m_lesson.tezoN();
    // The answer pane may have been changed after it was last stored (the
    // enlarged text window edits it even while the tasks window is hidden):
    // what it shows is the current task's answer.
    if (tasks->CurrentTask >= 1)
        tasks->List_Un3.write(tasks->CurrentTask, tasks->Text_Un[0]->Text());
    const QString name = answersFileName();
    const WriteFailure failure =
        saveFileAtomically(name, answersFileBytes(tasks->List_Un3, store().Uslowie_L[0].count()));
    if (failure == WriteFailure::None)
        return true;
    askMessage(m_lesson.platform(),
               fileNotWrittenMessage(writeFailureText(name, failure) + QStringLiteral("\r\n") +
                                     QStringLiteral("Нищо от написаното не е загубено: урокът "
                                                    "остава отворен и можете да изберете "
                                                    "„Изход“ отново.")));
    return false;
}

} // namespace lesson
