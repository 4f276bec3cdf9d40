#pragma once
// The persistent index of a library: one SQLite database per search root,
// keyed by each package's relative path, size and modification time, with
// what the scans learned of it (see PackageRecord), the GUIDs of the
// installed game's object packages. It is a cache: a database that cannot be opened, fails its
// integrity check, holds a schema version it cannot bring up to its own or stays locked is deleted
// and built anew (or, when even that fails, kept in memory for this run), so
// deleting the file loses nothing (the "known" marks live in KnownClashes).
//
// Several program instances may share one file: it runs in WAL mode with a
// busy timeout, and every write is one transaction.

#include "app/health/core/PackageRecord.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <unordered_map>
#include <vector>

struct sqlite3;

namespace varnick::health {

/// The schema this build writes. A file of version 2 (without the reasons'
/// phrases) is brought up to it in place; one of any other version is rebuilt.
inline constexpr int kIndexSchemaVersion = 3;

/// The index file of root in the per-user data folder ("index/library-<hash of root>.sqlite").
std::filesystem::path defaultIndexFile(const std::filesystem::path& root);

/// What the recolor finder needs of a stored record (a lighter read than the whole record).
struct StoredClassification {
    std::int64_t size = 0;
    std::int64_t modifiedTime = 0;
    PackageKind kind = PackageKind::Other;
    PackageKind indexKind = PackageKind::Broken;
    std::vector<std::uint32_t> materialGuids;
};

class LibraryIndex {
public:
    /// Opens (or creates) the index at file; never fails for a damaged or
    /// foreign file (see the class comment). An empty path keeps it in memory.
    explicit LibraryIndex(const std::filesystem::path& file, int busyTimeoutMs = 5000);
    ~LibraryIndex();
    LibraryIndex(const LibraryIndex&) = delete;
    LibraryIndex& operator=(const LibraryIndex&) = delete;

    /// Whether an existing file was discarded at open (damaged, locked or outdated).
    bool rebuilt() const noexcept { return mRebuilt; }
    /// Whether the index lives in a file (false: memory only, for this run).
    bool persistent() const noexcept { return mPersistent; }

    /// Every stored record, by relative path. Throws Failure when the database fails mid-read.
    std::unordered_map<std::string, PackageRecord> records() const;
    /// The stored records of the packages directly in folder (relative, '/'-separated, ending in '/'; "" for
    /// the root), by relative path. Throws Failure when the database fails mid-read.
    std::unordered_map<std::string, PackageRecord> recordsIn(const std::string& folder) const;
    /// Every stored record's stamp and classification, by relative path. Throws Failure.
    std::unordered_map<std::string, StoredClassification> classifications() const;
    /// Stores changed records and forgets removed paths in one transaction. Throws Failure.
    void update(const std::vector<PackageRecord>& changed, const std::vector<std::string>& removed);
    /// The same for records held elsewhere (the scan writes them while it goes on reading).
    void update(const std::vector<const PackageRecord*>& changed, const std::vector<std::string>& removed);
    /// Records the content hash of one stored path. Throws Failure.
    void setHashes(const std::vector<std::pair<std::string, std::string>>& pathAndHash);

    /// The signature of the game files whose GUIDs are stored ("" when none are).
    std::string gameSignature() const;
    /// The stored game object GUIDs.
    std::vector<std::uint32_t> gameGuids() const;
    /// Replaces the game object GUIDs and their signature in one transaction. Throws Failure.
    void setGameGuids(const std::string& signature, const std::vector<std::uint32_t>& guids);

private:
    std::unordered_map<std::string, PackageRecord> recordsIn(const std::string& folder, bool directOnly) const;
    bool tryOpen(const std::filesystem::path& file, int busyTimeoutMs);
    void createSchema();
    /// Brings a file of an older schema this build can read up to its own; false for any other.
    bool upgradeSchema();
    void exec(const char* sql) const;
    void close() noexcept;

    sqlite3* mDb = nullptr;
    bool mRebuilt = false;
    bool mPersistent = false;
};

} // namespace varnick::health
