#pragma once

#include "package/base/Phrase.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

namespace varnick {

/// A file the game search reads (a Wine registry file, a Steam library list,
/// the remembered choice) that cannot be used: unreadable, too large, or not
/// in its format. what() is the reason as the player reads it; the search
/// skips the file and lists it with that reason.
class GameFileError : public std::runtime_error {
public:
    explicit GameFileError(Phrase reason)
        : std::runtime_error(reason.english())
        , mReason(std::make_shared<const Phrase>(std::move(reason)))
    {
    }

    /// what() as it was worded, for a window to say in the player's language.
    const Phrase& reason() const noexcept { return *mReason; }

private:
    // Shared, so that copying the error (as exceptions are) cannot throw.
    std::shared_ptr<const Phrase> mReason;
};

/// The whole of file, refused unread when it is larger than maxBytes. Throws
/// GameFileError when it cannot be read or is too large.
std::string readGameFile(const std::filesystem::path& file, std::uintmax_t maxBytes);

/// "12 MiB", "300 bytes": a size for a reason text.
std::string sizeText(std::uintmax_t bytes);
/// sizeText as a Phrase.
Phrase sizePhrase(std::uintmax_t bytes);

} // namespace varnick
