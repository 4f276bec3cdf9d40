#include "app/health/core/PackageRecord.h"

#include "package/Classification.h"
#include "package/CompressedResource.h"
#include "package/ObjectDefinition.h"
#include "package/PackageReader.h"
#include "package/PropertySet.h"
#include "package/TextList.h"
#include "package/TypeIds.h"
#include "package/base/ErrorTrap.h"
#include "package/base/RawFile.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace varnick::health {

namespace {

const ByteString kDirectoryType { "\xEF\x1E\x6B\xE8", 4 }; // E86B1EEF

[[noreturn]] void unreadable(Phrase reason)
{
    throw Failure(ErrorCode::BadPackage, std::move(reason));
}

// The index's own key of a directory record: the resource identifier takes
// part only where the index carries one.
bool sameResource(const ResourceKey& a, const ResourceKey& b, bool withResourceId)
{
    return a.TypeID == b.TypeID && a.GroupID == b.GroupID && a.InstanceID == b.InstanceID
        && (!withResourceId || a.ResourceID == b.ResourceID);
}

// The stored bytes of the package's resources: from the whole file when it
// was read into memory at once (most packages are small), else read from the
// file per resource. Entries are checked against the file's length first.
class PackageBytes {
public:
    PackageBytes(const std::filesystem::path& file, const ByteString* whole)
        : mFile(file)
        , mWhole(whole)
    {
    }
    ByteString resource(const IndexEntry& entry) const
    {
        if (mWhole == nullptr)
            return readResourceBytes(mFile, entry);
        return ByteString(
            ByteView(*mWhole).substr(static_cast<std::size_t>(entry.Offset), static_cast<std::size_t>(entry.Size)));
    }
    PackageIndex index() const
    {
        if (mWhole != nullptr) {
            try {
                return parsePackageIndex(*mWhole);
            } catch (const Failure&) {
                // Read again from the file, so that the reason is worded as
                // every other reader of the file words it ("the file", not "the package").
            }
        }
        return readPackageIndex(mFile);
    }

private:
    const std::filesystem::path& mFile;
    const ByteString* mWhole;
};

// Packages up to this size are read whole, once.
constexpr std::int64_t kWholeFileLimit = 8 << 20;

std::string hashText(std::uint64_t hash)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

// The content hash: 16 bytes per step, each folded into the state through a
// 64 x 64 -> 128-bit multiply, so that a file is hashed at several bytes per
// cycle (the duplicate check hashes every file whose size another shares).
// Every call of add() but the last must pass a multiple of 16 bytes.
class ContentHash {
public:
    void add(const unsigned char* bytes, std::size_t count)
    {
        std::size_t i = 0;
        for (; i + 16 <= count; i += 16)
            step(word(bytes + i), word(bytes + i + 8));
        if (i < count) {
            unsigned char tail[16] = {};
            std::memcpy(tail, bytes + i, count - i);
            step(word(tail), word(tail + 8));
        }
        mLength += count;
    }
    std::uint64_t value() const { return fold(mState ^ mLength ^ kFinal, kSecond) ^ mState; }

private:
    static constexpr std::uint64_t kFirst = 0xA0761D6478BD642FULL;
    static constexpr std::uint64_t kSecond = 0xE7037ED1A0B428DBULL;
    static constexpr std::uint64_t kFinal = 0x8EBC6AF09C88C6E3ULL;
    static std::uint64_t word(const unsigned char* bytes)
    {
        std::uint64_t value;
        std::memcpy(&value, bytes, sizeof value);
        return value;
    }
    // The low and high halves of a * b, xored.
    static std::uint64_t fold(std::uint64_t a, std::uint64_t b)
    {
#ifdef __SIZEOF_INT128__
        __extension__ typedef unsigned __int128 Wide;
        const Wide product = static_cast<Wide>(a) * b;
        return static_cast<std::uint64_t>(product) ^ static_cast<std::uint64_t>(product >> 64);
#else
        const std::uint64_t aLow = a & 0xFFFFFFFFU, aHigh = a >> 32, bLow = b & 0xFFFFFFFFU, bHigh = b >> 32;
        const std::uint64_t lowLow = aLow * bLow, lowHigh = aLow * bHigh, highLow = aHigh * bLow;
        const std::uint64_t middle = (lowLow >> 32) + (lowHigh & 0xFFFFFFFFU) + (highLow & 0xFFFFFFFFU);
        const std::uint64_t low = (middle << 32) | (lowLow & 0xFFFFFFFFU);
        const std::uint64_t high = aHigh * bHigh + (lowHigh >> 32) + (highLow >> 32) + (middle >> 32);
        return low ^ high;
#endif
    }
    void step(std::uint64_t a, std::uint64_t b)
    {
        mState = fold(a ^ mState ^ kFirst, b ^ kSecond) ^ ((mState << 17) | (mState >> 47));
    }
    std::uint64_t mState = 0x243F6A8885A308D3ULL;
    std::uint64_t mLength = 0;
};

// The checks that only need the index and the file's length: a later game's
// container, entries beyond the end (a truncated download), and a directory
// of compressed files that names resources the package does not hold.
// Returns the directory's records ("" when there is none).
std::vector<DirectoryEntry> checkIndex(
    const PackageBytes& file, const PackageIndex& index, std::int64_t size, bool& hasDirectory)
{
    if (index.header.MajorVersion > 1)
        unreadable(
            Phrase(VARNICK_PHRASE("LibraryHealth",
                       "The package is the container of a later game (version %1.%2); this game reads version 1"),
                { std::to_string(index.header.MajorVersion), std::to_string(index.header.MinorVersion) }));
    for (std::size_t i = 0; i < index.entries.size(); ++i) {
        const IndexEntry& entry = index.entries[i];
        if (entry.Offset < 0 || entry.Size < 0
            || static_cast<std::int64_t>(entry.Offset) + static_cast<std::int64_t>(entry.Size) > size)
            unreadable(
                Phrase(VARNICK_PHRASE("LibraryHealth",
                           "Resource %1 (%2) lies past the end of the file: %3 bytes at offset %4, file %5 bytes"),
                    { std::to_string(i + 1), entry.text(), std::to_string(entry.Size), std::to_string(entry.Offset),
                        std::to_string(size) }));
    }
    hasDirectory = false;
    std::vector<DirectoryEntry> directory;
    const bool withResourceId = index.header.IndexMinorVersion == 2;
    for (const IndexEntry& entry : index.entries) {
        if (entry.TypeID != kDirectoryType)
            continue;
        hasDirectory = true;
        directory = parseDirectory(file.resource(entry), index.header.IndexMinorVersion);
        for (const DirectoryEntry& record : directory) {
            bool found = false;
            for (const IndexEntry& other : index.entries)
                found = found || sameResource(record, other, withResourceId);
            if (!found)
                unreadable(Phrase(VARNICK_PHRASE("LibraryHealth",
                                      "The directory of compressed files lists %1, which is not in the package"),
                    { record.text() }));
        }
        break;
    }
    return directory;
}

class ResourceReader {
public:
    ResourceReader(const PackageBytes& file, const PackageIndex& index, const std::vector<DirectoryEntry>& directory,
        bool hasDirectory)
        : mFile(file)
        , mDirectory(directory)
        , mHasDirectory(hasDirectory)
        , mWithResourceId(index.header.IndexMinorVersion == 2)
    {
    }

