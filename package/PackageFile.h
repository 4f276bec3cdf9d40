#pragma once

#include "package/ResourceKey.h"
#include "package/base/Bytes.h"

#include <array>
#include <cstdint>
#include <vector>

namespace varnick {

// NOLINTBEGIN(readability-identifier-naming): the game's records keep their fields' names
/// One entry of a package's index: the resource's key and where its stored
/// bytes lie in the file.
struct IndexEntry : ResourceKey {
    std::int32_t Offset = 0;
    std::int32_t Size = 0;
};

/// One entry of the hole table (carried, not used).
struct HoleEntry {
    std::int32_t Offset = 0;
    std::int32_t Size = 0;
};

/// One resource of a package as stored (Data may be compressed).
struct PackageResource : ResourceKey {
    ByteString Data;
    std::int32_t Size = 0;
    std::int32_t Spare1 = 0;
    std::int16_t Spare2 = 0;
};

/// One record of the directory of compressed files.
struct DirectoryEntry : ResourceKey {
    std::int32_t Size = 0; ///< uncompressed size
};

/// The fields of the 96-byte header, in file order.
struct PackageHeader {
    std::int32_t Magic = 0;
    std::int32_t MajorVersion = 0;
    std::int32_t MinorVersion = 0;
    std::array<std::int32_t, 3> Reserved1 {};
    std::int32_t DateCreated = 0;
    std::int32_t DateModified = 0;
    std::int32_t IndexMajorVersion = 0;
    std::int32_t IndexCount = 0;
    std::int32_t IndexOffset = 0;
    std::int32_t IndexSize = 0;
    std::int32_t HoleCount = 0;
    std::int32_t HoleOffset = 0;
    std::int32_t HoleSize = 0;
    std::int32_t IndexMinorVersion = 0;
    ByteString Reserved2 = ByteString(32, '\0'); ///< the 32-byte tail of the header
};

/// A package in memory: the header's fields, then the index, the hole table
/// and the resources. Files is the working copy that the writer saves; it
/// rebuilds Index from it. The arrays are zero-based.
struct PackageFile : PackageHeader {
    std::vector<IndexEntry> Index;
    std::vector<HoleEntry> Holes;
    std::vector<PackageResource> Files;
};
// NOLINTEND(readability-identifier-naming)

/// Size of the fixed header at the start of every package.
inline constexpr std::int64_t kPackageHeaderSize = 96;

} // namespace varnick
