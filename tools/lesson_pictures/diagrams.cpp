// The lesson's diagrams: Pascal's triangle, progressions, graphs of
// polynomials, Horner's scheme, the binomial formula and the sponsor frame.
#include "picture_kit.h"
#include "picture_math.h"
#include "pictures.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace lesson_pictures {

namespace {

const QString minus = QStringLiteral("\u2212");

// Title line centred at the top of a picture.
double drawTitle(QPainter &p, const QSize &size, const QString &title, int maxPx, double top)
{
    const int px = fitPixelSize({title}, Family::Serif, true, size.width() - 24.0, maxPx, 9);
    const QFont font = makeFont(Family::Serif, px, true);
    const double height = QFontMetricsF(font).height();
    drawCentredLines(p, QRectF(0, top, size.width(), height), {title}, font, palette::ink);
    return top + height;
}

// Appends a polynomial such as "x³ − 6x² + 11x − 6", coefficients given
// highest power first.
void appendPolynomial(Formula &f, const std::vector<long long> &coefficients)
{
    bool first = true;
    const int degree = static_cast<int>(coefficients.size()) - 1;
    for (int i = 0; i <= degree; ++i) {
        const long long a = coefficients[static_cast<size_t>(i)];
        const int power = degree - i;
        if (a == 0)
            continue;
        if (first)
            f.text(a < 0 ? minus : QString());
        else
            f.text(QStringLiteral(" ") + (a < 0 ? minus : QStringLiteral("+")) +
                   QStringLiteral(" "));
        const long long magnitude = std::llabs(a);
        if (magnitude != 1 || power == 0)
            f.text(QString::number(magnitude));
        if (power >= 1)
            f.var(QStringLiteral("x"));
        if (power >= 2)
            f.sup(QString::number(power));
        first = false;
    }
    if (first)
        f.text(QStringLiteral("0"));
}

// "y = x² − 2x − 3".
Formula polynomialFormula(const QString &lhs, const std::vector<long long> &coefficients)
{
    Formula f;
    f.var(lhs).text(QStringLiteral(" = "));
    appendPolynomial(f, coefficients);
    return f;
}

// "(x + 1)(x − 3)" when a monic polynomial has as many whole roots as its
// degree; empty otherwise.
Formula factoredForm(const std::vector<long long> &coefficients, const std::vector<double> &roots)
{
    Formula f;
    if (coefficients.empty() || coefficients.front() != 1 ||
        roots.size() + 1 != coefficients.size())
        return f;
    for (double r : roots) {
        if (std::abs(r - std::round(r)) > 1e-9)
            return Formula();
    }
    f.text(QStringLiteral("= "));
    std::vector<double> ordered = roots; // the factor x first, as usually written
    std::stable_partition(ordered.begin(), ordered.end(),
                          [](double r) { return std::abs(r) < 1e-9; });
    for (double r : ordered) {
        const auto root = static_cast<long long>(std::llround(r));
        if (root == 0) {
            f.var(QStringLiteral("x"));
            continue;
        }
        f.text(QStringLiteral("("))
            .var(QStringLiteral("x"))
            .text(QStringLiteral(" ") + (root > 0 ? minus : QStringLiteral("+")) +
                  QStringLiteral(" ") + QString::number(std::llabs(root)) + QStringLiteral(")"));
    }
    return f;
}

std::vector<double> toDouble(const std::vector<long long> &values)
{
    return {values.begin(), values.end()};
}

// A vertical bar with its value above it.
void drawValueBar(QPainter &p, const QRectF &bar, const QColor &fill, const QColor &edge,
                  long long value, const QFont &valueFont)
{
    p.setPen(QPen(edge, 1.0));
    p.setBrush(fill);
    p.drawRect(bar);
    p.setFont(valueFont);
    p.setPen(palette::ink);
    const QFontMetricsF metrics(valueFont);
    const QString text = numberText(value);
    p.drawText(QPointF(bar.center().x() - metrics.horizontalAdvance(text) / 2.0,
                       bar.top() - metrics.descent() - 2),
               text);
}

// "a" with subscript index, centred under a bar.
void drawIndexLabel(QPainter &p, const QString &letter, int index, double centreX, double baseline,
                    int px, const QColor &colour)
{
    Formula label;
    label.var(letter).sub(QString::number(index));
    label.drawCentred(p, centreX, baseline, px, colour);
}

} // namespace

