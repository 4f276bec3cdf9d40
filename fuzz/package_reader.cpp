// Fuzzes the package readers with arbitrary bytes: the whole-package reader,
// the index-only reader and the directory parser must either succeed or throw
// Failure, never read outside their input, and whatever the whole reader
// accepts must survive a write and a second read unchanged.
#include "package/PackageReader.h"
#include "package/PackageWriter.h"
#include "package/base/ErrorTrap.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace varnick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ByteView bytes(reinterpret_cast<const char*>(data), size);
    try {
        const PackageIndex index = parsePackageIndex(bytes);
        if (index.Entries.size() != static_cast<std::size_t>(index.Header.IndexCount))
            std::abort();
    } catch (const Failure&) {
    }

    PackageFile pkg;
    try {
        pkg = parsePackage(bytes);
    } catch (const Failure&) {
        return 0;
    }
    for (const PackageResource& file : pkg.Files) {
        if (file.Data.size() != static_cast<std::size_t>(file.Size))
            std::abort();
        (void)parseDirectory(file.Data, pkg.IndexMinorVersion);
    }

    PackageFile copy = pkg;
    ByteString written;
    try {
        written = serializePackage(copy);
    } catch (const Failure&) {
        return 0; // beyond 2 GiB cannot come from a fuzz input; identifiers are always 4 bytes
    }
    const PackageFile again = parsePackage(written);
    if (again.Files.size() != pkg.Files.size())
        std::abort();
    for (std::size_t i = 0; i < pkg.Files.size(); ++i) {
        if (again.Files[i].Data != pkg.Files[i].Data || again.Files[i].TypeID != pkg.Files[i].TypeID
            || again.Files[i].InstanceID != pkg.Files[i].InstanceID)
            std::abort();
    }
    return 0;
}
