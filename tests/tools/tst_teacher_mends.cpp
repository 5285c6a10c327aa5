#include "class_report.h"
#include "config_source.h"
#include "support/files.h"
#include "support/tool_run.h"
#include "teacher_desk.h"
#include "teacher_window.h"

#include <QAction>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace lesson::test;
using namespace tezomat_config;
using namespace Qt::StringLiterals;

namespace {

// Opens the one file it is given; keeps the messages shown.
using S = const QString &;
struct Desk : tezomat_teacher::TeacherDesk {
    bool showMessage(const lesson::MessageSpec &m) override { return shown << m.text, false; }
    QString openFileName(QWidget *, S, S, S) override { return path; }
    QString saveFileName(QWidget *, S, S, S) override { return {}; }
    QString folderName(QWidget *, S, S) override { return {}; }
    QString path;
    QStringList shown;
};

} // namespace

class TestTeacherMends : public QObject {
    Q_OBJECT
private Q_SLOTS:
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

    void windowRefusesASourceTooLargeWhole()
    {
        // Read cut short, this source would open as the sample.
        QTemporaryDir dir;
        Desk desk;
        desk.path = dir.filePath(u"big.ini"_s);
        QVERIFY(writeFile(desk.path, sampleSource() + "\n#" + QByteArray(1 << 20, 'x')));
        tezomat_teacher::TeacherWindow window(desk, *builtInLesson());
        window.startFromSample();
        const lesson::ConfigFile before = window.configuration();
        const QString title = window.windowTitle();
        window.findChild<QAction *>(u"openAction"_s)->trigger();
        QCOMPARE(desk.shown,
                 {u"Източникът „%1“ е твърде голям за файл с настройки."_s.arg(desk.path)});
        QVERIFY(window.configuration() == before);
        QCOMPARE(window.windowTitle(), title);
    }
};

QTEST_MAIN(TestTeacherMends)
#include "tst_teacher_mends.moc"
