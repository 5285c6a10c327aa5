#include "portrait.h"

#include "picture_kit.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSize>

#include <algorithm>
#include <cmath>
#include <vector>

namespace lesson_pictures {

namespace {

// The bust is drawn in figure units: a box 100 wide and 104 high, the face
// looking to the right, the head about 50 units high, the shoulders at 79.
constexpr double figureWidth = 100.0;
constexpr double figureHeight = 104.0;

// Cameo colours: a pale relief on a blue ground.
namespace cameo {
const QColor groundTop{0x86, 0xa2, 0xc9};
const QColor groundBottom{0x4d, 0x6b, 0x98};
const QColor skin{0xfa, 0xf6, 0xed};
const QColor hair{0xe6, 0xda, 0xc2};
const QColor greyHair{0xf4, 0xf2, 0xee};
const QColor cloth{0xee, 0xe6, 0xd5};
const QColor clothDark{0xdd, 0xd1, 0xb9};
const QColor linen{0xff, 0xfd, 0xf8};
const QColor line{0x8f, 0x80, 0x66};
const QColor texture{0xb3, 0xa6, 0x8c};
} // namespace cameo

// Pens are given in figure units but never thinner than a fixed fraction of
// a pixel, so that the tiny card keeps visible lines.
struct Pens {
    double scale; // pixels per figure unit
    QPen outline() const { return pen(cameo::line, 0.8, 0.75); }
    QPen fine() const { return pen(cameo::texture, 0.55, 0.5); }
    QPen pen(const QColor &c, double units, double minPixels) const
    {
        QPen result(c, std::max(units, minPixels / scale));
        result.setCapStyle(Qt::RoundCap);
        result.setJoinStyle(Qt::RoundJoin);
        return result;
    }
};

void fillShape(QPainter &p, const QPainterPath &path, const QColor &fill, const QPen &pen)
{
    p.setPen(pen);
    p.setBrush(fill);
    p.drawPath(path);
}

void strokeShape(QPainter &p, const QPainterPath &path, const QPen &pen)
{
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

QPainterPath headPath()
{
    QPainterPath path;
    path.moveTo(42, 81);
    path.lineTo(42.5, 66);
    path.cubicTo(34, 60, 28, 48, 28.5, 38);
    path.cubicTo(29, 24, 40, 17, 51, 18);
    path.cubicTo(60, 18.5, 66, 24, 67.5, 31);
    path.cubicTo(68.3, 34.5, 68.5, 37, 68, 39);
    path.cubicTo(67.6, 40.5, 67.4, 41.5, 67.8, 42.5);
    path.cubicTo(69.5, 45.5, 72.5, 48.5, 74, 51);
    path.cubicTo(74.6, 52.2, 73.2, 53, 71.8, 53);
    path.cubicTo(70.8, 53, 70, 53.2, 69.8, 54);
    path.cubicTo(69.7, 55, 70.6, 55.8, 70.5, 56.6);
    path.cubicTo(70.4, 57.2, 69.3, 57.4, 69.2, 57.8);
    path.cubicTo(70.2, 58.3, 70.2, 59.6, 69.2, 60.3);
    path.cubicTo(68.4, 60.8, 68.2, 61.4, 68.5, 62.3);
    path.cubicTo(69.6, 64.5, 69.6, 67.3, 67.5, 68.8);
    path.cubicTo(65.5, 70.2, 61.5, 70.5, 59.5, 70.8);
    path.cubicTo(59.3, 74, 59.6, 78, 60, 81);
    path.quadTo(51, 83.5, 42, 81);
    path.closeSubpath();
    return path;
}

QPainterPath bodyPath()
{
    QPainterPath path;
    path.moveTo(-4, 104);
    path.cubicTo(-2, 94, 10, 85, 30, 81.5);
    path.cubicTo(36, 80.5, 40, 80, 43, 79);
    path.lineTo(60, 79);
    path.cubicTo(72, 80, 88, 85, 98, 93);
    path.cubicTo(102, 96, 105, 100, 106, 104);
    path.closeSubpath();
    return path;
}

// A repeatable pseudo-random number in [-1, 1] for a grid position, so that
// curls look hand-made but every run draws the same picture.
double jitter(int i, int j, int salt)
{
    unsigned h = static_cast<unsigned>(i) * 73856093u ^ static_cast<unsigned>(j) * 19349663u ^
                 static_cast<unsigned>(salt) * 83492791u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return static_cast<double>(h % 2001u) / 1000.0 - 1.0;
}

// Small closed curls on a staggered grid covering `region`, drawn row by row
// so that lower curls overlap the ones above, as hanging curls do. Curls are
// never smaller than about two pixels, so small cards stay readable.
void drawCurls(QPainter &p, const QPainterPath &region, double radius, const QColor &fill,
               const Pens &pens)
{
    radius = std::max(radius, 2.2 / pens.scale);
    const QRectF bounds = region.boundingRect();
    const double stepX = radius * 1.5;
    const double stepY = radius * 1.3;
    int row = 0;
    for (double y = bounds.top() + radius * 0.6; y <= bounds.bottom(); y += stepY, ++row) {
        const double offset = (row % 2) ? stepX / 2.0 : 0.0;
        int column = 0;
        for (double x = bounds.left() + offset; x <= bounds.right(); x += stepX, ++column) {
            if (!region.contains(QPointF(x, y)))
                continue;
            const double r = radius * (1.0 + 0.14 * jitter(row, column, 1));
            const QPointF c(x + radius * 0.22 * jitter(row, column, 2),
                            y + radius * 0.22 * jitter(row, column, 3));
            const QRectF curl(c.x() - r, c.y() - r, 2 * r, 2 * r);
            p.setPen(pens.outline());
            p.setBrush(fill);
            p.drawEllipse(curl);
            p.setPen(pens.fine());
            p.setBrush(Qt::NoBrush);
            const int start = 160 + static_cast<int>(40 * jitter(row, column, 4));
            p.drawArc(curl.adjusted(r * 0.4, r * 0.4, -r * 0.4, -r * 0.4), start * 16, 230 * 16);
        }
    }
}

// Strands of hair or folds of cloth: each line bows gently, clipped to `clip`.
void drawStrands(QPainter &p, const QPainterPath &clip, const std::vector<QLineF> &strands,
                 const Pens &pens)
{
    p.save();
    p.setClipPath(clip, Qt::IntersectClip);
    for (const QLineF &s : strands) {
        QPainterPath path(s.p1());
        const QPointF d = s.p2() - s.p1();
        const QPointF n(-d.y() * 0.08, d.x() * 0.08);
        path.cubicTo(s.p1() + d * 0.33 + n, s.p1() + d * 0.66 - n, s.p2());
        strokeShape(p, path, pens.fine());
    }
    p.restore();
}

// Short hair combed round the head: wavy rings about the crown.
void drawCombedWaves(QPainter &p, const QPainterPath &region, QPointF centre, const Pens &pens)
{
    p.save();
    p.setClipPath(region, Qt::IntersectClip);
    for (double r = 9; r <= 30; r += 4.2) {
        QPainterPath ring;
        for (int i = 0; i <= 180; ++i) {
            const double t = 2.0 * M_PI * i / 180.0;
            const double rr = r + 0.6 * std::sin(t * 8);
            const QPointF pt(centre.x() + rr * std::cos(t), centre.y() + rr * std::sin(t));
            if (i == 0)
                ring.moveTo(pt);
            else
                ring.lineTo(pt);
        }
        // Broken rings read as strands rather than as a helmet.
        QPen strands = pens.fine();
        strands.setDashPattern({5.0, 3.0});
        strands.setDashOffset(r * 1.7);
        strokeShape(p, ring, strands);
    }
    p.restore();
}

// Long hair: wavy locks falling from the crown.
void drawFallingWaves(QPainter &p, const QPainterPath &region, const Pens &pens)
{
    const QRectF bounds = region.boundingRect();
    p.save();
    p.setClipPath(region, Qt::IntersectClip);
    // All locks share one phase, so neighbouring lines run parallel.
    for (double x = bounds.left() + 1.5; x < bounds.right(); x += 2.8) {
        QPainterPath lock;
        for (double y = bounds.top(); y <= bounds.bottom(); y += 1.0) {
            const QPointF pt(x + 1.0 * std::sin(y * 0.3) - (y - bounds.top()) * 0.05, y);
            if (y == bounds.top())
                lock.moveTo(pt);
            else
                lock.lineTo(pt);
        }
        strokeShape(p, lock, pens.fine());
    }
    p.restore();
}

void drawBodyAndNeckwear(QPainter &p, const Likeness &l, const Pens &pens)
{
    fillShape(p, bodyPath(), l.neckwear == Neckwear::Drape ? cameo::linen : cameo::cloth,
              pens.outline());

    // The arm seam gives the shoulder some depth.
    QPainterPath seam(QPointF(23, 84));
    seam.cubicTo(28, 91, 30, 98, 30, 104);
    strokeShape(p, seam, pens.fine());

    switch (l.neckwear) {
    case Neckwear::Drape: {
        QPainterPath cloak;
        cloak.moveTo(28, 82);
        cloak.cubicTo(36, 79.5, 43, 80, 48, 81);
        cloak.cubicTo(62, 87, 80, 97, 88, 104);
        cloak.lineTo(60, 104);
        cloak.cubicTo(50, 97, 38, 91, 18, 86);
        cloak.closeSubpath();
        fillShape(p, cloak, cameo::clothDark, pens.outline());
        drawStrands(p, cloak,
                    {QLineF(34, 84, 70, 104), QLineF(28, 86, 62, 104), QLineF(41, 83, 79, 104)},
                    pens);
        QPainterPath neckline(QPointF(47, 80));
        neckline.quadTo(55, 86, 61, 79.5);
        strokeShape(p, neckline, pens.outline());
        break;
    }
    case Neckwear::Robe: {
        QPainterPath band;
        band.moveTo(37, 80);
        band.cubicTo(44, 86, 56, 87, 63, 79.5);
        band.lineTo(68, 81.5);
        band.cubicTo(58, 92, 42, 91, 32, 82);
        band.closeSubpath();
        fillShape(p, band, cameo::clothDark, pens.outline());
        drawStrands(p, band,
                    {QLineF(40, 84, 38, 88), QLineF(48, 87, 47, 91), QLineF(57, 86, 58, 90),
                     QLineF(64, 83, 66, 87)},
                    pens);
        QPainterPath opening(QPointF(60, 88));
        opening.cubicTo(63, 94, 64, 100, 64, 104);
        strokeShape(p, opening, pens.outline());
        break;
    }
    case Neckwear::Band: {
        QPainterPath collar;
        collar.moveTo(40, 78);
        collar.lineTo(61, 77);
        collar.cubicTo(68, 82, 74, 87, 76, 91);
        collar.lineTo(72, 95);
        collar.cubicTo(62, 94, 50, 93, 42, 92);
        collar.cubicTo(36, 89, 34, 84, 40, 78);
        collar.closeSubpath();
        fillShape(p, collar, cameo::linen, pens.outline());
        QPainterPath fold(QPointF(60, 80));
        fold.cubicTo(62, 85, 64, 89, 66, 94);
        strokeShape(p, fold, pens.fine());
        break;
    }
    case Neckwear::Stock: {
        // Coat collar standing up behind the neck, then the lapels.
        QPainterPath coatCollar;
        coatCollar.moveTo(29, 82);
        coatCollar.cubicTo(33, 76, 37, 72, 43, 70);
        coatCollar.lineTo(45, 80);
        coatCollar.closeSubpath();
        fillShape(p, coatCollar, cameo::clothDark, pens.outline());
        QPainterPath lapel;
        lapel.moveTo(61, 80);
        lapel.lineTo(73, 86);
        lapel.lineTo(70, 90);
        lapel.lineTo(80, 93);
        lapel.lineTo(71, 104);
        strokeShape(p, lapel, pens.outline());
        break;
    }
    case Neckwear::Ruff:
    case Neckwear::Jabot:
        break; // drawn over the neck, see drawNeckwearFront
    }
}

void drawNeckwearFront(QPainter &p, const Likeness &l, const Pens &pens)
{
    switch (l.neckwear) {
    case Neckwear::Ruff: {
        // A pleated disc around the neck, seen almost edge-on.
        const QPointF centre(52, 77.5);
        const double rx = 22;
        const double ry = 8;
        constexpr int pleats = 28;
        QPainterPath rim;
        for (int i = 0; i <= pleats * 4; ++i) {
            const double t = 2.0 * M_PI * i / (pleats * 4);
            const double bump = 1.0 + 0.06 * std::abs(std::sin(pleats * t / 2.0));
            const QPointF pt(centre.x() + rx * bump * std::cos(t),
                             centre.y() + ry * bump * std::sin(t));
            if (i == 0)
                rim.moveTo(pt);
            else
                rim.lineTo(pt);
        }
        rim.closeSubpath();
        fillShape(p, rim, cameo::linen, pens.outline());
        for (int i = 0; i < pleats; ++i) {
            const double t = 2.0 * M_PI * (i + 0.5) / pleats;
            QPainterPath pleat(
                QPointF(centre.x() + rx * std::cos(t), centre.y() + ry * std::sin(t)));
            pleat.lineTo(centre.x() + rx * 0.45 * std::cos(t),
                         centre.y() + ry * 0.45 * std::sin(t));
            strokeShape(p, pleat, pens.fine());
        }
        QPainterPath opening;
        opening.addEllipse(QRectF(centre.x() - 9, centre.y() - 3.5, 18, 6));
        fillShape(p, opening, cameo::linen, pens.fine());
        break;
    }
    case Neckwear::Jabot: {
        QPainterPath lace;
        lace.moveTo(57, 78);
        lace.cubicTo(56, 86, 58, 92, 60, 98);
        lace.quadTo(62.5, 96, 64, 99);
        lace.quadTo(66.5, 96, 68, 98.5);
        lace.quadTo(70, 95, 71.5, 96.5);
        lace.cubicTo(70, 90, 67, 84, 65, 78);
        lace.closeSubpath();
        fillShape(p, lace, cameo::linen, pens.outline());
        for (double y : {84.0, 89.0, 94.0}) {
            QPainterPath wave(QPointF(58.5, y));
            wave.quadTo(62, y - 1.6, 64, y);
            wave.quadTo(66, y + 1.6, 68.5, y);
            strokeShape(p, wave, pens.fine());
        }
        QPainterPath knot;
        knot.addRoundedRect(QRectF(56.5, 72.5, 8.5, 7), 2.5, 2.5);
        fillShape(p, knot, cameo::linen, pens.outline());
        break;
    }
    case Neckwear::Stock: {
        QPainterPath collar;
        collar.moveTo(42.5, 73);
        collar.lineTo(58, 72);
        collar.lineTo(63.5, 68.5);
        collar.lineTo(61.5, 78);
        collar.lineTo(43, 79);
        collar.closeSubpath();
        fillShape(p, collar, cameo::linen, pens.outline());
        QPainterPath cravat;
        cravat.moveTo(42.5, 78);
        cravat.lineTo(61.5, 76.5);
        cravat.cubicTo(63, 79, 62.5, 81.5, 61.5, 83);
        cravat.lineTo(43, 83);
        cravat.closeSubpath();
        fillShape(p, cravat, cameo::cloth, pens.outline());
        QPainterPath shirt;
        shirt.moveTo(59.5, 83);
        shirt.lineTo(64, 83);
        shirt.lineTo(71, 92);
        shirt.lineTo(65, 97);
        shirt.closeSubpath();
        fillShape(p, shirt, cameo::linen, pens.outline());
        QPainterPath knot;
        knot.addEllipse(QRectF(58.5, 76.5, 6, 6.5));
        fillShape(p, knot, cameo::cloth, pens.outline());
        break;
    }
    case Neckwear::Drape:
    case Neckwear::Robe:
    case Neckwear::Band:
        break;
    }
}

QColor hairColour(const Likeness &l)
{
    return l.grey ? cameo::greyHair : cameo::hair;
}

// Hair that hangs behind the neck and shoulders, drawn before the head.
void drawHairBehind(QPainter &p, const Likeness &l, const Pens &pens)
{
    const QColor fill = hairColour(l);
    switch (l.hair) {
    case Hair::FullWig: {
        QPainterPath mass;
        mass.moveTo(60, 24);
        mass.cubicTo(56, 12, 36, 8, 25, 22);
        mass.cubicTo(17, 34, 16, 58, 16, 76);
        mass.cubicTo(16, 86, 18, 93, 24, 96);
        mass.lineTo(51, 95);
        mass.cubicTo(55, 84, 55, 70, 54, 60);
        mass.cubicTo(54, 46, 55, 34, 60, 24);
        mass.closeSubpath();
        fillShape(p, mass, fill, pens.outline());
        drawCurls(p, mass, 3.4, fill, pens);
        break;
    }
    case Hair::Flowing: {
        QPainterPath mass;
        mass.moveTo(62, 25);
        mass.cubicTo(56, 15, 38, 14, 30, 24);
        mass.cubicTo(24, 32, 24, 52, 25, 64);
        mass.cubicTo(26, 74, 27, 81, 31, 86);
        mass.quadTo(36, 84, 40, 87);
        mass.quadTo(45, 83, 50, 86);
        mass.cubicTo(51, 76, 51, 66, 52, 58);
        mass.cubicTo(53, 44, 56, 32, 62, 25);
        mass.closeSubpath();
        fillShape(p, mass, fill, pens.outline());
        drawFallingWaves(p, mass, pens);
        break;
    }
    case Hair::PowderedWig: {
        // The queue: tied with a ribbon and hanging down the back.
        QPainterPath queue;
        queue.moveTo(33, 58);
        queue.cubicTo(30, 68, 29, 76, 30.5, 84);
        queue.quadTo(33, 87, 35.5, 84);
        queue.cubicTo(36, 76, 37, 68, 39, 60);
        queue.closeSubpath();
        fillShape(p, queue, fill, pens.outline());
        break;
    }
    case Hair::Cap:
    case Hair::Curly:
    case Hair::Short:
    case Hair::Balding:
    case Hair::Ancient:
        break;
    }
}

bool earVisible(Hair hair)
{
    return hair != Hair::FullWig && hair != Hair::Flowing && hair != Hair::Cap &&
           hair != Hair::PowderedWig;
}

void drawEar(QPainter &p, const Pens &pens)
{
    QPainterPath ear;
    ear.moveTo(48.5, 39);
    ear.cubicTo(43, 37, 42, 47, 44.5, 50.5);
    ear.cubicTo(46, 52.5, 48.5, 51.5, 48.5, 49);
    ear.closeSubpath();
    fillShape(p, ear, cameo::skin, pens.outline());
    QPainterPath inner(QPointF(47.5, 42));
    inner.cubicTo(45, 41.5, 44.8, 46, 46.5, 48);
    strokeShape(p, inner, pens.fine());
}

void drawFace(QPainter &p, const Pens &pens, bool moustache)
{
    // Brow, eye, nostril, mouth and jaw as fine lines on the relief.
    QPainterPath brow(QPointF(60.5, 38.2));
    brow.quadTo(63.5, 36.8, 66.8, 38.0);
    strokeShape(p, brow, pens.outline());
    QPainterPath lid(QPointF(61.8, 41.8));
    lid.quadTo(63.6, 40.6, 65.4, 41.9);
    strokeShape(p, lid, pens.outline());
    p.setPen(Qt::NoPen);
    p.setBrush(cameo::line);
    p.drawEllipse(QPointF(64.1, 42.5), 0.75, 0.75);
    QPainterPath nostril(QPointF(69.0, 50.2));
    nostril.quadTo(70.4, 52.4, 71.8, 52.2);
    strokeShape(p, nostril, pens.fine());
    if (!moustache) {
        QPainterPath mouth(QPointF(69.2, 57.8));
        mouth.lineTo(67.2, 57.9);
        strokeShape(p, mouth, pens.fine());
    }
    QPainterPath jaw(QPointF(47.5, 55));
    jaw.quadTo(51, 66, 59.5, 70.5);
    strokeShape(p, jaw, pens.fine());
}

void drawBeard(QPainter &p, const Likeness &l, const Pens &pens)
{
    const QColor fill = hairColour(l);
    QPainterPath beard;
    switch (l.beard) {
    case Beard::None:
        break;
    case Beard::Pointed:
        beard.moveTo(50.5, 47);
        beard.lineTo(53.5, 46);
        beard.cubicTo(56, 55, 61, 60.5, 66.5, 61.2);
        beard.lineTo(68.6, 62);
        beard.cubicTo(70.2, 66, 70.5, 72, 68, 78);
        beard.lineTo(65, 84);
        beard.cubicTo(60.5, 78, 56, 72, 51, 66);
        beard.cubicTo(48.5, 60, 48.5, 52, 50.5, 47);
        beard.closeSubpath();
        break;
    case Beard::Full:
        beard.moveTo(50.5, 45);
        beard.lineTo(53.5, 44.5);
        beard.cubicTo(56, 53, 61, 57.5, 66, 58.2);
        beard.lineTo(69.3, 60);
        beard.cubicTo(72.5, 64, 73, 71, 71.5, 77);
        beard.cubicTo(70, 82.5, 66.5, 86, 61.5, 87);
        beard.cubicTo(55, 86, 50, 81, 48, 73);
        beard.cubicTo(47, 64, 48, 52, 50.5, 45);
        beard.closeSubpath();
        break;
    }
    if (!beard.isEmpty()) {
        fillShape(p, beard, fill, pens.outline());
        std::vector<QLineF> strands;
        for (int i = 0; i < 6; ++i)
            strands.emplace_back(QPointF(52 + i * 3.0, 52 + i * 1.2),
                                 QPointF(54 + i * 2.6, 78 + i * 1.4));
        drawStrands(p, beard, strands, pens);
    }
    if (l.moustache) {
        QPainterPath m;
        m.moveTo(65.8, 55.8);
        m.cubicTo(67.5, 54.4, 70, 54.6, 71.2, 56.2);
        m.cubicTo(71.6, 57.4, 70.5, 58.2, 68.8, 58.0);
        m.cubicTo(67.5, 57.9, 66.5, 57.6, 65.8, 55.8);
        m.closeSubpath();
        fillShape(p, m, fill, pens.outline());
    }
}

// Hair on top of the head, drawn after the head.
void drawHairTop(QPainter &p, const Likeness &l, const Pens &pens)
{
    const QColor fill = hairColour(l);
    switch (l.hair) {
    case Hair::Short:
    case Hair::Curly:
    case Hair::Ancient: {
        QPainterPath cap;
        cap.moveTo(65.5, 27);
        cap.cubicTo(62, 17, 48, 13, 37, 18);
        cap.cubicTo(27, 23, 25, 38, 28.5, 48);
        cap.cubicTo(31, 56, 36, 61, 42.8, 63);
        cap.lineTo(46, 55);
        cap.lineTo(53.5, 53.5);
        cap.lineTo(55, 44);
        cap.cubicTo(55.5, 38, 58, 33, 62.5, 31);
        cap.closeSubpath();
        if (l.hair == Hair::Short) {
            // A lifted lock over the forehead breaks the helmet outline.
            QPainterPath lock;
            lock.moveTo(66, 27.5);
            lock.cubicTo(68, 22, 63, 15.5, 55, 15);
            lock.cubicTo(50, 15, 47, 17, 46, 19);
            lock.lineTo(58, 30);
            lock.closeSubpath();
            cap = cap.united(lock);
            fillShape(p, cap, fill, pens.outline());
            drawCombedWaves(p, cap, QPointF(45, 44), pens);
        } else {
            fillShape(p, cap, fill, pens.outline());
            drawCurls(p, cap, l.hair == Hair::Curly ? 3.3 : 2.9, fill, pens);
        }
        if (l.hair == Hair::Ancient) {
            QPainterPath band(QPointF(30, 38));
            band.cubicTo(40, 30, 52, 25, 64.5, 26);
            p.setPen(pens.pen(cameo::line, 2.8, 1.5));
            p.drawPath(band);
            p.setPen(pens.pen(cameo::clothDark, 1.8, 1.0));
            p.drawPath(band);
        }
        break;
    }
    case Hair::Balding: {
        QPainterPath fringe;
        fringe.moveTo(46, 18.4);
        fringe.cubicTo(35.5, 19.5, 27.8, 28, 27.8, 40);
        fringe.cubicTo(28, 52, 34, 60.5, 42.8, 63.5);
        fringe.lineTo(46, 56);
        fringe.lineTo(53.5, 54);
        fringe.lineTo(54.5, 45);
        fringe.cubicTo(52, 40, 48, 37.5, 43, 37.5);
        fringe.cubicTo(38, 37.5, 34.5, 33.5, 35, 28.5);
        fringe.cubicTo(35.5, 24, 40, 20.2, 46, 18.4);
        fringe.closeSubpath();
        fillShape(p, fringe, fill, pens.outline());
        std::vector<QLineF> strands;
        for (int i = 0; i < 5; ++i)
            strands.emplace_back(QPointF(40 - i * 2.5, 20 + i * 3), QPointF(40 + i * 1.5, 58 - i));
        drawStrands(p, fringe, strands, pens);
        break;
    }
    case Hair::FullWig: {
        QPainterPath top;
        top.moveTo(63, 27);
        top.cubicTo(60, 14, 44, 9, 32, 15);
        top.cubicTo(26, 19, 24, 28, 26, 36);
        top.lineTo(55, 40);
        top.cubicTo(57, 34, 60, 30, 63, 27);
        top.closeSubpath();
        fillShape(p, top, fill, pens.outline());
        drawCurls(p, top, 3.4, fill, pens);
        break;
    }
    case Hair::Flowing: {
        QPainterPath top;
        top.moveTo(64, 27);
        top.cubicTo(60, 16, 44, 13, 34, 19);
        top.cubicTo(30, 22, 29, 28, 30, 32);
        top.cubicTo(40, 28, 52, 28, 60, 31);
        top.closeSubpath();
        // Hair over the temple and the ear, falling in waves behind the jaw.
        QPainterPath side;
        side.moveTo(63, 27);
        side.cubicTo(58, 30, 56, 36, 56.5, 42);
        side.cubicTo(57.5, 50, 56, 58, 54.5, 64);
        side.quadTo(53, 70, 50, 74);
        side.quadTo(46, 75, 43, 72);
        side.cubicTo(36, 70, 29, 62, 28, 50);
        side.lineTo(29, 26);
        side.lineTo(50, 20);
        side.closeSubpath();
        top = top.united(side);
        fillShape(p, top, fill, pens.outline());
        drawFallingWaves(p, top, pens);
        break;
    }
    case Hair::PowderedWig: {
        QPainterPath top;
        top.moveTo(64.5, 27);
        top.cubicTo(62, 16, 48, 12, 37, 17);
        top.cubicTo(28, 22, 26, 36, 28.5, 46);
        top.cubicTo(30, 53, 32, 58, 36, 61);
        top.lineTo(52, 56);
        top.cubicTo(53, 46, 56, 36, 64.5, 27);
        top.closeSubpath();
        fillShape(p, top, fill, pens.outline());
        drawStrands(p, top,
                    {QLineF(63, 26, 32, 30), QLineF(60, 21, 33, 24), QLineF(62, 30, 31, 38),
                     QLineF(58, 34, 30, 45)},
                    pens);
        // Two horizontal rolls over the ear.
        for (double y : {44.0, 51.0}) {
            QPainterPath roll;
            roll.addRoundedRect(QRectF(37, y, 16, 6), 3, 3);
            fillShape(p, roll, fill, pens.outline());
            p.setPen(pens.fine());
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QRectF(48.5, y + 1.3, 3.4, 3.4));
        }
        // Ribbon bow where the queue is tied.
        QPainterPath bow;
        bow.moveTo(35, 61);
        bow.lineTo(29, 57);
        bow.lineTo(29.5, 64.5);
        bow.closeSubpath();
        bow.moveTo(35, 61);
        bow.lineTo(40, 57.5);
        bow.lineTo(40.5, 65);
        bow.closeSubpath();
        fillShape(p, bow, cameo::clothDark, pens.outline());
        break;
    }
    case Hair::Cap: {
        QPainterPath bob;
        bob.moveTo(28, 30);
        bob.cubicTo(24, 42, 24, 54, 27, 63);
        bob.quadTo(31, 67, 35, 64);
        bob.quadTo(39, 68, 43, 64.5);
        bob.quadTo(47, 67.5, 51, 63);
        bob.quadTo(53.5, 60, 54, 56);
        bob.cubicTo(55, 46, 56, 38, 60, 30);
        bob.closeSubpath();
        fillShape(p, bob, fill, pens.outline());
        drawFallingWaves(p, bob, pens);
        QPainterPath crown;
        crown.moveTo(25, 31);
        crown.cubicTo(17, 18, 30, 4, 48, 5);
        crown.cubicTo(62, 6, 71, 15, 65.5, 27);
        crown.closeSubpath();
        fillShape(p, crown, cameo::clothDark, pens.outline());
        drawStrands(p, crown,
                    {QLineF(30, 10, 30, 30), QLineF(40, 6, 40, 28), QLineF(51, 6, 51, 27),
                     QLineF(61, 10, 61, 27)},
                    pens);
        QPainterPath band;
        band.moveTo(22.5, 29);
        band.cubicTo(36, 23.5, 52, 21.5, 66, 24);
        band.cubicTo(67.5, 26, 67.5, 28.5, 66.5, 30);
        band.cubicTo(52, 28, 37, 30, 24, 36);
        band.cubicTo(22, 34, 21.8, 31, 22.5, 29);
        band.closeSubpath();
        fillShape(p, band, cameo::cloth, pens.outline());
        break;
    }
    }
}

} // namespace

void drawBust(QPainter &p, const QRectF &box, const Likeness &likeness)
{
    const double scale = std::min(box.width() / figureWidth, box.height() / figureHeight);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(box.center().x() - figureWidth * scale / 2.0, box.bottom() - figureHeight * scale);
    p.scale(scale, scale);
    const Pens pens{scale};

    drawBodyAndNeckwear(p, likeness, pens);
    drawHairBehind(p, likeness, pens);
    fillShape(p, headPath(), cameo::skin, pens.outline());
    drawNeckwearFront(p, likeness, pens);
    drawFace(p, pens, likeness.moustache);
    drawBeard(p, likeness, pens);
    drawHairTop(p, likeness, pens);
    if (earVisible(likeness.hair))
        drawEar(p, pens);
    p.restore();
}

void drawPortraitCard(QPainter &p, const QSize &size, const PortraitCard &card)
{
    const double w = size.width();
    const double h = size.height();
    drawPaper(p, size);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);

