// The pictures of the lesson "Полиноми и уравнения": their file names, exact
// sizes and the function that draws each one.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <vector>

class QPainter;

namespace lesson_pictures {

using DrawFunction = void (*)(QPainter &, const QSize &);

struct LessonPicture {
    QString fileName; // "G01.jpg" .. "G18.jpg", "W2.jpg"
    QSize size;       // pixels; the lesson window sizes its picture boxes from these
    DrawFunction draw;
};

// All 19 pictures in file-name order.
const std::vector<LessonPicture> &lessonPictures();

// Renders one picture into an RGB32 image of its exact size.
QImage renderPicture(const LessonPicture &picture);

// JPEG quality of every written file; fixed so that the files are reproducible.
constexpr int jpegQuality = 92;

// Writes the picture as JPEG; returns false and fills `error` when it fails.
bool writePicture(const LessonPicture &picture, const QString &directory, QString *error);

// Portrait cards (cards.cpp).
void drawVieta(QPainter &p, const QSize &size);       // G02
void drawFourier(QPainter &p, const QSize &size);     // G04
void drawNewton(QPainter &p, const QSize &size);      // G05
void drawPascal(QPainter &p, const QSize &size);      // G07
void drawBernoulli(QPainter &p, const QSize &size);   // G08
void drawLHopital(QPainter &p, const QSize &size);    // G09
void drawWeierstrass(QPainter &p, const QSize &size); // G10
void drawFibonacci(QPainter &p, const QSize &size);   // G14
void drawAbel(QPainter &p, const QSize &size);        // G15
void drawLagrange(QPainter &p, const QSize &size);    // G16
void drawDiophantus(QPainter &p, const QSize &size);  // G18

// Diagrams (diagrams.cpp).
void drawPascalTriangle(QPainter &p, const QSize &size);     // G01
void drawProgressionSteps(QPainter &p, const QSize &size);   // G03
void drawPolynomialGraphs(QPainter &p, const QSize &size);   // G06
void drawTwoProgressions(QPainter &p, const QSize &size);    // G11
void drawProgressionSum(QPainter &p, const QSize &size);     // G12
void drawHornerScheme(QPainter &p, const QSize &size);       // G13
void drawBinomialFormula(QPainter &p, const QSize &size);    // G17
void drawSponsorPlaceholder(QPainter &p, const QSize &size); // W2

} // namespace lesson_pictures
