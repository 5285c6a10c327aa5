#include "class_report.h"
#include "support/tool_run.h"

#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace lesson::test;
using namespace tezomat_config;
using namespace Qt::StringLiterals;

class TestTeacherMends : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void csvGuardsEveryFormulaStart()
    {
        // A spreadsheet skips a leading tab or line break and reads the
        // formula after it, as it reads one after "=".
        ClassReport report;
        report.tasks = {1, 2};
        ReportRow row;
        row.folder = u"PC"_s;
        row.state = RowState::Answered;
        row.answers = {{1, u"\t=1+2"_s}, {2, u"\r\n=1+2"_s}};
        report.rows << row;
        QCOMPARE(
            reportCsv(report),
            "\xEF\xBB\xBF" +
                u"Папка,Бележка,Задача 1,Задача 2\r\nPC,,'\t=1+2,\"'\r\n=1+2\"\r\n"_s.toUtf8());
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

QTEST_MAIN(TestTeacherMends)
#include "tst_teacher_mends.moc"
