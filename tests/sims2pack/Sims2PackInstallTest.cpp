// Listing, extracting and installing Sims2Pack files: what each item shows,
// every bad input refused with nothing written, already installed items,
// taken names with and without renaming, lots left to the game, GUID clash
// warnings, and a write that fails half-way leaving nothing behind.
#include "app/sims2pack/core/Sims2PackInstall.h"
#include "package/ResourceCollection.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"
#include "package/base/RawFile.h"
#include "tests/common/BadSims2Packs.h"
#include "tests/common/TemporaryFolder.h"
#include "tools/common/PackageBuilder.h"
#include "tools/common/Sims2PackBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace varnick;
using namespace varnick::sims2pack;
using namespace varnick::test;

namespace fs = std::filesystem;

namespace {

constexpr const char* kFile = "/downloads/set.sims2pack";

std::string failureOf(const std::function<void()>& statement)
{
    try {
        statement();
    } catch (const Failure& failure) {
        return failure.what();
    }
    return "(no failure)";
}

// Every file below folder, relative, sorted.
std::vector<std::string> filesBelow(const fs::path& folder)
{
    std::vector<std::string> files;
    std::error_code error;
    if (!fs::exists(folder, error))
        return files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        files.push_back(pathToUtf8(entry.path().lexically_relative(folder)));
    std::sort(files.begin(), files.end());
    return files;
}

// A package of one texture: raw 32-bit pixels, two by one, one level.
ByteString texturedPackage()
{
    TextureImage texture;
    texture.Version = kTextureVersion;
    texture.FileName = "tex";
    texture.Width = 2;
    texture.Height = 1;
    texture.Format = 1;
    texture.Purpose = 1.0f;
    texture.TextureCount = 1;
    const ByteString pixels = ByteString(4, '\x40') + ByteString(4, '\x80');
    texture.Mips.push_back({ 0, static_cast<std::int32_t>(pixels.size()), pixels, {} });
    texture.MipCount = 1;
    RCOLHeader rcol;
    rcol.VersionMark = kRcolVersionMark;
    rcol.BlockTypes.push_back(storedId("1C4A276C"));
    rcol.Body = writeTextureImage(texture);
    PackageBuilder builder;
    builder.add("1C4A276C", "1C0532FA", "00000001", "00000000", writeRCOLHeader(rcol));
    return builder.build();
}

struct Sims2PackInstall : ::testing::Test {
    TemporaryFolder dir;
    fs::path destination = dir.path() / "Downloads" / "set";
    ByteString chair = objectPackage(0x1111, "Chair");
    ByteString lamp = objectPackage(0x2222, "Lamp");
    ByteString lot = objectPackage(0x3333, "Lot");

    // A stored chair, a compressed lamp and a lot.
    Sims2PackFile mixed() const
    {
        Sims2PackEntry compressedLamp { "Lamp.package", lamp, true };
        compressedLamp.guid = "0x00002222";
        Sims2PackEntry lotItem { "Lot 42.package", lot };
        lotItem.type = "Lot";
        return Sims2PackFile::fromBytes(
            Sims2PackBuilder().add({ "Chair.package", chair }).add(compressedLamp).add(lotItem).build(), kFile);
    }

    InstallPlan install(const Sims2PackFile& file, bool rename = false, const LibraryGuids* library = nullptr)
    {
        InstallOptions options;
        options.destination = destination;
        options.rename = rename;
        options.library = library;
        InstallPlan plan = planInstall(file, options);
        carryOutInstall(file, plan);
        return plan;
    }
};

} // namespace