    // The resource's contents; a compression mark that the directory does
    // not confirm (or a listed resource without the mark) is a damaged package.
    ByteString contents(const IndexEntry& entry) const
    {
        const ByteString stored = mFile.resource(entry);
        const bool compressed = isCompressedResource(stored);
        if (mHasDirectory) {
            bool listed = false;
            for (const DirectoryEntry& record : mDirectory)
                listed = listed || sameResource(record, entry, mWithResourceId);
            if (listed != compressed)
                unreadable(Phrase(
                    VARNICK_PHRASE("LibraryHealth", "The directory of compressed files disagrees with resource %1: %2"),
                    { entry.text(),
                        compressed ? Phrase(VARNICK_PHRASE("LibraryHealth", "compressed but not listed"))
                                   : Phrase(VARNICK_PHRASE("LibraryHealth", "listed but not compressed")) }));
        }
        return decompressResource(stored);
    }

private:
    const PackageBytes& mFile;
    const std::vector<DirectoryEntry>& mDirectory;
    bool mHasDirectory;
    bool mWithResourceId;
};

void readCatalogObject(const ResourceReader& reader, const PackageIndex& index, PackageRecord& record)
{
    const IndexEntry* textList = nullptr;
    int textLists = 0;
    std::vector<ObjectDefinition> definitions;
    for (const IndexEntry& entry : index.entries) {
        if (entry.TypeID == gstrTypeOBJD) {
            definitions.emplace_back(reader.contents(entry));
            record.guids.push_back(definitions.back().guid());
        } else if (entry.TypeID == gstrTypeCTSS) {
            textList = &entry;
            ++textLists;
        }
    }
    // The catalog text is the package's one text list, as the editor reads it.
    if (textLists == 1) {
        TextList list;
        gsReadTextList(reader.contents(*textList), list);
        const CatalogTexts texts = catalogTexts(list);
        if (texts.found) {
            record.hasName = true;
            record.name = texts.name;
            record.description = texts.description;
        }
    }
    // The GUID the browser shows, by the rule every reader of an object follows.
    std::vector<const ObjectDefinition*> all;
    for (const ObjectDefinition& definition : definitions)
        all.push_back(&definition);
    if (const auto chosen = chooseDefinitionAmong(all, [](const ObjectDefinition& definition) { return definition; }))
        record.shownGuid = chosen->second.guid();
}

void readRecolor(const ResourceReader& reader, const PackageIndex& index, PackageRecord& record)
{
    // As the recolor finder does, only the first material override counts.
    // The review takes its first property named exactly "objectGUID"; the
    // finder matches any of them, so every value it could match is kept too.
    for (const IndexEntry& entry : index.entries) {
        if (entry.TypeID != gstrTypeMMAT)
            continue;
        const PropertySet set = readPropertySet(reader.contents(entry));
        bool first = true;
        for (const PropertyItem& item : set.Items) {
            if (item.Name != "objectGUID")
                continue;
            if (first) {
                first = false;
                const double number = std::trunc(item.Number);
                if (number >= -2147483648.0 && number <= 4294967295.0)
                    record.objectGuid = static_cast<std::uint32_t>(static_cast<std::int64_t>(number));
            }
            if (item.Number >= -2147483648.0 && item.Number <= 4294967295.0)
                record.materialGuids.push_back(static_cast<std::uint32_t>(static_cast<std::int64_t>(item.Number)));
        }
        return;
    }
}

bool isEnvironmentFailure(const Failure& failure)
{
    // Kelvora missing is the program's trouble, not the package's.
    return failure.code() == ErrorCode::LibraryMissing || failure.code() == ErrorCode::FunctionMissing
        || failure.code() == ErrorCode::OutOfMemory;
}

} // namespace

