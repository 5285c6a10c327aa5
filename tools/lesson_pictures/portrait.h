// Portrait cards of the mathematicians of the lesson: a framed card with a
// cameo medallion (a light profile bust on a blue oval, dressed after the
// sitter's period), the name in Cyrillic and the years of life, and an
// optional small motif strip at the bottom.
#pragma once

#include <QRectF>
#include <QString>

#include <functional>

class QPainter;
class QSize;

namespace lesson_pictures {

enum class Hair {
    Curly,       // short thick curls of the early 19th century
    Short,       // short combed hair with sideburns
    Flowing,     // shoulder-length natural hair of the 17th century
    FullWig,     // full-bottomed curled wig of about 1700
    PowderedWig, // 18th-century wig with side rolls and a tied queue
    Cap,         // medieval cap over a bob of hair
    Balding,     // bald crown, hair at the back and sides
    Ancient      // curly hair held by a plain band
};
enum class Beard { None, Pointed, Full };
enum class Neckwear {
    Drape, // ancient tunic with a cloak over the shoulder
    Robe,  // medieval robe with a round neckline
    Ruff,  // pleated ruff of the 16th century
    Band,  // flat white collar of the 17th century
    Jabot, // lace cravat of about 1700
    Stock  // high shirt collar, cravat and a coat with lapels
};

struct Likeness {
    Hair hair = Hair::Short;
    Beard beard = Beard::None;
    Neckwear neckwear = Neckwear::Stock;
    bool moustache = false;
    bool grey = false; // grey or powdered hair
};

// Draws the bust into `box` (any aspect; the figure keeps its proportions,
// stands on the bottom edge and is centred horizontally).
void drawBust(QPainter &p, const QRectF &box, const Likeness &likeness);

struct PortraitCard {
    QString name;  // full name; split into two lines when it does not fit on one
    QString years; // e.g. "1540 – 1603"
    Likeness likeness;
    // Optional motif drawn into a strip at the bottom of the card; its height
    // is motifShare of the card height.
    std::function<void(QPainter &, const QRectF &)> motif;
    double motifShare = 0.0;
};

void drawPortraitCard(QPainter &p, const QSize &size, const PortraitCard &card);

} // namespace lesson_pictures
