#include "gui/small_windows/tezo_glos.h"
#include "support/configuration.h"
#include "support/lesson_setup.h"

#include <QAction>
#include <QLabel>
#include <QTest>

using namespace lesson;
using namespace lesson::test;

namespace {

QList<int> enabledInformation(Tezo *tezo)
{
    QList<int> out;
    for (int k = 1; k <= 9; ++k)
        if (tezo->Sydyrv_pla[std::size_t(k)]->isEnabled())
            out.append(k);
    return out;
}

ConfigFile allFlagsOn()
{
    ConfigFile file = lessonConfiguration();
    for (int k = 1; k <= 40; ++k)
        setFlag(file, k, 1);
    setFlag(file, 31, 0);
    return file;
}

} // namespace

class TestModeFlags : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everythingOffWithoutConfiguration()
    {
        LessonRun r;
        r.lesson->start();
        Tezo *tezo = r.lesson->tezo();
        Tezo_n *tasks = r.lesson->tezoN();
        QVERIFY(!tezo->List_Ur[0]->isEnabled());
        QCOMPARE(tezo->Text_U[1]->Text(),
                 QStringLiteral("Достъпът до учебния материал е забранен!"));
        QVERIFY(!tasks->List_Un[0]->isEnabled());
        QCOMPARE(tasks->Text_Un[1]->Text(), QStringLiteral("Достъпът до речника е забранен!"));
        QCOMPARE(tasks->List_Un[0]->allItems(), r.lesson->store().glos_All[0].items());
        QVERIFY(!tasks->List_Un[1]->isEnabled());
        QVERIFY(tasks->Chasownik_Label[0]->isHidden());
        QVERIFY(!tezo->mnu_Cwqt->isEnabled());
        QVERIFY(!tezo->mnu_Fokus->isEnabled());
        QVERIFY(!tasks->mnu_Pylen_Ekran->isEnabled());
        QVERIFY(!tezo->mnu_Wyprosi->isEnabled());
        QVERIFY(!tasks->mnu_ZapReshen[2]->isEnabled());
        QVERIFY(tasks->mnu_ZapReshen[3]->isEnabled());
        QVERIFY(!tasks->mnu_ZapReshen[1]->isVisible());
        QCOMPARE(enabledInformation(tezo), QList<int>{2});
        for (QFrame *shape : tezo->Shape_Lenta)
            QVERIFY(shape->isHidden());
        QVERIFY(!tasks->mnu_All_zadachi->isEnabled());
        QVERIFY(tezo->Izhod->isEnabled());
        tasks->mnu_Tip_Wid_Click();
        QVERIFY(!r.lesson->tezoGlos()->Wremena[3]->isEnabled());
        QVERIFY(!r.lesson->tezoGlos()->Wremena[5]->isEnabled());
    }

    void everythingOnWithAConfiguration()
    {
        LessonRun r;
        writeConfiguration(r, allFlagsOn());
        r.lesson->start();
        QVERIFY(r.platform.asked.isEmpty());
        Tezo *tezo = r.lesson->tezo();
        Tezo_n *tasks = r.lesson->tezoN();
        QVERIFY(tezo->List_Ur[0]->isEnabled());
        QCOMPARE(tezo->Text_U[1]->Text(),
                 QStringLiteral("Съдържание на избраната точка/подточка от урока\r\n"));
        QVERIFY(tasks->List_Un[0]->isEnabled());
        // The remembered term, position 0, is chosen as by a click.
        QCOMPARE(tasks->List_Un[0]->ListIndex(), 0);
        QCOMPARE(tasks->Text_Un[1]->Text(), r.lesson->store().Glos[0]);
        QVERIFY(tasks->List_Un[1]->isEnabled());
        QVERIFY(!tasks->Chasownik_Label[0]->isHidden());
        QVERIFY(tezo->mnu_Cwqt->isEnabled() && tezo->mnu_Fokus->isEnabled());
        QVERIFY(tezo->mnu_Wyprosi->isEnabled());
        QVERIFY(tasks->mnu_Pylen_Ekran->isEnabled());
        QVERIFY(tasks->mnu_ZapReshen[1]->isVisible());
        QVERIFY(tasks->mnu_ZapReshen[1]->isEnabled());
        QVERIFY(tasks->mnu_ZapReshen[2]->isEnabled());
        QVERIFY(tasks->mnu_All_zadachi->isEnabled());
        QCOMPARE(enabledInformation(tezo), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
        tasks->mnu_Tip_Wid_Click();
        QVERIFY(r.lesson->tezoGlos()->Wremena[3]->isEnabled());
        QVERIFY(r.lesson->tezoGlos()->Wremena[5]->isEnabled());
    }

    void informationEntriesByFlags()
    {
        ConfigFile file = allFlagsOn();
        setFlag(file, 20, 0);
        setFlag(file, 22, 0);
        setFlag(file, 23, 0);
        LessonRun r;
        writeConfiguration(r, file);
        r.lesson->tezo();
        QCOMPARE(enabledInformation(r.lesson->tezo()), (QList<int>{1, 2, 3, 5}));

        ContentStore store = lessonContent();
        store.Dopyln_M[2].clear();
        LessonRun r2(store);
        writeConfiguration(r2, allFlagsOn());
        QCOMPARE(enabledInformation(r2.lesson->tezo()), (QList<int>{1, 3, 4, 5, 6, 7, 8, 9}));
    }

    void negativeFlagReadsOff()
    {
        ConfigFile file = allFlagsOn();
        setFlag(file, 10, -1);
        setFlag(file, 7, 2);
        setFlag(file, 24, 3);
        LessonRun r;
        writeConfiguration(r, file);
        Tezo *tezo = r.lesson->tezo();
        QCOMPARE(tezo->ModeFlagTable.read(10), QStringLiteral("-1"));
        QCOMPARE(tezo->ModeFlag(10), 0);
        QVERIFY(!tezo->List_Ur[0]->isEnabled());
        QVERIFY(!tezo->mnu_Cwqt->isEnabled());
        QVERIFY(tezo->mnu_Fokus->isEnabled());
        QCOMPARE(r.lesson->tezoN()->List_Un4.read(10), QStringLiteral("-1"));
        QCOMPARE(r.lesson->tezoN()->ModeFlag(10), 0);
    }

    void tasksCommandOnlyWithFlag16()
    {
        ConfigFile file = allFlagsOn();
        setFlag(file, 16, 0);
        setFlag(file, 14, 0);
        LessonRun r;
        writeConfiguration(r, file);
        QVERIFY(!r.lesson->tezo()->mnu_Wyprosi->isEnabled());
        QVERIFY(!r.lesson->tezoN()->mnu_All_zadachi->isEnabled());
    }
};

QTEST_MAIN(TestModeFlags)
#include "tst_mode_flags.moc"
