// How long the lesson window takes to lay out its controls again when it is
// resized: the proportional layout alone (Form_Resize, 21 controls of both
// windows and the time bar and tape), and the whole resize as Qt delivers it.
//
//   QT_QPA_PLATFORM=offscreen build/bench/bench_layout [resizes]

#include "core/content/lesson_loader.h"
#include "gui/lesson.h"
#include "gui/lesson_window/tezo.h"
#include "quiet_lesson.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int resizes = argc > 1 ? std::max(10, QString::fromLocal8Bit(argv[1]).toInt()) : 2000;
    QTemporaryDir directory;
    QDir::setCurrent(directory.path());
    lesson::bench::SilentPlatform platform;
    const auto run = lesson::bench::quietLesson(platform);
    run->start();
    lesson::Tezo *tezo = run->tezo();
    app.processEvents();

    const QSize design = tezo->size();
    std::vector<double> layoutOnly, wholeResize;
    QElapsedTimer timer;
    for (int i = 0; i < resizes; ++i) {
        // Sizes between the design size and about twice it, never the same twice running.
        const double f = 1.0 + double((i * 37) % 100) / 100.0;
        timer.start();
        tezo->resize(int(design.width() * f), int(design.height() * (2.0 - f / 2.0)));
        wholeResize.push_back(double(timer.nsecsElapsed()) / 1e6);
        timer.start();
        tezo->Form_Resize();
        layoutOnly.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    const auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    const auto worst = [](const std::vector<double> &v) {
        return *std::max_element(v.begin(), v.end());
    };
    std::printf("%d resizes of the lesson window (offscreen)\n", resizes);
    std::printf(
        "re-layout of the controls (Form_Resize): median %.3f ms, worst %.3f ms (goal < 1 ms)\n",
        median(layoutOnly), worst(layoutOnly));
    std::printf("whole resize as Qt delivers it: median %.3f ms, worst %.3f ms\n",
                median(wholeResize), worst(wholeResize));
    return 0;
}
