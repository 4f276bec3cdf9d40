#pragma once
// One scan of a library through its persistent index: lists the packages
// below the root, rereads on worker threads only those whose size or
// modification time changed (or that are new), forgets the removed ones,
// hashes the files whose size another file shares, and reads the game's own
// object GUIDs when the game's object packages changed since they were kept.

#include "app/health/core/PackageRecord.h"
#include "app/health/index/LibraryIndex.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace varnick::health {

/// Called from the worker threads (serialised) with the files done and the files to do.
using ScanProgress = std::function<void(std::size_t done, std::size_t total)>;

struct ScanOptions {
    std::filesystem::path root;
    std::filesystem::path gameFolder; ///< the installed game ("" when none)
    unsigned threads = 0; ///< worker threads; 0 picks the machine's count, at least two
    ScanProgress progress;
    const std::atomic<bool>* cancel = nullptr; ///< set to stop; the work done so far is kept in the index
    /// Test seam: runs on the index's writer thread before each write; it may throw.
    std::function<void()> beforeIndexWriteForTesting;
};

struct ScanResult {
    std::vector<PackageRecord> records; ///< every package below the root, by relative path
    std::vector<std::uint32_t> gameGuids;
    std::vector<std::string>
        sims2Packs; ///< every "*.sims2pack" below the root (relative, sorted), which the game does not read
    std::size_t reread = 0; ///< packages read this time (the others came from the index)
    bool cancelled = false;
};

/// The path of file below root as the index keys it: UTF-8 with '/' separators.
std::string relativeText(const std::filesystem::path& file, const std::filesystem::path& root);

/// Every "*.package" below root (any letter case), with size and time; unlistable folders are passed over.
/// With sims2Packs, the relative paths of the "*.sims2pack" files met on the way are added to it (sorted).
std::vector<PackageRecord> listPackages(
    const std::filesystem::path& root, std::vector<std::string>* sims2Packs = nullptr);

/// Runs one scan (see the file comment). Throws Failure when the index fails or the root cannot be listed;
/// anything else that fails on one of its threads (out of memory) is thrown here once they have ended.
ScanResult scanLibrary(LibraryIndex& index, const ScanOptions& options);

} // namespace varnick::health
