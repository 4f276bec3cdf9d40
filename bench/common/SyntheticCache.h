#pragma once

// Synthetic thumbnail caches for the benchmarks: count catalog thumbnails
// (type AC2950C1, resource identifiers 7Fxxxxxx) streamed to the file without
// holding it in memory:
//   0   header (96 bytes: "DBPF", version 1.1, index 7.2, count/offset/size)
//   96  the thumbnails back to back, 1000 to 2 x average - 1000 bytes each
//       [the directory of compressed files, when some are marked compressed]
//   ... the index, 24 bytes per entry (type, group, instance, resource, offset, size)

#include <cstdint>
#include <filesystem>
#include <vector>

namespace varnick::bench {

struct SyntheticCacheShape {
    std::uint32_t group = 0; ///< group identifier of every thumbnail
    bool jpegMarker = true; ///< each thumbnail begins FF D8, as a JPEG does
    /// Every n-th thumbnail (at i % n == n / 2) carries a compression header and
    /// is listed in a directory of compressed files; 0: none, and no directory.
    std::uint32_t compressedEvery = 0;
};

/// The resource identifier of thumbnail i.
std::uint32_t syntheticThumbnailResource(std::uint32_t i);

/// Writes the cache; the same arguments give the same file. Returns the
/// thumbnails' resource identifiers in index order. Exits with a message when
/// the file cannot be written.
std::vector<std::uint32_t> writeSyntheticThumbnailCache(const std::filesystem::path& file, std::uint32_t count,
    std::uint32_t averageBytes, const SyntheticCacheShape& shape = {});

} // namespace varnick::bench
