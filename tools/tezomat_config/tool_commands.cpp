#include "tool_commands.h"

#include "config_source.h"
#include "core/configuration/configuration_file.h"
#include "core/content/code_page.h"
#include "core/content/lesson_loader.h"
#include "core/system/messages.h"
#include "core/tasks/text_scrambling.h"
#include "tool_text.h"

#include <QFile>
#include <QSaveFile>

#include <sys/stat.h>

namespace tezomat_config {

namespace {

// A source is a short text; anything far larger is not one.
constexpr qint64 kMaxSourceSize = 1 << 20;
// Lines to scramble come from the lesson's texts, a few hundred kilobytes.
constexpr qint64 kMaxInputSize = 16 << 20;

const QString kForce = QStringLiteral("--force");

// The identifier of the lesson built into this program ("TAVN7"): the one
// the lesson compares record 4 with.
std::optional<QString> lessonIdentifier(QTextStream &err)
{
    static const std::optional<QString> id = []() -> std::optional<QString> {
        const lesson::LoadResult loaded = lesson::loadLessonStore();
        if (!loaded.store)
            return std::nullopt;
        return loaded.store->lessonId();
    }();
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

// The file a path leads to, links followed.
bool statOf(const QString &path, struct stat &st)
{
    return ::stat(QFile::encodeName(path).constData(), &st) == 0;
}

std::optional<QString> readSource(const QString &path, QTextStream &err)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        err << QStringLiteral("Източникът %1 не може да бъде отворен.").arg(quoted(path)) << '\n';
        return std::nullopt;
    }
    const QByteArray bytes = file.read(kMaxSourceSize + 1);
    if (bytes.size() > kMaxSourceSize) {
        err << QStringLiteral("Източникът %1 е твърде голям за файл с настройки.").arg(quoted(path))
            << '\n';
        return std::nullopt;
    }
    QString fault;
    const std::optional<QString> text = decodeUtf8(bytes, &fault);
    if (!text)
        err << notUtf8Text(QStringLiteral("Източникът %1").arg(quoted(path)), fault) << '\n';
    return text;
}

// Whether bytes are a configuration file in the format: 600 bytes whose
// fields the lesson would read, whichever lesson they name. Fills why not.
bool holdsConfiguration(const QByteArray &bytes, QString &whyNot)
{
    const std::optional<lesson::ConfigFile> records = lesson::parseConfigurationRecords(bytes);
    if (!records) {
        whyNot = QStringLiteral("дължината му е %1 байта, а файлът с настройки е точно %2")
                     .arg(bytes.size())
                     .arg(lesson::kConfigFileSize);
        return false;
    }
    const lesson::ConfigRecord &identity = records->records[3];
    const lesson::ConfigReadResult read =
        lesson::readConfiguration(bytes, identity.labelLength > lesson::kConfigLabelCapacity
                                             ? QString()
                                             : lesson::DecodeRecordText(identity));
    if (read.messageCode != 0) {
        whyNot = QStringLiteral("има %1 байта, но полетата му са повредени: %2")
                     .arg(lesson::kConfigFileSize)
                     .arg(escapeControls(read.fault));
        return false;
    }
    return true;
}

// Why the target must not be written, or nothing when it may. Files are
// compared by device and inode, so a second spelling, a symbolic link or a
// hard link to the source is still the source.
std::optional<QString> targetRefusal(const QString &sourcePath, const QString &targetPath,
                                     bool force, const QString &lessonId)
{
    struct stat target {};
    if (!statOf(targetPath, target))
        return std::nullopt; // a new file; writing tells when it cannot be made
    struct stat source {};
    if (statOf(sourcePath, source) && source.st_dev == target.st_dev &&
        source.st_ino == target.st_ino) {
        return QStringLiteral("Отказано: %1 е самият източник %2, а записът би заменил текста на "
                              "настройките с двоичния файл. Посочете друго име за записа, "
                              "например %3.")
            .arg(quoted(targetPath), quoted(sourcePath), lessonId + QStringLiteral(".UFG"));
    }
    if (!S_ISREG(target.st_mode)) {
        return QStringLiteral("Отказано: %1 не е обикновен файл (а папка, устройство или канал). "
                              "Посочете име на файл, например %2.")
            .arg(quoted(targetPath), lessonId + QStringLiteral(".UFG"));
    }
    if (force)
        return std::nullopt;
    QFile existing(targetPath);
    QString whyNot = QStringLiteral("не може да бъде прочетен");
    if (existing.open(QIODevice::ReadOnly) &&
        holdsConfiguration(existing.read(lesson::kConfigFileSize + 1), whyNot))
        return std::nullopt;
    return QStringLiteral("Отказано: %1 вече съществува и не е файл с настройки (%2), затова не е "
                          "заменен. За да го замените все пак, повторете командата с %3.")
        .arg(quoted(targetPath), whyNot, kForce);
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
        "  tezomat-config scramble\n"
        "      кодира всеки ред от стандартния вход за урок с кодирани текстове\n"
        "  tezomat-config unscramble\n"
        "      връща четимия вид на всеки кодиран ред от стандартния вход\n"
        "  tezomat-config --help\n"
        "      показва този текст\n"
        "\n"
        "Урокът търси файла с настройки под името на урока с разширение .UFG\n"
        "(например TAVN7.UFG) в директорията, от която е стартиран.\n"
        "Образец на източник с обяснение на всяка настройка: config/TAVN7.ini.\n"
        "Управляващите знаци от файловете се показват като \\xNN.\n");
}

int writeConfigurationFile(const QString &sourcePath, const QString &targetPath, bool force,
                           QTextStream &out, QTextStream &err)
{
    const std::optional<QString> lessonId = lessonIdentifier(err);
    if (!lessonId)
        return 1;
    const std::optional<QString> source = readSource(sourcePath, err);
    if (!source)
        return 1;
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
    if ((command == QStringLiteral("scramble") || command == QStringLiteral("unscramble")) &&
        operands.isEmpty())
        return scrambleLines(command == QStringLiteral("scramble"), in, out, err);

    const bool known = QStringList{QStringLiteral("write"), QStringLiteral("show"),
                                   QStringLiteral("scramble"), QStringLiteral("unscramble")}
                           .contains(command);
    err << (known ? QStringLiteral("Командата %1 е с грешен брой аргументи.").arg(quoted(command))
                  : QStringLiteral("Непозната команда %1.").arg(quoted(command)))
        << "\n\n"
        << usageText();
    return 1;
}

} // namespace tezomat_config
