#pragma once

#include "core/content/number_text.h"
#include "gui/lesson_window/tezo.h"
#include "support/configuration.h"

#include <QListWidget>
#include <QTest>

#include <initializer_list>

namespace lesson::test {

// Starts the lesson with a teacher's configuration in which every flag is on
// except the ones named; every task's hint comes after 120 s, its solution
// after 300 s.
inline void startWithFlags(LessonRun &r, std::initializer_list<int> flagsOff)
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
    writeConfiguration(r, file);
    r.lesson->start();
}

// A pupil's click on a row of a list.
inline void clickRow(QListWidget *list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

} // namespace lesson::test
