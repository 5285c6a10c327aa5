#pragma once

#include "core/content/item_list.h"
#include "core/system/messages.h"
#include "gui/widgets/lesson_list.h"
#include "gui/widgets/lesson_text.h"
#include "gui/widgets/picture_box.h"
#include "gui/widgets/tick_timer.h"

#include <QMainWindow>

#include <array>

class QAction;
class QLabel;
class QMenu;

namespace lesson {

class Lesson;
struct ContentStore;

// The tasks and dictionary window: the pupil picks a task, reads it, types
// an answer against the task's clock, gets a hint and the author's solution;
// beside that a glossary of terms with articles and pictures.
class Tezo_n : public QMainWindow {
    Q_OBJECT
public:
    explicit Tezo_n(Lesson &lesson);
    ~Tezo_n() override;

    // --- controls ---
    std::array<LessonList *, 2> List_Un{}; // 0 glossary terms, 1 task numbers (task p+1 at p)
    ItemList List_Un2;                     // appearance settings (19 items)
    ItemList List_Un3;                     // answer store: item t = the pupil's answer to task t
    ItemList List_Un4;                     // copy of the mode flags: item k = flag k
    // 0 answer, 1 term definition, 2 task statement, 3 author's solution, 4 hint
    std::array<LessonText *, 5> Text_Un{};
    QString Text_Un5;                          // work field: elapsed time, text for enlarging
    std::array<PictureBox *, 1> Picture_Un{};  // 0 illustration of the term or task
    std::array<QLabel *, 1> Chasownik_Label{}; // 0 remaining seconds of the task
    TickTimer *Timer_n = nullptr;              // task clock, 100 ms

    // --- menus ---
    QAction *mnu_IzhodN = nullptr;
    QAction *mnu_Tip_Wid = nullptr;
    QAction *mnu_Pylen_Ekran = nullptr;
    QAction *mnu_All_zadachi = nullptr;
    QAction *zap_resheshenie = nullptr;       // the "Запис" menu as a whole
    std::array<QAction *, 4> mnu_ZapReshen{}; // 1 statement+answer, 2 answer, 3 author's solution

    // --- form state ---
    qint16 CurrentTask = 0;
    quint8 SelectedTerm = 0;
    int PictureMap = 0;
    quint8 FocusedPane = 0;
    double RemainingTime = 0;
    double HintTime = 0;
    QString SaveFileName;

    // --- handlers ---
    void Form_Load();
    void List_Un_Click(int Index);
    void Text_Un_GotFocus(int Index);
    void Picture_Un_Click();
    void Timer_n_Timer();
    void mnu_IzhodN_Click();
    void mnu_Pylen_Ekran_Click();
    void mnu_All_zadachi_Click();
    void mnu_Tip_Wid_Click();
    void mnu_ZapReshen_Click(int Index);

    // --- procedures ---
    int ConfirmTaskChange();
    void ShowTask();
    void ShowIllustration(int i);
    void SetTaskTime(quint8 mode);
    void ShowHint();
    void ShowSolution();
    void TaskTimeUp();
    QString Fn_Decrypt(const QString &Tekst_za_dekodirane) const;
    QString Greska_Otgowor2(quint8 Ot_kyde);
    // Shows a message box of this window with the task clock stopped.
    QString askWithClockStopped(const MessageSpec &message);
    void MakeSaveFileName();
    void SaveTaskText(int kind);
    // Mode flag k as this window reads it, from its copy of the flags.
    int ModeFlag(int k) const;

    // The part of the load handler that reads the mode flags; while the
    // lesson window is still reading the configuration it waits for it.
    void applyLoadFlags();
    // Stops the clock and closes the window at the end of the run.
    void stopForEnd();
    // The caption of "Допълнително", which tells how many tasks it adds.
    void setAllTasksCaption(const QString &caption);
    // The line at the bottom of the window that tells where the last saved
    // task went, or that it could not be saved.
    QLabel *saveStatus() const { return m_saveStatus; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    void applyDesignLook();
    void buildSaveStatus();
    void showSaveStatus(const QString &text);
    // The clock's figure, and the same in words for a screen reader.
    void showRemainingSeconds(const QString &seconds);
    ContentStore &store();
    int selectedTask() const { return List_Un[1]->ListIndex() + 1; }
    // Puts the task list's selection on a position without raising its
    // selection event: the caller goes on with the task it keeps.
    void putSelectionBack(int index);

    Lesson &m_lesson;
    QMenu *m_saveMenu = nullptr;
    QLabel *m_saveStatus = nullptr;
    bool m_closingForEnd = false;
    // The task whose total time the clock holds (0 before the first).
    int m_clockTask = 0;
};

} // namespace lesson
