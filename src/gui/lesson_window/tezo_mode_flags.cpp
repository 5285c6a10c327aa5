// What the teacher's mode flags switch on and off in the lesson and tasks
// windows at start-up.

#include "core/content/number_text.h"
#include "gui/lesson.h"
#include "gui/lesson_window/tezo.h"
#include "gui/tasks_window/tezo_n.h"
#include "gui/widgets/lesson_list.h"

#include <QAction>
#include <QLabel>

namespace lesson {

void Tezo::ApplyModeFlags()
{
    ContentStore &s = store();
    // Nothing here re-enables what an earlier step disabled.
    if (ModeFlag(1) < 1)
        m_lesson.tezoN()->List_Un[1]->setEnabled(false);
    if (ModeFlag(3) < 1)
        m_lesson.tezoN()->Chasownik_Label[0]->hide();
    FillDictionaryList();
    Tezo_n *tasks = m_lesson.tezoN();
    if (ModeFlag(4) >= 1) {
        tasks->List_Un[0]->setListIndex(toInt16(Val(s.List_Ur[1].read(1))));
    } else {
        tasks->List_Un[0]->setEnabled(false);
        tasks->Text_Un[1]->setText(QStringLiteral("Достъпът до речника е забранен!"));
    }
    if (ModeFlag(7) < 1)
        mnu_Cwqt->setEnabled(false);
    if (ModeFlag(8) < 1)
        m_lesson.tezoGlosAvailability().levelsEnabled = false;
    if (ModeFlag(26) < 1)
        m_lesson.tezoGlosAvailability().typesEnabled = false;
    if (ModeFlag(9) < 1)
        Sydyrv_pla[1]->setEnabled(false);
    if (ModeFlag(10) < 1) {
        List_Ur[0]->setEnabled(false);
        Text_U[1]->setText(QStringLiteral("Достъпът до учебния материал е забранен!"));
    }
    // With flag 17 off the plan locks once a point is chosen: the arrow keys
    // must be free to look for the point before Enter or Space chooses it.
    if (ModeFlag(17) < 1)
        List_Ur[0]->setChoosing(LessonList::Choosing::OnEnter);
    if (ModeFlag(11) < 1)
        tasks->mnu_ZapReshen[2]->setEnabled(false);
    if (ModeFlag(13) < 1) {
        Shape_Lenta[0]->hide();
        Shape_Lenta[1]->hide();
    }
    tasks->mnu_ZapReshen[1]->setVisible(ModeFlag(15) >= 1);
    // Flag 16 + j governs information entries j and j + 2.
    for (int j = 3; j <= 7; ++j) {
        if (ModeFlag(16 + j) < 1) {
            Sydyrv_pla[std::size_t(j)]->setEnabled(false);
            Sydyrv_pla[std::size_t(j + 2)]->setEnabled(false);
        }
    }
    // An information entry without a text is never offered.
    for (int j = 1; j <= 9; ++j) {
        if (s.Dopyln_M[std::size_t(j)].isEmpty())
            Sydyrv_pla[std::size_t(j)]->setEnabled(false);
    }
    if (ModeFlag(24) < 1) {
        mnu_Fokus->setEnabled(false);
        tasks->mnu_Pylen_Ekran->setEnabled(false);
    }
}

void Tezo::FillDictionaryList()
{
    const ItemList &terms = store().glos_All[0];
    LessonList *list = m_lesson.tezoN()->List_Un[0];
    for (int i = 0; i < terms.count(); ++i)
        list->AddItem(terms.read(i));
}

} // namespace lesson
