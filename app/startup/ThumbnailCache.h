#pragma once

#include "package/PackageFile.h"
#include "package/base/Bytes.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace varnick {

/// The game's object thumbnail cache (ObjectThumbnails.package), kept as its
/// index only: a thumbnail's bytes are read from the file when they are asked
/// for. Lookups first check whether the file changed on disk since its index
/// was read (size or modification time, or it appeared or vanished) and read
/// the index again then, so results are those of the file as it is now.
/// A missing file is an empty cache. Single-threaded (user-interface thread).
class ThumbnailCache {
public:
    /// Reads the header and index of fileName, replacing what was held. A
    /// missing file gives an empty cache. Throws Failure for a file that is not
    /// a readable package; the cache is empty afterwards.
    void load(const std::filesystem::path& fileName);

    /// Reads the index of the same file again (after the program rewrote it).
    void reload() { load(mFileName); }

    /// Forgets the file and its index.
    void clear();

    const std::filesystem::path& fileName() const { return mFileName; }
    /// Number of index entries held.
    std::size_t size() const { return mEntries.size(); }
    /// Bytes of memory the index takes.
    std::size_t memoryBytes() const;

    /// Reads the index again when the file changed on disk; returns whether it
    /// did. Throws Failure like load.
    bool refreshIfChanged();

    /// Entries of the given type and resource identifier (stored forms), in
    /// index order, refreshed first as above.
    std::vector<IndexEntry> find(ByteView typeId, ByteView resourceId);

    /// find without the check for changes: the index as last read. For a run
    /// of lookups made together (a page of thumbnails) after one
    /// refreshIfChanged, so the file is not asked about once per lookup.
    std::vector<IndexEntry> findInIndex(ByteView typeId, ByteView resourceId) const;

    /// How many times the file was checked for changes (refreshIfChanged and
    /// the lookups that run it) since this cache was made.
    std::size_t changeChecksForTesting() const { return mChangeChecks; }

    /// The stored bytes of an entry, read from the file now. Throws Failure when
    /// the range is no longer inside the file.
    ByteString readBytes(const IndexEntry& entry) const;

    /// The stored bytes of the catalog thumbnail (type AC2950C1) filed under
    /// resourceId when exactly one matches; nullopt for none or several.
    std::optional<ByteString> uniqueThumbnail(ByteView resourceId);

private:
    struct Entry {
        PackedResourceKey key;
        std::int32_t offset = 0;
        std::int32_t size = 0;
    };
    struct Stamp {
        bool exists = false;
        std::uintmax_t size = 0;
        std::filesystem::file_time_type modified {};
        bool operator==(const Stamp&) const = default;
    };

    static Stamp stampOf(const std::filesystem::path& fileName);
    static IndexEntry toIndexEntry(const Entry& entry);

    std::filesystem::path mFileName;
    Stamp mStamp;
    std::vector<Entry> mEntries;
    /// Open-addressing table over (type, resource): position in mEntries + 1,
    /// 0 for a free slot. Linear probing keeps equal keys in index order.
    std::vector<std::uint32_t> mSlots;
    unsigned mSlotBits = 0;
    std::size_t mChangeChecks = 0;

    std::size_t homeSlot(std::uint64_t key) const;
    void buildLookup();
};

/// The process-wide object thumbnail cache, loaded at start-up.
ThumbnailCache& gudtObjectThumbnails();

/// Loads fileName into gudtObjectThumbnails(); a damaged cache goes to the
/// error trap as "modSimsPackage"/"gsLoadObjectThumbnails" and returns false.
bool gsLoadObjectThumbnails(const std::filesystem::path& fileName);

} // namespace varnick
