#include "package/PackageWriter.h"

#include "package/BinarySupport.h"
#include "package/PackageReader.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"
#include "package/base/RawFile.h"
#include "package/base/ScratchFile.h"

#include <chrono>
#include <cstring>
#include <limits>
#include <string>
#include <system_error>
#include <thread>
#include <utility>

// Layout written (all integers little-endian):
//
//   0 .. 95        header from the record; IndexCount, IndexOffset and IndexSize
//                  are those of the index written below, all other fields (hole
//                  fields included) as the record holds them
//   96 ..          Files[0].Data, Files[1].Data, ... back to back, no padding
//   IndexOffset .. one entry per resource: TypeID, GroupID, InstanceID,
//                  [ResourceID when IndexMinorVersion = 2], Offset, Size
//
// No hole table is written.

namespace varnick {

namespace {

void defaultPause(std::int32_t milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

PausePackageWriter& installedPause()
{
    static PausePackageWriter pause = defaultPause;
    return pause;
}

void checkIdentifier(const ByteString& id, PhraseText field, PhraseText what, std::size_t position)
{
    if (id.size() != 4)
        throw Failure(ErrorCode::InvalidArgument,
            Phrase(VARNICK_PHRASE("PackageWriter", "%1 %2 has a %3 of %4 bytes; identifiers are 4 bytes"),
                { Phrase(what), std::to_string(position + 1), Phrase(field), std::to_string(id.size()) }));
}

// What the writer will put down for pkg: the index it rebuilds and where it goes.
struct Plan {
    std::vector<IndexEntry> index;
    std::int32_t indexOffset = 0;
    std::int32_t indexSize = 0;
    std::int64_t fileSize = 0;
};

Plan planPackage(const PackageFile& pkg)
{
    const bool withResourceId = pkg.IndexMinorVersion == 2;
    const std::int64_t entrySize = indexEntrySize(pkg.IndexMinorVersion);
    constexpr std::int64_t limit = std::numeric_limits<std::int32_t>::max();
    Plan plan;
    plan.index.resize(pkg.Files.size());
    std::int64_t position = kPackageHeaderSize;
    for (std::size_t i = 0; i < pkg.Files.size(); ++i) {
        const PackageResource& file = pkg.Files[i];
        checkIdentifier(file.TypeID, VARNICK_PHRASE("PackageWriter", "type identifier"),
            VARNICK_PHRASE("PackageWriter", "Resource"), i);
        checkIdentifier(file.GroupID, VARNICK_PHRASE("PackageWriter", "group identifier"),
            VARNICK_PHRASE("PackageWriter", "Resource"), i);
        checkIdentifier(file.InstanceID, VARNICK_PHRASE("PackageWriter", "instance identifier"),
            VARNICK_PHRASE("PackageWriter", "Resource"), i);
        if (withResourceId)
            checkIdentifier(file.ResourceID, VARNICK_PHRASE("PackageWriter", "resource identifier"),
                VARNICK_PHRASE("PackageWriter", "Resource"), i);
        const auto size = static_cast<std::int64_t>(file.Data.size());
        if (size > limit - position)
            throw Failure(ErrorCode::ResourceTooLarge,
                Phrase(VARNICK_PHRASE("PackageWriter",
                           "The package would grow past 2 GiB at resource %1; offsets in a package are 32-bit"),
                    { std::to_string(i + 1) }));
        IndexEntry& entry = plan.index[i];
        static_cast<ResourceKey&>(entry) = file.key();
        entry.Offset = static_cast<std::int32_t>(position);
        entry.Size = static_cast<std::int32_t>(size);
        position += size;
    }
    const std::int64_t indexBytes = static_cast<std::int64_t>(pkg.Files.size()) * entrySize;
    if (indexBytes > limit - position)
        throw Failure(ErrorCode::ResourceTooLarge,
            Phrase(VARNICK_PHRASE(
                "PackageWriter", "The package's index would end past 2 GiB; offsets in a package are 32-bit")));
    plan.indexOffset = static_cast<std::int32_t>(position);
    plan.indexSize = static_cast<std::int32_t>(indexBytes);
    plan.fileSize = position + indexBytes;
    return plan;
}

ByteString encodeHeader(const PackageFile& pkg, const Plan& plan)
{
    ByteString header;
    header.reserve(kPackageHeaderSize);
    appendLong(header, pkg.Magic);
    appendLong(header, pkg.MajorVersion);
    appendLong(header, pkg.MinorVersion);
    for (const std::int32_t reserved : pkg.Reserved1)
        appendLong(header, reserved);
    appendLong(header, pkg.DateCreated);
    appendLong(header, pkg.DateModified);
    appendLong(header, pkg.IndexMajorVersion);
    appendLong(header, static_cast<std::int32_t>(plan.index.size()));
    appendLong(header, plan.indexOffset);
    appendLong(header, plan.indexSize);
    appendLong(header, pkg.HoleCount);
    appendLong(header, pkg.HoleOffset);
    appendLong(header, pkg.HoleSize);
    appendLong(header, pkg.IndexMinorVersion);
    // The tail is always 32 bytes in the file, whatever length the record holds.
    ByteString tail = pkg.Reserved2.substr(0, 32);
    tail.resize(32, '\0');
    header += tail;
    return header;
}

ByteString encodeIndex(const std::vector<IndexEntry>& index, std::int32_t indexMinorVersion)
{
    const bool withResourceId = indexMinorVersion == 2;
    ByteString bytes;
    bytes.reserve(index.size() * static_cast<std::size_t>(indexEntrySize(indexMinorVersion)));
    for (const IndexEntry& entry : index) {
        bytes += entry.TypeID;
        bytes += entry.GroupID;
        bytes += entry.InstanceID;
        if (withResourceId)
            bytes += entry.ResourceID;
        appendLong(bytes, entry.Offset);
        appendLong(bytes, entry.Size);
    }
    return bytes;
}

void adoptPlan(PackageFile& pkg, Plan& plan)
{
    pkg.IndexCount = static_cast<std::int32_t>(plan.index.size());
    pkg.IndexOffset = plan.indexOffset;
    pkg.IndexSize = plan.indexSize;
    pkg.Index = std::move(plan.index);
}

// Opens a file for writing through open, retrying while another program holds it.
template <typename Open> auto openForWriting(Open&& open)
{
    for (int retry = 0;; ++retry) {
        try {
            return open();
        } catch (const Failure& failure) {
            if (!RawFile::lastOpenWasHeld())
                throw;
            if (retry == kWriterOpenRetries)
                throw Failure(failure.code(),
                    Phrase(VARNICK_PHRASE("PackageWriter", "%1 (still so after %2 retries)"),
                        { failure.phrase(), std::to_string(kWriterOpenRetries) }));
        }
        installedPause()(kWriterRetryPauseMs);
    }
}

// Collects small writes into large ones for put(data, size), which appends.
template <typename Put> class BufferedWriter {
public:
    explicit BufferedWriter(Put put)
        : mPut(std::move(put))
    {
        mBuffer.reserve(kCapacity);
    }
    void write(ByteView bytes)
    {
        if (mBuffer.size() + bytes.size() > kCapacity)
            flush();
        if (bytes.size() >= kCapacity)
            mPut(bytes.data(), bytes.size());
        else
            mBuffer.append(bytes);
    }
    void flush()
    {
        if (!mBuffer.empty()) {
            mPut(mBuffer.data(), mBuffer.size());
            mBuffer.clear();
        }
    }

private:
    static constexpr std::size_t kCapacity = 1024 * 1024;
    Put mPut;
    ByteString mBuffer;
};

// The writer's steps, with the locations they report, onto put.
template <typename Put> void writePackageBytes(PackageFile& pkg, Plan& plan, Put&& put)
{
    const LocationScope callersStep;
    BufferedWriter<Put> out(std::forward<Put>(put));
    setLocation(1500);
    out.write(encodeHeader(pkg, plan));
    setLocation(2000);
    for (const PackageResource& resource : pkg.Files)
        out.write(resource.Data);
    setLocation(3000);
    out.write(encodeIndex(plan.index, pkg.IndexMinorVersion));
    out.flush();
}

} // namespace

void gsCreateDefaultPackageHeader(PackageFile& pkg)
{
    pkg.Magic = gflngStr4ToLong("DBPF");
    pkg.MajorVersion = 1;
    pkg.MinorVersion = 1;
    pkg.Reserved1 = { 0, 0, 0 };
    pkg.DateCreated = 0;
    pkg.DateModified = 0;
    pkg.IndexMajorVersion = 7;
    pkg.IndexCount = 0;
    pkg.IndexOffset = 0;
    pkg.IndexSize = 0;
    pkg.HoleCount = 0;
    pkg.HoleOffset = 0;
    pkg.HoleSize = 0;
    pkg.IndexMinorVersion = 2;
    pkg.Reserved2.assign(32, '\0');
}

ByteString serializePackage(PackageFile& pkg)
{
    Plan plan = planPackage(pkg);
    ByteString bytes;
    bytes.reserve(static_cast<std::size_t>(plan.fileSize));
    bytes += encodeHeader(pkg, plan);
    for (const PackageResource& file : pkg.Files)
        bytes += file.Data;
    bytes += encodeIndex(plan.index, pkg.IndexMinorVersion);
    adoptPlan(pkg, plan);
    return bytes;
}

void writePackage(PackageFile& pkg, const std::filesystem::path& fileName)
{
    const LocationScope callersStep;
    setLocation(1000);
    Plan plan = planPackage(pkg);
    RawFile file = openForWriting([&] { return RawFile(fileName, RawFile::Mode::CreateTruncate); });
    std::int64_t position = 0;
    writePackageBytes(pkg, plan, [&](const void* data, std::size_t size) {
        file.writeAt(position, data, size);
        position += static_cast<std::int64_t>(size);
    });
    setLocation(4000);
    file.close();
    adoptPlan(pkg, plan);
}

ScratchFile writePackageScratch(PackageFile& pkg, const std::filesystem::path& target)
{
    const LocationScope callersStep;
    setLocation(1000);
    Plan plan = planPackage(pkg);
    ScratchFile scratch = openForWriting([&] { return ScratchFile(target); });
    writePackageBytes(pkg, plan, [&](const void* data, std::size_t size) { scratch.write(data, size); });
    setLocation(4000);
    adoptPlan(pkg, plan);
    return scratch;
}

void writePackageReplacing(PackageFile& pkg, const std::filesystem::path& target)
{
    const FileNameContext file(pathToUtf8(target));
    writePackageScratch(pkg, target).commit();
}

bool gsSavePackageFileNoCompB(const std::filesystem::path& fileName, PackageFile& pkg)
{
    if (fileName.empty())
        return true;
    return trapped("modSimsPackage", "gsSavePackageFileNoCompB", [&] { writePackageReplacing(pkg, fileName); });
}

void gsWriteDirectory(ByteString& out, const std::vector<DirectoryEntry>& entries, std::int32_t indexMinorVersion)
{
    const bool withResourceId = indexMinorVersion == 2;
    ByteString bytes;
    bytes.reserve(entries.size() * (withResourceId ? 20 : 16));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const DirectoryEntry& entry = entries[i];
        checkIdentifier(entry.TypeID, VARNICK_PHRASE("PackageWriter", "type identifier"),
            VARNICK_PHRASE("PackageWriter", "Directory entry"), i);
        checkIdentifier(entry.GroupID, VARNICK_PHRASE("PackageWriter", "group identifier"),
            VARNICK_PHRASE("PackageWriter", "Directory entry"), i);
        checkIdentifier(entry.InstanceID, VARNICK_PHRASE("PackageWriter", "instance identifier"),
            VARNICK_PHRASE("PackageWriter", "Directory entry"), i);
        bytes += entry.TypeID;
        bytes += entry.GroupID;
        bytes += entry.InstanceID;
        if (withResourceId) {
            checkIdentifier(entry.ResourceID, VARNICK_PHRASE("PackageWriter", "resource identifier"),
                VARNICK_PHRASE("PackageWriter", "Directory entry"), i);
            bytes += entry.ResourceID;
        }
        appendLong(bytes, entry.Size);
    }
    out = std::move(bytes);
}

void gsRemoveDirectoryEntries(
    const std::vector<DirectoryEntry>& source, std::vector<DirectoryEntry>& kept, ByteView resourceID)
{
    std::vector<DirectoryEntry> result;
    result.reserve(source.size());
    for (const DirectoryEntry& entry : source) {
        if (entry.ResourceID != resourceID)
            result.push_back(entry);
    }
    kept = std::move(result);
}

void gsRemovePackageFiles(
    const std::vector<PackageResource>& source, std::vector<PackageResource>& kept, ByteView resourceID)
{
    std::vector<PackageResource> result;
    result.reserve(source.size());
    for (const PackageResource& resource : source) {
        if (resource.ResourceID == resourceID)
            continue;
        PackageResource copy;
        static_cast<ResourceKey&>(copy) = resource.key();
        copy.Data = resource.Data;
        result.push_back(std::move(copy));
    }
    kept = std::move(result);
}

PausePackageWriter setPackageWriterPause(PausePackageWriter pause)
{
    PausePackageWriter previous = std::move(installedPause());
    installedPause() = pause ? std::move(pause) : PausePackageWriter(defaultPause);
    return previous;
}

} // namespace varnick
