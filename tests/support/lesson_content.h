#pragma once

#include "core/content/lesson_loader.h"

namespace lesson::test {

// The lesson's own content, loaded once per test executable.
inline const ContentStore &lessonContent()
{
    static const ContentStore store = [] {
        LoadResult loaded = loadLessonStore();
        if (!loaded.store)
            qFatal("the lesson does not load: %s", qPrintable(loaded.error));
        return *loaded.store;
    }();
    return store;
}

} // namespace lesson::test
