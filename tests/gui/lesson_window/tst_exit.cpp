#include "core/tasks/written_file.h"
#include "gui/qt_platform.h"
#include "support/lesson_setup.h"
#include "support/unwritable_folder.h"

#include <QMessageBox>
#include <QPushButton>

#include <csignal>
#include <sys/resource.h>

namespace {

const QString kHeading = u"Има въведен текст по следните задачи:\r\n"_s;
const QString kAnswers = u"OTGOWORI.TXT"_s;

// Every flag on but the ones named; flag 31 would choose the file's other name.
void start(LessonRun &r, std::initializer_list<int> flagsOff = {31})
{
    startWithFlags(r, flagsOff);
    QVERIFY(QTest::qWaitForWindowExposed(r.lesson->tezo()));
}

// The pupil opens the tasks window, clicks task t ("Да" to leaving the one
// shown), types an answer and goes back to the lesson.
void answerTask(LessonRun &r, int t, const QString &answer)
{
    Tezo_n *tasks = r.lesson->tezoN();
    r.lesson->tezo()->mnu_Wyprosi->trigger();
    if (tasks->List_Un[1]->ListIndex() != t - 1) {
        r.platform.answers.append(true);
        clickItem(tasks->List_Un[1], t - 1);
    }
    typeText(tasks->Text_Un[0], answer);
    tasks->mnu_IzhodN->trigger();
}

void chooseExit(LessonRun &r, bool yes = true)
{
    r.platform.answers.append(yes);
    r.lesson->tezo()->Izhod->trigger();
}

// The real message boxes, answered by clicking the buttons named, in turn.
class BoxesOnScreen : public QtPlatform {
public:
    quint8 currentDriveType() override { return DriveFixed; }
    void quit() override { ++quits; }
    bool showMessage(const MessageSpec &message) override
    {
        QTimer::singleShot(0, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || clicks.isEmpty())
                return;
            texts << box->text();
            const QString caption = clicks.takeFirst();
            for (QAbstractButton *button : box->buttons())
                if (button->text().remove(QLatin1Char('&')) == caption)
                    QTest::mouseClick(button, Qt::LeftButton);
        });
        return QtPlatform::showMessage(message);
    }
    QStringList clicks, texts;
    int quits = 0;
};

} // namespace

