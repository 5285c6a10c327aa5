#include "class_report.h"

#include <QTest>

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
};

QTEST_MAIN(TestTeacherMends)
#include "tst_teacher_mends.moc"
