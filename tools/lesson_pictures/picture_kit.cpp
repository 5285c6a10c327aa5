#include "picture_kit.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QSize>

#include <algorithm>
#include <cmath>

namespace lesson_pictures {

namespace {

QString familyName(Family family)
{
    return family == Family::Serif ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans");
}

constexpr QChar minusSign{0x2212};

} // namespace

QFont makeFont(Family family, int pixelSize, bool bold, bool italic)
{
    QFont font(familyName(family));
    font.setPixelSize(std::max(1, pixelSize));
    font.setBold(bold);
    font.setItalic(italic);
    font.setKerning(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

bool fontsAvailable(QString *missing)
{
    for (Family family : {Family::Sans, Family::Serif}) {
        const QFontInfo info(makeFont(family, 12));
        if (info.family() != familyName(family)) {
            if (missing)
                *missing = familyName(family);
            return false;
        }
    }
    return true;
}

int fitPixelSize(const QStringList &lines, Family family, bool bold, double maxWidth, int maxPx,
                 int minPx, double maxHeight)
{
    for (int px = maxPx; px > minPx; --px) {
        const QFontMetricsF metrics(makeFont(family, px, bold));
        bool fits = true;
        for (const QString &line : lines)
            fits = fits && metrics.horizontalAdvance(line) <= maxWidth;
        if (maxHeight > 0.0)
            fits = fits && metrics.height() * static_cast<double>(lines.size()) <= maxHeight;
        if (fits)
            return px;
    }
    return minPx;
}

QStringList splitInTwo(const QString &text)
{
    const qsizetype middle = text.size() / 2;
    qsizetype best = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char(' ') &&
            (best < 0 || std::abs(i - middle) < std::abs(best - middle)))
            best = i;
    }
    if (best < 0)
        return {text};
    return {text.left(best), text.mid(best + 1)};
}

double drawCentredLines(QPainter &p, const QRectF &box, const QStringList &lines, const QFont &font,
                        const QColor &colour)
{
    const QFontMetricsF metrics(font);
    const double lineHeight = metrics.height();
    const double total = lineHeight * static_cast<double>(lines.size());
    double top = box.top() + (box.height() - total) / 2.0;
    p.save();
    p.setFont(font);
    p.setPen(colour);
    for (const QString &line : lines) {
        const double width = metrics.horizontalAdvance(line);
        p.drawText(QPointF(box.center().x() - width / 2.0, top + metrics.ascent()), line);
        top += lineHeight;
    }
    p.restore();
    return total;
}

QStringList wrapWords(const QString &text, const QFont &font, double maxWidth)
{
    const QFontMetricsF metrics(font);
    QStringList lines;
    QString current;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString candidate = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
        if (!current.isEmpty() && metrics.horizontalAdvance(candidate) > maxWidth) {
            lines << current;
            current = word;
        } else {
            current = candidate;
        }
    }
    if (!current.isEmpty())
        lines << current;
    return lines;
}

Formula &Formula::text(const QString &s)
{
    m_pieces.push_back({Kind::Normal, s, {}, false});
    return *this;
}

Formula &Formula::var(const QString &s)
{
    m_pieces.push_back({Kind::Normal, s, {}, true});
    return *this;
}

Formula &Formula::sup(const QString &s)
{
    m_pieces.push_back({Kind::Super, s, {}, false});
    return *this;
}

Formula &Formula::sub(const QString &s)
{
    m_pieces.push_back({Kind::Sub, s, {}, false});
    return *this;
}

Formula &Formula::subSup(const QString &lower, const QString &upper)
{
    m_pieces.push_back({Kind::SubSuper, lower, upper, false});
    return *this;
}

double Formula::width(int pixelSize) const
{
    return layout(nullptr, {}, pixelSize, {});
}

double Formula::draw(QPainter &p, QPointF origin, int pixelSize, const QColor &colour) const
{
    return layout(&p, origin, pixelSize, colour);
}

void Formula::drawCentred(QPainter &p, double centreX, double baseline, int pixelSize,
                          const QColor &colour) const
{
    draw(p, QPointF(centreX - width(pixelSize) / 2.0, baseline), pixelSize, colour);
}

int Formula::fit(double maxWidth, int maxPx, int minPx) const
{
    for (int px = maxPx; px > minPx; --px) {
        if (width(px) <= maxWidth)
            return px;
    }
    return minPx;
}

// Scripts are 70% of the base size, raised by 42% or lowered by 22% of it; an
// italic letter followed by a script gets a small gap so the two do not touch.
double Formula::layout(QPainter *p, QPointF origin, int pixelSize, const QColor &colour) const
{
    const int scriptPx = std::max(6, static_cast<int>(std::lround(pixelSize * 0.7)));
    const double raise = pixelSize * 0.42;
    const double lower = pixelSize * 0.22;
    double x = origin.x();
    bool previousItalic = false;

    const auto put = [&](const QString &s, const QFont &font, double dy) {
        const QFontMetricsF metrics(font);
        if (p) {
            p->setFont(font);
            p->drawText(QPointF(x, origin.y() + dy), s);
        }
        return metrics.horizontalAdvance(s);
    };
    // A script in runs: Latin letters italic, digits and signs upright.
    const auto putScript = [&](const QString &s, double dy) {
        const double start = x;
        qsizetype i = 0;
        while (i < s.size()) {
            const bool letter = s[i].isLetter();
            qsizetype j = i;
            while (j < s.size() && s[j].isLetter() == letter)
                ++j;
            x += put(s.mid(i, j - i), makeFont(Family::Serif, scriptPx, false, letter), dy);
            i = j;
        }
        const double width = x - start;
        x = start;
        return width;
    };

    if (p) {
        p->save();
        p->setPen(colour);
    }
    for (const Piece &piece : m_pieces) {
        switch (piece.kind) {
        case Kind::Normal:
            x += put(piece.text, makeFont(Family::Serif, pixelSize, false, piece.italic), 0.0);
            previousItalic = piece.italic;
            break;
        case Kind::Super:
            if (previousItalic)
                x += pixelSize * 0.06;
            x += putScript(piece.text, -raise);
            previousItalic = false;
            break;
        case Kind::Sub:
            x += putScript(piece.text, lower);
            previousItalic = false;
            break;
        case Kind::SubSuper: {
            const double start = x;
            const double wLower = putScript(piece.text, lower);
            x = start + pixelSize * 0.06;
            const double wUpper = putScript(piece.upper, -raise);
            x = start + std::max(wLower, wUpper + pixelSize * 0.06);
            previousItalic = false;
            break;
        }
        }
    }
    if (p)
        p->restore();
    return x - origin.x();
}

