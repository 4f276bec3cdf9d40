#include "app/startup/core/RememberedGame.h"

#include "app/platform/Registry.h"
#include "app/startup/core/GameFileError.h"
#include "package/base/Environment.h"
#include "package/base/Paths.h"
#include "package/base/Utf8.h"

#include <mutex>
#include <system_error>

/*
 * The settings INI file as the program's settings layer writes it:
 *
 *   [Settings]
 *   Game%20Data%20Folder="C:\\Users\\Zo\xeb\\Documents\\EA Games\\The Sims 2, Copy"
 *   Plain=C:\\Users\\me\\Documents                  <- unquoted when nothing needs quotes
 *   At=@@home                                        <- a text starting with '@'
 *
 * Keys escape characters outside letters, digits and "-_." as %XX or %UXXXX.
 * Values escape '\' and '"' with a backslash and control characters as
 * \n \t \xHH; text with ',', ';', '=' or blanks at its ends is quoted. A
 * comma outside quotes separates the items of a list, which is no folder.
 */

namespace fs = std::filesystem;

namespace varnick {

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

void appendUtf8(std::string& out, std::uint32_t codePoint)
{
    if (codePoint >= 0xD800 && codePoint <= 0xDFFF)
        codePoint = 0xFFFD; // a lone surrogate names no character
    if (codePoint < 0x80) {
        out.push_back(static_cast<char>(codePoint));
    } else if (codePoint < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    }
}

// "Game%20Data%20Folder" -> "Game Data Folder"; a malformed escape stays as written.
std::string unescapedKey(std::string_view key)
{
    std::string out;
    for (std::size_t i = 0; i < key.size(); ++i) {
        if (key[i] == '%' && i + 5 < key.size() && key[i + 1] == 'U') {
            std::uint32_t value = 0;
            bool valid = true;
            for (std::size_t j = i + 2; j < i + 6; ++j) {
                const int digit = hexValue(key[j]);
                valid = valid && digit >= 0;
                value = value * 16 + static_cast<std::uint32_t>(digit < 0 ? 0 : digit);
            }
            if (valid) {
                appendUtf8(out, value);
                i += 5;
                continue;
            }
        }
        if (key[i] == '%' && i + 2 < key.size() && hexValue(key[i + 1]) >= 0 && hexValue(key[i + 2]) >= 0) {
            out.push_back(static_cast<char>(hexValue(key[i + 1]) * 16 + hexValue(key[i + 2])));
            i += 2;
            continue;
        }
        out.push_back(key[i]);
    }
    return out;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

std::string unescapedValue(std::string_view raw)
{
    std::string out;
    bool quoted = false;
    std::size_t keptUpTo = 0; // blanks outside quotes at the end do not count
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '"') {
            quoted = !quoted;
            keptUpTo = out.size();
            continue;
        }
        if (c == ',' && !quoted)
            throw GameFileError(Phrase(VARNICK_PHRASE("GameFiles", "holds a list where one folder was expected")));
        if (c != '\\') {
            out.push_back(c);
            if (quoted || (c != ' ' && c != '\t'))
                keptUpTo = out.size();
            continue;
        }
        if (++i == raw.size())
            throw GameFileError(Phrase(VARNICK_PHRASE("GameFiles", "ends inside an escape")));
        const char e = raw[i];
        switch (e) {
        case 'a':
            out.push_back('\a');
            break;
        case 'b':
            out.push_back('\b');
            break;
        case 'f':
            out.push_back('\f');
            break;
        case 'n':
            out.push_back('\n');
            break;
        case 'r':
            out.push_back('\r');
            break;
        case 't':
            out.push_back('\t');
            break;
        case 'v':
            out.push_back('\v');
            break;
        case 'x': {
            std::uint32_t value = 0;
            int digits = 0;
            while (digits < 4 && i + 1 < raw.size() && hexValue(raw[i + 1]) >= 0) {
                value = value * 16 + static_cast<std::uint32_t>(hexValue(raw[++i]));
                ++digits;
            }
            if (digits == 0)
                throw GameFileError(Phrase(VARNICK_PHRASE("GameFiles", "holds an escape \\x without digits")));
            appendUtf8(out, value);
            break;
        }
        default:
            if (e >= '0' && e <= '7') {
                std::uint32_t value = static_cast<std::uint32_t>(e - '0');
                for (int digits = 1; digits < 3 && i + 1 < raw.size() && raw[i + 1] >= '0' && raw[i + 1] <= '7';
                     ++digits)
                    value = value * 8 + static_cast<std::uint32_t>(raw[++i] - '0');
                appendUtf8(out, value);
            } else {
                out.push_back(e); // \\ \" \' \? and anything else stand for themselves
            }
        }
        keptUpTo = out.size();
    }
    if (quoted)
        throw GameFileError(Phrase(VARNICK_PHRASE("GameFiles", "has a text without its closing quote")));
    out.resize(keptUpTo);
    return out;
}

