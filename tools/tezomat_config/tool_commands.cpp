#include "tool_commands.h"

#include "class_report.h"
#include "config_source.h"
#include "core/configuration/configuration_file.h"
#include "core/content/code_page.h"
#include "core/content/lesson_loader.h"
#include "core/system/messages.h"
#include "core/tasks/text_scrambling.h"
#include "file_safety.h"
#include "lesson_facts.h"
#include "tool_text.h"

#include <QFile>
#include <QSaveFile>

namespace tezomat_config {

namespace {

// Lines to scramble come from the lesson's texts, a few hundred kilobytes.
constexpr qint64 kMaxInputSize = 16 << 20;

const QString kForce = QStringLiteral("--force");

// The identifier of the lesson built into this program ("TAVN7"): the one
// the lesson compares record 4 with.
std::optional<QString> lessonIdentifier(QTextStream &err)
{
    const std::optional<QString> id = builtInLessonId();
    if (!id)
        err << QStringLiteral("Данните на урока в програмата са повредени; „show“ и „write“ не "
                              "могат да сравнят файла с урока.")
            << '\n';
    return id;
}

// What the lesson does with the file: starts with it, or shows message 1
// or 3 and starts without it. The fault may quote the file's own label.
QString lessonVerdict(const lesson::ConfigReadResult &read, const QString &lessonId)
{
    if (read.messageCode == 0)
        return QStringLiteral("Урокът %1 ще приеме този файл.").arg(quoted(lessonId));
    // The message box's first line is its code, the second what it says.
    const QString message = lesson::lessonWindowMessage(read.messageCode)
                                .text.section(QStringLiteral("\r\n"), 1, 1)
                                .trimmed();
    return QStringLiteral("Урокът %1 ще откаже този файл и ще покаже съобщение %2 (%3): %4")
        .arg(quoted(lessonId))
        .arg(read.messageCode)
        .arg(quoted(message), escapeControls(read.fault));
}

// Why the target must not be written, or nothing when it may.
std::optional<QString> targetRefusal(const QString &sourcePath, const QString &targetPath,
                                     bool force, const QString &lessonId)
{
    const TargetCheck check =
        checkTarget(targetPath, WrittenKind::Configuration, QStringList{sourcePath});
    switch (check.state) {
    case TargetState::Free:
        return std::nullopt;
    case TargetState::Protected:
        return QStringLiteral("Отказано: %1 е самият източник %2, а записът би заменил текста на "
                              "настройките с двоичния файл. Посочете друго име за записа, "
                              "например %3.")
            .arg(quoted(targetPath), quoted(sourcePath), lessonId + QStringLiteral(".UFG"));
    case TargetState::NotPlainFile:
        return QStringLiteral("Отказано: %1 не е обикновен файл (а папка, устройство или канал). "
                              "Посочете име на файл, например %2.")
            .arg(quoted(targetPath), lessonId + QStringLiteral(".UFG"));
    case TargetState::Foreign:
        break;
    }
    if (force)
        return std::nullopt;
    return QStringLiteral("Отказано: %1 вече съществува и не е файл с настройки (%2), затова не е "
                          "заменен. За да го замените все пак, повторете командата с %3.")
        .arg(quoted(targetPath), check.reason, kForce);
}

// A hint for an identifier that is this lesson's in all but form.
QString identifierHint(const QString &identifier, const QString &lessonId)
{
    if (identifier.compare(lessonId, Qt::CaseInsensitive) == 0) {
        return QStringLiteral("Разликата е само в малки и главни букви: напишете „идентификатор "
                              "= %1“.")
            .arg(lessonId);
    }
    static const QString quotes = QStringLiteral("\"'`„“”‘’‚«»");
    QString bare = identifier;
    while (!bare.isEmpty() && quotes.contains(bare.front()))
        bare.remove(0, 1);
    while (!bare.isEmpty() && quotes.contains(bare.back()))
        bare.chop(1);
    if (bare != identifier && bare.compare(lessonId, Qt::CaseInsensitive) == 0) {
        return QStringLiteral("Махнете кавичките: напишете „идентификатор = %1“.").arg(lessonId);
    }
    return QString();
}

// Standard input as text: bytes from the stream's device, checked as
// UTF-8; a stream over a text hands that text over as it is.
std::optional<QString> readInput(QTextStream &in, QTextStream &err)
{
    QIODevice *device = in.device();
    if (!device)
        return in.readAll();
    QByteArray bytes;
    char chunk[65536];
    qint64 got = 0;
    while ((got = device->read(chunk, sizeof chunk)) > 0) {
        bytes.append(chunk, got);
        if (bytes.size() > kMaxInputSize) {
            err << QStringLiteral("Входът е по-голям от %1 MiB; подайте текстовете на части.")
                       .arg(kMaxInputSize >> 20)
                << '\n';
            return std::nullopt;
        }
    }
    QString fault;
    const std::optional<QString> text = decodeUtf8(bytes, &fault);
    if (!text)
        err << notUtf8Text(QStringLiteral("Входът"), fault) << '\n';
    return text;
}

// Lines as a text editor shows them: LF or CR LF ends a line, and a final
// line end starts no further line.
QStringList inputLines(const QString &text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return lines;
}

// The first character the code page cannot hold (a surrogate pair whole), or nothing.
QString firstForeignCharacter(const QString &line)
{
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (lesson::windows1251Code(line.at(i)) >= 0)
            continue;
        const bool pair =
            line.at(i).isHighSurrogate() && i + 1 < line.size() && line.at(i + 1).isLowSurrogate();
        return line.mid(i, pair ? 2 : 1);
    }
    return QString();
}

} // namespace

