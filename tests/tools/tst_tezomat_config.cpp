#include "config_source.h"
#include "core/configuration/configuration_file.h"
#include "core/configuration/mode_flags.h"
#include "core/tasks/text_scrambling.h"
#include "support/files.h"
#include "support/lesson_content.h"
#include "tool_commands.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <array>

using namespace lesson;
using namespace tezomat_config;
using namespace lesson::test;
using namespace Qt::StringLiterals;

namespace {

struct ToolRun {
    int status = -1;
    QString out;
    QString err;
};

ToolRun runWith(const QStringList &arguments, const QString &input = QString())
{
    QString inText = input;
    QTextStream in(&inText, QIODevice::ReadOnly);
    ToolRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.status = runTool(arguments, in, out, err);
    out.flush();
    err.flush();
    return run;
}

// Level, hint time and total time of task t in the source below: every task differs.
std::array<int, 3> taskOf(int t)
{
    return {1 + t % 3, 10 * t, 30 * t + 5};
}
const QList<int> kFlagsOn{1, 3, 16, 17, 25, 40};
const QList<int> kFactors{5, 0, 8, 13, 1, 32767};
const QStringList kLabels{"режими", "нива", "Ёж №3", "TAVN7", "точки", "абвгдежзийклмно"};

// A source that sets every field the file has.
QString fullSource()
{
    QString s = u"# за изпитване\n[урок]\nидентификатор = TAVN7\nверсия = 1.5\n"
                "дата = 20240229 ; високосна година\n\n[Режими]\n"_s;
    for (int k = 1; k <= 40; ++k)
        s += u"%1 = %2   ; режим\n"_s.arg(k).arg(kFlagsOn.contains(k) ? 1 : 0);
    s += u"[задачи]\nзадачи_запазени = 20\nЗадачи предложени = 17\n"_s;
    for (int t = 1; t <= 17; ++t)
        s += u"%1 = %2, %3,%4\n"_s.arg(t).arg(taskOf(t)[0]).arg(taskOf(t)[1]).arg(taskOf(t)[2]);
    s += u"40 = 3, 1, 2\n[точки]\n"_s;
    for (int k = 1; k <= kFactors.size(); ++k)
        s += u"%1 = %2\n"_s.arg(k).arg(kFactors.at(k - 1));
    s += u"40 = 7\n[надписи]\n1 = режими\n2 = нива\n3 = Ёж №3\n5 = точки\n"
         "6 = абвгдежзийклмно\n"_s;
    return s;
}

// What fullSource must give, built field by field.
ConfigFile fullSourceFile()
{
    ConfigFile f;
    for (int k : kFlagsOn)
        f.records[0].Values[k - 1] = 1;
    f.records[0].Count = 20;
    f.records[1].Count = 17;
    f.records[2].Count = 150;
    f.records[3].Count = 20240229;
    for (int t = 1; t <= 17; ++t)
        for (int r = 1; r <= 3; ++r)
            f.records[r].Values[t - 1] = qint16(taskOf(t)[r - 1]);
    f.records[1].Values[39] = 3;
    f.records[2].Values[39] = 1;
    f.records[3].Values[39] = 2;
    for (int k = 1; k <= kFactors.size(); ++k)
        f.records[4].Values[k - 1] = qint16(kFactors.at(k - 1));
    f.records[4].Values[39] = 7;
    for (int r = 0; r < 6; ++r)
        f.records[r].setLabel(kLabels[r]);
    return f;
}

QString replaced(const QString &source, const QString &from, const QString &to)
{
    Q_ASSERT(source.contains(from));
    QString s = source;
    return s.replace(from, to);
}

int lineOf(const QString &source, const QString &text)
{
    const QStringList lines = source.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        if (lines.at(i).startsWith(text))
            return i + 1;
    }
    return 0;
}

} // namespace