TEST_F(Sims2PackInstall, listsEveryItemAsTheBrowserReadsIt)
{
    Sims2PackEntry broken { "broken.package", "not a package at all" };
    Sims2PackEntry unsafe { "../escape.package", chair };
    const Sims2PackFile file = Sims2PackFile::fromBytes(Sims2PackBuilder()
                                                            .add({ "Chair.package", chair })
                                                            .add({ "Lamp.package", lamp, true })
                                                            .add(broken)
                                                            .add(unsafe)
                                                            .build(),
        kFile);
    const Sims2PackListing listing = listSims2Pack(file);
    EXPECT_EQ(listing.type, "Object");
    ASSERT_EQ(listing.items.size(), 4U);
    EXPECT_EQ(listing.items[0].catalogName, "Chair");
    EXPECT_TRUE(listing.items[0].readable);
    EXPECT_EQ(listing.items[0].reason, "");
    EXPECT_FALSE(listing.items[0].compressed);
    EXPECT_EQ(listing.items[0].packageLength, static_cast<std::int64_t>(chair.size()));
    EXPECT_EQ(listing.items[1].catalogName, "Lamp");
    EXPECT_TRUE(listing.items[1].compressed);
    EXPECT_EQ(listing.items[1].packageLength, static_cast<std::int64_t>(lamp.size()));
    EXPECT_NE(listing.items[1].length, static_cast<std::int64_t>(lamp.size()));
    EXPECT_TRUE(listing.items[1].readable);
    EXPECT_FALSE(listing.items[2].readable);
    EXPECT_FALSE(listing.items[2].catalogName.has_value());
    EXPECT_NE(listing.items[2].reason, "");
    EXPECT_TRUE(listing.items[3].readable);
    EXPECT_EQ(listing.items[3].reason, "the name contains a path separator (\"/\")");
}

// The window's picture of an item comes from the item's own texture; items
// without one, or that do not expand, have none, and asking never throws.
TEST_F(Sims2PackInstall, picturesComeFromTheItemsOwnTexture)
{
    const ByteString textured = texturedPackage();
    Sims2PackEntry damaged { "damaged.package", chair, true };
    damaged.stored = "BZh9 not a stream";
    const Sims2PackFile file = Sims2PackFile::fromBytes(Sims2PackBuilder()
                                                            .add({ "Textured.package", textured })
                                                            .add({ "Textured too.package", textured, true })
                                                            .add({ "Chair.package", chair })
                                                            .add(damaged)
                                                            .build(),
        kFile);
    const std::optional<ByteString> picture = itemPicture(file, 0);
    ASSERT_TRUE(picture.has_value());
    EXPECT_TRUE(picture->starts_with("BM"));
    EXPECT_EQ(itemPicture(file, 1), picture);
    EXPECT_EQ(itemPicture(file, 2), std::nullopt);
    EXPECT_EQ(itemPicture(file, 3), std::nullopt);
}

TEST_F(Sims2PackInstall, listsADamagedStreamWithItsReasonAlone)
{
    Sims2PackEntry damaged { "a.package", chair, true };
    damaged.stored = bzip2Compress(chair).substr(0, 50);
    const Sims2PackListing listing
        = listSims2Pack(Sims2PackFile::fromBytes(Sims2PackBuilder().add(damaged).build(), kFile));
    ASSERT_EQ(listing.items.size(), 1U);
    EXPECT_FALSE(listing.items[0].readable);
    EXPECT_EQ(listing.items[0].reason.rfind("the bzip2 stream ends early", 0), 0U) << listing.items[0].reason;
    EXPECT_EQ(listing.items[0].packageLength, std::nullopt);
}

TEST_F(Sims2PackInstall, refusesEveryBadInputWithNothingWritten)
{
    for (const BadSims2Pack& bad : badSims2Packs()) {
        SCOPED_TRACE(bad.fault);
        const std::string message = failureOf([&] {
            const Sims2PackFile file = Sims2PackFile::fromBytes(bad.bytes, kFile);
            extractSims2Pack(file, destination);
        });
        EXPECT_EQ(message.rfind(std::string(kFile) + ": ", 0), 0U) << message;
        EXPECT_NE(message.find(bad.expected), std::string::npos) << message;
        EXPECT_FALSE(fs::exists(destination));

        const std::string installMessage = failureOf([&] { install(Sims2PackFile::fromBytes(bad.bytes, kFile)); });
        EXPECT_EQ(installMessage, message);
        EXPECT_FALSE(fs::exists(destination));
    }
}

