#pragma once

#include "core/content/number_text.h"
#include "gui/lesson_window/tezo.h"
#include "support/configuration.h"
#include "support/pupil.h"

#include <QTest>

#include <initializer_list>

namespace lesson::test {

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

} // namespace lesson::test
