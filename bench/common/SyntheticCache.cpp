#include "bench/common/SyntheticCache.h"

#include "package/base/Paths.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

namespace varnick::bench {

namespace {

void put32(std::string& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

std::uint32_t syntheticThumbnailResource(std::uint32_t i)
{
    return 0x7F000000u | ((i * 2654435761u) >> 8);
}

std::vector<std::uint32_t> writeSyntheticThumbnailCache(const std::filesystem::path& file, std::uint32_t count,
    std::uint32_t averageBytes, const SyntheticCacheShape& shape)
{
    std::mt19937 random(20261207);
    std::uniform_int_distribution<std::uint32_t> sizes(1000, 2 * averageBytes - 1000);
    std::vector<std::uint32_t> resourceIds;
    resourceIds.reserve(count);
    std::string index;
    index.reserve(static_cast<std::size_t>(count) * 24);
    std::string directory;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(std::string(96, '\0').data(), 96);
    std::uint64_t offset = 96;
    std::uint32_t entries = 0;
    const auto add = [&](std::uint32_t type, std::uint32_t group, std::uint32_t instance, std::uint32_t resource,
                         const std::string& data) {
        out.write(data.data(), static_cast<std::streamsize>(data.size()));
        put32(index, type);
        put32(index, group);
        put32(index, instance);
        put32(index, resource);
        put32(index, static_cast<std::uint32_t>(offset));
        put32(index, static_cast<std::uint32_t>(data.size()));
        offset += data.size();
        ++entries;
    };
    std::string thumbnail;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint32_t size = sizes(random);
        const std::uint32_t resource = syntheticThumbnailResource(i);
        thumbnail.assign(size, static_cast<char>(i & 0xFF));
        if (shape.jpegMarker) {
            thumbnail[0] = '\xFF';
            thumbnail[1] = '\xD8';
        }
        if (shape.compressedEvery != 0 && i % shape.compressedEvery == shape.compressedEvery / 2) {
            thumbnail[4] = '\x10';
            thumbnail[5] = '\xFB';
            put32(directory, 0xAC2950C1u);
            put32(directory, shape.group);
            put32(directory, i + 1);
            put32(directory, resource);
            put32(directory, size + 100);
        }
        add(0xAC2950C1u, shape.group, i + 1, resource, thumbnail);
        resourceIds.push_back(resource);
    }
    if (shape.compressedEvery != 0)
        add(0xE86B1EEFu, 0xE86B1EEFu, 0x286B1F03u, 0, directory);
    out.write(index.data(), static_cast<std::streamsize>(index.size()));
    std::string header = "DBPF";
    put32(header, 1);
    put32(header, 1);
    header.append(20, '\0');
    put32(header, 7);
    put32(header, entries);
    put32(header, static_cast<std::uint32_t>(offset));
    put32(header, static_cast<std::uint32_t>(index.size()));
    header.append(12, '\0');
    put32(header, 2);
    header.append(32, '\0');
    out.seekp(0);
    out.write(header.data(), static_cast<std::streamsize>(header.size()));
    if (!out.flush()) {
        std::fprintf(stderr, "cannot write %s\n", pathToUtf8(file).c_str());
        std::exit(2);
    }
    return resourceIds;
}

} // namespace varnick::bench