PackageRecord inspectPackage(const std::filesystem::path& file, std::int64_t size, bool withHash)
{
    PackageRecord record;
    record.size = size;
    std::string hash;
    PackageKind indexKind = PackageKind::Broken;
    try {
        if (size == 0)
            unreadable(Phrase(VARNICK_PHRASE("LibraryHealth", "The file is empty")));
        // One read of a small file serves the index, the resources and the hash.
        ByteString whole;
        std::int64_t length = size;
        if (size <= kWholeFileLimit) {
            RawFile raw(file, RawFile::Mode::Read);
            whole.resize(static_cast<std::size_t>(size));
            whole.resize(raw.readUpTo(0, whole.data(), whole.size()));
            raw.close();
            // The file's length as read now (it may have changed since it was listed).
            length = static_cast<std::int64_t>(whole.size());
            if (withHash) {
                ContentHash content;
                content.add(reinterpret_cast<const unsigned char*>(whole.data()), whole.size());
                hash = hashText(content.value());
            }
        } else if (withHash)
            hash = hashFile(file);
        const PackageBytes bytes(file, size <= kWholeFileLimit ? &whole : nullptr);
        const PackageIndex index = bytes.index();
        indexKind = gfblnIsCatalogObject(index.entries) ? PackageKind::CatalogObject
            : gfblnIsRecolor(index.entries)             ? PackageKind::Recolor
                                                        : PackageKind::Other;
        bool hasDirectory = false;
        const std::vector<DirectoryEntry> directory = checkIndex(bytes, index, length, hasDirectory);
        const ResourceReader reader(bytes, index, directory, hasDirectory);
        record.kind = indexKind;
        if (indexKind == PackageKind::CatalogObject)
            readCatalogObject(reader, index, record);
        else if (indexKind == PackageKind::Recolor)
            readRecolor(reader, index, record);
    } catch (const Failure& failure) {
        if (isEnvironmentFailure(failure))
            throw;
        record = PackageRecord {};
        record.size = size;
        record.kind = PackageKind::Broken;
        record.error = failure.what();
        if (failure.hasPhrase())
            record.errorPhrase = failure.phrase();
    }
    record.indexKind = indexKind;
    record.hash = std::move(hash);
    return record;
}

std::vector<std::uint32_t> readDefinitionGuids(const std::filesystem::path& file)
{
    const PackageIndex index = readPackageIndex(file);
    std::vector<std::uint32_t> guids;
    for (const IndexEntry& entry : index.entries)
        if (entry.TypeID == gstrTypeOBJD)
            guids.push_back(ObjectDefinition(decompressResource(readResourceBytes(file, entry))).guid());
    return guids;
}

std::string hashFile(const std::filesystem::path& file)
{
    RawFile raw(file, RawFile::Mode::Read);
    ContentHash hash;
    // A buffer no larger than the file (most packages are a few kilobytes),
    // a whole number of the hash's 16-byte steps.
    const std::int64_t wanted = (raw.size() + 16) / 16 * 16;
    std::vector<unsigned char> buffer(
        static_cast<std::size_t>(std::clamp<std::int64_t>(wanted, 16, std::int64_t { 1 } << 20)));
    for (std::int64_t offset = 0;;) {
        const std::size_t got = raw.readUpTo(offset, buffer.data(), buffer.size());
        hash.add(buffer.data(), got);
        if (got < buffer.size())
            break;
        offset += static_cast<std::int64_t>(got);
    }
    raw.close();
    return hashText(hash.value());
}

std::int64_t modificationTicks(const std::filesystem::file_time_type& time)
{
    return static_cast<std::int64_t>(time.time_since_epoch().count());
}

} // namespace varnick::health
