#include "class_report.h"

#include "core/content/code_page.h"
#include "core/tasks/answers_file.h"
#include "file_safety.h"
#include "tool_text.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <array>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tezomat_config {

namespace {

// Far more than a class types in a lesson: 22 tasks of a few pages each.
constexpr qint64 kMaxAnswersSize = 8 << 20;

const QByteArray kBom("\xEF\xBB\xBF");
const QByteArray kGenerator("<meta name=\"generator\" content=\"tezomat report\">");

// "Задача  N" exactly as the lesson writes it: no zero before the number.
int headingNumber(const QString &line)
{
    static const QRegularExpression pattern(QStringLiteral("^Задача  ([1-9][0-9]{0,2})$"));
    const QRegularExpressionMatch m = pattern.match(line);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

bool looksLikeHeading(const QString &line)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*задача\\s*[0-9]+\\s*$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern.match(line).hasMatch();
}

// The text of the file, or nothing when it is not text of either encoding
// the lesson writes (fault says why).
std::optional<QString> decodeAnswers(const QByteArray &bytes, QString &fault)
{
    if (bytes.startsWith(kBom)) {
        QString where;
        const std::optional<QString> text = decodeUtf8(bytes.mid(kBom.size()), &where);
        if (!text)
            fault = QStringLiteral("започва като UTF-8, но не е UTF-8 докрай (%1)").arg(where);
        return text;
    }
    const QString text = lesson::fromWindows1251(bytes);
    if (!text.startsWith(answersHeading())) {
        // Saved again by an editor that writes UTF-8 without the mark.
        const std::optional<QString> utf8 = decodeUtf8(bytes);
        if (utf8 && utf8->startsWith(answersHeading()))
            return utf8;
    }
    return text;
}

// Which candidate heading lines are the headings. candidates holds line
// indices in increasing order with their task numbers; a heading needs a
// line of answer after it and before the next heading. Returns the chosen
// positions in candidates, starting with the first, or nothing when even
// the first cannot be a heading.
std::optional<QList<int>> chooseHeadings(const QList<int> &lineOf, const QList<int> &numberOf,
                                         int lineCount, int lastTask)
{
    const int n = int(lineOf.size());
    // Walking back from the end, for every task number the longest run of
    // headings that can start with a candidate of that number, among the
    // candidates already passed that lie at least two lines further on. Of
    // equally long runs the one met first, the one further on, is kept.
    struct Best {
        int length = 0;
        int candidate = -1;
    };
    std::vector<Best> bestOfNumber(std::size_t(lastTask) + 2);
    std::vector<int> length(std::size_t(n), 0);
    std::vector<int> next(std::size_t(n), -1);
    int inserted = n; // candidates from here on are in bestOfNumber
    for (int i = n - 1; i >= 0; --i) {
        while (inserted > i + 1 && lineOf[inserted - 1] >= lineOf[i] + 2) {
            --inserted;
            if (length[std::size_t(inserted)] == 0)
                continue;
            Best &b = bestOfNumber[std::size_t(numberOf[inserted])];
            if (length[std::size_t(inserted)] > b.length)
                b = {length[std::size_t(inserted)], inserted};
        }
        if (lineOf[i] + 1 >= lineCount)
            continue; // nothing after it: no heading
        Best follow;
        for (int v = numberOf[i] + 1; v <= lastTask; ++v) {
            const Best &b = bestOfNumber[std::size_t(v)];
            if (b.length > follow.length ||
                (b.length == follow.length && b.length > 0 && b.candidate > follow.candidate))
                follow = b;
        }
        length[std::size_t(i)] = 1 + follow.length;
        next[std::size_t(i)] = follow.candidate;
    }
    if (n == 0 || lineOf[0] != 1 || length[0] == 0)
        return std::nullopt;
    QList<int> chosen;
    for (int i = 0; i >= 0; i = next[std::size_t(i)])
        chosen << i;
    return chosen;
}

// Control characters of a pupil's text shown as \xNN, tabs kept.
QString shownText(const QString &text)
{
    QStringList lines = text.split(QStringLiteral("\r\n"));
    for (QString &line : lines) {
        QStringList parts = line.split(QLatin1Char('\t'));
        for (QString &part : parts)
            part = escapeControls(part);
        line = parts.join(QLatin1Char('\t'));
    }
    return lines.join(QStringLiteral("\r\n"));
}

QString rowNote(const ReportRow &row)
{
    QStringList notes;
    switch (row.state) {
    case RowState::Answered:
        break;
    case RowState::NothingAnswered:
        notes << QStringLiteral("Във файла %1 няма въведени отговори.").arg(row.fileName);
        break;
    case RowState::NoFile:
        notes << QStringLiteral("Няма файл с отговори.");
        break;
    case RowState::NoFolder:
        notes << QStringLiteral("Няма такава папка.");
        break;
    case RowState::Damaged:
        break;
    }
    return (notes + row.notes).join(QLatin1Char(' '));
}

QString csvField(QString text)
{
    // A spreadsheet skips a leading tab or carriage return and reads a
    // formula after it.
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!text.isEmpty() && formulaStarts.contains(text.front()))
        text.prepend(QLatin1Char('\''));
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
        text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'))) {
        text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        return QLatin1Char('"') + text + QLatin1Char('"');
    }
    return text;
}

