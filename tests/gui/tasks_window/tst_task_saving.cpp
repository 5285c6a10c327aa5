#include "core/system/messages.h"
#include "core/tasks/written_file.h"
#include "gui/tasks_window/tezo_n.h"
#include "support/started_lesson.h"
#include "support/unwritable_folder.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTimer>

using namespace lesson;
using namespace lesson::test;

namespace {

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// The tasks window opened from the lesson window; no difficulty question.
Tezo_n *openTasks(LessonRun &r, std::initializer_list<int> flagsOff = {25, 31})
{
    startWithFlags(r, flagsOff);
    r.lesson->tezo()->mnu_Wyprosi->trigger();
    return r.lesson->tezoN();
}

// Picks task t, answering "Да" to leaving the task before.
void pickTask(LessonRun &r, Tezo_n *tasks, int t)
{
    r.platform.answers = {true};
    clickItem(tasks->List_Un[1], t - 1);
}

// Types into the answer pane key by key, any character the keyboard gives.
void typeAnswer(Tezo_n *tasks, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, tasks->Text_Un[0], Qt::Key_unknown, QString(c), {});
}

} // namespace

class TestTaskSaving : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theThreeCommands()
    {
        LessonRun r;
        Tezo_n *tasks = openTasks(r);
        // Task 1 at time-up: the author's solution, saved as shown.
        tasks->TaskTimeUp();
        QVERIFY(!tasks->Text_Un[3]->Text().isEmpty());
        tasks->mnu_ZapReshen[3]->trigger();
        QCOMPARE(contents(r.path("TAVN7_01.TXT")), encodeWrittenText(tasks->Text_Un[3]->Text()));

        pickTask(r, tasks, 3);
        typeAnswer(tasks, QStringLiteral("x1 = 2"));
        tasks->mnu_ZapReshen[1]->trigger();
        QCOMPARE(contents(r.path("TAVN7_03.TXT")),
                 encodeWrittenText(QStringLiteral("Условие на задачата:") +
                                   tasks->Text_Un[2]->Text() +
                                   QStringLiteral("Представено решение:\r\nx1 = 2")));
        QVERIFY(tasks->Text_Un[2]->Text().startsWith(QStringLiteral("\r\n")));
        // The pupil is told where the work went, in one line of the window.
        QCOMPARE(tasks->saveStatus()->text(), QStringLiteral("Условието и решението са записани "
                                                             "във файла TAVN7_03.TXT в папката "
                                                             "на урока"));
        QVERIFY(tasks->saveStatus()->isVisible());

        pickTask(r, tasks, 12);
        const QString file12 = r.path("TAVN7_12.TXT");
        tasks->mnu_ZapReshen[2]->trigger();
        QCOMPARE(contents(file12), QByteArray()); // nothing typed: an empty file
        typeAnswer(tasks, QStringLiteral("√4"));
        tasks->mnu_ZapReshen[2]->trigger(); // replaced, in UTF-8 for the "√"
        QCOMPARE(contents(file12), QByteArray("\xEF\xBB\xBF\xE2\x88\x9A"
                                              "4"));
        tasks->mnu_ZapReshen[3]->trigger(); // before time-up: empty
        QCOMPARE(contents(file12), QByteArray());
        QCOMPARE(r.platform.asked.size(), 2); // only "Да премина ли към друга задача?"
    }

    void unwritableFolder()
    {
        LessonRun r;
        Tezo_n *tasks = openTasks(r, {1, 25, 31});
        QVERIFY(!tasks->List_Un[1]->isEnabled());
        typeAnswer(tasks, QStringLiteral("x = 2"));
        makeCurrentFolderUnwritable();
        bool clockRanDuringMessage = true;
        r.platform.onMessage = [&](const MessageSpec &) {
            clockRanDuringMessage = tasks->Timer_n->isActive();
        };
        tasks->mnu_ZapReshen[2]->trigger();
        makeFolderWritableAgain(r.directory.path());
        QVERIFY(!clockRanDuringMessage);
        QVERIFY(tasks->Timer_n->isActive());
        QCOMPARE(r.platform.asked.size(), 1);
        const MessageSpec &asked = r.platform.asked.first();
        QCOMPARE(asked.icon, MessageSpec::Icon::Warning);
        QVERIFY2(asked.text.startsWith(writeFailureText(QStringLiteral("TAVN7_01.TXT"),
                                                        WriteFailure::FolderReadOnly)),
                 qPrintable(asked.text));
        QCOMPARE(tasks->Text_Un[0]->Text(), QStringLiteral("x = 2"));
        QCOMPARE(tasks->saveStatus()->text(), QStringLiteral("Файлът TAVN7_01.TXT не е записан"));
        // Without free choice of tasks, a save frees the list.
        QVERIFY(tasks->List_Un[1]->isEnabled());
    }
};

QTEST_MAIN(TestTaskSaving)
#include "tst_task_saving.moc"
