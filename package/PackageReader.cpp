#include "package/PackageReader.h"

#include "package/BinarySupport.h"
#include "package/ResourceCursor.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"
#include "package/base/RawFile.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <numeric>
#include <string>

// Layout of a package file (all integers little-endian, signed 32-bit):
//
//   offset  0  +------------------+
//              | header, 96 bytes |  Magic, MajorVersion, MinorVersion, 3 reserved,
//              |                  |  DateCreated, DateModified, IndexMajorVersion,
//              |                  |  IndexCount @36, IndexOffset @40, IndexSize @44,
//              |                  |  HoleCount @48, HoleOffset @52, HoleSize @56,
//              |                  |  IndexMinorVersion @60, 32 reserved bytes @64
//              +------------------+
//              | resources        |  anywhere in the file, each at its entry's Offset
//              +------------------+
//   IndexOffset| index            |  IndexCount entries: TypeID, GroupID, InstanceID,
//              |                  |  [ResourceID when IndexMinorVersion = 2], Offset, Size
//              |                  |  (24 or 20 bytes each)
//              +------------------+
//   HoleOffset | hole table       |  HoleCount entries: Offset, Size (8 bytes each)
//              +------------------+
//
// The directory of compressed files (a resource of its own) is a list of
// records without header: TypeID, GroupID, InstanceID, [ResourceID when the
// index minor version is 2], uncompressed size (20 or 16 bytes each).

