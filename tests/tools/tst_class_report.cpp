#include "class_report.h"
#include "support/class_answers.h"
#include "tool_commands.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace lesson::test;
using namespace tezomat_config;

namespace {

const QByteArray kBom("\xEF\xBB\xBF");

// task -> text, as the reader gives them.
QMap<int, QString> answersOf(const AnswersRead &read)
{
    QMap<int, QString> map;
    for (const TaskAnswer &a : read.answers.value_or(QList<TaskAnswer>()))
        map.insert(a.task, a.text);
    return map;
}

} // namespace

class TestClassReport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsAnswers_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected"); // "t=text|t=text", or "!fault words"
        const QString h = answersHeading();
        QTest::newRow("nothing answered") << answersIn1251({}) << "";
        QTest::newRow("empty lines after the heading")
            << answersIn1251({QString(), QString()}) << "";
        QTest::newRow("two blanks before the number")
            << answersIn1251({QStringLiteral("Задача  3"), QStringLiteral("x = 2")}) << "3=x = 2";
        QTest::newRow("answer over several lines")
            << answersIn1251({QStringLiteral("Задача  1"), QStringLiteral("ред 1"), QString(),
                              QStringLiteral("ред 3"), QStringLiteral("Задача  2"),
                              QStringLiteral("край")})
            << "1=ред 1\r\n\r\nред 3|2=край";
        QTest::newRow("UTF-8 with the mark keeps √")
            << answersInUtf8({QStringLiteral("Задача  4"), QStringLiteral("√16 = 4")})
            << "4=√16 = 4";
        QTest::newRow("UTF-8 saved again without the mark")
            << (h + QStringLiteral("\r\nЗадача  4\r\n√16 = 4\r\n")).toUtf8() << "4=√16 = 4";
        QTest::newRow("pupil's larger number before the lesson's heading stays text")
            << answersIn1251({QStringLiteral("Задача  3"), QStringLiteral("виж"),
                              QStringLiteral("Задача  9"), QStringLiteral("още"),
                              QStringLiteral("Задача  5"), QStringLiteral("петата")})
            << "3=виж\r\nЗадача  9\r\nоще|5=петата";
        QTest::newRow("pupil's smaller number stays text")
            << answersIn1251({QStringLiteral("Задача  3"), QStringLiteral("Задача  1"),
                              QStringLiteral("Задача  7"), QStringLiteral("седма")})
            << "3=Задача  1|7=седма";
        QTest::newRow("pupil's heading as the last line stays text")
            << answersIn1251({QStringLiteral("Задача  3"), QStringLiteral("текст"),
                              QStringLiteral("Задача  9")})
            << "3=текст\r\nЗадача  9";
        QTest::newRow("pupil's whole answer a heading")
            << answersIn1251({QStringLiteral("Задача  3"), QStringLiteral("Задача  5"),
                              QStringLiteral("Задача  5"), QStringLiteral("петата")})
            << "3=Задача  5|5=петата";
        QTest::newRow("number above the lesson's tasks stays text")
            << answersIn1251({QStringLiteral("Задача  3"), QStringLiteral("а"),
                              QStringLiteral("Задача  23"), QStringLiteral("б")})
            << "3=а\r\nЗадача  23\r\nб";
        QTest::newRow("control characters kept for the report to show")
            << answersIn1251({QStringLiteral("Задача  2"), QStringLiteral("a\tb\x1b[2J")})
            << "2=a\tb\x1b[2J";
        QTest::newRow("empty file") << QByteArray() << "!е празен";
        QTest::newRow("another text") << QByteArray("hello\r\n") << "!не започва с реда";
        QTest::newRow("second line no heading")
            << answersIn1251({QStringLiteral("отговор")}) << "!вторият му ред";
        QTest::newRow("heading without an answer")
            << answersIn1251({QStringLiteral("Задача  3")}) << "!няма отговор";
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
            got << QStringLiteral("%1=%2").arg(a.task).arg(a.text);
        QCOMPARE(got.join(QLatin1Char('|')), expected);
    }

    void manyHeadingLinesReadInOnePass()
    {
        // Every line could be a heading: the choice must not try every pair.
        QStringList body{QStringLiteral("Задача  1")};
        for (int i = 0; i < 200000; ++i)
            body << QStringLiteral("Задача  %1").arg(1 + i % 22);
        const QMap<int, QString> answers = answersOf(readAnswersFile(answersIn1251(body), 22));
        QCOMPARE(answers.size(), 22); // taken from cycles far enough apart
    }

    void classReportTable()
    {
        QTemporaryDir dir;
        const QDir root(dir.path());
        writeClass(root);
        const QList<FolderFiles> folders =
            readFolders({root.filePath(QStringLiteral("PC1")), root.filePath(QStringLiteral("PC2")),
                         root.filePath(QStringLiteral("PC3"))});
        const ClassReport report = buildClassReport(folders, QStringLiteral("Полиноми"), 22);
        const QByteArray expected =
            kBom + QStringLiteral("Папка,Бележка,Задача 1,Задача 3,Задача 15\r\n"
                                  "PC1,,Отговор: (x-1)*(x+2),\"a, b\r\n\"\"цитат\"\"\",\r\n"
                                  "PC2,,,<script>alert(1)</script> √9 = 3,'-2 1\r\n"
                                  "PC3,Няма файл с отговори.,,,\r\n")
                       .toUtf8();
        QCOMPARE(reportCsv(report), expected);

        const QString page = QString::fromUtf8(reportHtml(report));
        QVERIFY(page.startsWith(QStringLiteral("<!DOCTYPE html>")));
        QVERIFY(page.contains(QStringLiteral("<html lang=\"bg\">")));
        QVERIFY(!page.contains(QStringLiteral("<script")));
        QVERIFY(!page.contains(QStringLiteral("src=")) && !page.contains(QStringLiteral("href=")));
        for (const QString &shown :
             {QStringLiteral("Отговор: (x-1)*(x+2)"), QStringLiteral("a, b<br>&quot;цитат&quot;"),
              QStringLiteral("&lt;script&gt;alert(1)&lt;/script&gt; √9 = 3"),
              QStringLiteral("-2 1"), QStringLiteral("Няма файл с отговори."),
              QStringLiteral("<th>Задача 15</th>")})
            QVERIFY2(page.contains(shown), qPrintable(shown));
        QVERIFY(isClassReport(reportHtml(report), true));
        QVERIFY(isClassReport(expected, false));
    }

    void foldersTellTheirStory_data()
    {
        QTest::addColumn<QByteArray>("newer");
        QTest::addColumn<QByteArray>("older");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("answer"); // to task 2
        QTest::addColumn<QString>("notes");
        const QByteArray good =
            answersIn1251({QStringLiteral("Задача  2"), QStringLiteral("нова")});
        const QByteArray old =
            answersIn1251({QStringLiteral("Задача  2"), QStringLiteral("стара")});
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
            << answersIn1251(
                   {QStringLiteral("Задача  2"), QStringLiteral("Задача  1"), QStringLiteral("x")})
            << QByteArray() << int(RowState::Answered) << "Задача  1\r\nx"
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
        const QString folder = dir.filePath(QStringLiteral("Иван"));
        if (!older.isEmpty()) {
            // The lesson's other name, in the letter case a copy may give it.
            putFile(folder + QStringLiteral("/otgowor2.txt"), older);
            QFile f(folder + QStringLiteral("/otgowor2.txt"));
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(QDateTime::currentDateTime().addDays(-1),
                                  QFileDevice::FileModificationTime));
        }
        putFile(folder + QStringLiteral("/OTGOWORI.TXT"), newer);
        const ClassReport report = buildClassReport(readFolders({folder}), QString(), 22);
        QCOMPARE(report.rows.size(), 1);
        const ReportRow &row = report.rows.first();
        QCOMPARE(row.folder, QStringLiteral("Иван"));
        QCOMPARE(int(row.state), state);
        QCOMPARE(row.answers.value(2), answer);
        QVERIFY2(row.notes.join(QLatin1Char(' ')).contains(notes),
                 qPrintable(row.notes.join(QLatin1Char(' '))));
        QCOMPARE(fileBytes(folder + QStringLiteral("/OTGOWORI.TXT")), newer);
    }

    void reportCommand()
    {
        QTemporaryDir dir;
        const QDir root(dir.path());
        writeClass(root);
        const QString pc1 = root.filePath(QStringLiteral("PC1/OTGOWORI.TXT"));
        const QByteArray answers = fileBytes(pc1);
        const QDateTime written = QFileInfo(pc1).lastModified();
        const auto run = [&](QStringList arguments) {
            QByteArray none;
            QBuffer input(&none);
            input.open(QIODevice::ReadOnly);
            QTextStream in(&input);
            QString screen;
            QTextStream terminal(&screen);
            const int status =
                runTool(QStringList{QStringLiteral("report")} + arguments, in, terminal, terminal);
            terminal.flush();
            return std::pair{status, screen};
        };
        const QString html = root.filePath(QStringLiteral("klas.html"));
        const QString csv = root.filePath(QStringLiteral("klas.csv"));
        const QStringList pcs{
            root.filePath(QStringLiteral("PC1")), root.filePath(QStringLiteral("PC2")),
            root.filePath(QStringLiteral("PC3")), root.filePath(QStringLiteral("PC9"))};
        auto [status, screen] =
            run(QStringList{QStringLiteral("--html"), html, QStringLiteral("--csv=") + csv} + pcs);
        QCOMPARE(status, 0);
        QVERIFY2(screen.contains(QStringLiteral("PC9: няма такава папка")), qPrintable(screen));
        QVERIFY(fileBytes(csv).contains("PC3,Няма файл с отговори."));
        QVERIFY(fileBytes(html).contains("&lt;script&gt;"));

        // Never over an answers file, nor over a file that is no report
        // without --force; an earlier report is replaced.
        putFile(root.filePath(QStringLiteral("notes.csv")), "my notes");
        std::tie(status, screen) = run(QStringList{QStringLiteral("--csv"), pc1} + pcs);
        QCOMPARE(status, 1);
        QVERIFY2(screen.contains(QStringLiteral("така урокът нарича")), qPrintable(screen));
        std::tie(status, screen) =
            run(QStringList{QStringLiteral("--html"), html, QStringLiteral("--csv"),
                            root.filePath(QStringLiteral("notes.csv"))} +
                pcs);
        QCOMPARE(status, 1);
        QVERIFY2(screen.contains(QStringLiteral("--force")), qPrintable(screen));
        QCOMPARE(fileBytes(root.filePath(QStringLiteral("notes.csv"))), QByteArray("my notes"));
        std::tie(status, screen) =
            run(QStringList{QStringLiteral("--html"), html, QStringLiteral("--csv"), csv} + pcs);
        QCOMPARE(status, 0);
        QCOMPARE(fileBytes(pc1), answers);
        QCOMPARE(QFileInfo(pc1).lastModified(), written);
        QCOMPARE(root.entryList(QDir::Files).size(), 3); // klas.html, klas.csv, notes.csv
    }
};

QTEST_GUILESS_MAIN(TestClassReport)
#include "tst_class_report.moc"
