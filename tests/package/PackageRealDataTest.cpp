#include "package/BinarySupport.h"
#include "package/PackageReader.h"
#include "package/PackageWriter.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace varnick;

namespace {

std::filesystem::path realDataFolder()
{
    return std::filesystem::path(VARNICK_SOURCE_DIR) / ".." / "shared" / "realdata";
}

std::vector<std::filesystem::path> realPackages()
{
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(realDataFolder(), error);
         !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
        const auto extension = it->path().extension();
        if (it->is_regular_file() && (extension == ".package" || extension == ".dat"))
            files.push_back(it->path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

// Packages made by the game and by other tools: every one of the container's
// version 1 either reads whole and survives a rewrite unchanged in content, or
// fails with a clear message; other container versions never crash the reader.
TEST(PackageRealData, readsAndRewritesRealPackages)
{
    const std::vector<std::filesystem::path> files = realPackages();
    if (files.empty())
        GTEST_SKIP() << "no real packages at " << pathToUtf8(realDataFolder());
    int rewritten = 0;
    for (const std::filesystem::path& file : files) {
        SCOPED_TRACE(pathToUtf8(file.filename()));
        PackageIndex index;
        try {
            index = readPackageIndex(file);
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.code(), ErrorCode::BadPackage) << failure.what();
            continue;
        }
        PackageFile pkg;
        try {
            pkg = readPackage(file);
        } catch (const Failure& failure) {
            EXPECT_TRUE(failure.code() == ErrorCode::BadPackage || failure.code() == ErrorCode::ResourceTooLarge)
                << failure.what();
            EXPECT_NE(index.header.MajorVersion, 1) << "a version 1 package failed: " << failure.what();
            continue;
        }
        ASSERT_EQ(pkg.Files.size(), index.entries.size());
        if (pkg.MajorVersion != 1)
            continue;
        PackageFile copy = pkg;
        const PackageFile again = parsePackage(serializePackage(copy));
        ASSERT_EQ(again.Files.size(), pkg.Files.size());
        for (std::size_t i = 0; i < pkg.Files.size(); ++i) {
            EXPECT_EQ(again.Files[i].TypeID, pkg.Files[i].TypeID);
            EXPECT_EQ(again.Files[i].ResourceID, pkg.Files[i].ResourceID);
            EXPECT_EQ(again.Files[i].Data, pkg.Files[i].Data) << "resource " << i + 1;
        }
        ++rewritten;
    }
    EXPECT_GT(rewritten, 0);
}
