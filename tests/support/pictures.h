#pragma once

#include "core/content/picture_slot.h"

#include <QBuffer>
#include <QImage>

namespace lesson::test {

// A plain JPEG picture of the given pixel size.
inline PictureSlot jpegOfSize(int width, int height, QColor colour = Qt::darkCyan)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return PictureSlot::fromJpeg(bytes);
}

} // namespace lesson::test
