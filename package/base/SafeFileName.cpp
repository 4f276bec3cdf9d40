#include "package/base/SafeFileName.h"

#include "package/base/Utf8.h"

#include <array>
#include <cstdio>

namespace varnick {

namespace {

bool isAsciiLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (upper(a[i]) != upper(b[i]))
            return false;
    return true;
}

// Windows opens these as devices in any folder, also with an extension
// ("nul.package"), and also with blanks before the extension ("CON .txt").
// The serial and parallel ports count the superscript digits as digits
// (a superscript one after "COM"), and recent versions open the console's two halves by name too.
bool isReservedDeviceName(std::string_view name)
{
    std::string_view stem = name.substr(0, name.find('.'));
    while (!stem.empty() && stem.back() == ' ')
        stem.remove_suffix(1);
    static constexpr std::array<std::string_view, 6> kPlain = { "CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$" };
    for (std::string_view reserved : kPlain)
        if (equalsIgnoringCase(stem, reserved))
            return true;
    const bool port = stem.size() >= 4
        && (equalsIgnoringCase(stem.substr(0, 3), "COM") || equalsIgnoringCase(stem.substr(0, 3), "LPT"));
    if (!port)
        return false;
    const std::string_view number = stem.substr(3);
    return (number.size() == 1 && number[0] >= '0' && number[0] <= '9') || number == "\xC2\xB9" || number == "\xC2\xB2"
        || number == "\xC2\xB3";
}

std::size_t utf16Length(std::string_view utf8)
{
    std::size_t units = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80)
            units += byte >= 0xF0 ? 2 : 1;
    }
    return units;
}

std::string shown(char c)
{
    if (static_cast<unsigned char>(c) < 0x20) {
        char text[8];
        std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned>(static_cast<unsigned char>(c)));
        return text;
    }
    return std::string("\"") + c + "\"";
}

} // namespace

std::optional<Phrase> fileNameProblemPhrase(std::string_view name)
{
    if (name.empty())
        return Phrase(VARNICK_PHRASE("FileNames", "is empty"));
    if (!isValidUtf8(name))
        return Phrase(VARNICK_PHRASE("FileNames", "is not valid UTF-8 text"));
    if (name.front() == '/' || name.front() == '\\')
        return Phrase(VARNICK_PHRASE("FileNames", "is an absolute path"));
    if (name.size() >= 2 && isAsciiLetter(name[0]) && name[1] == ':')
        return name.size() >= 3 && (name[2] == '/' || name[2] == '\\')
            ? Phrase(VARNICK_PHRASE("FileNames", "is an absolute path"))
            : Phrase(VARNICK_PHRASE("FileNames", "begins with a drive letter"));
    for (const char c : name)
        if (c == '/' || c == '\\')
            return Phrase(VARNICK_PHRASE("FileNames", "contains a path separator (%1)"), { shown(c) });
    if (name == "." || name == "..")
        return Phrase(VARNICK_PHRASE("FileNames", "names a folder (\"%1\"), not a file"), { std::string(name) });
    for (const char c : name) {
        static constexpr std::string_view kForbidden = "<>:\"|?*";
        if (static_cast<unsigned char>(c) < 0x20 || kForbidden.find(c) != std::string_view::npos)
            return Phrase(
                VARNICK_PHRASE("FileNames", "contains %1, which Windows does not allow in file names"), { shown(c) });
    }
    if (name.back() == '.')
        return Phrase(VARNICK_PHRASE("FileNames", "ends with a dot, which Windows drops"));
    if (name.back() == ' ')
        return Phrase(VARNICK_PHRASE("FileNames", "ends with a space, which Windows drops"));
    if (isReservedDeviceName(name))
        return Phrase(VARNICK_PHRASE("FileNames", "is a device name that Windows reserves"));
    if (utf16Length(name) > 255)
        return Phrase(VARNICK_PHRASE("FileNames", "is longer than the 255 characters a file name can have"));
    return std::nullopt;
}

std::optional<std::string> fileNameProblem(std::string_view name)
{
    const std::optional<Phrase> problem = fileNameProblemPhrase(name);
    return problem ? std::optional(problem->english()) : std::nullopt;
}

} // namespace varnick
