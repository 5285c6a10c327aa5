// Whether the lesson's countdowns keep real time when the event loop is
// held up: the lesson window times one plan point while another timer
// blocks the loop now and then (a long text being laid out, a slow
// machine). Printed: when the point ended against its viewing time, and
// for comparison a plain 100 ms timer counting the same number of events.
//
//   QT_QPA_PLATFORM=offscreen build/bench/bench_countdown [seconds] [stall-ms] [every-ms]
//
// Defaults: a point of 60 s, the loop held up for 150 ms every 350 ms.

#include "core/content/lesson_loader.h"
#include "gui/lesson.h"
#include "gui/lesson_window/tezo.h"
#include "quiet_lesson.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

int argument(int argc, char *argv[], int index, int fallback)
{
    return argc > index ? std::max(1, QString::fromLocal8Bit(argv[index]).toInt()) : fallback;
}

double drift(qint64 elapsedMs, qint64 expectedMs)
{
    return 100.0 * double(elapsedMs - expectedMs) / double(expectedMs);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int seconds = argument(argc, argv, 1, 60);
    const int stallMs = argument(argc, argv, 2, 150);
    const int everyMs = argument(argc, argv, 3, 350);

    QTemporaryDir directory;
    QDir::setCurrent(directory.path());
    lesson::bench::SilentPlatform platform;
    const auto run = lesson::bench::quietLesson(platform, [seconds](lesson::ContentStore &store) {
        store.Wremena[2].write(1, QString::number(seconds));
    });
    lesson::Tezo *tezo = run->tezo();
    // The plan open to the pupil, the bar shown, the plan locked while timed.
    for (int k : {10, 13})
        tezo->ModeFlagTable.write(k, QStringLiteral("1"));
    tezo->List_Ur[0]->setEnabled(true);

    // Start the point at a whole second of the point clock.
    tezo->Timer1->stop();
    tezo->run.TickCount = 0;
    tezo->List_Ur[0]->setListIndex(0);

    QElapsedTimer wall;
    qint64 pointEnded = -1;
    QObject::connect(tezo->Timer1, &lesson::TickTimer::tick, &app, [&] {
        if (pointEnded < 0 && tezo->run.PointDone[1] == 1) {
            pointEnded = wall.elapsed();
            QTimer::singleShot(300, &app, &QCoreApplication::quit);
        }
    });

    // What a plain timer counts in the same loop: ten events per second.
    QTimer plain;
    plain.setTimerType(Qt::PreciseTimer);
    plain.setInterval(100);
    int plainEvents = 0;
    qint64 plainEnded = -1;
    QObject::connect(&plain, &QTimer::timeout, &app, [&] {
        if (++plainEvents == seconds * 10)
            plainEnded = wall.elapsed();
    });

    QTimer stall;
    stall.setInterval(everyMs);
    int stalls = 0;
    QObject::connect(&stall, &QTimer::timeout, &app, [&] {
        ++stalls;
        QElapsedTimer busy;
        busy.start();
        while (busy.elapsed() < stallMs) {
        }
    });

    // A limit, so that a countdown that never ends does not hang the run.
    QTimer::singleShot(seconds * 3000 + 5000, &app, &QCoreApplication::quit);
    wall.start();
    tezo->Timer1->start();
    plain.start();
    stall.start();
    app.exec();

    const qint64 expected = qint64(seconds) * 1000;
    std::printf("point of %d s, event loop held up %d ms every %d ms (%d times)\n", seconds,
                stallMs, everyMs, stalls);
    if (pointEnded < 0) {
        std::printf("the point did not end\n");
        return 1;
    }
    std::printf("lesson point clock: ended after %.3f s, drift %+.3f %%\n", pointEnded / 1000.0,
                drift(pointEnded, expected));
    if (plainEnded >= 0)
        std::printf("plain 100 ms timer: %d events after %.3f s, drift %+.3f %%\n", seconds * 10,
                    plainEnded / 1000.0, drift(plainEnded, expected));
    else
        std::printf("plain 100 ms timer: only %d of %d events by then\n", plainEvents,
                    seconds * 10);
    return 0;
}
