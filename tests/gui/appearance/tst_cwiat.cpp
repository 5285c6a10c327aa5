#include "support/lesson_setup.h"

namespace {

ItemList &settingsOf(LessonRun &r)
{
    return r.lesson->tezoN()->List_Un2;
}

// Opens the colour window on the settings list as it stands.
Cwiat *openOnTheList(LessonRun &r)
{
    Cwiat *window = r.lesson->openCwiat();
    window->show();
    return window;
}

QList<int> sliders(Cwiat *w)
{
    return {w->Slider1[0]->value(), w->Slider1[1]->value(), w->Slider1[2]->value()};
}

void keyOnAll(Cwiat *w, Qt::Key key)
{
    for (QSlider *slider : w->Slider1)
        QTest::keyClick(slider, key);
}

} // namespace

class TestCwiat : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void openingShowsTheList()
    {
        LessonRun r;
        ItemList &s = settingsOf(r);
        s.write(1, u"Times New Roman"_s);
        s.write(2, u"12"_s);
        s.write(3, u"128"_s);
        Cwiat *w = openOnTheList(r);
        QCOMPARE(w->List_font[0]->itemText(w->List_font[0]->ListIndex()), s.read(1));
        QCOMPARE(w->List_font[1]->itemText(w->List_font[1]->ListIndex()), u"12"_s);
        QCOMPARE(w->Text_Cv[0]->font().family(), u"Times New Roman"_s);
        QCOMPARE(sliders(w), (QList<int>{128, 0, 0}));
        const QColor slots[] = {{128, 0, 0}, {0, 128, 0}, {8, 0, 0}, {192, 0, 0}};
        for (int k = 0; k < 4; ++k)
            QCOMPARE(backgroundColour(w->Option1[std::size_t(k)]), slots[k]);
        QCOMPARE(textColour(w->Text_Cv[0]), QColor(8, 0, 0));

        // A font that is not installed: no selection, the preview's own font.
        // A system colour passes through, its high byte no blue.
        LessonRun r2;
        ItemList &s2 = settingsOf(r2);
        s2.write(1, u"Comic Sans MS"_s);
        s2.write(11, u"-2147483640"_s);
        Cwiat *w2 = openOnTheList(r2);
        QCOMPARE(w2->List_font[0]->ListIndex(), -1);
        QCOMPARE(w2->Text_Cv[0]->font().family(), QApplication::font().family());
        QCOMPARE(textColour(w2->Text_Cv[0]), QApplication::palette().color(QPalette::Text));
        QCOMPARE((QStringList{s2.read(12), s2.read(13), s2.read(14)}),
                 (QStringList{"8", "0", "0"}));
        QTest::mouseClick(w2->Option1[2], Qt::LeftButton);
        QCOMPARE(sliders(w2), (QList<int>{8, 0, 0}));
        QCOMPARE(s2.read(11), u"-2147483640"_s); // choosing the slot changes nothing
    }

    void slidersAndTheColourNumber()
    {
        LessonRun r;
        Cwiat *w = openOnTheList(r);
        ItemList &s = settingsOf(r);
        QTest::mouseClick(w->Option1[0], Qt::LeftButton);
        keyOnAll(w, Qt::Key_Home);
        // The captions stay readable on the window's own new colour.
        QCOMPARE(w->Label_Cv[5]->palette().color(QPalette::WindowText), QColor(255, 255, 255));
        keyOnAll(w, Qt::Key_End);
        QCOMPARE(w->Label_Cv[3]->text(), u"Цвят в 10/16-тичен код = 16777215 /HFFFFFF"_s);
        QCOMPARE(s.read(3), u"16777215"_s);

        // Slot 3: only its option button, the swatch and the numbers change.
        const QColor preview = backgroundColour(w->Text_Cv[0]);
        QTest::mouseClick(w->Option1[3], Qt::LeftButton);
        QTest::keyClick(w->Slider1[1], Qt::Key_PageUp);
        QCOMPARE(s.read(15), QString::number(192 + 16 * 256));
        QCOMPARE(backgroundColour(w->Option1[3]), QColor(192, 16, 0));
        QCOMPARE(backgroundColour(w->picColor), QColor(192, 16, 0));
        QCOMPARE(w->Label_ST[1]->text(), u"16"_s);
        QCOMPARE(backgroundColour(w->Text_Cv[0]), preview);
        QCOMPARE(backgroundColour(w->centralWidget()), QColor(255, 255, 255));

        // Slot 1 with green and blue at 0, red to the end: "255" twice.
        QTest::mouseClick(w->Option1[1], Qt::LeftButton);
        QTest::keyClick(w->Slider1[1], Qt::Key_Home);
        QTest::keyClick(w->Slider1[0], Qt::Key_End);
        QCOMPARE(s.read(8), u"255"_s);
        QCOMPARE(s.read(7), u"255"_s);

        clickItem(w->List_font[1], 3);
        QCOMPARE(s.read(2), u"11"_s);
    }

    void cancelAndChoosingAgain()
    {
        LessonRun r;
        startWithFlags(r, {31});
        Tezo *tezo = r.lesson->tezo();
        tezo->mnu_Cwqt->trigger(); // as the pupil opens it
        Cwiat *w = r.lesson->cwiat();
        QVERIFY(w && w->isVisible());
        QVERIFY(!w->mnu_Danni->isVisible() && !w->mnu_Danni->isEnabled());
        // The tooltips with their odd blanks.
        QCOMPARE(w->Slider1[1]->toolTip(), u"Промяна на стойн остта на зелената съставка "_s);
        QCOMPARE(w->Label_Cv[5]->toolTip(), u"За настройване цвета на фона на формата "_s);
        QCOMPARE(w->Label_Cv[7]->toolTip(),
                 u" За настройване цвета на текста в текстовите полета "_s);
        QCOMPARE(w->Label_Cv[4]->text(), u"Размер  шрифт"_s);
        const QColor content = backgroundColour(tezo->Text_U[1]);
        QTest::mouseClick(w->Option1[1], Qt::LeftButton);
        QTest::keyClick(w->Slider1[2], Qt::Key_End);
        w->mnu_Otkaz->trigger();
        QVERIFY(!r.lesson->cwiat());
        QCOMPARE(settingsOf(r).read(7), QString::number(128 * 256 + 255 * 65536));
        QCOMPARE(backgroundColour(tezo->Text_U[1]), content);
        tezo->mnu_Fokus->trigger(); // the enlarged text window loads only now
        Tezo_Zad *zad = r.lesson->tezoZad();
        QCOMPARE(backgroundColour(zad->Obsho_Pole), QColor(0, 128, 255));
        QCOMPARE(textColour(zad->Obsho_Pole), textColour(tezo->Text_U[0]));
        QCOMPARE(backgroundColour(zad), backgroundColour(tezo->centralWidget()));

        // The frame's close button is "Отказ" as well (so is Escape, pressed
        // end to end).
        tezo->mnu_Cwqt->trigger();
        QTest::mouseClick(r.lesson->cwiat()->Option1[1], Qt::LeftButton);
        QTest::keyClick(r.lesson->cwiat()->Slider1[0], Qt::Key_Home);
        QVERIFY(r.lesson->cwiat()->close());
        QVERIFY(!r.lesson->cwiat());
        QCOMPARE(backgroundColour(tezo->Text_U[1]), content);

        // Chosen again while open: the items are refreshed from the lesson
        // window, the window is not loaded again, "Запис" applies them.
        tezo->mnu_Cwqt->trigger();
        Cwiat *open = r.lesson->cwiat();
        QTest::mouseClick(open->Option1[2], Qt::LeftButton);
        setBackgroundColour(tezo->Label_U[3], QColor(1, 2, 3));
        tezo->mnu_Cwqt->trigger();
        QCOMPARE(r.lesson->cwiat(), open);
        QCOMPARE(open->SelectedSlot, quint8(2));
        const QString previewFont = open->Text_Cv[0]->font().family();
        open->mnu_zapis->trigger();
        QCOMPARE(backgroundColour(tezo->Label_U[0]), QColor(1, 2, 3));
        QCOMPARE(tezo->Text_U[1]->font().family(), previewFont);
    }
};

QTEST_MAIN(TestCwiat)
#include "tst_cwiat.moc"
