#pragma once

// Reading package files: the whole package, the index alone (the hot path of
// every folder scan), single resources on demand, and the directory of
// compressed files. The core functions throw Failure (ErrorCode::BadPackage for
// counts, offsets or sizes that do not fit the file, FileOpenFailed and
// FileReadFailed for the file system); the gs procedures are their trapped
// forms for module modSimsPackage.
//
// Nothing is trusted: every count, offset and size is checked in 64-bit
// arithmetic against the file's length before anything is allocated or read.
// The magic and the version numbers are not checked.

#include "package/PackageFile.h"
#include "package/base/Bytes.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

namespace varnick {

class FolderHandle;

/// A package's header and index, without resource bytes.
struct PackageIndex {
    PackageHeader header;
    std::vector<IndexEntry> entries;
};

/// Bytes per index entry: 24 when the index carries resource identifiers (minor version 2), else 20.
std::int64_t indexEntrySize(std::int32_t indexMinorVersion);

/// The header fields of a package record.
PackageHeader headerOf(const PackageFile& pkg);

/// Copies header fields into a package record; its arrays are not touched.
void setHeader(PackageFile& pkg, const PackageHeader& header);

/// Parses the first 96 bytes; throws BadPackage when fewer are given.
PackageHeader parsePackageHeader(ByteView bytes);

/// Reads the header and the index of a package file (one open, two reads). Throws on failure.
PackageIndex readPackageIndex(const std::filesystem::path& fileName);

/// The type identifier of each index entry of a package file, 4 bytes each as
/// stored, in index order: all that telling the kind of a package needs. The
/// same checks and failures as readPackageIndex, without building its entries
/// (the hot path of a folder scan).
ByteString readPackageIndexTypes(const std::filesystem::path& fileName);

/// readPackageIndexTypes of the file called name in a folder held open, with
/// the same checks and failures as for the folder's path joined with name.
ByteString readPackageIndexTypes(const FolderHandle& folder, const std::filesystem::path& name);

/// Reads a whole package file: header, index, hole table and every resource's stored bytes. Throws on failure.
PackageFile readPackage(const std::filesystem::path& fileName);

/// Reads the stored bytes of one resource of a package file; throws when the
/// entry's range does not lie inside the file.
ByteString readResourceBytes(const std::filesystem::path& fileName, const IndexEntry& entry);

/// One package file kept open while the stored bytes of several of its
/// resources are read (a page of thumbnails from one cache: one open, many
/// reads). Not for use by two threads at once.
class PackageResourceReader {
public:
    /// Opens fileName for reading; throws Failure when it cannot be opened.
    explicit PackageResourceReader(const std::filesystem::path& fileName);
    ~PackageResourceReader();
    PackageResourceReader(const PackageResourceReader&) = delete;
    PackageResourceReader& operator=(const PackageResourceReader&) = delete;

    const std::filesystem::path& fileName() const { return mFileName; }
    /// As readPackageIndex and readPackageIndexTypes, from the open file.
    PackageIndex index() const;
    ByteString indexTypes() const;
    /// As readResourceBytes, from the open file.
    ByteString read(const IndexEntry& entry) const;

private:
    struct Open;
    std::filesystem::path mFileName;
    std::unique_ptr<Open> mOpen;
};

/// The same readers over package bytes held in memory (tests, fuzzing, archives).
PackageIndex parsePackageIndex(ByteView bytes);
ByteString parsePackageIndexTypes(ByteView bytes);
PackageFile parsePackage(ByteView bytes);

/// Parses the directory of compressed files (stored bytes, not decompressed):
/// 20-byte records with a resource identifier when indexMinorVersion is 2,
/// 16-byte records without one otherwise. A trailing partial record is kept:
/// missing identifier bytes are blanks (0x20), missing size bytes count as 0. Never throws
/// except for lack of memory.
std::vector<DirectoryEntry> parseDirectory(ByteView data, std::int32_t indexMinorVersion);

/// Loads a whole package into pkg, replacing all its fields and arrays. On
/// failure the trap is called (module modSimsPackage) and pkg is left as it
/// was. Returns false after a trapped failure.
bool gsOpenPackageFile(const std::filesystem::path& fileName, PackageFile& pkg);

/// gsOpenPackageFile when fileName is not empty; an empty name leaves pkg untouched and returns true.
bool gsLoadPackage(const std::filesystem::path& fileName, PackageFile& pkg);

/// Reads only the index into entries (zero-based; empty for an empty index).
/// entries is emptied first, and stays empty after a trapped failure.
bool gsLoadPackageIndexOnly(const std::filesystem::path& fileName, std::vector<IndexEntry>& entries);

/// parseDirectory into entries (zero-based), trapped for module modSimsPackage.
bool gsReadDirectory(ByteView data, std::vector<DirectoryEntry>& entries, std::int32_t indexMinorVersion);

} // namespace varnick
