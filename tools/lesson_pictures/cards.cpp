// Portrait cards of the mathematicians named in the lesson's glossary.
#include "picture_kit.h"
#include "picture_math.h"
#include "pictures.h"
#include "portrait.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace lesson_pictures {

namespace {

const QString dash = QStringLiteral(" \u2013 ");

QString years(int born, int died)
{
    return QString::number(born) + dash + QString::number(died);
}

// A light rounded panel that holds a motif, so every motif sits on the card
// the same way.
QRectF drawMotifPanel(QPainter &p, const QRectF &strip)
{
    p.save();
    p.setPen(QPen(palette::frame, 0.8));
    p.setBrush(palette::paperShade);
    p.drawRoundedRect(strip, 4, 4);
    p.restore();
    return strip.adjusted(5, 3, -5, -3);
}

// Vieta's formulas: the equation x^2 + px + q = 0 whose p and q they use,
// then one relation per line.
void vietaMotif(QPainter &p, const QRectF &strip)
{
    const QRectF inner = drawMotifPanel(p, strip);
    Formula equation;
    equation.var(QStringLiteral("x"))
        .sup(QStringLiteral("2"))
        .text(QStringLiteral(" + "))
        .var(QStringLiteral("px"))
        .text(QStringLiteral(" + "))
        .var(QStringLiteral("q"))
        .text(QStringLiteral(" = 0"));
    Formula sum;
    sum.var(QStringLiteral("x"))
        .sub(QStringLiteral("1"))
        .text(QStringLiteral(" + "))
        .var(QStringLiteral("x"))
        .sub(QStringLiteral("2"))
        .text(QStringLiteral(" = \u2212"))
        .var(QStringLiteral("p"));
    Formula product;
    product.var(QStringLiteral("x"))
        .sub(QStringLiteral("1"))
        .text(QStringLiteral(" \u00b7 "))
        .var(QStringLiteral("x"))
        .sub(QStringLiteral("2"))
        .text(QStringLiteral(" = "))
        .var(QStringLiteral("q"));
    const double lineHeight = inner.height() / 3.0;
    const int px =
        std::min({equation.fit(inner.width(), 14, 8), sum.fit(inner.width(), 14, 8),
                  product.fit(inner.width(), 14, 8), static_cast<int>(lineHeight * 0.8)});
    const double baseline = inner.top() + lineHeight / 2.0 + px * 0.35;
    equation.drawCentred(p, inner.center().x(), baseline, px, palette::blue);
    // A short rule between the equation and what it gives, halfway from the
    // descenders of p and q to the tops of the next line.
    const double ruleY = baseline + (lineHeight - px * 0.5) / 2.0;
    const double halfRule = equation.width(px) / 2.0;
    p.save();
    p.setPen(QPen(palette::frame, 0.6));
    p.drawLine(QPointF(inner.center().x() - halfRule, ruleY),
               QPointF(inner.center().x() + halfRule, ruleY));
    p.restore();
    sum.drawCentred(p, inner.center().x(), baseline + lineHeight, px, palette::ink);
    product.drawCentred(p, inner.center().x(), baseline + 2 * lineHeight, px, palette::ink);
}

// Newton's tangent method on f(x) = x^2 - 2: from x0 the tangent meets the
// x-axis at x1 = x0 - f(x0)/f'(x0), closer to the root sqrt(2).
void newtonMotif(QPainter &p, const QRectF &strip)
{
    const QRectF inner = drawMotifPanel(p, strip);
    const auto f = [](double x) {
        return x * x - 2.0;
    };
    const auto df = [](double x) {
        return 2.0 * x;
    };
    const double x0 = 2.2;
    const double x1 = x0 - f(x0) / df(x0);

    // Sketch on the left.
    const QRectF plot(inner.left() + 2, inner.top() + 2, inner.height() * 1.55,
                      inner.height() - 12);
    const double xMin = 1.0, xMax = 2.45, yMin = -0.9, yMax = 3.4;
    const auto map = [&](double x, double y) {
        return QPointF(plot.left() + (x - xMin) / (xMax - xMin) * plot.width(),
                       plot.bottom() - (y - yMin) / (yMax - yMin) * plot.height());
    };
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    drawArrow(p, map(xMin, 0), map(xMax, 0), palette::muted, 0.9, 5);

    QPainterPath curve;
    for (int i = 0; i <= 60; ++i) {
        const double x = 1.05 + (2.33 - 1.05) * i / 60.0;
        if (i == 0)
            curve.moveTo(map(x, f(x)));
        else
            curve.lineTo(map(x, f(x)));
    }
    p.setPen(QPen(palette::blue, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);

    p.setPen(QPen(palette::muted, 0.8, Qt::DashLine));
    p.drawLine(map(x0, 0), map(x0, f(x0)));
    const double xEnd = x1 - 0.12;
    p.setPen(QPen(palette::red, 1.3));
    p.drawLine(map(x0 + 0.08, f(x0) + 0.08 * df(x0)), map(xEnd, f(x0) + (xEnd - x0) * df(x0)));
    p.setPen(Qt::NoPen);
    p.setBrush(palette::red);
    p.drawEllipse(map(x0, f(x0)), 2.2, 2.2);
    p.drawEllipse(map(x1, 0), 2.2, 2.2);
    p.setBrush(palette::green);
    p.drawEllipse(map(std::sqrt(2.0), 0), 2.0, 2.0);

    const int labelPx = 10;
    Formula label0;
    label0.var(QStringLiteral("x")).sub(QStringLiteral("0"));
    Formula label1;
    label1.var(QStringLiteral("x")).sub(QStringLiteral("1"));
    const double labelBaseline = map(0, 0).y() + labelPx + 1;
    label0.drawCentred(p, map(x0, 0).x(), labelBaseline, labelPx, palette::ink);
    label1.drawCentred(p, map(x1, 0).x(), labelBaseline, labelPx, palette::ink);
    p.restore();

    // Title and iteration formula on the right.
    const QRectF text(plot.right() + 8, inner.top(), inner.right() - plot.right() - 8,
                      inner.height());
    const QString title = QStringLiteral("Метод на допирателните");
    const QStringList titleLines = splitInTwo(title);
    const int titlePx = fitPixelSize(titleLines, Family::Sans, true, text.width(), 11, 7);
    const QFont titleFont = makeFont(Family::Sans, titlePx, true);
    const double titleHeight = QFontMetricsF(titleFont).height() * 2;
    drawCentredLines(p, QRectF(text.left(), text.top() + 2, text.width(), titleHeight), titleLines,
                     titleFont, palette::ink);

    // x_{n+1} = x_n - f(x_n) / f'(x_n) with a real fraction bar.
    Formula lead;
    lead.var(QStringLiteral("x"))
        .sub(QStringLiteral("n+1"))
        .text(QStringLiteral(" = "))
        .var(QStringLiteral("x"))
        .sub(QStringLiteral("n"))
        .text(QStringLiteral(" \u2212 "));
    Formula numerator;
    numerator.var(QStringLiteral("f"))
        .text(QStringLiteral("("))
        .var(QStringLiteral("x"))
        .sub(QStringLiteral("n"))
        .text(QStringLiteral(")"));
    Formula denominator;
    denominator.var(QStringLiteral("f"))
        .text(QStringLiteral("\u2032("))
        .var(QStringLiteral("x"))
        .sub(QStringLiteral("n"))
        .text(QStringLiteral(")"));
    int px = 13;
    while (px > 8 && lead.width(px) + denominator.width(px) + 2 > text.width())
        --px;
    const double fractionWidth = std::max(numerator.width(px), denominator.width(px)) + 2;
    const double total = lead.width(px) + fractionWidth;
    const double left = text.center().x() - total / 2.0;
    const double barY = text.top() + titleHeight + (text.height() - titleHeight) / 2.0 + 2;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    lead.draw(p, QPointF(left, barY + px * 0.35), px, palette::ink);
    const double fx = left + lead.width(px);
    numerator.drawCentred(p, fx + fractionWidth / 2.0, barY - px * 0.3, px, palette::ink);
    denominator.drawCentred(p, fx + fractionWidth / 2.0, barY + px * 1.0, px, palette::ink);
    p.setPen(QPen(palette::ink, 0.9));
    p.drawLine(QPointF(fx, barY), QPointF(fx + fractionWidth, barY));
    p.restore();
}

// Squares 1, 1, 2, 3, 5, 8 laid out as a spiral, with the spiral's quarter
// arcs, and the first terms of the sequence beside them.
void fibonacciMotif(QPainter &p, const QRectF &strip)
{
    const QRectF inner = drawMotifPanel(p, strip);
    const std::vector<long long> terms = fibonacciTerms(7);

    // Each square is attached to the bounding box in turn above, right,
    // below and left; the arc of each square is centred on the corner that
    // keeps the spiral continuous.
    struct Square {
        QRectF rect;
        QPointF centre;
        int startAngle; // degrees, Qt's counter-clockwise convention
    };
    std::vector<Square> squares;
    QRectF box;
    for (size_t i = 0; i + 1 < terms.size(); ++i) {
        const double s = static_cast<double>(terms[i]);
        QRectF r;
        switch (i % 4) {
        case 0: // above (the first square simply starts the spiral)
            r = i == 0 ? QRectF(0, 0, s, s) : QRectF(box.left(), box.top() - s, s, s);
            squares.push_back({r, r.bottomRight(), 90});
            break;
        case 1: // right
            r = QRectF(box.right(), box.top(), s, s);
            squares.push_back({r, r.bottomLeft(), 0});
            break;
        case 2: // below
            r = QRectF(box.left(), box.bottom(), s, s);
            squares.push_back({r, r.topLeft(), 270});
            break;
        default: // left
            r = QRectF(box.left() - s, box.top(), s, s);
            squares.push_back({r, r.topRight(), 180});
            break;
        }
        box = box.isNull() ? r : box.united(r);
    }

    const double unit = std::min(inner.height() / box.height(), inner.width() * 0.4 / box.width());
    const QPointF origin(inner.left() + 2 - box.left() * unit,
                         inner.center().y() - (box.top() + box.height() / 2.0) * unit);
    const auto map = [&](const QPointF &pt) {
        return origin + pt * unit;
    };
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QColor fills[] = {palette::gold, palette::blueLight, palette::greenLight,
                            palette::redLight};
    QFont numberFont = makeFont(Family::Sans, 9, true);
    for (size_t i = 0; i < squares.size(); ++i) {
        const QRectF r(map(squares[i].rect.topLeft()), map(squares[i].rect.bottomRight()));
        p.setPen(QPen(palette::frame, 0.8));
        p.setBrush(fills[i % 4]);
        p.drawRect(r);
        if (r.width() >= 13) {
            p.setFont(numberFont);
            p.setPen(palette::muted);
            p.drawText(r, Qt::AlignCenter, QString::number(terms[i]));
        }
    }
    p.setPen(QPen(palette::red, 1.4));
    p.setBrush(Qt::NoBrush);
    for (const Square &sq : squares) {
        const double radius = sq.rect.width() * unit;
        const QPointF c = map(sq.centre);
        p.drawArc(QRectF(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius),
                  sq.startAngle * 16, 90 * 16);
    }
    p.restore();

    // The sequence and its rule.
    const double left = origin.x() + (box.right()) * unit + 10;
    const QRectF text(left, inner.top(), inner.right() - left, inner.height());
    QString sequence;
    for (long long t : terms)
        sequence += QString::number(t) + QStringLiteral(", ");
    sequence += QStringLiteral("\u2026");
    const int seqPx = fitPixelSize({sequence}, Family::Serif, true, text.width(), 14, 8);
    const QFont seqFont = makeFont(Family::Serif, seqPx, true);
    const QFont ruleFont = makeFont(Family::Sans, std::max(8, seqPx - 3));
    const QStringList rule =
        wrapWords(QStringLiteral("всяко число е сбор на предходните две"), ruleFont, text.width());
    const double seqHeight = QFontMetricsF(seqFont).height();
    const double ruleHeight = QFontMetricsF(ruleFont).height() * rule.size();
    const double top = text.center().y() - (seqHeight + ruleHeight + 3) / 2.0;
    drawCentredLines(p, QRectF(text.left(), top, text.width(), seqHeight), {sequence}, seqFont,
                     palette::red);
    drawCentredLines(p, QRectF(text.left(), top + seqHeight + 3, text.width(), ruleHeight), rule,
                     ruleFont, palette::muted);
}

} // namespace

void drawVieta(QPainter &p, const QSize &size)
{
    PortraitCard card{QStringLiteral("Франсоа Виет"),
                      years(1540, 1603),
                      {Hair::Short, Beard::Pointed, Neckwear::Ruff, true, false},
                      vietaMotif,
                      0.26};
    drawPortraitCard(p, size, card);
}

void drawFourier(QPainter &p, const QSize &size)
{
    drawPortraitCard(p, size,
                     {QStringLiteral("Жозеф Фурие"),
                      years(1768, 1830),
                      {Hair::Curly, Beard::None, Neckwear::Stock, false, false},
                      {},
                      0.0});
}

void drawNewton(QPainter &p, const QSize &size)
{
    drawPortraitCard(p, size,
                     {QStringLiteral("Исак Нютон"),
                      years(1643, 1727),
                      {Hair::FullWig, Beard::None, Neckwear::Jabot, false, true},
                      newtonMotif,
                      0.2});
}

void drawPascal(QPainter &p, const QSize &size)
{
    drawPortraitCard(p, size,
                     {QStringLiteral("Блез Паскал"),
                      years(1623, 1662),
                      {Hair::Flowing, Beard::None, Neckwear::Band, true, false},
                      {},
                      0.0});
}

void drawBernoulli(QPainter &p, const QSize &size)
{
    drawPortraitCard(p, size,
                     {QStringLiteral("Якоб Бернули"),
                      years(1655, 1705),
                      {Hair::FullWig, Beard::None, Neckwear::Jabot, false, false},
                      {},
                      0.0});
}

void drawLHopital(QPainter &p, const QSize &size)
{
    // The card is too small for the full name; the surname carries it.
    drawPortraitCard(p, size,
                     {QStringLiteral("Лопитал"),
                      years(1661, 1704),
                      {Hair::FullWig, Beard::None, Neckwear::Jabot, false, false},
                      {},
                      0.0});
}

void drawWeierstrass(QPainter &p, const QSize &size)
{
    drawPortraitCard(p, size,
                     {QStringLiteral("Карл Вайерщрас"),
                      years(1815, 1897),
                      {Hair::Balding, Beard::Full, Neckwear::Stock, true, true},
                      {},
                      0.0});
}

void drawFibonacci(QPainter &p, const QSize &size)
{
    drawPortraitCard(p, size,
                     {QStringLiteral("Леонардо Фибоначи"),
                      QStringLiteral("ок. 1170") + dash + QStringLiteral("ок. 1250"),
                      {Hair::Cap, Beard::None, Neckwear::Robe, false, false},
                      fibonacciMotif,
                      0.19});
}

void drawAbel(QPainter &p, const QSize &size)
{
    drawPortraitCard(p, size,
                     {QStringLiteral("Нилс Хенрик Абел"),
                      years(1802, 1829),
                      {Hair::Short, Beard::None, Neckwear::Stock, false, false},
                      {},
                      0.0});
}

void drawLagrange(QPainter &p, const QSize &size)
{
    drawPortraitCard(p, size,
                     {QStringLiteral("Жозеф-Луи Лагранж"),
                      years(1736, 1813),
                      {Hair::PowderedWig, Beard::None, Neckwear::Jabot, false, true},
                      {},
                      0.0});
}

void drawDiophantus(QPainter &p, const QSize &size)
{
    drawPortraitCard(p, size,
                     {QStringLiteral("Диофант Александрийски"),
                      QStringLiteral("ок. 200") + dash + QStringLiteral("ок. 284"),
                      {Hair::Ancient, Beard::Full, Neckwear::Drape, true, false},
                      {},
                      0.0});
}

} // namespace lesson_pictures