    // Double bronze rule inside the outer border.
    // Whole pixels plus a half, so the rule lies on pixel centres and stays
    // clear of the outer border.
    const double inset = std::round(std::clamp(std::min(w, h) * 0.03, 4.0, 7.0)) + 0.5;
    const QRectF rule(inset, inset, w - 2 * inset, h - 2 * inset);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(palette::frame, std::min(w, h) < 120 ? 1.0 : 1.6));
    p.drawRect(rule);
    p.setPen(QPen(palette::frame, 0.6));
    p.drawRect(rule.adjusted(2.5, 2.5, -2.5, -2.5));

    const double pad = std::max(3.0, w * 0.045);
    const QRectF content = rule.adjusted(pad, pad, -pad, -pad);

    // Name and years: the name on one line when it fits at a good size,
    // otherwise on two lines.
    const int nameMax = std::clamp(static_cast<int>(std::lround(w * 0.075)), 10, 19);
    QStringList nameLines{card.name};
    int namePx = fitPixelSize(nameLines, Family::Serif, true, content.width(), nameMax, 7);
    if (namePx < nameMax - 2 && card.name.contains(QLatin1Char(' '))) {
        const QStringList two = splitInTwo(card.name);
        const int twoPx = fitPixelSize(two, Family::Serif, true, content.width(), nameMax, 7);
        if (twoPx > namePx) {
            nameLines = two;
            namePx = twoPx;
        }
    }
    const QFont nameFont = makeFont(Family::Serif, namePx, true);
    // On a small card the years at 0.8 of the name would be a smudge a few
    // pixels high; there they lose the blanks around the dash and take one
    // pixel size more than the bold name, in the ink colour.
    const bool smallCard = w < 120.0;
    QString years = card.years;
    if (smallCard)
        years.replace(QStringLiteral(" \u2013 "), QStringLiteral("\u2013"));
    const int yearsMax =
        smallCard ? namePx + 1 : std::max(8, static_cast<int>(std::lround(namePx * 0.8)));
    const int yearsPx =
        std::max(8, fitPixelSize({years}, Family::Sans, false, content.width(), yearsMax, 7));
    const QFont yearsFont = makeFont(Family::Sans, yearsPx);
    const double nameHeight = QFontMetricsF(nameFont).height() * nameLines.size();
    const double yearsHeight = QFontMetricsF(yearsFont).height();
    const double gap = std::max(2.0, h * 0.015);
    const double motifHeight = card.motif ? h * card.motifShare : 0.0;

    // The medallion takes what is left, keeping an upright oval.
    const double textBlock = gap + nameHeight + yearsHeight;
    const double available =
        content.height() - textBlock - (card.motif ? gap * 2 + motifHeight : 0);
    const double ovalHeight = std::min(available, content.width() * 1.2);
    const double ovalWidth = ovalHeight / 1.2;
    const double blockHeight = ovalHeight + textBlock + (card.motif ? gap * 2 + motifHeight : 0);
    double y = content.top() + (content.height() - blockHeight) / 2.0;
    const QRectF oval(content.center().x() - ovalWidth / 2.0, y, ovalWidth, ovalHeight);

    const double ring = std::max(1.5, ovalWidth * 0.035);
    p.setPen(QPen(palette::frame, std::max(1.0, ring * 0.55)));
    p.setBrush(palette::gold);
    p.drawEllipse(oval);
    const QRectF ground = oval.adjusted(ring, ring, -ring, -ring);
    QLinearGradient gradient(ground.topLeft(), ground.bottomLeft());
    gradient.setColorAt(0.0, cameo::groundTop);
    gradient.setColorAt(1.0, cameo::groundBottom);
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawEllipse(ground);

    QPainterPath clip;
    clip.addEllipse(ground);
    p.save();
    p.setClipPath(clip);
    // The figure is a little wider than the oval: the oval cuts the shoulders
    // as a medallion does, and the head fills its upper half.
    const QRectF figure(ground.center().x() - ground.width() * 0.6,
                        ground.bottom() - ground.width() * 1.2 * figureHeight / figureWidth,
                        ground.width() * 1.2, ground.width() * 1.2 * figureHeight / figureWidth);
    drawBust(p, figure, card.likeness);
    p.restore();
    p.setPen(QPen(palette::frame, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(ground);

    y = oval.bottom() + gap;
    y += drawCentredLines(p, QRectF(content.left(), y, content.width(), nameHeight), nameLines,
                          nameFont, palette::ink);
    drawCentredLines(p, QRectF(content.left(), y, content.width(), yearsHeight), {years}, yearsFont,
                     smallCard ? palette::ink : palette::muted);
    y += yearsHeight;

    if (card.motif) {
        const QRectF strip(content.left(), y + gap * 2, content.width(), motifHeight);
        card.motif(p, strip);
    }
    p.restore();
}

} // namespace lesson_pictures
