#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace tezomat_config {

// The teacher's programs write three kinds of file: the 600-byte
// configuration file, its readable source and the class report. Before
// writing they look at what already stands at the target path, so that a
// slip of the name never destroys a source, a pupil's answers or anything
// else the teacher keeps.
enum class WrittenKind { Configuration, Source, HtmlReport, CsvReport };

enum class TargetState {
    Free,         // nothing there yet, or a file of the same kind: write
    Protected,    // one of the files the work was read from: never write
    NotPlainFile, // a folder, a device or a pipe: never write
    Foreign,      // a file of another kind: write only when the teacher says so
};

struct TargetCheck {
    TargetState state = TargetState::Free;
    // For Foreign, why the file is not of the kind written, as a phrase
    // ("дължината му е 12 байта, а ..."); for Protected, the protected path
    // as the caller gave it.
    QString reason;
};

// Looks at targetPath without changing it. Paths are compared by device and
// inode, so a second spelling, a symbolic link or a hard link to a
// protected file is still that file.
TargetCheck checkTarget(const QString &targetPath, WrittenKind kind,
                        const QStringList &protectedPaths = {});

// Whether bytes are a configuration file the lesson would read (whichever
// lesson it names); whyNot says what is wrong otherwise.
bool holdsConfiguration(const QByteArray &bytes, QString *whyNot = nullptr);

// Reads a configuration source: at most 1 MiB of UTF-8, whole. error is a
// Bulgarian sentence when nothing is returned.
std::optional<QString> readSourceFile(const QString &path, QString *error);

// Writes bytes to path in one piece (a temporary file renamed over it, so
// an interrupted write leaves the earlier file whole). Returns an empty text
// on success, otherwise a Bulgarian sentence naming the file and the reason.
QString saveWhole(const QString &path, const QByteArray &bytes);

} // namespace tezomat_config
