// lesson-pictures OUTPUT_DIR
//
// Draws every picture of the lesson "Полиноми и уравнения" and writes them as
// JPEG files (G01.jpg .. G18.jpg, W2.jpg) into OUTPUT_DIR. The output depends
// only on the program and the installed DejaVu fonts: no clock, no randomness,
// fixed JPEG quality, the offscreen platform.
#include "picture_kit.h"
#include "pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    // No display is needed, and a real one could change font rendering.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2 || !QFileInfo(arguments.at(1)).isDir()) {
        err << "Употреба: lesson-pictures ПАПКА\n"
               "Рисува картинките на урока (G01.jpg … G18.jpg, W2.jpg) в съществуваща ПАПКА.\n";
        return 2;
    }
    QString missing;
    if (!lesson_pictures::fontsAvailable(&missing)) {
        err << "Липсва шрифтът " << missing << " (пакет fonts-dejavu-core).\n";
        return 1;
    }

    const QString directory = arguments.at(1);
    for (const auto &picture : lesson_pictures::lessonPictures()) {
        QString error;
        if (!lesson_pictures::writePicture(picture, directory, &error)) {
            err << "Не може да се запише " << QDir(directory).filePath(picture.fileName) << ": "
                << error << '\n';
            return 1;
        }
        out << QDir(directory).filePath(picture.fileName) << "  " << picture.size.width() << " x "
            << picture.size.height() << '\n';
    }
    return 0;
}
