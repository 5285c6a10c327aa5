// Reading the teacher's configuration file at start-up.

#include "core/configuration/configuration_file.h"
#include "core/system/file_mode.h"
#include "gui/lesson.h"
#include "gui/lesson_window/tezo.h"
#include "gui/tasks_window/tezo_n.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QSignalBlocker>

namespace lesson {

void Tezo::ReadLessonConfiguration()
{
    ContentStore &s = store();
    const QString name = s.lessonId() + QStringLiteral(".UFG");
    if (ReportFileStatus(name) < 1) {
        Greska_Otgowor1(1);
        return;
    }
    if (QFileInfo(name).size() != kConfigFileSize) {
        Greska_Otgowor1(3);
        return;
    }
    // A file copied from a CD arrives read-only; the lesson never writes it,
    // but it is made writable for its owner where that is allowed (never
    // through a symbolic link). Nothing stops the run when it is not.
    makeWritableForOwner(name);
    QFile file(name);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.read(kConfigFileSize + 1);
    else
        bytes.clear();
    if (bytes.isEmpty()) {
        Greska_Otgowor1(1);
        return;
    }
    const ConfigReadResult result = readConfiguration(bytes, s.lessonId());
    if (result.messageCode == 3) {
        Greska_Otgowor1(3);
        return;
    }
    if (result.identity)
        s.List_Ur[3].write(1, *result.identity);
    if (result.messageCode != 0 || !result.file) {
        Greska_Otgowor1(1);
        return;
    }
    Tezo_n *tasks = m_lesson.tezoN();
    const ConfigApplied applied =
        applyConfiguration(*result.file, s, ModeFlagTable, tasks->List_Un4);
    {
        // Filling the list chooses no task.
        const QSignalBlocker block(tasks->List_Un[1]);
        tasks->List_Un[1]->Clear();
        for (const QString &label : applied.taskList)
            tasks->List_Un[1]->AddItem(label);
    }
    if (applied.allTasksCaption)
        tasks->setAllTasksCaption(*applied.allTasksCaption);
}

} // namespace lesson
