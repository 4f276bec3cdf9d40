#include "package/base/Utf8.h"

namespace varnick {

namespace {

// Length of the well-formed sequence starting at pos, or 0 when the bytes
// there are not one. Follows the table of well-formed byte sequences of the
// Unicode standard (chapter 3), so overlongs and surrogates are refused.
std::size_t sequenceLength(ByteView bytes, std::size_t pos, std::size_t& invalidLength)
{
    const unsigned lead = byteAt(bytes, pos);
    invalidLength = 1;
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned low = 0x80;
    unsigned high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (pos + i >= bytes.size())
            return 0;
        const unsigned next = byteAt(bytes, pos + i);
        if (next < low || next > high)
            return 0;
        // The maximal subpart of an ill-formed sequence covers the bytes that were valid so far.
        invalidLength = i + 1;
        low = 0x80;
        high = 0xBF;
    }
    return length;
}

} // namespace

std::string toValidUtf8(ByteView bytes)
{
    std::string out;
    out.reserve(bytes.size());
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t invalid = 1;
        const std::size_t length = sequenceLength(bytes, pos, invalid);
        if (length == 0) {
            out += "\xEF\xBF\xBD";
            pos += invalid;
        } else {
            out.append(bytes.substr(pos, length));
            pos += length;
        }
    }
    return out;
}

bool isValidUtf8(ByteView bytes)
{
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t invalid = 1;
        const std::size_t length = sequenceLength(bytes, pos, invalid);
        if (length == 0)
            return false;
        pos += length;
    }
    return true;
}

std::size_t utf8CodePointCount(ByteView bytes)
{
    std::size_t count = 0;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t invalid = 1;
        const std::size_t length = sequenceLength(bytes, pos, invalid);
        pos += length == 0 ? invalid : length;
        ++count;
    }
    return count;
}

void appendUtf8(std::string& out, char32_t point)
{
    if (point < 0x80) {
        out.push_back(static_cast<char>(point));
    } else if (point < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (point >> 6)));
        out.push_back(static_cast<char>(0x80 | (point & 0x3F)));
    } else if (point < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (point >> 12)));
        out.push_back(static_cast<char>(0x80 | ((point >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (point & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (point >> 18)));
        out.push_back(static_cast<char>(0x80 | ((point >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((point >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (point & 0x3F)));
    }
}

std::string utf8FromUtf16(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        appendUtf8(out, c);
    }
    return out;
}

std::u16string utf16FromUtf8(std::string_view text)
{
    const ByteView bytes(text.data(), text.size());
    std::u16string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t invalid = 1;
        const std::size_t length = sequenceLength(bytes, pos, invalid);
        if (length == 0) {
            out += u'\xFFFD';
            pos += invalid;
            continue;
        }
        static constexpr unsigned kLeadMask[] = { 0, 0x7F, 0x1F, 0x0F, 0x07 };
        char32_t c = byteAt(bytes, pos) & kLeadMask[length];
        for (std::size_t k = 1; k < length; ++k)
            c = (c << 6) | (byteAt(bytes, pos + k) & 0x3F);
        if (c >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
        pos += length;
    }
    return out;
}

} // namespace varnick
