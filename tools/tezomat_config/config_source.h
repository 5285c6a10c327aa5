#pragma once

#include "core/configuration/configuration_file.h"

#include <QString>

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

// Short Bulgarian meaning of mode flag k as the lesson reads it; empty for a
// flag the lesson does not use.
QString modeFlagMeaning(int k);

// Every field of a configuration file in Bulgarian, one item per line.
QString describeConfiguration(const lesson::ConfigFile &file);

} // namespace tezomat_config
