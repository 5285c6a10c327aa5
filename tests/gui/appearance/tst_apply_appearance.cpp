#include "support/lesson_setup.h"

namespace {

// The nine text fields that take the fields' colours.
QList<QWidget *> fields(Lesson &lesson)
{
    Tezo *tezo = lesson.tezo();
    Tezo_n *tasks = lesson.tezoN();
    return {tezo->Text_U[0],   tezo->Text_U[1],   tezo->List_Ur[0],  lesson.tezoZad()->Obsho_Pole,
            tasks->Text_Un[0], tasks->Text_Un[1], tasks->Text_Un[2], tasks->Text_Un[3],
            tasks->Text_Un[4]};
}

// The colours and fonts of everything the colour window may reach or must
// leave alone.
QStringList look(Lesson &lesson)
{
    Tezo *tezo = lesson.tezo();
    Tezo_n *tasks = lesson.tezoN();
    QList<QWidget *> all = fields(lesson);
    all << tezo->centralWidget() << tasks->centralWidget() << lesson.tezoZad() << tezo->Label_U[0]
        << tezo->Label_U[3] << tasks->List_Un[1] << tasks->Chasownik_Label[0] << tezo->menuBar();
    QStringList out;
    for (const QWidget *w : all)
        out << backgroundColour(w).name() + textColour(w).name() + w->font().toString();
    return out;
}

void chooseSlot(Cwiat *w, int slot, int red, int green, int blue)
{
    QTest::mouseClick(w->Option1[std::size_t(slot)], Qt::LeftButton);
    w->Slider1[0]->setValue(red);
    w->Slider1[1]->setValue(green);
    w->Slider1[2]->setValue(blue);
}

} // namespace

class TestApplyAppearance : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startValuesReachTheirTargetsOnly()
    {
        LessonRun r;
        startWithFlags(r, {31});
        Tezo *tezo = r.lesson->tezo();
        Tezo_n *tasks = r.lesson->tezoN();
        const QFont listFont = tasks->List_Un[1]->font();
        const QColor clock = backgroundColour(tasks->Chasownik_Label[0]);
        Cwiat *w = r.lesson->openCwiat(); // on the start values of the list
        clickItem(w->List_font[0], 0);    // DejaVu Sans
        QVERIFY(!r.lesson->hasTezoZad());
        w->mnu_zapis->trigger();

        QVERIFY(r.lesson->hasTezoZad() && !r.lesson->tezoZad()->isVisible());
        Tezo_Zad *zad = r.lesson->tezoZad();
        for (QWidget *target : std::initializer_list<QWidget *>{
                 tezo->centralWidget(), tasks->centralWidget(), zad, tezo->Label_U[1],
                 tezo->Label_U[2], tezo->Picture_Ur[0], tasks->Picture_Un[0]})
            QCOMPARE(backgroundColour(target), QColor(128, 0, 0));
        QCOMPARE(backgroundColour(tezo->Label_U[0]), QColor(192, 0, 0));
        QCOMPARE(backgroundColour(tezo->Label_U[3]), QColor(192, 0, 0));
        for (QWidget *field : fields(*r.lesson)) {
            QCOMPARE(backgroundColour(field), QColor(0, 128, 0));
            QCOMPARE(textColour(field), QColor(8, 0, 0));
            const bool enlarged = field == zad->Obsho_Pole;
            QVERIFY2((field->font().family() == u"DejaVu Sans"_s) != enlarged,
                     qPrintable(field->objectName()));
            QVERIFY2((field->font().pointSize() == 12) != enlarged,
                     qPrintable(field->objectName()));
        }
        QCOMPARE(tasks->List_Un[1]->font(), listFont);
        QCOMPARE(backgroundColour(tasks->Chasownik_Label[0]), clock);
        QVERIFY(!r.lesson->hasTezoGra());
        // Captions over the dark red turn light.
        for (Heading *heading : tasks->findChildren<Heading *>())
            QCOMPARE(heading->palette().color(QPalette::WindowText), QColor(255, 255, 255));
        QCOMPARE(tezo->Label_U[0]->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    }

    void colourWindowThenCancelChangesNothing()
    {
        LessonRun r;
        startWithFlags(r, {25, 31});
        Tezo *tezo = r.lesson->tezo();
        Tezo_n *tasks = r.lesson->tezoN();
        tezo->mnu_Fokus->trigger();
        for (LessonText *pane : tasks->Text_Un) // the lesson's text colour from the start
            QCOMPARE(textColour(pane), QColor(8, 0, 0));
        const QStringList before = look(*r.lesson);
        tezo->mnu_Cwqt->trigger();
        r.lesson->cwiat()->mnu_Otkaz->trigger();
        tezo->mnu_Wyprosi->trigger();
        QVERIFY(QTest::qWaitForWindowActive(tasks));
        // The pupil clicks into every pane: it turns grey, the others take the
        // fields' green, and the clipboard is emptied.
        const int clears = r.platform.clipboardClears;
        for (int i : {3, 1, 0, 4, 2}) {
            QTest::mouseClick(tasks->Text_Un[std::size_t(i)]->viewport(), Qt::LeftButton);
            QCOMPARE(tasks->FocusedPane, quint8(i));
            for (LessonText *pane : tasks->Text_Un) {
                QCOMPARE(backgroundColour(pane), pane == tasks->Text_Un[std::size_t(i)]
                                                     ? QColor(125, 110, 105)
                                                     : QColor(0, 128, 0));
                QVERIFY(textColour(pane) != backgroundColour(pane));
            }
        }
        QCOMPARE(r.platform.clipboardClears, clears + 5);
        QCOMPARE(look(*r.lesson), before);

        // Fields edited black and their text white, then "Отказ": the panes
        // take both together on the next focus change.
        tezo->show();
        tezo->mnu_Cwqt->trigger();
        Cwiat *w = r.lesson->cwiat();
        chooseSlot(w, 1, 0, 0, 0);
        chooseSlot(w, 2, 255, 255, 255);
        w->mnu_Otkaz->trigger();
        tasks->Text_Un_GotFocus(2);
        QCOMPARE(backgroundColour(tasks->Text_Un[0]), QColor(0, 0, 0));
        QCOMPARE(textColour(tasks->Text_Un[0]), QColor(255, 255, 255));
    }
};

QTEST_MAIN(TestApplyAppearance)
#include "tst_apply_appearance.moc"
