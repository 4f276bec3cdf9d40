// Recompressing packages. Per package: decode every resource, store each one
// compressed where that is shorter, rebuild the directory of compressed files,
// and write the result only after it has been read back and every resource
// decoded equal to the original's. Files are processed on a pool of threads.
#include "package/Recompress.h"

#include "package/BinarySupport.h"
#include "package/CompressedResource.h"
#include "package/PackageReader.h"
#include "package/PackageWriter.h"
#include "package/base/ErrorTrap.h"
#include "package/base/FileStamp.h"
#include "package/base/FolderListing.h"
#include "package/base/KelvoraBinding.h"
#include "package/base/ParallelFor.h"
#include "package/base/Paths.h"
#include "package/base/ScratchFile.h"
#include "package/base/WholeFile.h"

#include <algorithm>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

namespace fs = std::filesystem;

namespace varnick {

namespace {

const ByteString& directoryType()
{
    static const ByteString id = gfstr4HexToSimsID("E86B1EEF");
    return id;
}

// The package reader records its steps in the process-wide error context, so
// the worker threads take turns at parsing; compression runs in parallel.
std::mutex& readerLock()
{
    static std::mutex lock;
    return lock;
}

PackageFile parseLocked(ByteView bytes)
{
    const std::lock_guard<std::mutex> guard(readerLock());
    return parsePackage(bytes);
}

std::string describeResource(const PackageResource& resource, std::size_t position)
{
    return "resource " + std::to_string(position + 1) + " (type " + simsIdToHex(resource.TypeID) + ", instance "
        + simsIdToHex(resource.InstanceID) + ")";
}

ByteString contentsOf(const PackageResource& resource, std::size_t position)
{
    try {
        return decompressResource(resource.Data);
    } catch (const Failure& failure) {
        if (failure.code() != ErrorCode::DamagedCompression)
            throw;
        throw Failure(ErrorCode::DamagedCompression,
            Phrase(VARNICK_PHRASE("Compression",
                       "The compressed resource %1 (type %2, instance %3) is damaged and cannot be decompressed"),
                { std::to_string(position + 1), simsIdToHex(resource.TypeID), simsIdToHex(resource.InstanceID) }));
    }
}

// Empty when after reads back as a package whose resources (the directory
// aside) are before's, in order, with the same identifiers and contents, and
// whose directory is true; otherwise what differs.
std::string readBackDifference(const PackageFile& before, const std::vector<ByteString>& contents, ByteView after)
{
    const PackageFile again = parseLocked(after);
    std::size_t k = 0;
    for (std::size_t i = 0; i < before.Files.size(); ++i) {
        const PackageResource& original = before.Files[i];
        if (isCompressedDirectory(original))
            continue;
        while (k < again.Files.size() && isCompressedDirectory(again.Files[k]))
            ++k;
        if (k == again.Files.size())
            return describeResource(original, i) + " is missing";
        const PackageResource& copy = again.Files[k];
        if (copy.TypeID != original.TypeID || copy.GroupID != original.GroupID || copy.InstanceID != original.InstanceID
            || (before.IndexMinorVersion == 2 && copy.ResourceID != original.ResourceID))
            return describeResource(original, i) + " has other identifiers";
        ByteString decoded;
        try {
            decoded = decompressResource(copy.Data);
        } catch (const Failure& failure) {
            return describeResource(original, i) + " does not decode: " + failure.what();
        }
        if (decoded != contents[i])
            return describeResource(original, i) + " decodes to other bytes";
        ++k;
    }
    for (; k < again.Files.size(); ++k) {
        if (!isCompressedDirectory(again.Files[k]))
            return "an extra resource appeared";
    }
    PackageFile check = again;
    rebuildCompressedDirectory(check);
    for (std::size_t i = 0; i < again.Files.size() || i < check.Files.size(); ++i) {
        if (i >= again.Files.size() || i >= check.Files.size() || again.Files[i].Data != check.Files[i].Data)
            return "the directory of compressed files is not true";
    }
    return {};
}

} // namespace

bool isCompressedDirectory(const PackageResource& resource)
{
    return resource.TypeID == directoryType();
}

std::vector<ByteString> decodedContents(const PackageFile& pkg)
{
    std::vector<ByteString> contents;
    contents.reserve(pkg.Files.size());
    for (std::size_t i = 0; i < pkg.Files.size(); ++i)
        contents.push_back(isCompressedDirectory(pkg.Files[i]) ? pkg.Files[i].Data : contentsOf(pkg.Files[i], i));
    return contents;
}

void rebuildCompressedDirectory(PackageFile& pkg)
{
    std::vector<DirectoryEntry> entries;
    for (std::size_t i = 0; i < pkg.Files.size(); ++i) {
        const PackageResource& resource = pkg.Files[i];
        if (isCompressedDirectory(resource) || !isCompressedResource(resource.Data))
            continue;
        const ByteString contents = contentsOf(resource, i);
        entries.push_back({ resource.key(), static_cast<std::int32_t>(contents.size()) });
    }
    std::vector<PackageResource> files;
    files.reserve(pkg.Files.size() + 1);
    bool placed = false;
    ByteString records;
    gsWriteDirectory(records, entries, pkg.IndexMinorVersion);
    for (PackageResource& resource : pkg.Files) {
        if (!isCompressedDirectory(resource)) {
            files.push_back(std::move(resource));
        } else if (!placed && !entries.empty()) {
            resource.Data = records;
            resource.Size = static_cast<std::int32_t>(records.size());
            files.push_back(std::move(resource));
            placed = true;
        }
    }
    if (!placed && !entries.empty()) {
        PackageResource directory;
        directory.TypeID = directoryType();
        directory.GroupID = directoryType();
        directory.InstanceID = gfstr4HexToSimsID("286B1F03");
        directory.ResourceID = ByteString(4, '\0');
        directory.Size = static_cast<std::int32_t>(records.size());
        directory.Data = std::move(records);
        files.push_back(std::move(directory));
    }
    pkg.Files = std::move(files);
}

RecompressSummary recompressPackage(PackageFile& pkg, int level)
{
    const std::vector<ByteString> contents = decodedContents(pkg);
    RecompressSummary summary;
    PackageFile result = pkg;
    for (std::size_t i = 0; i < result.Files.size(); ++i) {
        PackageResource& resource = result.Files[i];
        if (isCompressedDirectory(resource))
            continue;
        ++summary.resources;
        const bool wasCompressed = isCompressedResource(resource.Data);
        std::optional<ByteString> packed = kelvoraCompressLevel(contents[i], level);
        if (packed && packed->size() < resource.Data.size()) {
            resource.Data = std::move(*packed);
            resource.Size = static_cast<std::int32_t>(resource.Data.size());
            summary.newlyCompressed += wasCompressed ? 0 : 1;
        }
        summary.compressed += isCompressedResource(resource.Data) ? 1 : 0;
    }
    rebuildCompressedDirectory(result);
    pkg = std::move(result);
    return summary;
}

ByteString storedFormOfReplacement(ByteView previousStored, ByteView contents, int level)
{
    if (isCompressedResource(previousStored)) {
        if (std::optional<ByteString> packed = kelvoraCompressLevel(contents, level))
            return std::move(*packed);
    }
    return ByteString(contents);
}

RecompressFileResult recompressFile(const fs::path& file, const RecompressOptions& options)
{
    RecompressFileResult result;
    result.file = file;
    try {
        // Taken before reading, so that a change while reading counts as a change.
        const std::optional<FileStamp> stamp = fileStampOf(file);
        const ByteString original = readWholeFile(file);
        result.bytesBefore = static_cast<std::int64_t>(original.size());
        result.bytesAfter = result.bytesBefore;
        const PackageFile before = parseLocked(original);
        const std::vector<ByteString> contents = decodedContents(before);
        PackageFile after = before;
        result.summary = recompressPackage(after, options.level);
        ByteString bytes = serializePackage(after);
        if (options.beforeCheckForTesting)
            options.beforeCheckForTesting(bytes);
        if (const std::string difference = readBackDifference(before, contents, bytes); !difference.empty()) {
            result.refused = true;
            result.reason = "would not read back identically: " + difference;
            return result;
        }
        result.changed = bytes != original;
        if (result.changed) {
            result.bytesAfter = static_cast<std::int64_t>(bytes.size());
            if (!options.dryRun) {
                ScratchFile scratch(file);
                scratch.write(bytes);
                // The backup (a copy that may take a moment) comes before the
                // last check, so that the check sits right before the replace.
                if (options.keepPrevious)
                    options.keepPrevious(file);
                if (!stamp || fileStampOf(file) != stamp) {
                    result.refused = true;
                    result.changed = false;
                    result.bytesAfter = result.bytesBefore;
                    result.reason = "changed on disk since it was read; it was left as it is";
                    return result;
                }
                scratch.commit();
            }
        }
    } catch (const std::bad_alloc&) {
        result
            = RecompressFileResult { file, true, "out of memory", false, result.bytesBefore, result.bytesBefore, {} };
    } catch (const std::exception& error) {
        result.refused = true;
        result.changed = false;
        result.bytesAfter = result.bytesBefore;
        result.reason = error.what();
    }
    return result;
}

std::vector<fs::path> collectPackageFiles(const std::vector<fs::path>& paths, std::vector<std::string>& missing)
{
    std::vector<fs::path> files;
    const auto isPackage = [](const fs::path& path) {
        std::string extension = pathToUtf8(path.extension());
        std::transform(extension.begin(), extension.end(), extension.begin(),
            [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
        return extension == ".package";
    };
    for (const fs::path& path : paths) {
        std::error_code error;
        if (fs::is_directory(path, error)) {
            // The system's own listing: the standard one cannot open a folder beyond MAX_PATH on Windows.
            const bool listed = walkFolderTree(
                path,
                [&](const FolderEntry& entry) {
                    if (entry.kind == FolderEntry::Kind::File && isPackage(entry.path))
                        files.push_back(entry.path);
                },
                error);
            if (!listed)
                missing.push_back(pathToUtf8(path) + ": " + error.message());
        } else if (fs::is_regular_file(path, error)) {
            files.push_back(path);
        } else {
            missing.push_back(pathToUtf8(path) + ": no such file or folder");
        }
    }
    std::sort(files.begin(), files.end());
    files.erase(std::unique(files.begin(), files.end()), files.end());
    return files;
}

std::vector<RecompressFileResult> recompressFiles(const std::vector<fs::path>& files, const RecompressOptions& options,
    const std::function<void(std::size_t, std::size_t, const RecompressFileResult&)>& progress,
    const std::atomic<bool>* cancel)
{
    std::vector<RecompressFileResult> results(files.size());
    std::mutex reportLock;
    std::size_t done = 0;
    const unsigned threads = options.threads != 0 ? options.threads : std::max(1u, std::thread::hardware_concurrency());
    parallelFor(
        files.size(), threads,
        [&](std::size_t k) {
            results[k] = recompressFile(files[k], options);
            const std::lock_guard<std::mutex> guard(reportLock);
            ++done;
            if (progress)
                progress(done, files.size(), results[k]);
        },
        [&] { return cancel != nullptr && cancel->load(); }, [](std::size_t) {});
    return results;
}

} // namespace varnick