std::mutex& readerMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::function<RememberedFolder()>& readerOverride()
{
    static std::function<RememberedFolder()> reader;
    return reader;
}

} // namespace

std::optional<std::string> iniSettingValue(std::string_view iniText, std::string_view section, std::string_view key)
{
    std::optional<std::string_view> found;
    bool inSection = false;
    std::size_t start = 0;
    while (start < iniText.size()) {
        std::size_t end = iniText.find('\n', start);
        if (end == std::string_view::npos)
            end = iniText.size();
        const std::string_view line = trimmed(iniText.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            inSection = close != std::string_view::npos && unescapedKey(line.substr(1, close - 1)) == section;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inSection || equals == std::string_view::npos)
            continue;
        // A later line of the same key wins, as when the store reads the file.
        if (unescapedKey(trimmed(line.substr(0, equals))) == key)
            found = trimmed(line.substr(equals + 1));
    }
    if (!found)
        return std::nullopt;
    std::string_view raw = *found;
    if (raw.starts_with("@@"))
        raw.remove_prefix(1);
    else if (raw.starts_with('@'))
        throw GameFileError(Phrase(VARNICK_PHRASE("GameFiles", "holds a value that is not a text")));
    return unescapedValue(raw);
}

fs::path settingsIniFile()
{
    if (const auto file = environmentText("VARNICK_SETTINGS_FILE"))
        return pathFromUtf8(*file);
#if defined(_WIN32) || defined(__APPLE__)
    return {};
#else
    fs::path base;
    if (const auto config = environmentText("XDG_CONFIG_HOME"))
        base = pathFromUtf8(*config);
    else if (const auto home = environmentText("HOME"))
        base = pathFromUtf8(*home) / ".config";
    else
        return {};
    return base / "Varnick" / "Varnick.conf";
#endif
}

RememberedFolder readRememberedGameFolder()
{
    RememberedFolder remembered;
    const fs::path ini = settingsIniFile();
    if (!ini.empty()) {
        remembered.store = pathToUtf8(ini);
        std::error_code error;
        if (!fs::exists(ini, error))
            return remembered;
        remembered.value
            = iniSettingValue(readGameFile(ini, kMaxSettingsFileBytes), "Settings", kGameDataFolderSetting);
        return remembered;
    }
#ifdef _WIN32
    constexpr std::string_view key = "Software\\Varnick\\Varnick\\Settings";
    remembered.store = "HKCU\\" + std::string(key);
    if (const auto value = readRegistryText(RegistryRoot::CurrentUser, key, kGameDataFolderSetting))
        remembered.value = value->text;
#endif
    return remembered;
}

fs::path checkedRememberedFolder(std::string_view value)
{
    if (value.size() > kMaxRememberedFolderBytes)
        throw GameFileError(Phrase(
            VARNICK_PHRASE("GameFiles", "is longer than %1 bytes"), { std::to_string(kMaxRememberedFolderBytes) }));
    if (!isValidUtf8(value))
        throw GameFileError(Phrase(VARNICK_PHRASE("GameFiles", "is not valid UTF-8 text")));
    for (const char c : value) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            throw GameFileError(Phrase(VARNICK_PHRASE("GameFiles", "holds control characters")));
    }
    const fs::path folder = pathFromUtf8(value);
#ifdef _WIN32
    const bool absolute = folder.is_absolute();
#else
    const bool absolute = !value.empty() && value.front() == '/';
#endif
    if (!absolute)
        throw GameFileError(
            Phrase(VARNICK_PHRASE("GameFiles", "is not a full folder path (%1)"), { std::string(value) }));
    std::error_code error;
    if (!fs::is_directory(folder, error))
        throw GameFileError(
            Phrase(VARNICK_PHRASE("GameFiles", "names a folder that does not exist (%1)"), { std::string(value) }));
    return folder;
}

void setRememberedGameFolderReader(std::function<RememberedFolder()> reader)
{
    const std::lock_guard lock(readerMutex());
    readerOverride() = std::move(reader);
}

RememberedFolder rememberedGameFolder()
{
    std::function<RememberedFolder()> reader;
    {
        const std::lock_guard lock(readerMutex());
        reader = readerOverride();
    }
    return reader ? reader() : readRememberedGameFolder();
}

} // namespace varnick