// Rows n = 0..6; the cells 3, 3 of row 3 and 6 of row 4 are highlighted to
// show the rule by which the triangle is built.
void drawPascalTriangle(QPainter &p, const QSize &size)
{
    drawPaper(p, size);
    const double bottomOfTitle = drawTitle(p, size, QStringLiteral("Триъгълник на Паскал"), 16, 6);
    const auto rows = pascalRows(6);

    const double cellW = 27;
    const double cellH = 16;
    const double dx = 33;
    const double top = bottomOfTitle + 6 + cellH / 2.0;
    const double rowStep = (size.height() - 9 - cellH / 2.0 - top) / 6.0;
    const double centreX = size.width() / 2.0;
    const auto cellCentre = [&](int n, int k) {
        return QPointF(centreX + (k - n / 2.0) * dx, top + n * rowStep);
    };
    const auto highlighted = [](int n, int k) {
        return (n == 3 && (k == 1 || k == 2)) || (n == 4 && k == 2);
    };

    p.save();
    // Links from the two highlighted summands to their sum.
    p.setPen(QPen(palette::red, 1.4));
    p.drawLine(cellCentre(3, 1), cellCentre(4, 2));
    p.drawLine(cellCentre(3, 2), cellCentre(4, 2));

    const QFont numberFont = makeFont(Family::Sans, 11, true);
    const QFont labelFont = makeFont(Family::Sans, 10);
    for (int n = 0; n <= 6; ++n) {
        const auto &row = rows[static_cast<size_t>(n)];
        for (int k = 0; k <= n; ++k) {
            const QPointF c = cellCentre(n, k);
            const QRectF cell(c.x() - cellW / 2.0, c.y() - cellH / 2.0, cellW, cellH);
            p.setPen(QPen(highlighted(n, k) ? palette::red : palette::frame, 0.9));
            p.setBrush(highlighted(n, k) ? palette::gold : palette::blueLight);
            p.drawRoundedRect(cell, 4, 4);
            p.setFont(numberFont);
            p.setPen(palette::ink);
            p.drawText(cell, Qt::AlignCenter, QString::number(row[static_cast<size_t>(k)]));
        }
        p.setFont(labelFont);
        p.setPen(palette::muted);
        p.drawText(QRectF(14, top + n * rowStep - 8, 60, 16), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("n = ") + QString::number(n));
    }

    // The rule, in the free corner at the upper right.
    const QFont ruleFont = makeFont(Family::Sans, 11);
    const QRectF note(size.width() - 128, bottomOfTitle + 6, 116, 52);
    const QStringList ruleLines{QStringLiteral("Всяко число е сбор"),
                                QStringLiteral("на двете над него:")};
    const double used = drawCentredLines(p, QRectF(note.left(), note.top(), note.width(), 30),
                                         ruleLines, ruleFont, palette::muted);
    Formula example;
    example.text(QStringLiteral("3 + 3 = 6"));
    example.drawCentred(p, note.center().x(), note.top() + used + 15, 14, palette::red);
    p.restore();
}

// Arithmetic progression a1 = 2, d = 3 as a staircase: each bar is the
// previous one plus a red block of height d.
void drawProgressionSteps(QPainter &p, const QSize &size)
{
    drawPaper(p, size);
    const long long first = 2;
    const long long difference = 3;
    const auto terms = arithmeticTerms(first, difference, 6);

    double y = drawTitle(p, size, QStringLiteral("Аритметична прогресия"), 16, 6);
    Formula parameters;
    parameters.var(QStringLiteral("a"))
        .sub(QStringLiteral("1"))
        .text(QStringLiteral(" = ") + numberText(first) + QStringLiteral(",   "))
        .var(QStringLiteral("d"))
        .text(QStringLiteral(" = ") + numberText(difference));
    parameters.drawCentred(p, size.width() / 2.0, y + 13, 13, palette::muted);
    y += 18;

    Formula general;
    general.var(QStringLiteral("a"))
        .sub(QStringLiteral("n"))
        .text(QStringLiteral(" = "))
        .var(QStringLiteral("a"))
        .sub(QStringLiteral("1"))
        .text(QStringLiteral(" + ("))
        .var(QStringLiteral("n"))
        .text(QStringLiteral(" ") + minus + QStringLiteral(" 1)"))
        .var(QStringLiteral("d"));
    const double generalBaseline = size.height() - 12;
    const double baseline = generalBaseline - 40; // bars stand here
    const double chartTop = y + 22;               // room for the value above the tallest bar
    const double unit = (baseline - chartTop) / static_cast<double>(terms.back());

    const double barW = 28;
    const double step = 42;
    const double left = (size.width() - (step * 5 + barW)) / 2.0;
    const QFont valueFont = makeFont(Family::Sans, 11, true);
    const QFont dFont = makeFont(Family::Serif, 12, false, true);
    p.save();
    for (size_t i = 0; i < terms.size(); ++i) {
        const double x = left + static_cast<double>(i) * step;
        const double h = static_cast<double>(terms[i]) * unit;
        drawValueBar(p, QRectF(x, baseline - h, barW, h), palette::blueLight, palette::blue,
                     terms[i], valueFont);
        if (i > 0) {
            const double hPrev = static_cast<double>(terms[i - 1]) * unit;
            const QRectF block(x, baseline - h, barW, h - hPrev);
            p.setPen(QPen(palette::red, 1.0));
            p.setBrush(palette::redLight);
            p.drawRect(block);
            p.setFont(dFont);
            p.setPen(palette::red);
            p.drawText(block, Qt::AlignCenter, QStringLiteral("d"));
            // The previous level, carried over as a dashed line.
            p.setPen(QPen(palette::muted, 0.8, Qt::DashLine));
            p.drawLine(QPointF(x - step + barW, baseline - hPrev), QPointF(x, baseline - hPrev));
        }
        drawIndexLabel(p, QStringLiteral("a"), static_cast<int>(i) + 1, x + barW / 2.0,
                       baseline + 17, 13, palette::ink);
    }
    p.setPen(QPen(palette::ink, 1.2));
    p.drawLine(QPointF(left - 12, baseline), QPointF(left + step * 5 + barW + 12, baseline));
    p.restore();
    general.drawCentred(p, size.width() / 2.0, generalBaseline, 15, palette::ink);
}

