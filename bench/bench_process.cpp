// Whole-process figures of the lesson beside a bare Qt window with as many
// widgets (labels only, or the lesson's own kinds of widget), measured in one
// run on the same X display:
//   start-up   from starting the process to its window's first frame: the
//              window mapped and then first drawn into by the process (the
//              X DAMAGE extension reports it); the moment of mapping, before
//              anything is drawn, is shown beside it;
//   memory     peak resident memory half a second after the first frame;
//   idle CPU   processor time over ten idle seconds with the lesson's timer
//              running (the lesson window's clock ticks ten times a second).
//
//   xvfb-run -a build/bench/bench_process build/tezomat build/bench/bare_window CONFIG.UFG [rounds]
//
// The lesson runs in a temporary folder holding CONFIG.UFG as TAVN7.UFG, so
// that it starts straight into its window.
#include "core/content/lesson_loader.h"
#include "gui/lesson.h"
#include "quiet_lesson.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QTemporaryDir>

#include <xcb/xcb.h>
#include <xcb/xcbext.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/uio.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// How many widgets the lesson has once its window is up (in a child process
// of our own, offscreen).
int countLessonWidgets(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    lesson::bench::SilentPlatform platform;
    const auto run = lesson::bench::quietLesson(platform);
    run->start();
    // All widgets, then the lesson's text fields, lists, frames and windows.
    int edits = 0, lists = 0, frames = 0, windows = 0;
    const QWidgetList all = QApplication::allWidgets();
    for (const QWidget *w : all) {
        edits += w->inherits("QTextEdit");
        lists += w->inherits("QListWidget");
        frames += w->metaObject() == &QFrame::staticMetaObject;
        windows += w->inherits("QMainWindow");
    }
    std::printf("%d %d %d %d %d\n", int(all.size()), edits, lists, frames, windows);
    return 0;
}

struct Sample {
    double mappedMs = 0;
    double frameMs = 0;
    long peakKb = 0;
    double idleCpuPercent = -1;
};

long statusKb(pid_t pid, const char *field)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    const std::size_t n = std::strlen(field);
    while (std::getline(in, line)) {
        if (line.compare(0, n, field) == 0)
            return std::stol(line.substr(n + 1));
    }
    return 0;
}

// User and system time of the process, in seconds.
double cpuSeconds(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::size_t close = text.rfind(')');
    std::vector<std::string> fields;
    std::size_t at = close + 2;
    while (at < text.size()) {
        const std::size_t next = text.find(' ', at);
        fields.push_back(text.substr(at, next - at));
        if (next == std::string::npos)
            break;
        at = next + 1;
    }
    // Fields after the name start at "state"; utime and stime are the 12th
    // and 13th of them.
    const double ticks = double(sysconf(_SC_CLK_TCK));
    return (std::stod(fields.at(11)) + std::stod(fields.at(12))) / ticks;
}

// The X DAMAGE extension, spoken directly: two requests and one event are
// all the benchmark needs of it, so its client library is not required.
namespace damage {

xcb_extension_t extension = {"DAMAGE", 0};
constexpr uint8_t kQueryVersion = 0;
constexpr uint8_t kCreate = 1;
constexpr uint8_t kReportNonEmpty = 3; // one event when a window is first drawn into

struct QueryVersion {
    uint8_t majorOpcode, minorOpcode;
    uint16_t length;
    uint32_t clientMajor, clientMinor;
};
struct Create {
    uint8_t majorOpcode, minorOpcode;
    uint16_t length;
    uint32_t damage, drawable;
    uint8_t level, pad[3];
};
struct Notify {
    uint8_t responseType, level;
    uint16_t sequence;
    uint32_t drawable, damage, timestamp;
    int16_t x, y;
    uint16_t width, height;
    int16_t geometryX, geometryY;
    uint16_t geometryWidth, geometryHeight;
};
static_assert(sizeof(QueryVersion) == 12 && sizeof(Create) == 16 && sizeof(Notify) == 32);

template <typename Request>
unsigned int send(xcb_connection_t *connection, uint8_t minor, Request &request, bool isVoid)
{
    iovec parts[4] = {};
    parts[2].iov_base = &request;
    parts[2].iov_len = sizeof(request);
    const xcb_protocol_request_t info = {2, &extension, minor, uint8_t(isVoid)};
    return xcb_send_request(connection, 0, parts + 2, &info);
}

} // namespace damage

