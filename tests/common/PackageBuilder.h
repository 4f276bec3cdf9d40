#pragma once

// Assembles package file bytes from plain structs, independently of the
// library's writer, so that reader tests do not check the code with itself.
//
//   PackageBuilder builder;                        // version 1.1, index 7.2
//   builder.add("4F424A44", "7FD46CD0", "00000041", "00000000", objdBytes);
//   ByteString bytes = builder.build();            // header, resources, index, holes
//   TempDir dir; auto file = dir.write("object.package", bytes);
//
// Identifiers are given in their 8-digit text form (most significant first)
// and stored as their 4 little-endian bytes.

#include "package/base/Bytes.h"

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
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
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(i)]);
    return static_cast<std::int32_t>(value);
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
    std::string type;
    std::string group;
    std::string instance;
    std::string resource;
    ByteString data;
};

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
    PackageBuilder& add(
        std::string type, std::string group, std::string instance, std::string resource, ByteString data)
    {
        mResources.push_back(
            { std::move(type), std::move(group), std::move(instance), std::move(resource), std::move(data) });
        return *this;
    }
    PackageBuilder& add(BuiltResource resource)
    {
        mResources.push_back(std::move(resource));
        return *this;
    }

    std::size_t entrySize() const { return mIndexMinor == 2 ? 24 : 20; }
    std::size_t indexBytes() const { return mResources.size() * entrySize(); }

    ByteString build() const
    {
        ByteString body;
        std::vector<std::int32_t> offsets(mResources.size());
        const std::size_t resourcesStart = 96 + (mIndexFirst ? indexBytes() : 0);
        std::vector<std::size_t> order(mResources.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = mReverse ? order.size() - 1 - i : i;
        for (const std::size_t i : order) {
            body.append(mGap, '\xEE');
            offsets[i] = static_cast<std::int32_t>(resourcesStart + body.size());
            body += mResources[i].data;
        }
        ByteString index;
        for (std::size_t i = 0; i < mResources.size(); ++i) {
            const BuiltResource& r = mResources[i];
            index += storedId(r.type) + storedId(r.group) + storedId(r.instance);
            if (mIndexMinor == 2)
                index += storedId(r.resource);
            index += le32(offsets[i]) + le32(static_cast<std::int32_t>(r.data.size()));
        }
        const std::size_t indexOffset = mIndexFirst ? 96 : 96 + body.size();
        const std::size_t holeOffset = mIndexFirst ? 96 + index.size() + body.size() : indexOffset + index.size();
        ByteString holeTable;
        for (const auto& [offset, size] : mHoles)
            holeTable += le32(offset) + le32(size);

        ByteString header = ByteString("DBPF") + le32(mMajor) + le32(mMinor) + le32(0) + le32(0) + le32(0)
            + le32(mCreated) + le32(mModified) + le32(7) + le32(static_cast<std::int32_t>(mResources.size()))
            + le32(static_cast<std::int32_t>(indexOffset)) + le32(static_cast<std::int32_t>(index.size()))
            + le32(static_cast<std::int32_t>(mHoles.size()))
            + le32(mHoles.empty() ? 0 : static_cast<std::int32_t>(holeOffset))
            + le32(static_cast<std::int32_t>(holeTable.size())) + le32(mIndexMinor) + ByteString(32, '\0');
        return mIndexFirst ? header + index + body + holeTable : header + body + index + holeTable;
    }

private:
    std::vector<BuiltResource> mResources;
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

/// A fresh folder under the system's temporary folder, removed with its contents at the end.
class TempDir {
public:
    TempDir()
    {
        // Tests run in parallel processes: a random part keeps their folders apart.
        static std::atomic<unsigned> counter { 0 };
        static const unsigned processPart = std::random_device {}();
        const auto stamp = std::to_string(
            static_cast<unsigned long long>(std::filesystem::file_time_type::clock::now().time_since_epoch().count()));
        mPath = std::filesystem::temp_directory_path()
            / ("varnick-test-" + std::to_string(processPart) + "-" + stamp + "-" + std::to_string(++counter));
        std::filesystem::create_directories(mPath);
    }
    ~TempDir()
    {
        std::error_code error;
        std::filesystem::remove_all(mPath, error);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return mPath; }

    /// Writes bytes to name inside the folder and returns the file's path.
    std::filesystem::path write(const std::filesystem::path& name, ByteView bytes) const
    {
        const std::filesystem::path file = mPath / name;
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out)
            throw std::runtime_error("cannot write test file");
        return file;
    }

private:
    std::filesystem::path mPath;
};

/// The whole contents of a file ("" when it cannot be read).
inline ByteString readFileBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return ByteString(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace varnick::test
