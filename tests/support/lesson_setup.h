#pragma once

// Everything a test of the windows works with: the windows, the colour and
// twips helpers, the scripted run, the pupil's clicks and keys, the
// configurations a teacher writes, and the Qt classes the tests touch.

#include "core/content/number_text.h"
#include "gui/appearance/cwiat.h"
#include "gui/lesson_window/tezo.h"
#include "gui/small_windows/tezo_glos.h"
#include "gui/small_windows/tezo_gra.h"
#include "gui/small_windows/tezo_zad.h"
#include "gui/tasks_window/tezo_n.h"
#include "gui/widgets/colours.h"
#include "gui/widgets/focus_frame.h"
#include "gui/widgets/heading.h"
#include "gui/widgets/twips.h"
#include "support/configuration.h"
#include "support/pupil.h"
#include "support/scripted_platform.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
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

// A teacher's configuration in which every flag is on except the ones named;
// every task keeps the lesson's level, its hint comes after 120 s, its
// solution after 300 s.
inline QByteArray configurationWithFlagsOff(std::initializer_list<int> flagsOff)
{
    ConfigFile file = lessonConfiguration();
    for (int k = 1; k <= 40; ++k)
        setFlag(file, k, std::find(flagsOff.begin(), flagsOff.end(), k) == flagsOff.end() ? 1 : 0);
    for (int t = 0; t < 15; ++t) {
        file.records[1].Values[std::size_t(t)] =
            qint16(Val(lessonContent().Wremena[4].read(t + 1)));
        file.records[2].Values[std::size_t(t)] = 120;
        file.records[3].Values[std::size_t(t)] = 300;
    }
    return formatConfiguration(file);
}

// Starts the lesson with that configuration.
inline void startWithFlags(LessonRun &r, std::initializer_list<int> flagsOff)
{
    writeBytes(r, configurationWithFlagsOff(flagsOff));
    r.lesson->start();
}

// Starts it so and opens the tasks window through its menu command.
inline Tezo_n *startOnTasks(LessonRun &r, std::initializer_list<int> flagsOff)
{
    startWithFlags(r, flagsOff);
    r.lesson->tezo()->mnu_Wyprosi->trigger();
    return r.lesson->tezoN();
}

} // namespace lesson::test

// The window tests are written in the lesson's names and the helpers'.
using namespace lesson;
using namespace lesson::test;
using namespace Qt::StringLiterals;
