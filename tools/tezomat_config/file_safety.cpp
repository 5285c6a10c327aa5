#include "file_safety.h"

#include "class_report.h"
#include "config_source.h"
#include "core/configuration/configuration_file.h"
#include "core/tasks/written_file.h"
#include "tool_text.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

namespace tezomat_config {

namespace {

// A source is a short text; anything far larger is not one.
constexpr qint64 kMaxSourceSize = 1 << 20;

// The file a path leads to, links followed.
bool statOf(const QString &path, struct stat &st)
{
    return ::stat(QFile::encodeName(path).constData(), &st) == 0;
}

bool holdsSource(const QByteArray &bytes, QString *whyNot)
{
    const std::optional<QString> text =
        bytes.size() > kMaxSourceSize ? std::nullopt : decodeUtf8(bytes);
    if (!text) {
        *whyNot = QStringLiteral("не е текст в UTF-8");
        return false;
    }
    const SourceResult parsed = parseConfigSource(*text);
    if (!parsed.file) {
        *whyNot = QStringLiteral("не е източник на настройки (%1)").arg(parsed.errorText());
        return false;
    }
    return true;
}

// Whether the existing file is of the kind about to be written.
bool sameKind(const QString &path, WrittenKind kind, QString *whyNot)
{
    QFile existing(path);
    if (!existing.open(QIODevice::ReadOnly)) {
        *whyNot = QStringLiteral("не може да бъде прочетен");
        return false;
    }
    switch (kind) {
    case WrittenKind::Configuration:
        return holdsConfiguration(existing.read(lesson::kConfigFileSize + 1), whyNot);
    case WrittenKind::Source:
        return holdsSource(existing.read(kMaxSourceSize + 1), whyNot);
    case WrittenKind::HtmlReport:
    case WrittenKind::CsvReport: {
        const bool html = kind == WrittenKind::HtmlReport;
        if (isClassReport(existing.read(4096), html))
            return true;
        *whyNot = html ? QStringLiteral("не е страница с отговорите на клас")
                       : QStringLiteral("не е таблица с отговорите на клас");
        return false;
    }
    }
    return false;
}

} // namespace

bool holdsConfiguration(const QByteArray &bytes, QString *whyNot)
{
    QString ignored;
    QString &why = whyNot ? *whyNot : ignored;
    const std::optional<lesson::ConfigFile> records = lesson::parseConfigurationRecords(bytes);
    if (!records) {
        why = QStringLiteral("дължината му е %1 байта, а файлът с настройки е точно %2")
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
        why = QStringLiteral("има %1 байта, но полетата му са повредени: %2")
                  .arg(lesson::kConfigFileSize)
                  .arg(escapeControls(read.fault));
        return false;
    }
    return true;
}

TargetCheck checkTarget(const QString &targetPath, WrittenKind kind,
                        const QStringList &protectedPaths)
{
    struct stat target {};
    if (!statOf(targetPath, target))
        return {}; // a new file; writing tells when it cannot be made
    for (const QString &path : protectedPaths) {
        struct stat st {};
        if (statOf(path, st) && st.st_dev == target.st_dev && st.st_ino == target.st_ino)
            return {TargetState::Protected, path};
    }
    if (!S_ISREG(target.st_mode))
        return {TargetState::NotPlainFile, QString()};
    QString whyNot;
    if (sameKind(targetPath, kind, &whyNot))
        return {};
    return {TargetState::Foreign, whyNot};
}

std::optional<QString> readSourceFile(const QString &path, QString *error)
{
    const QString shown = quoted(QDir::toNativeSeparators(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("Източникът %1 не може да бъде отворен.").arg(shown);
        return std::nullopt;
    }
    const QByteArray bytes = file.read(kMaxSourceSize + 1);
    if (bytes.size() > kMaxSourceSize) {
        *error = QStringLiteral("Източникът %1 е твърде голям за файл с настройки.").arg(shown);
        return std::nullopt;
    }
    QString fault;
    const std::optional<QString> text = decodeUtf8(bytes, &fault);
    if (!text)
        *error = notUtf8Text(QStringLiteral("Източникът %1").arg(shown), fault);
    return text;
}

QString saveWhole(const QString &path, const QByteArray &bytes)
{
    QString reason;
    switch (lesson::saveFileAtomically(path, bytes)) {
    case lesson::WriteFailure::None:
        return QString();
    case lesson::WriteFailure::FolderReadOnly:
        reason = QStringLiteral("папката не съществува или не позволява запис");
        break;
    case lesson::WriteFailure::FolderInTheWay:
        reason = QStringLiteral("на това място има папка със същото име");
        break;
    case lesson::WriteFailure::FileReadOnly:
        reason = QStringLiteral("файлът е защитен срещу запис");
        break;
    case lesson::WriteFailure::DiskFull:
        reason = QStringLiteral("на диска няма достатъчно свободно място");
        break;
    case lesson::WriteFailure::Other:
        reason = QStringLiteral("системата отказа записа");
        break;
    }
    return QStringLiteral("Файлът %1 не беше записан: %2.")
        .arg(quoted(QDir::toNativeSeparators(path)), reason);
}

} // namespace tezomat_config
