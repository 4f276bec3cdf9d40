#pragma once

// Assembles packages from plain structs: the one builder of the tests, the
// benchmarks and the demo world generator.
//
// build() lays out the file bytes itself, independently of the library's
// writer, so that reader tests do not check the code with itself; package()
// gives the same resources as a PackageFile for the library's writer, which
// the demo world and the benchmarks use so that the readers meet what the
// program writes.
//
//   PackageBuilder builder;                        // version 1.1, index 7.2
//   builder.add("4F424A44", "7FD46CD0", "00000041", "00000000", objdBytes);
//   ByteString bytes = builder.build();            // header, resources, index, holes
//   TemporaryFolder dir; auto file = dir.write("object.package", bytes); // tests/common
//
// Identifiers are given in their 8-digit text form (most significant first)
// and stored as their 4 little-endian bytes, or as a ResourceKey already in
// stored form. Resources added with addCompressed() are stored as the given
// compressor packs them and listed in a directory of compressed files, which
// becomes the last resource.

#include "package/BinarySupport.h"
#include "package/PackageFile.h"
#include "package/PackageWriter.h"
#include "package/ResourceKey.h"
#include "package/base/Bytes.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace varnick::test {

/// The 4 stored bytes of an identifier's 8-digit hexadecimal text.
inline ByteString storedId(std::string_view hex)
{
    if (hex.size() != 8)
        throw std::invalid_argument("identifier text needs 8 hexadecimal digits: " + std::string(hex));
    ByteString bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[static_cast<std::size_t>(i)] = static_cast<char>(
            std::stoul(std::string(hex.substr(static_cast<std::size_t>(6 - 2 * i), 2)), nullptr, 16));
    return bytes;
}

/// Little-endian bytes of a 32-bit value.
inline ByteString le32(std::uint32_t bits)
{
    return { static_cast<char>(bits & 0xFF), static_cast<char>((bits >> 8) & 0xFF),
        static_cast<char>((bits >> 16) & 0xFF), static_cast<char>(bits >> 24) };
}

/// Overwrites the 32-bit field at offset (for forging broken headers and entries).
inline void patchInt32(ByteString& bytes, std::size_t offset, std::int32_t value)
{
    bytes.replace(offset, 4, le32(value));
}

/// Reads the 32-bit field at offset.
inline std::int32_t int32At(ByteView bytes, std::size_t offset)
{
    return gflngStr4ToLong(bytes.substr(offset, 4));
}

/// Header offsets of the fields tests most often forge.
enum HeaderField : std::size_t {
    kMagicAt = 0,
    kIndexCountAt = 36,
    kIndexOffsetAt = 40,
    kIndexSizeAt = 44,
    kHoleCountAt = 48,
    kHoleOffsetAt = 52,
    kHoleSizeAt = 56,
    kIndexMinorAt = 60,
};

struct BuiltResource {
    ResourceKey key; ///< in stored form
    ByteString data; ///< as stored (compressed when listed in the directory)
};

/// Packs a resource; returns "" to store it plain instead.
using Compressor = std::function<ByteString(const ByteString& plain)>;

/// Key of the directory of compressed files, as the game files it.
inline ResourceKey directoryKey()
{
    return ResourceKey { storedId("E86B1EEF"), storedId("E86B1EEF"), storedId("286B1F03"), storedId("00000000") };
}

class PackageBuilder {
public:
    /// 2 gives 24-byte index entries with resource identifiers, anything else 20-byte ones.
    PackageBuilder& indexMinorVersion(std::int32_t value)
    {
        mIndexMinor = value;
        return *this;
    }
    PackageBuilder& versions(std::int32_t major, std::int32_t minor)
    {
        mMajor = major;
        mMinor = minor;
        return *this;
    }
    PackageBuilder& dates(std::int32_t created, std::int32_t modified)
    {
        mCreated = created;
        mModified = modified;
        return *this;
    }
    /// Hole entries written as a table after the index.
    PackageBuilder& holes(std::vector<std::pair<std::int32_t, std::int32_t>> entries)
    {
        mHoles = std::move(entries);
        return *this;
    }
    /// Places the index right after the header, before the resources.
    PackageBuilder& indexFirst(bool value = true)
    {
        mIndexFirst = value;
        return *this;
    }
    /// Filler bytes (0xEE) before every resource, so offsets are not packed.
    PackageBuilder& gapBetweenResources(std::size_t bytes)
    {
        mGap = bytes;
        return *this;
    }
    /// Stores the resources in reverse order in the file (the index keeps the order of add()).
    PackageBuilder& reverseStorage(bool value = true)
    {
        mReverse = value;
        return *this;
    }
    PackageBuilder& add(std::string_view type, std::string_view group, std::string_view instance,
        std::string_view resource, ByteString data)
    {
        return add(
            ResourceKey { storedId(type), storedId(group), storedId(instance), storedId(resource) }, std::move(data));
    }
    PackageBuilder& add(ResourceKey key, ByteString data)
    {
        mResources.push_back({ std::move(key), std::move(data) });
        return *this;
    }
    /// Adds plain compressed by compress, listed in the directory with its
    /// uncompressed size; stored plain when compress returns "".
    PackageBuilder& addCompressed(ResourceKey key, ByteString plain, const Compressor& compress)
    {
        ByteString packed = compress(plain);
        if (packed.empty())
            return add(std::move(key), std::move(plain));
        DirectoryEntry record;
        static_cast<ResourceKey&>(record) = key;
        record.Size = static_cast<std::int32_t>(plain.size());
        mDirectory.push_back(std::move(record));
        return add(std::move(key), std::move(packed));
    }
    /// Writes a directory of compressed files even when nothing is compressed.
    PackageBuilder& alwaysDirectory(bool value = true)
    {
        mAlwaysDirectory = value;
        return *this;
    }
    bool anyCompressed() const { return !mDirectory.empty(); }

