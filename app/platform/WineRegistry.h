#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Reading the registry of a Wine prefix, where the game runs on systems
// without a registry of their own, and translating its Windows paths into
// paths of the host file system.

namespace varnick::wine {

/// The prefix folder: WINEPREFIX when set, else ~/.wine.
std::filesystem::path prefixFolder();

/// Decodes the inside of a quoted key name or string value (without its
/// quotes) into UTF-8. Never fails: unknown escapes stand for the escaped
/// character, a lone surrogate becomes U+FFFD, bytes above 127 pass unchanged.
std::string unescape(std::string_view escaped);

/// The position of the first character stop at or after from that no
/// backslash escapes (the end of a quoted name or text), or npos.
std::size_t findUnescaped(std::string_view text, std::size_t from, char stop);

/// A line of a registry file without the carriage return, spaces and tabs at its end.
std::string_view trimLineEnd(std::string_view line);

/// Finds a text value in the contents of a registry file. keyPath is relative
/// to the file's root ("Software\\EA GAMES\\The Sims 2"); key path and value
/// name are compared without regard to ASCII case, and an empty valueName means
/// the key's default value. Returns nullopt when the key or value is missing or
/// the value is not text; the text ends before its first NUL character.
std::optional<std::string> findTextValue(
    std::string_view fileText, std::string_view keyPath, std::string_view valueName);

/// findTextValue on the file at regFile; nullopt when the file cannot be read or is larger than 128 MiB.
std::optional<std::string> readTextValue(
    const std::filesystem::path& regFile, std::string_view keyPath, std::string_view valueName);

/// The host path of a Windows drive path ("C:\\users\\me\\Documents") inside
/// prefix, through its dosdevices drive links. Path components that do not
/// exist with the exact spelling are matched without ASCII case, as Windows
/// would; the rest is appended unchanged. nullopt when windowsPath is not a
/// drive path or the prefix has no link for its drive.
std::optional<std::filesystem::path> hostPath(const std::filesystem::path& prefix, std::string_view windowsPath);

} // namespace varnick::wine