class DisplayWatch {
public:
    DisplayWatch()
    {
        m_connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_connection))
            return;
        xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
        m_root = screen->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, screen->root, XCB_CW_EVENT_MASK, &mask);
        const char *name = "_NET_WM_PID";
        xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
            m_connection, xcb_intern_atom(m_connection, 0, uint16_t(std::strlen(name)), name),
            nullptr);
        m_pidAtom = atom ? atom->atom : 0;
        std::free(atom);
        const xcb_query_extension_reply_t *damage =
            xcb_get_extension_data(m_connection, &damage::extension);
        if (!damage || !damage->present)
            return;
        m_damageEvent = damage->first_event;
        damage::QueryVersion query = {0, 0, 0, 1, 1};
        std::free(xcb_wait_for_reply(
            m_connection, damage::send(m_connection, damage::kQueryVersion, query, false),
            nullptr));
        xcb_flush(m_connection);
        m_ok = true;
    }
    ~DisplayWatch() { xcb_disconnect(m_connection); }
    bool ok() const { return m_ok; }

    struct Shown {
        bool mapped = false;
        bool drawn = false;
        Clock::time_point mappedAt;
        Clock::time_point drawnAt;
    };
    // Waits until a window of the process is mapped, and then until the
    // process first draws into it: its first frame is on the screen. Every
    // new top-level window is watched from its creation, before it can be
    // drawn into. Stops at the deadline.
    Shown waitForFirstFrame(pid_t pid, Clock::time_point deadline)
    {
        Shown shown;
        xcb_window_t window = 0;
        while (Clock::now() < deadline && !shown.drawn) {
            xcb_generic_event_t *event = xcb_poll_for_event(m_connection);
            if (!event) {
                // Sleeps until the X server says something, so that the
                // watch takes no processor time from the program it times.
                pollfd connection = {xcb_get_file_descriptor(m_connection), POLLIN, 0};
                poll(&connection, 1, 5);
                continue;
            }
            const uint8_t type = event->response_type & 0x7F;
            if (type == XCB_CREATE_NOTIFY) {
                const auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event);
                if (created->parent == m_root) {
                    damage::Create create = {0,
                                             0,
                                             0,
                                             xcb_generate_id(m_connection),
                                             created->window,
                                             damage::kReportNonEmpty,
                                             {}};
                    damage::send(m_connection, damage::kCreate, create, true);
                    xcb_flush(m_connection);
                }
            } else if (type == XCB_MAP_NOTIFY && !shown.mapped) {
                const xcb_window_t mapped =
                    reinterpret_cast<xcb_map_notify_event_t *>(event)->window;
                if (windowPid(mapped) == pid) {
                    shown.mapped = true;
                    shown.mappedAt = Clock::now();
                    window = mapped;
                }
            } else if (type == m_damageEvent && shown.mapped &&
                       reinterpret_cast<damage::Notify *>(event)->drawable == window) {
                shown.drawn = true;
                shown.drawnAt = Clock::now();
            }
            std::free(event);
        }
        return shown;
    }

private:
    pid_t windowPid(xcb_window_t window)
    {
        xcb_get_property_reply_t *reply = xcb_get_property_reply(
            m_connection,
            xcb_get_property(m_connection, 0, window, m_pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr);
        pid_t pid = 0;
        if (reply && xcb_get_property_value_length(reply) == 4)
            pid = pid_t(*static_cast<uint32_t *>(xcb_get_property_value(reply)));
        std::free(reply);
        return pid;
    }

    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_root = 0;
    xcb_atom_t m_pidAtom = 0;
    uint8_t m_damageEvent = 0;
    bool m_ok = false;
};

