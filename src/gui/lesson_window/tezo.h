#pragma once

#include "core/appearance/layout_table.h"
#include "core/appearance/time_tape.h"
#include "core/content/item_list.h"
#include "gui/appearance/proportional_layout.h"
#include "gui/lesson_window/run_state.h"
#include "gui/widgets/lesson_list.h"
#include "gui/widgets/lesson_text.h"
#include "gui/widgets/picture_box.h"
#include "gui/widgets/tick_timer.h"

#include <QMainWindow>

#include <array>

class QAction;
class QFrame;
class QLabel;
class QMenu;

namespace lesson {

class Lesson;
struct ContentStore;

// The lesson window: topic, plan, the content and picture of the selected
// point, the point's time bar, the progress tape and the menu bar.
class Tezo : public QMainWindow {
    Q_OBJECT
public:
    explicit Tezo(Lesson &lesson);
    ~Tezo() override;

    // --- controls ---
    std::array<LessonText *, 2> Text_U{};     // 0 topic, 1 content of the selected point
    std::array<LessonList *, 1> List_Ur{};    // 0 the plan as shown
    std::array<PictureBox *, 1> Picture_Ur{}; // 0 picture of the selected point
    std::array<QLabel *, 4> Label_U{}; // 0 "План", 1 over the tape, 2 over the bar, 3 "Тема"
    std::array<QFrame *, 4> Shape_Lenta{}; // 0, 1 time bar (left, elapsed); 2, 3 tape (red, green)
    TickTimer *Timer1 = nullptr;           // 100 ms: clipboard and point clock

    // --- menus ---
    QAction *Izhod = nullptr;
    QAction *mnu_Fokus = nullptr;
    QAction *mnu_Cwqt = nullptr;
    QAction *mnu_Wyprosi = nullptr;
    QMenu *mnu_Sydyrv_plan = nullptr;
    std::array<QAction *, 10> Sydyrv_pla{}; // 1..9 lesson-information entries
    QMenu *awtor0 = nullptr;
    std::array<QAction *, 4> awtori{}; // 1 sponsor, 2 author, 3 about

    // --- run state ---
    ItemList ModeFlagTable; // entry k: mode flag k as text
    LessonRunState run;

    // --- handlers and procedures ---
    void Form_Load();
    void List_Ur_Click();
    void Picture_Ur_Click();
    void Izhod_Click();
    void Timer1_Timer();
    void Sydyrv_pla_Click(int k);
    void awtori_Click(int k);
    void Form_MouseDown(Qt::MouseButton button, const QPoint &globalPosition);
    void mnu_Fokus_Click();
    void mnu_Cwqt_Click();
    void mnu_Wyprosi_Click();
    void StoreCurrentAppearance();
    void TickPointTimer();
    void EndPointTiming();
    void AdvanceProgressTape();

    void CaptureLayout();
    void Form_Resize();
    void ReadLessonConfiguration();
    void ApplyModeFlags();
    void FillDictionaryList();
    void InitProgressTape();
    void LoadPlan();
    void ComputeTimeBarGeometry(int row);
    // Writes the answers file when the lesson records; false only when a
    // file that had to be written could not be (the pupil has been told).
    bool SaveEnteredTexts();

    int ModeFlag(int k) const;
    QString Greska_Otgowor1(int Ot_kyde);
    static qint16 ReportFileStatus(const QString &filespec);
    quint8 CurrentDriveType();

    // Ratios of the lesson window's inner size to the place of every
    // control of the proportional layout, one row per control.
    LayoutRatioTable LayoutTable;
    LayoutGroupLastTable LayoutGroupLast{};
    // Layout row of the time bar's first shape until the tape is set up,
    // of the tape's red shape afterwards.
    quint8 TapeRow = 0;
    // Running geometry of the time bar and the tape, in twips of the inner
    // size at which each was last computed.
    TapeStateArray TapeState{};

    // The file the typed answers go to, by mode flag 31.
    QString answersFileName() const;

    // The design caption, before start-up extends it.
    static QString designCaption();
    // True once the configuration has been read and applied: the mode
    // flags do not change after that.
    bool flagsFixed() const { return m_flagsFixed; }
    // Stops the timer and closes the window at the end of the run.
    void stopForEnd();
    // The caption of lesson-information entry k (1 to 9), without its
    // Alt letter.
    static QString informationCaption(int k);
    // What a screen reader hears for the time bar and the progress tape.
    QString timeBarName() const;
    QString progressTapeName() const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    // The pop-up menu of a right click, opened from the keyboard at the
    // control with the focus.
    void popUpFromKeyboard();
    void applyDesignLook();
    void connectMenus();
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showPicture(int imageIndex, const QString &alternative);
    QWidget *layoutControl(int group, int index);
    int timeBarRow() const;
    void applyTimeBar();
    void applyTape();
    void clearPicture();
    ContentStore &store();

    Lesson &m_lesson;
    bool m_closingForEnd = false;
    bool m_flagsFixed = false;
    ProportionalLayout m_layout;
    // Inner height and width (twips) at which the bar and the tape state
    // were computed; shown at another size they are scaled.
    float m_barComputedAt = 0;
    float m_tapeComputedAt = 0;
    // Inner size of the tasks window at design size, twips.
    QSizeF m_tasksDesignInner;
};

} // namespace lesson
