#include "core/tasks/task_file.h"
#include "support/unwritable_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace lesson;

namespace {
QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

const TaskTexts kTask3{QStringLiteral("\r\nРешете уравнението\r\nx^2 - 4 = 0"),
                       QStringLiteral("x = 2 или x = -2"), QStringLiteral("\r\nx = √4")};
} // namespace

Q_DECLARE_METATYPE(lesson::TaskFileKind)
Q_DECLARE_METATYPE(lesson::TaskTexts)

class TestTaskFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void names_data()
    {
        QTest::addColumn<int>("task");
        QTest::addColumn<QString>("name");
        QTest::newRow("one digit gets a leading zero") << 3 << QStringLiteral("TAVN7_03.TXT");
        QTest::newRow("two digits stay as they are") << 12 << QStringLiteral("TAVN7_12.TXT");
        QTest::newRow("ten is not 010") << 10 << QStringLiteral("TAVN7_10.TXT");
        QTest::newRow("beyond 99 the last two digits") << 107 << QStringLiteral("TAVN7_07.TXT");
        QTest::newRow("no task chosen") << 0 << QStringLiteral("TAVN7_00.TXT");
    }
    void names()
    {
        QFETCH(int, task);
        QFETCH(QString, name);
        QCOMPARE(taskFileName(QStringLiteral("TAVN7"), task), name);
    }

    void texts_data()
    {
        QTest::addColumn<TaskFileKind>("kind");
        QTest::addColumn<TaskTexts>("texts");
        QTest::addColumn<QString>("text");
        QTest::newRow("statement from the line after its heading, no line end added")
            << TaskFileKind::StatementAndAnswer << kTask3
            << QStringLiteral("Условие на задачата:\r\n\r\nРешете уравнението\r\nx^2 - 4 = "
                              "0Представено решение:\r\nx = 2 или x = -2");
        QTest::newRow("answer alone, as typed")
            << TaskFileKind::AnswerOnly << kTask3 << QStringLiteral("x = 2 или x = -2");
        QTest::newRow("empty answer gives an empty file")
            << TaskFileKind::AnswerOnly << TaskTexts{kTask3.statement, QString(), QString()}
            << QString();
        QTest::newRow("author's solution before time-up is empty")
            << TaskFileKind::AuthorSolution << TaskTexts{kTask3.statement, kTask3.answer, QString()}
            << QString();
        QTest::newRow("author's solution, not the answer")
            << TaskFileKind::AuthorSolution << kTask3 << QStringLiteral("\r\nx = √4");
        QTest::newRow("statement file with nothing typed ends after its heading")
            << TaskFileKind::StatementAndAnswer << TaskTexts{QStringLiteral("\r\nA"), {}, {}}
            << QStringLiteral("Условие на задачата:\r\n\r\nAПредставено решение:\r\n");
    }
    void texts()
    {
        QFETCH(TaskFileKind, kind);
        QFETCH(TaskTexts, texts);
        QFETCH(QString, text);
        QCOMPARE(taskFileText(kind, texts), text);
    }

    void savingEncodesReplacesAndFailsLoudly()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("TAVN7_03.TXT"));
        QCOMPARE(saveTaskFile(path, TaskFileKind::AnswerOnly, kTask3), WriteFailure::None);
        // Cyrillic fits the code page: one byte a letter, no byte-order mark.
        QCOMPARE(contents(path), QByteArray("x = 2 \xE8\xEB\xE8 x = -2"));
        // A second save replaces the first; the "√" of the solution does not
        // fit, so the whole file is UTF-8 with its mark.
        QCOMPARE(saveTaskFile(path, TaskFileKind::AuthorSolution, kTask3), WriteFailure::None);
        QCOMPARE(contents(path), QByteArray("\xEF\xBB\xBF\r\nx = \xE2\x88\x9A"
                                            "4"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("TAVN7_03.TXT")});

        const QString before = QDir::currentPath();
        const QString sub = dir.filePath(QStringLiteral("lesson"));
        QVERIFY(QDir().mkdir(sub));
        QDir::setCurrent(sub);
        test::makeCurrentFolderUnwritable();
        QCOMPARE(saveTaskFile(QStringLiteral("TAVN7_03.TXT"), TaskFileKind::AnswerOnly, kTask3),
                 WriteFailure::FolderReadOnly);
        QDir::setCurrent(before);
        test::makeFolderWritableAgain(sub);
    }
};

QTEST_GUILESS_MAIN(TestTaskFile)
#include "tst_task_file.moc"
