#include "core/content/number_text.h"

#include <QTest>

using namespace lesson;

class TestNumberText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The version, the date and the point times 12.5 and 13.5 are pinned
    // where the lesson window shows them (tst_startup).
    void str_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole number") << 3.0 << " 3";
        QTest::newRow("zero") << 0.0 << " 0";
        QTest::newRow("negative has no blank") << -7.0 << "-7";
        QTest::newRow("negative fraction") << -0.5 << "-.5";
        QTest::newRow("hundredths") << 14.5 << " 14.5";
    }
    void str()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(Str(value), text);
    }

    void val_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("leading zero and trailing blank") << "01 " << 1.0;
        QTest::newRow("leading blank") << " 1" << 1.0;
        QTest::newRow("no number") << "абв" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("blanks inside are skipped") << "1 2" << 12.0;
        QTest::newRow("fraction with point") << "14.5" << 14.5;
        QTest::newRow("comma stops the number") << "14,5" << 14.0;
        QTest::newRow("negative") << "-1" << -1.0;
        QTest::newRow("text after the number") << "2 за задача" << 2.0;
        QTest::newRow("point alone") << "." << 0.0;
        QTest::newRow("exponent") << "1e3" << 1000.0;
        QTest::newRow("dangling exponent") << "2e" << 2.0;
        QTest::newRow("version header reads 0") << " В" << 0.0;
        QTest::newRow("level header reads its digits") << "0 564" << 564.0;
    }
    void val()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(Val(text), value);
    }

    // Rounding halves to even, and the 16-bit conversion that rounds so and
    // clamps what does not fit.
    void roundingHalvesToEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("rounded");
        QTest::addColumn<int>("int16");
        QTest::newRow("0.5 down") << 0.5 << 0.0 << 0;
        QTest::newRow("-2.5 to -2") << -2.5 << -2.0 << -2;
        QTest::newRow("-3.5 to -4") << -3.5 << -4.0 << -4;
        QTest::newRow("below half") << 22.49 << 22.0 << 22;
        QTest::newRow("above half") << 22.51 << 23.0 << 23;
        QTest::newRow("too large for 16 bits") << 1e9 << 1e9 << 32767;
        QTest::newRow("too small for 16 bits") << -1e9 << -1e9 << -32768;
    }
    void roundingHalvesToEven()
    {
        QFETCH(double, value);
        QFETCH(double, rounded);
        QFETCH(int, int16);
        QCOMPARE(roundHalfEven(value), rounded);
        QCOMPARE(int(toInt16(value)), int16);
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_number_text.moc"
