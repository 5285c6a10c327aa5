#include "config_source.h"
#include "core/configuration/configuration_file.h"
#include "core/configuration/mode_flags.h"
#include "core/tasks/text_scrambling.h"
#include "lesson_facts.h"
#include "support/files.h"
#include "support/lesson_content.h"
#include "support/tool_run.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <sys/stat.h>
#include <unistd.h>

using namespace lesson;
using namespace tezomat_config;
using namespace lesson::test;
using namespace Qt::StringLiterals;

namespace {

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

QByteArray sourceWith(const QString &from, const QString &to)
{
    return replaced(fullSource(), from, to).toUtf8();
}

// A file that names the lesson given and holds nothing else.
QByteArray configurationOf(const QString &identifier)
{
    ConfigFile file;
    file.records[3].setLabel(identifier);
    return formatConfiguration(file);
}

// The sample both programs carry, as `tezomat-config sample` prints it.
QString sampleText()
{
    return runTezomatConfig({u"sample"_s}).out;
}

ConfigFile sample()
{
    const SourceResult parsed = parseConfigSource(sampleText());
    if (!parsed.file)
        qFatal("the sample does not parse: %s", qPrintable(parsed.errorText()));
    return *parsed.file;
}

// The number of the first line that starts with the text; 0 when none does.
int lineOf(const QString &source, const QString &text)
{
    const QString lines = u'\n' + source;
    return int(lines.left(lines.indexOf(u'\n' + text) + 1).count(u'\n'));
}

} // namespace

Q_DECLARE_METATYPE(lesson::ConfigFile)