QString html(const QString &text)
{
    return text.toHtmlEscaped();
}

// Why a file of the given kind (st_mode) was not read, as a phrase.
QString unreadableBecause(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("е папка, а не обикновен файл");
    if (S_ISFIFO(mode))
        return QStringLiteral("е именуван канал, а не обикновен файл");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("е устройство, а не обикновен файл");
    if (S_ISSOCK(mode))
        return QStringLiteral("не е обикновен файл");
    return QStringLiteral("не може да бъде прочетен");
}

// The first bytes of an answers file, at most one more than an answers file
// holds. Only a regular file is read (links followed): opening a pipe would
// wait for a writer for ever, and a device may never end. The kind is looked
// at before opening and again on the descriptor, which is opened without
// waiting, so a pipe put in the file's place meanwhile is not read either.
std::optional<QByteArray> readRegularFile(const QString &path, QString &fault)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    int fd = -1;
    if (::stat(name.constData(), &st) == 0 && S_ISREG(st.st_mode))
        fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
        ::close(fd);
        fd = -1;
    }
    QFile file;
    if (fd >= 0 && !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        fd = -1;
    }
    if (fd < 0) {
        fault = unreadableBecause(st.st_mode);
        return std::nullopt;
    }
    return file.read(kMaxAnswersSize + 1);
}

} // namespace

// The names and the heading are the lesson's own.
const QString &answersFileName()
{
    static const QString name = lesson::answersFileName(0);
    return name;
}

const QString &scrambledAnswersFileName()
{
    static const QString name = lesson::answersFileName(1);
    return name;
}

const QString &answersHeading()
{
    static const QString heading = lesson::answersHeading();
    return heading;
}

