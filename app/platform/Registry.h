#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace varnick {

/// The predefined registry roots the program reads, with their Windows handle values.
enum class RegistryRoot : std::uint32_t {
    CurrentUser = 0x80000001u,
    LocalMachine = 0x80000002u,
};

/// A text value as read from the registry.
struct RegistryText {
    std::string text; ///< UTF-8, up to the first NUL
    std::uint32_t sizeInChars = 0; ///< the size the registry reports, in characters with the closing NUL
};

/// Reads the text value valueName of key keyPath below root. Read-only access;
/// a value of any length is read whole (initialChars is only the first buffer
/// size tried). On Windows through the wide-character registry API, reading
/// the 32-bit view of the machine key first (where a 32-bit game's installer
/// writes) and then the native one; elsewhere from the Wine prefix's system.reg
/// (machine) or user.reg (user). nullopt when the key or value is missing,
/// access is refused, or the value is not text. Never throws for those.
std::optional<RegistryText> readRegistryText(
    RegistryRoot root, std::string_view keyPath, std::string_view valueName, std::uint32_t initialChars = 255);

/// Turns a path as the registry stores it into a path of this machine's file
/// system: unchanged on Windows; elsewhere a drive path is translated through
/// the Wine prefix's drive links, anything else is returned unchanged.
std::string registryPathToHostPath(std::string_view path);

/// The long-name form of an existing file or folder path, of any length;
/// nullopt when the platform cannot resolve it (for example it does not exist).
std::optional<std::string> longPathName(std::string_view path);

} // namespace varnick
