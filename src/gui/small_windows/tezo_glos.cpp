#include "gui/small_windows/tezo_glos.h"

#include "core/content/number_text.h"
#include "gui/lesson.h"
#include "gui/tasks_window/tezo_n.h"
#include "gui/widgets/focus_frame.h"
#include "gui/widgets/keyboard.h"
#include "gui/widgets/screen_reader.h"
#include "gui/widgets/twips.h"

#include <QCloseEvent>
#include <QSignalBlocker>

namespace lesson {

namespace {
constexpr QRectF kLevels(100, 120, 7260, 915);
constexpr QRectF kTypes(100, 1080, 7260, 915);
constexpr QSizeF kInnerSize(7460, 2115);
} // namespace

Tezo_Glos::Tezo_Glos(Lesson &lesson)
    : QWidget(nullptr, Qt::Window)
    , m_lesson(lesson)
{
    setObjectName(QStringLiteral("Tezo_Glos"));
    setWindowTitle(QStringLiteral("Тип и сложност на задачи"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    for (int index : {3, 5}) {
        auto *list = new LessonList(this);
        list->setObjectName(QStringLiteral("Wremena_%1").arg(index));
        // A choice closes the window and may ask a question: the keys only
        // move until Enter.
        list->setChoosing(LessonList::Choosing::OnEnter);
        connect(list, &LessonList::Click, this, [this, index] { Wremena_Click(index); });
        Wremena[std::size_t(index)] = list;
    }
    Wremena[3]->setAccessibleName(QStringLiteral("Задачи по сложност"));
    Wremena[5]->setAccessibleName(QStringLiteral("Задачи по вид на решението"));
    setTwipsGeometry(Wremena[3], kLevels);
    setTwipsGeometry(Wremena[5], kTypes);
    resizeInnerTwips(this, kInnerSize);
    setReadingOrder({Wremena[3], Wremena[5]});
    new FocusFrame(this);
    // Escape closes the window as its close box does: nothing is chosen.
    giveSmallWindowKeys(this);
    presentAsWindow(this);
}

void Tezo_Glos::Form_Load()
{
    const ContentStore &s = m_lesson.store();
    for (int index : {3, 5}) {
        LessonList *list = Wremena[std::size_t(index)];
        const QSignalBlocker block(list);
        list->Clear();
        for (const QString &line : s.Wremena[std::size_t(index)].items())
            list->AddItem(line);
        list->setListIndex(-1);
    }
    Wremena[3]->setEnabled(m_lesson.tezoGlosAvailability().levelsEnabled);
    Wremena[5]->setEnabled(m_lesson.tezoGlosAvailability().typesEnabled);
    // The keys start in the first list the pupil may use.
    for (int index : {3, 5}) {
        if (Wremena[std::size_t(index)]->isEnabled()) {
            Wremena[std::size_t(index)]->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
}

void Tezo_Glos::Wremena_Click(int index)
{
    if (m_chosen)
        return;
    LessonList *chosen = Wremena[std::size_t(index)];
    const int p = chosen->ListIndex();
    if (p < 0)
        return;
    const QString line = chosen->itemText(p);
    {
        LessonList *other = Wremena[std::size_t(index == 3 ? 5 : 3)];
        const QSignalBlocker block(other);
        other->setListIndex(-1);
    }
    // The task number ends the line, in at most two digits.
    const int q = int(Val(line.right(2))) - 1;
    m_lesson.store().List_Ur[1].write(2, QString::number(q));
    m_chosen = true;
    m_lesson.closeTezoGlos();
    m_lesson.tezoN()->List_Un[1]->setListIndex(q);
}

void Tezo_Glos::closeEvent(QCloseEvent *event)
{
    // Closing the frame chooses nothing; the window is made anew next time.
    event->accept();
    if (!m_chosen)
        m_lesson.closeTezoGlos();
}

} // namespace lesson
