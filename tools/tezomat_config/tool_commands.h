#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace tezomat_config {

// The commands of tezomat-config. Each returns the process exit code:
// 0 when done, 1 when anything was refused (the reason goes to err, in
// Bulgarian).

// arguments without the program name; no arguments or --help print the usage.
int runTool(const QStringList &arguments, QTextStream &in, QTextStream &out, QTextStream &err);

QString usageText();

// Reads the UTF-8 source and writes the 600-byte file through QSaveFile.
int writeConfigurationFile(const QString &sourcePath, const QString &targetPath, QTextStream &out,
                           QTextStream &err);

// Prints every field of a configuration file.
int showConfigurationFile(const QString &path, QTextStream &out, QTextStream &err);

// Scrambles (or unscrambles) every line of in onto out.
int scrambleLines(bool scramble, QTextStream &in, QTextStream &out, QTextStream &err);

} // namespace tezomat_config
