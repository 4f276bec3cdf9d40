// Fuzzes the package readers with arbitrary bytes: the whole-package reader,
// the index-only reader, the index-types reader of the folder scan and the
// directory parser must either succeed or throw Failure, never read outside
// their input; reading the same bytes from a file must give the same result as
// reading them from memory; the types reader must give the index reader's
// types or fail with it; and whatever the whole reader accepts must survive a
// write and a second read unchanged.
#include "fuzz/common/ScratchFile.h"
#include "package/PackageReader.h"
#include "package/PackageWriter.h"
#include "package/base/ErrorTrap.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>

using namespace varnick;

namespace {

template <typename Read> auto attempt(Read read) -> std::optional<decltype(read())>
{
    try {
        return read();
    } catch (const Failure&) {
        return std::nullopt;
    }
}

bool sameIndex(const std::vector<IndexEntry>& a, const std::vector<IndexEntry>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!(a[i].key() == b[i].key()) || a[i].Offset != b[i].Offset || a[i].Size != b[i].Size)
            return false;
    }
    return true;
}

bool sameFiles(const PackageFile& a, const PackageFile& b)
{
    if (a.Files.size() != b.Files.size())
        return false;
    for (std::size_t i = 0; i < a.Files.size(); ++i) {
        if (a.Files[i].Data != b.Files[i].Data || a.Files[i].TypeID != b.Files[i].TypeID
            || a.Files[i].GroupID != b.Files[i].GroupID || a.Files[i].InstanceID != b.Files[i].InstanceID)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ByteView bytes(reinterpret_cast<const char*>(data), size);
    static const fuzz::ScratchFile scratch("fuzz-package-reader");
    scratch.write(data, size);

    const auto index = attempt([&] { return parsePackageIndex(bytes); });
    const auto indexFromFile = attempt([&] { return readPackageIndex(scratch.path()); });
    if (index.has_value() != indexFromFile.has_value())
        std::abort();
    if (index) {
        if (index->entries.size() != static_cast<std::size_t>(index->header.IndexCount)
            || !sameIndex(index->entries, indexFromFile->entries))
            std::abort();
    }

    const auto types = attempt([&] { return parsePackageIndexTypes(bytes); });
    const auto typesFromFile = attempt([&] { return readPackageIndexTypes(scratch.path()); });
    if (types.has_value() != index.has_value() || typesFromFile != types)
        std::abort();
    if (index) {
        ByteString expected;
        for (const IndexEntry& entry : index->entries)
            expected += entry.TypeID;
        if (*types != expected)
            std::abort();
    }

    const auto pkg = attempt([&] { return parsePackage(bytes); });
    const auto pkgFromFile = attempt([&] { return readPackage(scratch.path()); });
    if (pkg.has_value() != pkgFromFile.has_value())
        std::abort();
    if (!pkg)
        return 0;
    if (!index || !sameFiles(*pkg, *pkgFromFile) || !sameIndex(pkg->Index, index->entries))
        std::abort();
    for (const PackageResource& file : pkg->Files) {
        if (file.Data.size() != static_cast<std::size_t>(file.Size))
            std::abort();
        (void)parseDirectory(file.Data, pkg->IndexMinorVersion);
    }

    PackageFile copy = *pkg;
    const auto written = attempt([&] { return serializePackage(copy); });
    if (!written)
        return 0; // only a package beyond 2 GiB, which no fuzz input can describe
    const PackageFile again = parsePackage(*written);
    if (!sameFiles(again, *pkg))
        std::abort();
    return 0;
}
