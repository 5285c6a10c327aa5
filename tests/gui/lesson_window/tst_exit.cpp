#include "core/tasks/written_file.h"
#include "gui/lesson_window/tezo.h"
#include "gui/qt_platform.h"
#include "gui/small_windows/tezo_zad.h"
#include "gui/tasks_window/tezo_n.h"
#include "support/configuration.h"
#include "support/unwritable_folder.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <sys/resource.h>

using namespace lesson;
using namespace lesson::test;

namespace {

const QString kHeading = QStringLiteral("Има въведен текст по следните задачи:\r\n");
const QString kAnswers = QStringLiteral("OTGOWORI.TXT");

// The task list, recording at exit, the tasks command and "Фокус" on;
// every task has 300 seconds.
QByteArray recordingConfiguration(std::initializer_list<int> more = {}, int flag12 = 1)
{
    ConfigFile file = lessonConfiguration();
    for (int k : {1, 16, 24})
        setFlag(file, k, 1);
    for (int k : more)
        setFlag(file, k, 1);
    setFlag(file, 12, qint16(flag12));
    for (int t = 0; t < 15; ++t)
        file.records[3].Values[std::size_t(t)] = 300;
    return formatConfiguration(file);
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void start(LessonRun &r, std::initializer_list<int> more = {}, int flag12 = 1)
{
    writeBytes(r, recordingConfiguration(more, flag12));
    r.lesson->start();
    QVERIFY(QTest::qWaitForWindowExposed(r.lesson->tezo()));
}

// Types a text key by key, Cyrillic and symbols included.
void type(QWidget *control, const QString &text)
{
    for (int i = 0; i < text.size(); ++i) {
        QString key(text.at(i));
        if (text.at(i).isHighSurrogate())
            key += text.at(++i);
        QTest::sendKeyEvent(QTest::Click, control, Qt::Key_unknown, key, Qt::NoModifier);
    }
}

// The pupil opens the tasks window, clicks task t ("Да" to leaving the one
// shown), types an answer and goes back to the lesson.
void answerTask(LessonRun &r, int t, const QString &answer)
{
    Tezo_n *tasks = r.lesson->tezoN();
    r.lesson->tezo()->mnu_Wyprosi->trigger();
    LessonList *list = tasks->List_Un[1];
    if (list->ListIndex() != t - 1) {
        r.platform.answers.append(true);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(t - 1)).center());
    }
    type(tasks->Text_Un[0], answer);
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
    void typedAnswersAreRecordedAtExit()
    {
        LessonRun r;
        start(r);
        answerTask(r, 1, QStringLiteral("x = 2"));  // five characters: not recorded
        answerTask(r, 3, QStringLiteral("x = ±2")); // six: recorded
        QFile old(r.path(kAnswers));                // a file of an earlier run
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(QByteArray(500, 'x')) == 500);
        old.close();
        chooseExit(r);
        QCOMPARE(r.platform.asked.last().text, QStringLiteral("Желаете ли изход от урока?"));
        QCOMPARE(r.platform.quitCalls, 1);
        const QByteArray bytes = contents(r.path(kAnswers));
        QCOMPARE(bytes, encodeWrittenText(kHeading + "Задача  3\r\nx = ±2\r\n"));
        QVERIFY(bytes.endsWith("\xC7\xE0\xE4\xE0\xF7\xE0  3\r\nx = \xB1"
                               "2\r\n")); // Windows-1251
    }

    void charactersOutsideTheCodePageSurvive()
    {
        LessonRun r;
        start(r, {31}); // flag 31 picks the other name
        answerTask(r, 2, QStringLiteral("√4 = 2, x² ≤ 4 😀"));
        chooseExit(r);
        QVERIFY(!QFile::exists(r.path(kAnswers)));
        QCOMPARE(contents(r.path(QStringLiteral("OTGOWOR2.TXT"))),
                 "\xEF\xBB\xBF" + (kHeading + "Задача  2\r\n√4 = 2, x² ≤ 4 😀\r\n").toUtf8());
    }

    void recordingOnlyFromALocalDiskWithFlag12_data()
    {
        QTest::addColumn<int>("flag12");
        QTest::addColumn<int>("drive");
        QTest::addColumn<bool>("recorded");
        QTest::newRow("fixed disk") << 1 << int(DriveFixed) << true;
        QTest::newRow("removable disk") << 1 << int(DriveRemovable) << true;
        QTest::newRow("network share") << 1 << int(DriveNetwork) << false;
        QTest::newRow("CD-ROM") << 1 << int(DriveCdRom) << false;
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
        start(r, {}, flag12);
        r.lesson->tezoN()->List_Un3.write(4, QStringLiteral("(x+1)^2"));
        chooseExit(r, false);
        QVERIFY(!r.lesson->hasEnded() && !QFile::exists(r.path(kAnswers)));
        chooseExit(r);
        QVERIFY(r.lesson->hasEnded());
        QCOMPARE(QFile::exists(r.path(kAnswers)), recorded);
    }

    void closeBoxRecordsLikeTheExitCommand()
    {
        LessonRun r;
        start(r);
        answerTask(r, 1, QStringLiteral("x1 = 1, x2 = 2"));
        r.platform.answers = {false, true};
        r.lesson->tezo()->close();
        QVERIFY(r.lesson->tezo()->isVisible() && !QFile::exists(r.path(kAnswers)));
        r.lesson->tezo()->close();
        QCOMPARE(contents(r.path(kAnswers)),
                 encodeWrittenText(kHeading + "Задача  1\r\nx1 = 1, x2 = 2\r\n"));
    }

    void answerTypedInTheEnlargedFieldAfterReturning()
    {
        LessonRun r;
        start(r);
        answerTask(r, 1, QStringLiteral("начало"));
        Tezo_n *tasks = r.lesson->tezoN();
        r.lesson->tezo()->mnu_Wyprosi->trigger();
        tasks->Text_Un_GotFocus(0);
        tasks->mnu_Pylen_Ekran->trigger(); // the answer enlarged
        tasks->mnu_IzhodN->trigger();
        LessonText *enlarged = r.lesson->tezoZad()->Obsho_Pole;
        enlarged->moveCursor(QTextCursor::End);
        type(enlarged, QStringLiteral(" и край"));
        chooseExit(r);
        QCOMPARE(contents(r.path(kAnswers)),
                 encodeWrittenText(kHeading + "Задача  1\r\nначало и край\r\n"));
    }

    void readOnlyFolderIsToldAndTheLessonStaysOpen()
    {
        QTemporaryDir directory;
        const QString folder = directory.path();
        QDir::setCurrent(folder);
        BoxesOnScreen platform;
        auto lesson = std::make_unique<Lesson>(lessonContent(), platform);
        QFile config(QStringLiteral("TAVN7.UFG"));
        QVERIFY(config.open(QIODevice::WriteOnly) && config.write(recordingConfiguration()) > 0);
        config.close();
        lesson->start();
        lesson->tezoN()->List_Un3.write(2, QStringLiteral("x = 1 или x = 2"));
        makeCurrentFolderUnwritable();
        platform.clicks = QStringList{QStringLiteral("Да"), QStringLiteral("Добре")};
        lesson->tezo()->Izhod->trigger();
        QCOMPARE(platform.texts.size(), 2);
        QVERIFY2(platform.texts[1].startsWith(QStringLiteral(
                     "Файлът „OTGOWORI.TXT“ не можа да бъде записан: папката на урока не "
                     "позволява запис.\nНищо от написаното не е загубено")),
                 qPrintable(platform.texts[1]));
        QVERIFY(!lesson->hasEnded() && platform.quits == 0 && lesson->tezo()->isVisible());

        // Writable again: "Изход" once more records everything.
        makeFolderWritableAgain(folder);
        QDir().mkpath(folder);
        QDir::setCurrent(folder);
        platform.clicks = QStringList{QStringLiteral("Да")};
        lesson->tezo()->Izhod->trigger();
        QCOMPARE(platform.quits, 1);
        QCOMPARE(contents(QDir(folder).filePath(kAnswers)),
                 encodeWrittenText(kHeading + "Задача  2\r\nx = 1 или x = 2\r\n"));
        lesson.reset();
        QDir::setCurrent(QDir::tempPath());
    }

    void writeCutShortKeepsTheEarlierFile()
    {
        LessonRun r;
        start(r);
        QFile old(r.path(kAnswers));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("earlier answers") > 0);
        old.close();
        r.lesson->tezoN()->List_Un3.write(5, QString(200, QLatin1Char('a')));
        // Files may grow to 64 bytes only, as on a disk that fills up.
        rlimit before{};
        getrlimit(RLIMIT_FSIZE, &before);
        rlimit small = before;
        small.rlim_cur = 64;
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        chooseExit(r);
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, handler);
        QVERIFY(!r.lesson->hasEnded());
        QVERIFY(r.platform.asked.last().text.contains(kAnswers));
        QCOMPARE(contents(r.path(kAnswers)), QByteArray("earlier answers"));
        QCOMPARE(QDir(r.directory.path()).entryList(QDir::Files).size(), 2); // no leftovers
        chooseExit(r);
        QVERIFY(contents(r.path(kAnswers)).endsWith(QByteArray(200, 'a') + "\r\n"));
    }
};

QTEST_MAIN(TestExit)
#include "tst_exit.moc"
