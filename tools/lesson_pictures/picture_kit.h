// Shared drawing helpers of the lesson pictures: one palette, two font
// families, text that is fitted instead of clipped, and formulas with real
// superscripts and subscripts. All sizes are in pixels of the target image.
#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <vector>

class QPainter;
class QSize;

namespace lesson_pictures {

// One palette for every picture of the lesson.
namespace palette {
inline const QColor paper{0xfb, 0xf8, 0xf0};      // background of every picture
inline const QColor paperShade{0xf1, 0xea, 0xdb}; // panels, table headers
inline const QColor frame{0x8a, 0x6d, 0x45};      // bronze border lines
inline const QColor ink{0x26, 0x31, 0x3f};        // main text and lines
inline const QColor muted{0x6a, 0x72, 0x7c};      // secondary text, ticks
inline const QColor grid{0xe4, 0xdf, 0xd3};       // grid lines
inline const QColor blue{0x2f, 0x6d, 0xb5};       // first data colour
inline const QColor blueLight{0xd9, 0xe6, 0xf4};
inline const QColor red{0xc0, 0x53, 0x2f}; // second data colour
inline const QColor redLight{0xf6, 0xdf, 0xd5};
inline const QColor green{0x3c, 0x8d, 0x5a}; // third data colour
inline const QColor greenLight{0xdc, 0xee, 0xe1};
inline const QColor gold{0xe9, 0xcf, 0x98}; // highlight fill
} // namespace palette

enum class Family { Sans, Serif };

// A font of an exact pixel size; only DejaVu fonts are used so that the
// pictures come out the same on every machine that has them.
QFont makeFont(Family family, int pixelSize, bool bold = false, bool italic = false);

// True when the DejaVu families are really installed (not substituted).
bool fontsAvailable(QString *missing);

// The largest pixel size in [minPx, maxPx] at which every line fits in maxWidth
// (and, when maxHeight > 0, all lines stacked fit in maxHeight); minPx if none.
int fitPixelSize(const QStringList &lines, Family family, bool bold, double maxWidth, int maxPx,
                 int minPx, double maxHeight = 0.0);

// Splits a text into at most two lines at the blank nearest to its middle.
QStringList splitInTwo(const QString &text);

// Draws lines centred in a box, each line horizontally centred, the block
// vertically centred. Returns the height used.
double drawCentredLines(QPainter &p, const QRectF &box, const QStringList &lines, const QFont &font,
                        const QColor &colour);

// Greedy word wrap into lines no wider than maxWidth.
QStringList wrapWords(const QString &text, const QFont &font, double maxWidth);

// A one-line formula built from pieces: upright text, italic variables and
// raised or lowered scripts, drawn in DejaVu Serif.
class Formula {
public:
    Formula &text(const QString &s); // digits, operators, brackets
    Formula &var(const QString &s);  // italic letters
    // Scripts set Latin letters in italic and everything else upright.
    Formula &sup(const QString &s);                              // raised, smaller
    Formula &sub(const QString &s);                              // lowered, smaller
    Formula &subSup(const QString &lower, const QString &upper); // stacked, e.g. C with n, k

    double width(int pixelSize) const;
    // Draws with the baseline starting at `origin`; returns the width drawn.
    double draw(QPainter &p, QPointF origin, int pixelSize, const QColor &colour) const;
    // Draws horizontally centred on `centreX`.
    void drawCentred(QPainter &p, double centreX, double baseline, int pixelSize,
                     const QColor &colour) const;
    // Largest size in [minPx, maxPx] whose width fits.
    int fit(double maxWidth, int maxPx, int minPx) const;

private:
    enum class Kind { Normal, Super, Sub, SubSuper };
    struct Piece {
        Kind kind;
        QString text;
        QString upper; // only for SubSuper
        bool italic;   // only for Normal
    };
    double layout(QPainter *p, QPointF origin, int pixelSize, const QColor &colour) const;
    std::vector<Piece> m_pieces;
};

// Draws numerator over denominator with a bar whose left end is at
// (left, barY); returns the width taken.
double drawFraction(QPainter &p, double left, double barY, const Formula &numerator,
                    const Formula &denominator, int pixelSize, const QColor &colour);
double fractionWidth(const Formula &numerator, const Formula &denominator, int pixelSize);

// Maps mathematical coordinates into a pixel rectangle (y grows upwards).
struct PlotFrame {
    QRectF area;
    double xMin;
    double xMax;
    double yMin;
    double yMax;
    QPointF map(double x, double y) const;
    double toX(double x) const { return map(x, 0).x(); }
    double toY(double y) const { return map(0, y).y(); }
};

// Axes through the origin with arrow heads, optional light grid at every
// integer, tick marks at every integer and the names "x" and "y".
void drawAxes(QPainter &p, const PlotFrame &frame, bool grid, int labelPx);

// The background and thin bronze border shared by every picture.
void drawPaper(QPainter &p, const QSize &size);

// A straight arrow from `from` to `to` with a filled head at `to`.
void drawArrow(QPainter &p, QPointF from, QPointF to, const QColor &colour, double width,
               double headLength);

// A number with a real minus sign (U+2212) instead of the hyphen.
QString numberText(long long value);
QString numberText(double value, int decimals);

} // namespace lesson_pictures
