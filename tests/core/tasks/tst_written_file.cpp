#include "core/tasks/written_file.h"
#include "support/files.h"
#include "support/unwritable_folder.h"

#include <QTemporaryDir>
#include <QTest>

using namespace lesson;
using namespace Qt::StringLiterals;

class TestWrittenFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void encoding_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Cyrillic stays in the code page")
            << u"Задача  3\r\nх = 2"_s << QByteArray("\xC7\xE0\xE4\xE0\xF7\xE0  3\r\n\xF5 = 2");
        QTest::newRow("empty text is empty") << QString() << QByteArray();
        QTest::newRow("quotes and dashes of the code page")
            << u"„а“ – №"_s << QByteArray("\x84\xE0\x93 \x96 \xB9");
        QTest::newRow("square root needs UTF-8") << u"√4 = 2"_s
                                                 << QByteArray("\xEF\xBB\xBF\xE2\x88\x9A"
                                                               "4 = 2");
        QTest::newRow("ѝ needs UTF-8") << u"ѝ"_s << QByteArray("\xEF\xBB\xBF\xD1\x9D");
        QTest::newRow("an emoji is kept whole")
            << u"x😀"_s << QByteArray("\xEF\xBB\xBFx\xF0\x9F\x98\x80");
    }
    void encoding()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(encodeWrittenText(text), bytes);
    }

    void failuresAreToldAndKeepWhatWasThere()
    {
        QTemporaryDir dir;
        const QString folderName = dir.filePath(u"B.TXT"_s);
        QVERIFY(QDir().mkdir(folderName));
        QCOMPARE(saveFileAtomically(folderName, "x"), WriteFailure::FolderInTheWay);
        QVERIFY(QFileInfo(folderName).isDir());

        const QString sub = dir.filePath(u"lesson"_s);
        QVERIFY(QDir().mkdir(sub));
        const QString path = sub + u"/C.TXT"_s;
        QCOMPARE(saveFileAtomically(path, "kept"), WriteFailure::None);
        const QString before = QDir::currentPath();
        QDir::setCurrent(sub);
        test::makeCurrentFolderUnwritable();
        QCOMPARE(saveFileAtomically(u"C.TXT"_s, "lost"), WriteFailure::FolderReadOnly);
        QDir::setCurrent(before);
        test::makeFolderWritableAgain(sub);
        if (QFileInfo::exists(path))
            QCOMPARE(test::fileBytes(path), QByteArray("kept"));

        QCOMPARE(writeFailureText(u"ОТГОВОРИ.TXT"_s, WriteFailure::FolderReadOnly),
                 u"Файлът „ОТГОВОРИ.TXT“ не можа да бъде записан: папката на урока "
                 "не позволява запис."_s);
    }
};

QTEST_GUILESS_MAIN(TestWrittenFile)
#include "tst_written_file.moc"
