// Compressed resources from real package files, when the folder of them is
// present: each decodes to exactly the size its header declares, and encoding
// the contents again decodes back to them.
#include "package/CompressedResource.h"
#include "package/PackageReader.h"
#include "support/Codec.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

TEST(RealResources, decodeToTheDeclaredSizeAndSurviveARoundTrip)
{
    const fs::path root = fs::path(VARNICK_SOURCE_DIR) / ".." / "shared" / "realdata";
    std::error_code error;
    if (!fs::is_directory(root, error))
        GTEST_SKIP() << "no real package files at " << root;

    std::size_t checked = 0;
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
            if (!varnick::isCompressedResource(file.Data) || file.Data.size() < kelvora::kHeaderSize)
                continue;
            const std::span<const std::uint8_t> stored(
                reinterpret_cast<const std::uint8_t*>(file.Data.data()), file.Data.size());
            const auto result = kelvora::decompress(stored);
            ASSERT_EQ(result.status, kelvora::DecodeStatus::Ok)
                << item.path() << ": " << kelvora::describe(result.status) << " at " << result.position;
            const std::size_t declared
                = (std::size_t { stored[6] } << 16) | (std::size_t { stored[7] } << 8) | stored[8];
            EXPECT_EQ(result.bytes.size(), declared) << item.path();

            const auto again = kelvora::decompress(kelvora::compress(result.bytes, 16));
            ASSERT_EQ(again.status, kelvora::DecodeStatus::Ok);
            EXPECT_TRUE(again.bytes == result.bytes) << item.path();
            ++checked;
        }
    }
    if (checked == 0)
        GTEST_SKIP() << "no compressed resources found in " << root;
    RecordProperty("resources", static_cast<int>(checked));
}