class TestTezomatConfig : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writeThenShowKeepsEveryField()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath(u"урок.ini"_s);
        const QString target = dir.filePath(u"TAVN7.UFG"_s);
        QVERIFY(writeFile(source, fullSource().toUtf8()));

        const ToolRun write = runTezomatConfig({u"write"_s, source, target});
        QCOMPARE(write.status, 0);
        QCOMPARE(write.err, QString());
        QVERIFY(parseConfigurationRecords(fileBytes(target)) == fullSourceFile());

        const ToolRun show = runTezomatConfig({u"show"_s, target});
        QCOMPARE(show.status, 0);
        QCOMPARE(show.err, QString());
        QStringList shown({"^Урок.*„TAVN7“$", "^Версия.*: 1\\.5 \\(записано 150",
                           "^Дата.*: 20240229$", "^Запазени задачи.*: 20$",
                           "^Предложени задачи.*: 17$", "^\\s*1 =.*списъкът със задачите",
                           "^\\s+40\\s+3\\s+1\\s+2\\s.*след 1000 с, край след 2000 с",
                           "точка 40: 7$"});
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
        ContentStore store = lessonContent(); // config/TAVN7.ini is the tool's sample
        const ConfigReadResult read =
            readConfiguration(formatConfiguration(sample()), store.lessonId());
        QCOMPARE(read.messageCode, 0);
        ItemList flags = designModeFlagTable(), flagCopy;
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

    // The command line, in a folder holding the source {ini} ("урок.ini"),
    // and at {ufg} ("TAVN7.UFG") what the row puts there: bytes, or a pipe
    // or a link to the source. The screen holds every text of "says"; one
    // that starts with "^" starts the screen, with "!" must not appear.
    void commands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QByteArray>("there");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("says");
        const QByteArray good = fullSource().toUtf8();
        const QByteArray notes("бележки\n");
        const auto row = [&](const char *name, const char *command, const QByteArray &there,
                             int status, const QStringList &says, const QByteArray &source) {
            QTest::newRow(name) << command << source << there << QByteArray() << status << says;
        };
        const auto write = [&](const char *name, const char *command, const QByteArray &there,
                               int status, const QString &says) {
            row(name, command, there, status, {says}, good);
        };
        write("no arguments", "", {}, 0, "Употреба");
        write("help", "--help", {}, 0, "Употреба");
        write("unknown command", "запиши", {}, 1, "Непозната команда „запиши“");
        write("write without a target", "write a.ini", {}, 1, "грешен брой аргументи");
        write("missing source", "write {dir}/няма.ini {ufg}", {}, 1, "не може да бъде отворен");
        write("target in a missing folder", "write {ini} {dir}/няма/T.UFG", {}, 1,
              "не може да бъде записан");
        write("show a missing file", "show {dir}/няма.UFG", {}, 1, "не може да бъде отворен");

        const QString self = u"самият източник"_s;
        write("one path twice", "write {ini} {ini}", {}, 1, self);
        write("one path twice, --force", "write --force {ini} {ini}", {}, 1, self);
        write("./ before the name", "write {ini} {dir}/./урок.ini", {}, 1, self);
        write("symbolic link to the source", "write --force {ini} {ufg}", "<symlink>", 1, self);
        write("hard link to the source", "write --force {ini} {ufg}", "<hardlink>", 1, self);
        write("notes replaced silently", "write {ini} {ufg}", notes, 1, "--force");
        write("notes with --force", "write --force {ini} {ufg}", notes, 0, "Записан е");
        write("earlier configuration", "write {ini} {ufg}", configurationOf(u"ALG12"_s), 0,
              "Записан е");
        write("pipe replaced", "write --force {ini} {ufg}", "<fifo>", 1, "не е обикновен файл");
        QByteArray cut = sourceWith(u"TAVN7"_s, u"TAVNя"_s);
        cut.truncate(cut.indexOf("я") + 1);
        const auto source = [&](const char *name, const QByteArray &text, int status,
                                const QString &says) {
            row(name, "write {ini} {ufg}", status ? notes : QByteArray(), status, {says}, text);
        };
        source("source cut inside a character", cut, 1, u"не е записан в UTF-8"_s);
        source("bad version", sourceWith(u"версия = 1.5"_s, u"версия = нова"_s), 1,
               u"урок.ini, ред 4: версията"_s);
        source("emoji quoted as half a pair", sourceWith(u"= TAVN7"_s, u"= TAVN😀"_s), 1, u"„😀“"_s);
        source("emoji counted as two", sourceWith(u"1 = режими"_s, u"1 = абвгдежзийклмн😀"_s), 1,
               u"„😀“"_s);
        source("escape sequence in the identifier", sourceWith(u"= TAVN7"_s, u"= TA\x1b[2JVN7"_s),
               1, u"„\\x1b“"_s);
        source("terminal reset echoed from a line",
               "[урок]\n\x1b"
               "c\x1b[3J\x07\n",
               1, u"„\\x1bc\\x1b[3J\\x07“"_s);
        const QString refuses = u"Внимание: урокът „TAVN7“ ще откаже този файл и ще покаже "
                                "съобщение 1 („Липсва"_s;
        source("identifier in lower case", sourceWith(u"= TAVN7"_s, u"= tavn7"_s), 0, refuses);
        source("identifier in quotes", sourceWith(u"= TAVN7"_s, u"= „TAVN7“"_s), 0, refuses);

        const QString accepted = u"^Урокът „TAVN7“ ще приеме този файл."_s;
        const QString refused =
            u"^Урокът „TAVN7“ ще откаже този файл и ще покаже съобщение %1 („"_s;
        ConfigFile file;
        file.records[3].setLabel(u"TAVN7"_s);
        file.records[0].setLabel(u"\x1b[2J\x1b]0;x\x07"_s);
        file.records[1].setLabel(u"a\x7f\u0098\r"_s);
        QByteArray record2 = configurationOf(u"TAVN7"_s);
        record2[184] = char(40);
        // Record 4 claims 200 characters; behind "TAVN7" lie readable words.
        QByteArray damaged = configurationOf(u"TAVN7ПРИМАМКА"_s);
        damaged[384] = char(200);
        const auto show = [&](const char *name, const QByteArray &there, int status,
                              const QStringList &says) {
            row(name, "show {ufg}", there, status, says, good);
        };
        show("the lesson's file, flag 17 explained", configurationOf(u"TAVN7"_s), 0,
             {accepted, u"планът остава достъпен"_s});
        show("identifier in lower case accepted", configurationOf(u"tavn7"_s), 1,
             {refused.arg(1), u"„tavn7“"_s});
        show("599 bytes", configurationOf(u"TAVN7"_s).left(599), 1,
             {refused.arg(3), u"599 байта"_s, u"!Файл с настройки"_s});
        show("record 2's label damaged", record2, 1,
             {refused.arg(1), u"Запис 2"_s, u"запис 2: (повреден: обявени са 40 знака)"_s});
        show("damaged label decoded first", damaged, 1,
             {refused.arg(1), u"200 знака"_s, u"!ПРИМАМКА"_s});
        show("labels sent to the terminal", formatConfiguration(file), 0,
             {accepted, u"„\\x1b[2J\\x1b]0;x\\x07“\n  запис 2: „a\\x7f\\x98\\x0d“"_s});
        show("identity sets the clipboard", configurationOf(u"\x1b]52;c;eA==\x07"_s), 1,
             {refused.arg(1), u"„\\x1b]52;c;eA==\\x07“"_s});

        const auto input = [&](const char *name, const char *command, const QByteArray &bytes,
                               int status, const QStringList &says) {
            QTest::newRow(name) << command << good << QByteArray() << bytes << status << says;
        };
        const QStringList lines{u"Разделете x^3 - 6x^2 + 11x - 6 на x - 1."_s, QString(),
                                u"Ёё №5 — „кавички“"_s};
        QString scrambled;
        for (const QString &line : lines)
            scrambled += scrambleText(line) + u'\n';
        input("lines scrambled one by one", "scramble", (lines.join(u'\n') + u'\n').toUtf8(), 0,
              {u'^' + scrambled});
        input("and back", "unscramble", scrambled.toUtf8(), 0, {u'^' + lines.join(u'\n') + u'\n'});
        input("a character outside the code page", "scramble", "а\nüб\n", 1,
              {u"^ред 2: знакът „ü“"_s, scrambleText(u"?б"_s) + u'\n'});
        QByteArray half("аб");
        half.chop(1);
        for (const char *command : {"scramble", "unscramble"}) {
            for (const QByteArray &bytes : {QByteArray("\xFF\xFE"
                                                       "a\0\n\0",
                                                       6),
                                            half, QByteArray("\xD0\xE0\xE7\xE4\xE5\xEB\n")})
                QTest::addRow("%s: %s", command, bytes.toHex().constData())
                    << command << good << QByteArray() << bytes << 1
                    << QStringList{u"Входът не е записан в UTF-8"_s};
        }
        // A bell in first place scrambles to a line feed.
        input("bell", "scramble", QByteArray("ред\n\x07") + "абв\n", 1,
              {u"ред 2: управляващият знак „\\x07“"_s});
        input("byte-order mark and CR LF", "scramble", "\xEF\xBB\xBFред\r\n", 0,
              {scrambleText(u"ред"_s) + u'\n'});
        input("unscrambled escape sequence", "unscramble",
              scrambleText(u"\x1b]0;x\x07 \u0098"_s).toUtf8(), 0, {u"\\x1b]0;x\\x07 \\x98\n"_s});
    }
    void commands()
    {
        QFETCH(QString, command);
        QFETCH(QByteArray, source);
        QFETCH(QByteArray, there);
        QFETCH(QByteArray, input);
        QFETCH(int, status);
        QFETCH(QStringList, says);
        QTemporaryDir dir;
        const QString ini = dir.filePath(u"урок.ini"_s);
        const QString ufg = dir.filePath(u"TAVN7.UFG"_s);
        QVERIFY(writeFile(ini, source));
        const QByteArray ufgName = QFile::encodeName(ufg);
        if (there == "<symlink>")
            QVERIFY(QFile::link(ini, ufg));
        else if (there == "<hardlink>")
            QCOMPARE(::link(QFile::encodeName(ini).constData(), ufgName.constData()), 0);
        else if (there == "<fifo>")
            QCOMPARE(::mkfifo(ufgName.constData(), 0600), 0);
        else if (!there.isEmpty())
            QVERIFY(writeFile(ufg, there));
        command.replace(u"{ini}"_s, ini).replace(u"{ufg}"_s, ufg).replace(u"{dir}"_s, dir.path());

        QTest::failOnWarning(QRegularExpression(u"raw or lost"_s));
        const ToolRun run = runTezomatConfig(command.split(u' ', Qt::SkipEmptyParts), input);
        QCOMPARE(run.status, status);
        for (const QString &text : says) {
            if (text.startsWith(u'!'))
                QVERIFY2(!run.screen.contains(text.mid(1)), qPrintable(run.screen));
            else if (text.startsWith(u'^'))
                QVERIFY2(run.screen.startsWith(text.mid(1)), qPrintable(run.screen));
            else
                QVERIFY2(run.screen.contains(text), qPrintable(run.screen));
        }
        // A refusal goes to the error stream, and so does the only warning of a command done.
        QCOMPARE(run.err.isEmpty(), status == 0 && !says.first().startsWith(u"Внимание"_s));
        QCOMPARE(fileBytes(ini), source);
        if (there == "<fifo>")
            QVERIFY(QFileInfo(ufg).exists() && !QFileInfo(ufg).isFile());
        else if (status == 0 && command.startsWith(u"write"_s))
            QCOMPARE(fileBytes(ufg).size(), kConfigFileSize);
        else if (!there.startsWith('<'))
            QCOMPARE(fileBytes(ufg), there.isEmpty() ? QByteArray("<missing>") : there);
    }

    void sampleIsWhatTheWindowWrites()
    {
        // The sample and "Запис като източник" explain every setting in the
        // same words, so neither can drift from the other.
        QCOMPARE(formatConfigSource(sample(), builtInLesson().value()), sampleText());
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

QTEST_GUILESS_MAIN(TestTezomatConfig)
#include "tst_tezomat_config.moc"
