#include "core/content/picture_slot.h"

namespace lesson {

namespace {
int byteAt(const QByteArray &data, qsizetype i)
{
    return static_cast<unsigned char>(data.at(i));
}
} // namespace

QSize pixelSizeOfJpeg(const QByteArray &jpeg)
{
    // Marker segments: FF xx, then a big-endian 16-bit length that counts
    // itself. A start-of-frame segment (C0..CF except C4, C8, CC) holds:
    // precision (1 byte), height (2), width (2).
    if (jpeg.size() < 4 || byteAt(jpeg, 0) != 0xFF || byteAt(jpeg, 1) != 0xD8)
        return {};
    qsizetype i = 2;
    while (i + 4 <= jpeg.size()) {
        if (byteAt(jpeg, i) != 0xFF)
            return {};
        const int marker = byteAt(jpeg, i + 1);
        if (marker == 0xFF) { // fill byte
            ++i;
            continue;
        }
        if (marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7) || marker == 0x01) {
            i += 2;
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA) // end of image, start of scan
            return {};
        const int length = (byteAt(jpeg, i + 2) << 8) | byteAt(jpeg, i + 3);
        if (length < 2)
            return {};
        const bool startOfFrame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (startOfFrame) {
            if (length < 7 || i + 9 > jpeg.size())
                return {};
            const int height = (byteAt(jpeg, i + 5) << 8) | byteAt(jpeg, i + 6);
            const int width = (byteAt(jpeg, i + 7) << 8) | byteAt(jpeg, i + 8);
            if (width == 0 || height == 0)
                return {};
            return QSize(width, height);
        }
        i += 2 + length;
    }
    return {};
}

PictureSlot PictureSlot::fromJpeg(const QByteArray &jpeg)
{
    return pixelSizeOfJpeg(jpeg).isValid() ? fromFile(FileBytes::held(jpeg)) : PictureSlot();
}

PictureSlot PictureSlot::fromFile(const FileBytes &file)
{
    PictureSlot slot;
    slot.m_file = file;
    return slot;
}

QSize PictureSlot::pixelSize() const
{
    const QSize size = pixelSizeOfJpeg(m_file.bytes());
    return size.isValid() ? size : QSize(0, 0);
}

} // namespace lesson
