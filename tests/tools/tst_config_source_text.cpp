#include "config_source.h"
#include "lesson_facts.h"
#include "tool_commands.h"

#include <QTest>
#include <QTextStream>

using namespace lesson;
using namespace tezomat_config;
using namespace Qt::StringLiterals;

namespace {

// The sample both programs carry, as `tezomat-config sample` prints it.
QString sampleText()
{
    QString printed;
    QTextStream in(stdin), out(&printed), err(stderr);
    if (runTool({QStringLiteral("sample")}, in, out, err) != 0)
        qFatal("tezomat-config sample failed");
    out.flush();
    return printed;
}

ConfigFile sample()
{
    const SourceResult parsed = parseConfigSource(sampleText());
    if (!parsed.file)
        qFatal("the sample does not parse: %s", qPrintable(parsed.errorText()));
    return *parsed.file;
}

} // namespace

Q_DECLARE_METATYPE(lesson::ConfigFile)

class TestConfigSourceText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sampleIsWhatTheWindowWrites()
    {
        // The sample and "Запис като източник" explain every setting in the
        // same words, so neither can drift from the other.
        QVERIFY(builtInLesson().has_value());
        QCOMPARE(formatConfigSource(sample(), *builtInLesson()), sampleText());
    }

    // A source written from a file gives that file back, but for what a
    // source cannot hold or the lesson never reads.
    void sourceGivesTheFileBack_data()
    {
        QTest::addColumn<ConfigFile>("file");
        QTest::addColumn<ConfigFile>("expected");
        QTest::addColumn<QString>("note"); // what the source says about it
        const ConfigFile base = sample();
        QTest::newRow("the sample") << base << base << "";
        ConfigFile file = base;
        file.records[0].Values[16] = 0;
        file.records[3].Values[5] = 90;
        file.records[1].Count = 9;
        QTest::newRow("flag 17 off, task 6 longer, fewer offered") << file << file << "";
        file = base;
        file.records[0].Count = 30;
        file.records[1].Values[19] = 3;
        file.records[2].Values[19] = 7;
        file.records[3].Values[19] = 8;
        file.records[4].Values[10] = 12;
        QTest::newRow("a task and a point beyond the lesson's") << file << file << "";
        file = base;
        ConfigFile expected = base;
        for (const auto &[r, label] : {std::pair{0, "a # b"}, {1, " нива"}, {5, "край;"}}) {
            file.records[r].setLabel(QString::fromUtf8(label));
            expected.records[r].setLabel(QString());
        }
        QTest::newRow("labels a source cannot hold are left out")
            << file << expected << "Надписът на запис 1 има знаци";
        file = expected = base;
        file.records[4].Count = 77;
        file.records[5].Values[3] = 5;
        expected.records[4].Count = 0;
        expected.records[5].Values[3] = 0;
        QTest::newRow("fields the lesson never reads are left out") << file << expected << "";
    }
    void sourceGivesTheFileBack()
    {
        QFETCH(ConfigFile, file);
        QFETCH(ConfigFile, expected);
        QFETCH(QString, note);
        const QString text = formatConfigSource(file, *builtInLesson());
        const SourceResult parsed = parseConfigSource(text);
        QVERIFY2(parsed.file.has_value(), qPrintable(parsed.errorText() + "\n" + text));
        QCOMPARE(*parsed.file, expected);
        QVERIFY(text.contains(note));
    }

    void fitsAsTheLessonReads_data()
    {
        QTest::addColumn<int>("record");
        QTest::addColumn<int>("index"); // -1: the record's count
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("fitted");
        QTest::addColumn<QString>("note");
        QTest::newRow("flag 3 reads on") << 1 << 4 << 3 << 1 << "Режими 5";
        QTest::newRow("flag -1 reads off") << 1 << 16 << -1 << 0 << "Режими 17";
        QTest::newRow("level is the last digit") << 2 << 0 << 12 << 2 << "Задачи 1";
        QTest::newRow("negative level becomes 1") << 2 << 1 << -3 << 1 << "ниво под 1";
        QTest::newRow("hint after the end comes at the end")
            << 3 << 0 << 400 << 300 << "упътване след края";
        QTest::newRow("negative factor") << 5 << 2 << -5 << 0 << "Точки 3";
        QTest::newRow("more offered than kept") << 2 << -1 << 20 << 15 << "Предложените";
        QTest::newRow("kept above the format") << 1 << -1 << 50 << 40 << "Запазените";
        QTest::newRow("no calendar day") << 4 << -1 << 20091332 << 20240229 << "29 февруари 2024";
        QTest::newRow("negative version") << 3 << -1 << -5 << 0 << "Версията";
    }
    void fitsAsTheLessonReads()
    {
        QFETCH(int, record);
        QFETCH(int, index);
        QFETCH(int, value);
        QFETCH(int, fitted);
        QFETCH(QString, note);
        ConfigFile file = sample();
        ConfigRecord &r = file.records[std::size_t(record - 1)];
        if (index < 0)
            r.Count = value;
        else
            r.Values[std::size_t(index)] = qint16(value);
        const QStringList notes = fitIntoSourceRanges(file, QDate(2024, 2, 29));
        QCOMPARE(index < 0 ? r.Count : qint32(r.Values[std::size_t(index)]), qint32(fitted));
        QCOMPARE(notes.size(), 1);
        QVERIFY2(notes.first().contains(note), qPrintable(notes.first()));
        QVERIFY(parseConfigSource(formatConfigSource(file, *builtInLesson())).file.has_value());
        QVERIFY(fitIntoSourceRanges(file).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestConfigSourceText)
#include "tst_config_source_text.moc"
