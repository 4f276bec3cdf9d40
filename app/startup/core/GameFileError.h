#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace varnick {

/// A file the game search reads (a Wine registry file, a Steam library list,
/// the remembered choice) that cannot be used: unreadable, too large, or not
/// in its format. what() is the reason as the player reads it; the search
/// skips the file and lists it with that reason.
class GameFileError : public std::runtime_error {
public:
    explicit GameFileError(const std::string& reason)
        : std::runtime_error(reason)
    {
    }
};

/// The whole of file, refused unread when it is larger than maxBytes. Throws
/// GameFileError when it cannot be read or is too large.
std::string readGameFile(const std::filesystem::path& file, std::uintmax_t maxBytes);

/// "12 MiB", "300 bytes": a size for a reason text.
std::string sizeText(std::uintmax_t bytes);

} // namespace varnick
