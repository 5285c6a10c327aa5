#pragma once

#include "core/content/content_store.h"
#include "core/content/item_list.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace lesson {

// The lesson's configuration file "<lesson identifier>.UFG": exactly 600
// bytes, six records of 100 bytes, record r at offset (r - 1) * 100, numbers
// little-endian. Every record has the same layout:
//
//   offset  width    field
//        0  40 x 2   Values[0..39], signed 16-bit
//       80       4   Count, signed 32-bit
//       84       1   label length n (at most 15)
//       85      15   label: n scrambled code-page characters, then filler
//
// Meaning by record (t = task, k = plan point, both from 1):
//   1  Values[k-1] mode flag k;            Count tasks kept in the catalogue
//   2  Values[t-1] difficulty level;       Count tasks offered
//   3  Values[t-1] hint time;              Count version x 100
//   4  Values[t-1] total time;             Count version date; label: lesson identifier
//   5  Values[k-1] reading factor, hundredths of a second per character of point k
//   6  not used
constexpr int kConfigRecordSize = 100;
constexpr int kConfigRecordCount = 6;
constexpr int kConfigFileSize = kConfigRecordSize * kConfigRecordCount;
constexpr int kConfigLabelCapacity = 15;
constexpr int kConfigValueCount = 40;

struct ConfigRecord {
    std::array<qint16, kConfigValueCount> Values{};
    qint32 Count = 0;
    quint8 labelLength = 0;
    std::array<quint8, kConfigLabelCapacity> labelBytes{};

    // Stores the scrambled form of the first 15 characters of text; the
    // filler after them is zero bytes.
    void setLabel(const QString &text);

    bool operator==(const ConfigRecord &) const = default;
};

struct ConfigFile {
    std::array<ConfigRecord, kConfigRecordCount> records{}; // records[0] is record 1

    bool operator==(const ConfigFile &) const = default;
};

// The label text: character i (1 to n) is the code-page character of
// label byte i XOR ((i + 22) mod 255). A length above 15 is read as 15.
QString DecodeRecordText(const ConfigRecord &record);

// The six records of exactly 600 bytes, without any check of their
// content; nothing for any other length.
std::optional<ConfigFile> parseConfigurationRecords(const QByteArray &bytes);

// Exactly 600 bytes, every field written as it stands.
QByteArray formatConfiguration(const ConfigFile &file);

struct ConfigReadResult {
    std::optional<ConfigFile> file; // set only when accepted
    // 0 accepted; 1 another lesson's file or out of format; 3 wrong length
    // (the lesson window's message codes)
    int messageCode = 0;
    // The decoded label of record 4, whenever the length was right and that
    // label is readable: the lesson window shows it (List_Ur(3) item 1) even
    // when the file belongs to another lesson.
    std::optional<QString> identity;
    QString fault; // what is wrong, in Bulgarian, for the teacher's tool
};

// Checks in the order the lesson window makes them: the length, the label
// of record 4 against lessonId (exactly, letter case included), then the
// fields outside the format (a label longer than 15, a negative number of
// kept tasks), which are refused like a foreign file.
ConfigReadResult readConfiguration(const QByteArray &bytes, const QString &lessonId);

struct ConfigApplied {
    // Items of the tasks window's task list, List_Un(1), in order.
    QStringList taskList;
    // Caption of "Допълнително" (mnu_All_zadachi) when the task list holds
    // fewer items than the catalogue: how many tasks are held back.
    std::optional<QString> allTasksCaption;
};

// Applies an accepted file: trims the task catalogue Uslowie_L(0) to the
// kept tasks, then records 1 to 6 in order. Writes the mode flags into
// modeFlagTable entries 1 to 40 and into flagCopy (List_Un(4) of the tasks
// window: cleared, item 0 " ", flag k at item k); levels, hint, total and
// viewing times into Wremena(4), (0), (1), (2); the number offered into
// Uslowie_L(0) item 0; version, identity and date into List_Ur(3) items 3,
// 1 and 10. identity, when given, receives the decoded label of record 4.
ConfigApplied applyConfiguration(const ConfigFile &file, ContentStore &store,
                                 ItemList &modeFlagTable, ItemList &flagCopy,
                                 QString *identity = nullptr);

// Viewing time of a point in seconds, as decimal text with "." and only the
// digits a fraction needs: 2 + length x factor / 100 (250 x 8 -> "22",
// 250 x 5 -> "14.5").
QString viewingTimeText(qint64 textLength, qint16 factor);

} // namespace lesson
