#pragma once

#include "gui/widgets/lesson_list.h"
#include "gui/widgets/lesson_text.h"

#include <QMainWindow>

#include <array>

class QAction;
class QFrame;
class QLabel;
class QRadioButton;
class QSlider;

namespace lesson {

class ItemList;
class Lesson;

// The colour and font window: one font name and size for the text fields
// and four colours (the windows, the fields' background, the fields' text,
// the button-like labels), edited straight in the settings list of the
// tasks window and shown on a preview. "Запис" applies them to the windows;
// "Отказ" and the frame's close button only close the window, and what was
// edited stays in the list. Made anew at every opening.
class Cwiat : public QMainWindow {
    Q_OBJECT
public:
    explicit Cwiat(Lesson &lesson);
    ~Cwiat() override;

    // --- controls ---
    std::array<LessonList *, 2> List_font{}; // 0 installed font names, 1 sizes "8".."14"
    std::array<QRadioButton *, 4> Option1{}; // colour slot k, in the slot's colour
    // 0..2 the letters of the sliders, 3 the colour number, 4 over the size
    // list, 5..8 the names of the slots beside Option1(0..3)
    std::array<QLabel *, 9> Label_Cv{};
    std::array<QSlider *, 3> Slider1{};    // 0 red, 1 green, 2 blue, 0 to 255
    std::array<QLabel *, 3> Label_ST{};    // values of Slider1(0..2)
    std::array<LessonText *, 1> Text_Cv{}; // 0 preview of font, size and colours
    QFrame *picColor = nullptr;            // the colour being formed

    // --- menus ---
    QAction *mnu_zapis = nullptr;
    QAction *mnu_Otkaz = nullptr;
    QAction *mnu_Danni = nullptr;

    // --- form state ---
    quint8 SelectedSlot = 0;
    qint64 CurrentColour = 0;
    int RedPart = 0;
    int GreenPart = 0;
    quint8 BluePart = 0;

    // --- handlers ---
    void Form_Load();
    void List_font_Click(int Index);
    void Option1_Click(int Index);
    // A slider moved by the pupil (the program's own settings of a slider
    // do not come here).
    void Slider1_Change(int Index);
    void mnu_zapis_Click();
    void mnu_Otkaz_Click();
    void mnu_Danni_Click();

    // --- procedures ---
    void cwetowe_RGB(const qint64 &Cwet);
    void Opredeli_cwqt();
    void Otdelni_Update();
    void FillFontList();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    ItemList &settings();
    // Sets a slider without raising its value-change handler.
    void putSlider(int index, double value);

    Lesson &m_lesson;
};

} // namespace lesson
