#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace tezomat_config {

// The commands of tezomat-config. Each returns the process exit code:
// 0 when done, 1 when anything was refused (the reason goes to err, in
// Bulgarian). Text taken from a file or from standard input is printed
// with its control characters escaped.

// arguments without the program name; no arguments or --help print the usage.
// Standard input is read from in's device as bytes when it has one.
int runTool(const QStringList &arguments, QTextStream &in, QTextStream &out, QTextStream &err);

QString usageText();

// Reads the UTF-8 source and writes the 600-byte file through QSaveFile.
// The source itself is never written over, whatever its name or link; an
// existing file that is not a configuration file is replaced only when
// force is set, and anything but a plain file never.
int writeConfigurationFile(const QString &sourcePath, const QString &targetPath, bool force,
                           QTextStream &out, QTextStream &err);

// Says whether the lesson accepts the file (or which message it shows
// instead), then prints every field.
int showConfigurationFile(const QString &path, QTextStream &out, QTextStream &err);

// Reads the lesson's answers files in the folders (one folder per PC or
// pupil) and writes the class report as a page and a table; nothing in the
// folders is changed. Both targets are checked before either is written;
// an existing file that is no report of this program is replaced only when
// force is set.
int writeClassReport(const QStringList &folders, const QString &htmlPath, const QString &csvPath,
                     bool force, QTextStream &out, QTextStream &err);

// Scrambles (or unscrambles) every line of in onto out.
int scrambleLines(bool scramble, QTextStream &in, QTextStream &out, QTextStream &err);

} // namespace tezomat_config
