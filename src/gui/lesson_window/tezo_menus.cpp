// The lesson window's menus: lesson information, authors, the pop-up menu,
// enlarged text, colours and the way to the tasks window.

#include "core/content/number_text.h"
#include "core/system/spoken_text.h"
#include "gui/appearance/cwiat.h"
#include "gui/lesson.h"
#include "gui/lesson_window/tezo.h"
#include "gui/small_windows/tezo_zad.h"
#include "gui/tasks_window/tezo_n.h"
#include "gui/widgets/colours.h"

#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

namespace lesson {

void Tezo::connectMenus()
{
    for (int k = 1; k <= 9; ++k)
        connect(Sydyrv_pla[std::size_t(k)], &QAction::triggered, this,
                [this, k] { Sydyrv_pla_Click(k); });
    for (int k = 1; k <= 3; ++k)
        connect(awtori[std::size_t(k)], &QAction::triggered, this, [this, k] { awtori_Click(k); });
    connect(mnu_Fokus, &QAction::triggered, this, &Tezo::mnu_Fokus_Click);
    connect(mnu_Cwqt, &QAction::triggered, this, &Tezo::mnu_Cwqt_Click);
    connect(mnu_Wyprosi, &QAction::triggered, this, &Tezo::mnu_Wyprosi_Click);
}

void Tezo::Sydyrv_pla_Click(int k)
{
    ContentStore &s = store();
    Text_U[1]->clear();
    Text_U[1]->setText(s.Dopyln_M[std::size_t(std::clamp(k, 0, 9))].text());
    if (!s.Grafika_W[3].samePicture(s.Grafika_W[1])) {
        Picture_Ur[0]->setPicture(s.Grafika_W[3], QStringLiteral("Илюстрация към ") +
                                                      quotedTitle(informationCaption(k)));
        run.ImageIndex = 3;
        run.ImageSource = 2;
    }
}

void Tezo::awtori_Click(int k)
{
    ContentStore &s = store();
    if (k < 1 || k > 3)
        return;
    Text_U[1]->setText(s.Reklama_Par[std::size_t(k)].text());
    if (k == 1) {
        run.ImageIndex = 2;
        run.ImageSource = 2;
        Picture_Ur[0]->setPicture(s.Grafika_W[2], QStringLiteral("Илюстрация към ") +
                                                      quotedTitle(QStringLiteral("Спонсор")));
    }
}

void Tezo::Form_MouseDown(Qt::MouseButton button, const QPoint &globalPosition)
{
    if (button != Qt::RightButton)
        return;
    mnu_Sydyrv_plan->popup(globalPosition);
    m_lesson.platform().clearClipboard();
}

void Tezo::mnu_Fokus_Click()
{
    ContentStore &s = store();
    s.Text_U[2] = Text_U[1]->Text();
    Tezo_Zad *zad = m_lesson.tezoZad();
    zad->showText(s.Text_U[2].text());
    zad->List_font->setListIndex(toInt16(Val(s.List_Ur[1].read(5))));
    zad->show();
    zad->raise();
    zad->activateWindow();
}

void Tezo::StoreCurrentAppearance()
{
    ItemList &settings = m_lesson.tezoN()->List_Un2;
    const QFont font = Text_U[0]->font();
    settings.write(1, font.family());
    settings.write(2, QString::number(font.pointSizeF()));
    settings.write(3, QString::number(colourNumber(backgroundColour(centralWidget()))));
    settings.write(11, QString::number(colourNumber(textColour(Text_U[0]))));
    settings.write(7, QString::number(colourNumber(backgroundColour(Text_U[0]))));
    settings.write(15, QString::number(colourNumber(backgroundColour(Label_U[3]))));
}

void Tezo::mnu_Cwqt_Click()
{
    StoreCurrentAppearance();
    // An open colour window is only brought to the front: its controls keep
    // what they show.
    Cwiat *window = m_lesson.openCwiat();
    window->show();
    window->raise();
    window->activateWindow();
}

void Tezo::mnu_Wyprosi_Click()
{
    Timer1->stop();
    hide();
    Tezo_n *tasks = m_lesson.tezoN();
    tasks->Timer_n->start();
    if (tasks->List_Un[1]->ListIndex() < 0) {
        tasks->List_Un[1]->setListIndex(0);
        store().List_Ur[1].write(2, QStringLiteral("0"));
    }
    tasks->show();
    tasks->raise();
    tasks->activateWindow();
}

} // namespace lesson
