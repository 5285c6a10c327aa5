#include "core/system/messages.h"
#include "support/lesson_setup.h"

#include <QFile>

using namespace lesson;
using namespace lesson::test;
using namespace Qt::StringLiterals;

class TestStartup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Point times round halves to even and read "14,5" as 14.
    void startWithoutConfiguration()
    {
        ContentStore store = test::lessonContent();
        store.Wremena[2].write(1, u"12.5"_s);
        store.Wremena[2].write(2, u"13.5"_s);
        store.Wremena[2].write(3, u"14,5"_s);
        LessonRun r(store);
        QString captionWhenAsked;
        bool visibleWhenAsked = true;
        r.platform.onMessage = [&](const MessageSpec &) {
            captionWhenAsked = r.lesson->tezo()->windowTitle();
            visibleWhenAsked = r.lesson->tezo()->isVisible();
        };
        r.lesson->start();
        Tezo *tezo = r.lesson->tezo();

        // Message 1 came during start-up, before the caption was extended
        // and before the window was shown.
        QCOMPARE(r.platform.asked.size(), 1);
        QCOMPARE(r.platform.asked.first().text, lessonWindowMessage(1).text);
        QCOMPARE(captionWhenAsked, u"Тезомат - урочно съдържание."_s);
        QVERIFY(!visibleWhenAsked);
        QVERIFY(tezo->isVisible());

        QCOMPARE(tezo->windowTitle(), u"Тезомат - урочно съдържание. Полиноми и "
                                      "уравнения  Версия  .96 от 2009/10/28"_s);
        QCOMPARE(tezo->run.CurrentPointTime, qint16(1));
        QCOMPARE(tezo->run.TickCount + tezo->run.ImageSource, 0);
        QCOMPARE(tezo->run.PlanPointCount, qint16(6));
        QString points; // point k: its time in seconds / whether it is done (0: how many to do)
        for (std::size_t k = 0; k <= 6; ++k)
            points += u"%1/%2 "_s.arg(tezo->run.PointTime[k]).arg(tezo->run.PointDone[k]);
        QCOMPARE(points, u"0/6 12/0 14/0 14/0 16/0 18/0 20/0 "_s);
        QCOMPARE(r.lesson->store().List_Ur[1].read(2), u"0"_s);
        // Each window exists once, the tasks window hidden; every flag reads 0.
        QCOMPARE(r.lesson->tezo(), tezo);
        QCOMPARE(r.lesson->tezoN(), r.lesson->tezoN());
        QVERIFY(!r.lesson->tezoN()->isVisible());
        for (int k = 0; k <= 41; ++k)
            QCOMPARE(tezo->ModeFlag(k), 0);
        QVERIFY(tezo->Timer1->isActive());
    }

    void saveMenuFollowsTheDrive_data()
    {
        QTest::addColumn<int>("drive");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("undetermined") << 0 << false;
        QTest::newRow("removable") << 1 << true;
        QTest::newRow("fixed") << 2 << true;
        QTest::newRow("network") << 3 << false;
        QTest::newRow("CD-ROM") << 4 << false;
        QTest::newRow("RAM disk") << 5 << false;
    }
    void saveMenuFollowsTheDrive()
    {
        QFETCH(int, drive);
        QFETCH(bool, enabled);
        LessonRun r;
        r.platform.driveType = quint8(drive);
        r.lesson->tezo();
        QCOMPARE(r.lesson->tezoN()->zap_resheshenie->isEnabled(), enabled);
    }

    void reportFileStatus()
    {
        LessonRun r;
        QCOMPARE(Tezo::ReportFileStatus(u"TAVN7.UFG"_s), qint16(0));
        QFile file(r.path(u"TAVN7.UFG"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QCOMPARE(Tezo::ReportFileStatus(u"TAVN7.UFG"_s), qint16(1));
        QCOMPARE(Tezo::ReportFileStatus(r.directory.path()), qint16(0));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
