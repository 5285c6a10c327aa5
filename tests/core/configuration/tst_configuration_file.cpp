#include "core/configuration/configuration_file.h"
#include "core/configuration/mode_flags.h"
#include "core/content/code_page.h"
#include "core/content/number_text.h"
#include "support/lesson_content.h"

#include <QRandomGenerator>
#include <QTest>

#include <limits>

using namespace lesson;
using namespace Qt::StringLiterals;

namespace {

const QString kLessonId = u"TAVN7"_s;

// A file that the lesson accepts: every feature off, all tasks kept and offered.
ConfigFile acceptedFile()
{
    ConfigFile file;
    file.records[0].Count = 22;
    file.records[1].Count = 22;
    file.records[2].Count = 96;
    file.records[3].Count = 20091028;
    file.records[3].setLabel(kLessonId);
    return file;
}

// A text of exactly n characters with CR LF breaks, as point texts are held.
QString pointText(int n)
{
    QString text;
    while (text.size() < n)
        text += (text.size() % 40 == 38) ? u"\r\n"_s : u"щ"_s;
    text.truncate(n);
    return text;
}

struct Applied {
    ContentStore store = test::lessonContent();
    ItemList flags = designModeFlagTable();
    ItemList flagCopy{QStringList{u"стар"_s}};
    QString identity;
    ConfigApplied result;

    explicit Applied(const ConfigFile &file)
    {
        result = applyConfiguration(file, store, flags, flagCopy, &identity);
    }
};

} // namespace

class TestConfigurationFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The identity column is the decoded label of record 4 that the reader
    // reports, "-" when it reports none.
    void faults_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("identity");

        const QByteArray good = formatConfiguration(acceptedFile());
        QTest::newRow("accepted") << good << 0 << kLessonId;
        QTest::newRow("empty file") << QByteArray() << 3 << "-";
        QTest::newRow("599 bytes") << good.left(599) << 3 << "-";
        QTest::newRow("601 bytes") << good + '\0' << 3 << "-";
        ConfigFile foreign = acceptedFile();
        foreign.records[3].setLabel(u"TAVN8"_s);
        QTest::newRow("another lesson") << formatConfiguration(foreign) << 1 << "TAVN8";
        foreign.records[3].setLabel(u"tavn7"_s);
        QTest::newRow("identity differs in letter case")
            << formatConfiguration(foreign) << 1 << "tavn7";
        QByteArray longLabel = good;
        longLabel[3 * 100 + 84] = char(16);
        QTest::newRow("record 4 label length 16") << longLabel << 1 << "-";
        longLabel = good;
        longLabel[1 * 100 + 84] = char(255);
        QTest::newRow("record 2 label length 255") << longLabel << 1 << kLessonId;
        ConfigFile changed = acceptedFile();
        changed.records[0].Count = -1;
        QTest::newRow("negative kept count") << formatConfiguration(changed) << 1 << kLessonId;
        changed.records[0].Count = 22;
        changed.records[1].Count = 1000000;
        QTest::newRow("offered above the number of tasks")
            << formatConfiguration(changed) << 0 << kLessonId;
        QTest::newRow("all bytes 0x00") << QByteArray(600, '\0') << 1 << "";
        QTest::newRow("all bytes 0xFF") << QByteArray(600, '\xFF') << 1 << "-";
    }
    void faults()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, code);
        QFETCH(QString, identity);
        const ConfigReadResult result = readConfiguration(bytes, kLessonId);
        QCOMPARE(result.messageCode, code);
        QCOMPARE(result.file.has_value(), code == 0);
        QCOMPARE(result.fault.isEmpty(), code == 0);
        QCOMPARE(result.identity.value_or(u"-"_s), identity);
    }

    void byteLayout()
    {
        ConfigFile file;
        file.records[0].Values[0] = 0x1234;
        file.records[0].Values[39] = -2; // 0xFFFE
        file.records[0].Count = 0x01020304;
        file.records[1].Values[1] = 7;
        file.records[1].Count = -1;
        file.records[3].setLabel(u"TAVN7"_s);
        const QByteArray b = formatConfiguration(file);
        QCOMPARE(b.size(), 600);
        QCOMPARE(b.mid(0, 2), QByteArray("\x34\x12"));
        QCOMPARE(b.mid(78, 2), QByteArray("\xFE\xFF"));
        QCOMPARE(b.mid(80, 4), QByteArray("\x04\x03\x02\x01"));
        QCOMPARE(b.mid(102, 2), QByteArray("\x07\x00", 2));
        QCOMPARE(b.mid(180, 4), QByteArray("\xFF\xFF\xFF\xFF"));
        QCOMPARE(int(b.at(384)), 5);
        // 'T' ^ 23, 'A' ^ 24, 'V' ^ 25, 'N' ^ 26, '7' ^ 27 (the filler: labels()).
        QCOMPARE(b.mid(385, 6), QByteArray("\x43\x59\x4F\x54\x2C\x00", 6));
    }

    // A label keeps at most fifteen characters, scrambled, then zero filler.
    void labels_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("Cyrillic") << "Полиноми №1 Ёё";
        QTest::newRow("fifteen characters") << "абвгдежзийклмно";
        QTest::newRow("sixteen are cut to fifteen") << "абвгдежзийклмноп";
    }
    void labels()
    {
        QFETCH(QString, text);
        ConfigRecord record;
        record.labelBytes.fill(0xAA);
        record.setLabel(text);
        QCOMPARE(DecodeRecordText(record), text.left(15));
        QCOMPARE(int(record.labelLength), int(text.left(15).size()));
        for (int i = record.labelLength; i < kConfigLabelCapacity; ++i)
            QCOMPARE(int(record.labelBytes[i]), 0);
        if (text.size() >= 15) // the fifteenth character uses key 37
            QCOMPARE(int(record.labelBytes[14] ^ 37), windows1251Code(text.at(14)));
    }

    void keptAndOfferedTasks_data()
    {
        QTest::addColumn<int>("kept");
        QTest::addColumn<int>("offered");
        QTest::addColumn<int>("remaining");
        QTest::addColumn<int>("listed");
        QTest::addColumn<QString>("caption");
        QTest::newRow("keep 10 of 22") << 10 << 15 << 10 << 10 << "+ 0 задачи";
        QTest::newRow("keep all 22, offer 15") << 22 << 15 << 22 << 15 << "+ 7 задачи";
        QTest::newRow("keep more than there are") << 30 << 15 << 22 << 15 << "+ 7 задачи";
        QTest::newRow("keep none") << 0 << 15 << 0 << 0 << "+ 0 задачи";
        QTest::newRow("offer all 22") << 22 << 22 << 22 << 22 << "+ 0 задачи";
        QTest::newRow("offer more than there are") << 22 << 40 << 22 << 22 << "+ 0 задачи";
        QTest::newRow("offer none") << 22 << 0 << 22 << 0 << "+ 22 задачи";
        QTest::newRow("negative offer") << 22 << -3 << 22 << 0 << "+ 22 задачи";
        QTest::newRow("huge offer")
            << 22 << std::numeric_limits<qint32>::max() << 22 << 22 << "+ 0 задачи";
    }
    void keptAndOfferedTasks()
    {
        QFETCH(int, kept);
        QFETCH(int, offered);
        QFETCH(int, remaining);
        QFETCH(int, listed);
        QFETCH(QString, caption);
        ConfigFile file = acceptedFile();
        file.records[0].Count = kept;
        file.records[1].Count = offered;
        file.records[1].Values.fill(7);
        const Applied a(file);
        const QStringList catalogue = a.store.Uslowie_L[0].items();
        QCOMPARE(catalogue.mid(1), test::lessonContent().Uslowie_L[0].items().mid(1, remaining));
        QCOMPARE(catalogue.value(0), QString::number(offered));
        QCOMPARE(a.result.taskList, catalogue.mid(1, listed));
        QCOMPARE(a.result.allTasksCaption.value_or(QString()), caption);
        // Levels are written only for the tasks that remain.
        for (int t = 1; t <= 22; ++t)
            QCOMPARE(a.store.Wremena[4].read(t),
                     t <= remaining ? u"7"_s : test::lessonContent().Wremena[4].read(t));
    }

    // Each flag keeps the remainder of its value by 2, sign and all, and the
    // tasks window's copy starts with " "; the task tables, version,
    // identity and date go where the windows read them.
    void appliedFields()
    {
        ConfigFile file = acceptedFile();
        for (auto [k, value] : {std::pair{1, 3}, {2, 2}, {3, -1}, {4, 1}, {40, -32768}})
            file.records[0].Values[k - 1] = qint16(value);
        file.records[1].Values[0] = 12;
        file.records[1].Values[1] = -13;
        file.records[2].Values[0] = 120;
        file.records[2].Values[22] = 999; // beyond the 22 tasks
        file.records[3].Values[21] = 32767;
        file.records[2].Count = 150;
        const Applied a(file);
        QCOMPARE(a.flags.count(), 41);
        QCOMPARE(a.flags.items().mid(0, 6).join(u'|'), u"0 режими|1|0|-1|1|0"_s);
        QCOMPARE(a.flags.read(40), u"0"_s);
        QCOMPARE(a.flagCopy.items(), QStringList{u" "_s} + a.flags.items().mid(1));
        QCOMPARE(a.store.Wremena[4].items().mid(0, 4), (QStringList{"0 564", "2", "-3", "0"}));
        QCOMPARE(a.store.Wremena[0].items().mid(0, 3), (QStringList{" В", "120", "0"}));
        QCOMPARE(a.store.Wremena[0].read(23), test::lessonContent().Wremena[0].read(23));
        QCOMPARE(a.store.Wremena[1].read(22), u"32767"_s);
        const ItemList &record = a.store.List_Ur[3];
        QCOMPARE(record.read(3), u" 150"_s);
        QCOMPARE(record.read(10), u" 20091028"_s);
        QCOMPARE(record.read(1), kLessonId);
        QCOMPARE(a.identity, kLessonId);
        // Viewing times only for the plan's points; every factor 0: two seconds.
        for (int k = 1; k <= 6; ++k)
            QCOMPARE(a.store.Wremena[2].read(k), u"2"_s);
        QCOMPARE(a.store.Wremena[2].read(7), u"22"_s);
        QCOMPARE(a.store.Wremena[2].read(0), test::lessonContent().Wremena[2].read(0));
    }

    void viewingTimes_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("factor");
        QTest::addColumn<QString>("seconds");
        QTest::newRow("250 characters, factor 8") << 250 << 8 << "22";
        QTest::newRow("250 characters, factor 5") << 250 << 5 << "14.5";
        QTest::newRow("factor 0 gives two seconds") << 4000 << 0 << "2";
        QTest::newRow("hundredths") << 3 << 1 << "2.03";
        QTest::newRow("tenths without a trailing zero") << 10 << 1 << "2.1";
        QTest::newRow("product beyond 16 bits") << 4567 << 32767 << "1496470.89";
        QTest::newRow("negative factor below two seconds") << 250 << -1 << "-0.5";
    }
    void viewingTimes()
    {
        QFETCH(int, length);
        QFETCH(int, factor);
        QFETCH(QString, seconds);
        ConfigFile file = acceptedFile();
        file.records[4].Values[1] = qint16(factor);
        ContentStore store = test::lessonContent();
        store.Podtochki[2] = pointText(length);
        ItemList flags, copy;
        applyConfiguration(file, store, flags, copy);
        QCOMPARE(store.Wremena[2].read(2), seconds);
    }

    void anyBytesAreSafe()
    {
        // Random files that carry the right identity: whatever else they hold,
        // reading and applying must neither crash nor grow the lists, and
        // every field read is written back as it was.
        QRandomGenerator random(600);
        const QByteArray good = formatConfiguration(acceptedFile());
        for (int run = 0; run < 2000; ++run) {
            QByteArray bytes(600, '\0');
            for (char &b : bytes)
                b = char(random.bounded(256));
            bytes.replace(384, 16, good.mid(384, 16));
            // Most runs keep the label lengths inside the format, so that many files pass.
            for (int r = 0; r < 6 && run % 4 != 0; ++r)
                if (r != 3)
                    bytes[r * 100 + 84] = char(random.bounded(16));
            QCOMPARE(formatConfiguration(*parseConfigurationRecords(bytes)), bytes);
            const ConfigReadResult read = readConfiguration(bytes, kLessonId);
            QCOMPARE(read.identity.value_or(QString()), kLessonId);
            QCOMPARE(read.file.has_value(), read.messageCode == 0);
            if (!read.file)
                continue;
            Applied a(*read.file);
            QVERIFY(a.store.Uslowie_L[0].count() <= 23);
            QVERIFY(a.result.taskList.size() <= 22);
            QCOMPARE(a.flagCopy.count(), 41);
            QVERIFY(a.store.Wremena[4].count() <= 23);
        }
    }
};

QTEST_GUILESS_MAIN(TestConfigurationFile)
#include "tst_configuration_file.moc"
