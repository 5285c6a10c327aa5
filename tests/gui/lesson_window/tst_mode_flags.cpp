#include "gui/small_windows/tezo_glos.h"
#include "support/configuration.h"
#include "support/lesson_setup.h"

#include <QAction>
#include <QLabel>
#include <QTest>

using namespace lesson;
using namespace lesson::test;
using namespace Qt::StringLiterals;

namespace {

// What a pupil can use after start-up, as "name=0/1" in a fixed order, and
// the information entries that are enabled.
QString usable(LessonRun &r)
{
    Tezo *tezo = r.lesson->tezo();
    Tezo_n *tasks = r.lesson->tezoN();
    QStringList out;
    const auto add = [&](const char *name, bool on) {
        out.append(u"%1=%2"_s.arg(QLatin1String(name)).arg(int(on)));
    };
    add("plan", tezo->List_Ur[0]->isEnabled());
    add("terms", tasks->List_Un[0]->isEnabled());
    add("tasks", tasks->List_Un[1]->isEnabled());
    add("clock", !tasks->Chasownik_Label[0]->isHidden());
    add("colours", tezo->mnu_Cwqt->isEnabled());
    add("focus", tezo->mnu_Fokus->isEnabled() && tasks->mnu_Pylen_Ekran->isEnabled());
    add("tasksCommand", tezo->mnu_Wyprosi->isEnabled());
    add("allTasks", tasks->mnu_All_zadachi->isEnabled());
    add("save1shown", tasks->mnu_ZapReshen[1]->isVisible());
    add("save1", tasks->mnu_ZapReshen[1]->isEnabled());
    add("save2", tasks->mnu_ZapReshen[2]->isEnabled());
    add("save3", tasks->mnu_ZapReshen[3]->isEnabled());
    add("exit", tezo->Izhod->isEnabled());
    tasks->mnu_Tip_Wid_Click();
    add("levels", r.lesson->tezoGlos()->Wremena[3]->isEnabled());
    add("types", r.lesson->tezoGlos()->Wremena[5]->isEnabled());
    QString information;
    for (int k = 1; k <= 9; ++k)
        if (tezo->Sydyrv_pla[std::size_t(k)]->isEnabled())
            information += QString::number(k);
    return out.join(u' ') + u" information="_s + information;
}

} // namespace

class TestModeFlags : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void flagsSwitchControls_data()
    {
        QTest::addColumn<QList<int>>("flagsOff");   // empty: no configuration file at all
        QTest::addColumn<QList<int>>("flagValues"); // pairs of flag and value
        QTest::addColumn<int>("emptyInformation");  // an information text left empty
        QTest::addColumn<QString>("controls");
        const QString on = u"plan=1 terms=1 tasks=1 clock=1 colours=1 focus=1 "
                           "tasksCommand=1 allTasks=1 save1shown=1 save1=1 save2=1 save3=1 exit=1 "
                           "levels=1 types=1 information="_s;
        QTest::newRow("no configuration")
            << QList<int>{} << QList<int>{} << 0
            << "plan=0 terms=0 tasks=0 clock=0 colours=0 focus=0 tasksCommand=0 allTasks=0 "
               "save1shown=0 save1=0 save2=0 save3=1 exit=1 levels=0 types=0 information=2";
        QTest::newRow("every flag on") << QList<int>{31} << QList<int>{} << 0 << on + "123456789";
        QTest::newRow("flags 20, 22, 23 and 26 off")
            << QList<int>{31, 20, 22, 23, 26} << QList<int>{} << 0
            << QString(on + "1235").replace("types=1", "types=0");
        QTest::newRow("an information entry without a text")
            << QList<int>{31} << QList<int>{} << 2 << on + "13456789";
        QTest::newRow("flags 14 and 16 off: no tasks command")
            << QList<int>{31, 14, 16} << QList<int>{} << 0
            << QString(on + "123456789")
                   .replace("tasksCommand=1 allTasks=1", "tasksCommand=0 allTasks=0");
        QTest::newRow("negative flag reads off, 2 and 3 read as their remainders")
            << QList<int>{31} << QList<int>{10, -1, 7, 2, 24, 3} << 0
            << QString(on + "123456789")
                   .replace("plan=1", "plan=0")
                   .replace("colours=1", "colours=0");
    }
    void flagsSwitchControls()
    {
        QFETCH(QList<int>, flagsOff);
        QFETCH(QList<int>, flagValues);
        QFETCH(int, emptyInformation);
        QFETCH(QString, controls);
        ContentStore store = lessonContent();
        if (emptyInformation)
            store.Dopyln_M[std::size_t(emptyInformation)].clear();
        LessonRun r(store);
        if (!flagsOff.isEmpty()) {
            ConfigFile file = lessonConfiguration();
            for (int k = 1; k <= 40; ++k)
                setFlag(file, k, flagsOff.contains(k) ? 0 : 1);
            for (qsizetype i = 0; i + 1 < flagValues.size(); i += 2)
                setFlag(file, flagValues[i], qint16(flagValues[i + 1]));
            writeConfiguration(r, file);
        }
        r.lesson->start();
        QCOMPARE(r.platform.asked.size(), flagsOff.isEmpty() ? 1 : 0);
        Tezo_n *tasks = r.lesson->tezoN();
        const bool plan = !controls.startsWith(u"plan=0"_s);
        QCOMPARE(r.lesson->tezo()->Text_U[1]->Text(),
                 plan ? u"Съдържание на избраната точка/подточка от урока\r\n"_s
                      : u"Достъпът до учебния материал е забранен!"_s);
        // The dictionary lists its terms even when closed; open, the
        // remembered term (position 0) is chosen as by a click.
        QCOMPARE(tasks->List_Un[0]->allItems(), store.glos_All[0].items());
        QCOMPARE(tasks->Text_Un[1]->Text(),
                 flagsOff.isEmpty() ? u"Достъпът до речника е забранен!"_s : store.Glos[0]);
        QCOMPARE(usable(r), controls);
        if (flagsOff.isEmpty()) // the progress tape needs flag 13
            QVERIFY(r.lesson->tezo()->Shape_Lenta[0]->isHidden() &&
                    r.lesson->tezo()->Shape_Lenta[1]->isHidden());
    }
};

QTEST_MAIN(TestModeFlags)
#include "tst_mode_flags.moc"
