#pragma once

#include "core/content/picture_slot.h"

#include <QWidget>

namespace lesson {

// A box that shows one picture of the lesson. A picture larger than the box
// is shown scaled down to fit (the full-size window shows it at its own
// size); a smaller one is shown at its own size in the top-left corner. The
// JPEG is decoded only when the box first draws it.
//
// For a screen reader the box is an image whose name is the picture's text
// alternative: what the picture illustrates, given with every picture.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

    // The alternative says what the picture illustrates; an empty slot is
    // named as a box without a picture.
    void setPicture(const PictureSlot &picture, const QString &alternative);
    const PictureSlot &picture() const { return m_picture; }
    // Shows the picture at its own size and never scales it.
    void setScaled(bool scaled) { m_scaled = scaled; }
    // A box that opens its picture in full size takes the keyboard's focus
    // while it holds a picture, and Enter or Space opens it as a click does.
    void setOpensOnKey(bool opens);

    // The name of a box without a picture.
    static QString noPictureName();

Q_SIGNALS:
    // Raised by a click with either mouse button, by Enter or Space while
    // the box has the focus, and by a screen reader's press action.
    void Click();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void updateFocusPolicy();

    PictureSlot m_picture;
    QPixmap m_pixmap; // the picture's pixels, once it has been drawn
    bool m_decoded = false;
    bool m_scaled = true;
    bool m_opensOnKey = false;
};

} // namespace lesson
