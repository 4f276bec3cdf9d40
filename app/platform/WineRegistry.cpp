#include "app/platform/WineRegistry.h"

#include "package/base/Environment.h"
#include "package/base/Paths.h"
#include "package/base/Utf8.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

/*
 * A Wine registry file is line-oriented text:
 *
 *   WINE REGISTRY Version 2
 *   ;; All keys relative to \\Machine
 *   #arch=win64
 *
 *   [Software\\EA GAMES\\The Sims 2] 1700000000      <- key path, then a time stamp
 *   #time=1d9a0b2c3d4e5f6
 *   "Install Dir"="C:\\Program Files\\EA GAMES\\The Sims 2"
 *   "Title"=str(2):"%ProgramFiles%\\Caf\xe9"         <- text with a type tag
 *   @="default value"
 *   "Count"=dword:00000001                            <- not text
 *   "Blob"=hex:01,02,\
 *     03,04                                           <- continued binary data
 *
 * Key paths and quoted texts escape '\' and '"' with a backslash, control
 * characters as \n \r \t \0 and friends, and characters outside ASCII as \x
 * followed by one to four hexadecimal digits (a UTF-16 code unit).
 */

namespace fs = std::filesystem;

namespace varnick::wine {

namespace {

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    }
    return true;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Collects UTF-16 code units from \x escapes so that a surrogate pair written
// as two escapes becomes one character.
class Utf8Builder {
public:
    void unit(std::uint32_t value)
    {
        if (value >= 0xD800 && value <= 0xDBFF) {
            flushHigh();
            mHigh = value;
            return;
        }
        if (value >= 0xDC00 && value <= 0xDFFF) {
            if (mHigh != 0) {
                appendUtf8(mText, 0x10000 + ((mHigh - 0xD800) << 10) + (value - 0xDC00));
                mHigh = 0;
            } else {
                appendUtf8(mText, 0xFFFD);
            }
            return;
        }
        flushHigh();
        appendUtf8(mText, value);
    }

    void byte(char c)
    {
        flushHigh();
        mText.push_back(c);
    }

    std::string finish()
    {
        flushHigh();
        return std::move(mText);
    }

private:
    void flushHigh()
    {
        if (mHigh != 0)
            appendUtf8(mText, 0xFFFD);
        mHigh = 0;
    }

    std::string mText;
    std::uint32_t mHigh = 0;
};

// Splits a line "[key path] stamp" into the decoded key path; nullopt if it is no section header.
std::optional<std::string> sectionKey(std::string_view line)
{
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const std::size_t close = findUnescaped(line, 1, ']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return unescape(line.substr(1, close - 1));
}

bool keyMatches(std::string_view sectionPath, std::string_view wanted)
{
    // Tolerate separators at either end of the requested path.
    while (!wanted.empty() && wanted.front() == '\\')
        wanted.remove_prefix(1);
    while (!wanted.empty() && wanted.back() == '\\')
        wanted.remove_suffix(1);
    return equalsNoCase(sectionPath, wanted);
}

struct ValueLine {
    std::string name; ///< decoded; empty for the default value "@"
    std::optional<std::string> text; ///< decoded text, nullopt for other types
};

std::optional<ValueLine> parseValueLine(std::string_view line)
{
    ValueLine value;
    std::size_t pos = 0;
    if (line.starts_with('@')) {
        pos = 1;
    } else if (line.starts_with('"')) {
        const std::size_t close = findUnescaped(line, 1, '"');
        if (close == std::string_view::npos)
            return std::nullopt;
        value.name = unescape(line.substr(1, close - 1));
        pos = close + 1;
    } else {
        return std::nullopt;
    }
    if (pos >= line.size() || line[pos] != '=')
        return std::nullopt;
    std::string_view data = line.substr(pos + 1);
    if (data.starts_with("str(")) {
        const std::size_t colon = data.find("):");
        if (colon == std::string_view::npos)
            return value;
        data.remove_prefix(colon + 2);
    }
    if (data.starts_with('"')) {
        const std::size_t close = findUnescaped(data, 1, '"');
        if (close == std::string_view::npos)
            return value; // damaged line: treat as no text
        std::string text = unescape(data.substr(1, close - 1));
        // The registry read ends at the first NUL (multi-string values keep their first string).
        if (const std::size_t nul = text.find('\0'); nul != std::string::npos)
            text.resize(nul);
        value.text = std::move(text);
    }
    return value;
}

} // namespace

fs::path prefixFolder()
{
    if (const auto prefix = environmentText("WINEPREFIX"))
        return pathFromUtf8(*prefix);
    const auto home = environmentText("HOME");
    return home ? pathFromUtf8(*home) / ".wine" : fs::path(".wine");
}

std::string unescape(std::string_view escaped)
{
    Utf8Builder out;
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        const char c = escaped[i];
        if (c != '\\' || i + 1 == escaped.size()) {
            out.byte(c);
            continue;
        }
        const char e = escaped[++i];
        switch (e) {
        case 'a':
            out.byte('\a');
            break;
        case 'b':
            out.byte('\b');
            break;
        case 'e':
            out.byte('\x1b');
            break;
        case 'f':
            out.byte('\f');
            break;
        case 'n':
            out.byte('\n');
            break;
        case 'r':
            out.byte('\r');
            break;
        case 't':
            out.byte('\t');
            break;
        case 'v':
            out.byte('\v');
            break;
        case 'x': {
            std::uint32_t value = 0;
            int digits = 0;
            while (digits < 4 && i + 1 < escaped.size() && hexDigit(escaped[i + 1]) >= 0) {
                value = value * 16 + static_cast<std::uint32_t>(hexDigit(escaped[++i]));
                ++digits;
            }
            if (digits == 0)
                out.byte('x');
            else
                out.unit(value);
            break;
        }
        default:
            if (e >= '0' && e <= '7') {
                std::uint32_t value = static_cast<std::uint32_t>(e - '0');
                for (int digits = 1;
                     digits < 3 && i + 1 < escaped.size() && escaped[i + 1] >= '0' && escaped[i + 1] <= '7'; ++digits)
                    value = value * 8 + static_cast<std::uint32_t>(escaped[++i] - '0');
                out.unit(value);
            } else {
                out.byte(e);
            }
        }
    }
    return out.finish();
}

