#include "bench/common/SyntheticPackages.h"

#include "tools/common/PackageBuilder.h"

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
    test::PackageBuilder builder;
    for (std::size_t i = 0; i < static_cast<std::size_t>(shape.resourcesPerPackage); ++i) {
        ByteString data(static_cast<std::size_t>(size(random)), '\0');
        for (char& c : data)
            c = static_cast<char>(byte(random));
        builder.add(ResourceKey { *kTypes[i % std::size(kTypes)],
                        gfstrLongToStr4(static_cast<std::int32_t>(0x7F000000u | (packageNumber & 0xFFFFFF))),
                        gfstrLongToStr4(static_cast<std::int32_t>(i + 1)), gfstrLongToStr4(0) },
            std::move(data));
    }
    return builder.package();
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
    const std::int64_t count = megabytes * 1024 * 1024 / resourceSize;
    std::mt19937 random(42);
    test::PackageBuilder builder;
    for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
        builder.add(ResourceKey { *kTypes[i % std::size(kTypes)], gfstrLongToStr4(0x1C0532FA),
                        gfstrLongToStr4(static_cast<std::int32_t>(i)), gfstrLongToStr4(0) },
            ByteString(static_cast<std::size_t>(resourceSize), static_cast<char>(random() & 0xFF)));
    }
    PackageFile pkg = builder.package();
    writePackage(pkg, file);
}

ByteString catalogTextList(const std::string& name, const std::string& description)
{
    ByteString bytes(64, '\0');
    bytes += ByteString("\xFD\xFF\x02\x00", 4);
    bytes += '\x01' + name + '\0' + '\0';
    bytes += '\x01' + description + '\0' + '\0';
    return bytes;
}

} // namespace varnick::bench
