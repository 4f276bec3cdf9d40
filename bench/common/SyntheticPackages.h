#pragma once

// Synthetic package files for the benchmarks, made with the shared package
// builder: shaped like downloaded custom content (a handful of resources of a
// few kilobytes each), written with the library's own writer so that the
// readers meet what the program writes.

#include "package/PackageFile.h"

#include "package/base/Bytes.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace varnick::bench {

struct SyntheticShape {
    int resourcesPerPackage = 12; ///< index entries per package
    std::int32_t minResourceSize = 200; ///< bytes
    std::int32_t maxResourceSize = 4000;
    std::uint32_t seed = 1;
};

/// A catalog text list (as the game writes it: 64-byte name, format code,
/// entries of language, text and comment) with the name and description.
ByteString catalogTextList(const std::string& name, const std::string& description);

/// A package record with resources of the given shape; the same seed gives the same package.
PackageFile makeSyntheticPackage(const SyntheticShape& shape, std::uint32_t packageNumber);

/// Writes count packages named "synthetic-<n>.package" into folder (created
/// when missing) unless they are already there; returns their paths.
std::vector<std::filesystem::path> writeSyntheticPackages(
    const std::filesystem::path& folder, int count, const SyntheticShape& shape = {});

/// Writes one package of about megabytes MiB (resources of resourceSize bytes) to file.
void writeLargePackage(const std::filesystem::path& file, std::int64_t megabytes, std::int32_t resourceSize);

} // namespace varnick::bench
