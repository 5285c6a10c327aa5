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

// Builds the content store from the lesson's resource folder: lesson.json
// names every element and either holds its items and text inline or points
// to a file beside it. Text files are UTF-8 with LF line ends; loaded texts
// carry CR LF. A list file holds one item per line.
// Anything malformed (bad JSON, an unknown element, an index outside its
// range, a missing or undecodable file, a CR in a file, a picture that is
// not a JPEG) is refused with an error naming the place.
LoadResult loadLessonStore(const QString &root = QStringLiteral(":/lesson"));

// The same from any source of files: the reader gives the bytes of a file
// named relative to the lesson's folder ("lesson.json", "points/1.txt"), or
// nothing when there is no such file.
using LessonFileReader = std::function<std::optional<QByteArray>(const QString &relative)>;
LoadResult loadLessonStore(const LessonFileReader &reader);

} // namespace lesson
