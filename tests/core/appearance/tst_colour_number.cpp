#include "core/appearance/colour_number.h"

#include <QTest>

using namespace lesson;

class TestColourNumber : public QObject {
    Q_OBJECT
private Q_SLOTS:
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
    }
    void captions()
    {
        QFETCH(qint64, colour);
        QFETCH(QString, caption);
        QCOMPARE(colourCodeCaption(colour), caption);
    }

    // A system colour keeps its number and its high byte is no blue; the
    // other colours' components are pinned by the colour window's sliders
    // (tst_cwiat). Whatever the list holds, a colour comes out.
    void componentsAndText()
    {
        QCOMPARE(colourNumberFromText(QStringLiteral("-2147483640")), qint64(-2147483640));
        const ColourParts parts = colourParts(-2147483640);
        QCOMPARE((QList<int>{parts.red, parts.green, parts.blue}), (QList<int>{8, 0, 0}));
        QCOMPARE(colourNumberFromText(QStringLiteral("зелено")), qint64(0));
        QCOMPARE(colourNumberFromText(QStringLiteral("4294967424")), qint64(128));
        QCOMPARE(colourNumberFromText(QStringLiteral("1e300")), qint64(0));
    }
};

QTEST_GUILESS_MAIN(TestColourNumber)
#include "tst_colour_number.moc"
