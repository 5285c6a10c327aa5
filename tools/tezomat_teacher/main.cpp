#include "core/content/lesson_loader.h"
#include "gui/qt_platform.h"
#include "lesson_facts.h"
#include "teacher_desk.h"
#include "teacher_window.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>

#include <cstdio>
#include <cstring>

namespace {

const char *const kUsage =
    "tezomat-teacher — прозорецът на учителя за електронния урок\n"
    "\n"
    "Употреба:\n"
    "  tezomat-teacher [ФАЙЛ]\n"
    "      отваря файла с настройки (TAVN7.UFG) или източника (.ini); без ФАЙЛ\n"
    "      започва от образеца, в който е включено всичко, което урокът предлага\n"
    "  tezomat-teacher --help\n"
    "      показва този текст\n"
    "\n"
    "В прозореца: „Запис“ записва файла с настройки, „Запис като източник“ —\n"
    "текста с обясненията, „Отговори на класа“ събира отговорите на учениците\n"
    "в страница (HTML) и таблица (CSV).\n";

} // namespace

int main(int argc, char *argv[])
{
    // Before the window system is asked for: --help works without a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tezomat-teacher"));
    QLocale::setDefault(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
    lesson::installBulgarianTranslations();
    tezomat_teacher::installFileDialogTexts();

    // Qt has taken its own options (-platform, ...) out of the arguments.
    const QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.size() > 1 || (!arguments.isEmpty() && arguments.first().startsWith('-'))) {
        std::fputs(kUsage, stderr);
        return 1;
    }
    const std::optional<tezomat_config::LessonFacts> &facts = tezomat_config::builtInLesson();
    if (!facts) {
        QMessageBox::critical(nullptr, QStringLiteral("Настройка на урока"),
                              QStringLiteral("Данните на урока в програмата са повредени."));
        return 1;
    }
    tezomat_teacher::QtTeacherDesk desk;
    tezomat_teacher::TeacherWindow window(desk, *facts);
    window.startFromSample();
    if (!arguments.isEmpty())
        window.openFile(arguments.first());
    window.show();
    return QApplication::exec();
}
