#include "core/system/tick_schedule.h"

#include <QRegularExpression>
#include <QTest>

using namespace lesson;

class TestTickSchedule : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Clock readings in ms: "start@t", "stop@t", "take@t=n" (n ticks handed out).
    void ticksFollowTheClock_data()
    {
        QTest::addColumn<QString>("script");
        QTest::newRow("on time: one tick each") << "start@0 take@100=1 take@200=1";
        QTest::newRow("late event catches up") << "start@0 take@100=1 take@350=2 take@400=1";
        QTest::newRow("early event gives none") << "start@0 take@95=0 take@200=2";
        QTest::newRow("clock read backwards") << "start@0 take@300=3 take@250=0 take@400=1";
        QTest::newRow("stopped time does not count")
            << "start@0 take@250=2 stop@250 start@10250 take@10300=1 take@10350=0";
        QTest::newRow("stopped gives nothing") << "take@500=0 start@600 stop@900 take@5000=0";
        QTest::newRow("second start keeps counting") << "start@0 take@150=1 start@180 take@200=1";
    }
    void ticksFollowTheClock()
    {
        QFETCH(QString, script);
        TickSchedule schedule(100);
        for (const QString &step : script.split(QLatin1Char(' '))) {
            const QStringList p = step.split(QRegularExpression(QStringLiteral("[@=]")));
            if (p[0] == QLatin1String("start"))
                schedule.start(p[1].toLongLong());
            else if (p[0] == QLatin1String("stop"))
                schedule.stop(p[1].toLongLong());
            else
                QVERIFY2(schedule.take(p[1].toLongLong()) == p[2].toLongLong(), qPrintable(step));
        }
    }
};

QTEST_GUILESS_MAIN(TestTickSchedule)
#include "tst_tick_schedule.moc"
