#include "tool_commands.h"

#include "config_source.h"
#include "core/configuration/configuration_file.h"
#include "core/content/code_page.h"
#include "core/tasks/text_scrambling.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace tezomat_config {

namespace {

// A source is a short text; anything far larger is not one.
constexpr qint64 kMaxSourceSize = 1 << 20;

QString quoted(const QString &text)
{
    return QStringLiteral("„%1“").arg(text);
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
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    if (decoder.hasError()) {
        err << QStringLiteral("Източникът %1 не е записан в UTF-8; запишете го отново с "
                              "кодиране UTF-8.")
                   .arg(quoted(path))
            << '\n';
        return std::nullopt;
    }
    return text;
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
        "  tezomat-config write ИЗТОЧНИК ФАЙЛ.UFG\n"
        "      записва файла с настройки по текстовия източник (UTF-8)\n"
        "  tezomat-config show ФАЙЛ.UFG\n"
        "      показва всичко, което съдържа файлът с настройки\n"
        "  tezomat-config scramble\n"
        "      кодира всеки ред от стандартния вход за урок с кодирани текстове\n"
        "  tezomat-config unscramble\n"
        "      връща четимия вид на всеки кодиран ред от стандартния вход\n"
        "  tezomat-config --help\n"
        "      показва този текст\n"
        "\n"
        "Урокът търси файла с настройки под името на урока с разширение .UFG\n"
        "(например TAVN7.UFG) в директорията, от която е стартиран.\n"
        "Образец на източник с обяснение на всяка настройка: config/TAVN7.ini.\n");
}

int writeConfigurationFile(const QString &sourcePath, const QString &targetPath, QTextStream &out,
                           QTextStream &err)
{
    const std::optional<QString> source = readSource(sourcePath, err);
    if (!source)
        return 1;
    const SourceResult parsed = parseConfigSource(*source);
    if (!parsed.file) {
        err << sourcePath << QStringLiteral(", ") << parsed.errorText() << '\n';
        return 1;
    }
    QSaveFile target(targetPath);
    const QByteArray bytes = lesson::formatConfiguration(*parsed.file);
    if (!target.open(QIODevice::WriteOnly) || target.write(bytes) != bytes.size() ||
        !target.commit()) {
        err << QStringLiteral("Файлът %1 не може да бъде записан (проверете дали папката "
                              "съществува и позволява запис).")
                   .arg(quoted(targetPath))
            << '\n';
        return 1;
    }
    out << QStringLiteral("Записан е %1 за урок %2.")
               .arg(quoted(targetPath), quoted(lesson::DecodeRecordText(parsed.file->records[3])))
        << '\n';
    return 0;
}

int showConfigurationFile(const QString &path, QTextStream &out, QTextStream &err)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        err << QStringLiteral("Файлът %1 не може да бъде отворен.").arg(quoted(path)) << '\n';
        return 1;
    }
    if (file.size() != lesson::kConfigFileSize) {
        err << QStringLiteral("%1 не е файл с настройки: дължината му е %2 байта, а трябва да е "
                              "точно %3.")
                   .arg(quoted(path))
                   .arg(file.size())
                   .arg(lesson::kConfigFileSize)
            << '\n';
        return 1;
    }
    const QByteArray bytes = file.read(lesson::kConfigFileSize + 1);
    const std::optional<lesson::ConfigFile> records = lesson::parseConfigurationRecords(bytes);
    if (!records) {
        err << QStringLiteral("Файлът %1 се промени по време на четенето.").arg(quoted(path))
            << '\n';
        return 1;
    }
    out << QStringLiteral("Файл с настройки %1 (%2 байта)").arg(quoted(path)).arg(bytes.size())
        << '\n'
        << describeConfiguration(*records);
    // Checked against its own identifier: what remains are the faults of the format.
    const lesson::ConfigReadResult check =
        lesson::readConfiguration(bytes, lesson::DecodeRecordText(records->records[3]));
    if (check.messageCode != 0) {
        err << QStringLiteral("Файлът е повреден и урокът ще го откаже: %1").arg(check.fault)
            << '\n';
        return 1;
    }
    return 0;
}

int scrambleLines(bool scramble, QTextStream &in, QTextStream &out, QTextStream &err)
{
    int status = 0;
    int lineNumber = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++lineNumber;
        const QString foreign = firstForeignCharacter(line);
        if (!foreign.isEmpty()) {
            err << QStringLiteral("ред %1: знакът %2 не е от кодовата таблица Windows-1251 и "
                                  "е заменен с „?“.")
                       .arg(lineNumber)
                       .arg(quoted(foreign))
                << '\n';
            status = 1;
        }
        out << (scramble ? lesson::scrambleText(line) : lesson::unscrambleText(line)) << '\n';
    }
    return status;
}

int runTool(const QStringList &arguments, QTextStream &in, QTextStream &out, QTextStream &err)
{
    const QString command = arguments.value(0);
    const qsizetype operands = arguments.size() - 1;
    if (arguments.isEmpty() || command == QStringLiteral("--help") ||
        command == QStringLiteral("-h") || command == QStringLiteral("help")) {
        out << usageText();
        return 0;
    }
    if (command == QStringLiteral("write") && operands == 2)
        return writeConfigurationFile(arguments.at(1), arguments.at(2), out, err);
    if (command == QStringLiteral("show") && operands == 1)
        return showConfigurationFile(arguments.at(1), out, err);
    if ((command == QStringLiteral("scramble") || command == QStringLiteral("unscramble")) &&
        operands == 0)
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
