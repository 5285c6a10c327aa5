#pragma once

#include "core/content/file_bytes.h"

#include <QByteArray>
#include <QSize>

namespace lesson {

// Geometry unit of the lesson: 1440 twips to the inch, 15 twips to a pixel
// of a 96 DPI picture.
constexpr int kTwipsPerPicturePixel = 15;

// A slot that holds one JPEG picture or nothing. The picture's bytes are
// shared between copies and read only when asked for: its size comes from
// its header, its pixels from decoding it where it is shown. The slot's
// size in twips follows the picture it holds (an empty slot, or bytes that
// are not a JPEG, give 0 x 0).
class PictureSlot {
public:
    PictureSlot() = default;
    // Takes JPEG bytes; returns an empty slot when they are not a readable
    // JPEG header (see pixelSizeOfJpeg).
    static PictureSlot fromJpeg(const QByteArray &jpeg);
    // Takes a picture file unread; pixelSize() tells later whether it is a
    // JPEG.
    static PictureSlot fromFile(const FileBytes &file);

    // A compiled-in file counts as a picture without being read.
    bool isEmpty() const { return !m_file.isCompiledIn() && m_file.bytes().isEmpty(); }
    QByteArray jpeg() const { return m_file.bytes(); }
    QSize pixelSize() const;
    int widthTwips() const { return pixelSize().width() * kTwipsPerPicturePixel; }
    int heightTwips() const { return pixelSize().height() * kTwipsPerPicturePixel; }

    // True when both slots hold the same picture; two empty slots count as
    // the same.
    bool samePicture(const PictureSlot &other) const { return m_file.sameBytes(other.m_file); }

private:
    FileBytes m_file;
};

// Reads the frame size from a JPEG's start-of-frame marker without decoding
// the picture. Returns an invalid size for anything that is not a JPEG.
QSize pixelSizeOfJpeg(const QByteArray &jpeg);

} // namespace lesson