AnswersRead readAnswersFile(const QByteArray &bytes, int lastTask)
{
    AnswersRead read;
    if (bytes.size() > kMaxAnswersSize) {
        read.fault = QStringLiteral("е по-голям от %1 MiB, а файл с отговори никога не е толкова "
                                    "голям")
                         .arg(kMaxAnswersSize >> 20);
        return read;
    }
    const std::optional<QString> text = decodeAnswers(bytes, read.fault);
    if (!text)
        return read;
    QString normalised = *text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = normalised.split(QLatin1Char('\n'));
    while (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast(); // the end of the last line, and empty lines after it
    if (lines.first() != answersHeading()) {
        read.fault = bytes.isEmpty()
                         ? QStringLiteral("е празен")
                         : QStringLiteral("не започва с реда „%1“").arg(answersHeading());
        return read;
    }
    if (lines.size() == 1) {
        read.answers = QList<TaskAnswer>();
        return read;
    }
    QList<int> lineOf;
    QList<int> numberOf;
    for (int i = 1; i < lines.size(); ++i) {
        const int t = headingNumber(lines.at(i));
        if (t >= 1 && t <= lastTask) {
            lineOf << i;
            numberOf << t;
        }
    }
    const std::optional<QList<int>> chosen =
        chooseHeadings(lineOf, numberOf, int(lines.size()), lastTask);
    if (!chosen) {
        const int t = headingNumber(lines.at(1));
        read.fault = t >= 1 && t <= lastTask
                         ? QStringLiteral("след реда „%1“ няма отговор").arg(lines.at(1))
                         : QStringLiteral("вторият му ред не е „Задача  N“ с номер на задача от "
                                          "1 до %1")
                               .arg(lastTask);
        return read;
    }
    QList<TaskAnswer> answers;
    for (qsizetype c = 0; c < chosen->size(); ++c) {
        const int first = lineOf[chosen->at(c)] + 1;
        const int end = c + 1 < chosen->size() ? lineOf[chosen->at(c + 1)] : int(lines.size());
        TaskAnswer answer;
        answer.task = numberOf[chosen->at(c)];
        const QStringList own = lines.mid(first, end - first);
        answer.text = own.join(QStringLiteral("\r\n"));
        for (const QString &line : own) {
            if (looksLikeHeading(line))
                answer.headingLikeLines << line;
        }
        answers << answer;
    }
    read.answers = answers;
    return read;
}

ClassReport buildClassReport(const QList<FolderFiles> &folders, const QString &topic, int lastTask)
{
    ClassReport report;
    report.topic = topic;
    QSet<int> tasks;
    for (const FolderFiles &folder : folders) {
        ReportRow row;
        row.folder = folder.folder;
        row.state = folder.exists ? RowState::NoFile : RowState::NoFolder;
        for (const FoundFile &file : folder.files) {
            if (row.state == RowState::Answered || row.state == RowState::NothingAnswered) {
                row.notes << QStringLiteral("Файлът %1 е записан по-рано и не е включен.")
                                 .arg(quoted(file.name));
                continue;
            }
            AnswersRead read;
            if (file.unreadable.isEmpty())
                read = readAnswersFile(file.bytes, lastTask);
            else
                read.fault = file.unreadable;
            if (!read.answers) {
                row.state = RowState::Damaged;
                row.notes << QStringLiteral("Файлът %1 е повреден и е пропуснат: %2.")
                                 .arg(quoted(file.name), read.fault);
                continue;
            }
            row.fileName = file.name;
            row.state = read.answers->isEmpty() ? RowState::NothingAnswered : RowState::Answered;
            for (const TaskAnswer &answer : *read.answers) {
                row.answers.insert(answer.task, shownText(answer.text));
                tasks.insert(answer.task);
                for (const QString &line : answer.headingLikeLines)
                    row.notes << QStringLiteral("Отговорът на задача %1 съдържа реда %2, прочетен "
                                                "като част от отговора.")
                                     .arg(answer.task)
                                     .arg(quoted(line));
            }
        }
        report.rows << row;
    }
    report.tasks = QList<int>(tasks.cbegin(), tasks.cend());
    std::sort(report.tasks.begin(), report.tasks.end());
    return report;
}

QByteArray reportHtml(const ClassReport &report)
{
    int answered = 0;
    int withoutFile = 0;
    int damaged = 0;
    for (const ReportRow &row : report.rows) {
        answered += row.state == RowState::Answered ? 1 : 0;
        withoutFile += row.state == RowState::NoFile || row.state == RowState::NoFolder ? 1 : 0;
        damaged += row.state == RowState::Damaged ? 1 : 0;
    }
    const QString title = QStringLiteral("Отговори на класа — %1").arg(html(report.topic));
    QString page;
    page +=
        QStringLiteral("<!DOCTYPE html>\n<html lang=\"bg\">\n<head>\n<meta charset=\"utf-8\">\n");
    page += QString::fromUtf8(kGenerator) + QLatin1Char('\n');
    page += QStringLiteral("<title>%1</title>\n").arg(title);
    page += QStringLiteral(
        "<style>\n"
        "body { font-family: 'DejaVu Sans', Arial, sans-serif; font-size: 11pt; color: #000; "
        "background: #fff; margin: 1em; }\n"
        "h1 { font-size: 16pt; margin: 0 0 0.3em 0; }\n"
        "p.summary { margin: 0 0 0.8em 0; }\n"
        "table { border-collapse: collapse; width: 100%; }\n"
        "th, td { border: 1px solid #555; padding: 4px 6px; vertical-align: top; "
        "text-align: left; }\n"
        "thead th { background: #e4e4e4; }\n"
        "tbody th { background: #f4f4f4; white-space: nowrap; }\n"
        ".answer { font-family: 'DejaVu Sans Mono', 'Courier New', monospace; font-size: 10pt; "
        "white-space: pre-wrap; }\n"
        ".note { font-weight: normal; font-size: 9pt; color: #333; white-space: normal; }\n"
        ".missing { color: #555; font-style: italic; }\n"
        "@page { size: landscape; margin: 1cm; }\n"
        "@media print { body { margin: 0; } thead { display: table-header-group; } "
        "tr { page-break-inside: avoid; } }\n"
        "</style>\n</head>\n<body>\n");
    page += QStringLiteral("<h1>%1</h1>\n").arg(title);
    page += QStringLiteral("<p class=\"summary\">Папки: %1; с отговори: %2; без файл с отговори: "
                           "%3; с повреден файл: %4.</p>\n")
                .arg(report.rows.size())
                .arg(answered)
                .arg(withoutFile)
                .arg(damaged);
    page += QStringLiteral("<table>\n<thead><tr><th>Папка</th>");
    for (const int t : report.tasks)
        page += QStringLiteral("<th>Задача %1</th>").arg(t);
    page += QStringLiteral("</tr></thead>\n<tbody>\n");
    const int columns = std::max<int>(1, int(report.tasks.size()));
    for (const ReportRow &row : report.rows) {
        const QString note = rowNote(row);
        page += QStringLiteral("<tr><th>%1").arg(html(escapeControls(row.folder)));
        if (!note.isEmpty() && row.state == RowState::Answered)
            page += QStringLiteral("<br><span class=\"note\">%1</span>").arg(html(note));
        page += QStringLiteral("</th>");
        if (row.state != RowState::Answered) {
            page += QStringLiteral("<td class=\"missing\" colspan=\"%1\">%2</td>")
                        .arg(columns)
                        .arg(html(note));
        } else {
            for (const int t : report.tasks) {
                const QString text = row.answers.value(t);
                page += text.isEmpty() ? QStringLiteral("<td></td>")
                                       : QStringLiteral("<td><div class=\"answer\">%1</div></td>")
                                             .arg(html(text).replace(QStringLiteral("\r\n"),
                                                                     QStringLiteral("<br>")));
            }
        }
        page += QStringLiteral("</tr>\n");
    }
    page += QStringLiteral("</tbody>\n</table>\n</body>\n</html>\n");
    return page.toUtf8();
}

QByteArray reportCsv(const ClassReport &report)
{
    QStringList header{QStringLiteral("Папка"), QStringLiteral("Бележка")};
    for (const int t : report.tasks)
        header << QStringLiteral("Задача %1").arg(t);
    QString csv = header.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    for (const ReportRow &row : report.rows) {
        QStringList fields{csvField(escapeControls(row.folder)), csvField(rowNote(row))};
        for (const int t : report.tasks)
            fields << csvField(row.answers.value(t));
        csv += fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return kBom + csv.toUtf8();
}

bool isClassReport(const QByteArray &head, bool html)
{
    if (html)
        return head.startsWith("<!DOCTYPE html>") && head.contains(kGenerator);
    return head.startsWith(kBom + QStringLiteral("Папка,Бележка").toUtf8());
}

QList<FolderFiles> readFolders(const QStringList &paths, QStringList *readPaths)
{
    QList<FolderFiles> folders;
    QStringList seen; // canonical paths
    QStringList given;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        const QString canonical = info.canonicalFilePath();
        if (!canonical.isEmpty() && seen.contains(canonical))
            continue;
        seen << canonical;
        given << path;
        FolderFiles folder;
        folder.exists = info.isDir();
        if (folder.exists) {
            QList<QPair<QDateTime, FoundFile>> found;
            // Folders, pipes and devices too: one of the lesson's names on
            // any of them is named in the report as a file not read.
            const QFileInfoList entries = QDir(path).entryInfoList(
                QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
            for (const QFileInfo &entry : entries) {
                const QString name = entry.fileName();
                if (name.compare(answersFileName(), Qt::CaseInsensitive) != 0 &&
                    name.compare(scrambledAnswersFileName(), Qt::CaseInsensitive) != 0)
                    continue;
                FoundFile one{name, QByteArray(), QString()};
                one.bytes =
                    readRegularFile(entry.filePath(), one.unreadable).value_or(QByteArray());
                if (readPaths)
                    *readPaths << entry.filePath();
                found.append({entry.lastModified(), one});
            }
            std::stable_sort(found.begin(), found.end(),
                             [](const auto &a, const auto &b) { return a.first > b.first; });
            for (const auto &[when, file] : found)
                folder.files << file;
        }
        folders << folder;
    }
    // Names: the folder's own, or the path as given where two names meet.
    QStringList names;
    for (const QString &path : given) {
        const QString cleaned = QDir::cleanPath(path);
        const QString name = QFileInfo(cleaned).fileName();
        names << (name.isEmpty() || name == QStringLiteral("..") ? cleaned : name);
    }
    for (qsizetype i = 0; i < folders.size(); ++i) {
        folders[i].folder = names.count(names.at(i)) > 1
                                ? QDir::toNativeSeparators(QDir::cleanPath(given.at(i)))
                                : names.at(i);
    }
    return folders;
}

ReportTargets checkReportTargets(const QString &htmlPath, const QString &csvPath,
                                 const QStringList &readPaths)
{
    ReportTargets targets;
    const QFileInfo html(htmlPath);
    const QFileInfo csv(csvPath);
    if (html.absoluteFilePath() == csv.absoluteFilePath() ||
        (html.exists() && html.canonicalFilePath() == csv.canonicalFilePath())) {
        targets.refusal = QStringLiteral("Страницата и таблицата трябва да са два различни файла, "
                                         "а и двете са %1.")
                              .arg(quoted(htmlPath));
        return targets;
    }
    const QList<std::pair<QString, WrittenKind>> files{{htmlPath, WrittenKind::HtmlReport},
                                                       {csvPath, WrittenKind::CsvReport}};
    for (const auto &[path, kind] : files) {
        const QString name = QFileInfo(path).fileName();
        if (name.compare(answersFileName(), Qt::CaseInsensitive) == 0 ||
            name.compare(scrambledAnswersFileName(), Qt::CaseInsensitive) == 0) {
            targets.refusal = QStringLiteral("Отчетът не се записва под името %1: така урокът "
                                             "нарича файла с отговорите на ученика.")
                                  .arg(quoted(name));
            return targets;
        }
        const TargetCheck check = checkTarget(path, kind, readPaths);
        switch (check.state) {
        case TargetState::Free:
            break;
        case TargetState::Protected:
            targets.refusal = QStringLiteral("%1 е файл с отговори, от които е направен "
                                             "отчетът; той не се променя.")
                                  .arg(quoted(path));
            return targets;
        case TargetState::NotPlainFile:
            targets.refusal = QStringLiteral("%1 не е обикновен файл (а папка, устройство или "
                                             "канал).")
                                  .arg(quoted(path));
            return targets;
        case TargetState::Foreign:
            targets.foreign
                << QStringLiteral("%1 вече съществува и %2.").arg(quoted(path), check.reason);
            break;
        }
    }
    return targets;
}

const QString &defaultHtmlName()
{
    static const QString name = QStringLiteral("otgowori-na-klasa.html");
    return name;
}

const QString &defaultCsvName()
{
    static const QString name = QStringLiteral("otgowori-na-klasa.csv");
    return name;
}

} // namespace tezomat_config