QString usageText()
{
    return QStringLiteral(
        "tezomat-config — файлът с настройки на електронния урок\n"
        "\n"
        "Употреба:\n"
        "  tezomat-config write [--force] ИЗТОЧНИК ФАЙЛ.UFG\n"
        "      записва файла с настройки по текстовия източник (UTF-8);\n"
        "      съществуващ файл, който не е файл с настройки, се заменя само с --force;\n"
        "      самият източник никога не се записва\n"
        "  tezomat-config show ФАЙЛ.UFG\n"
        "      казва дали урокът ще приеме файла и показва всичко, което съдържа\n"
        "  tezomat-config report [--html СТРАНИЦА] [--csv ТАБЛИЦА] [--force] ПАПКА...\n"
        "      събира отговорите на класа: чете файловете OTGOWORI.TXT и OTGOWOR2.TXT,\n"
        "      които урокът записва при изход, от всяка папка (по една за компютър или\n"
        "      ученик) и записва отчет — страница за четене и печат (по подразбиране\n"
        "      otgowori-na-klasa.html) и таблица за електронна таблица (по подразбиране\n"
        "      otgowori-na-klasa.csv); папките не се променят; съществуващ файл, който не\n"
        "      е такъв отчет, се заменя само с --force\n"
        "  tezomat-config sample\n"
        "      извежда образеца на източник, в който всичко е включено\n"
        "  tezomat-config scramble\n"
        "      кодира всеки ред от стандартния вход за урок с кодирани текстове\n"
        "  tezomat-config unscramble\n"
        "      връща четимия вид на всеки кодиран ред от стандартния вход\n"
        "  tezomat-config --help\n"
        "      показва този текст\n"
        "\n"
        "Урокът търси файла с настройки под името на урока с разширение .UFG\n"
        "(например TAVN7.UFG) в директорията, от която е стартиран.\n"
        "Образец на източник с обяснение на всяка настройка дава\n"
        "  tezomat-config sample > моят-урок.ini\n"
        "Управляващите знаци от файловете се показват като \\xNN.\n");
}

int writeConfigurationFile(const QString &sourcePath, const QString &targetPath, bool force,
                           QTextStream &out, QTextStream &err)
{
    const std::optional<QString> lessonId = lessonIdentifier(err);
    if (!lessonId)
        return 1;
    QString readError;
    const std::optional<QString> source = readSourceFile(sourcePath, &readError);
    if (!source) {
        err << readError << '\n';
        return 1;
    }
    const SourceResult parsed = parseConfigSource(*source);
    if (!parsed.file) {
        err << escapeControls(sourcePath) << QStringLiteral(", ") << parsed.errorText() << '\n';
        return 1;
    }
    if (const std::optional<QString> refusal =
            targetRefusal(sourcePath, targetPath, force, *lessonId)) {
        err << *refusal << '\n';
        return 1;
    }
    const QByteArray bytes = lesson::formatConfiguration(*parsed.file);
    QSaveFile target(targetPath);
    if (!target.open(QIODevice::WriteOnly) || target.write(bytes) != bytes.size() ||
        !target.commit()) {
        err << QStringLiteral("Файлът %1 не може да бъде записан (проверете дали папката "
                              "съществува и позволява запис).")
                   .arg(quoted(targetPath))
            << '\n';
        return 1;
    }
    const QString identifier = lesson::DecodeRecordText(parsed.file->records[3]);
    out << QStringLiteral("Записан е %1 за урок %2.").arg(quoted(targetPath), quoted(identifier))
        << '\n';
    // A teacher may prepare a file for another lesson, so this only warns.
    const lesson::ConfigReadResult read = lesson::readConfiguration(bytes, *lessonId);
    if (read.messageCode != 0) {
        const QString hint = identifierHint(identifier, *lessonId);
        QString verdict = lessonVerdict(read, *lessonId);
        verdict[0] = verdict.at(0).toLower();
        err << QStringLiteral("Внимание: ") << verdict
            << (hint.isEmpty() ? QString() : QLatin1Char(' ') + hint)
            << QStringLiteral(" Файлът е записан, в случай че е за друг урок.") << '\n';
    }
    return 0;
}

