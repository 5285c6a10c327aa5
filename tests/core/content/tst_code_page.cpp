#include "core/content/code_page.h"

#include <QTest>

using namespace lesson;
using namespace Qt::StringLiterals;

class TestCodePage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The upper half is written out independently of the program's table,
    // row by row; every byte comes back as it was.
    void everyByteSurvivesTheRoundTrip()
    {
        QByteArray bytes;
        for (int b = 0; b < 256; ++b)
            bytes.append(char(b));
        const QString text = fromWindows1251(bytes);
        QCOMPARE(text, QString::fromLatin1(bytes.left(0x80)) + u"ЂЃ‚ѓ„…†‡€‰Љ‹ЊЌЋЏ"_s +
                           u"ђ‘’“”•–—"_s + QChar(0x98) + u"™љ›њќћџ"_s + QChar(0xA0) +
                           u"ЎўЈ¤Ґ¦§Ё©Є«¬"_s + QChar(0xAD) + u"®Ї°±Ііґµ¶·ё№є»јЅѕї"_s +
                           u"АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"_s +
                           u"абвгдежзийклмнопрстуфхцчшщъыьэюя"_s);
        QCOMPARE(toWindows1251(text), bytes);
        for (int b = 0; b < 256; ++b)
            QCOMPARE(windows1251Code(text.at(b)), b);
    }

    void charactersOutsideTheCodePage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Cyrillic letter the code page lacks") << u"аѝб"_s << QByteArray("\xE0?\xE1");
        QTest::newRow("Latin letter with diaeresis") << u"ü"_s << QByteArray("?");
        QTest::newRow("control character other than U+0098")
            << QString(QChar(0x81)) << QByteArray("?");
        QTest::newRow("surrogate pair is one character") << u"a😀b"_s << QByteArray("a?b");
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
        QTest::newRow("empty") << QString() << QByteArray();
    }
    void charactersOutsideTheCodePage()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(toWindows1251(text), bytes);
    }
};

QTEST_GUILESS_MAIN(TestCodePage)
#include "tst_code_page.moc"
