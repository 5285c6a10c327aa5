#include "core/appearance/appearance_settings.h"
#include "core/appearance/colour_number.h"

#include <QTest>

using namespace lesson;

class TestColourNumber : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parts_data()
    {
        QTest::addColumn<qint64>("colour");
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::newRow("red is the lowest byte") << qint64(128) << 128 << 0 << 0;
        QTest::newRow("green the second") << qint64(32768) << 0 << 128 << 0;
        QTest::newRow("white") << qint64(16777215) << 255 << 255 << 255;
        QTest::newRow("blue the third") << qint64(65536 * 7 + 256 * 3 + 1) << 1 << 3 << 7;
        QTest::newRow("system colour: the high byte is not blue")
            << qint64(-2147483640) << 8 << 0 << 0;
        QTest::newRow("minus one is no negative component") << qint64(-1) << 255 << 255 << 255;
    }
    void parts()
    {
        QFETCH(qint64, colour);
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        const ColourParts p = colourParts(colour);
        QCOMPARE(p.red, red);
        QCOMPARE(p.green, green);
        QCOMPARE(p.blue, blue);
        if (!isSystemColour(colour) && colour >= 0)
            QCOMPARE(composeColour(red, green, blue), colour);
    }

    void captions_data()
    {
        QTest::addColumn<qint64>("colour");
        QTest::addColumn<QString>("caption");
        QTest::newRow("128") << qint64(128) << QStringLiteral("Цвят в 10/16-тичен код = 128 /H80");
        QTest::newRow("zero keeps its digit")
            << qint64(0) << QStringLiteral("Цвят в 10/16-тичен код = 0 /H0");
        QTest::newRow("white in capitals")
            << qint64(16777215) << QStringLiteral("Цвят в 10/16-тичен код = 16777215 /HFFFFFF");
        QTest::newRow("a minus takes the blank's place")
            << qint64(-2147483640)
            << QStringLiteral("Цвят в 10/16-тичен код =-2147483640 /H80000008");
        QTest::newRow("hexadecimal without leading zeros")
            << qint64(2571) << QStringLiteral("Цвят в 10/16-тичен код = 2571 /HA0B");
    }
    void captions()
    {
        QFETCH(qint64, colour);
        QFETCH(QString, caption);
        QCOMPARE(colourCodeCaption(colour), caption);
    }

    void textOfTheSettingsList_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("colour");
        QTest::newRow("plain number") << QStringLiteral("32768") << qint64(32768);
        QTest::newRow("system colour kept unchanged")
            << QStringLiteral("-2147483640") << qint64(-2147483640);
        QTest::newRow("not a number is black") << QStringLiteral("зелено") << qint64(0);
        QTest::newRow("empty item is black") << QString() << qint64(0);
        QTest::newRow("beyond 32 bits keeps the low ones")
            << QStringLiteral("4294967424") << qint64(128);
        QTest::newRow("absurdly large is black") << QStringLiteral("1e300") << qint64(0);
        QTest::newRow("fraction cut") << QStringLiteral("128.9") << qint64(128);
    }
    void textOfTheSettingsList()
    {
        QFETCH(QString, text);
        QFETCH(qint64, colour);
        QCOMPARE(colourNumberFromText(text), colour);
    }

    void readableCaptions()
    {
        QVERIFY(darkTextReadsBetter(255, 255, 255));
        QVERIFY(darkTextReadsBetter(236, 233, 220));
        QVERIFY(!darkTextReadsBetter(128, 0, 0)); // the lesson's dark red
        QVERIFY(!darkTextReadsBetter(192, 0, 0));
        QVERIFY(!darkTextReadsBetter(0, 0, 0));
        QVERIFY(darkTextReadsBetter(0, 255, 0));
    }

    void designSettingsAreConsistent()
    {
        const QStringList design = designAppearanceSettings();
        QCOMPARE(design.size(), 19);
        for (int slot = 0; slot < kColourSlots; ++slot) {
            const ColourParts p = colourParts(colourNumberFromText(design[colourItem(slot)]));
            QCOMPARE(design[componentItem(slot, 0)], QString::number(p.red));
            QCOMPARE(design[componentItem(slot, 1)], QString::number(p.green));
            QCOMPARE(design[componentItem(slot, 2)], QString::number(p.blue));
        }
    }
};

QTEST_GUILESS_MAIN(TestColourNumber)
#include "tst_colour_number.moc"
