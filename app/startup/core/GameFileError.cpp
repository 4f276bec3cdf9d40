#include "app/startup/core/GameFileError.h"

#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace varnick {

std::string sizeText(std::uintmax_t bytes)
{
    return sizePhrase(bytes).english();
}

Phrase sizePhrase(std::uintmax_t bytes)
{
    constexpr std::uintmax_t kMiB = 1024 * 1024;
    if (bytes >= kMiB && bytes % kMiB == 0)
        return Phrase(VARNICK_PHRASE("GameFiles", "%1 MiB"), { std::to_string(bytes / kMiB) });
    return Phrase(VARNICK_PHRASE("GameFiles", "%1 bytes"), { std::to_string(bytes) });
}

std::string readGameFile(const fs::path& file, std::uintmax_t maxBytes)
{
    std::error_code error;
    const std::uintmax_t size = fs::file_size(file, error);
    if (error)
        throw GameFileError(Phrase(VARNICK_PHRASE("GameFiles", "cannot be read (%1)"), { error.message() }));
    if (size > maxBytes)
        throw GameFileError(Phrase(VARNICK_PHRASE("GameFiles", "is larger than %1 (%2 bytes)"),
            { sizePhrase(maxBytes), std::to_string(size) }));
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw GameFileError(Phrase(VARNICK_PHRASE("GameFiles", "cannot be opened")));
    std::string text(static_cast<std::size_t>(size), '\0');
    in.read(text.data(), static_cast<std::streamsize>(size));
    // A file that grew while being read is taken as far as its size said.
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad())
        throw GameFileError(Phrase(VARNICK_PHRASE("GameFiles", "cannot be read")));
    return text;
}

} // namespace varnick
