#pragma once
// The library health review: from the records of one scan, the packages
// that cannot be read, the recolors whose object is nowhere (neither below
// the root nor in the installed game), the GUIDs that several catalog
// objects (or one and the game) claim, and byte-identical duplicates. A
// review list for the player, never an instruction to delete. Qt-free.

#include "app/health/core/PackageRecord.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace varnick::health {

struct BrokenPackage {
    std::string file; ///< full path, UTF-8
    std::string reason; ///< in English, as the command line and the CSV say it
    std::optional<Phrase> phrase {}; ///< reason for a window to say in the player's language, when it was kept
};

struct OrphanRecolor {
    std::string file;
    std::uint32_t guid = 0; ///< the objectGUID nothing defines
};

struct GuidClash {
    std::uint32_t guid = 0;
    std::vector<std::string> files; ///< the packages defining it, by path
    bool gameObject = false; ///< the installed game defines it too
};

struct DuplicateSet {
    std::int64_t size = 0;
    std::string hash;
    std::vector<std::string> files; ///< by path
};

/// A Sims2Pack file lying in the library, where the game does not read it.
struct UninstalledSims2Pack {
    std::string file; ///< full path, UTF-8
    std::string reason; ///< kSims2PackReason
};

/// Why a Sims2Pack file in the library is listed.
inline constexpr const char* kSims2PackReason = "The game does not read Sims2Pack files; install them.";

/// Every list sorted by path (clashes by GUID, duplicates by their first file).
struct HealthReport {
    std::vector<BrokenPackage> broken;
    std::vector<OrphanRecolor> orphans;
    std::vector<GuidClash> clashes;
    std::vector<DuplicateSet> duplicates;
    std::vector<UninstalledSims2Pack> sims2Packs;
};

/// Builds the review. Clashes of GUIDs in known are left out; GUID 0 names no
/// object and is never a clash. sims2Packs are the Sims2Pack files the scan
/// found below root (relative paths as the index keys packages).
HealthReport analyseLibrary(const std::filesystem::path& root, const std::vector<PackageRecord>& records,
    const std::vector<std::uint32_t>& gameGuids, const std::set<std::uint32_t>& known,
    const std::vector<std::string>& sims2Packs = {});

/// The review as CSV for help forums: "Problem,File,Detail", one row per file, CRLF line ends, fields quoted where
/// needed.
std::string healthCsv(const HealthReport& report);

/// "0x" and eight upper-case hexadecimal digits.
std::string guidText(std::uint32_t guid);

/// The GUID clashes the player marked as known, kept in a small text file of
/// their own (one GUID per line) so that rebuilding the index keeps them.
class KnownClashes {
public:
    /// Reads file; a missing or unreadable file means no marks.
    explicit KnownClashes(std::filesystem::path file);
    const std::set<std::uint32_t>& guids() const noexcept { return mGuids; }
    /// Marks or unmarks guid and saves at once through a scratch file. Throws Failure when it cannot be written.
    void setKnown(std::uint32_t guid, bool known);

private:
    std::filesystem::path mFile;
    std::set<std::uint32_t> mGuids;
};

/// The known-clash file in the per-user data folder.
std::filesystem::path defaultKnownClashesFile();

} // namespace varnick::health
