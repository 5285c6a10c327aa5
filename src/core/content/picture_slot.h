#pragma once

#include <QByteArray>
#include <QSize>

namespace lesson {

// Geometry unit of the lesson: 1440 twips to the inch, 15 twips to a pixel
// of a 96 DPI picture.
constexpr int kTwipsPerPicturePixel = 15;

// A slot that holds one JPEG picture or nothing. The picture's bytes are
// shared between copies; the slot's size in twips follows the picture it
// holds (an empty slot is 0 x 0).
class PictureSlot {
public:
    PictureSlot() = default;
    // Takes JPEG bytes; returns an empty slot when they are not a readable
    // JPEG header (see pixelSizeOfJpeg).
    static PictureSlot fromJpeg(const QByteArray &jpeg);

    bool isEmpty() const { return m_jpeg.isEmpty(); }
    const QByteArray &jpeg() const { return m_jpeg; }
    QSize pixelSize() const { return m_pixels; }
    int widthTwips() const { return m_pixels.width() * kTwipsPerPicturePixel; }
    int heightTwips() const { return m_pixels.height() * kTwipsPerPicturePixel; }

    // True when both slots hold the same picture; two empty slots count as
    // the same.
    bool samePicture(const PictureSlot &other) const { return m_jpeg == other.m_jpeg; }

private:
    QByteArray m_jpeg;
    QSize m_pixels;
};

// Reads the frame size from a JPEG's start-of-frame marker without decoding
// the picture. Returns an invalid size for anything that is not a JPEG.
QSize pixelSizeOfJpeg(const QByteArray &jpeg);

} // namespace lesson
