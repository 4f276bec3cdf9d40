#include "app/startup/core/WineRegistryFile.h"

#include "app/platform/WineRegistry.h"
#include "app/startup/core/GameFileError.h"

/*
 * A Wine registry file is line-oriented text, written by Wine itself:
 *
 *   WINE REGISTRY Version 2                           <- always the first line
 *   ;; All keys relative to \\Machine                  <- ';' comment
 *   #arch=win64                                       <- '#' note
 *
 *   [Software\\EA GAMES\\The Sims 2] 1700000000      <- key path, then a time stamp
 *   #time=1d9a0b2c3d4e5f6
 *   "Install Dir"="C:\\Program Files\\EA GAMES\\The Sims 2"
 *   "Title"=str(2):"%ProgramFiles%\\Caf\xe9"         <- text with a type tag
 *   @="default value"
 *   "Installed"=dword:00000001                        <- exactly eight hex digits
 *   "Blob"=hex:01,02,\
 *     03,04                                           <- continued binary data
 *
 * Key paths and quoted texts escape '\' and '"' with a backslash and
 * characters outside ASCII as \x with up to four hex digits. Anything else
 * (an unclosed quote or bracket, a value outside a key, a line of no known
 * shape, a file that ends inside continued data) marks a damaged or cut-off
 * file, which is refused whole.
 */

