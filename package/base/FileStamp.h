#pragma once

// A file's size and modification time: what every writer compares, between
// reading a file and replacing it, to notice that another program (the game,
// a second window, a second tool) changed it meanwhile.

#include <cstdint>
#include <filesystem>
#include <optional>

namespace varnick {

struct FileStamp {
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified {};
    bool operator==(const FileStamp&) const = default;
};

/// The size and modification time of fileName now; nothing when either cannot be read. Never throws.
std::optional<FileStamp> fileStampOf(const std::filesystem::path& fileName);

} // namespace varnick
