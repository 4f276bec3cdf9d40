#pragma once
// What a library scan learns about one package, from its index and at most
// three small resources: the classification, the object definitions' GUIDs,
// the catalog name, a recolor's first material override objectGUID, and why
// the file cannot be read. Qt-free; the persistent index stores these records.

#include "package/base/Phrase.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace varnick::health {

/// How a package was classified from its index.
enum class PackageKind : std::int32_t {
    Other = 0, ///< readable, neither a catalog object nor a recolor
    CatalogObject = 1,
    Recolor = 2,
    Broken = 3, ///< cannot be read; error says why
};

/// One package as the index keeps it. Paths are relative to the scanned root, UTF-8, with '/' separators.
struct PackageRecord {
    std::string relativePath;
    std::int64_t size = 0;
    std::int64_t modifiedTime = 0; ///< file system time in its own ticks; compared, never shown
    PackageKind kind = PackageKind::Other;
    std::vector<std::uint32_t> guids; ///< every object definition's GUID, index order
    std::string name; ///< catalog name (UTF-8 as stored), "" when none
    bool hasName = false; ///< the one text list has an English name and description pair
    std::string description; ///< catalog description as stored, "" when none
    /// The GUID the browser shows for a catalog object: its one definition's,
    /// or of several the lead tile's; 0 when none qualifies.
    std::uint32_t shownGuid = 0;
    std::optional<std::uint32_t> objectGuid; ///< a recolor's first material override "objectGUID"
    /// Every "objectGUID" value of a recolor's first material override that
    /// lies in the 32-bit range (as the recolor finder matches them), in order.
    std::vector<std::uint32_t> materialGuids;
    std::string hash; ///< content hash (hexadecimal), "" until a duplicate check asked for it
    std::string error; ///< one-line reason without the file name, in English; "" when readable
    /// The error as it was worded, for a window to say in the player's language;
    /// absent when it was not worded as a Phrase (or the index kept none).
    std::optional<Phrase> errorPhrase {};
    /// The classification from the package's index alone, also when a
    /// resource then proves unreadable (kind Broken); Broken when the index
    /// itself cannot be read. The recolor finder needs no more than this of a
    /// package that is not a recolor.
    PackageKind indexKind = PackageKind::Broken;
    /// Where the listing found the file on its disk, as far as it can tell
    /// (the inode number on POSIX systems, 0 elsewhere): a scan reads the
    /// packages in this order, which follows the disk on a cold start. Not
    /// kept in the index.
    std::uint64_t diskOrder = 0;
};

/// Reads what a record holds from the package at file (size and time are
/// filled by the caller), and with withHash its content hash (as hashFile,
/// also for a package that cannot be read; "" when the file cannot be read at
/// all). A package of up to 8 MiB is read once, whole. Never throws for bad
/// package bytes: a package that cannot be read is kind Broken with the
/// failure's text in error.
PackageRecord inspectPackage(const std::filesystem::path& file, std::int64_t size, bool withHash = false);

/// The GUIDs of every object definition in the package, for the game's own
/// object packages. Throws Failure when the package cannot be read.
std::vector<std::uint32_t> readDefinitionGuids(const std::filesystem::path& file);

/// A 64-bit hash of the whole file's bytes as 16 lower-case hexadecimal digits.
/// Throws Failure when the file cannot be read.
std::string hashFile(const std::filesystem::path& file);

/// The file's modification time as a number that changes when the file does.
std::int64_t modificationTicks(const std::filesystem::file_time_type& time);

} // namespace varnick::health