bool runOnce(DisplayWatch &display, const std::vector<std::string> &command, const QString &folder,
             bool measureIdle, Sample &sample)
{
    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(folder.toLocal8Bit().constData()) != 0)
            _exit(127);
        std::vector<char *> args;
        for (const std::string &a : command)
            args.push_back(const_cast<char *>(a.c_str()));
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    const DisplayWatch::Shown shown =
        display.waitForFirstFrame(pid, start + std::chrono::seconds(20));
    const auto ms = [start](Clock::time_point at) {
        return std::chrono::duration<double, std::milli>(at - start).count();
    };
    sample.mappedMs = ms(shown.mappedAt);
    sample.frameMs = ms(shown.drawnAt);
    if (shown.drawn) {
        // Let the first frames be painted before reading the peak.
        usleep(500000);
        sample.peakKb = statusKb(pid, "VmHWM:");
        if (measureIdle) {
            const double before = cpuSeconds(pid);
            sleep(10);
            sample.idleCpuPercent = (cpuSeconds(pid) - before) / 10.0 * 100.0;
        }
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return shown.drawn;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The median of the rounds' own ratios: the three programs of a round start
// within a second of each other, so a round's ratio keeps out the machine's
// slower and faster spells that move all three alike.
double pairedRatio(const std::vector<double> &lesson, const std::vector<double> &yardstick)
{
    std::vector<double> ratios;
    for (std::size_t i = 0; i < lesson.size() && i < yardstick.size(); ++i)
        ratios.push_back(lesson[i] / yardstick[i]);
    return median(ratios);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc >= 2 && std::strcmp(argv[1], "--count") == 0)
        return countLessonWidgets(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: bench_process TEZOMAT BARE_WINDOW CONFIG.UFG [rounds]\n");
        return 2;
    }
    const std::string lesson = argv[1];
    const std::string bare = argv[2];
    // Start-up times on a busy machine swing by a tenth from run to run;
    // the median of 25 rounds holds still.
    const int rounds = argc > 4 ? std::max(1, std::atoi(argv[4])) : 25;

    // The widget counts, from a child process of our own.
    std::string self = argv[0];
    FILE *count = popen((self + " --count").c_str(), "r");
    int widgets = 0, edits = 0, lists = 0, frames = 0, windows = 0;
    if (!count ||
        std::fscanf(count, "%d %d %d %d %d", &widgets, &edits, &lists, &frames, &windows) != 5 ||
        widgets <= 0) {
        std::fprintf(stderr, "could not count the lesson's widgets\n");
        return 1;
    }
    pclose(count);
    // Two yardsticks: labels only, and the lesson's own kinds of widget.
    const std::vector<std::string> labels = {bare, std::to_string(widgets)};
    const std::vector<std::string> kinds = {bare,
                                            std::to_string(widgets),
                                            std::to_string(edits),
                                            std::to_string(lists),
                                            std::to_string(frames),
                                            std::to_string(windows)};

    QTemporaryDir folder;
    if (!QFile::copy(QString::fromLocal8Bit(argv[3]),
                     folder.filePath(QStringLiteral("TAVN7.UFG")))) {
        std::fprintf(stderr, "cannot copy %s\n", argv[3]);
        return 1;
    }
    DisplayWatch display;
    if (!display.ok()) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    struct Series {
        std::vector<double> mapped, frame, peak;
        Sample idle;
    };
    Series ofLesson, ofLabels, ofKinds;
    for (int round = 0; round < rounds; ++round) {
        // The idle measure is taken once, in the last round.
        const bool idle = round == rounds - 1;
        // Each program takes each place in the round in turn: the one that
        // starts while the X server still tears down the last one's window
        // is not always the same.
        std::vector<std::pair<const std::vector<std::string> *, Series *>> runs = {
            {nullptr, &ofLesson}, {&labels, &ofLabels}, {&kinds, &ofKinds}};
        std::rotate(runs.begin(), runs.begin() + round % 3, runs.end());
        for (const auto &[command, series] : runs) {
            Sample sample;
            if (!runOnce(display, command ? *command : std::vector<std::string>{lesson},
                         folder.path(), idle, sample)) {
                std::fprintf(stderr, "a window was not shown\n");
                return 1;
            }
            series->mapped.push_back(sample.mappedMs);
            series->frame.push_back(sample.frameMs);
            series->peak.push_back(double(sample.peakKb));
            if (idle)
                series->idle = sample;
        }
    }
    std::printf(
        "widgets: %d (%d text fields, %d lists, %d frames, %d windows); %d rounds, medians\n",
        widgets, edits, lists, frames, windows, rounds);
    const auto startUp = [&](const char *what, std::vector<double> Series::*times,
                             const char *goal) {
        const double lesson = median(ofLesson.*times);
        std::printf("start-up to %s: lesson %.1f ms; bare window of labels %.1f ms, ratio %.2f; "
                    "of the lesson's kinds %.1f ms, ratio %.2f%s\n",
                    what, lesson, median(ofLabels.*times), lesson / median(ofLabels.*times),
                    median(ofKinds.*times), lesson / median(ofKinds.*times), goal);
        std::printf("  median of the rounds' own ratios: against labels %.2f, against the "
                    "lesson's kinds %.2f\n",
                    pairedRatio(ofLesson.*times, ofLabels.*times),
                    pairedRatio(ofLesson.*times, ofKinds.*times));
    };
    startUp("first frame", &Series::frame, " (goal <= 1.10)");
    startUp("mapped window", &Series::mapped, "");
    std::printf("peak memory: lesson %.0f KiB; bare window of labels %.0f KiB, ratio %.2f; of the "
                "lesson's kinds %.0f KiB, ratio %.2f (goal <= 1.10)\n",
                median(ofLesson.peak), median(ofLabels.peak),
                median(ofLesson.peak) / median(ofLabels.peak), median(ofKinds.peak),
                median(ofLesson.peak) / median(ofKinds.peak));
    std::printf("idle CPU over 10 s: lesson %.2f %%; bare windows %.2f %% and %.2f %% of one core "
                "(goal < 1 %%)\n",
                ofLesson.idle.idleCpuPercent, ofLabels.idle.idleCpuPercent,
                ofKinds.idle.idleCpuPercent);
    return 0;
}