namespace varnick {

namespace {

constexpr std::int64_t kHoleEntrySize = 8;
// Resources sharing byte ranges are read once per entry; their total may exceed
// the file, but only this far, so a forged index cannot demand terabytes.
constexpr std::int64_t kSharedRangeAllowance = 64 * 1024 * 1024;
// Resources up to this size are gathered through one window read; larger ones are read directly.
constexpr std::int64_t kWindowSize = 4 * 1024 * 1024;
constexpr std::int64_t kDirectReadSize = 256 * 1024;
// An index up to this size is read before the file's length is known (see readIndexEntries).
constexpr std::int64_t kUncheckedIndexBytes = 1024 * 1024;

[[noreturn]] void badPackage(Phrase description)
{
    throw Failure(ErrorCode::BadPackage, std::move(description));
}

std::string number(std::int64_t value)
{
    return std::to_string(value);
}

Phrase byteCount(std::int64_t count)
{
    return Phrase::counted(VARNICK_PHRASE_N("PackageReader", "%n byte(s)"), count);
}

Phrase entryCount(std::int64_t count)
{
    // "entry" does not take its plural by an ending, so one entry has a phrase of its own.
    if (count == 1)
        return Phrase(VARNICK_PHRASE("PackageReader", "1 entry"));
    return Phrase::counted(VARNICK_PHRASE_N("PackageReader", "%n entries"), count);
}

// Where the package bytes come from: an open file or a buffer.
class Source {
public:
    virtual ~Source() = default;
    /// Length in bytes (a file's length is asked for only when a check needs it).
    virtual std::int64_t size() const = 0;
    /// Reads exactly count bytes at offset; callers check the range first.
    virtual void read(std::int64_t offset, char* target, std::size_t count) const = 0;
    /// Reads up to count bytes at offset, fewer where the source ends.
    virtual std::size_t readUpTo(std::int64_t offset, char* target, std::size_t count) const = 0;
    /// What the bytes are called in refusals ("the end of the file").
    virtual PhraseText noun() const = 0;
};

class FileSource final : public Source {
public:
    explicit FileSource(const std::filesystem::path& fileName)
        : mFile(fileName, RawFile::Mode::Read)
    {
    }
    FileSource(const FolderHandle& folder, const std::filesystem::path& name)
        : mFile(folder, name)
    {
    }
    std::int64_t size() const override
    {
        if (mSize < 0)
            mSize = mFile.size();
        return mSize;
    }
    void read(std::int64_t offset, char* target, std::size_t count) const override
    {
        mFile.readAt(offset, target, count);
    }
    std::size_t readUpTo(std::int64_t offset, char* target, std::size_t count) const override
    {
        return mFile.readUpTo(offset, target, count);
    }
    //: What a package read from disk is called. Every refusal naming it can be said as "of the file"
    //: ("the end of the file", "the length of the file"), so the translation may carry that article.
    PhraseText noun() const override { return VARNICK_PHRASE("PackageReader", "file"); }
    void close() { mFile.close(); }

private:
    RawFile mFile;
    mutable std::int64_t mSize = -1;
};

class MemorySource final : public Source {
public:
    explicit MemorySource(ByteView bytes)
        : mBytes(bytes)
    {
    }
    std::int64_t size() const override { return static_cast<std::int64_t>(mBytes.size()); }
    void read(std::int64_t offset, char* target, std::size_t count) const override
    {
        // Callers check ranges first; this guards the buffer all the same.
        if (readUpTo(offset, target, count) != count)
            badPackage(Phrase(
                VARNICK_PHRASE("PackageReader", "A read of %1 bytes at offset %2 lies outside the package (%3 bytes)"),
                { number(static_cast<std::int64_t>(count)), number(offset), number(size()) }));
    }
    std::size_t readUpTo(std::int64_t offset, char* target, std::size_t count) const override
    {
        if (offset < 0 || offset >= size())
            return 0;
        const std::size_t available = std::min(count, static_cast<std::size_t>(size() - offset));
        std::memcpy(target, mBytes.data() + offset, available);
        return available;
    }
    //: What a package read from memory is called. Every refusal naming it can be said as "of the package"
    //: ("the end of the package", "the length of the package"), so the translation may carry that article.
    PhraseText noun() const override { return VARNICK_PHRASE("PackageReader", "package"); }

private:
    ByteView mBytes;
};

// Location numbers a reading procedure reports for its steps.
struct Steps {
    std::int32_t header;
    std::int32_t index;
};
constexpr Steps kWholePackageSteps { 1000, 2000 };
constexpr Steps kIndexOnlySteps { 3000, 4000 };

PackageHeader readHeader(const Source& source)
{
    // One read; the length of the file matters only when it is too short.
    char bytes[kPackageHeaderSize];
    if (source.readUpTo(0, bytes, sizeof bytes) < sizeof bytes)
        badPackage(Phrase(VARNICK_PHRASE("PackageReader", "The %1 is %2 long, shorter than the 96-byte package header"),
            { Phrase(source.noun()), byteCount(source.size()) }));
    return parsePackageHeader(ByteView(bytes, sizeof bytes));
}

// Checks that the index's count records of recordSize bytes at offset lie inside the source.
void checkIndex(const Source& source, std::int32_t count, std::int32_t offset, std::int64_t recordSize)
{
    const std::int64_t length = source.size();
    if (count < 0)
        badPackage(Phrase(VARNICK_PHRASE("PackageReader", "Index count %1 is negative"), { number(count) }));
    if (count == 0)
        return;
    if (offset < 0)
        badPackage(
            Phrase(VARNICK_PHRASE("PackageReader", "Index of %1 starts at offset %2, before the start of the %3"),
                { entryCount(count), number(offset), Phrase(source.noun()) }));
    const std::int64_t bytes = static_cast<std::int64_t>(count) * recordSize;
    if (offset > length || bytes > length - offset)
        badPackage(Phrase(VARNICK_PHRASE("PackageReader", "Index of %1 at offset %2 runs past the end of the %3 (%4)"),
            { entryCount(count), number(offset), Phrase(source.noun()), byteCount(length) }));
}

// The index's stored bytes (IndexCount records of indexEntrySize), after the
// checks that every reader of the index makes; none for an empty index.
std::unique_ptr<char[]> readIndexBytes(const Source& source, const PackageHeader& header)
{
    const std::int64_t entrySize = indexEntrySize(header.IndexMinorVersion);
    if (header.IndexCount <= 0 || header.IndexOffset < 0) {
        checkIndex(source, header.IndexCount, header.IndexOffset, entrySize);
        return nullptr;
    }
    const std::int64_t bytes = static_cast<std::int64_t>(header.IndexCount) * entrySize;
    // Asking a file for its length costs a system call on every package of a
    // folder scan; an index of modest size is read straight away, and a short
    // read shows that it runs past the end. A larger one is checked first.
    if (bytes > kUncheckedIndexBytes)
        checkIndex(source, header.IndexCount, header.IndexOffset, entrySize);
    std::unique_ptr<char[]> buffer(new char[static_cast<std::size_t>(bytes)]);
    if (source.readUpTo(header.IndexOffset, buffer.get(), static_cast<std::size_t>(bytes))
        < static_cast<std::size_t>(bytes)) {
        checkIndex(source, header.IndexCount, header.IndexOffset, entrySize);
        badPackage(
            Phrase(VARNICK_PHRASE("PackageReader", "The index ended early while it was read (the file changed)")));
    }
    return buffer;
}

std::vector<IndexEntry> readIndexEntries(const Source& source, const PackageHeader& header)
{
    std::vector<IndexEntry> entries;
    const std::unique_ptr<char[]> buffer = readIndexBytes(source, header);
    if (!buffer)
        return entries;
    const std::int64_t bytes = static_cast<std::int64_t>(header.IndexCount) * indexEntrySize(header.IndexMinorVersion);
    const bool withResourceId = header.IndexMinorVersion == 2;
    entries.resize(static_cast<std::size_t>(header.IndexCount));
    ResourceCursor cursor(
        ByteView(buffer.get(), static_cast<std::size_t>(bytes)), VARNICK_PHRASE("Resources", "Package index"));
    for (IndexEntry& entry : entries) {
        entry.TypeID = cursor.id("type identifier");
        entry.GroupID = cursor.id("group identifier");
        entry.InstanceID = cursor.id("instance identifier");
        entry.ResourceID = withResourceId ? cursor.id("resource identifier") : ByteString(4, '\0');
        entry.Offset = cursor.i32("offset");
        entry.Size = cursor.i32("size");
    }
    return entries;
}

// The first four bytes of each record: the type identifier as stored.
ByteString readIndexTypes(const Source& source, const PackageHeader& header)
{
    ByteString types;
    const std::unique_ptr<char[]> buffer = readIndexBytes(source, header);
    if (!buffer)
        return types;
    const auto count = static_cast<std::size_t>(header.IndexCount);
    const auto entrySize = static_cast<std::size_t>(indexEntrySize(header.IndexMinorVersion));
    types.resize(count * 4);
    for (std::size_t i = 0; i < count; ++i)
        std::memcpy(types.data() + i * 4, buffer.get() + i * entrySize, 4);
    return types;
}

PackageIndex readIndex(const Source& source, Steps steps)
{
    const LocationScope callersStep;
    PackageIndex index;
    setLocation(steps.header);
    index.header = readHeader(source);
    setLocation(steps.index);
    index.entries = readIndexEntries(source, index.header);
    return index;
}

// As readIndex with the index-only steps, keeping only the types.
ByteString readTypes(const Source& source)
{
    const LocationScope callersStep;
    setLocation(kIndexOnlySteps.header);
    const PackageHeader header = readHeader(source);
    setLocation(kIndexOnlySteps.index);
    return readIndexTypes(source, header);
}

Phrase describeEntry(std::size_t position, std::size_t count, const IndexEntry& entry)
{
    return Phrase(VARNICK_PHRASE("PackageReader", "Resource %1 of %2 (type %3)"),
        { std::to_string(position + 1), std::to_string(count), simsIdToHex(entry.TypeID) });
}

void checkResource(const Source& source, std::size_t position, std::size_t count, const IndexEntry& entry)
{
    const std::int64_t length = source.size();
    if (entry.Offset < 0)
        badPackage(Phrase(VARNICK_PHRASE("PackageReader", "%1 starts at offset %2, before the start of the %3"),
            { describeEntry(position, count, entry), number(entry.Offset), Phrase(source.noun()) }));
    if (entry.Size < 0)
        badPackage(Phrase(VARNICK_PHRASE("PackageReader", "%1 has a negative size (%2)"),
            { describeEntry(position, count, entry), number(entry.Size) }));
    if (entry.Offset > length || entry.Size > length - entry.Offset)
        badPackage(Phrase(VARNICK_PHRASE("PackageReader", "%1 at offset %2 with %3 runs past the end of the %4 (%5)"),
            { describeEntry(position, count, entry), number(entry.Offset), byteCount(entry.Size), Phrase(source.noun()),
                byteCount(length) }));
}

std::vector<HoleEntry> readHoles(const Source& source, const PackageHeader& header)
{
    // The hole table is carried, not used. Packages written by this program keep
    // the hole fields of the package they were read from while dropping the table
    // itself, so a table outside the file is not an error: it is left out.
    std::vector<HoleEntry> holes;
    const std::int64_t length = source.size();
    if (header.HoleCount <= 0 || header.HoleOffset < 0 || header.HoleOffset > length
        || static_cast<std::int64_t>(header.HoleCount) * kHoleEntrySize > length - header.HoleOffset)
        return holes;
    const auto bytes = static_cast<std::size_t>(header.HoleCount) * static_cast<std::size_t>(kHoleEntrySize);
    const std::unique_ptr<char[]> buffer(new char[bytes]);
    source.read(header.HoleOffset, buffer.get(), bytes);
    holes.resize(static_cast<std::size_t>(header.HoleCount));
    ResourceCursor cursor(ByteView(buffer.get(), bytes), VARNICK_PHRASE("Resources", "Hole table"));
    for (HoleEntry& hole : holes) {
        hole.Offset = cursor.i32("offset");
        hole.Size = cursor.i32("size");
    }
    return holes;
}

// Reads every entry's stored bytes into files (one resource per entry, shared
// ranges read again for each entry). Small resources are gathered from window
// reads in file order, so a package of many small resources costs few reads.
void readResources(const Source& source, const std::vector<IndexEntry>& index, std::vector<PackageResource>& files)
{
    const std::int64_t length = source.size();
    std::int64_t total = 0;
    for (std::size_t i = 0; i < index.size(); ++i) {
        checkResource(source, i, index.size(), index[i]);
        total += index[i].Size;
    }
    if (total > 2 * length + kSharedRangeAllowance)
        throw Failure(ErrorCode::ResourceTooLarge,
            Phrase(VARNICK_PHRASE("PackageReader",
                       "The index's %1 name resources of %2 in all, more than the %3 (%4) can hold even with shared "
                       "ranges"),
                { entryCount(static_cast<std::int64_t>(index.size())), byteCount(total), Phrase(source.noun()),
                    byteCount(length) }));

    files.resize(index.size());
    for (std::size_t i = 0; i < index.size(); ++i) {
        PackageResource& file = files[i];
        static_cast<ResourceKey&>(file) = index[i].key();
        file.Size = index[i].Size;
    }

    std::vector<std::size_t> order(index.size());
    std::iota(order.begin(), order.end(), std::size_t { 0 });
    std::stable_sort(
        order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return index[a].Offset < index[b].Offset; });

