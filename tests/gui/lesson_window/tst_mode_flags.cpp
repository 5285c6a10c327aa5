#include "support/lesson_setup.h"

namespace {

// What a pupil cannot use after start-up, by name in a fixed order, and the
// information entries that are enabled.
QString lockedControls(LessonRun &r)
{
    Tezo *tezo = r.lesson->tezo();
    Tezo_n *tasks = r.lesson->tezoN();
    tasks->mnu_Tip_Wid_Click();
    const std::pair<const char *, bool> controls[] = {
        {"plan", tezo->List_Ur[0]->isEnabled()},
        {"terms", tasks->List_Un[0]->isEnabled()},
        {"tasks", tasks->List_Un[1]->isEnabled()},
        {"clock", !tasks->Chasownik_Label[0]->isHidden()},
        {"colours", tezo->mnu_Cwqt->isEnabled()},
        {"focus", tezo->mnu_Fokus->isEnabled()},
        {"enlarge", tasks->mnu_Pylen_Ekran->isEnabled()},
        {"tasksCommand", tezo->mnu_Wyprosi->isEnabled()},
        {"allTasks", tasks->mnu_All_zadachi->isEnabled()},
        {"save1shown", tasks->mnu_ZapReshen[1]->isVisible()},
        {"save1", tasks->mnu_ZapReshen[1]->isEnabled()},
        {"save2", tasks->mnu_ZapReshen[2]->isEnabled()},
        {"save3", tasks->mnu_ZapReshen[3]->isEnabled()},
        {"exit", tezo->Izhod->isEnabled()},
        {"levels", r.lesson->tezoGlos()->Wremena[3]->isEnabled()},
        {"types", r.lesson->tezoGlos()->Wremena[5]->isEnabled()},
    };
    QString out;
    for (const auto &[name, usable] : controls)
        if (!usable)
            out += QLatin1String(name) + u' ';
    out += u"information="_s;
    for (int k = 1; k <= 9; ++k)
        if (tezo->Sydyrv_pla[std::size_t(k)]->isEnabled())
            out += QString::number(k);
    return out;
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
        QTest::addColumn<QString>("locked");
        const auto row = [](const char *name, QList<int> off, QList<int> values, int empty,
                            const char *locked) {
            QTest::newRow(name) << off << values << empty << QString::fromUtf8(locked);
        };
        row("no configuration", {}, {}, 0,
            "plan terms tasks clock colours focus enlarge tasksCommand allTasks save1shown save1 "
            "save2 levels types information=2");
        row("every flag on", {31}, {}, 0, "information=123456789");
        row("flags 20, 22, 23 and 26 off", {31, 20, 22, 23, 26}, {}, 0, "types information=1235");
        row("an information entry without a text", {31}, {}, 2, "information=13456789");
        row("flags 14 and 16 off: no tasks command", {31, 14, 16}, {}, 0,
            "tasksCommand allTasks information=123456789");
        row("negative flag reads off, 2 and 3 read as their remainders", {31},
            {10, -1, 7, 2, 24, 3}, 0, "plan colours information=123456789");
    }
    void flagsSwitchControls()
    {
        QFETCH(QList<int>, flagsOff);
        QFETCH(QList<int>, flagValues);
        QFETCH(int, emptyInformation);
        QFETCH(QString, locked);
        ContentStore store = lessonContent();
        if (emptyInformation)
            store.Dopyln_M[std::size_t(emptyInformation)] = QString();
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
        const bool plan = !locked.startsWith(u"plan "_s);
        QCOMPARE(r.lesson->tezo()->Text_U[1]->Text(),
                 plan ? u"Съдържание на избраната точка/подточка от урока\r\n"_s
                      : u"Достъпът до учебния материал е забранен!"_s);
        // The dictionary lists its terms even when closed; open, the
        // remembered term (position 0) is chosen as by a click.
        QCOMPARE(tasks->List_Un[0]->allItems(), store.glos_All[0].items());
        QCOMPARE(tasks->List_Un[0]->ListIndex(), flagsOff.isEmpty() ? -1 : 0);
        QCOMPARE(tasks->Text_Un[1]->Text(),
                 flagsOff.isEmpty() ? u"Достъпът до речника е забранен!"_s : store.Glos[0].text());
        QCOMPARE(lockedControls(r), locked);
        if (flagsOff.isEmpty()) // the progress tape needs flag 13
            QVERIFY(r.lesson->tezo()->Shape_Lenta[0]->isHidden() &&
                    r.lesson->tezo()->Shape_Lenta[1]->isHidden());
    }
};

QTEST_MAIN(TestModeFlags)
#include "tst_mode_flags.moc"
