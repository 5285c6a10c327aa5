#include "pictures.h"

#include <QDir>
#include <QImageWriter>
#include <QPainter>

namespace lesson_pictures {

const std::vector<LessonPicture> &lessonPictures()
{
    static const std::vector<LessonPicture> pictures{
        {QStringLiteral("G01.jpg"), {411, 179}, drawPascalTriangle},
        {QStringLiteral("G02.jpg"), {182, 222}, drawVieta},
        {QStringLiteral("G03.jpg"), {311, 261}, drawProgressionSteps},
        {QStringLiteral("G04.jpg"), {169, 200}, drawFourier},
        {QStringLiteral("G05.jpg"), {296, 334}, drawNewton},
        {QStringLiteral("G06.jpg"), {521, 336}, drawPolynomialGraphs},
        {QStringLiteral("G07.jpg"), {200, 230}, drawPascal},
        {QStringLiteral("G08.jpg"), {280, 340}, drawBernoulli},
        {QStringLiteral("G09.jpg"), {92, 112}, drawLHopital},
        {QStringLiteral("G10.jpg"), {160, 229}, drawWeierstrass},
        {QStringLiteral("G11.jpg"), {452, 266}, drawTwoProgressions},
        {QStringLiteral("G12.jpg"), {400, 266}, drawProgressionSum},
        {QStringLiteral("G13.jpg"), {419, 229}, drawHornerScheme},
        {QStringLiteral("G14.jpg"), {282, 328}, drawFibonacci},
        {QStringLiteral("G15.jpg"), {205, 253}, drawAbel},
        {QStringLiteral("G16.jpg"), {228, 256}, drawLagrange},
        {QStringLiteral("G17.jpg"), {422, 118}, drawBinomialFormula},
        {QStringLiteral("G18.jpg"), {180, 222}, drawDiophantus},
        {QStringLiteral("W2.jpg"), {181, 194}, drawSponsorPlaceholder},
    };
    return pictures;
}

QImage renderPicture(const LessonPicture &picture)
{
    QImage image(picture.size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    picture.draw(painter, picture.size);
    painter.end();
    return image;
}

bool writePicture(const LessonPicture &picture, const QString &directory, QString *error)
{
    const QString path = QDir(directory).filePath(picture.fileName);
    QImageWriter writer(path, "jpeg");
    writer.setQuality(jpegQuality);
    writer.setOptimizedWrite(true);
    writer.setProgressiveScanWrite(false);
    if (!writer.write(renderPicture(picture))) {
        if (error)
            *error = writer.errorString();
        return false;
    }
    return true;
}

} // namespace lesson_pictures
