#include "gui/appearance/apply_appearance.h"

#include "core/appearance/appearance_settings.h"
#include "core/content/number_text.h"
#include "gui/appearance/cwiat.h"
#include "gui/lesson.h"
#include "gui/lesson_window/tezo.h"
#include "gui/small_windows/tezo_zad.h"
#include "gui/tasks_window/tezo_n.h"
#include "gui/widgets/colours.h"

#include <QLabel>

#include <vector>

namespace lesson {

void ApplyAppearance(Lesson &lesson)
{
    Tezo *tezo = lesson.tezo();
    Tezo_n *tasks = lesson.tezoN();
    ItemList &settings = tasks->List_Un2;
    // Read afresh at every assignment, as the list is the one store.
    const auto colour = [&settings](int item) {
        return colourFromText(settings.read(item));
    };

    // The windows' own area: the menu and status bars keep their look.
    setBackgroundColour(tezo->centralWidget(), colour(colourItem(0)));
    setBackgroundColour(tasks->centralWidget(), colour(colourItem(0)));
    // The enlarged text window is made here, hidden, when it does not exist.
    Tezo_Zad *zad = lesson.tezoZad();
    setBackgroundColour(zad, colour(colourItem(0)));
    for (QWidget *target : std::initializer_list<QWidget *>{
             tezo->Label_U[1], tezo->Label_U[2], tezo->Picture_Ur[0], tasks->Picture_Un[0]})
        setBackgroundColour(target, colour(colourItem(0)));

    for (QLabel *label : {tezo->Label_U[0], tezo->Label_U[3]}) {
        setBackgroundColour(label, colour(colourItem(3)));
        keepTextReadable(label);
    }

    const std::vector<QWidget *> fields = {tezo->Text_U[0],   tezo->Text_U[1],   tezo->List_Ur[0],
                                           zad->Obsho_Pole,   tasks->Text_Un[0], tasks->Text_Un[1],
                                           tasks->Text_Un[2], tasks->Text_Un[3], tasks->Text_Un[4]};
    for (QWidget *field : fields)
        setBackgroundColour(field, colour(colourItem(1)));
    for (QWidget *field : fields)
        setTextColour(field, colour(colourItem(2)));

    if (Cwiat *window = lesson.cwiat())
        settings.write(kFontNameItem, window->Text_Cv[0]->font().family());
    // The enlarged text keeps its own font.
    const std::vector<QWidget *> fontFields = {
        tezo->Text_U[0],   tezo->Text_U[1],   tezo->List_Ur[0],  tasks->Text_Un[0],
        tasks->Text_Un[1], tasks->Text_Un[2], tasks->Text_Un[3], tasks->Text_Un[4]};
    for (QWidget *field : fontFields) {
        QFont font = field->font();
        font.setFamily(settings.read(kFontNameItem));
        field->setFont(font);
    }
    const double size = Val(settings.read(kFontSizeItem));
    if (size > 0) {
        for (QWidget *field : fontFields) {
            QFont font = field->font();
            font.setPointSizeF(size);
            field->setFont(font);
        }
    }
}

} // namespace lesson
