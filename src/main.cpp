#include "core/content/lesson_loader.h"
#include "gui/lesson.h"
#include "gui/qt_platform.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tezomat"));
    // The run ends only through the lesson's own exit, never because a
    // window happened to be the last one closed.
    QApplication::setQuitOnLastWindowClosed(false);
    lesson::installBulgarianTranslations();

    lesson::LoadResult loaded = lesson::loadLessonStore();
    if (!loaded.store) {
        QMessageBox::critical(nullptr, lesson::messageTitle(),
                              QStringLiteral("Съдържанието на урока е повредено и урокът не може "
                                             "да започне.\n\n") +
                                  loaded.error);
        return 1;
    }
    lesson::QtPlatform platform;
    lesson::Lesson run(std::move(*loaded.store), platform);
    run.start();
    return QApplication::exec();
}
