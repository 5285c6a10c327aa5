#include "core/system/messages.h"
#include "core/tasks/written_file.h"
#include "gui/tasks_window/tezo_n.h"
#include "support/started_lesson.h"
#include "support/unwritable_folder.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTest>

using namespace lesson;
using namespace lesson::test;

namespace {

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// The tasks window opened from the lesson window, every flag on but the
// difficulty question and the scrambling.
Tezo_n *openTasks(LessonRun &r, std::initializer_list<int> flagsOff = {25, 31})
{
    startWithFlags(r, flagsOff);
    r.lesson->tezo()->mnu_Wyprosi->trigger();
    Tezo_n *tasks = r.lesson->tezoN();
    if (!QTest::qWaitForWindowExposed(tasks))
        qWarning("the tasks window is not shown");
    return tasks;
}

// Picks task t in the task list and answers "Да" to leaving the task before.
void pickTask(LessonRun &r, Tezo_n *tasks, int t)
{
    r.platform.answers = {true};
    clickRow(tasks->List_Un[1], t - 1);
    r.platform.answers.clear();
}

// Types into the answer pane, key by key, any character the keyboard gives.
void typeAnswer(Tezo_n *tasks, const QString &text)
{
    tasks->Text_Un[0]->setFocus();
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, tasks->Text_Un[0], Qt::Key_unknown, QString(c),
                            Qt::NoModifier);
}

} // namespace

class TestTaskSaving : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void statementAndAnswerAndTheAuthorsSolution()
    {
        LessonRun r;
        Tezo_n *tasks = openTasks(r);
        // Task 1 at time-up: the author's solution is shown, and saved as shown.
        tasks->TaskTimeUp();
        QVERIFY(!tasks->Text_Un[3]->Text().isEmpty());
        tasks->mnu_ZapReshen[3]->trigger();
        QCOMPARE(contents(r.path(QStringLiteral("TAVN7_01.TXT"))),
                 encodeWrittenText(tasks->Text_Un[3]->Text()));
        QCOMPARE(tasks->saveStatus()->text(),
                 QStringLiteral("Решението на автора е записано във "
                                "файла TAVN7_01.TXT в папката на урока"));

        pickTask(r, tasks, 3);
        typeAnswer(tasks, QStringLiteral("x1 = 2"));
        tasks->mnu_ZapReshen[1]->trigger();

        QCOMPARE(tasks->SaveFileName, QStringLiteral("TAVN7_03.TXT"));
        const QString statement = tasks->Text_Un[2]->Text();
        QVERIFY(statement.startsWith(QStringLiteral("\r\n")) && statement.size() > 10);
        const QByteArray file = contents(r.path(QStringLiteral("TAVN7_03.TXT")));
        QCOMPARE(file, encodeWrittenText(QStringLiteral("Условие на задачата:\r\n") + statement +
                                         QStringLiteral("Представено решение:\r\nx1 = 2")));
        // Nothing follows the answer.
        QVERIFY(!file.endsWith("\r\n"));
        // The pupil is told where the work went, in one line of the window.
        QLabel *status = tasks->saveStatus();
        QVERIFY(status->isVisible());
        QCOMPARE(status->text(), QStringLiteral("Условието и решението са записани във файла "
                                                "TAVN7_03.TXT в папката на урока"));
        QVERIFY(status->toolTip().endsWith(QStringLiteral("TAVN7_03.TXT")));

        QCOMPARE(r.platform.asked.size(), 1); // only "Да премина ли към друга задача?"
    }

    void answerOnlyAndAuthorsSolution()
    {
        LessonRun r;
        Tezo_n *tasks = openTasks(r);
        pickTask(r, tasks, 12);
        const QString file12 = r.path(QStringLiteral("TAVN7_12.TXT"));
        // Nothing typed: an empty file, not a missing one.
        tasks->mnu_ZapReshen[2]->trigger();
        QVERIFY(QFile::exists(file12));
        QCOMPARE(contents(file12), QByteArray());
        // Typed, then saved again: the file is replaced.
        typeAnswer(tasks, QStringLiteral("√4 = 2"));
        tasks->mnu_ZapReshen[2]->trigger();
        QCOMPARE(contents(file12), QByteArray("\xEF\xBB\xBF\xE2\x88\x9A"
                                              "4 = 2"));
        QCOMPARE(tasks->saveStatus()->text(),
                 QStringLiteral("Решението е записано във файла TAVN7_12.TXT в папката на урока"));
        // Before time-up the author's solution is empty, and so is the file.
        tasks->mnu_ZapReshen[3]->trigger();
        QCOMPARE(contents(file12), QByteArray());
        QCOMPARE(r.platform.asked.size(), 1); // only "Да премина ли към друга задача?"
    }

    void unwritableFolderIsToldAndKeepsTheAnswer()
    {
        LessonRun r;
        Tezo_n *tasks = openTasks(r);
        pickTask(r, tasks, 3);
        typeAnswer(tasks, QStringLiteral("x = 2"));
        makeCurrentFolderUnwritable();
        tasks->mnu_ZapReshen[2]->trigger();
        makeFolderWritableAgain(r.directory.path());

        QCOMPARE(r.platform.asked.size(), 2);
        const MessageSpec &asked = r.platform.asked.last();
        QCOMPARE(asked.icon, MessageSpec::Icon::Warning);
        QCOMPARE(asked.buttons, MessageSpec::Buttons::Ok);
        QVERIFY2(asked.text.startsWith(writeFailureText(QStringLiteral("TAVN7_03.TXT"),
                                                        WriteFailure::FolderReadOnly)),
                 qPrintable(asked.text));
        QCOMPARE(tasks->Text_Un[0]->Text(), QStringLiteral("x = 2"));
        QVERIFY(!tasks->Text_Un[0]->isLocked());
        QCOMPARE(tasks->saveStatus()->text(), QStringLiteral("Файлът TAVN7_03.TXT не е записан"));
        QVERIFY(tasks->isVisible());
    }

    void savingFreesTheTaskListWhenItIsLocked()
    {
        LessonRun r;
        Tezo_n *tasks = openTasks(r, {1, 25, 31});
        QVERIFY(!tasks->List_Un[1]->isEnabled());
        tasks->mnu_ZapReshen[3]->trigger();
        QVERIFY(tasks->List_Un[1]->isEnabled());
        QVERIFY(QFile::exists(r.path(QStringLiteral("TAVN7_01.TXT"))));
    }
};

QTEST_MAIN(TestTaskSaving)
#include "tst_task_saving.moc"