    std::unique_ptr<char[]> window;
    std::int64_t windowStart = 0;
    std::int64_t windowLength = 0;
    for (const std::size_t i : order) {
        const std::int64_t offset = index[i].Offset;
        const std::int64_t size = index[i].Size;
        ByteString& data = files[i].Data;
        if (size == 0)
            continue;
        if (size >= kDirectReadSize) {
            data.resize(static_cast<std::size_t>(size));
            source.read(offset, data.data(), data.size());
            continue;
        }
        if (offset < windowStart || offset + size > windowStart + windowLength) {
            if (!window)
                window.reset(new char[kWindowSize]);
            windowStart = offset;
            windowLength = std::min(kWindowSize, length - offset);
            source.read(windowStart, window.get(), static_cast<std::size_t>(windowLength));
        }
        data.assign(window.get() + (offset - windowStart), static_cast<std::size_t>(size));
    }
}

PackageFile readWhole(const Source& source)
{
    const LocationScope callersStep;
    PackageIndex index = readIndex(source, kWholePackageSteps);
    PackageFile pkg;
    setHeader(pkg, index.header);
    setLocation(3000);
    pkg.Holes = readHoles(source, index.header);
    setLocation(4000);
    readResources(source, index.entries, pkg.Files);
    pkg.Index = std::move(index.entries);
    return pkg;
}

} // namespace

