#pragma once

#include "core/content/content_store.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace lesson {

struct LoadResult {
    std::optional<ContentStore> store;
    QString error; // what is wrong and where, when store is empty
};

// How much of the lesson's text and picture files is read while loading.
enum class ContentCheck {
    // Every text file is decoded and every picture's header read, so that
    // a fault in any of them refuses the lesson.
    Whole,
    // Text and picture files are only looked up: the lesson compiled into
    // the program reads their bytes where they are first shown, and a
    // fault is found there (a text reads as far as it can, a picture shows
    // nothing). Meant for that lesson, whose files cannot change after the
    // build that was tested with a whole check; it keeps its pages of text
    // and pictures out of memory at start. Files in a folder on disk are
    // read at once but checked where they are shown as well.
    Lookup,
};

// Builds the content store from the lesson's resource folder: lesson.json
// names every element and either holds its items and text inline or points
// to a file beside it. Text files are UTF-8 with LF line ends; loaded texts
// carry CR LF. A list file holds one item per line.
// Anything malformed (bad JSON, an unknown element, an index outside its
// range, a missing file, a list file that cannot be decoded, and with a
// whole check also an undecodable text file, a CR in a file or a picture
// that is not a JPEG) is refused with an error naming the place.
LoadResult loadLessonStore(const QString &root = QStringLiteral(":/lesson"),
                           ContentCheck check = ContentCheck::Whole);

// The same from any source of files: the reader gives the bytes of a file
// named relative to the lesson's folder ("lesson.json", "points/1.txt"), or
// nothing when there is no such file.
using LessonFileReader = std::function<std::optional<QByteArray>(const QString &relative)>;
LoadResult loadLessonStore(const LessonFileReader &reader,
                           ContentCheck check = ContentCheck::Whole);

} // namespace lesson
