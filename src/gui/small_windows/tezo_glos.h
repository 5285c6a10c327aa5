#pragma once

#include "gui/widgets/lesson_list.h"

#include <QWidget>

#include <array>

namespace lesson {

class Lesson;

// The task type/difficulty window: every listed task once by its difficulty
// and once by its kind of solution. Choosing a line closes the window and
// chooses that task in the tasks window. Made anew at every opening.
class Tezo_Glos : public QWidget {
    Q_OBJECT
public:
    explicit Tezo_Glos(Lesson &lesson);

    // 3 one line per task by difficulty, 5 one line per task by solution type
    std::array<LessonList *, 6> Wremena{};

    void Form_Load();
    void Wremena_Click(int index);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Lesson &m_lesson;
    bool m_chosen = false;
};

} // namespace lesson
