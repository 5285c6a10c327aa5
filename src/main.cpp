#include "core/content/lesson_loader.h"
#include "gui/lesson.h"
#include "gui/qt_platform.h"

#include <QApplication>
#include <QMessageBox>

#include <future>

namespace {

int runLesson(lesson::LoadResult loaded)
{
    QApplication::setApplicationName(QStringLiteral("tezomat"));
    // The run ends only through the lesson's own exit, never because a
    // window happened to be the last one closed.
    QApplication::setQuitOnLastWindowClosed(false);
    lesson::installBulgarianTranslations();
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

} // namespace

int main(int argc, char *argv[])
{
    lesson::shareOneMemoryArena();
    // The lesson's content and the system's fonts are read on threads of
    // their own while Qt connects to the display.
    std::future<lesson::LoadResult> content =
        std::async(std::launch::async, [] { return lesson::loadLessonStore(); });
    lesson::FontListReader fonts;
    QApplication app(argc, argv);
    fonts.applicationReady();
    const int code = runLesson(content.get());
    fonts.finish();
    return code;
}