    std::size_t entrySize() const { return mIndexMinor == 2 ? 24 : 20; }
    std::size_t indexBytes() const { return resources().size() * entrySize(); }

    /// Every resource in index order, the directory last when there is one.
    std::vector<BuiltResource> resources() const
    {
        std::vector<BuiltResource> all = mResources;
        if (!mDirectory.empty() || mAlwaysDirectory) {
            ByteString records;
            for (const DirectoryEntry& entry : mDirectory) {
                records += entry.TypeID + entry.GroupID + entry.InstanceID;
                if (mIndexMinor == 2)
                    records += entry.ResourceID;
                records += le32(static_cast<std::uint32_t>(entry.Size));
            }
            all.push_back({ directoryKey(), std::move(records) });
        }
        return all;
    }

    /// The resources as a package record with the header of a new package
    /// (and this builder's versions and dates), ready for the library's writer.
    PackageFile package() const
    {
        PackageFile pkg;
        gsCreateDefaultPackageHeader(pkg);
        pkg.MajorVersion = mMajor;
        pkg.MinorVersion = mMinor;
        pkg.DateCreated = mCreated;
        pkg.DateModified = mModified;
        pkg.IndexMinorVersion = mIndexMinor;
        for (BuiltResource& built : resources()) {
            PackageResource file;
            static_cast<ResourceKey&>(file) = std::move(built.key);
            file.Size = static_cast<std::int32_t>(built.data.size());
            file.Data = std::move(built.data);
            pkg.Files.push_back(std::move(file));
        }
        return pkg;
    }

    ByteString build() const
    {
        const std::vector<BuiltResource> all = resources();
        ByteString body;
        std::vector<std::int32_t> offsets(all.size());
        const std::size_t resourcesStart = 96 + (mIndexFirst ? indexBytes() : 0);
        std::vector<std::size_t> order(all.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = mReverse ? order.size() - 1 - i : i;
        for (const std::size_t i : order) {
            body.append(mGap, '\xEE');
            offsets[i] = static_cast<std::int32_t>(resourcesStart + body.size());
            body += all[i].data;
        }
        ByteString index;
        for (std::size_t i = 0; i < all.size(); ++i) {
            const BuiltResource& r = all[i];
            index += r.key.TypeID + r.key.GroupID + r.key.InstanceID;
            if (mIndexMinor == 2)
                index += r.key.ResourceID;
            index += le32(offsets[i]) + le32(static_cast<std::int32_t>(r.data.size()));
        }
        const std::size_t indexOffset = mIndexFirst ? 96 : 96 + body.size();
        const std::size_t holeOffset = mIndexFirst ? 96 + index.size() + body.size() : indexOffset + index.size();
        ByteString holeTable;
        for (const auto& [offset, size] : mHoles)
            holeTable += le32(offset) + le32(size);

        ByteString header = ByteString("DBPF") + le32(mMajor) + le32(mMinor) + le32(0) + le32(0) + le32(0)
            + le32(mCreated) + le32(mModified) + le32(7) + le32(static_cast<std::int32_t>(all.size()))
            + le32(static_cast<std::int32_t>(indexOffset)) + le32(static_cast<std::int32_t>(index.size()))
            + le32(static_cast<std::int32_t>(mHoles.size()))
            + le32(mHoles.empty() ? 0 : static_cast<std::int32_t>(holeOffset))
            + le32(static_cast<std::int32_t>(holeTable.size())) + le32(mIndexMinor) + ByteString(32, '\0');
        return mIndexFirst ? header + index + body + holeTable : header + body + index + holeTable;
    }

private:
    std::vector<BuiltResource> mResources;
    std::vector<DirectoryEntry> mDirectory;
    bool mAlwaysDirectory = false;
    std::vector<std::pair<std::int32_t, std::int32_t>> mHoles;
    std::int32_t mIndexMinor = 2;
    std::int32_t mMajor = 1;
    std::int32_t mMinor = 1;
    std::int32_t mCreated = 0;
    std::int32_t mModified = 0;
    std::size_t mGap = 0;
    bool mIndexFirst = false;
    bool mReverse = false;
};

/// The whole contents of a file ("" when it cannot be read).
inline ByteString readFileBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return ByteString(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace varnick::test
