// The demo world's two Sims2Pack files list, extract and install as a player
// would see them: every item a readable catalog object with its name, and
// the item that reuses an installed object's GUID reported as a clash.
#ifdef VARNICK_HAVE_DEMO

#include "app/sims2pack/core/Sims2PackInstall.h"
#include "package/base/Paths.h"
#include "tests/common/CliRunner.h"
#include "tests/common/TemporaryFolder.h"
#include "tools/common/PackageBuilder.h"
#include "tools/demo/DemoWorld.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace varnick;
using namespace varnick::demo;
using namespace varnick::sims2pack;

namespace fs = std::filesystem;

namespace {

class DemoSims2Packs : public ::testing::Test {
protected:
    void SetUp() override
    {
        DemoOptions options;
        options.output = mTemp.path() / "world";
        options.packages = kMinimumPackages;
        mWorld = generateDemoWorld(options);
    }

    fs::path downloads() const { return mWorld.dataFolder / "Downloads"; }

    test::TemporaryFolder mTemp;
    DemoWorld mWorld;
};

} // namespace

TEST_F(DemoSims2Packs, listAndExtractEveryItemAsACatalogObject)
{
    ASSERT_EQ(mWorld.sims2Packs.size(), 2u);
    for (const GeneratedSims2Pack& archive : mWorld.sims2Packs) {
        SCOPED_TRACE(pathToUtf8(archive.file));
        const Sims2PackFile file = Sims2PackFile::read(downloads() / archive.file);
        const Sims2PackListing listing = listSims2Pack(file);
        ASSERT_EQ(listing.items.size(), archive.items.size());
        for (std::size_t i = 0; i < listing.items.size(); ++i) {
            EXPECT_TRUE(listing.items[i].readable) << listing.items[i].reason;
            EXPECT_EQ(listing.items[i].catalogName, archive.items[i].catalogName);
            EXPECT_EQ(listing.items[i].compressed, archive.compressed);
            EXPECT_FALSE(listing.items[i].throughGame);
            // Every demo object carries a texture: the install window shows it.
            const std::optional<ByteString> picture = itemPicture(file, i);
            ASSERT_TRUE(picture.has_value());
            EXPECT_TRUE(picture->starts_with("BM"));
        }
        const fs::path folder = mTemp.path() / "extracted" / archive.file.stem();
        EXPECT_EQ(extractSims2Pack(file, folder).size(), archive.items.size());
        ByteString scratch;
        EXPECT_EQ(test::readFileBytes(folder / pathFromUtf8(archive.items[1].name)), file.itemBytes(1, scratch));
    }
}

TEST_F(DemoSims2Packs, installReportsTheClashAndInstallsBothFiles)
{
    std::vector<std::string> arguments { "sims2pack", "install" };
    for (const GeneratedSims2Pack& archive : mWorld.sims2Packs)
        arguments.push_back(pathToUtf8(downloads() / archive.file));
    const test::CliRun run = test::runCli(arguments,
        { { "VARNICK_DOCUMENTS_DIR", pathToUtf8(mWorld.documentsFolder) },
            { "VARNICK_USER_DATA_DIR", pathToUtf8(mTemp.path() / "data") } });
    ASSERT_EQ(run.status, 0) << run.out << run.err;

    const std::string& text = run.out;
    for (const GeneratedSims2Pack& archive : mWorld.sims2Packs) {
        const fs::path folder = downloads() / archive.file.stem();
        for (std::size_t i = 0; i < archive.items.size(); ++i) {
            const Sims2PackItemInfo& item = archive.items[i];
            // Paths the command finds itself are written with the system's own separators.
            EXPECT_NE(text.find("installed: " + pathToUtf8((folder / pathFromUtf8(item.name)).make_preferred()) + "\n"),
                std::string::npos)
                << text;
            if (item.clashesWith.empty())
                continue;
            char guid[12];
            std::snprintf(guid, sizeof guid, "0x%08X", static_cast<unsigned>(item.guid));
            EXPECT_NE(text.find("warning: " + pathToUtf8(downloads() / archive.file) + ": item " + std::to_string(i + 1)
                          + " (\"" + item.name + "\"): GUID " + guid + " is already defined by "
                          + pathToUtf8((downloads() / item.clashesWith).make_preferred()) + "\n"),
                std::string::npos)
                << text;
        }
    }
    EXPECT_NE(text.find("4 installed, 0 skipped, 0 to install through the game, 0 refused\n"), std::string::npos)
        << text;
}

#endif
