#include "app/browser/core/ObjectSummary.h"

#include "app/platform/Utility.h"
#include "app/startup/ThumbnailCache.h"
#include "package/BinarySupport.h"
#include "package/CompressedResource.h"
#include "package/Crc24.h"
#include "package/ObjectDefinition.h"
#include "package/PackageReader.h"
#include "package/TextList.h"
#include "package/TypeIds.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"
#include "package/base/RawFile.h"
#include "package/base/Utf8.h"

#include <new>

namespace varnick::browser {

namespace {

std::vector<const IndexEntry*> entriesOfType(const std::vector<IndexEntry>& entries, const ByteString& type)
{
    std::vector<const IndexEntry*> found;
    for (const IndexEntry& entry : entries)
        if (entry.TypeID == type)
            found.push_back(&entry);
    return found;
}

// Packages up to this size are read with one read and parsed in memory: a
// page of small objects then costs one open and one read per file instead of
// one open for the index and one read for each resource.
constexpr std::int64_t kWholeReadBytes = 256 * 1024;

// Where the few resources a summary needs are read from: a package file held
// open while they are read, or a package's bytes in memory (an archive's item).
class PackageContents {
public:
    virtual ~PackageContents() = default;
    /// The entry's stored bytes, decompressed; throws BadPackage for a range outside the package.
    ByteString contents(const IndexEntry& entry) const
    {
        if (entry.Offset < 0 || entry.Size < 0 || static_cast<std::int64_t>(entry.Offset) + entry.Size > mSize)
            throw Failure(ErrorCode::BadPackage,
                "Resource of " + std::to_string(entry.Size) + " bytes at offset " + std::to_string(entry.Offset)
                    + " lies outside the file (" + std::to_string(mSize) + " bytes)");
        return decompressResource(stored(entry));
    }

protected:
    explicit PackageContents(std::int64_t size)
        : mSize(size)
    {
    }
    /// The entry's stored bytes; its range is checked already.
    virtual ByteString stored(const IndexEntry& entry) const = 0;

private:
    std::int64_t mSize;
};

class OpenPackage final : public PackageContents {
public:
    explicit OpenPackage(RawFile file)
        : PackageContents(file.size())
        , mFile(std::move(file))
    {
    }

private:
    ByteString stored(const IndexEntry& entry) const override
    {
        ByteString data(static_cast<std::size_t>(entry.Size), '\0');
        if (!data.empty())
            mFile.readAt(entry.Offset, data.data(), data.size());
        return data;
    }

    RawFile mFile;
};

class PackageInMemory final : public PackageContents {
public:
    explicit PackageInMemory(ByteView bytes)
        : PackageContents(static_cast<std::int64_t>(bytes.size()))
        , mBytes(bytes)
    {
    }

private:
    ByteString stored(const IndexEntry& entry) const override
    {
        return ByteString(mBytes.substr(static_cast<std::size_t>(entry.Offset), static_cast<std::size_t>(entry.Size)));
    }

