#pragma once

#include "core/configuration/configuration_file.h"
#include "support/files.h"
#include "support/scripted_platform.h"

namespace lesson::test {

// A configuration of this lesson: every flag off, nothing kept or offered.
inline ConfigFile lessonConfiguration()
{
    ConfigFile file;
    file.records[3].setLabel(QStringLiteral("TAVN7"));
    file.records[0].Count = 15;
    file.records[1].Count = 15;
    file.records[2].Count = 96;
    file.records[3].Count = 20091028;
    return file;
}

inline void setFlag(ConfigFile &file, int k, qint16 value)
{
    file.records[0].Values[std::size_t(k - 1)] = value;
}

inline void writeBytes(LessonRun &r, const QByteArray &bytes)
{
    QVERIFY(writeFile(r.path(QStringLiteral("TAVN7.UFG")), bytes));
}

inline void writeConfiguration(LessonRun &r, const ConfigFile &file)
{
    writeBytes(r, formatConfiguration(file));
}

} // namespace lesson::test
