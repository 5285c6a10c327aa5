#pragma once

#include "core/content/picture_slot.h"

#include <QWidget>

namespace lesson {

// A box that shows one picture of the lesson. A picture larger than the box
// is shown scaled down to fit (the full-size window shows it at its own
// size); a smaller one is shown at its own size in the top-left corner.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

    void setPicture(const PictureSlot &picture);
    const PictureSlot &picture() const { return m_picture; }
    // Shows the picture at its own size and never scales it.
    void setScaled(bool scaled) { m_scaled = scaled; }

Q_SIGNALS:
    // Raised by a click with either mouse button.
    void Click();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    PictureSlot m_picture;
    QPixmap m_pixmap;
    bool m_scaled = true;
};

} // namespace lesson
