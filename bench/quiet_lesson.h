#pragma once

#include "core/content/lesson_loader.h"
#include "core/system/platform.h"
#include "gui/lesson.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

namespace lesson::bench {

// The desktop for the benchmarks: no box ever waits for an answer, the
// lesson runs from a fixed disk, the clipboard and the end are left alone.
class SilentPlatform : public Platform {
public:
    bool showMessage(const MessageSpec &) override { return false; }
    quint8 currentDriveType() override { return DriveFixed; }
    void clearClipboard() override {}
    QStringList screenFonts() override { return {}; }
    void quit() override {}
};

// A run of the lesson on the quiet desktop, its content adjusted first when
// the benchmark needs it. A lesson that does not load ends the benchmark.
inline std::unique_ptr<Lesson> quietLesson(SilentPlatform &platform,
                                           const std::function<void(ContentStore &)> &adjust = {})
{
    LoadResult loaded = loadLessonStore();
    if (!loaded.store) {
        std::fprintf(stderr, "the lesson does not load: %s\n", qPrintable(loaded.error));
        std::exit(1);
    }
    if (adjust)
        adjust(*loaded.store);
    return std::make_unique<Lesson>(std::move(*loaded.store), platform);
}

} // namespace lesson::bench
