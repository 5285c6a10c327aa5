#include "core/content/utf8_text.h"

#include <QDirIterator>
#include <QFile>
#include <QStringDecoder>
#include <QTest>

using namespace lesson;

Q_DECLARE_METATYPE(lesson::TextFault)

class TestUtf8Text : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Every text of the lesson, and the edges of UTF-8, come out as Qt's
    // decoder and a replace of every LF gave them.
    void readAsQtReadsIt()
    {
        // Two byte-order marks (the second is text), a three-byte sign, a
        // four-byte character and a noncharacter; then the lesson's files.
        QList<QByteArray> texts = {"\xEF\xBB\xBF\xEF\xBB\xBF\xD0\xB0\n\xE2\x88\x9Ax\nb",
                                   "a\xF0\x9F\x98\x80\xEF\xBF\xBF"};
        QDirIterator files(QStringLiteral(":/lesson"), {QStringLiteral("*.txt")}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            texts.append(file.readAll());
        }
        QVERIFY(texts.size() > 50);
        for (const QByteArray &bytes : texts) {
            QStringDecoder decode(QStringDecoder::Utf8);
            const QString byQt = decode(bytes);
            QString text;
            QCOMPARE(decodeUtf8Text(bytes, LineEnds::Lf, text), TextFault::None);
            QCOMPARE(text, byQt);
            QCOMPARE(decodeUtf8Text(bytes, LineEnds::CrLf, text), TextFault::None);
            QCOMPARE(text, QString(byQt).replace(QLatin1Char('\n'), QLatin1String("\r\n")));
        }
    }

    void faultyFilesRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<TextFault>("fault");
        QTest::newRow("overlong form") << QByteArray("a\xE0\x80\xAF") << TextFault::NotUtf8;
        // Qt's stateful decoder waited for the rest and dropped it silently.
        QTest::newRow("letter cut short at the end") << QByteArray("ред\xD0") << TextFault::NotUtf8;
        QTest::newRow("CR LF line ends") << QByteArray("ред\r\nред\r\n") << TextFault::HasCr;
        QTest::newRow("CR and a bad byte") << QByteArray("ред\r\n\xFF") << TextFault::NotUtf8;
    }
    void faultyFilesRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(TextFault, fault);
        QString text = QStringLiteral("прежен");
        QCOMPARE(decodeUtf8Text(bytes, LineEnds::CrLf, text), fault);
        QVERIFY(text.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestUtf8Text)
#include "tst_utf8_text.moc"
