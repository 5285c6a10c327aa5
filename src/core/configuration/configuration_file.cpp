#include "core/configuration/configuration_file.h"

#include "core/content/code_page.h"
#include "core/content/number_text.h"

#include <QtEndian>

#include <algorithm>

namespace lesson {

namespace {

constexpr int kValuesOffset = 0;
constexpr int kCountOffset = 80;
constexpr int kLabelLengthOffset = 84;
constexpr int kLabelOffset = 85;

// Key of label character i, counted from 1.
quint8 labelKey(int i)
{
    return quint8((i + 22) % 255);
}

QString byteCountText(qsizetype n)
{
    return n == 1 ? QStringLiteral("1 байт") : QStringLiteral("%1 байта").arg(n);
}

QString labelTooLong(int record, int length)
{
    return QStringLiteral("Запис %1: надписът е обявен с %2 знака, а може да има най-много %3.")
        .arg(record)
        .arg(length)
        .arg(kConfigLabelCapacity);
}

ConfigReadResult refused(int code, const QString &fault)
{
    ConfigReadResult result;
    result.messageCode = code;
    result.fault = fault;
    return result;
}

// The lesson's per-task and per-point loops run at most over the 40 values.
int boundedByValues(int n)
{
    return std::clamp(n, 0, kConfigValueCount);
}

} // namespace

void ConfigRecord::setLabel(const QString &text)
{
    const QByteArray bytes = toWindows1251(text).left(kConfigLabelCapacity);
    labelLength = quint8(bytes.size());
    labelBytes.fill(0);
    for (int i = 1; i <= int(bytes.size()); ++i)
        labelBytes[i - 1] = quint8(static_cast<unsigned char>(bytes[i - 1]) ^ labelKey(i));
}

QString DecodeRecordText(const ConfigRecord &record)
{
    const int n = std::min<int>(record.labelLength, kConfigLabelCapacity);
    QByteArray bytes(n, '\0');
    for (int i = 1; i <= n; ++i)
        bytes[i - 1] = char(record.labelBytes[i - 1] ^ labelKey(i));
    return fromWindows1251(bytes);
}

std::optional<ConfigFile> parseConfigurationRecords(const QByteArray &bytes)
{
    if (bytes.size() != kConfigFileSize)
        return std::nullopt;
    ConfigFile file;
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    for (int r = 0; r < kConfigRecordCount; ++r) {
        const uchar *at = data + r * kConfigRecordSize;
        ConfigRecord &record = file.records[r];
        for (int i = 0; i < kConfigValueCount; ++i)
            record.Values[i] = qFromLittleEndian<qint16>(at + kValuesOffset + 2 * i);
        record.Count = qFromLittleEndian<qint32>(at + kCountOffset);
        record.labelLength = at[kLabelLengthOffset];
        std::copy_n(at + kLabelOffset, kConfigLabelCapacity, record.labelBytes.begin());
    }
    return file;
}

QByteArray formatConfiguration(const ConfigFile &file)
{
    QByteArray bytes(kConfigFileSize, '\0');
    auto *data = reinterpret_cast<uchar *>(bytes.data());
    for (int r = 0; r < kConfigRecordCount; ++r) {
        uchar *at = data + r * kConfigRecordSize;
        const ConfigRecord &record = file.records[r];
        for (int i = 0; i < kConfigValueCount; ++i)
            qToLittleEndian<qint16>(record.Values[i], at + kValuesOffset + 2 * i);
        qToLittleEndian<qint32>(record.Count, at + kCountOffset);
        at[kLabelLengthOffset] = record.labelLength;
        std::copy(record.labelBytes.begin(), record.labelBytes.end(), at + kLabelOffset);
    }
    return bytes;
}

ConfigReadResult readConfiguration(const QByteArray &bytes, const QString &lessonId)
{
    const std::optional<ConfigFile> file = parseConfigurationRecords(bytes);
    if (!file) {
        return refused(3, QStringLiteral("Файлът е %1, а трябва да бъде точно %2.")
                              .arg(byteCountText(bytes.size()), byteCountText(kConfigFileSize)));
    }

    const ConfigRecord &identityRecord = file->records[3];
    if (identityRecord.labelLength > kConfigLabelCapacity)
        return refused(1, labelTooLong(4, identityRecord.labelLength));

    ConfigReadResult result;
    result.identity = DecodeRecordText(identityRecord);
    result.messageCode = 1;
    if (*result.identity != lessonId) {
        result.fault = result.identity->isEmpty()
                           ? QStringLiteral("Файлът не посочва урок; очаква се „%1“.").arg(lessonId)
                           : QStringLiteral("Файлът е за урок „%1“, а не за „%2“.")
                                 .arg(*result.identity, lessonId);
        return result;
    }
    for (int r = 1; r <= kConfigRecordCount; ++r) {
        const int length = file->records[r - 1].labelLength;
        if (length > kConfigLabelCapacity) {
            result.fault = labelTooLong(r, length);
            return result;
        }
    }
    if (file->records[0].Count < 0) {
        result.fault = QStringLiteral("Запис 1: броят на запазените задачи е отрицателен (%1).")
                           .arg(file->records[0].Count);
        return result;
    }
    result.messageCode = 0;
    result.file = file;
    return result;
}

QString viewingTimeText(qint64 textLength, qint16 factor)
{
    // Hundredths of a second, exact: the text needs no rounding and no exponent.
    const qint64 hundredths = textLength * factor + 200;
    const qint64 magnitude = hundredths < 0 ? -hundredths : hundredths;
    QString text = QString::number(magnitude / 100);
    const qint64 fraction = magnitude % 100;
    if (fraction != 0) {
        text += QLatin1Char('.') + QStringLiteral("%1").arg(fraction, 2, 10, QLatin1Char('0'));
        if (text.endsWith(QLatin1Char('0')))
            text.chop(1);
    }
    return hundredths < 0 ? QLatin1Char('-') + text : text;
}

ConfigApplied applyConfiguration(const ConfigFile &file, ContentStore &store,
                                 ItemList &modeFlagTable, ItemList &flagCopy, QString *identity)
{
    ItemList &catalogue = store.Uslowie_L[0];
    // The catalogue keeps its header item 0 and at most the kept number of tasks.
    while (catalogue.count() > 0 && file.records[0].Count < catalogue.count() - 1)
        catalogue.remove(catalogue.count() - 1);
    const int taskCount = boundedByValues(catalogue.count() - 1);
    const int pointCount = boundedByValues(store.Plan_Tezo[0].count() - 1);

    ConfigApplied applied;

    // Record 1: mode flags, each -1, 0 or 1 (the remainder keeps the sign).
    const ConfigRecord &flags = file.records[0];
    flagCopy.clear();
    flagCopy.append(QStringLiteral(" "));
    for (int i = 0; i < kConfigValueCount; ++i) {
        const QString value = QString::number(flags.Values[i] % 2);
        modeFlagTable.write(i + 1, value);
        flagCopy.append(value);
    }

    // Record 2: levels (one digit with its sign) and the tasks offered.
    const ConfigRecord &offered = file.records[1];
    for (int t = 1; t <= taskCount; ++t)
        store.Wremena[4].write(t, QString::number(offered.Values[t - 1] % 10));
    catalogue.write(0, QString::number(offered.Count));
    const int listed = std::clamp(offered.Count, 0, std::max(catalogue.count() - 1, 0));
    for (int t = 1; t <= listed; ++t)
        applied.taskList.append(catalogue.read(t));
    if (applied.taskList.size() < catalogue.count()) {
        applied.allTasksCaption =
            QStringLiteral("+ %1 задачи").arg(catalogue.count() - applied.taskList.size() - 1);
    }

    // Record 3: hint times and the version x 100.
    const ConfigRecord &hints = file.records[2];
    for (int t = 1; t <= taskCount; ++t)
        store.Wremena[0].write(t, QString::number(hints.Values[t - 1]));
    store.List_Ur[3].write(3, Str(hints.Count));

    // Record 4: total times, the lesson identity and the version date.
    const ConfigRecord &totals = file.records[3];
    for (int t = 1; t <= taskCount; ++t)
        store.Wremena[1].write(t, QString::number(totals.Values[t - 1]));
    const QString decoded = DecodeRecordText(totals);
    store.List_Ur[3].write(1, decoded);
    if (identity)
        *identity = decoded;
    store.List_Ur[3].write(10, Str(totals.Count));

    // Record 5: viewing time of each point from the length of its text
    // (CR LF counts as two characters).
    const ConfigRecord &reading = file.records[4];
    for (int k = 1; k <= pointCount; ++k) {
        const qint64 length = k < int(store.Podtochki.size()) ? store.Podtochki[k].size() : 0;
        store.Wremena[2].write(k, viewingTimeText(length, reading.Values[k - 1]));
    }

    // Record 6 carries nothing the lesson uses.
    return applied;
}

} // namespace lesson