class TestExit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Five characters are not recorded, six are; so is what was typed in
    // the enlarged answer after going back to the lesson.
    void typedAnswersAreRecordedAtExit()
    {
        LessonRun r;
        start(r);
        answerTask(r, 1, u"x = 2"_s);
        answerTask(r, 3, u"x = ±2"_s);
        answerTask(r, 2, u"начало"_s);
        Tezo_n *tasks = r.lesson->tezoN();
        r.lesson->tezo()->mnu_Wyprosi->trigger();
        tasks->Text_Un_GotFocus(0);
        tasks->mnu_Pylen_Ekran->trigger(); // the answer enlarged
        tasks->mnu_IzhodN->trigger();
        LessonText *enlarged = r.lesson->tezoZad()->Obsho_Pole;
        enlarged->moveCursor(QTextCursor::End);
        typeText(enlarged, u" и край"_s);
        QVERIFY(writeFile(r.path(kAnswers), QByteArray(500, 'x'))); // of an earlier run
        chooseExit(r);
        QCOMPARE(r.platform.asked.last().text, u"Желаете ли изход от урока?"_s);
        QCOMPARE(r.platform.asked.last().defaultButton, MessageSpec::DefaultButton::No);
        QVERIFY(r.lesson->hasEnded() && !r.lesson->tezo()->isVisible());
        QCOMPARE(r.platform.quitCalls, 1);
        QCOMPARE(
            fileBytes(r.path(kAnswers)),
            encodeWrittenText(kHeading + "Задача  2\r\nначало и край\r\nЗадача  3\r\nx = ±2\r\n"));
    }

    // The frame's close button asks as "Изход" does: "Не" keeps the lesson,
    // "Да" records. Flag 31 picks the other name; a character outside the
    // code page makes the file UTF-8.
    void closeBoxRecordsUnderTheOtherName()
    {
        LessonRun r;
        start(r, {});
        answerTask(r, 2, u"√4 = 2, x² ≤ 4 😀"_s);
        r.platform.answers = {false, true};
        Tezo *tezo = r.lesson->tezo();
        QVERIFY(!tezo->close());
        QVERIFY(tezo->isVisible() && !r.lesson->hasEnded() && r.platform.quitCalls == 0);
        QVERIFY(!QFile::exists(r.path(u"OTGOWOR2.TXT"_s)));
        tezo->close();
        QVERIFY(r.lesson->hasEnded() && !tezo->isVisible() && r.platform.quitCalls == 1);
        QVERIFY(!QFile::exists(r.path(kAnswers)));
        QCOMPARE(fileBytes(r.path(u"OTGOWOR2.TXT"_s)),
                 "\xEF\xBB\xBF" + (kHeading + "Задача  2\r\n√4 = 2, x² ≤ 4 😀\r\n").toUtf8());
    }

    // The tasks window's "Запис" menu, too, only on a local disk.
    void recordingOnlyFromALocalDiskWithFlag12_data()
    {
        QTest::addColumn<int>("flag12");
        QTest::addColumn<int>("drive");
        QTest::addColumn<bool>("recorded");
        QTest::newRow("fixed disk") << 1 << int(DriveFixed) << true;
        QTest::newRow("removable disk") << 1 << int(DriveRemovable) << true;
        QTest::newRow("network share") << 1 << int(DriveNetwork) << false;
        QTest::newRow("CD-ROM") << 1 << int(DriveCdRom) << false;
        QTest::newRow("RAM disk") << 1 << int(DriveRamDisk) << false;
        QTest::newRow("unknown drive") << 1 << int(DriveUnknown) << false;
        QTest::newRow("flag 12 off still asks") << 0 << int(DriveFixed) << false;
    }
    void recordingOnlyFromALocalDiskWithFlag12()
    {
        QFETCH(int, flag12);
        QFETCH(int, drive);
        QFETCH(bool, recorded);
        LessonRun r;
        r.platform.driveType = quint8(drive);
        flag12 ? start(r) : start(r, {12, 31});
        QCOMPARE(r.lesson->tezoN()->zap_resheshenie->isEnabled(), recorded || !flag12);
        r.lesson->tezoN()->List_Un3.write(4, u"(x+1)^2"_s);
        chooseExit(r, false);
        QVERIFY(!r.lesson->hasEnded() && !QFile::exists(r.path(kAnswers)));
        chooseExit(r);
        QVERIFY(r.lesson->hasEnded());
        QCOMPARE(QFile::exists(r.path(kAnswers)), recorded);
    }

    // A write that fails is told in a box with "Добре"; the lesson stays
    // open, the earlier file whole and no half-written file is left. "Изход"
    // once more, the folder writable again, records everything.
    void failedWriteIsToldAndTheLessonStaysOpen_data()
    {
        QTest::addColumn<bool>("readOnly"); // else the disk fills up after 64 bytes
        QTest::newRow("read-only folder") << true;
        QTest::newRow("write cut short") << false;
    }
    void failedWriteIsToldAndTheLessonStaysOpen()
    {
        QFETCH(bool, readOnly);
        QTemporaryDir directory;
        const QString folder = directory.path();
        QDir::setCurrent(folder);
        BoxesOnScreen platform;
        auto lesson = std::make_unique<Lesson>(lessonContent(), platform);
        QVERIFY(writeFile(u"TAVN7.UFG"_s, configurationWithFlagsOff({31})));
        QVERIFY(writeFile(kAnswers, "earlier answers"));
        lesson->start();
        lesson->tezoN()->List_Un3.write(2, QString(200, QLatin1Char('a')));
        rlimit before{};
        getrlimit(RLIMIT_FSIZE, &before);
        rlimit small = before;
        small.rlim_cur = 64;
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        readOnly ? makeCurrentFolderUnwritable() : void(setrlimit(RLIMIT_FSIZE, &small));
        platform.clicks = QStringList{u"Да"_s, u"Добре"_s};
        lesson->tezo()->Izhod->trigger();
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, handler);
        QCOMPARE(platform.texts.size(), 2);
        const QString told = platform.texts[1];
        QVERIFY2(told.startsWith(readOnly ? writeFailureText(kAnswers, WriteFailure::FolderReadOnly)
                                          : u"Файлът „OTGOWORI.TXT“ не можа да бъде записан"_s) &&
                     told.contains(u"\nНищо от написаното не е загубено"_s),
                 qPrintable(told));
        QVERIFY(!lesson->hasEnded() && platform.quits == 0 && lesson->tezo()->isVisible());
        if (!readOnly) {
            QCOMPARE(fileBytes(kAnswers), QByteArray("earlier answers"));
            QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 2);
        }

        makeFolderWritableAgain(folder);
        QDir().mkpath(folder);
        QDir::setCurrent(folder);
        platform.clicks = QStringList{u"Да"_s};
        lesson->tezo()->Izhod->trigger();
        QCOMPARE(platform.quits, 1);
        QCOMPARE(fileBytes(QDir(folder).filePath(kAnswers)),
                 encodeWrittenText(kHeading + "Задача  2\r\n" + QString(200, u'a') + "\r\n"));
        lesson.reset();
        QDir::setCurrent(QDir::tempPath());
    }
};

QTEST_MAIN(TestExit)
#include "tst_exit.moc"