std::size_t findUnescaped(std::string_view text, std::size_t from, char stop)
{
    for (std::size_t i = from; i < text.size(); ++i) {
        if (text[i] == '\\')
            ++i;
        else if (text[i] == stop)
            return i;
    }
    return std::string_view::npos;
}

std::string_view trimLineEnd(std::string_view line)
{
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    return line;
}

std::optional<std::string> findTextValue(
    std::string_view fileText, std::string_view keyPath, std::string_view valueName)
{
    bool inKey = false;
    std::size_t start = 0;
    while (start < fileText.size()) {
        std::size_t end = fileText.find('\n', start);
        if (end == std::string_view::npos)
            end = fileText.size();
        const std::string_view line = trimLineEnd(fileText.substr(start, end - start));
        start = end + 1;

        if (line.starts_with('[')) {
            if (inKey)
                return std::nullopt; // the key's values are behind us
            const auto key = sectionKey(line);
            inKey = key && keyMatches(*key, keyPath);
            continue;
        }
        if (!inKey)
            continue;
        const auto value = parseValueLine(line);
        if (value && equalsNoCase(value->name, valueName))
            return value->text;
    }
    return std::nullopt;
}

std::optional<std::string> readTextValue(const fs::path& regFile, std::string_view keyPath, std::string_view valueName)
{
    // A registry file is some megabytes; a larger one is damaged or not one, and is not read into memory.
    constexpr std::uintmax_t kMaxRegistryFileBytes = 128ull * 1024 * 1024;
    std::error_code sizeError;
    if (fs::file_size(regFile, sizeError) > kMaxRegistryFileBytes && !sizeError)
        return std::nullopt;
    std::ifstream in(regFile, std::ios::binary);
    if (!in)
        return std::nullopt;
    const std::string text { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
    if (in.bad())
        return std::nullopt;
    return findTextValue(text, keyPath, valueName);
}

std::optional<fs::path> hostPath(const fs::path& prefix, std::string_view windowsPath)
{
    if (windowsPath.size() < 2 || windowsPath[1] != ':')
        return std::nullopt;
    const char drive = asciiLower(windowsPath[0]);
    if (drive < 'a' || drive > 'z')
        return std::nullopt;

    std::error_code error;
    const fs::path link = prefix / "dosdevices" / std::string { drive, ':' };
    fs::path current = fs::canonical(link, error);
    if (error || !fs::is_directory(current, error))
        return std::nullopt;

    bool matching = true; // stop looking for spellings once a component is missing
    std::string_view rest = windowsPath.substr(2);
    while (!rest.empty()) {
        const std::size_t separator = rest.find_first_of("\\/");
        const std::string_view component = rest.substr(0, separator);
        rest = separator == std::string_view::npos ? std::string_view {} : rest.substr(separator + 1);
        if (component.empty() || component == ".")
            continue;

        fs::path next = current / pathFromUtf8(component);
        if (matching && !fs::exists(next, error)) {
            matching = false;
            for (fs::directory_iterator it(current, error), endIt; !error && it != endIt; it.increment(error)) {
                if (equalsNoCase(pathToUtf8(it->path().filename()), component)) {
                    next = it->path();
                    matching = true;
                    break;
                }
            }
            error.clear();
        }
        current = std::move(next);
    }
    return current;
}

} // namespace varnick::wine
