// Draws the pictures of the teacher's window for the README:
//   teacher-screenshots FOLDER
// writes teacher.png (the window at 1024 x 768), teacher-flags.png,
// teacher-tasks.png and teacher-report.png (the class report of three
// sample folders) into FOLDER. Run it under Xvfb (make screenshots).

#include "class_answers_dialog.h"
#include "class_report.h"
#include "core/content/code_page.h"
#include "gui/qt_platform.h"
#include "teacher_desk.h"
#include "teacher_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// Answers nothing: the pictures need no dialog.
class SilentDesk : public tezomat_teacher::TeacherDesk {
public:
    bool showMessage(const lesson::MessageSpec &) override { return false; }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return QString();
    }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return QString();
    }
    QString folderName(QWidget *, const QString &, const QString &) override { return QString(); }
};

bool put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool grabInto(QWidget *widget, const QString &path)
{
    QApplication::processEvents();
    if (!widget->grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
    lesson::installBulgarianTranslations();
    if (argc != 2) {
        std::fputs("usage: teacher-screenshots FOLDER\n", stderr);
        return 1;
    }
    const QDir out(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());
    if (!out.exists() && !QDir().mkpath(out.path()))
        return 1;
    const auto &facts = tezomat_config::builtInLesson();
    if (!facts)
        return 1;

    SilentDesk desk;
    tezomat_teacher::TeacherWindow window(desk, *facts);
    window.startFromSample();
    window.resize(1024, 768);
    window.show();
    auto *pages = window.findChild<QTabWidget *>(QStringLiteral("pages"));
    bool ok = grabInto(&window, out.filePath(QStringLiteral("teacher.png")));
    pages->setCurrentIndex(1);
    ok = grabInto(&window, out.filePath(QStringLiteral("teacher-flags.png"))) && ok;
    pages->setCurrentIndex(2);
    ok = grabInto(&window, out.filePath(QStringLiteral("teacher-tasks.png"))) && ok;

    // Three pupils: two answered, one PC where nothing was recorded.
    // Relative paths from the temporary folder, so that the picture shows
    // the same names at every run.
    QTemporaryDir classFolder;
    const QString drawnFrom = QDir::currentPath();
    QDir::setCurrent(classFolder.path());
    QDir().mkdir(QStringLiteral("7а"));
    const QDir root(QStringLiteral("7а"));
    for (const char *name : {"PC01", "PC02", "PC03"})
        root.mkdir(QString::fromLatin1(name));
    const QString heading = tezomat_config::answersHeading();
    put(root.filePath(QStringLiteral("PC01/OTGOWORI.TXT")),
        lesson::toWindows1251(heading + QStringLiteral("\r\nЗадача  1\r\nОтговор 1: "
                                                       "(x-1)*(x+2)*(x-3)*(x+4)\r\nЗадача  6\r\n"
                                                       "n = 7, защото S7 = 105 >= 100\r\n")));
    put(root.filePath(QStringLiteral("PC02/OTGOWORI.TXT")),
        QByteArray("\xEF\xBB\xBF") +
            (heading + QStringLiteral("\r\nЗадача  2\r\nОстатъкът е 7\r\nЗадача  15\r\n"
                                      "Корени: -2 и 1\r\nпроверка: √4 = 2\r\n"))
                .toUtf8());
    auto *dialog = new tezomat_teacher::ClassAnswersDialog(desk, *facts, &window);
    for (const char *name : {"PC01", "PC02", "PC03"})
        dialog->addFolder(root.filePath(QString::fromLatin1(name)));
    dialog->resize(1000, 600);
    dialog->show();
    ok = dialog->makeReport() && ok;
    QDir::setCurrent(drawnFrom);
    ok = grabInto(dialog, out.filePath(QStringLiteral("teacher-report.png"))) && ok;
    return ok ? 0 : 1;
}
