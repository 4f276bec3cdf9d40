#pragma once

// Keeping packages compressed: every resource stored compressed where that
// makes it shorter, and the directory of compressed files (type E86B1EEF)
// rebuilt to list exactly the resources stored compressed, with their
// uncompressed sizes. Compression goes through Kelvora's CompressLevel.

#include "package/PackageFile.h"
#include "package/base/Bytes.h"

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace varnick {

/// The level recompression uses unless told otherwise (1 fastest .. 9 smallest).
inline constexpr int kDefaultRecompressLevel = 6;

/// What recompressPackage did to a package in memory.
struct RecompressSummary {
    std::size_t resources = 0; ///< resources other than the directory
    std::size_t compressed = 0; ///< of them, stored compressed afterwards
    std::size_t newlyCompressed = 0; ///< of them, stored plain before and compressed now
};

/// Whether a resource is the directory of compressed files (type E86B1EEF).
bool isCompressedDirectory(const PackageResource& resource);

/// The contents of each resource, in pkg.Files order (the directory's own bytes
/// for it). Throws Failure(DamagedCompression) naming the resource when one
/// stored compressed cannot be decoded.
std::vector<ByteString> decodedContents(const PackageFile& pkg);

/// Stores every resource of pkg compressed at level where that is shorter than
/// what is stored now (a resource already stored compressed keeps its bytes
/// unless the new stream is shorter), leaves the others as they are, and
/// rebuilds the directory (rebuildCompressedDirectory). Throws
/// Failure(DamagedCompression) for a damaged compressed resource; pkg is then unchanged.
RecompressSummary recompressPackage(PackageFile& pkg, int level = kDefaultRecompressLevel);

/// Makes the directory of compressed files list exactly the resources stored
/// compressed (bytes 4-5 are 10 FB), in pkg.Files order, with their
/// uncompressed sizes: the first directory resource gets the new records, any
/// further one is dropped, one is added at the end (group E86B1EEF, instance
/// 286B1F03) when none exists, and none is kept when no resource is compressed.
/// Throws Failure(DamagedCompression) for a damaged compressed resource.
void rebuildCompressedDirectory(PackageFile& pkg);

/// The bytes to store for a resource whose contents a save replaces: contents
/// compressed at level when previousStored was stored compressed and
/// compression makes contents shorter; otherwise contents unchanged. (The
/// directory then needs rebuildCompressedDirectory.)
ByteString storedFormOfReplacement(ByteView previousStored, ByteView contents, int level = kDefaultRecompressLevel);

/// How one package file fared.
struct RecompressFileResult {
    std::filesystem::path file;
    bool refused = false; ///< left as it was because of reason
    std::string reason;
    bool changed = false; ///< the file was (or, in a dry run, would be) replaced
    std::int64_t bytesBefore = 0;
    std::int64_t bytesAfter = 0; ///< the file's size afterwards (or as it would be)
    RecompressSummary summary;
};

struct RecompressOptions {
    int level = kDefaultRecompressLevel;
    bool dryRun = false; ///< compute everything, replace nothing
    unsigned threads = 0; ///< 0: one per core
    /// Keeps the previous version of a file just before it is replaced (the
    /// program's backups); none when empty. Called from the worker threads,
    /// one file each; a throw refuses that file and leaves it as it was.
    std::function<void(const std::filesystem::path& file)> keepPrevious;
    /// Test seam: sees the package bytes about to be checked and written, and may damage them.
    std::function<void(ByteString& bytes)> beforeCheckForTesting;
};

/// Recompresses one package file: reads it, recompressPackage, and checks that
/// the new bytes read back as a package whose resources decode to exactly the
/// original's (the directory aside); only then, and only when they differ from
/// the file, keeps its previous version (keepPrevious) and replaces it
/// atomically, provided its size and modification time are still those of the
/// read (else it is refused: another program changed it). Any failure leaves
/// the file as it was and is reported as refused with its reason; never throws.
RecompressFileResult recompressFile(const std::filesystem::path& file, const RecompressOptions& options);

/// The *.package files of paths: files as given, folders searched recursively;
/// sorted, duplicates removed. Missing paths are reported in missing.
std::vector<std::filesystem::path> collectPackageFiles(
    const std::vector<std::filesystem::path>& paths, std::vector<std::string>& missing);

/// Runs recompressFile over files on a pool of std::threads, calling progress
/// (serialised, from the worker threads) after each file with the count done.
/// Results are in the order of files. Stops taking new files once cancel is set.
std::vector<RecompressFileResult> recompressFiles(const std::vector<std::filesystem::path>& files,
    const RecompressOptions& options,
    const std::function<void(std::size_t done, std::size_t total, const RecompressFileResult& result)>& progress = {},
    const std::atomic<bool>* cancel = nullptr);

} // namespace varnick