int showConfigurationFile(const QString &path, QTextStream &out, QTextStream &err)
{
    const std::optional<QString> lessonId = lessonIdentifier(err);
    if (!lessonId)
        return 1;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        err << QStringLiteral("Файлът %1 не може да бъде отворен.").arg(quoted(path)) << '\n';
        return 1;
    }
    // Judged by the lesson's own reader against the lesson's identifier.
    const QByteArray bytes = file.read(lesson::kConfigFileSize + 1);
    const lesson::ConfigReadResult read = lesson::readConfiguration(bytes, *lessonId);
    const QString verdict = lessonVerdict(read, *lessonId);
    if (read.messageCode != 0) {
        // Before anything read from the file, so that a damaged label is
        // known as damaged before any text taken from it.
        err << verdict << '\n';
        err.flush();
    } else {
        out << verdict << '\n';
    }
    const std::optional<lesson::ConfigFile> records = lesson::parseConfigurationRecords(bytes);
    if (records) {
        out << QStringLiteral("Файл с настройки %1 (%2 байта)").arg(quoted(path)).arg(bytes.size())
            << '\n'
            << describeConfiguration(*records);
    }
    return read.messageCode == 0 ? 0 : 1;
}

int writeClassReport(const QStringList &folders, const QString &htmlPath, const QString &csvPath,
                     bool force, QTextStream &out, QTextStream &err)
{
    const std::optional<LessonFacts> &lesson = builtInLesson();
    if (!lesson) {
        err << QStringLiteral("Данните на урока в програмата са повредени; отчетът не може да "
                              "бъде направен.")
            << '\n';
        return 1;
    }
    QStringList readPaths;
    const QList<FolderFiles> found = readFolders(folders, &readPaths);
    const ReportTargets targets = checkReportTargets(htmlPath, csvPath, readPaths);
    if (!targets.refusal.isEmpty()) {
        err << QStringLiteral("Отказано: ") << targets.refusal
            << QStringLiteral(" Нищо не е записано.") << '\n';
        return 1;
    }
    if (!targets.foreign.isEmpty() && !force) {
        for (const QString &sentence : targets.foreign)
            err << QStringLiteral("Отказано: ") << sentence << '\n';
        err << QStringLiteral("Нищо не е записано. Посочете други имена с --html и --csv или "
                              "повторете командата с %1.")
                   .arg(kForce)
            << '\n';
        return 1;
    }
    const ClassReport report = buildClassReport(found, lesson->topic, lesson->catalogueSize);
    for (const ReportRow &row : report.rows) {
        QStringList tasks;
        for (auto it = row.answers.cbegin(); it != row.answers.cend(); ++it)
            tasks << QString::number(it.key());
        QString state;
        switch (row.state) {
        case RowState::Answered:
            state = QStringLiteral("отговори на задачи %1").arg(tasks.join(QStringLiteral(", ")));
            break;
        case RowState::NothingAnswered:
            state = QStringLiteral("няма въведени отговори");
            break;
        case RowState::NoFile:
            state = QStringLiteral("няма файл с отговори");
            break;
        case RowState::NoFolder:
            state = QStringLiteral("няма такава папка");
            break;
        case RowState::Damaged:
            state = QStringLiteral("повреден файл");
            break;
        }
        out << escapeControls(row.folder) << QStringLiteral(": ") << state << '\n';
        for (const QString &note : row.notes)
            out << QStringLiteral("    ") << note << '\n';
    }
    for (const auto &[path, bytes] :
         {std::pair{htmlPath, reportHtml(report)}, std::pair{csvPath, reportCsv(report)}}) {
        const QString failure = saveWhole(path, bytes);
        if (!failure.isEmpty()) {
            err << failure << '\n';
            return 1;
        }
    }
    out << QStringLiteral("Записани са %1 (за четене и печат) и %2 (за електронна таблица).")
               .arg(quoted(htmlPath), quoted(csvPath))
        << '\n';
    return 0;
}

