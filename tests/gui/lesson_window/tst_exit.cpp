#include "core/tasks/written_file.h"
#include "gui/lesson_window/tezo.h"
#include "gui/qt_platform.h"
#include "gui/small_windows/tezo_zad.h"
#include "gui/tasks_window/tezo_n.h"
#include "support/configuration.h"
#include "support/unwritable_folder.h"

#include <QAction>
#include <QApplication>
#include <QDir>
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

// This lesson's configuration with the task list, recording at exit, the
// tasks command and "Фокус" on; every task has 300 seconds.
ConfigFile recordingConfiguration(std::initializer_list<int> moreFlags = {})
{
    ConfigFile file = lessonConfiguration();
    for (int k : {1, 12, 16, 24})
        setFlag(file, k, 1);
    for (int k : moreFlags)
        setFlag(file, k, 1);
    for (int t = 0; t < 15; ++t) {
        file.records[2].Values[std::size_t(t)] = 120;
        file.records[3].Values[std::size_t(t)] = 300;
    }
    return file;
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Types a text key by key into a control, as the keyboard would deliver it
// (Cyrillic and symbols included).
void type(QWidget *control, const QString &text)
{
    for (int i = 0; i < text.size(); ++i) {
        QString key(text.at(i));
        if (text.at(i).isHighSurrogate() && i + 1 < text.size())
            key += text.at(++i);
        QTest::sendKeyEvent(QTest::Click, control, Qt::Key_unknown, key, Qt::NoModifier);
    }
}

// The pupil opens the tasks window, clicks task t in the task list (saying
// "Да" to leaving the current one), types an answer and goes back.
void answerTask(LessonRun &r, int t, const QString &answer)
{
    Tezo *tezo = r.lesson->tezo();
    Tezo_n *tasks = r.lesson->tezoN();
    tezo->mnu_Wyprosi->trigger();
    LessonList *list = tasks->List_Un[1];
    if (list->ListIndex() != t - 1) {
        r.platform.answers.append(true);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(t - 1)).center());
    }
    QCOMPARE(tasks->CurrentTask, qint16(t));
    type(tasks->Text_Un[0], answer);
    tasks->mnu_IzhodN->trigger();
    QVERIFY(tezo->isVisible());
}

void startRecording(LessonRun &r, std::initializer_list<int> moreFlags = {})
{
    writeConfiguration(r, recordingConfiguration(moreFlags));
    r.lesson->start();
    QVERIFY(QTest::qWaitForWindowExposed(r.lesson->tezo()));
}

// The pupil chooses "Изход" and answers the question.
void chooseExit(LessonRun &r, bool yes = true)
{
    r.platform.answers.append(yes);
    r.lesson->tezo()->Izhod->trigger();
}

// The real desktop's message boxes, answered by clicking their buttons.
class BoxesOnScreen : public QtPlatform {
public:
    quint8 currentDriveType() override { return DriveFixed; }
    void quit() override { ++quits; }
    int quits = 0;
};

// Answers every message box that comes up with the button of that caption
// and remembers its text.
class BoxClicker : public QObject {
public:
    explicit BoxClicker(QStringList buttons)
        : m_buttons(std::move(buttons))
    {
        connect(&m_timer, &QTimer::timeout, this, &BoxClicker::look);
        m_timer.start(0);
    }
    QStringList texts;

private:
    void look()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || m_buttons.isEmpty() || !box->isVisible())
            return;
        texts.append(box->text());
        const QString caption = m_buttons.takeFirst();
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == caption) {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        }
        box->reject();
    }
    QStringList m_buttons;
    QTimer m_timer;
};

} // namespace