double fractionWidth(const Formula &numerator, const Formula &denominator, int pixelSize)
{
    return std::max(numerator.width(pixelSize), denominator.width(pixelSize)) + pixelSize * 0.3;
}

double drawFraction(QPainter &p, double left, double barY, const Formula &numerator,
                    const Formula &denominator, int pixelSize, const QColor &colour)
{
    const double width = fractionWidth(numerator, denominator, pixelSize);
    const double centre = left + width / 2.0;
    numerator.drawCentred(p, centre, barY - pixelSize * 0.3, pixelSize, colour);
    denominator.drawCentred(p, centre, barY + pixelSize * 0.95, pixelSize, colour);
    p.save();
    p.setPen(QPen(colour, std::max(0.8, pixelSize / 16.0)));
    p.drawLine(QPointF(left, barY), QPointF(left + width, barY));
    p.restore();
    return width;
}

QPointF PlotFrame::map(double x, double y) const
{
    return {area.left() + (x - xMin) / (xMax - xMin) * area.width(),
            area.bottom() - (y - yMin) / (yMax - yMin) * area.height()};
}

void drawAxes(QPainter &p, const PlotFrame &frame, bool grid, int labelPx)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const auto firstInteger = [](double v) {
        return static_cast<int>(std::ceil(v));
    };
    if (grid) {
        p.setPen(QPen(palette::grid, 1.0));
        for (int i = firstInteger(frame.xMin); i <= frame.xMax; ++i)
            p.drawLine(frame.map(i, frame.yMin), frame.map(i, frame.yMax));
        for (int j = firstInteger(frame.yMin); j <= frame.yMax; ++j)
            p.drawLine(frame.map(frame.xMin, j), frame.map(frame.xMax, j));
    }
    const double head = std::max(6.0, labelPx * 0.7);
    drawArrow(p, frame.map(frame.xMin, 0), frame.map(frame.xMax, 0), palette::ink, 1.2, head);
    drawArrow(p, frame.map(0, frame.yMin), frame.map(0, frame.yMax), palette::ink, 1.2, head);
    p.setPen(QPen(palette::ink, 1.0));
    for (int i = firstInteger(frame.xMin); i < frame.xMax - 0.3; ++i) {
        const QPointF at = frame.map(i, 0);
        p.drawLine(at + QPointF(0, -3), at + QPointF(0, 3));
    }
    for (int j = firstInteger(frame.yMin); j < frame.yMax - 0.3; ++j) {
        const QPointF at = frame.map(0, j);
        p.drawLine(at + QPointF(-3, 0), at + QPointF(3, 0));
    }
    const QFont font = makeFont(Family::Serif, labelPx + 2, false, true);
    p.setFont(font);
    const QFontMetricsF metrics(font);
    const QPointF xEnd = frame.map(frame.xMax, 0);
    p.drawText(QPointF(xEnd.x() - metrics.horizontalAdvance(QStringLiteral("x")) - 2,
                       xEnd.y() + metrics.ascent() + 5),
               QStringLiteral("x"));
    const QPointF yEnd = frame.map(0, frame.yMax);
    p.drawText(QPointF(yEnd.x() + 7, yEnd.y() + metrics.ascent() - 2), QStringLiteral("y"));
    p.restore();
}

void drawPaper(QPainter &p, const QSize &size)
{
    p.fillRect(QRectF(0, 0, size.width(), size.height()), palette::paper);
    p.save();
    p.setPen(QPen(palette::frame, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, size.width() - 1.0, size.height() - 1.0));
    p.restore();
}

void drawArrow(QPainter &p, QPointF from, QPointF to, const QColor &colour, double width,
               double headLength)
{
    const double dx = to.x() - from.x();
    const double dy = to.y() - from.y();
    const double length = std::hypot(dx, dy);
    if (length <= 0.0)
        return;
    const double ux = dx / length;
    const double uy = dy / length;
    const QPointF base(to.x() - ux * headLength, to.y() - uy * headLength);
    const double half = headLength * 0.45;
    p.save();
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, base);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({to, QPointF(base.x() - uy * half, base.y() + ux * half),
                             QPointF(base.x() + uy * half, base.y() - ux * half)}));
    p.restore();
}

QString numberText(long long value)
{
    if (value < 0)
        return minusSign + QString::number(-value);
    return QString::number(value);
}

QString numberText(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    double rounded = std::round(value * scale) / scale;
    if (rounded == 0.0)
        rounded = 0.0; // no "-0"
    QString text = QString::number(std::abs(rounded), 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    text.replace(QLatin1Char('.'), QLatin1Char(',')); // Bulgarian decimal comma
    return rounded < 0.0 ? minusSign + text : text;
}

} // namespace lesson_pictures
