#pragma once

#include "core/configuration/configuration_file.h"
#include "lesson_facts.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

namespace tezomat_config {

// The teacher's readable source of a configuration file: UTF-8, INI-like.
//
//   [урок]     идентификатор, версия (0.96) or версия_стотни (96), дата (ГГГГММДД)
//   [режими]   N = 0 or 1 for mode flag N (1 to 40); flags not named are 0
//   [задачи]   задачи_запазени, задачи_предложени (0 to 40), and per task
//              N = ниво, време за упътване, общо време
//   [точки]    N = reading factor of plan point N, hundredths of a second per character
//   [надписи]  N = short label of record N (1, 2, 3, 5, 6; record 4 carries the identifier)
//
// '#' and ';' start a comment anywhere on a line; blanks around keys and
// values do not count; keys ignore letter case and take a blank for '_'.
struct SourceResult {
    std::optional<lesson::ConfigFile> file;
    int errorLine = 0; // 1-based; 0 when the fault belongs to no single line
    QString error;     // Bulgarian

    // "ред 12: ..." or the bare error when it has no line.
    QString errorText() const;
};

SourceResult parseConfigSource(const QString &source);

// The commented sample source this program carries (config/TAVN7.ini of the
// source tree): every setting with its explanation, everything switched on.
QByteArray sampleSource();

// The ranges a source accepts, and with them the teacher's window.
constexpr int kLevelMin = 1;
constexpr int kLevelMax = 9;
constexpr int kTimeMax = 32767;   // hint and total times, in the level's unit
constexpr int kFactorMax = 32767; // reading factors, hundredths of a second per character
constexpr int kTaskCountMax = lesson::kConfigValueCount;
constexpr qint32 kVersionMax = 2147483647; // hundredths

// Brings every field a source carries into the source's ranges, the way
// the lesson reads it where it reads it at all: a flag of 3 becomes 1 and
// one of -1 becomes 0; a level is the lesson's last digit, below 1 raised
// to 1; negative times and factors become 0 and a hint after the end of its
// task comes at the end; more tasks offered than kept become the number
// kept; a date that is no calendar day becomes today. Returns one Bulgarian
// sentence per kind of change, nothing when the file was within range.
QStringList fitIntoSourceRanges(lesson::ConfigFile &file, QDate today = QDate::currentDate());

// The commented source of a file: every setting the lesson reads with its
// meaning for this lesson (point titles and text lengths, task kinds,
// times in minutes). Parsing the text gives the file back, fitted into
// the source's ranges; record 5's count and record 6's numbers, which the
// lesson never reads, and labels a source cannot hold are left out.
QString formatConfigSource(const lesson::ConfigFile &file, const LessonFacts &facts);

// Short Bulgarian meaning of mode flag k as the lesson reads it; empty for a
// flag the lesson does not use.
QString modeFlagMeaning(int k);

// Every field of a configuration file in Bulgarian, one item per line.
QString describeConfiguration(const lesson::ConfigFile &file);

} // namespace tezomat_config
