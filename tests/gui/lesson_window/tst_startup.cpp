#include "core/system/messages.h"
#include "support/lesson_setup.h"

#include <sys/stat.h>

// The lesson window's start-up: without a configuration, and with the
// teacher's configuration as the window meets it: which message the pupil
// sees and what the lesson then holds.
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
        QString points; // point k: its time in seconds / whether it is done (0: how many to do)
        for (std::size_t k = 0; k <= 6; ++k)
            points += u"%1/%2 "_s.arg(tezo->run.PointTime[k]).arg(tezo->run.PointDone[k]);
        QCOMPARE(points, u"0/6 12/0 14/0 14/0 16/0 18/0 20/0 "_s);
        QCOMPARE(r.lesson->store().List_Ur[1].read(2), u"0"_s);
        QVERIFY(!r.lesson->tezoN()->isVisible());
        QVERIFY(tezo->Timer1->isActive());
    }

    // One row for each way the window reaches a message; the core's own test
    // covers every fault of the format. The identity column is what the
    // version record then shows as the lesson's identifier.
    void faults_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("message");
        QTest::addColumn<QString>("identity");
        const QByteArray good = formatConfiguration(lessonConfiguration());
        ConfigFile foreign = lessonConfiguration();
        foreign.records[3].setLabel(u"ALG12"_s);
        QByteArray label16 = good;
        label16[84] = char(16);
        QByteArray label255 = good;
        label255[3 * 100 + 84] = char(255);
        QTest::newRow("empty file") << QByteArray() << 3 << "";
        QTest::newRow("a folder of that name") << QByteArray("<folder>") << 1 << "";
        QTest::newRow("another lesson") << formatConfiguration(foreign) << 1 << "ALG12";
        QTest::newRow("record 1 label length 16") << label16 << 1 << "TAVN7";
        QTest::newRow("identity label length 255") << label255 << 1 << "";
    }
    void faults()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, message);
        QFETCH(QString, identity);
        LessonRun r;
        if (bytes == "<folder>")
            QVERIFY(QDir().mkdir(r.path(u"TAVN7.UFG"_s)));
        else
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
        QCOMPARE(s.List_Ur[3].read(1), identity);
        // The title shows the version and date the store keeps.
        QVERIFY(r.lesson->tezo()->windowTitle().endsWith(u"Версия  .96 от 2009/10/28"_s));
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
        setFlag(file, 14, 1);
        setFlag(file, 16, 1);
        file.records[4].Values[0] = 10;
        LessonRun r;
        writeConfiguration(r, file);
        r.lesson->start();
        QVERIFY(r.platform.asked.isEmpty());
        // The window shows what the lesson's store now holds.
        const ContentStore &s = r.lesson->store();
        Tezo_n *tasks = r.lesson->tezoN();
        QCOMPARE(tasks->List_Un[1]->allItems(), s.Uslowie_L[0].items().mid(1, 7));
        QCOMPARE(tasks->mnu_All_zadachi->text(), u"+ 3 за&дачи"_s);
        QVERIFY(tasks->mnu_All_zadachi->isEnabled());
        tasks->mnu_All_zadachi->trigger(); // lists every kept task, once
        QCOMPARE(tasks->List_Un[1]->allItems(), s.Uslowie_L[0].items().mid(1));
        QCOMPARE(tasks->List_Un[1]->ListCount(), 10);
        QVERIFY(!tasks->mnu_All_zadachi->isEnabled());
        QCOMPARE(tasks->mnu_All_zadachi->text(), u"+0 за&дачи"_s);
        Tezo *tezo = r.lesson->tezo();
        QCOMPARE(tezo->windowTitle(), u"Тезомат - урочно съдържание. Полиноми и "
                                      "уравнения  Версия  1.5 от  20091028"_s);
        // Viewing times: 2 seconds plus the text's length times the factor.
        QCOMPARE(tezo->run.PointTime[1], toInt16(2 + double(s.Podtochki[1].size() * 10) / 100));
        QCOMPARE(tezo->run.PointTime[2], qint16(2)); // factor 0
    }

    // A read-only file is read and made writable for its owner; through a
    // symbolic link, beside it or elsewhere, the file is read and left as it is.
    void readOnlyAndLinkedFiles_data()
    {
        QTest::addColumn<QString>("link"); // where the file lies that TAVN7.UFG leads to
        QTest::newRow("read-only file") << "";
        QTest::newRow("link to a read-only file outside the lesson's folder") << "outside";
        QTest::newRow("link to a read-only file beside it") << "beside";
    }
    void readOnlyAndLinkedFiles()
    {
        QFETCH(QString, link);
        LessonRun r;
        QTemporaryDir elsewhere;
        const QString name = r.path(u"TAVN7.UFG"_s);
        const QString file = link.isEmpty()         ? name
                             : link == u"outside"_s ? elsewhere.filePath(u"общ.UFG"_s)
                                                    : r.path(u"общ.UFG"_s);
        ConfigFile config = lessonConfiguration();
        setFlag(config, 10, 1);
        QVERIFY(writeFile(file, formatConfiguration(config)));
        QCOMPARE(::chmod(QFile::encodeName(file).constData(), 0440), 0);
        if (!link.isEmpty())
            QVERIFY(QFile::link(file, name));
        r.lesson->start();
        QVERIFY(r.platform.asked.isEmpty());
        QCOMPARE(r.lesson->tezo()->ModeFlag(10), 1);
        // The stored bits: QFileInfo tells what the user may do, for root everything.
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(file).constData(), &st), 0);
        QCOMPARE(st.st_mode & 07777, link.isEmpty() ? 0640u : 0440u);
        QCOMPARE(QFileInfo(name).isSymLink(), !link.isEmpty());
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
