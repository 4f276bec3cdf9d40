#include "app/startup/ThumbnailCache.h"

#include "package/BinarySupport.h"
#include "package/PackageReader.h"
#include "package/TypeIds.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"

#include <system_error>

namespace fs = std::filesystem;

namespace varnick {

namespace {

std::uint32_t idValue(ByteView id)
{
    return static_cast<std::uint32_t>(gflngStrToLong(id));
}

std::uint64_t lookupKey(std::uint32_t type, std::uint32_t resource)
{
    return (static_cast<std::uint64_t>(type) << 32) | resource;
}

} // namespace

ThumbnailCache::Stamp ThumbnailCache::stampOf(const fs::path& fileName)
{
    Stamp stamp;
    std::error_code error;
    if (fileName.empty() || !fs::is_regular_file(fileName, error))
        return stamp;
    stamp.size = fs::file_size(fileName, error);
    if (error)
        return stamp;
    stamp.modified = fs::last_write_time(fileName, error);
    stamp.exists = !error;
    return stamp;
}

IndexEntry ThumbnailCache::toIndexEntry(const Entry& entry)
{
    IndexEntry result;
    static_cast<ResourceKey&>(result) = entry.key.unpack();
    result.Offset = entry.offset;
    result.Size = entry.size;
    return result;
}

void ThumbnailCache::clear()
{
    mFileName.clear();
    mStamp = {};
    mEntries = {};
    mSlots = {};
}

std::size_t ThumbnailCache::homeSlot(std::uint64_t key) const
{
    // Fibonacci hashing spreads the identifiers (already CRC values) over the table.
    return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> (64 - mSlotBits));
}

void ThumbnailCache::buildLookup()
{
    // At most half full, so probe runs stay short.
    mSlotBits = 4;
    while ((std::size_t { 1 } << mSlotBits) < 2 * mEntries.size())
        ++mSlotBits;
    mSlots.assign(std::size_t { 1 } << mSlotBits, 0);
    const std::size_t mask = mSlots.size() - 1;
    for (std::size_t i = 0; i < mEntries.size(); ++i) {
        std::size_t slot = homeSlot(lookupKey(mEntries[i].key.type, mEntries[i].key.resource));
        while (mSlots[slot] != 0)
            slot = (slot + 1) & mask;
        mSlots[slot] = static_cast<std::uint32_t>(i + 1);
    }
}

void ThumbnailCache::load(const fs::path& fileName)
{
    const FileNameContext file(pathToUtf8(fileName));
    mFileName = fileName;
    mStamp = stampOf(fileName);
    mEntries = {};
    mSlots = {};
    // Players delete the cache to make the game build it anew: no file, no thumbnails.
    if (!mStamp.exists)
        return;

    const PackageIndex index = readPackageIndex(fileName);
    std::vector<Entry> entries;
    entries.reserve(index.entries.size());
    for (const IndexEntry& source : index.entries) {
        entries.push_back(Entry { PackedResourceKey::of(source), source.Offset, source.Size });
    }
    mEntries = std::move(entries);
    buildLookup();
}

std::size_t ThumbnailCache::memoryBytes() const
{
    return mEntries.capacity() * sizeof(Entry) + mSlots.capacity() * sizeof(std::uint32_t);
}

bool ThumbnailCache::refreshIfChanged()
{
    if (mFileName.empty())
        return false;
    ++mChangeChecks;
    if (stampOf(mFileName) == mStamp)
        return false;
    try {
        load(mFileName);
    } catch (...) {
        // Keep nothing of the old index: it describes bytes that are gone.
        mEntries = {};
        mSlots = {};
        throw;
    }
    return true;
}

std::vector<IndexEntry> ThumbnailCache::find(ByteView typeId, ByteView resourceId)
{
    refreshIfChanged();
    return findInIndex(typeId, resourceId);
}

std::vector<IndexEntry> ThumbnailCache::findInIndex(ByteView typeId, ByteView resourceId) const
{
    std::vector<IndexEntry> result;
    if (typeId.size() != 4 || resourceId.size() != 4 || mSlots.empty())
        return result;
    const std::uint32_t type = idValue(typeId);
    const std::uint32_t resource = idValue(resourceId);
    const std::size_t mask = mSlots.size() - 1;
    for (std::size_t slot = homeSlot(lookupKey(type, resource)); mSlots[slot] != 0; slot = (slot + 1) & mask) {
        const Entry& entry = mEntries[mSlots[slot] - 1];
        if (entry.key.type == type && entry.key.resource == resource)
            result.push_back(toIndexEntry(entry));
    }
    return result;
}

ByteString ThumbnailCache::readBytes(const IndexEntry& entry) const
{
    return readResourceBytes(mFileName, entry);
}

std::optional<ByteString> ThumbnailCache::uniqueThumbnail(ByteView resourceId)
{
    // The game may rewrite the cache between the lookup and the read; bytes
    // are only trusted when the file is still the one the index describes.
    for (int attempt = 0;; ++attempt) {
        const std::vector<IndexEntry> matches = find(gstrTypeAC2950C1, resourceId);
        if (matches.size() != 1)
            return std::nullopt;
        try {
            ByteString bytes = readBytes(matches.front());
            if (stampOf(mFileName) == mStamp)
                return bytes;
        } catch (const Failure&) {
            if (stampOf(mFileName) == mStamp || attempt >= 2)
                throw;
        }
        if (attempt >= 2)
            throw Failure(ErrorCode::FileReadFailed,
                "The thumbnail cache " + pathToUtf8(mFileName) + " keeps changing while it is read");
    }
}

ThumbnailCache& gudtObjectThumbnails()
{
    static ThumbnailCache cache;
    return cache;
}

bool gsLoadObjectThumbnails(const fs::path& fileName)
{
    return trapped("modSimsPackage", "gsLoadObjectThumbnails", [&] { gudtObjectThumbnails().load(fileName); });
}

} // namespace varnick
