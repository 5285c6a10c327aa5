#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

namespace tezomat_config {

// At exit the lesson writes the pupil's answers into its folder under one
// of two names, chosen by mode flag 31 (off: the first, on: the second).
// The file is Windows-1251, or UTF-8 after a byte-order mark when a
// character does not fit; lines end in CR LF:
//
//   Има въведен текст по следните задачи:
//   Задача  3            ("Задача", a blank, and the number with its own
//   <answer to task 3>    leading blank), then the answer, over as many
//   Задача  7             lines as it has, up to the next such line
//   <answer to task 7>
const QString &answersFileName();          // "OTGOWORI.TXT"
const QString &scrambledAnswersFileName(); // "OTGOWOR2.TXT"
const QString &answersHeading(); // "Има въведен текст по следните задачи:"

struct TaskAnswer {
    int task = 0;
    QString text; // lines joined with CR LF, as typed
    // Lines of the text that read like a task's heading line: the pupil
    // typed them, or the file was edited by hand.
    QStringList headingLikeLines;
};

// A pupil may type a line that reads exactly like a task's heading, so the
// headings are told from such lines by what the lesson always does: it
// writes the tasks in increasing order, each number once, and after every
// heading at least one line of answer. Of all the ways to read the file
// that keep to this, the one with the most tasks is taken; between ways
// with as many, the one whose next heading comes later in the file. So a
// pupil's "Задача  9" inside the answer to task 3 stays text when the
// lesson's "Задача  5" follows; a line with a number a later heading could
// also have carries the ambiguity of the file itself and is read as a
// heading. Numbers above lastTask are never headings.
struct AnswersRead {
    std::optional<QList<TaskAnswer>> answers; // increasing tasks; empty: nothing answered
    QString fault; // why the bytes are no answers file, a Bulgarian phrase
};
AnswersRead readAnswersFile(const QByteArray &bytes, int lastTask);

// One folder of the class (one PC or one pupil) as found on disk.
struct FoundFile {
    QString name; // as on disk: OTGOWORI.TXT, otgowori.txt, ...
    QByteArray bytes;
    // Why it was not read ("е именуван канал, а не обикновен файл"); empty
    // when it was. Only regular files are read.
    QString unreadable;
};
struct FolderFiles {
    QString folder;     // as the report names it
    bool exists = true; // false: no such folder
    // The answers files found in it, the most recently written first; a
    // file larger than any answers file is cut after one byte too many.
    QList<FoundFile> files;
};

enum class RowState { Answered, NothingAnswered, NoFile, NoFolder, Damaged };

struct ReportRow {
    QString folder;
    RowState state = RowState::NoFile;
    QString fileName;           // the file the answers come from
    QMap<int, QString> answers; // task -> text
    QStringList notes;          // Bulgarian sentences for the teacher
};

struct ClassReport {
    QString topic;
    QList<int> tasks; // every task someone answered, increasing: one column each
    QList<ReportRow> rows;
};

// The report over the folders in their order. Of several answers files in
// one folder the most recent that is whole is taken; the others are named.
ClassReport buildClassReport(const QList<FolderFiles> &folders, const QString &topic, int lastTask);

// A self-contained page (inline style, no script, nothing fetched) that a
// browser shows and prints: every text taken from a file is escaped.
QByteArray reportHtml(const ClassReport &report);

// UTF-8 with a byte-order mark, one header row, one row per folder: fields
// quoted when they hold a comma, a quote or a line break (quotes doubled),
// lines ending in CR LF. A field that a spreadsheet would take for a
// formula (starting with "=", "+", "-", "@", a tab or a carriage return)
// gets a leading apostrophe.
QByteArray reportCsv(const ClassReport &report);

// Whether the first bytes of a file are a report this program wrote, so
// that writing a new one over it loses nothing else.
bool isClassReport(const QByteArray &head, bool html);

// Reads the answers files of the folders, changing nothing. Names in the
// report are the folders' own names, or the paths as given when two
// folders share a name; a folder given twice is read once. readPaths
// receives the path of every file read.
QList<FolderFiles> readFolders(const QStringList &paths, QStringList *readPaths = nullptr);

// Where the two report files are to go, checked before either is written.
// refusal: why they must not be written at all (the same file twice, a file
// the answers were read from, a folder, a file named like an answers file),
// in Bulgarian. foreign: one sentence per existing file that is no report of
// this program and would be replaced only when the teacher says so.
struct ReportTargets {
    QString refusal;
    QStringList foreign;
};
ReportTargets checkReportTargets(const QString &htmlPath, const QString &csvPath,
                                 const QStringList &readPaths);

// Default names of the report files, in the current folder.
const QString &defaultHtmlName(); // "otgowori-na-klasa.html"
const QString &defaultCsvName();  // "otgowori-na-klasa.csv"

} // namespace tezomat_config
