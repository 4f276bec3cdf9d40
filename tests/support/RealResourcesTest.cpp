// Compressed resources from real package files, when the folder of them is
// present: each decodes to exactly the size its header declares, and encoding
// the contents again, by the block encoder and at every level, decodes back to
// them through the library's decoder and the plain reference decoder.
#include "package/CompressedResource.h"
#include "package/PackageReader.h"
#include "support/Codec.h"
#include "tests/support/ReferenceDecoder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// shared/realdata beside the source tree, or beside its parent (a worktree
// sits a level deeper than the main checkout); empty when neither has it.
fs::path realDataFolder()
{
    std::error_code error;
    for (const fs::path& candidate : { fs::path(VARNICK_SOURCE_DIR) / ".." / "shared" / "realdata",
             fs::path(VARNICK_SOURCE_DIR) / ".." / ".." / "shared" / "realdata" }) {
        if (fs::is_directory(candidate, error))
            return candidate;
    }
    return {};
}

struct RealResource {
    std::string where;
    std::vector<std::uint8_t> stored; ///< empty when the package keeps it uncompressed
    std::vector<std::uint8_t> contents;
};

// Every non-empty resource of the real packages, decoded where it is compressed.
std::vector<RealResource> realResources(const fs::path& root)
{
    std::vector<RealResource> resources;
    std::error_code error;
    for (const auto& item : fs::recursive_directory_iterator(root, error)) {
        if (item.path().extension() != ".package")
            continue;
        varnick::PackageFile pkg;
        try {
            pkg = varnick::readPackage(item.path());
        } catch (const std::exception&) {
            continue; // other games' packages are among them
        }
        for (const varnick::PackageResource& file : pkg.Files) {
            RealResource resource { item.path().string(), {}, {} };
            const auto* bytes = reinterpret_cast<const std::uint8_t*>(file.Data.data());
            if (varnick::isCompressedResource(file.Data) && file.Data.size() >= kelvora::kHeaderSize)
                resource.stored.assign(bytes, bytes + file.Data.size());
            else
                resource.contents.assign(bytes, bytes + file.Data.size());
            if (!resource.stored.empty() || !resource.contents.empty())
                resources.push_back(std::move(resource));
        }
    }
    return resources;
}

} // namespace

TEST(RealResources, decodeToTheDeclaredSizeAndSurviveARoundTrip)
{
    const fs::path root = realDataFolder();
    if (root.empty())
        GTEST_SKIP() << "no real package files beside the source tree";

    std::size_t checked = 0;
    for (const RealResource& resource : realResources(root)) {
        if (resource.stored.empty())
            continue;
        const std::vector<std::uint8_t>& stored = resource.stored;
        const auto result = kelvora::decompress(stored);
        ASSERT_EQ(result.status, kelvora::DecodeStatus::Ok)
            << resource.where << ": " << kelvora::describe(result.status) << " at " << result.position;
        const std::size_t declared = (std::size_t { stored[6] } << 16) | (std::size_t { stored[7] } << 8) | stored[8];
        EXPECT_EQ(result.bytes.size(), declared) << resource.where;
        EXPECT_TRUE(varnick::test::referenceDecompress(stored) == result.bytes) << resource.where;

        const auto again = kelvora::decompress(kelvora::compress(result.bytes, 16));
        ASSERT_EQ(again.status, kelvora::DecodeStatus::Ok);
        EXPECT_TRUE(again.bytes == result.bytes) << resource.where;
        ++checked;
    }
    if (checked == 0)
        GTEST_SKIP() << "no compressed resources found in " << root;
    RecordProperty("resources", static_cast<int>(checked));
}

TEST(RealResources, everyLevelRoundTripsThroughBothDecoders)
{
    const fs::path root = realDataFolder();
    if (root.empty())
        GTEST_SKIP() << "no real package files beside the source tree";

    std::size_t checked = 0;
    for (RealResource& resource : realResources(root)) {
        if (!resource.stored.empty())
            resource.contents = kelvora::decompress(resource.stored).bytes;
        // Every level on the small ones; the fastest, the default and the
        // tightest on the few large ones, to keep the test quick.
        const bool large = resource.contents.size() > 65536;
        for (int level = kelvora::kMinLevel; level <= kelvora::kMaxLevel; ++level) {
            if (large && level != 1 && level != 6 && level != kelvora::kMaxLevel)
                continue;
            const auto packed = kelvora::compressLevel(resource.contents, level);
            if (!packed)
                continue;
            const auto result = kelvora::decompress(*packed);
            ASSERT_EQ(result.status, kelvora::DecodeStatus::Ok) << resource.where << " level " << level;
            ASSERT_TRUE(result.bytes == resource.contents) << resource.where << " level " << level;
            ASSERT_TRUE(varnick::test::referenceDecompress(*packed) == resource.contents)
                << resource.where << " level " << level;
        }
        ++checked;
    }
    if (checked == 0)
        GTEST_SKIP() << "no resources found in " << root;
    RecordProperty("resources", static_cast<int>(checked));
}
