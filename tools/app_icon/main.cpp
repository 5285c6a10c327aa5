// app-icon OUTPUT_DIR
//
// Draws the program's icon, a school board with the graph of a cubic and its
// three roots, as PNG files of 48, 64, 128 and 256 pixels (tezomat-48.png ...)
// into OUTPUT_DIR. Only paths are drawn, no text, so the result depends on
// nothing but this program: the files are reproducible byte for byte.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <array>

namespace {

// The drawing is made on a 256-unit square and scaled to each size.
constexpr double kUnit = 256.0;

// p(x) = (x + 2)(x - 0.5)(x - 2) / 2 on [-2.6, 2.6], the board's coordinates.
double cubic(double x)
{
    return (x + 2.0) * (x - 0.5) * (x - 2.0) / 2.0;
}

QPointF onBoard(double x, double y)
{
    // x from -2.6 to 2.6 across 40..216, y from -3.2 to 3.2 across 208..48.
    return QPointF(128.0 + x * 88.0 / 2.6, 128.0 - y * 80.0 / 3.2);
}

void drawIcon(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);

    // Wooden frame and the green board inside it.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 98, 52));
    p.drawRoundedRect(QRectF(8, 8, kUnit - 16, kUnit - 16), 28, 28);
    p.setBrush(QColor(33, 87, 62));
    p.drawRoundedRect(QRectF(24, 24, kUnit - 48, kUnit - 48), 16, 16);

    // Chalk axes with small arrow heads.
    QPen chalk(QColor(236, 240, 232), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(chalk);
    p.drawLine(onBoard(-2.6, 0), onBoard(2.6, 0));
    p.drawLine(QPointF(128, 212), QPointF(128, 40));
    p.drawLine(onBoard(2.6, 0), onBoard(2.6, 0) + QPointF(-12, -8));
    p.drawLine(onBoard(2.6, 0), onBoard(2.6, 0) + QPointF(-12, 8));
    p.drawLine(QPointF(128, 40), QPointF(120, 52));
    p.drawLine(QPointF(128, 40), QPointF(136, 52));

    // The cubic in yellow chalk.
    QPainterPath curve;
    constexpr int steps = 200;
    for (int i = 0; i <= steps; ++i) {
        const double x = -2.45 + 4.75 * i / steps;
        const QPointF point = onBoard(x, cubic(x));
        if (i == 0)
            curve.moveTo(point);
        else
            curve.lineTo(point);
    }
    p.setPen(QPen(QColor(250, 214, 72), 11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);

    // Its three roots, where Horner's scheme leaves remainder 0.
    p.setPen(QPen(QColor(33, 87, 62), 4));
    p.setBrush(QColor(235, 92, 70));
    for (const double root : {-2.0, 0.5, 2.0})
        p.drawEllipse(onBoard(root, 0), 12, 12);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2 || !QFileInfo(arguments.at(1)).isDir()) {
        err << "Употреба: app-icon ПАПКА\n"
               "Рисува иконата на програмата (tezomat-48.png … tezomat-256.png) в ПАПКА.\n";
        return 2;
    }
    for (const int size : std::array{48, 64, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.scale(size / kUnit, size / kUnit);
        drawIcon(p);
        p.end();
        const QString path =
            QDir(arguments.at(1)).filePath(QStringLiteral("tezomat-%1.png").arg(size));
        if (!image.save(path, "PNG")) {
            err << "Не може да се запише " << path << '\n';
            return 1;
        }
    }
    return 0;
}
