#include "core/tasks/written_file.h"
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
} // namespace

class TestWrittenFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void encoding_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Cyrillic stays in the code page")
            << QStringLiteral("Задача  3\r\nх = 2")
            << QByteArray("\xC7\xE0\xE4\xE0\xF7\xE0  3\r\n\xF5 = 2");
        QTest::newRow("empty text is empty") << QString() << QByteArray();
        QTest::newRow("quotes and dashes of the code page")
            << QStringLiteral("„а“ – №") << QByteArray("\x84\xE0\x93 \x96 \xB9");
        QTest::newRow("square root needs UTF-8") << QStringLiteral("√4 = 2")
                                                 << QByteArray("\xEF\xBB\xBF\xE2\x88\x9A"
                                                               "4 = 2");
        QTest::newRow("ѝ needs UTF-8") << QStringLiteral("ѝ") << QByteArray("\xEF\xBB\xBF\xD1\x9D");
        QTest::newRow("an emoji is kept whole")
            << QStringLiteral("x😀") << QByteArray("\xEF\xBB\xBFx\xF0\x9F\x98\x80");
    }
    void encoding()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(encodeWrittenText(text), bytes);
    }

    void savingReplacesTheFileAndLeavesNothingElse()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("A.TXT"));
        QCOMPARE(saveFileAtomically(path, "first, longer text"), WriteFailure::None);
        QCOMPARE(saveFileAtomically(path, "second"), WriteFailure::None);
        QCOMPARE(contents(path), QByteArray("second"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("A.TXT")});
    }

    void failuresAreToldAndKeepWhatWasThere()
    {
        QTemporaryDir dir;
        const QString folderName = dir.filePath(QStringLiteral("B.TXT"));
        QVERIFY(QDir().mkdir(folderName));
        QCOMPARE(saveFileAtomically(folderName, "x"), WriteFailure::FolderInTheWay);
        QVERIFY(QFileInfo(folderName).isDir());

        const QString sub = dir.filePath(QStringLiteral("lesson"));
        QVERIFY(QDir().mkdir(sub));
        const QString path = sub + QStringLiteral("/C.TXT");
        QCOMPARE(saveFileAtomically(path, "kept"), WriteFailure::None);
        const QString before = QDir::currentPath();
        QDir::setCurrent(sub);
        test::makeCurrentFolderUnwritable();
        QCOMPARE(saveFileAtomically(QStringLiteral("C.TXT"), "lost"), WriteFailure::FolderReadOnly);
        QDir::setCurrent(before);
        test::makeFolderWritableAgain(sub);
        if (QFileInfo::exists(path))
            QCOMPARE(contents(path), QByteArray("kept"));

        QCOMPARE(writeFailureText(QStringLiteral("ОТГОВОРИ.TXT"), WriteFailure::FolderReadOnly),
                 QStringLiteral("Файлът „ОТГОВОРИ.TXT“ не можа да бъде записан: папката на урока "
                                "не позволява запис."));
    }
};

QTEST_GUILESS_MAIN(TestWrittenFile)
#include "tst_written_file.moc"