TEST_F(Sims2PackInstall, installsObjectsAndLeavesLotsToTheGame)
{
    const Sims2PackFile file = mixed();
    const InstallPlan plan = install(file);
    ASSERT_EQ(plan.items.size(), 3U);
    EXPECT_EQ(plan.items[0].action, ItemAction::Install);
    EXPECT_EQ(plan.items[0].target, destination / "Chair.package");
    EXPECT_EQ(plan.items[1].action, ItemAction::Install);
    EXPECT_TRUE(plan.items[1].expanded.has_value());
    EXPECT_EQ(plan.items[2].action, ItemAction::ThroughGame);
    EXPECT_TRUE(plan.warnings.empty());
    EXPECT_EQ(filesBelow(destination), (std::vector<std::string> { "Chair.package", "Lamp.package" }));
    EXPECT_EQ(readFileBytes(destination / "Chair.package"), chair);
    EXPECT_EQ(readFileBytes(destination / "Lamp.package"), lamp);
}

TEST_F(Sims2PackInstall, skipsWhatIsInstalledAlreadyWhateverTheLetterCase)
{
    // Written under that name rather than renamed: Wine keeps a name whose letter case alone changes.
    fs::create_directories(destination);
    dir.write("Downloads/set/CHAIR.PACKAGE", chair);
    const InstallPlan first = install(mixed());
    EXPECT_EQ(first.items[0].action, ItemAction::AlreadyInstalled);
    EXPECT_EQ(first.items[1].action, ItemAction::Install);
    const InstallPlan again = install(mixed());
    EXPECT_EQ(again.items[0].action, ItemAction::AlreadyInstalled);
    EXPECT_EQ(again.items[0].target, destination / "CHAIR.PACKAGE");
    EXPECT_EQ(again.items[1].action, ItemAction::AlreadyInstalled);
    EXPECT_EQ(filesBelow(destination), (std::vector<std::string> { "CHAIR.PACKAGE", "Lamp.package" }));
}

TEST_F(Sims2PackInstall, refusesTheWholeSims2PackWhenANameIsTakenByADifferentFile)
{
    fs::create_directories(destination);
    dir.write("Downloads/set/lamp.package", "another lamp");
    const Sims2PackFile file = mixed();
    InstallOptions options;
    options.destination = destination;
    const InstallPlan plan = planInstall(file, options);
    ASSERT_EQ(plan.taken, (std::vector<std::size_t> { 1 }));
    EXPECT_EQ(takenMessage(file, plan),
        std::string(kFile) + ": \"Lamp.package\" is taken in \"" + pathToUtf8(destination) + "\" by a different file");
    EXPECT_EQ(failureOf([&] { carryOutInstall(file, plan); }), takenMessage(file, plan));
    EXPECT_EQ(filesBelow(destination), (std::vector<std::string> { "lamp.package" }));
    EXPECT_EQ(readFileBytes(destination / "lamp.package"), "another lamp");
}

#ifndef _WIN32
// A name held by something that cannot be looked at refuses the Sims2Pack
// naming it, also with --rename: it might be the very object. A link to
// nothing is a taken name like any other.
TEST_F(Sims2PackInstall, aTakenNameThatCannotBeComparedRefusesNamingIt)
{
    fs::create_directories(destination);
    fs::create_symlink("Chair.package", destination / "Chair.package"); // a loop
    const Sims2PackFile file = mixed();
    for (const bool rename : { false, true }) {
        const std::string message = failureOf([&] { install(file, rename); });
        EXPECT_TRUE(message.starts_with(std::string(kFile) + ": \"" + pathToUtf8(destination / "Chair.package")
            + "\" cannot be compared with the item: "))
            << message;
    }
    fs::remove(destination / "Chair.package");
    fs::create_symlink("gone.package", destination / "Chair.package");
    const InstallPlan renamed = install(file, true);
    EXPECT_EQ(renamed.items[0].target, destination / "Chair (2).package");
    EXPECT_EQ(
        filesBelow(destination), (std::vector<std::string> { "Chair (2).package", "Chair.package", "Lamp.package" }));
}
#endif