    ByteView mBytes;
};

void readTexts(const PackageContents& file, const std::vector<IndexEntry>& entries, ObjectSummary& summary)
{
    const auto lists = entriesOfType(entries, gstrTypeCTSS);
    if (lists.size() != 1)
        return;
    TextList list;
    gsReadTextList(file.contents(*lists.front()), list);
    const CatalogTexts texts = catalogTexts(list);
    if (!texts.found)
        return;
    setCatalogTexts(summary, texts.name, texts.description);
}

// The GUID of the object's definition, which is also handed out when chosen is set.
void readGuid(const PackageContents& file, const std::vector<IndexEntry>& entries, ObjectSummary& summary,
    std::optional<ObjectDefinition>* chosen)
{
    const std::vector<const IndexEntry*> definitions = entriesOfType(entries, gstrTypeOBJD);
    auto found = chooseDefinitionAmong(
        definitions, [&](const IndexEntry& entry) { return ObjectDefinition(file.contents(entry)); });
    if (!found)
        return;
    summary.guid = static_cast<std::int32_t>(found->second.guid());
    if (chosen != nullptr)
        *chosen = std::move(found->second);
}

} // namespace

void setCatalogTexts(ObjectSummary& summary, std::string_view name, std::string_view description)
{
    summary.hasName = true;
    summary.name = toValidUtf8(name);
    summary.description = gfstrFixLineFeeds(toValidUtf8(description));
    summary.details = summary.name + "\r\n\r\n" + summary.description;
}

std::string thumbnailKeyFor(std::string_view fileName)
{
    return thumbnailKeyText(gfstrGetFileTitle(fileName));
}

ObjectSummary readObjectSummary(const std::filesystem::path& file)
{
    return readObjectSummary(file, nullptr);
}

namespace {

// The phrase a failure was worded from; none for one that was not.
std::optional<Phrase> wordedPhrase(const std::exception& error)
{
    const auto* failure = dynamic_cast<const Failure*>(&error);
    if (failure == nullptr || !failure->hasPhrase())
        return std::nullopt;
    return failure->phrase();
}

// The texts and the GUID fail apart: a damaged text list still leaves the GUID to be found.
void readSummary(const std::vector<IndexEntry>& entries, const PackageContents& package, ObjectSummary& summary,
    std::optional<ObjectDefinition>* definition)
{
    std::string reason;
    std::optional<Phrase> phrase;
    try {
        readTexts(package, entries, summary);
    } catch (const std::exception& failure) {
        reason = failure.what();
        phrase = wordedPhrase(failure);
    }
    readGuid(package, entries, summary, definition);
    if (!reason.empty()) {
        summary.readable = false;
        summary.reason = reason;
        summary.reasonPhrase = std::move(phrase);
    }
}

} // namespace

ObjectSummary readObjectSummary(const std::filesystem::path& file, std::optional<ObjectDefinition>* definition)
{
    if (definition != nullptr)
        definition->reset();
    ObjectSummary summary;
    summary.file = pathToUtf8(file.filename());
    summary.thumbnailKey = thumbnailKeyFor(summary.file);
    try {
        RawFile raw(file, RawFile::Mode::Read);
        const std::int64_t size = raw.size();
        if (size <= kWholeReadBytes) {
            ByteString bytes(static_cast<std::size_t>(size), '\0');
            if (!bytes.empty())
                raw.readAt(0, bytes.data(), bytes.size());
            raw.close();
            readSummary(parsePackageIndex(bytes).entries, PackageInMemory(bytes), summary, definition);
        } else {
            const std::vector<IndexEntry> entries = readPackageIndex(file).entries;
            readSummary(entries, OpenPackage(std::move(raw)), summary, definition);
        }
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& failure) {
        summary.readable = false;
        summary.reason = failure.what();
        summary.reasonPhrase = wordedPhrase(failure);
    }
    return summary;
}

ObjectSummary readObjectSummary(ByteView bytes, std::string_view fileName)
{
    ObjectSummary summary;
    summary.file = fileName;
    summary.thumbnailKey = thumbnailKeyFor(summary.file);
    try {
        readSummary(parsePackageIndex(bytes).entries, PackageInMemory(bytes), summary, nullptr);
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& failure) {
        summary.readable = false;
        summary.reason = failure.what();
        summary.reasonPhrase = wordedPhrase(failure);
    }
    return summary;
}

ThumbnailSource resolveThumbnail(ThumbnailCache& cache, std::string_view fileName)
{
    ThumbnailSource source;
    source.matches = cache.find(gstrTypeAC2950C1, gfstr4HexToSimsID(thumbnailKeyFor(fileName)));
    source.cacheFile = cache.fileName();
    return source;
}

std::vector<ThumbnailSource> resolveThumbnails(ThumbnailCache& cache, std::span<const std::string> fileNames)
{
    try {
        cache.refreshIfChanged();
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception&) {
        // The failed re-read left the index empty: the page has no thumbnails,
        // and the next page tries again once the file changes.
    }
    std::vector<ThumbnailSource> sources(fileNames.size());
    for (std::size_t i = 0; i < fileNames.size(); ++i) {
        sources[i].matches = cache.findInIndex(gstrTypeAC2950C1, gfstr4HexToSimsID(thumbnailKeyFor(fileNames[i])));
        sources[i].cacheFile = cache.fileName();
    }
    return sources;
}

std::optional<ByteString> readThumbnail(const ThumbnailSource& source)
{
    return ThumbnailReader().read(source);
}

std::optional<ByteString> ThumbnailReader::read(const ThumbnailSource& source)
{
    if (source.matches.size() != 1)
        return std::nullopt;
    try {
        if (!mOpen || mOpen->fileName() != source.cacheFile) {
            mOpen.reset();
            mOpen.emplace(source.cacheFile);
        }
        return decompressResource(mOpen->read(source.matches.front()));
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

} // namespace varnick::browser