// Graphs of y = x^2 - 2x - 3 and y = x^3 - 4x with their real roots, and a
// side panel with the formulas and the roots read off the graph.
void drawPolynomialGraphs(QPainter &p, const QSize &size)
{
    drawPaper(p, size);
    struct Curve {
        std::vector<long long> coefficients;
        QColor colour;
        QColor light;
    };
    const std::vector<Curve> curves{{{1, -2, -3}, palette::blue, palette::blueLight},
                                    {{1, 0, -4, 0}, palette::red, palette::redLight}};

    const PlotFrame frame{QRectF(14, 12, 344, size.height() - 26.0), -3.6, 4.6, -5.4, 6.6};
    drawAxes(p, frame, true, 10);

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath clip;
    clip.addRect(frame.area);
    p.setClipPath(clip);
    for (const Curve &c : curves) {
        const auto coefficients = toDouble(c.coefficients);
        QPainterPath path;
        constexpr int samples = 600;
        for (int i = 0; i <= samples; ++i) {
            const double x = frame.xMin + (frame.xMax - frame.xMin) * i / samples;
            // Clamp far outside values so the clipped path stays well formed.
            const double y = std::clamp(evaluate(coefficients, x), frame.yMin - 5, frame.yMax + 5);
            if (i == 0)
                path.moveTo(frame.map(x, y));
            else
                path.lineTo(frame.map(x, y));
        }
        p.setPen(QPen(c.colour, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    p.restore();

    // Which pixels the curves pass through, to keep labels off them.
    const auto hitsCurve = [&](const QRectF &r) {
        for (const Curve &c : curves) {
            const auto coefficients = toDouble(c.coefficients);
            for (double px = r.left(); px <= r.right(); px += 1.0) {
                const double x = frame.xMin + (px - frame.area.left()) / frame.area.width() *
                                                  (frame.xMax - frame.xMin);
                if (r.contains(frame.map(x, evaluate(coefficients, x))))
                    return true;
            }
        }
        return false;
    };

    std::vector<std::vector<double>> roots;
    std::vector<double> allRoots;
    for (const Curve &c : curves) {
        roots.push_back(realRoots(toDouble(c.coefficients), frame.xMin, frame.xMax));
        allRoots.insert(allRoots.end(), roots.back().begin(), roots.back().end());
    }
    const auto isRoot = [&](double x) {
        return std::any_of(allRoots.begin(), allRoots.end(),
                           [x](double r) { return std::abs(r - x) < 1e-6; });
    };

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QFont tickFont = makeFont(Family::Sans, 10);
    const QFontMetricsF tickMetrics(tickFont);
    std::vector<QRectF> taken;
    // Axis numbers; the roots get their own coloured labels below.
    p.setFont(tickFont);
    p.setPen(palette::muted);
    for (int i = static_cast<int>(std::ceil(frame.xMin)); i < frame.xMax - 0.3; ++i) {
        if (i == 0 || isRoot(i))
            continue;
        const QString t = numberText(static_cast<long long>(i));
        const QPointF at = frame.map(i, 0);
        const QRectF r(at.x() - tickMetrics.horizontalAdvance(t) / 2.0, at.y() + 5,
                       tickMetrics.horizontalAdvance(t), tickMetrics.height());
        p.drawText(r, Qt::AlignCenter, t);
        taken.push_back(r);
    }
    for (int j = static_cast<int>(std::ceil(frame.yMin)); j < frame.yMax - 0.3; ++j) {
        if (j == 0 || j % 2 != 0)
            continue;
        const QString t = numberText(static_cast<long long>(j));
        const QPointF at = frame.map(0, j);
        const double w = tickMetrics.horizontalAdvance(t);
        const QRectF r(at.x() - w - 6, at.y() - tickMetrics.height() / 2.0, w,
                       tickMetrics.height());
        p.drawText(r, Qt::AlignCenter, t);
        taken.push_back(r);
    }
    const QPointF origin = frame.map(0, 0);
    taken.emplace_back(origin.x() - 1.5, frame.area.top(), 3, frame.area.height()); // y-axis

    const QFont rootFont = makeFont(Family::Sans, 11, true);
    const QFontMetricsF rootMetrics(rootFont);
    for (size_t c = 0; c < curves.size(); ++c) {
        for (double r : roots[c]) {
            const QPointF at = frame.map(r, 0);
            const QString t = numberText(r, 2);
            const double w = rootMetrics.horizontalAdvance(t) + 2;
            const double h = rootMetrics.height();
            const std::vector<QRectF> candidates{
                {at.x() - w / 2.0, at.y() + 5, w, h},   {at.x() + 4, at.y() + 4, w, h},
                {at.x() - w - 4, at.y() + 4, w, h},     {at.x() + 4, at.y() - 4 - h, w, h},
                {at.x() - w - 4, at.y() - 4 - h, w, h}, {at.x() - w / 2.0, at.y() - 5 - h, w, h},
                {at.x() + 6, at.y() + 12, w, h},        {at.x() - w - 6, at.y() + 12, w, h}};
            QRectF chosen = candidates.front();
            for (const QRectF &candidate : candidates) {
                const bool free = !hitsCurve(candidate.adjusted(-1, -1, 1, 1)) &&
                                  std::none_of(taken.begin(), taken.end(), [&](const QRectF &t2) {
                                      return t2.intersects(candidate);
                                  });
                if (free) {
                    chosen = candidate;
                    break;
                }
            }
            taken.push_back(chosen);
            p.setFont(rootFont);
            p.setPen(curves[c].colour);
            p.drawText(chosen, Qt::AlignCenter, t);
            p.setPen(QPen(Qt::white, 1.2));
            p.setBrush(curves[c].colour);
            p.drawEllipse(at, 4.2, 4.2);
        }
    }
    p.restore();

    // Side panel: the formulas and the roots.
    const QRectF panel(frame.area.right() + 14, 12, size.width() - frame.area.right() - 26,
                       size.height() - 24.0);
    p.save();
    p.setPen(QPen(palette::frame, 0.8));
    p.setBrush(palette::paperShade);
    p.drawRoundedRect(panel, 5, 5);
    const QRectF inner = panel.adjusted(8, 8, -8, -8);
    const QStringList heading{QStringLiteral("Графики"), QStringLiteral("на полиноми")};
    const QFont headingFont = makeFont(Family::Serif, 13, true);
    double y = inner.top();
    y += drawCentredLines(p, QRectF(inner.left(), y, inner.width(), 36), heading, headingFont,
                          palette::ink);
    y += 12;
    const QFont rootsFont = makeFont(Family::Sans, 11);
    int px = 14;
    int factorPx = 13;
    for (size_t c = 0; c < curves.size(); ++c) {
        px = std::min(px, polynomialFormula(QStringLiteral("y"), curves[c].coefficients)
                              .fit(inner.width() - 20, 14, 9));
        factorPx =
            std::min(factorPx,
                     factoredForm(curves[c].coefficients, roots[c]).fit(inner.width() - 14, 13, 8));
    }
    for (size_t c = 0; c < curves.size(); ++c) {
        const Formula f = polynomialFormula(QStringLiteral("y"), curves[c].coefficients);
        p.setPen(QPen(curves[c].colour, 3.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(inner.left(), y + 9), QPointF(inner.left() + 14, y + 9));
        f.draw(p, QPointF(inner.left() + 20, y + 14), px, palette::ink);
        y += 22;
        const Formula factors = factoredForm(curves[c].coefficients, roots[c]);
        if (factors.width(px) > 0) {
            factors.draw(p, QPointF(inner.left() + 14, y + 13), factorPx, palette::ink);
            y += 22;
        }
        QStringList values;
        for (double r : roots[c])
            values << numberText(r, 2);
        p.setFont(rootsFont);
        p.setPen(curves[c].colour);
        p.drawText(QPointF(inner.left() + 20, y + 10),
                   QStringLiteral("корени: ") + values.join(QStringLiteral("; ")));
        y += 30;
    }
    const QFont noteFont = makeFont(Family::Sans, 10);
    const QStringList note =
        wrapWords(QStringLiteral("Корените на уравнението f(x) = 0 са абсцисите на общите точки на "
                                 "графиката с оста Ox."),
                  noteFont, inner.width());
    const double noteHeight = QFontMetricsF(noteFont).height() * note.size();
    drawCentredLines(p,
                     QRectF(inner.left(), inner.bottom() - noteHeight, inner.width(), noteHeight),
                     note, noteFont, palette::muted);
    p.restore();
}

// Arithmetic (a1 = 1, d = 2) and geometric (b1 = 1, q = 2) progressions side
// by side on one scale, so that the faster growth of the second shows.
void drawTwoProgressions(QPainter &p, const QSize &size)
{
    drawPaper(p, size);
    const auto arithmetic = arithmeticTerms(1, 2, 6);
    const auto geometric = geometricTerms(1, 2, 6);
    const double maxValue = static_cast<double>(std::max(arithmetic.back(), geometric.back()));

    struct Panel {
        QString title;
        QString letter;
        Formula parameters;
        Formula general;
        std::vector<long long> terms;
        QColor colour;
        QColor light;
    };
    Formula arithmeticParameters;
    arithmeticParameters.var(QStringLiteral("a"))
        .sub(QStringLiteral("1"))
        .text(QStringLiteral(" = 1,  "))
        .var(QStringLiteral("d"))
        .text(QStringLiteral(" = 2"));
    Formula arithmeticGeneral;
    arithmeticGeneral.var(QStringLiteral("a"))
        .sub(QStringLiteral("n"))
        .text(QStringLiteral(" = "))
        .var(QStringLiteral("a"))
        .sub(QStringLiteral("1"))
        .text(QStringLiteral(" + ("))
        .var(QStringLiteral("n"))
        .text(QStringLiteral(" ") + minus + QStringLiteral(" 1)"))
        .var(QStringLiteral("d"));
    Formula geometricParameters;
    geometricParameters.var(QStringLiteral("b"))
        .sub(QStringLiteral("1"))
        .text(QStringLiteral(" = 1,  "))
        .var(QStringLiteral("q"))
        .text(QStringLiteral(" = 2"));
    Formula geometricGeneral;
    geometricGeneral.var(QStringLiteral("b"))
        .sub(QStringLiteral("n"))
        .text(QStringLiteral(" = "))
        .var(QStringLiteral("b"))
        .sub(QStringLiteral("1"))
        .text(QStringLiteral(" \u00b7 "))
        .var(QStringLiteral("q"))
        .sup(QStringLiteral("n") + minus + QStringLiteral("1"));
    const std::vector<Panel> panels{
        {QStringLiteral("Аритметична прогресия"), QStringLiteral("a"), arithmeticParameters,
         arithmeticGeneral, arithmetic, palette::blue, palette::blueLight},
        {QStringLiteral("Геометрична прогресия"), QStringLiteral("b"), geometricParameters,
         geometricGeneral, geometric, palette::green, palette::greenLight}};

    const double panelW = (size.width() - 36) / 2.0;
    const QFont titleFont = makeFont(
        Family::Serif,
        fitPixelSize({panels[0].title, panels[1].title}, Family::Serif, true, panelW - 16, 15, 9),
        true);
    const QFont valueFont = makeFont(Family::Sans, 11, true);
    for (size_t k = 0; k < panels.size(); ++k) {
        const Panel &panel = panels[k];
        const QRectF box(12 + static_cast<double>(k) * (panelW + 12), 12, panelW,
                         size.height() - 24.0);
        p.save();
        p.setPen(QPen(palette::frame, 0.8));
        p.setBrush(palette::paperShade);
        p.drawRoundedRect(box, 5, 5);
        double y = box.top() + 6;
        y += drawCentredLines(p, QRectF(box.left(), y, box.width(), 20), {panel.title}, titleFont,
                              palette::ink);
        panel.parameters.drawCentred(p, box.center().x(), y + 14, 13, palette::muted);

        const double generalBaseline = box.bottom() - 10;
        const double baseline = generalBaseline - 42;
        const double chartTop = y + 40;
        const double unit = (baseline - chartTop) / maxValue;
        const double barW = 24;
        const double step = (box.width() - 24 - barW) / 5.0;
        const double left = box.left() + 12;

        // A light grid every 8 units, the same in both panels.
        p.setPen(QPen(palette::grid, 1.0));
        for (double v = 8; v <= maxValue; v += 8)
            p.drawLine(QPointF(box.left() + 6, baseline - v * unit),
                       QPointF(box.right() - 6, baseline - v * unit));
        for (size_t i = 0; i < panel.terms.size(); ++i) {
            const double x = left + static_cast<double>(i) * step;
            const double h = static_cast<double>(panel.terms[i]) * unit;
            drawValueBar(p, QRectF(x, baseline - h, barW, h), panel.light, panel.colour,
                         panel.terms[i], valueFont);
            drawIndexLabel(p, panel.letter, static_cast<int>(i) + 1, x + barW / 2.0, baseline + 16,
                           13, palette::ink);
        }
        p.setPen(QPen(palette::ink, 1.2));
        p.drawLine(QPointF(box.left() + 6, baseline), QPointF(box.right() - 6, baseline));
        panel.general.drawCentred(p, box.center().x(), generalBaseline, 15, panel.colour);
        p.restore();
    }
}

// The sum 1 + 2 + ... + 6 taken twice, once forwards and once backwards:
// every column holds 7 squares, so 2·S6 = 6·7.
void drawProgressionSum(QPainter &p, const QSize &size)
{
    drawPaper(p, size);
    const int n = 6;
    const auto terms = arithmeticTerms(1, 1, n);
    const long long columnTotal = terms.front() + terms.back();
    const long long sum = n * columnTotal / 2;

    double y = drawTitle(p, size, QStringLiteral("Сбор на аритметична прогресия"), 16, 6);

    const double cell = 18;
    const double gridLeft = 34;
    const double gridTop = y + 26;
    const QFont countFont = makeFont(Family::Sans, 11, true);
    p.save();
    for (int k = 0; k < n; ++k) {
        const long long lower = terms[static_cast<size_t>(k)];
        const long long upper = terms[static_cast<size_t>(n - 1 - k)];
        const double x = gridLeft + k * cell;
        for (long long r = 0; r < lower + upper; ++r) {
            const bool isLower = r < lower;
            const QRectF square(x, gridTop + static_cast<double>(lower + upper - 1 - r) * cell,
                                cell, cell);
            p.setPen(QPen(isLower ? palette::blue : palette::red, 0.9));
            p.setBrush(isLower ? palette::blueLight : palette::redLight);
            p.drawRect(square);
        }
        p.setFont(countFont);
        p.setPen(palette::red);
        p.drawText(QRectF(x, gridTop - 18, cell, 16), Qt::AlignCenter, QString::number(upper));
        p.setPen(palette::blue);
        p.drawText(QRectF(x, gridTop + static_cast<double>(columnTotal) * cell + 2, cell, 16),
                   Qt::AlignCenter, QString::number(lower));
    }
    p.restore();

    // The reasoning beside the grid.
    const double textLeft = gridLeft + n * cell + 26;
    const double textWidth = size.width() - textLeft - 14;
    const auto sumLine = [&](bool forwards) {
        Formula f;
        f.var(QStringLiteral("S")).sub(QString::number(n)).text(QStringLiteral(" = "));
        for (int k = 0; k < n; ++k) {
            const long long t = terms[static_cast<size_t>(forwards ? k : n - 1 - k)];
            f.text((k ? QStringLiteral(" + ") : QString()) + QString::number(t));
        }
        return f;
    };
    Formula twice;
    twice.text(QStringLiteral("2"))
        .var(QStringLiteral("S"))
        .sub(QString::number(n))
        .text(QStringLiteral(" = ") + QString::number(n) + QStringLiteral(" \u00b7 ") +
              QString::number(columnTotal) + QStringLiteral(" = ") +
              QString::number(n * columnTotal));
    Formula result;
    result.var(QStringLiteral("S"))
        .sub(QString::number(n))
        .text(QStringLiteral(" = ") + QString::number(sum));
    Formula general;
    general.var(QStringLiteral("S")).sub(QStringLiteral("n")).text(QStringLiteral(" = "));
    Formula numerator;
    numerator.text(QStringLiteral("("))
        .var(QStringLiteral("a"))
        .sub(QStringLiteral("1"))
        .text(QStringLiteral(" + "))
        .var(QStringLiteral("a"))
        .sub(QStringLiteral("n"))
        .text(QStringLiteral(")\u00b7"))
        .var(QStringLiteral("n"));
    Formula denominator;
    denominator.text(QStringLiteral("2"));

    const Formula forwards = sumLine(true);
    const Formula backwards = sumLine(false);
    const int px = std::min(forwards.fit(textWidth, 14, 9), backwards.fit(textWidth, 14, 9));
    double baseline = gridTop + 12;
    forwards.draw(p, QPointF(textLeft, baseline), px, palette::blue);
    baseline += px + 10;
    backwards.draw(p, QPointF(textLeft, baseline), px, palette::red);
    baseline += px + 8;

    const QFont noteFont = makeFont(Family::Sans, 11);
    const QStringList note =
        wrapWords(QStringLiteral("Във всяка колона има ") + QString::number(columnTotal) +
                      QStringLiteral(" квадратчета, а колоните са ") + QString::number(n) +
                      QStringLiteral("."),
                  noteFont, textWidth);
    const double noteHeight = QFontMetricsF(noteFont).height() * note.size();
    p.save();
    p.setFont(noteFont);
    p.setPen(palette::muted);
    double noteY = baseline;
    for (const QString &line : note) {
        p.drawText(QPointF(textLeft, noteY + QFontMetricsF(noteFont).ascent()), line);
        noteY += QFontMetricsF(noteFont).height();
    }
    p.restore();
    baseline += noteHeight + px + 8;
    twice.draw(p, QPointF(textLeft, baseline), px, palette::ink);
    baseline += px + 10;
    result.draw(p, QPointF(textLeft, baseline), px + 1, palette::ink);

    // The general rule, boxed under the reasoning.
    const int generalPx = 15;
    const double gw = general.width(generalPx) + fractionWidth(numerator, denominator, generalPx);
    const double barY = size.height() - 36.0;
    const QRectF box(textLeft - 6, barY - generalPx * 1.4, gw + 12, generalPx * 2.8);
    p.save();
    p.setPen(QPen(palette::frame, 0.9));
    p.setBrush(palette::gold);
    p.drawRoundedRect(box, 4, 4);
    p.restore();
    general.draw(p, QPointF(textLeft, barY + generalPx * 0.35), generalPx, palette::ink);
    drawFraction(p, textLeft + general.width(generalPx), barY, numerator, denominator, generalPx,
                 palette::ink);
}

// Horner's scheme for (x^3 - 6x^2 + 11x - 6) : (x - 1).
void drawHornerScheme(QPainter &p, const QSize &size)
{
    drawPaper(p, size);
    const std::vector<long long> coefficients{1, -6, 11, -6};
    const long long c = 1;
    const HornerScheme scheme = hornerDivide(coefficients, c);

    double y = drawTitle(p, size, QStringLiteral("Схема на Хорнер"), 17, 6);
    Formula task;
    task.text(QStringLiteral("("));
    appendPolynomial(task, coefficients);
    task.text(QStringLiteral(") : ("))
        .var(QStringLiteral("x"))
        .text(QStringLiteral(" ") + (c < 0 ? QStringLiteral("+ ") : minus + QStringLiteral(" ")) +
              QString::number(std::llabs(c)) + QStringLiteral(")"));
    task.drawCentred(p, size.width() / 2.0, y + 16, 14, palette::muted);
    y += 32;

    const int columns = static_cast<int>(coefficients.size());
    const double firstW = 46;
    const double colW = 58;
    const double rowH = 30;
    const double tableW = firstW + columns * colW;
    const double left = (size.width() - tableW) / 2.0;
    const double top = y + 4;
    const auto cellRect = [&](int row, int column) {
        return QRectF(left + firstW + column * colW, top + row * rowH, colW, rowH);
    };

    p.save();
    // Header shading and rules.
    p.setPen(Qt::NoPen);
    p.setBrush(palette::paperShade);
    p.drawRect(QRectF(left + firstW, top, columns * colW, rowH));
    p.setPen(QPen(palette::ink, 1.3));
    p.drawLine(QPointF(left + firstW, top), QPointF(left + firstW, top + 3 * rowH));
    p.drawLine(QPointF(left, top + 2 * rowH), QPointF(left + tableW, top + 2 * rowH));
    p.setPen(QPen(palette::grid, 1.0));
    p.drawLine(QPointF(left + firstW, top + rowH), QPointF(left + tableW, top + rowH));

    const QFont numberFont = makeFont(Family::Sans, 14);
    const QFont resultFont = makeFont(Family::Sans, 14, true);
    p.setFont(resultFont);
    p.setPen(palette::red);
    p.drawText(QRectF(left, top + 2 * rowH, firstW - 4, rowH), Qt::AlignCenter, numberText(c));
    for (int k = 0; k < columns; ++k) {
        const auto index = static_cast<size_t>(k);
        p.setFont(numberFont);
        p.setPen(palette::ink);
        p.drawText(cellRect(0, k), Qt::AlignCenter, numberText(scheme.coefficients[index]));
        if (k > 0) {
            p.setPen(palette::muted);
            p.drawText(cellRect(1, k), Qt::AlignCenter, numberText(scheme.products[index]));
        }
        p.setFont(resultFont);
        p.setPen(k + 1 == columns ? palette::red : palette::blue);
        p.drawText(cellRect(2, k), Qt::AlignCenter, numberText(scheme.results[index]));
    }
    // Multiply by c and carry to the next column.
    for (int k = 0; k + 1 < columns; ++k) {
        const QRectF from = cellRect(2, k);
        const QRectF to = cellRect(1, k + 1);
        drawArrow(p, QPointF(from.center().x() + 12, from.top() + 5),
                  QPointF(to.center().x() - 13, to.center().y() + 5), palette::red, 1.0, 6);
    }
    // The remainder, boxed.
    const QRectF remainderBox = cellRect(2, columns - 1).adjusted(14, 3, -14, -3);
    p.setPen(QPen(palette::red, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(remainderBox);
    p.restore();

    // What the table says.
    y = top + 3 * rowH + 10;
    Formula quotient;
    quotient.text(QStringLiteral("частно: "));
    appendPolynomial(quotient, scheme.quotient());
    quotient.text(QStringLiteral(",   остатък: ") + numberText(scheme.remainder()));
    quotient.drawCentred(p, size.width() / 2.0, y + 17, 14, palette::ink);

    Formula identity;
    appendPolynomial(identity, coefficients);
    identity.text(QStringLiteral(" = ("))
        .var(QStringLiteral("x"))
        .text(QStringLiteral(" ") + (c < 0 ? QStringLiteral("+ ") : minus + QStringLiteral(" ")) +
              QString::number(std::llabs(c)) + QStringLiteral(")("));
    appendPolynomial(identity, scheme.quotient());
    identity.text(QStringLiteral(")"));
    if (scheme.remainder() != 0)
        identity.text(QStringLiteral(" + ") + numberText(scheme.remainder()));
    identity.drawCentred(p, size.width() / 2.0, y + 45, 14, palette::blue);
}

// (a + b)^n = C(n,0)a^n + C(n,1)a^(n-1)b + ... + C(n,n)b^n, with C(n,k) written
// as C with lower index n and upper index k.
void drawBinomialFormula(QPainter &p, const QSize &size)
{
    drawPaper(p, size);
    const double y = drawTitle(p, size, QStringLiteral("Нютонов бином"), 16, 6);

    const QString n = QStringLiteral("n");
    const QString plus = QStringLiteral(" + ");
    Formula binomial;
    binomial.text(QStringLiteral("("))
        .var(QStringLiteral("a"))
        .text(plus)
        .var(QStringLiteral("b"))
        .text(QStringLiteral(")"))
        .sup(n)
        .text(QStringLiteral(" = "))
        .var(QStringLiteral("C"))
        .subSup(n, QStringLiteral("0"))
        .var(QStringLiteral("a"))
        .sup(n)
        .text(plus)
        .var(QStringLiteral("C"))
        .subSup(n, QStringLiteral("1"))
        .var(QStringLiteral("a"))
        .sup(n + minus + QStringLiteral("1"))
        .var(QStringLiteral("b"))
        .text(plus)
        .var(QStringLiteral("C"))
        .subSup(n, QStringLiteral("2"))
        .var(QStringLiteral("a"))
        .sup(n + minus + QStringLiteral("2"))
        .var(QStringLiteral("b"))
        .sup(QStringLiteral("2"))
        .text(plus + QStringLiteral("\u2026") + plus)
        .var(QStringLiteral("C"))
        .subSup(n, n)
        .var(QStringLiteral("b"))
        .sup(n);
    const int px = binomial.fit(size.width() - 28, 20, 11);

    // Where the coefficients come from.
    Formula lead;
    lead.var(QStringLiteral("C")).subSup(n, QStringLiteral("k")).text(QStringLiteral(" = "));
    Formula numerator;
    numerator.var(n).text(QStringLiteral("!"));
    Formula denominator;
    denominator.var(QStringLiteral("k"))
        .text(QStringLiteral("! ("))
        .var(n)
        .text(QStringLiteral(" ") + minus + QStringLiteral(" "))
        .var(QStringLiteral("k"))
        .text(QStringLiteral(")!"));
    const int smallPx = 13;
    const QFont wordFont = makeFont(Family::Sans, 11);
    const QString word = QStringLiteral("където");
    const double wordW = QFontMetricsF(wordFont).horizontalAdvance(word) + 8;
    const double total =
        wordW + lead.width(smallPx) + fractionWidth(numerator, denominator, smallPx);
    const double left = (size.width() - total) / 2.0;

    // The formula (scripts reach about 0.95 of its size above the baseline
    // and 0.4 below) and the fraction (about 1.1 of its size above the bar
    // and 1.2 below) form one block under the title: a small fixed gap
    // between the two lines, the rest of the height shared above and below.
    const double formulaAbove = px * 0.95;
    const double formulaBelow = px * 0.4;
    const double fractionAbove = smallPx * 1.1;
    const double fractionBelow = smallPx * 1.2;
    const double between = 8.0;
    const double block = formulaAbove + formulaBelow + between + fractionAbove + fractionBelow;
    const double bottom = size.height() - 6.0;
    const double top = y + std::max(0.0, (bottom - y - block) / 2.0);
    const double baseline = top + formulaAbove;
    binomial.drawCentred(p, size.width() / 2.0, baseline, px, palette::ink);
    const double barY = baseline + formulaBelow + between + fractionAbove;
    p.save();
    p.setFont(wordFont);
    p.setPen(palette::muted);
    p.drawText(QPointF(left, barY + 4), word);
    p.restore();
    lead.draw(p, QPointF(left + wordW, barY + smallPx * 0.35), smallPx, palette::ink);
    drawFraction(p, left + wordW + lead.width(smallPx), barY, numerator, denominator, smallPx,
                 palette::ink);
}

// The frame that waits for a sponsor's message.
void drawSponsorPlaceholder(QPainter &p, const QSize &size)
{
    drawPaper(p, size);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF rule(5, 5, size.width() - 10.0, size.height() - 10.0);
    p.setPen(QPen(palette::frame, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rule);
    p.setPen(QPen(palette::frame, 0.8, Qt::DashLine));
    p.drawRoundedRect(rule.adjusted(6, 6, -6, -6), 6, 6);

    const double width = rule.width() - 24;
    const QFont small = makeFont(Family::Serif, 13);
    const QString headline = QStringLiteral("Вашата реклама");
    const QFont big =
        makeFont(Family::Serif, fitPixelSize({headline}, Family::Serif, true, width, 17, 10), true);
    const QFont noteFont = makeFont(Family::Sans, 10);
    QStringList note{QStringLiteral("(до една страница A5"), QStringLiteral("и една картинка)")};
    if (fitPixelSize(note, Family::Sans, false, width, 10, 7) < 10)
        note = wrapWords(note.join(QLatin1Char(' ')), noteFont, width);
    const double signHeight = 38;
    const double smallHeight = QFontMetricsF(small).height();
    const double bigHeight = QFontMetricsF(big).height();
    const double noteHeight = QFontMetricsF(noteFont).height() * note.size();
    const double total = signHeight + 12 + smallHeight + bigHeight + 6 + noteHeight;
    double y = (size.height() - total) / 2.0;

    // A small picture sign: a framed landscape with a sun.
    const QRectF sign(size.width() / 2.0 - 26, y, 52, signHeight);
    p.setPen(QPen(palette::frame, 1.2));
    p.setBrush(palette::blueLight);
    p.drawRect(sign);
    QPainterPath hills;
    hills.moveTo(sign.bottomLeft());
    hills.lineTo(sign.left() + 16, sign.top() + 18);
    hills.lineTo(sign.left() + 26, sign.top() + 28);
    hills.lineTo(sign.left() + 36, sign.top() + 14);
    hills.lineTo(sign.bottomRight());
    hills.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(palette::green);
    p.drawPath(hills);
    p.setBrush(palette::gold.darker(115));
    p.drawEllipse(QPointF(sign.right() - 11, sign.top() + 10), 5, 5);

    y = sign.bottom() + 12;
    y += drawCentredLines(p, QRectF(0, y, size.width(), smallHeight), {QStringLiteral("Място за")},
                          small, palette::muted);
    y += drawCentredLines(p, QRectF(0, y, size.width(), bigHeight), {headline}, big, palette::ink);
    y += 6;
    drawCentredLines(p, QRectF(0, y, size.width(), noteHeight), note, noteFont, palette::muted);
    p.restore();
}

} // namespace lesson_pictures