TEST_F(Sims2PackInstall, renamesItemsWhoseNameIsTakenAndKnowsTheRenamedCopyLater)
{
    fs::create_directories(destination);
    dir.write("Downloads/set/Chair.package", "another chair");
    dir.write("Downloads/set/Chair (2).package", "yet another chair");
    const InstallPlan plan = install(mixed(), true);
    EXPECT_EQ(plan.items[0].action, ItemAction::Install);
    EXPECT_TRUE(plan.items[0].renamed);
    EXPECT_EQ(plan.items[0].target, destination / "Chair (3).package");
    EXPECT_EQ(readFileBytes(destination / "Chair (3).package"), chair);
    EXPECT_EQ(readFileBytes(destination / "Chair.package"), "another chair");

    const InstallPlan again = install(mixed(), true);
    EXPECT_EQ(again.items[0].action, ItemAction::AlreadyInstalled);
    EXPECT_EQ(again.items[0].target, destination / "Chair (3).package");
    EXPECT_EQ(filesBelow(destination).size(), 4U);
}

TEST_F(Sims2PackInstall, renamingNeverPicksANameAnotherItemOfTheSims2PackTakes)
{
    fs::create_directories(destination);
    dir.write("Downloads/set/a.package", "taken");
    const Sims2PackFile file = Sims2PackFile::fromBytes(
        Sims2PackBuilder().add({ "a.package", chair }).add({ "a (2).package", lamp }).build(), kFile);
    const InstallPlan plan = install(file, true);
    EXPECT_EQ(plan.items[0].target, destination / "a (3).package");
    EXPECT_EQ(plan.items[1].target, destination / "a (2).package");
    EXPECT_EQ(readFileBytes(destination / "a (2).package"), lamp);
}

TEST_F(Sims2PackInstall, warnsOfGuidsTheLibraryDefinesButNotOfTheItemsOwnCopy)
{
    const LibraryGuids library { { 0x2222, { pathToUtf8(dir.path() / "Downloads" / "old lamp.package") } },
        { 0x9999, { "elsewhere.package" } } };
    const InstallPlan plan = install(mixed(), false, &library);
    ASSERT_EQ(plan.warnings.size(), 1U);
    EXPECT_EQ(plan.warnings[0].item, 1U);
    EXPECT_EQ(plan.warnings[0].guid, 0x2222U);
    EXPECT_EQ(plan.warnings[0].files.size(), 1U);
    EXPECT_EQ(plan.items[1].guids, (std::vector<std::uint32_t> { 0x2222 }));

    // Installed, the lamp is in the library itself; only the other file still clashes.
    const LibraryGuids after { { 0x2222,
        { pathToUtf8(destination / "Lamp.package"), pathToUtf8(dir.path() / "Downloads" / "old lamp.package") } } };
    const InstallPlan again = install(mixed(), false, &after);
    ASSERT_EQ(again.warnings.size(), 1U);
    EXPECT_EQ(again.warnings[0].files, (std::vector<std::string> { after.at(0x2222)[1] }));
}

// The library's GUIDs come from a scan's catalog objects only, and what one
// Sims2Pack installs is checked against the next one of the same install.
TEST_F(Sims2PackInstall, theLibrarysGuidsComeFromItsCatalogObjectsAndGrowWithEachInstall)
{
    const auto record = [](std::string path, health::PackageKind kind, std::vector<std::uint32_t> guids) {
        health::PackageRecord result;
        result.relativePath = std::move(path);
        result.kind = kind;
        result.guids = std::move(guids);
        return result;
    };
    const fs::path root = dir.path() / "Downloads";
    LibraryGuids library = catalogGuids(
        { record("a/old lamp.package", health::PackageKind::CatalogObject, { 0x2222, 0x2222, 0, 0x5555 }),
            record("recolor.package", health::PackageKind::Recolor, { 0x1111 }),
            record("broken.package", health::PackageKind::Broken, { 0x1111 }),
            record("b.package", health::PackageKind::CatalogObject, { 0x5555 }) },
        root);
    const std::string oldLamp = pathToUtf8(root / "a" / "old lamp.package");
    EXPECT_EQ(
        library, (LibraryGuids { { 0x2222, { oldLamp } }, { 0x5555, { oldLamp, pathToUtf8(root / "b.package") } } }));

    const InstallPlan first = install(mixed(), false, &library);
    rememberInstalled(first, library);
    EXPECT_EQ(library.at(0x1111), (std::vector<std::string> { pathToUtf8(destination / "Chair.package") }));
    EXPECT_EQ(library.at(0x2222), (std::vector<std::string> { oldLamp, pathToUtf8(destination / "Lamp.package") }));
    EXPECT_FALSE(library.contains(0x3333)); // the lot is not written

    // Nothing more is remembered of items that were installed already.
    const InstallPlan second = install(mixed(), false, &library);
    rememberInstalled(second, library);
    EXPECT_EQ(library.at(0x1111).size(), 1U);
}

