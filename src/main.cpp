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
    // The lesson's content needs nothing of the display: it is read on a
    // thread of its own while Qt connects to the display. Its texts and
    // pictures were checked whole when the program was built and tested;
    // each is read where it is first shown.
    std::future<lesson::LoadResult> content = std::async(std::launch::async, [] {
        return lesson::loadLessonStore(QStringLiteral(":/lesson"), lesson::ContentCheck::Lookup);
    });
    QApplication app(argc, argv);
    const lesson::FontListReader fonts;
    return runLesson(content.get());
}
