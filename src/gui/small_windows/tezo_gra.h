#pragma once

#include "gui/widgets/picture_box.h"

#include <QSizeF>
#include <QWidget>

namespace lesson {

class Lesson;

// The full-size picture window: one display box that shows a picture at its
// own size. One window, reused and resized for every picture.
class Tezo_Gra : public QWidget {
    Q_OBJECT
public:
    explicit Tezo_Gra(Lesson &lesson);

    PictureBox *Grafika_G0 = nullptr; // the display box; its picture is the store's Grafika_G(0)

    void Form_Load() {}
    // Shows the store's Grafika_G(0) and sizes the window to the picture
    // plus a margin: the given size in twips becomes the window's inner
    // size, so that the title bar never covers the picture. The alternative
    // is the picture's text for a screen reader. Escape closes the window.
    void showPicture(double outerWidthTwips, double outerHeightTwips, const QString &alternative);
    QSizeF outerSizeTwips() const { return m_outerTwips; }

private:
    Lesson &m_lesson;
    QSizeF m_outerTwips;
};

} // namespace lesson