std::int64_t indexEntrySize(std::int32_t indexMinorVersion)
{
    return indexMinorVersion == 2 ? 24 : 20;
}

PackageHeader headerOf(const PackageFile& pkg)
{
    return static_cast<const PackageHeader&>(pkg);
}

void setHeader(PackageFile& pkg, const PackageHeader& header)
{
    static_cast<PackageHeader&>(pkg) = header;
}

PackageHeader parsePackageHeader(ByteView bytes)
{
    if (static_cast<std::int64_t>(bytes.size()) < kPackageHeaderSize)
        badPackage(Phrase(VARNICK_PHRASE("PackageReader", "The package header needs 96 bytes, %1 are there"),
            { number(static_cast<std::int64_t>(bytes.size())) }));
    ResourceCursor cursor(bytes.substr(0, kPackageHeaderSize), VARNICK_PHRASE("Resources", "Package header"));
    PackageHeader header;
    header.Magic = cursor.i32("magic");
    header.MajorVersion = cursor.i32("major version");
    header.MinorVersion = cursor.i32("minor version");
    for (std::int32_t& reserved : header.Reserved1)
        reserved = cursor.i32("reserved field");
    header.DateCreated = cursor.i32("creation date");
    header.DateModified = cursor.i32("modification date");
    header.IndexMajorVersion = cursor.i32("index major version");
    header.IndexCount = cursor.i32("index count");
    header.IndexOffset = cursor.i32("index offset");
    header.IndexSize = cursor.i32("index size");
    header.HoleCount = cursor.i32("hole count");
    header.HoleOffset = cursor.i32("hole offset");
    header.HoleSize = cursor.i32("hole size");
    header.IndexMinorVersion = cursor.i32("index minor version");
    header.Reserved2 = ByteString(cursor.bytes(32, "reserved tail"));
    return header;
}