TEST_F(Sims2PackInstall, aWriteThatFailsHalfWayRemovesWhatItWrote)
{
    const Sims2PackFile file = mixed();
    InstallOptions options;
    options.destination = destination;
    const InstallPlan plan = planInstall(file, options);
    RawFile::failWritesAfterForTesting(static_cast<std::int64_t>(chair.size() + lamp.size() / 2));
    const std::string message = failureOf([&] { carryOutInstall(file, plan); });
    RawFile::failWritesAfterForTesting(-1);
    EXPECT_NE(message.find("Lamp.package could not be written"), std::string::npos) << message;
    EXPECT_NE(message.find("nothing was written from the Sims2Pack"), std::string::npos) << message;
    EXPECT_FALSE(fs::exists(destination));

    // Into a folder that was there: the folder stays, the written item goes.
    fs::create_directories(destination);
    dir.write("Downloads/set/keep.txt", "mine");
    RawFile::failWritesAfterForTesting(static_cast<std::int64_t>(chair.size() + 10));
    EXPECT_NE(failureOf([&] { carryOutInstall(file, plan); }), "(no failure)");
    RawFile::failWritesAfterForTesting(-1);
    EXPECT_EQ(filesBelow(destination), (std::vector<std::string> { "keep.txt" }));
}

TEST_F(Sims2PackInstall, extractsEveryItemAndRefusesAFolderThatHoldsOneOfThem)
{
    const Sims2PackFile file = mixed();
    const std::vector<fs::path> written = extractSims2Pack(file, destination);
    EXPECT_EQ(written.size(), 3U);
    EXPECT_EQ(readFileBytes(destination / "Lamp.package"), lamp);
    EXPECT_EQ(readFileBytes(destination / "Lot 42.package"), lot);

    const fs::path other = dir.path() / "other";
    fs::create_directories(other);
    dir.write("other/lot 42.PACKAGE", "mine");
    const std::string message = failureOf([&] { extractSims2Pack(file, other); });
    EXPECT_NE(message.find("holds \"lot 42.PACKAGE\" already"), std::string::npos) << message;
    EXPECT_EQ(filesBelow(other), (std::vector<std::string> { "lot 42.PACKAGE" }));

    dir.write("plain file", "x");
    EXPECT_NE(failureOf([&] { extractSims2Pack(file, dir.path() / "plain file"); }).find("is not a folder"),
        std::string::npos);
}

TEST(Sims2PackNames, numbersNamesAndPicksDestinations)
{
    EXPECT_EQ(numberedName("chair.package", 2), "chair (2).package");
    EXPECT_EQ(numberedName("a.b.package", 10), "a.b (10).package");
    EXPECT_EQ(numberedName("README", 2), "README (2)");
    EXPECT_EQ(numberedName(".package", 3), ".package (3)");
    for (const char* type : { "Lot", "family", " PERSON " })
        EXPECT_TRUE(installsThroughGame(type)) << type;
    for (const char* type : { "Object", "", "Lots", "Neighborhood" })
        EXPECT_FALSE(installsThroughGame(type)) << type;
    EXPECT_EQ(defaultInstallFolder("/d/Downloads", "/x/Nice Set.Sims2Pack"), fs::path("/d/Downloads/Nice Set"));
    EXPECT_NE(failureOf([] { defaultInstallFolder("/d/Downloads", "/x/aux.sims2pack"); }).find("choose a folder"),
        std::string::npos);
}

TEST(Sims2PackNames, anItemWithoutATypeTakesTheSims2PacksType)
{
    Sims2PackEntry untyped { "house.package", objectPackage(1) };
    untyped.type = "";
    const Sims2PackFile file
        = Sims2PackFile::fromBytes(Sims2PackBuilder().type("Lot").add(untyped).build(), "lot.sims2pack");
    EXPECT_EQ(effectiveType(file.contents(), 0), "Lot");
    EXPECT_TRUE(listSims2Pack(file).items[0].throughGame);
}
