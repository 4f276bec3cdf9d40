#include "package/base/CodePage.h"

#include "package/base/Utf8.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

namespace varnick {

namespace {

// Decodes UTF-8 into code points; nullopt when the text is not valid UTF-8.
std::optional<std::vector<char32_t>> decodeUtf8(std::string_view text)
{
    std::vector<char32_t> points;
    points.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const unsigned lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        char32_t point = 0;
        if (lead < 0x80) {
            length = 1;
            point = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            point = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            point = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            point = lead & 0x07;
        } else {
            return std::nullopt;
        }
        if (text.size() - i < length)
            return std::nullopt;
        for (std::size_t k = 1; k < length; ++k) {
            const unsigned next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            point = (point << 6) | (next & 0x3F);
        }
        const bool overlong = (length == 3 && point < 0x800) || (length == 4 && point < 0x10000);
        if (overlong || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
            return std::nullopt;
        points.push_back(point);
        i += length;
    }
    return points;
}

#ifndef _WIN32
// Windows-1252 bytes 0x80..0x9F; 0 marks the five unassigned bytes.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC,
    0,
    0x201A,
    0x0192,
    0x201E,
    0x2026,
    0x2020,
    0x2021,
    0x02C6,
    0x2030,
    0x0160,
    0x2039,
    0x0152,
    0,
    0x017D,
    0,
    0,
    0x2018,
    0x2019,
    0x201C,
    0x201D,
    0x2022,
    0x2013,
    0x2014,
    0x02DC,
    0x2122,
    0x0161,
    0x203A,
    0x0153,
    0,
    0x017E,
    0x0178,
};

char windows1252Byte(char32_t point)
{
    if (point < 0x80 || (point >= 0xA0 && point <= 0xFF))
        return static_cast<char>(point);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] != 0 && kHighControls[i] == point)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

char32_t lowerWindows1252Letter(char32_t point)
{
    if ((point >= 'A' && point <= 'Z') || (point >= 0xC0 && point <= 0xDE && point != 0xD7))
        return point + 0x20;
    switch (point) {
    case 0x0160:
        return 0x0161; // S with caron
    case 0x0152:
        return 0x0153; // OE ligature
    case 0x017D:
        return 0x017E; // Z with caron
    case 0x0178:
        return 0x00FF; // Y with diaeresis
    default:
        return point;
    }
}
#endif

} // namespace

ByteString toAnsiCodePage(std::string_view utf8)
{
    const auto points = decodeUtf8(utf8);
    if (!points)
        return ByteString(utf8);
#ifdef _WIN32
    if (utf8.empty())
        return {};
    const int wideLength = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), wideLength);
    const int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    ByteString out(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, out.data(), length, nullptr, nullptr);
    return out;
#else
    ByteString out;
    out.reserve(points->size());
    for (char32_t point : *points)
        out.push_back(windows1252Byte(point));
    return out;
#endif
}

std::string lowerCaseUtf8(std::string_view utf8)
{
    const auto points = decodeUtf8(utf8);
    if (!points) {
        std::string out(utf8);
        for (char& c : out) {
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        }
        return out;
    }
    std::string out;
    out.reserve(utf8.size());
    for (char32_t point : *points) {
#ifdef _WIN32
        if (point < 0x10000) {
            WCHAR single[2] = { static_cast<WCHAR>(point), 0 };
            CharLowerW(single);
            point = single[0];
        }
#else
        point = lowerWindows1252Letter(point);
#endif
        appendUtf8(out, point);
    }
    return out;
}

} // namespace varnick