int scrambleLines(bool scramble, QTextStream &in, QTextStream &out, QTextStream &err)
{
    const std::optional<QString> input = readInput(in, err);
    if (!input)
        return 1;
    const QStringList lines = inputLines(*input);
    if (scramble) {
        // A scrambled control character can come out as a line end (a bell
        // in first place becomes LF) or as a terminal command, and the line
        // would not come back whole.
        bool refused = false;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (const std::optional<char32_t> c = firstControl(lines.at(i))) {
                err << QStringLiteral("ред %1: управляващият знак %2 не може да бъде кодиран; "
                                      "махнете го от реда.")
                           .arg(i + 1)
                           .arg(quoted(QString(QChar(*c))))
                    << '\n';
                refused = true;
            }
        }
        if (refused) {
            err << QStringLiteral("Нищо не е кодирано.") << '\n';
            return 1;
        }
    }
    int status = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        const QString foreign = firstForeignCharacter(line);
        if (!foreign.isEmpty()) {
            err << QStringLiteral("ред %1: знакът %2 не е от кодовата таблица Windows-1251 и "
                                  "е заменен с „?“.")
                       .arg(i + 1)
                       .arg(quoted(foreign))
                << '\n';
            status = 1;
        }
        // A scrambled line is data for the lesson and goes out as it is; a
        // readable one is for reading.
        out << (scramble ? lesson::scrambleText(line)
                         : escapeControls(lesson::unscrambleText(line)))
            << '\n';
    }
    return status;
}

namespace {

// report [--html FILE] [--csv FILE] [--force] FOLDER...
int runReport(const QStringList &operands, QTextStream &out, QTextStream &err)
{
    QString htmlPath = defaultHtmlName();
    QString csvPath = defaultCsvName();
    bool force = false;
    QStringList folders;
    for (qsizetype i = 0; i < operands.size(); ++i) {
        const QString &word = operands.at(i);
        if (word == kForce) {
            force = true;
        } else if (word == QStringLiteral("--html") || word == QStringLiteral("--csv")) {
            if (i + 1 >= operands.size()) {
                err << QStringLiteral("След %1 трябва да стои име на файл.").arg(word) << "\n\n"
                    << usageText();
                return 1;
            }
            (word == QStringLiteral("--html") ? htmlPath : csvPath) = operands.at(++i);
        } else if (word.startsWith(QStringLiteral("--html="))) {
            htmlPath = word.mid(7);
        } else if (word.startsWith(QStringLiteral("--csv="))) {
            csvPath = word.mid(6);
        } else if (word.startsWith(QStringLiteral("--"))) {
            err << QStringLiteral("Непознат избор %1.").arg(quoted(word)) << "\n\n" << usageText();
            return 1;
        } else {
            folders << word;
        }
    }
    if (folders.isEmpty() || htmlPath.isEmpty() || csvPath.isEmpty()) {
        err << QStringLiteral("Командата „report“ иска поне една папка с отговори.") << "\n\n"
            << usageText();
        return 1;
    }
    return writeClassReport(folders, htmlPath, csvPath, force, out, err);
}

} // namespace

int runTool(const QStringList &arguments, QTextStream &in, QTextStream &out, QTextStream &err)
{
    const QString command = arguments.value(0);
    QStringList operands = arguments.mid(1);
    if (arguments.isEmpty() || command == QStringLiteral("--help") ||
        command == QStringLiteral("-h") || command == QStringLiteral("help")) {
        out << usageText();
        return 0;
    }
    if (command == QStringLiteral("write")) {
        const bool force = operands.removeAll(kForce) > 0;
        if (operands.size() == 2)
            return writeConfigurationFile(operands.at(0), operands.at(1), force, out, err);
    }
    if (command == QStringLiteral("show") && operands.size() == 1)
        return showConfigurationFile(operands.at(0), out, err);
    if (command == QStringLiteral("report"))
        return runReport(operands, out, err);
    if (command == QStringLiteral("sample") && operands.isEmpty()) {
        out << QString::fromUtf8(sampleSource());
        return 0;
    }
    if ((command == QStringLiteral("scramble") || command == QStringLiteral("unscramble")) &&
        operands.isEmpty())
        return scrambleLines(command == QStringLiteral("scramble"), in, out, err);

    const bool known = QStringList{QStringLiteral("write"),    QStringLiteral("show"),
                                   QStringLiteral("scramble"), QStringLiteral("unscramble"),
                                   QStringLiteral("report"),   QStringLiteral("sample")}
                           .contains(command);
    err << (known ? QStringLiteral("Командата %1 е с грешен брой аргументи.").arg(quoted(command))
                  : QStringLiteral("Непозната команда %1.").arg(quoted(command)))
        << "\n\n"
        << usageText();
    return 1;
}

} // namespace tezomat_config
