#include "class_report.h"
#include "support/class_answers.h"
#include "support/files.h"
#include "support/tool_run.h"

#include <QDateTime>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace lesson::test;
using namespace tezomat_config;
using namespace Qt::StringLiterals;

static const QByteArray kBom("\xEF\xBB\xBF");

class TestClassReport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsAnswers_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected"); // "t=text|t=text", or "!fault words"
        const QString h = answersHeading();
        // The lines after the heading, split at "|", in Windows-1251 as the lesson writes them.
        const auto row = [](const char *name, const char *lines, const char *expected) {
            QTest::newRow(name) << answersIn1251(QString::fromUtf8(lines).split(u'|')) << expected;
        };
        QTest::newRow("nothing answered") << answersIn1251({}) << "";
        row("empty lines after the heading", "|", "");
        row("two blanks before the number", "Задача  3|x = 2", "3=x = 2");
        row("answer over several lines", "Задача  1|ред 1||ред 3|Задача  2|край",
            "1=ред 1\r\n\r\nред 3|2=край");
        QTest::newRow("UTF-8 with the mark keeps √")
            << answersInUtf8({u"Задача  4"_s, u"√16 = 4"_s}) << "4=√16 = 4";
        QTest::newRow("UTF-8 saved again without the mark")
            << (h + u"\r\nЗадача  4\r\n√16 = 4\r\n"_s).toUtf8() << "4=√16 = 4";
        row("pupil's larger number before the lesson's heading stays text",
            "Задача  3|виж|Задача  9|още|Задача  5|петата", "3=виж\r\nЗадача  9\r\nоще|5=петата");
        row("pupil's smaller number stays text", "Задача  3|Задача  1|Задача  7|седма",
            "3=Задача  1|7=седма");
        row("pupil's heading as the last line stays text", "Задача  3|текст|Задача  9",
            "3=текст\r\nЗадача  9");
        row("pupil's whole answer a heading", "Задача  3|Задача  5|Задача  5|петата",
            "3=Задача  5|5=петата");
        row("number above the lesson's tasks stays text", "Задача  3|а|Задача  23|б",
            "3=а\r\nЗадача  23\r\nб");
        row("control characters kept for the report to show", "Задача  2|a\tb\x1b[2J",
            "2=a\tb\x1b[2J");
        QTest::newRow("empty file") << QByteArray() << "!е празен";
        QTest::newRow("another text") << QByteArray("hello\r\n") << "!не започва с реда";
        row("second line no heading", "отговор", "!вторият му ред");
        row("heading without an answer", "Задача  3", "!няма отговор");
        QTest::newRow("broken UTF-8 after the mark")
            << (kBom + h.toUtf8() + "\r\n\xC3") << "!не е UTF-8 докрай";
        QTest::newRow("larger than any answers file")
            << QByteArray((8 << 20) + 1, 'a') << "!по-голям от 8 MiB";
    }
    void readsAnswers()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        const AnswersRead read = readAnswersFile(bytes, 22);
        if (expected.startsWith(QLatin1Char('!'))) {
            QVERIFY(!read.answers);
            QVERIFY2(read.fault.contains(expected.mid(1)), qPrintable(read.fault));
            return;
        }
        QVERIFY2(read.answers.has_value(), qPrintable(read.fault));
        QStringList got;
        for (const TaskAnswer &a : *read.answers)
            got << u"%1=%2"_s.arg(a.task).arg(a.text);
        QCOMPARE(got.join(QLatin1Char('|')), expected);
    }

    void manyHeadingLinesReadInOnePass()
    {
        // Every line could be a heading: the choice must not try every pair.
        QStringList body{u"Задача  1"_s};
        for (int i = 0; i < 200000; ++i)
            body << u"Задача  %1"_s.arg(1 + i % 22);
        const AnswersRead read = readAnswersFile(answersIn1251(body), 22);
        QSet<int> tasks;
        for (const TaskAnswer &a : read.answers.value_or(QList<TaskAnswer>()))
            tasks.insert(a.task);
        QCOMPARE(tasks.size(), 22); // taken from cycles far enough apart
    }

    // A class's report as a table, a page and the command that writes them.
    void classReport()
    {
        QTemporaryDir dir;
        const QDir root(dir.path());
        writeClass(root);
        const QList<FolderFiles> folders = readFolders(
            {root.filePath(u"PC1"_s), root.filePath(u"PC2"_s), root.filePath(u"PC3"_s)});
        const ClassReport report = buildClassReport(folders, u"Полиноми"_s, 22);
        const QByteArray expected =
            kBom + QStringLiteral("Папка,Бележка,Задача 1,Задача 3,Задача 15\r\n"
                                  "PC1,,Отговор: (x-1)*(x+2),\"a, b\r\n\"\"цитат\"\"\",\r\n"
                                  "PC2,,,<script>alert(1)</script> √9 = 3,'-2 1\r\n"
                                  "PC3,Няма файл с отговори.,,,\r\n")
                       .toUtf8();
        QCOMPARE(reportCsv(report), expected);

        const QString page = QString::fromUtf8(reportHtml(report));
        QVERIFY(page.startsWith(u"<!DOCTYPE html>"_s));
        QVERIFY(page.contains(u"<html lang=\"bg\">"_s));
        QVERIFY(!page.contains(u"<script"_s));
        QVERIFY(!page.contains(u"src="_s) && !page.contains(u"href="_s));
        for (const QString &shown : {u"Отговор: (x-1)*(x+2)"_s, u"a, b<br>&quot;цитат&quot;"_s,
                                     u"&lt;script&gt;alert(1)&lt;/script&gt; √9 = 3"_s, u"-2 1"_s,
                                     u"Няма файл с отговори."_s, u"<th>Задача 15</th>"_s})
            QVERIFY2(page.contains(shown), qPrintable(shown));
        QVERIFY(isClassReport(reportHtml(report), true));
        QVERIFY(isClassReport(expected, false));

        const QString pc1 = root.filePath(u"PC1/OTGOWORI.TXT"_s);
        const QByteArray answers = fileBytes(pc1);
        const QDateTime written = QFileInfo(pc1).lastModified();
        const QString html = root.filePath(u"klas.html"_s), csv = root.filePath(u"klas.csv"_s);
        const QString notes = root.filePath(u"notes.csv"_s);
        QStringList pcs;
        for (const char *pc : {"PC1", "PC2", "PC3", "PC9"})
            pcs << root.filePath(QString::fromLatin1(pc));
        const auto command = [&](const QStringList &targets) {
            return runTezomatConfig(QStringList{u"report"_s} + targets + pcs);
        };
        ToolRun run = command({u"--html"_s, html, u"--csv="_s + csv});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.contains(u"PC9: няма такава папка"_s), qPrintable(run.screen));
        QVERIFY(fileBytes(csv).contains("PC3,Няма файл с отговори."));
        QVERIFY(fileBytes(html).contains("&lt;script&gt;"));

        // Never over an answers file, nor over a file that is no report
        // without --force; an earlier report is replaced.
        QVERIFY(writeFile(notes, "my notes"));
        run = command({u"--csv"_s, pc1});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(u"така урокът нарича"_s), qPrintable(run.screen));
        run = command({u"--html"_s, html, u"--csv"_s, notes});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(u"--force"_s), qPrintable(run.screen));
        QCOMPARE(fileBytes(notes), QByteArray("my notes"));
        QCOMPARE(command({u"--html"_s, html, u"--csv"_s, csv}).status, 0);
        QCOMPARE(fileBytes(pc1), answers);
        QCOMPARE(QFileInfo(pc1).lastModified(), written);
        QCOMPARE(root.entryList(QDir::Files).size(), 3); // klas.html, klas.csv, notes.csv
    }

    void foldersTellTheirStory_data()
    {
        QTest::addColumn<QByteArray>("newer");
        QTest::addColumn<QByteArray>("older");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("answer"); // to task 2
        QTest::addColumn<QString>("notes");
        const QByteArray good = answersIn1251({u"Задача  2"_s, u"нова"_s});
        const QByteArray old = answersIn1251({u"Задача  2"_s, u"стара"_s});
        const QByteArray damaged("\x00\x01garbage", 9);
        QTest::newRow("the newer file of two is the one read")
            << good << old << int(RowState::Answered) << "нова"
            << "Файлът „otgowor2.txt“ е записан по-рано и не е включен.";
        QTest::newRow("a damaged file is named and skipped")
            << damaged << old << int(RowState::Answered) << "стара"
            << "Файлът „OTGOWORI.TXT“ е повреден и е пропуснат: не започва с реда";
        QTest::newRow("only a damaged file")
            << damaged << QByteArray() << int(RowState::Damaged) << ""
            << "„OTGOWORI.TXT“ е повреден";
        QTest::newRow("heading only")
            << answersIn1251({}) << QByteArray() << int(RowState::NothingAnswered) << ""
            << "";
        QTest::newRow("pupil's heading line is pointed out")
            << answersIn1251({u"Задача  2"_s, u"Задача  1"_s, u"x"_s}) << QByteArray()
            << int(RowState::Answered) << "Задача  1\r\nx"
            << "Отговорът на задача 2 съдържа реда „Задача  1“";
    }
    void foldersTellTheirStory()
    {
        QFETCH(QByteArray, newer);
        QFETCH(QByteArray, older);
        QFETCH(int, state);
        QFETCH(QString, answer);
        QFETCH(QString, notes);
        QTemporaryDir dir;
        const QString folder = dir.filePath(u"Иван"_s);
        if (!older.isEmpty()) {
            // The lesson's other name, in the letter case a copy may give it.
            QVERIFY(writeFile(folder + u"/otgowor2.txt"_s, older));
            QFile f(folder + u"/otgowor2.txt"_s);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(QDateTime::currentDateTime().addDays(-1),
                                  QFileDevice::FileModificationTime));
        }
        QVERIFY(writeFile(folder + u"/OTGOWORI.TXT"_s, newer));
        const ClassReport report = buildClassReport(readFolders({folder}), QString(), 22);
        QCOMPARE(report.rows.size(), 1);
        const ReportRow &row = report.rows.first();
        QCOMPARE(row.folder, u"Иван"_s);
        QCOMPARE(int(row.state), state);
        QCOMPARE(row.answers.value(2), answer);
        QVERIFY2(row.notes.join(QLatin1Char(' ')).contains(notes),
                 qPrintable(row.notes.join(QLatin1Char(' '))));
        QCOMPARE(fileBytes(folder + u"/OTGOWORI.TXT"_s), newer);
    }

    void csvGuardsEveryFormulaStart()
    {
        const ReportRow row{
            u"PC"_s, RowState::Answered, {}, {{1, u"\t=1"_s}, {2, u"\r\n=1"_s}}, {}};
        const ClassReport report{{}, {1, 2}, {row}};
        QCOMPARE(reportCsv(report),
                 "\xEF\xBB\xBF" +
                     u"Папка,Бележка,Задача 1,Задача 2\r\nPC,,'\t=1,\"'\r\n=1\"\r\n"_s.toUtf8());
    }

    void answersNameOnAPipeOrFolderIsNamedNotRead()
    {
        // Reading a pipe would wait for a writer for ever.
        QTemporaryDir dir;
        const QString pc = dir.filePath(u"PC1"_s);
        QVERIFY(QDir().mkpath(pc + u"/otgowor2.txt"_s));
        QCOMPARE(::mkfifo(QFile::encodeName(pc + u"/OTGOWORI.TXT"_s).constData(), 0600), 0);
        const ToolRun run = runTezomatConfig({u"report"_s, u"--html"_s, dir.filePath(u"k.html"_s),
                                              u"--csv"_s, dir.filePath(u"k.csv"_s), pc});
        QCOMPARE(run.status, 0);
        for (const QString &said :
             {u"PC1: повреден файл"_s,
              u"„OTGOWORI.TXT“ е повреден и е пропуснат: е именуван канал, а не обикновен файл."_s,
              u"„otgowor2.txt“ е повреден и е пропуснат: е папка, а не обикновен файл."_s})
            QVERIFY2(run.out.contains(said), qPrintable(run.screen));
    }
};

QTEST_GUILESS_MAIN(TestClassReport)
#include "tst_class_report.moc"
