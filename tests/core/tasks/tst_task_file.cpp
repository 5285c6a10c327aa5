#include "core/tasks/task_file.h"
#include "support/files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace lesson;

class TestTaskFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void names_data()
    {
        QTest::addColumn<int>("task");
        QTest::addColumn<QString>("name");
        QTest::newRow("one digit gets a leading zero") << 3 << QStringLiteral("TAVN7_03.TXT");
        QTest::newRow("two digits stay") << 12 << QStringLiteral("TAVN7_12.TXT");
        QTest::newRow("beyond 99 the last two digits") << 107 << QStringLiteral("TAVN7_07.TXT");
    }
    void names()
    {
        QFETCH(int, task);
        QFETCH(QString, name);
        QCOMPARE(taskFileName(QStringLiteral("TAVN7"), task), name);
    }

    void contentAndReplacing()
    {
        const TaskTexts task{QStringLiteral("\r\nРешете\r\nx^2 = 4"), QStringLiteral("x = 2"),
                             QStringLiteral("\r\nx = √4")};
        // The statement starts on the line after its heading, its last line
        // runs into the answer's heading, and nothing follows the answer.
        QCOMPARE(taskFileText(TaskFileKind::StatementAndAnswer, task),
                 QStringLiteral("Условие на задачата:\r\nРешете\r\nx^2 = "
                                "4Представено решение:\r\nx = 2"));
        QCOMPARE(taskFileText(TaskFileKind::AnswerOnly, {task.statement, {}, task.solution}),
                 QString());
        QCOMPARE(taskFileText(TaskFileKind::AuthorSolution, task), task.solution);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("TAVN7_03.TXT"));
        QCOMPARE(saveTaskFile(path, TaskFileKind::StatementAndAnswer, task), WriteFailure::None);
        QVERIFY(test::fileBytes(path).startsWith(
            "\xD3\xF1\xEB\xEE\xE2\xE8\xE5")); // "Условие" in Windows-1251
        // Saved again, replaced; a "√" makes the whole file UTF-8 with its mark.
        QCOMPARE(saveTaskFile(path, TaskFileKind::AuthorSolution, task), WriteFailure::None);
        QCOMPARE(test::fileBytes(path), QByteArray("\xEF\xBB\xBF\r\nx = \xE2\x88\x9A"
                                                   "4"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("TAVN7_03.TXT")});
    }
};

QTEST_GUILESS_MAIN(TestTaskFile)
#include "tst_task_file.moc"
