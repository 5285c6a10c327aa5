#include "core/content/number_text.h"
#include "support/configuration.h"
#include "support/lesson_setup.h"

#include <QAction>
#include <QFileInfo>
#include <QTest>

using namespace lesson;
using namespace lesson::test;

// The configuration as the lesson window meets it at start-up: which message
// the pupil sees and what the lesson then holds.
class TestConfigurationStart : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void faults_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("message");
        QTest::addColumn<QString>("identity");
        const QByteArray good = formatConfiguration(lessonConfiguration());
        QByteArray foreign = good;
        {
            ConfigFile f = lessonConfiguration();
            f.records[3].setLabel(QStringLiteral("ALG12"));
            foreign = formatConfiguration(f);
        }
        ConfigFile lower = lessonConfiguration();
        lower.records[3].setLabel(QStringLiteral("tavn7"));
        QByteArray label16 = good;
        label16[84] = char(16);
        QByteArray label255 = good;
        label255[3 * 100 + 84] = char(255);
        ConfigFile negative = lessonConfiguration();
        negative.records[0].Count = -1;
        QTest::newRow("empty file") << QByteArray() << 3 << "";
        QTest::newRow("599 bytes") << good.left(599) << 3 << "";
        QTest::newRow("601 bytes") << good + 'x' << 3 << "";
        QTest::newRow("another lesson") << foreign << 1 << "ALG12";
        QTest::newRow("identity in other letter case")
            << formatConfiguration(lower) << 1 << "tavn7";
        QTest::newRow("label length 16") << label16 << 1 << "";
        QTest::newRow("label length 255") << label255 << 1 << "";
        QTest::newRow("negative keep count") << formatConfiguration(negative) << 1 << "";
        QTest::newRow("all bytes 0x00") << QByteArray(600, '\0') << 1 << "";
        QTest::newRow("all bytes 0xFF") << QByteArray(600, '\xFF') << 1 << "";
    }
    void faults()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, message);
        QFETCH(QString, identity);
        LessonRun r;
        writeBytes(r, bytes);
        r.lesson->start();
        QCOMPARE(r.platform.asked.size(), 1);
        QVERIFY(r.platform.asked.first().text.startsWith(QString::number(message) + "\r\n"));
        const ContentStore &s = r.lesson->store();
        const ContentStore &built = lessonContent();
        QCOMPARE(s.Uslowie_L[0], built.Uslowie_L[0]);
        // Item 0 of the time lists is the tasks window's own copy of task 1.
        for (int i : {0, 1, 2, 4, 6})
            QCOMPARE(s.Wremena[std::size_t(i)].items().mid(1),
                     built.Wremena[std::size_t(i)].items().mid(1));
        QCOMPARE(s.List_Ur[3].read(3), QStringLiteral("96"));
        QCOMPARE(s.List_Ur[3].read(10), QStringLiteral("2009/10/28"));
        if (!identity.isEmpty())
            QCOMPARE(s.List_Ur[3].read(1), identity);
        QVERIFY(
            r.lesson->tezo()->windowTitle().endsWith(QStringLiteral("Версия  .96 от 2009/10/28")));
        for (int k = 1; k <= 40; ++k)
            QCOMPARE(r.lesson->tezo()->ModeFlag(k), 0);
        QCOMPARE(r.lesson->tezoN()->List_Un[1]->ListCount(), 0);
    }

    void acceptedFileIsApplied()
    {
        ConfigFile file = lessonConfiguration();
        file.records[0].Count = 10;
        file.records[1].Count = 7;
        file.records[2].Count = 150;
        file.records[3].Count = 20091028;
        setFlag(file, 14, 1);
        setFlag(file, 16, 1);
        file.records[1].Values[0] = 2;
        file.records[2].Values[0] = 30;
        file.records[3].Values[0] = 300;
        file.records[4].Values[0] = 10;
        LessonRun r;
        writeConfiguration(r, file);
        r.lesson->start();
        QVERIFY(r.platform.asked.isEmpty());
        const ContentStore &s = r.lesson->store();
        QCOMPARE(s.Uslowie_L[0].count(), 11);
        QCOMPARE(s.Uslowie_L[0].read(0), QStringLiteral("7"));
        Tezo_n *tasks = r.lesson->tezoN();
        QCOMPARE(tasks->List_Un[1]->allItems(), s.Uslowie_L[0].items().mid(1, 7));
        QCOMPARE(tasks->mnu_All_zadachi->text(), QStringLiteral("+ 3 за&дачи"));
        QVERIFY(tasks->mnu_All_zadachi->isEnabled());
        tasks->mnu_All_zadachi_Click();
        QCOMPARE(tasks->List_Un[1]->ListCount(), 10);
        QCOMPARE(s.Wremena[4].read(1), QStringLiteral("2"));
        QCOMPARE(s.Wremena[0].read(1), QStringLiteral("30"));
        QCOMPARE(s.Wremena[1].read(1), QStringLiteral("300"));
        Tezo *tezo = r.lesson->tezo();
        QCOMPARE(tezo->windowTitle(), QStringLiteral("Тезомат - урочно съдържание. Полиноми и "
                                                     "уравнения  Версия  1.5 от  20091028"));
        QCOMPARE(s.List_Ur[3].read(1), QStringLiteral("TAVN7"));
        // Viewing times: 2 seconds plus the text's length times the factor.
        const qint64 length = s.Podtochki[1].size();
        const double seconds = 2 + double(length * 10) / 100;
        QCOMPARE(Val(s.Wremena[2].read(1)), seconds);
        QCOMPARE(tezo->run.PointTime[1], toInt16(seconds));
        QCOMPARE(tezo->run.PointTime[2], qint16(2)); // factor 0
    }

    void readOnlyFileIsStillRead()
    {
        ConfigFile file = lessonConfiguration();
        setFlag(file, 10, 1);
        LessonRun r;
        writeConfiguration(r, file);
        QFile::setPermissions(r.path(QStringLiteral("TAVN7.UFG")), QFileDevice::ReadOwner);
        r.lesson->start();
        QVERIFY(r.platform.asked.isEmpty());
        QCOMPARE(r.lesson->tezo()->ModeFlag(10), 1);
        QVERIFY(QFileInfo(r.path(QStringLiteral("TAVN7.UFG"))).isWritable());
    }
};

QTEST_MAIN(TestConfigurationStart)
#include "tst_configuration_start.moc"