PackageIndex readPackageIndex(const std::filesystem::path& fileName)
{
    const LocationScope callersStep;
    const FileNameContext file(pathToUtf8(fileName));
    setLocation(2000);
    FileSource source(fileName);
    PackageIndex index = readIndex(source, kIndexOnlySteps);
    source.close();
    return index;
}

ByteString readPackageIndexTypes(const std::filesystem::path& fileName)
{
    const LocationScope callersStep;
    const FileNameContext file(pathToUtf8(fileName));
    setLocation(2000);
    FileSource source(fileName);
    ByteString types = readTypes(source);
    source.close();
    return types;
}

namespace {

// Reads as the readers that open a file do (the same step in the error
// context), but names the file there only when the read fails: nearly every
// package of a folder reads cleanly, and naming each would cost more than
// reading its index.
template <typename NameOf, typename Read> auto readNamingOnFailure(const NameOf& nameOf, const Read& read)
{
    const LocationScope callersStep;
    setLocation(2000);
    try {
        return read();
    } catch (...) {
        errorContext().AdditionalData = "Filename = " + pathToUtf8(nameOf());
        throw;
    }
}

} // namespace

ByteString readPackageIndexTypes(const FolderHandle& folder, const std::filesystem::path& name)
{
    return readNamingOnFailure([&] { return folder.path() / name; },
        [&] {
            FileSource source(folder, name);
            ByteString types = readTypes(source);
            source.close();
            return types;
        });
}

PackageFile readPackage(const std::filesystem::path& fileName)
{
    const LocationScope callersStep;
    const FileNameContext file(pathToUtf8(fileName));
    setLocation(kWholePackageSteps.header);
    FileSource source(fileName);
    PackageFile pkg = readWhole(source);
    source.close();
    return pkg;
}

