#pragma once

// Everything a test of the windows works with: the windows, the colour and
// twips helpers, the scripted run and the Qt classes the tests touch.

#include "gui/lesson_window/tezo.h"
#include "gui/small_windows/tezo_glos.h"
#include "gui/small_windows/tezo_gra.h"
#include "gui/small_windows/tezo_zad.h"
#include "gui/tasks_window/tezo_n.h"
#include "gui/widgets/colours.h"
#include "gui/widgets/twips.h"
#include "support/scripted_platform.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <initializer_list>

namespace lesson::test {

// Switches mode flags on in both windows' tables, as a configuration would.
inline void setFlags(LessonRun &r, std::initializer_list<int> flagsOn)
{
    Tezo *tezo = r.lesson->tezo();
    Tezo_n *tasks = r.lesson->tezoN();
    for (int k : flagsOn) {
        tezo->ModeFlagTable.write(k, QStringLiteral("1"));
        tasks->List_Un4.write(k, QStringLiteral("1"));
    }
}

// Lists every task of the catalogue and opens the tasks window from the
// lesson window, as the pupil does; the first task is then chosen.
inline Tezo_n *openTasks(LessonRun &r, std::initializer_list<int> flagsOn = {})
{
    setFlags(r, flagsOn);
    Tezo_n *tasks = r.lesson->tezoN();
    tasks->mnu_All_zadachi_Click();
    r.lesson->tezo()->mnu_Wyprosi_Click();
    return tasks;
}

// The chosen task as one text: "task 3 at row 2".
inline QString chosen(const Tezo_n *tasks)
{
    return QStringLiteral("task %1 at row %2")
        .arg(tasks->CurrentTask)
        .arg(tasks->List_Un[1]->ListIndex());
}

// Chooses task t (1-based) as a click in the task list would.
inline void chooseTask(Tezo_n *tasks, int t)
{
    tasks->List_Un[1]->setListIndex(t - 1);
}

// Chooses task t with these answers ready for the questions it brings.
inline void chooseTask(LessonRun &r, int t, QList<bool> answers)
{
    r.platform.answers = answers;
    chooseTask(r.lesson->tezoN(), t);
}

} // namespace lesson::test