class TestExit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void typedAnswersAreRecordedAtExit()
    {
        LessonRun r;
        startRecording(r);
        answerTask(r, 1, QStringLiteral("x = 2")); // five characters: not recorded
        answerTask(r, 3, QStringLiteral("корен (x-1)"));
        QCOMPARE(r.lesson->tezoN()->List_Un3.read(3), QStringLiteral("корен (x-1)"));
        // An older file of the same name is replaced as a whole.
        QFile old(r.path(kAnswers));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(500, 'x'));
        old.close();

        chooseExit(r);
        QCOMPARE(r.platform.asked.last().text, QStringLiteral("Желаете ли изход от урока?"));
        QVERIFY(r.lesson->hasEnded());
        QCOMPARE(r.platform.quitCalls, 1);
        const QByteArray bytes = contents(r.path(kAnswers));
        QCOMPARE(bytes, encodeWrittenText(kHeading + "Задача  3\r\nкорен (x-1)\r\n"));
        QVERIFY(!bytes.startsWith("\xEF\xBB\xBF")); // plain Windows-1251
        QCOMPARE(bytes.mid(kHeading.size(), 9), QByteArray("\xC7\xE0\xE4\xE0\xF7\xE0  3"));
        QCOMPARE(QDir(r.directory.path()).entryList(QDir::Files),
                 (QStringList{kAnswers, QStringLiteral("TAVN7.UFG")}));
    }

    void charactersOutsideTheCodePageSurvive()
    {
        LessonRun r;
        startRecording(r, {31});
        answerTask(r, 2, QStringLiteral("√4 = 2, x² ≤ 4 😀"));
        chooseExit(r);
        // Flag 31 picks the other name.
        QVERIFY(!QFile::exists(r.path(kAnswers)));
        QCOMPARE(contents(r.path(QStringLiteral("OTGOWOR2.TXT"))),
                 QByteArray("\xEF\xBB\xBF") +
                     (kHeading + "Задача  2\r\n√4 = 2, x² ≤ 4 😀\r\n").toUtf8());
    }

    void recordingOnlyWhenTheTeacherAsksAndTheDiskIsLocal_data()
    {
        QTest::addColumn<bool>("flag12");
        QTest::addColumn<int>("drive");
        QTest::addColumn<bool>("recorded");
        QTest::newRow("fixed disk") << true << int(DriveFixed) << true;
        QTest::newRow("removable disk") << true << int(DriveRemovable) << true;
        QTest::newRow("network share") << true << int(DriveNetwork) << false;
        QTest::newRow("CD-ROM") << true << int(DriveCdRom) << false;
        QTest::newRow("RAM disk") << true << int(DriveRamDisk) << false;
        QTest::newRow("drive of unknown type") << true << int(DriveUnknown) << false;
        QTest::newRow("flag 12 off still asks and ends") << false << int(DriveFixed) << false;
    }
    void recordingOnlyWhenTheTeacherAsksAndTheDiskIsLocal()
    {
        QFETCH(bool, flag12);
        QFETCH(int, drive);
        QFETCH(bool, recorded);
        LessonRun r;
        r.platform.driveType = quint8(drive);
        ConfigFile file = recordingConfiguration();
        setFlag(file, 12, flag12 ? 1 : 0);
        writeConfiguration(r, file);
        r.lesson->start();
        r.lesson->tezoN()->List_Un3.write(4, QStringLiteral("(x+1)^2"));
        chooseExit(r, false);
        QVERIFY(!r.lesson->hasEnded());
        QVERIFY(!QFile::exists(r.path(kAnswers)));
        chooseExit(r);
        QVERIFY(r.lesson->hasEnded());
        QCOMPARE(QFile::exists(r.path(kAnswers)), recorded);
        QCOMPARE(r.platform.asked.last().text, QStringLiteral("Желаете ли изход от урока?"));
    }

    void closeBoxRecordsLikeTheExitCommand()
    {
        LessonRun r;
        startRecording(r);
        answerTask(r, 1, QStringLiteral("x1 = 1, x2 = 2"));
        r.platform.answers.append(false);
        r.lesson->tezo()->close();
        QVERIFY(r.lesson->tezo()->isVisible());
        QVERIFY(!QFile::exists(r.path(kAnswers)));
        r.platform.answers.append(true);
        r.lesson->tezo()->close();
        QVERIFY(r.lesson->hasEnded());
        QCOMPARE(contents(r.path(kAnswers)),
                 encodeWrittenText(kHeading + "Задача  1\r\nx1 = 1, x2 = 2\r\n"));
    }

    void answerTypedInTheEnlargedFieldAfterReturning()
    {
        LessonRun r;
        startRecording(r);
        Tezo_n *tasks = r.lesson->tezoN();
        r.lesson->tezo()->mnu_Wyprosi->trigger();
        type(tasks->Text_Un[0], QStringLiteral("начало"));
        tasks->Text_Un_GotFocus(0);
        tasks->mnu_Pylen_Ekran->trigger(); // the answer enlarged
        tasks->mnu_IzhodN->trigger();
        Tezo_Zad *zad = r.lesson->tezoZad();
        QVERIFY(zad->isVisible());
        zad->Obsho_Pole->moveCursor(QTextCursor::End);
        type(zad->Obsho_Pole, QStringLiteral(" и край"));
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
        {
            QFile config(QStringLiteral("TAVN7.UFG"));
            QVERIFY(config.open(QIODevice::WriteOnly));
            config.write(formatConfiguration(recordingConfiguration()));
        }
        lesson->start();
        Tezo *tezo = lesson->tezo();
        QVERIFY(QTest::qWaitForWindowExposed(tezo));
        lesson->tezoN()->List_Un3.write(2, QStringLiteral("x = 1 или x = 2"));
        makeCurrentFolderUnwritable();
        {
            BoxClicker clicker({QStringLiteral("Да"), QStringLiteral("Добре")});
            tezo->Izhod->trigger();
            QCOMPARE(clicker.texts.size(), 2);
            QCOMPARE(clicker.texts.at(0), QStringLiteral("Желаете ли изход от урока?"));
            QVERIFY2(clicker.texts.at(1).startsWith(
                         QStringLiteral("Файлът „OTGOWORI.TXT“ не можа да бъде записан: папката "
                                        "на урока не позволява запис.")),
                     qPrintable(clicker.texts.at(1)));
            QVERIFY(clicker.texts.at(1).contains(QStringLiteral("„Изход“ отново")));
        }
        QVERIFY(!lesson->hasEnded());
        QCOMPARE(platform.quits, 0);
        QVERIFY(tezo->isVisible());

        // The folder is writable again: "Изход" once more records everything.
        makeFolderWritableAgain(folder);
        QDir().mkpath(folder);
        QDir::setCurrent(folder);
        {
            BoxClicker clicker({QStringLiteral("Да")});
            tezo->Izhod->trigger();
            QCOMPARE(clicker.texts.size(), 1);
        }
        QVERIFY(lesson->hasEnded());
        QCOMPARE(platform.quits, 1);
        QCOMPARE(contents(QDir(folder).filePath(kAnswers)),
                 encodeWrittenText(kHeading + "Задача  2\r\nx = 1 или x = 2\r\n"));
        lesson.reset();
        QDir::setCurrent(QDir::tempPath());
    }

    void interruptedWriteKeepsTheEarlierFile()
    {
        LessonRun r;
        startRecording(r);
        QFile old(r.path(kAnswers));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("earlier answers");
        old.close();
        r.lesson->tezoN()->List_Un3.write(5, QString(200, QLatin1Char('a')));
        // Files may grow to 64 bytes only: the write stops half-way, as on
        // a disk that fills up.
        rlimit before{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &before), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = before;
        small.rlim_cur = 64;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        chooseExit(r);
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, oldHandler);

        QVERIFY(!r.lesson->hasEnded());
        QCOMPARE(r.platform.asked.last().icon, MessageSpec::Icon::Warning);
        QVERIFY(r.platform.asked.last().text.contains(kAnswers));
        QCOMPARE(contents(r.path(kAnswers)), QByteArray("earlier answers"));
        QCOMPARE(QDir(r.directory.path()).entryList(QDir::Files),
                 (QStringList{kAnswers, QStringLiteral("TAVN7.UFG")}));
        chooseExit(r);
        QVERIFY(r.lesson->hasEnded());
        QVERIFY(contents(r.path(kAnswers)).endsWith(QByteArray(200, 'a') + "\r\n"));
    }
};

QTEST_MAIN(TestExit)
#include "tst_exit.moc"
