// How long the lesson takes to start: building the content store from the
// compiled-in resources, and the lesson window's whole start-up with a
// configuration that switches everything on.
//
//   QT_QPA_PLATFORM=offscreen build/bench/bench_startup [rounds]

#include "core/configuration/configuration_file.h"
#include "core/content/lesson_loader.h"
#include "gui/lesson.h"
#include "gui/lesson_window/tezo.h"
#include "quiet_lesson.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 20;

    QTemporaryDir directory;
    QDir::setCurrent(directory.path());
    lesson::ConfigFile config;
    for (int k = 0; k < 40; ++k)
        config.records[0].Values[std::size_t(k)] = k == 30 ? 0 : 1;
    config.records[0].Count = 15;
    config.records[1].Count = 15;
    config.records[2].Count = 96;
    config.records[3].Count = 20091028;
    config.records[3].setLabel(QStringLiteral("TAVN7"));
    for (int k = 0; k < 6; ++k)
        config.records[4].Values[std::size_t(k)] = 5;
    QFile file(QStringLiteral("TAVN7.UFG"));
    if (!file.open(QIODevice::WriteOnly) || file.write(lesson::formatConfiguration(config)) != 600)
        return 1;
    file.close();

    std::vector<double> loads;
    std::vector<double> starts;
    lesson::bench::SilentPlatform platform;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        lesson::LoadResult loaded =
            lesson::loadLessonStore(QStringLiteral(":/lesson"), lesson::ContentCheck::Lookup);
        loads.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (!loaded.store)
            return 1;
        timer.restart();
        lesson::Lesson run(std::move(*loaded.store), platform);
        run.tezo();
        starts.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("content store from resources: median %.2f ms over %d rounds\n", median(loads),
                rounds);
    std::printf("lesson window start-up:       median %.2f ms over %d rounds\n", median(starts),
                rounds);
    return 0;
}
