#include "core/system/messages.h"
#include "core/tasks/written_file.h"
#include "support/lesson_setup.h"
#include "support/unwritable_folder.h"

namespace {

// Picks task t, answering "Да" to leaving the task before.
void pickTask(LessonRun &r, Tezo_n *tasks, int t)
{
    r.platform.answers = {true};
    clickItem(tasks->List_Un[1], t - 1);
}

} // namespace

class TestTaskSaving : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theThreeCommands()
    {
        LessonRun r;
        Tezo_n *tasks = startOnTasks(r, {25, 31}); // no difficulty question
        // Task 1 at time-up: the author's solution, saved as shown.
        tasks->TaskTimeUp();
        QVERIFY(!tasks->Text_Un[3]->Text().isEmpty());
        tasks->mnu_ZapReshen[3]->trigger();
        QCOMPARE(fileBytes(r.path("TAVN7_01.TXT")), encodeWrittenText(tasks->Text_Un[3]->Text()));

        pickTask(r, tasks, 3);
        typeText(tasks->Text_Un[0], u"x1 = 2"_s);
        tasks->mnu_ZapReshen[1]->trigger(); // the file's bytes are pinned end to end
        // The pupil is told where the work went, in one line of the window.
        QCOMPARE(tasks->saveStatus()->text(), QStringLiteral("Условието и решението са записани "
                                                             "във файла TAVN7_03.TXT в папката "
                                                             "на урока"));
        QVERIFY(tasks->saveStatus()->isVisible());

        pickTask(r, tasks, 12);
        const QString file12 = r.path("TAVN7_12.TXT");
        tasks->mnu_ZapReshen[2]->trigger();
        QCOMPARE(fileBytes(file12), QByteArray()); // nothing typed: an empty file
        typeText(tasks->Text_Un[0], u"√4"_s);
        tasks->mnu_ZapReshen[2]->trigger(); // replaced, in UTF-8 for the "√"
        QCOMPARE(fileBytes(file12), QByteArray("\xEF\xBB\xBF\xE2\x88\x9A"
                                               "4"));
        tasks->mnu_ZapReshen[3]->trigger(); // before time-up: empty
        QCOMPARE(fileBytes(file12), QByteArray());
        QCOMPARE(r.platform.asked.size(), 2); // only "Да премина ли към друга задача?"
    }

    void unwritableFolder()
    {
        LessonRun r;
        Tezo_n *tasks = startOnTasks(r, {1, 25, 31});
        QVERIFY(!tasks->List_Un[1]->isEnabled());
        typeText(tasks->Text_Un[0], u"x = 2"_s);
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
        QVERIFY2(asked.text.startsWith(
                     writeFailureText(u"TAVN7_01.TXT"_s, WriteFailure::FolderReadOnly)),
                 qPrintable(asked.text));
        QCOMPARE(tasks->Text_Un[0]->Text(), u"x = 2"_s);
        QCOMPARE(tasks->saveStatus()->text(), u"Файлът TAVN7_01.TXT не е записан"_s);
        // Without free choice of tasks, a save frees the list.
        QVERIFY(tasks->List_Un[1]->isEnabled());
    }
};

QTEST_MAIN(TestTaskSaving)
#include "tst_task_saving.moc"
