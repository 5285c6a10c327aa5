#include "gui/widgets/picture_box.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace lesson {

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
}

void PictureBox::setPicture(const PictureSlot &picture)
{
    m_picture = picture;
    m_pixmap = QPixmap();
    if (!picture.isEmpty())
        m_pixmap.loadFromData(picture.jpeg(), "JPEG");
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (m_pixmap.isNull())
        return;
    QPainter painter(this);
    const QSize own = m_pixmap.size() / m_pixmap.devicePixelRatio();
    if (!m_scaled || (own.width() <= width() && own.height() <= height())) {
        painter.drawPixmap(QPoint(0, 0), m_pixmap);
        return;
    }
    const QSize fitted = own.scaled(size(), Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRect(QPoint((width() - fitted.width()) / 2, 0), fitted), m_pixmap);
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    Q_EMIT Click();
}

} // namespace lesson
