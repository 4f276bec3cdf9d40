// Fuzzes the thumbnail cache purge with arbitrary cache files: it must either
// rewrite the cache, refuse it as corrupt or fail with Failure, never read
// outside the file; a cache it did not rewrite must keep its bytes, and a
// rewritten one must read back whole, without any resource under the key
// except the directory, with every kept resource's stored bytes unchanged.
#include "app/recolors/core/ThumbnailPurge.h"
#include "package/BinarySupport.h"
#include "package/PackageReader.h"
#include "package/base/ErrorTrap.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

#ifndef _WIN32
#include <unistd.h>
#endif

using namespace varnick;
namespace fs = std::filesystem;

namespace {

const fs::path& scratchFolder()
{
#ifdef _WIN32
    static const fs::path folder = fs::temp_directory_path() / "fuzz-thumbnail-purge";
#else
    static const fs::path folder = fs::temp_directory_path() / ("fuzz-thumbnail-purge-" + std::to_string(::getpid()));
#endif
    static const struct Cleanup {
        ~Cleanup()
        {
            std::error_code error;
            fs::remove_all(folder, error);
        }
    } cleanup;
    return folder;
}

ByteString readAll(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return ByteString(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ByteView bytes(reinterpret_cast<const char*>(data), size);
    const fs::path thumbnails = scratchFolder() / "Thumbnails";
    const fs::path cache = thumbnails / "ObjectThumbnails.package";
    fs::create_directories(thumbnails);
    {
        std::ofstream out(cache, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    // The key of the resources the seeds file under 7F000001.
    const ByteString key("\x01\x00\x00\x7F", 4);

    ThumbnailPurge purge(thumbnails, key);
    PurgeOptions options;
    options.backupFolder = scratchFolder() / "backups";
    const PurgeResult result = purge.run(options);
    const CachePurge& object = result.caches[0];
    if (object.outcome != CacheOutcome::Purged) {
        if (readAll(cache) != bytes)
            std::abort();
        if (object.outcome == CacheOutcome::Failed) {
            try {
                std::rethrow_exception(result.failure);
            } catch (const Failure&) {
            } catch (...) {
                std::abort();
            }
        }
        return 0;
    }

    const PackageFile after = readPackage(cache);
    PackageFile before;
    try {
        before = parsePackage(bytes);
    } catch (const Failure&) {
        return 0; // a removed resource lay outside the file; the kept ones were checked above
    }
    if (static_cast<std::int64_t>(after.Files.size()) != object.resourcesKept
        || object.resourcesKept + object.resourcesRemoved != static_cast<std::int64_t>(before.Files.size()))
        std::abort();
    std::size_t kept = 0;
    for (const PackageResource& file : before.Files) {
        const bool directory = simsIdToHex(file.TypeID) == "E86B1EEF";
        if (!directory && file.ResourceID == key)
            continue;
        const PackageResource& copy = after.Files[kept++];
        if (copy.TypeID != file.TypeID || copy.InstanceID != file.InstanceID || (!directory && copy.Data != file.Data))
            std::abort();
    }
    return 0;
}
