#include "app/startup/core/GameFileError.h"

#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace varnick {

std::string sizeText(std::uintmax_t bytes)
{
    constexpr std::uintmax_t kMiB = 1024 * 1024;
    if (bytes >= kMiB && bytes % kMiB == 0)
        return std::to_string(bytes / kMiB) + " MiB";
    return std::to_string(bytes) + " bytes";
}

std::string readGameFile(const fs::path& file, std::uintmax_t maxBytes)
{
    std::error_code error;
    const std::uintmax_t size = fs::file_size(file, error);
    if (error)
        throw GameFileError("cannot be read (" + error.message() + ")");
    if (size > maxBytes)
        throw GameFileError("is larger than " + sizeText(maxBytes) + " (" + std::to_string(size) + " bytes)");
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw GameFileError("cannot be opened");
    std::string text(static_cast<std::size_t>(size), '\0');
    in.read(text.data(), static_cast<std::streamsize>(size));
    // A file that grew while being read is taken as far as its size said.
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad())
        throw GameFileError("cannot be read");
    return text;
}

} // namespace varnick
