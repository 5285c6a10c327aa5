#include "core/system/tick_schedule.h"

#include <QRegularExpression>
#include <QTest>

using namespace lesson;

class TestTickSchedule : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A script of clock readings (ms): "start@t", "stop@t", "take@t=n" (n
    // ticks handed out at t).
    void ticksFollowTheClock_data()
    {
        QTest::addColumn<QString>("script");
        QTest::newRow("events on time give one tick each")
            << "start@0 take@100=1 take@200=1 take@300=1";
        QTest::newRow("a late event catches up every period that passed")
            << "start@0 take@100=1 take@350=2 take@400=1";
        QTest::newRow("an early event gives none, the next one makes up")
            << "start@0 take@95=0 take@200=2";
        QTest::newRow("a long stall is made up at once") << "start@0 take@1000=10 take@1100=1";
        QTest::newRow("a clock reading earlier than the last gives nothing")
            << "start@0 take@300=3 take@250=0 take@400=1";
        QTest::newRow("stopped time does not count")
            << "start@0 take@250=2 stop@250 start@10250 take@10300=1 take@10350=0";
        QTest::newRow("a part period before a stop counts after the start")
            << "start@0 stop@60 start@1000 take@1040=1";
        QTest::newRow("ticks due but not taken before a stop are gone")
            << "start@0 stop@350 start@500 take@550=1";
        QTest::newRow("a stopped schedule gives nothing") << "take@500=0 start@600 stop@900 "
                                                             "take@5000=0";
        QTest::newRow("starting twice keeps counting") << "start@0 take@150=1 start@180 take@200=1";
    }
    void ticksFollowTheClock()
    {
        QFETCH(QString, script);
        TickSchedule schedule(100);
        for (const QString &step : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QStringList parts = step.split(QRegularExpression(QStringLiteral("[@=]")));
            const qint64 now = parts.at(1).toLongLong();
            if (parts.at(0) == QLatin1String("start")) {
                schedule.start(now);
            } else if (parts.at(0) == QLatin1String("stop")) {
                schedule.stop(now);
            } else {
                QVERIFY2(schedule.take(now) == parts.at(2).toLongLong(), qPrintable(step));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestTickSchedule)
#include "tst_tick_schedule.moc"