namespace varnick::wine {

namespace {

constexpr std::string_view kHeader = "WINE REGISTRY Version 2";

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string asciiLowerText(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        c = asciiLower(c);
    return lower;
}

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

std::string_view trimStart(std::string_view line)
{
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
        line.remove_prefix(1);
    return line;
}

[[noreturn]] void damaged(std::size_t lineNumber, Phrase what)
{
    throw GameFileError(Phrase(
        VARNICK_PHRASE("GameFiles", "is damaged at line %1: %2"), { std::to_string(lineNumber), std::move(what) }));
}

// Binary data: pairs of hex digits between commas; true when it continues on the next line.
bool checkHexData(std::string_view data, std::size_t lineNumber)
{
    const bool continues = !data.empty() && data.back() == '\\';
    if (continues)
        data.remove_suffix(1);
    for (const char c : data) {
        if (!isHexDigit(c) && c != ',' && c != ' ' && c != '\t')
            damaged(lineNumber, Phrase(VARNICK_PHRASE("GameFiles", "binary data holds '%1'"), { std::string(1, c) }));
    }
    return continues;
}

// The text inside a quoted value that must fill the rest of the line.
std::string quotedText(std::string_view data, std::size_t lineNumber)
{
    const std::size_t close = findUnescaped(data, 1, '"');
    if (close == std::string_view::npos)
        damaged(lineNumber, Phrase(VARNICK_PHRASE("GameFiles", "a text has no closing quote")));
    if (!trimStart(data.substr(close + 1)).empty())
        damaged(lineNumber, Phrase(VARNICK_PHRASE("GameFiles", "text follows a closed value")));
    std::string text = unescape(data.substr(1, close - 1));
    if (const std::size_t nul = text.find('\0'); nul != std::string::npos)
        text.resize(nul);
    return text;
}

struct ParsedValue {
    std::string name;
    RegistryValue value;
    bool continues = false; ///< binary data goes on in the next line
};

ParsedValue parseValueLine(std::string_view line, std::size_t lineNumber)
{
    ParsedValue parsed;
    std::size_t pos = 0;
    if (line.front() == '@') {
        pos = 1;
    } else {
        const std::size_t close = findUnescaped(line, 1, '"');
        if (close == std::string_view::npos)
            damaged(lineNumber, Phrase(VARNICK_PHRASE("GameFiles", "a value name has no closing quote")));
        parsed.name = unescape(line.substr(1, close - 1));
        pos = close + 1;
    }
    if (pos >= line.size() || line[pos] != '=')
        damaged(lineNumber, Phrase(VARNICK_PHRASE("GameFiles", "a value name is not followed by '='")));
    std::string_view data = line.substr(pos + 1);

    if (data.starts_with("str(") || data.starts_with("str:")) {
        const std::size_t colon = data.find(':');
        if (colon == std::string_view::npos || (data[3] == '(' && (colon < 6 || data[colon - 1] != ')')))
            damaged(lineNumber, Phrase(VARNICK_PHRASE("GameFiles", "a text type has no closing parenthesis")));
        data.remove_prefix(colon + 1);
        if (!data.starts_with('"'))
            damaged(lineNumber, Phrase(VARNICK_PHRASE("GameFiles", "a typed text is not quoted")));
    }
    if (data.starts_with('"')) {
        parsed.value.kind = RegistryValue::Kind::Text;
        parsed.value.text = quotedText(data, lineNumber);
    } else if (data.starts_with("dword:")) {
        const std::string_view digits = data.substr(6);
        if (digits.size() != 8)
            damaged(lineNumber, Phrase(VARNICK_PHRASE("GameFiles", "a dword value does not have eight hex digits")));
        std::uint32_t number = 0;
        for (const char c : digits) {
            if (!isHexDigit(c))
                damaged(
                    lineNumber, Phrase(VARNICK_PHRASE("GameFiles", "a dword value does not have eight hex digits")));
            const int digit = c <= '9' ? c - '0' : asciiLower(c) - 'a' + 10;
            number = number * 16 + static_cast<std::uint32_t>(digit);
        }
        parsed.value.kind = RegistryValue::Kind::Number;
        parsed.value.number = number;
    } else if (data.starts_with("hex:") || data.starts_with("hex(")) {
        const std::size_t colon = data.find(':');
        if (colon == std::string_view::npos || data[colon - 1] != (data[3] == '(' ? ')' : 'x'))
            damaged(lineNumber, Phrase(VARNICK_PHRASE("GameFiles", "a binary type has no closing parenthesis")));
        parsed.continues = checkHexData(data.substr(colon + 1), lineNumber);
    } else {
        damaged(lineNumber, Phrase(VARNICK_PHRASE("GameFiles", "a value of unknown type")));
    }
    return parsed;
}

} // namespace

std::string lowerKeyPath(std::string_view keyPath)
{
    while (!keyPath.empty() && keyPath.front() == '\\')
        keyPath.remove_prefix(1);
    while (!keyPath.empty() && keyPath.back() == '\\')
        keyPath.remove_suffix(1);
    return asciiLowerText(keyPath);
}

RegistryFile RegistryFile::parse(std::string_view text, const KeyFilter& keep)
{
    if (text.find('\0') != std::string_view::npos)
        throw GameFileError(Phrase(VARNICK_PHRASE("GameFiles", "is not a text file (it holds NUL bytes)")));

    RegistryFile file;
    std::map<std::string, RegistryValue>* current = nullptr; // the kept key the values go to
    bool inKey = false;
    bool continuing = false;
    std::size_t lineNumber = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        ++lineNumber;
        if (end - start > kMaxLineBytes)
            damaged(lineNumber,
                Phrase(VARNICK_PHRASE("GameFiles", "the line is longer than %1"), { sizePhrase(kMaxLineBytes) }));
        const std::string_view line = trimLineEnd(text.substr(start, end - start));
        start = end + 1;

        if (lineNumber == 1) {
            if (line != kHeader)
                throw GameFileError(
                    Phrase(VARNICK_PHRASE("GameFiles", "is not a Wine registry file (its first line is not \"%1\")"),
                        { std::string(kHeader) }));
            continue;
        }
        if (continuing) {
            continuing = checkHexData(trimStart(line), lineNumber);
            continue;
        }
        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[') {
            const std::size_t close = findUnescaped(line, 1, ']');
            if (close == std::string_view::npos)
                damaged(lineNumber, Phrase(VARNICK_PHRASE("GameFiles", "a key name has no closing bracket")));
            const std::string key = lowerKeyPath(unescape(line.substr(1, close - 1)));
            inKey = true;
            current = (!keep || keep(key)) ? &file.mKeys[key] : nullptr;
            continue;
        }
        if (line.front() != '"' && line.front() != '@')
            damaged(lineNumber, Phrase(VARNICK_PHRASE("GameFiles", "the line is neither a key nor a value")));
        if (!inKey)
            damaged(lineNumber, Phrase(VARNICK_PHRASE("GameFiles", "a value stands before the first key")));
        ParsedValue parsed = parseValueLine(line, lineNumber);
        continuing = parsed.continues;
        if (current != nullptr)
            (*current)[asciiLowerText(parsed.name)] = std::move(parsed.value);
    }
    if (lineNumber == 0)
        throw GameFileError(Phrase(VARNICK_PHRASE("GameFiles", "is empty")));
    if (continuing)
        throw GameFileError(Phrase(VARNICK_PHRASE("GameFiles", "ends inside a value (the file was cut off)")));
    return file;
}

RegistryFile RegistryFile::read(const std::filesystem::path& file, const KeyFilter& keep, std::uintmax_t maxBytes)
{
    return parse(readGameFile(file, maxBytes), keep);
}

const RegistryValue* RegistryFile::value(std::string_view keyPath, std::string_view name) const
{
    const auto key = mKeys.find(lowerKeyPath(keyPath));
    if (key == mKeys.end())
        return nullptr;
    const auto value = key->second.find(asciiLowerText(name));
    return value == key->second.end() ? nullptr : &value->second;
}

std::optional<std::string> RegistryFile::text(std::string_view keyPath, std::string_view name) const
{
    const RegistryValue* found = value(keyPath, name);
    if (found == nullptr || found->kind != RegistryValue::Kind::Text)
        return std::nullopt;
    return found->text;
}

bool RegistryFile::hasKey(std::string_view keyPath) const
{
    return mKeys.find(lowerKeyPath(keyPath)) != mKeys.end();
}

} // namespace varnick::wine