ByteString readResourceBytes(const std::filesystem::path& fileName, const IndexEntry& entry)
{
    FileSource source(fileName);
    checkResource(source, 0, 1, entry);
    ByteString data(static_cast<std::size_t>(entry.Size), '\0');
    if (!data.empty())
        source.read(entry.Offset, data.data(), data.size());
    source.close();
    return data;
}

struct PackageResourceReader::Open {
    FileSource source;
};

PackageResourceReader::PackageResourceReader(const std::filesystem::path& fileName)
    : mFileName(fileName)
    , mOpen(new Open { FileSource(fileName) })
{
}

PackageResourceReader::~PackageResourceReader() = default;

PackageIndex PackageResourceReader::index() const
{
    return readNamingOnFailure(
        [this] { return mFileName; }, [this] { return readIndex(mOpen->source, kIndexOnlySteps); });
}

ByteString PackageResourceReader::indexTypes() const
{
    return readNamingOnFailure([this] { return mFileName; }, [this] { return readTypes(mOpen->source); });
}

ByteString PackageResourceReader::read(const IndexEntry& entry) const
{
    checkResource(mOpen->source, 0, 1, entry);
    ByteString data(static_cast<std::size_t>(entry.Size), '\0');
    if (!data.empty())
        mOpen->source.read(entry.Offset, data.data(), data.size());
    return data;
}

PackageIndex parsePackageIndex(ByteView bytes)
{
    return readIndex(MemorySource(bytes), kIndexOnlySteps);
}

ByteString parsePackageIndexTypes(ByteView bytes)
{
    return readTypes(MemorySource(bytes));
}

PackageFile parsePackage(ByteView bytes)
{
    return readWhole(MemorySource(bytes));
}

std::vector<DirectoryEntry> parseDirectory(ByteView data, std::int32_t indexMinorVersion)
{
    const bool withResourceId = indexMinorVersion == 2;
    const std::size_t recordSize = withResourceId ? 20 : 16;
    // A partial last record is kept: its missing identifier bytes read as
    // blanks and its missing size bytes as 0.
    ResourceCursor cursor(
        data, VARNICK_PHRASE("Resources", "Directory of compressed files"), ResourceCursor::Mode::Lenient);
    const auto identifier = [&cursor](std::string_view field) {
        ByteString id(cursor.bytes(4, field));
        id.resize(4, ' ');
        return id;
    };
    std::vector<DirectoryEntry> entries;
    entries.reserve((data.size() + recordSize - 1) / recordSize);
    while (!cursor.atEnd()) {
        DirectoryEntry entry;
        entry.TypeID = identifier("type identifier");
        entry.GroupID = identifier("group identifier");
        entry.InstanceID = identifier("instance identifier");
        entry.ResourceID = withResourceId ? identifier("resource identifier") : ByteString(4, '\0');
        entry.Size = cursor.i32("uncompressed size");
        entries.push_back(std::move(entry));
    }
    return entries;
}

bool gsOpenPackageFile(const std::filesystem::path& fileName, PackageFile& pkg)
{
    return trapped("modSimsPackage", "gsOpenPackageFile", [&] { pkg = readPackage(fileName); });
}

bool gsLoadPackage(const std::filesystem::path& fileName, PackageFile& pkg)
{
    if (fileName.empty())
        return true;
    return gsOpenPackageFile(fileName, pkg);
}

bool gsLoadPackageIndexOnly(const std::filesystem::path& fileName, std::vector<IndexEntry>& entries)
{
    entries.clear();
    return trapped("modSimsPackage", "gsLoadPackageIndexOnly", [&] { entries = readPackageIndex(fileName).entries; });
}

bool gsReadDirectory(ByteView data, std::vector<DirectoryEntry>& entries, std::int32_t indexMinorVersion)
{
    return trapped("modSimsPackage", "gsReadDirectory", [&] { entries = parseDirectory(data, indexMinorVersion); });
}

} // namespace varnick
