#include "core/content/utf8_text.h"

namespace lesson {

TextFault decodeUtf8Text(QByteArrayView bytes, LineEnds ends, QString &text)
{
    text.clear();
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    const auto *in = reinterpret_cast<const uchar *>(bytes.data());
    const uchar *const end = in + bytes.size();
    // At most two UTF-16 units come from one byte (an LF given as CR LF);
    // the unused rest is given back below.
    QString out(2 * bytes.size(), Qt::Uninitialized);
    auto *const first = reinterpret_cast<char16_t *>(out.data());
    char16_t *at = first;
    bool carriageReturn = false;
    while (in < end) {
        const uint lead = *in;
        if (lead < 0x80) {
            if (lead <= '\r') {
                if (lead == '\n' && ends == LineEnds::CrLf)
                    *at++ = u'\r';
                else if (lead == '\r')
                    carriageReturn = true;
            }
            *at++ = char16_t(lead);
            ++in;
            continue;
        }
        // Two bytes (U+0080 to U+07FF, the Cyrillic letters among them) are
        // most of the lesson's text: they take the short way.
        if (lead >= 0xC2 && lead <= 0xDF) {
            if (end - in < 2 || (in[1] & 0xC0) != 0x80)
                return TextFault::NotUtf8;
            *at++ = char16_t(((lead & 0x1F) << 6) | (in[1] & 0x3F));
            in += 2;
            continue;
        }
        // Three or four bytes, and the least code point that needs that
        // many (a smaller one in the longer form is overlong).
        int following;
        uint code;
        uint least;
        if (lead >= 0xE0 && lead <= 0xEF) {
            following = 2;
            code = lead & 0x0F;
            least = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            following = 3;
            code = lead & 0x07;
            least = 0x10000;
        } else {
            return TextFault::NotUtf8;
        }
        if (end - in <= following)
            return TextFault::NotUtf8;
        for (int i = 1; i <= following; ++i) {
            const uint next = in[i];
            if ((next & 0xC0) != 0x80)
                return TextFault::NotUtf8;
            code = (code << 6) | (next & 0x3F);
        }
        if (code < least || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
            return TextFault::NotUtf8;
        if (code >= 0x10000) {
            *at++ = QChar::highSurrogate(code);
            *at++ = QChar::lowSurrogate(code);
        } else {
            *at++ = char16_t(code);
        }
        in += following + 1;
    }
    if (carriageReturn)
        return TextFault::HasCr;
    out.truncate(at - first);
    out.squeeze();
    text = std::move(out);
    return TextFault::None;
}

} // namespace lesson