class TestTezomatConfig : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writeThenShowKeepsEveryField()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath(u"урок.ini"_s);
        const QString target = dir.filePath(u"TAVN7.UFG"_s);
        QVERIFY(writeFile(source, fullSource().toUtf8()));

        const ToolRun write = runWith({u"write"_s, source, target});
        QCOMPARE(write.status, 0);
        QVERIFY(write.err.isEmpty());
        const QByteArray bytes = fileBytes(target);
        QCOMPARE(bytes.size(), 600);
        QVERIFY(parseConfigurationRecords(bytes) == fullSourceFile());

        const ToolRun show = runWith({u"show"_s, target});
        QCOMPARE(show.status, 0);
        QVERIFY2(show.err.isEmpty(), qPrintable(show.err));
        QStringList shown{"^Урок.*„TAVN7“$",
                          "^Версия.*: 1\\.5 \\(записано 150",
                          "^Дата.*: 20240229$",
                          "^Запазени задачи.*: 20$",
                          "^Предложени задачи.*: 17$",
                          "^\\s*1 =.*списъкът със задачите",
                          "^\\s+40\\s+3\\s+1\\s+2\\s.*след 1000 с, край след 2000 с",
                          "точка 40: 7$"};
        for (int k = 1; k <= 40; ++k)
            shown.append(kFlagsOn.contains(k) ? u"^\\s*%1 =\\s+1\\s+вкл"_s.arg(k)
                                              : u"^\\s*%1 =\\s+0\\s+изкл"_s.arg(k));
        for (int t = 1; t <= 17; ++t)
            shown.append(u"^\\s+%1\\s+%2\\s+%3\\s+%4\\s"_s.arg(t)
                             .arg(taskOf(t)[0])
                             .arg(taskOf(t)[1])
                             .arg(taskOf(t)[2]));
        for (int k = 1; k <= kFactors.size(); ++k)
            shown.append(u"точка %1: %2$"_s.arg(k).arg(kFactors.at(k - 1)));
        for (int r = 1; r <= 6; ++r)
            shown.append(u"запис %1: „%2“"_s.arg(r).arg(kLabels[r - 1]));
        for (const QString &pattern : shown)
            QVERIFY2(QRegularExpression(pattern, QRegularExpression::MultilineOption)
                         .match(show.out)
                         .hasMatch(),
                     qPrintable(pattern));
    }

    void lessonReadsTheSampleAsItSays()
    {
        const QString samplePath = QFINDTESTDATA("../../config/TAVN7.ini");
        QVERIFY(!samplePath.isEmpty());
        QTemporaryDir dir;
        const QString target = dir.filePath(u"TAVN7.UFG"_s);
        QCOMPARE(runWith({u"write"_s, samplePath, target}).status, 0);

        ContentStore store = lessonContent();
        const ConfigReadResult read = readConfiguration(fileBytes(target), store.lessonId());
        QCOMPARE(read.messageCode, 0);
        ItemList flags = designModeFlagTable();
        ItemList flagCopy;
        const ConfigApplied applied = applyConfiguration(*read.file, store, flags, flagCopy);

        const QList<int> unused{2, 6, 27, 28, 29, 30, 32, 33, 34, 35, 36, 37, 38, 39, 40};
        for (int k = 1; k <= 40; ++k)
            QCOMPARE(modeFlagValue(flags, k), unused.contains(k) || k == 31 ? 0 : 1);
        QCOMPARE(store.Uslowie_L[0].count(), 16);
        QCOMPARE(applied.taskList.size(), 15);
        QCOMPARE(applied.taskList.first(), store.Uslowie_L[0].read(1));
        QCOMPARE(applied.allTasksCaption.value_or(QString()), u"+ 0 задачи"_s);
        // The sample's levels are the lesson's own.
        for (int t = 1; t <= 15; ++t) {
            QCOMPARE(store.Wremena[4].read(t), lessonContent().Wremena[4].read(t));
            const int unit = store.Wremena[4].read(t) == u"2"_s ? 10 : 1;
            QVERIFY(unit * store.Wremena[1].read(t).toInt() >= 300);
            QVERIFY(store.Wremena[0].read(t).toInt() < store.Wremena[1].read(t).toInt());
        }
        QCOMPARE(store.List_Ur[3].items().join(u'|'), u"|TAVN7|| 96||||||| 20091028||||"_s);
        for (int k = 1; k <= 6; ++k) {
            const double seconds = store.Wremena[2].read(k).toDouble();
            QCOMPARE(seconds, 2 + store.Podtochki[k].size() * 5 / 100.0);
            QVERIFY2(seconds >= 60 && seconds <= 600, qPrintable(store.Wremena[2].read(k)));
        }
    }

    void versionForms_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("hundredths");
        QTest::newRow("point") << "версия = 0.96" << 96;
        QTest::newRow("one decimal") << "версия = 1.5" << 150;
        QTest::newRow("whole") << "версия = 2" << 200;
        QTest::newRow("hundredths") << "версия_стотни = 96" << 96;
    }
    void versionForms()
    {
        QFETCH(QString, line);
        QFETCH(int, hundredths);
        const SourceResult parsed =
            parseConfigSource(replaced(fullSource(), u"версия = 1.5"_s, line));
        QVERIFY2(parsed.file.has_value(), qPrintable(parsed.errorText()));
        QCOMPARE(parsed.file->records[2].Count, hundredths);
    }

    void sourceErrorsNameTheLine_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("words");

        const QString base = fullSource();
        auto row = [&](const char *name, const QString &from, const QString &to,
                       const QString &words) {
            const QString source = replaced(base, from, to);
            QTest::newRow(name) << source << lineOf(source, to.trimmed().section(u'\n', -1))
                                << words;
        };
        row("unknown section", "[точки]", "[точка]", "непознат раздел");
        row("line without equals sign", "3 = Ёж №3", "3 Ёж №3", "ключ = стойност");
        row("flag other than 0 or 1", "2 = 0   ; режим", "2 = 2", "режим 2");
        row("flag number 41", "40 = 1   ; режим", "41 = 1", "от 1 до 40");
        row("flag given twice", "5 = 0   ; режим", "5 = 0\n5 = 1", "ред 12");
        row("task with two numbers", "4 = 2, 40,125", "4 = 2, 40", "три числа");
        row("level 0", "4 = 2, 40,125", "4 = 0, 40,125", "нивото на задача 4");
        row("time beyond 16 bits", "4 = 2, 40,125", "4 = 2, 40,40000", "общото време");
        row("hint after the end", "4 = 2, 40,125", "4 = 2, 400,125", "упътването на задача 4");
        row("negative factor", "2 = 0\n", "2 = -1\n", "коефициентът на точка 2");
        row("identifier of 16 characters", "идентификатор = TAVN7",
            "идентификатор = TAVN7TAVN7TAVN7X", "15");
        row("identifier outside the code page", "идентификатор = TAVN7", "идентификатор = TAVNü",
            "ü");
        row("three decimals in the version", "версия = 1.5", "версия = 0.965", "версията");
        row("month 13", "дата = 20240229", "дата = 20091328", "ГГГГММДД");
        row("label for record 4", "5 = точки", "4 = точки", "идентификатор");
        row("unknown key", "дата = 20240229", "дата = 20240229\nавтор = аз", "автор");
        row("key before any section", "# за изпитване", "режим = 1", "преди първия раздел");
        // These name the line of the offered count.
        QString s = replaced(base, "задачи_запазени = 20", "задачи_запазени = 16");
        QTest::newRow("offered more than kept")
            << s << lineOf(s, "Задачи предложени") << "запазва само 16";
        s = replaced(base, "Задачи предложени = 17", "задачи_предложени = 18");
        QTest::newRow("offered task without a line")
            << s << lineOf(s, "задачи_предложени") << "задача 18";
        s = replaced(base, "дата = 20240229 ; високосна година\n", "");
        QTest::newRow("missing date") << s << 0 << "липсва датата";
    }
    void sourceErrorsNameTheLine()
    {
        QFETCH(QString, source);
        QFETCH(int, line);
        QFETCH(QString, words);
        const SourceResult parsed = parseConfigSource(source);
        QVERIFY(!parsed.file.has_value());
        QVERIFY2(parsed.error.contains(words), qPrintable(parsed.error));
        QCOMPARE(parsed.errorLine, line);
        if (line > 0)
            QVERIFY(parsed.errorText().startsWith(u"ред %1: "_s.arg(line)));
    }

    // What the tool answers on the command line: the status, and a text its
    // standard output or error must hold ({dir} is a folder holding a good
    // source "урок.ini" and nothing else).
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        QTest::newRow("no arguments") << QStringList{} << 0 << "Употреба";
        QTest::newRow("help") << QStringList{"--help"} << 0 << "Употреба";
        QTest::newRow("unknown command")
            << QStringList{"запиши"} << 1 << "Непозната команда „запиши“";
        QTest::newRow("write without a target")
            << QStringList{"write", "a.ini"} << 1 << "грешен брой аргументи";
        QTest::newRow("missing source") << QStringList{"write", "{dir}/няма.ini", "{dir}/T.UFG"}
                                        << 1 << "не може да бъде отворен";
        QTest::newRow("target in a missing folder")
            << QStringList{"write", "{dir}/урок.ini", "{dir}/няма/T.UFG"} << 1
            << "не може да бъде записан";
        QTest::newRow("show a missing file")
            << QStringList{"show", "{dir}/няма.UFG"} << 1 << "не може да бъде отворен";
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, says);
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath(u"урок.ini"_s), fullSource().toUtf8()));
        arguments.replaceInStrings(u"{dir}"_s, dir.path());
        const ToolRun run = runWith(arguments);
        QCOMPARE(run.status, status);
        QVERIFY2((status ? run.err : run.out).contains(says), qPrintable(run.err));
    }

    void badSourceWritesNothing()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath(u"урок.ini"_s);
        const QString target = dir.filePath(u"TAVN7.UFG"_s);
        QVERIFY(writeFile(target, QByteArrayLiteral("старо")));
        QVERIFY(
            writeFile(source, replaced(fullSource(), "версия = 1.5", "версия = нова").toUtf8()));
        ToolRun run = runWith({u"write"_s, source, target});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.startsWith(source + u", ред 4: версията"_s), qPrintable(run.err));
        QCOMPARE(fileBytes(target), QByteArrayLiteral("старо"));

        QVERIFY(writeFile(source, QByteArray("[урок]\nидентификатор = \xC0\xC1\n")));
        run = runWith({u"write"_s, source, target});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(u"UTF-8"_s), qPrintable(run.err));
        QCOMPARE(fileBytes(target), QByteArrayLiteral("старо"));
    }

    void showRefusesDamagedFiles()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"TAVN7.UFG"_s);
        ConfigFile file = fullSourceFile();
        QVERIFY(writeFile(path, formatConfiguration(file).left(599)));
        ToolRun run = runWith({u"show"_s, path});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(u"599 байта"_s), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());

        file.records[1].labelLength = 40;
        QVERIFY(writeFile(path, formatConfiguration(file)));
        run = runWith({u"show"_s, path});
        QCOMPARE(run.status, 1);
        QVERIFY(run.out.contains(u"запис 2: (повреден: обявени са 40 знака)"_s));
        QVERIFY2(run.err.contains(u"Запис 2"_s), qPrintable(run.err));
    }

    void scrambleLinesForTheLesson()
    {
        const QStringList lines{u"Разделете x^3 - 6x^2 + 11x - 6 на x - 1."_s, QString(),
                                u"Ёё №5 — „кавички“"_s};
        const ToolRun scrambled = runWith({u"scramble"_s}, lines.join(u'\n') + '\n');
        QCOMPARE(scrambled.status, 0);
        QStringList stored = scrambled.out.split(u'\n');
        QCOMPARE(stored.takeLast(), QString());
        QCOMPARE(stored.size(), lines.size());
        for (int i = 0; i < lines.size(); ++i) {
            QVERIFY(stored.at(i) != lines.at(i));
            QCOMPARE(unscrambleText(stored.at(i)), lines.at(i));
        }
        const ToolRun back = runWith({u"unscramble"_s}, scrambled.out);
        QCOMPARE(back.out, lines.join(u'\n') + '\n');

        const ToolRun foreign = runWith({u"scramble"_s}, u"а\nüб\n"_s);
        QCOMPARE(foreign.status, 1);
        QVERIFY2(foreign.err.startsWith(u"ред 2: знакът „ü“"_s), qPrintable(foreign.err));
        QCOMPARE(unscrambleText(foreign.out.split(u'\n').at(1)), u"?б"_s);
    }
};

QTEST_GUILESS_MAIN(TestTezomatConfig)
#include "tst_tezomat_config.moc"
