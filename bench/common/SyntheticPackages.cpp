#include "bench/common/SyntheticPackages.h"

#include "package/BinarySupport.h"
#include "package/PackageWriter.h"
#include "package/TypeIds.h"

#include <random>
#include <string>
#include <system_error>

namespace varnick::bench {

namespace {

const ByteString* const kTypes[] = { &gstrTypeOBJD, &gstrTypeCTSS, &gstrTypeGMDC, &gstrTypeGMND, &gstrTypeSHPE,
    &gstrTypeCRES, &gstrTypeTXMT, &gstrTypeTXTR, &gstrTypeMMAT, &gstrTypeGZPS, &gstrTypeBHAV, &gstrTypeTTAB };

} // namespace

PackageFile makeSyntheticPackage(const SyntheticShape& shape, std::uint32_t packageNumber)
{
    std::mt19937 random(shape.seed * 7919u + packageNumber);
    std::uniform_int_distribution<std::int32_t> size(shape.minResourceSize, shape.maxResourceSize);
    std::uniform_int_distribution<int> byte(0, 255);
    PackageFile pkg;
    gsCreateDefaultPackageHeader(pkg);
    pkg.Files.resize(static_cast<std::size_t>(shape.resourcesPerPackage));
    for (std::size_t i = 0; i < pkg.Files.size(); ++i) {
        PackageResource& file = pkg.Files[i];
        file.TypeID = *kTypes[i % std::size(kTypes)];
        file.GroupID = gfstrLongToStr4(static_cast<std::int32_t>(0x7F000000u | (packageNumber & 0xFFFFFF)));
        file.InstanceID = gfstrLongToStr4(static_cast<std::int32_t>(i + 1));
        file.ResourceID = gfstrLongToStr4(0);
        file.Data.resize(static_cast<std::size_t>(size(random)));
        for (char& c : file.Data)
            c = static_cast<char>(byte(random));
        file.Size = static_cast<std::int32_t>(file.Data.size());
    }
    return pkg;
}

std::vector<std::filesystem::path> writeSyntheticPackages(
    const std::filesystem::path& folder, int count, const SyntheticShape& shape)
{
    std::filesystem::create_directories(folder);
    std::vector<std::filesystem::path> files;
    files.reserve(static_cast<std::size_t>(count));
    for (int n = 0; n < count; ++n) {
        const std::filesystem::path file = folder / ("synthetic-" + std::to_string(n) + ".package");
        std::error_code error;
        if (!std::filesystem::exists(file, error)) {
            PackageFile pkg = makeSyntheticPackage(shape, static_cast<std::uint32_t>(n));
            writePackage(pkg, file);
        }
        files.push_back(file);
    }
    return files;
}

void writeLargePackage(const std::filesystem::path& file, std::int64_t megabytes, std::int32_t resourceSize)
{
    PackageFile pkg;
    gsCreateDefaultPackageHeader(pkg);
    const std::int64_t count = megabytes * 1024 * 1024 / resourceSize;
    pkg.Files.resize(static_cast<std::size_t>(count));
    std::mt19937 random(42);
    for (std::size_t i = 0; i < pkg.Files.size(); ++i) {
        PackageResource& resource = pkg.Files[i];
        resource.TypeID = *kTypes[i % std::size(kTypes)];
        resource.GroupID = gfstrLongToStr4(0x1C0532FA);
        resource.InstanceID = gfstrLongToStr4(static_cast<std::int32_t>(i));
        resource.ResourceID = gfstrLongToStr4(0);
        resource.Data.assign(static_cast<std::size_t>(resourceSize), static_cast<char>(random() & 0xFF));
        resource.Size = resourceSize;
    }
    writePackage(pkg, file);
}

} // namespace varnick::bench
