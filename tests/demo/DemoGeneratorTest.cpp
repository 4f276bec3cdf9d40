// The demo world must look to the program exactly like a player's game
// folder: these tests read it back through the package library the program
// uses and check every kind of package, the thumbnail caches, the damaged
// download, and that a seed always gives the same bytes.
#include "tools/demo/DemoWorld.h"

#include "package/BinarySupport.h"
#include "package/Classification.h"
#include "package/CompressedResource.h"
#include "package/Crc24.h"
#include "package/ObjectDefinition.h"
#include "package/PackageQueries.h"
#include "package/PackageReader.h"
#include "package/PropertySet.h"
#include "package/ResourceCollection.h"
#include "package/Sims2Pack.h"
#include "package/TypeIds.h"
#include "package/base/Paths.h"
#include "tests/common/FailsWith.h"
#include "tests/common/TrapRecorder.h"

#include <QByteArray>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <random>

namespace fs = std::filesystem;
using namespace varnick;
using namespace varnick::demo;

namespace {

fs::path freshTempFolder(const std::string& name)
{
    const fs::path folder = fs::temp_directory_path() / ("varnick-demo-test-" + std::to_string(std::random_device {}()))
        / pathFromUtf8(name);
    fs::create_directories(folder.parent_path());
    return folder;
}

ByteString fileBytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return ByteString(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

/// Every file below root, relative to it, with its bytes.
std::map<std::string, ByteString> snapshot(const fs::path& root)
{
    std::map<std::string, ByteString> files;
    for (const auto& item : fs::recursive_directory_iterator(root))
        if (item.is_regular_file())
            files[pathToUtf8(fs::relative(item.path(), root))] = fileBytes(item.path());
    return files;
}

std::vector<PackageResource> resourcesOfType(const PackageFile& pkg, ByteView type)
{
    std::vector<PackageResource> result;
    gflngGetPackageFilesOfType(pkg, result, { ByteString(type) });
    return result;
}

std::int32_t signed32(double number)
{
    // Property numbers hold unsigned (XML) or signed (binary) readings of 32 bits.
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::int64_t>(number)));
}

class DemoWorldTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        sFolder = freshTempFolder("world");
        DemoOptions options;
        options.output = sFolder;
        options.seed = 7;
        options.packages = 60;
        sWorld = new DemoWorld(generateDemoWorld(options));
    }

    static void TearDownTestSuite()
    {
        delete sWorld;
        sWorld = nullptr;
        std::error_code error;
        fs::remove_all(sFolder.parent_path(), error);
    }

    static fs::path downloads() { return sWorld->dataFolder / "Downloads"; }

    static std::vector<const GeneratedPackage*> packagesOf(PackageKind kind)
    {
        std::vector<const GeneratedPackage*> found;
        for (const GeneratedPackage& p : sWorld->packages)
            if (p.kind == kind)
                found.push_back(&p);
        return found;
    }

    static inline fs::path sFolder;
    static inline DemoWorld* sWorld = nullptr;
};

TEST_F(DemoWorldTest, laysOutTheGameFoldersTheProgramLooksFor)
{
    EXPECT_EQ(sWorld->packages.size(), 60u);
    EXPECT_EQ(sWorld->documentsFolder, fs::absolute(sFolder) / "Documents");
    EXPECT_TRUE(fs::is_directory(sWorld->documentsFolder / "EA Games" / "The Sims 2" / "Downloads"));
    EXPECT_TRUE(fs::is_regular_file(sWorld->dataFolder / "Thumbnails" / "ObjectThumbnails.package"));
    EXPECT_TRUE(fs::is_regular_file(sWorld->dataFolder / "Thumbnails" / "DesignModeThumbnails.package"));
    EXPECT_TRUE(fs::is_directory(sWorld->installFolder));
    EXPECT_TRUE(fs::is_directory(downloads() / pathFromUtf8("Möbel été")));
    EXPECT_TRUE(fs::is_directory(downloads() / "New Downloads"));
    // New Downloads holds the two Sims2Pack files and nothing else.
    std::vector<fs::path> waiting;
    for (const auto& item : fs::directory_iterator(downloads() / "New Downloads"))
        waiting.push_back(item.path().lexically_relative(downloads()));
    std::sort(waiting.begin(), waiting.end());
    ASSERT_EQ(sWorld->sims2Packs.size(), 2u);
    std::vector<fs::path> generated { sWorld->sims2Packs[0].file, sWorld->sims2Packs[1].file };
    std::sort(generated.begin(), generated.end());
    EXPECT_EQ(waiting, generated);
    // Nothing of the scratch folder the world was assembled in is left.
    for (const auto& item : fs::directory_iterator(sFolder.parent_path()))
        EXPECT_EQ(item.path().filename(), sFolder.filename());

    EXPECT_EQ(sWorld->count(PackageKind::Damaged), 1);
    EXPECT_GE(sWorld->count(PackageKind::CatalogObject), 10);
    EXPECT_GE(sWorld->count(PackageKind::Recolor), 6);
    EXPECT_GE(sWorld->count(PackageKind::Other), 3);
    EXPECT_EQ(sWorld->compressionFallbacks, 0);
    for (const GeneratedPackage& p : sWorld->packages)
        EXPECT_TRUE(fs::is_regular_file(downloads() / p.file)) << p.title;

    // A package with a non-ASCII name sits in the non-ASCII folder.
    const auto nonAscii = std::find_if(sWorld->packages.begin(), sWorld->packages.end(),
        [](const GeneratedPackage& p) { return p.title == "Sessel Blümchen von casaSims"; });
    ASSERT_NE(nonAscii, sWorld->packages.end());
    EXPECT_EQ(nonAscii->file, pathFromUtf8("Möbel été/Sessel Blümchen von casaSims.package"));
}

TEST_F(DemoWorldTest, everyPackageClassifiesAsItsKind)
{
    test::TrapRecorder trap;
    for (const GeneratedPackage& p : sWorld->packages) {
        if (p.kind == PackageKind::Damaged)
            continue;
        std::vector<IndexEntry> entries;
        ASSERT_TRUE(gsLoadPackageIndexOnly(downloads() / p.file, entries)) << p.title;
        EXPECT_EQ(gfblnIsCatalogObject(entries), p.kind == PackageKind::CatalogObject) << p.title;
        EXPECT_EQ(gfblnIsRecolor(entries), p.kind == PackageKind::Recolor) << p.title;
    }
    EXPECT_TRUE(trap.empty());
}

TEST_F(DemoWorldTest, catalogObjectsCarryNameLeadDefinitionAndCategories)
{
    bool sawSeveralDefinitions = false;
    bool sawCompressed = false;
    bool sawBuildMode = false;
    for (const GeneratedPackage* p : packagesOf(PackageKind::CatalogObject)) {
        const PackageFile pkg = readPackage(downloads() / p->file);
        EXPECT_EQ(static_cast<int>(resourcesOfType(pkg, gstrTypeOBJD).size()), p->definitions) << p->title;

        const auto chosen = chooseObjectDefinition(pkg);
        ASSERT_TRUE(chosen.has_value()) << p->title;
        EXPECT_EQ(chosen->definition.guid(), p->guid) << p->title;
        EXPECT_TRUE(chosen->definition.isComplete());
        const ObjectDefinition& objd = chosen->definition;
        EXPECT_GT(objd.amount(ObjectField::Price), 0);
        const std::uint16_t function = objd.flags(ObjectField::FunctionSortFlags);
        const std::uint16_t build = objd.flags(ObjectField::BuildModeType);
        // Exactly one catalog: one function bit (buy mode) or one build type.
        EXPECT_TRUE((function != 0) != (build != 0)) << p->title;
        EXPECT_EQ(function & (function - 1), 0) << p->title;
        EXPECT_NE(objd.flags(ObjectField::FunctionSubSort) | objd.flags(ObjectField::BuildModeSubType), 0);
        const std::uint16_t wants = objd.flags(ObjectField::WantsSatisfyCategory);
        EXPECT_TRUE(wants == 0 || (wants >= 10000 && wants <= 10076)) << wants;

        // A few objects come without a catalog text list.
        const auto texts = chooseTextList(pkg);
        EXPECT_EQ(texts.has_value(), !p->catalogName.empty()) << p->title;
        if (texts) {
            const CatalogTexts catalog = catalogTexts(texts->list);
            EXPECT_EQ(catalog.name, p->catalogName);
            EXPECT_FALSE(catalog.description.empty());
        }

        sawSeveralDefinitions |= p->definitions > 1;
        sawCompressed |= p->compressed;
        sawBuildMode |= build != 0;
        if (p->compressed) {
            // The directory of compressed files lists exactly the resources stored compressed.
            const auto dirs = resourcesOfType(pkg, gfstr4HexToSimsID("E86B1EEF"));
            ASSERT_EQ(dirs.size(), 1u);
            const auto records = parseDirectory(dirs[0].Data, pkg.IndexMinorVersion);
            const auto compressedCount = std::count_if(pkg.Files.begin(), pkg.Files.end(),
                [](const PackageResource& r) { return isCompressedResource(r.Data); });
            EXPECT_EQ(static_cast<long>(records.size()), compressedCount);
            for (const DirectoryEntry& record : records) {
                const auto match = std::find_if(pkg.Files.begin(), pkg.Files.end(), [&](const PackageResource& r) {
                    return r.TypeID == record.TypeID && r.InstanceID == record.InstanceID;
                });
                ASSERT_NE(match, pkg.Files.end());
                EXPECT_EQ(static_cast<std::int32_t>(decompressResource(match->Data).size()), record.Size);
                // The stored header describes the data for readers that rely on it:
                // the stored length, and the decoded length as 24 bits big-endian.
                const ByteString& stored = match->Data;
                EXPECT_EQ(gflngStr4ToLong(stored), static_cast<std::int32_t>(stored.size()));
                EXPECT_EQ((byteAt(stored, 6) << 16) | (byteAt(stored, 7) << 8) | byteAt(stored, 8),
                    static_cast<unsigned>(record.Size));
            }
        }
    }
    EXPECT_TRUE(sawSeveralDefinitions);
    EXPECT_TRUE(sawCompressed);
    EXPECT_TRUE(sawBuildMode);
}

TEST_F(DemoWorldTest, recolorsNameTheirObjectsGuidAndCarryShowableTextures)
{
    std::map<std::uint32_t, const GeneratedPackage*> objects;
    for (const GeneratedPackage* p : packagesOf(PackageKind::CatalogObject))
        objects[p->guid] = p;
    std::map<TextureFormat, int> formats;
    int xml = 0;
    int twoOverrides = 0;
    for (const GeneratedPackage* p : packagesOf(PackageKind::Recolor)) {
        EXPECT_TRUE(objects.count(p->guid)) << p->title << " names no object of the world";
        const PackageFile pkg = readPackage(downloads() / p->file);
        const auto overrides = resourcesOfType(pkg, gstrTypeMMAT);
        ASSERT_EQ(static_cast<int>(overrides.size()), p->materialOverrides) << p->title;
        // The finder examines only the first material override.
        const ByteString first = decompressResource(overrides[0].Data);
        EXPECT_EQ(first.rfind("<?xml", 0) == 0, p->xmlMaterial) << p->title;
        const PropertySet props = readPropertySet(first);
        const auto guid = std::find_if(
            props.Items.begin(), props.Items.end(), [](const PropertyItem& item) { return item.Name == "objectGUID"; });
        ASSERT_NE(guid, props.Items.end()) << p->title;
        EXPECT_EQ(signed32(guid->Number), static_cast<std::int32_t>(p->guid)) << p->title;

        const auto textures = resourcesOfType(pkg, gstrTypeTXTR);
        ASSERT_EQ(textures.size(), 1u);
        const RCOLHeader rcol = readRCOLHeader(decompressResource(textures[0].Data));
        std::string notice;
        const TextureImage texture = readTextureImage(rcol.Body, notice);
        EXPECT_EQ(notice, "");
        EXPECT_EQ(texture.Format, static_cast<std::int32_t>(p->texture));
        ASSERT_FALSE(texture.Mips.empty());
        // The last level is the full-size image the viewer shows.
        const std::size_t pixels = static_cast<std::size_t>(texture.Width) * texture.Height;
        const std::size_t expected = p->texture == TextureFormat::Raw32 ? pixels * 4
            : p->texture == TextureFormat::Dxt1                         ? pixels / 2
                                                                        : pixels;
        EXPECT_EQ(texture.Mips.back().Data.size(), expected) << p->title;
        EXPECT_EQ(texture.MipCount, static_cast<std::int32_t>(texture.Mips.size()));

        ++formats[p->texture];
        xml += p->xmlMaterial ? 1 : 0;
        twoOverrides += p->materialOverrides == 2 ? 1 : 0;
    }
    EXPECT_GT(formats[TextureFormat::Dxt1], 0);
    EXPECT_GT(formats[TextureFormat::Dxt3], 0);
    EXPECT_GT(formats[TextureFormat::Raw32], 0);
    EXPECT_GT(xml, 0);
    EXPECT_GT(twoOverrides, 0);
}

TEST_F(DemoWorldTest, thumbnailsAreFiledUnderTheKeysTheProgramComputes)
{
    const ByteString thumbnailType = gfstr4HexToSimsID("AC2950C1");
    const PackageFile objectCache = readPackage(sWorld->dataFolder / "Thumbnails" / "ObjectThumbnails.package");
    const PackageFile designCache = readPackage(sWorld->dataFolder / "Thumbnails" / "DesignModeThumbnails.package");
    EXPECT_EQ(static_cast<int>(resourcesOfType(objectCache, thumbnailType).size()), sWorld->objectThumbnails);
    EXPECT_EQ(static_cast<int>(resourcesOfType(designCache, thumbnailType).size()), sWorld->designModeThumbnails);
    // The purge refuses a cache without exactly one directory of compressed files.
    EXPECT_EQ(resourcesOfType(objectCache, gfstr4HexToSimsID("E86B1EEF")).size(), 1u);
    EXPECT_EQ(resourcesOfType(designCache, gfstr4HexToSimsID("E86B1EEF")).size(), 1u);

    int shown = 0;
    int missing = 0;
    int twice = 0;
    for (const GeneratedPackage& p : sWorld->packages) {
        // The key of a package: "7F" and the CRC-24 of its lower-case file title.
        const std::string title = pathToUtf8(p.file.stem());
        ASSERT_EQ(title, p.title);
        const ByteString key = gfstr4HexToSimsID(thumbnailKeyText(title));
        std::vector<PackageResource> found;
        const int matches = gflngGetPFByResourceID(objectCache, found, thumbnailType, key);
        if (p.thumbnailFiledTwice) {
            EXPECT_EQ(matches, 2) << p.title;
            ++twice;
            continue;
        }
        EXPECT_EQ(matches, p.inObjectThumbnails ? 1 : 0) << p.title;
        if (matches == 1) {
            const ByteString jpeg = decompressResource(found[0].Data);
            const QImage image = QImage::fromData(QByteArray(jpeg.data(), static_cast<int>(jpeg.size())), "JPG");
            EXPECT_EQ(image.size(), QSize(128, 128)) << p.title;
            ++shown;
        } else if (p.kind == PackageKind::CatalogObject) {
            ++missing;
        }
        std::vector<PackageResource> design;
        EXPECT_EQ(gflngGetPFByResourceID(designCache, design, thumbnailType, key), p.inDesignModeThumbnails ? 1 : 0);
        // Letter case does not matter: the key is built from the lower-case title.
        std::string upper = title;
        for (char& c : upper)
            c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
        EXPECT_EQ(thumbnailKeyText(upper), thumbnailKeyText(title));
    }
    EXPECT_GT(shown, 20);
    EXPECT_EQ(twice, 1);
    // Some thumbnails are stored compressed and still decode.
    EXPECT_TRUE(std::any_of(objectCache.Files.begin(), objectCache.Files.end(),
        [](const PackageResource& r) { return isCompressedResource(r.Data); }));
}

TEST_F(DemoWorldTest, damagedDownloadFailsCleanlyAndStaysAsItWas)
{
    const auto damaged = packagesOf(PackageKind::Damaged);
    ASSERT_EQ(damaged.size(), 1u);
    const fs::path file = downloads() / damaged[0]->file;
    const ByteString before = fileBytes(file);
    ASSERT_GT(before.size(), 96u);

    try {
        readPackageIndex(file);
        FAIL() << "a truncated package was read";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.code(), ErrorCode::BadPackage);
    }
    test::TrapRecorder trap;
    std::vector<IndexEntry> entries;
    EXPECT_FALSE(gsLoadPackageIndexOnly(file, entries));
    EXPECT_TRUE(entries.empty());
    ASSERT_EQ(trap.trapped().size(), 1u);
    EXPECT_NE(trap.last().AdditionalData.find("Filename = "), std::string::npos);
    EXPECT_EQ(fileBytes(file), before);
}

TEST_F(DemoWorldTest, sims2PackFilesHoldNewObjectsOneOfEachClashingWithAnInstalledOne)
{
    ASSERT_EQ(sWorld->sims2Packs.size(), 2u);
    EXPECT_FALSE(sWorld->sims2Packs[0].compressed);
    EXPECT_TRUE(sWorld->sims2Packs[1].compressed);
    for (const GeneratedSims2Pack& generated : sWorld->sims2Packs) {
        SCOPED_TRACE(pathToUtf8(generated.file));
        EXPECT_EQ(generated.file.extension(), ".Sims2Pack");
        const Sims2PackFile file = Sims2PackFile::read(downloads() / generated.file);
        EXPECT_EQ(file.contents().compressedMagic, generated.compressed);
        EXPECT_EQ(file.contents().type, "Object");
        ASSERT_EQ(file.items().size(), generated.items.size());
        int clashes = 0;
        for (std::size_t i = 0; i < generated.items.size(); ++i) {
            const Sims2PackItemInfo& info = generated.items[i];
            const Sims2PackItem& item = file.items()[i];
            EXPECT_EQ(item.name, info.name);
            EXPECT_EQ(item.compressed, generated.compressed);
            EXPECT_NE(info.catalogName, "");
            // The item is a catalog object whose definition carries the GUID the XML names.
            ByteString scratch;
            const PackageFile pkg = parsePackage(file.itemBytes(i, scratch));
            EXPECT_TRUE(gfblnIsCatalogObject(pkg.Index));
            const std::vector<PackageResource> definitions = resourcesOfType(pkg, gstrTypeOBJD);
            ASSERT_EQ(definitions.size(), 1u);
            EXPECT_EQ(ObjectDefinition(decompressResource(definitions[0].Data)).guid(), info.guid);
            char guid[12];
            std::snprintf(guid, sizeof guid, "0x%08X", static_cast<unsigned>(info.guid));
            EXPECT_EQ(item.guid, guid);
            EXPECT_FALSE(fs::exists(downloads() / pathFromUtf8(info.name)));
            if (info.clashesWith.empty())
                continue;
            ++clashes;
            const auto installed = std::find_if(sWorld->packages.begin(), sWorld->packages.end(),
                [&](const GeneratedPackage& p) { return p.file == info.clashesWith; });
            ASSERT_NE(installed, sWorld->packages.end());
            EXPECT_EQ(installed->kind, PackageKind::CatalogObject);
            EXPECT_EQ(installed->guid, info.guid);
        }
        EXPECT_EQ(clashes, 1);
    }
}

TEST(DemoWorldGenerator, sameSeedGivesTheSameBytesAndAnotherSeedAnotherWorld)
{
    const fs::path a = freshTempFolder("a");
    const fs::path b = a.parent_path() / "b";
    const fs::path c = a.parent_path() / "c";
    DemoOptions options;
    options.packages = kMinimumPackages + 8;
    options.seed = 99;
    options.output = a;
    generateDemoWorld(options);
    options.output = b;
    generateDemoWorld(options);
    options.output = c;
    options.seed = 100;
    generateDemoWorld(options);

    const auto first = snapshot(a);
    EXPECT_GT(first.size(), static_cast<std::size_t>(options.packages));
    EXPECT_TRUE(first == snapshot(b));
    EXPECT_FALSE(first == snapshot(c));
    fs::remove_all(a.parent_path());
}

TEST(DemoWorldGenerator, refusesBadSizesAndFoldersThatHoldFilesWithoutTouchingThem)
{
    const fs::path folder = freshTempFolder("taken");
    fs::create_directories(folder);
    {
        std::ofstream(folder / "notes.txt") << "keep me";
    }
    DemoOptions options;
    options.output = folder;
    EXPECT_FAILS_WITH_CODE(generateDemoWorld(options), ErrorCode::InvalidArgument, "not empty");
    EXPECT_EQ(fileBytes(folder / "notes.txt"), "keep me");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.parent_path()), fs::directory_iterator()), 1);

    options.output = folder.parent_path() / "small";
    options.packages = kMinimumPackages - 1;
    EXPECT_THROW(generateDemoWorld(options), Failure);
    EXPECT_FALSE(fs::exists(options.output));

    // An empty folder is fine: it is filled, also when named with a trailing separator.
    fs::create_directories(folder.parent_path() / "empty");
    options.output = folder.parent_path() / "empty" / "";
    options.packages = kMinimumPackages;
    const DemoWorld world = generateDemoWorld(options);
    EXPECT_EQ(world.root, fs::absolute(folder.parent_path() / "empty"));
    EXPECT_EQ(world.packages.size(), static_cast<std::size_t>(kMinimumPackages));
    EXPECT_TRUE(fs::is_regular_file(world.dataFolder / "Thumbnails" / "ObjectThumbnails.package"));
    fs::remove_all(folder.parent_path());
}

TEST(DemoThumbnailCache, filesEveryPictureOnceUnderItsTitlesKeyAndReplacesTheOldFile)
{
    const fs::path folder = freshTempFolder("cache");
    fs::create_directories(folder);
    const fs::path file = folder / "ObjectThumbnails.package";
    {
        std::ofstream(file) << "old cache";
    }
    const auto titles = writeDemoThumbnailCache(file, 300, 11);
    ASSERT_EQ(titles.size(), 300u);
    const PackageFile cache = readPackage(file);
    const ByteString thumbnailType = gfstr4HexToSimsID("AC2950C1");
    EXPECT_EQ(resourcesOfType(cache, thumbnailType).size(), 300u);
    EXPECT_EQ(resourcesOfType(cache, gfstr4HexToSimsID("E86B1EEF")).size(), 1u);
    for (const std::string& title : titles) {
        std::vector<PackageResource> found;
        ASSERT_EQ(gflngGetPFByResourceID(cache, found, thumbnailType, gfstr4HexToSimsID(thumbnailKeyText(title))), 1)
            << title;
    }
    const ByteString jpeg = resourcesOfType(cache, thumbnailType).back().Data;
    EXPECT_FALSE(QImage::fromData(QByteArray(jpeg.data(), static_cast<int>(jpeg.size())), "JPG").isNull());
    // The same seed gives the same file; nothing but the cache is left in the folder.
    const ByteString first = fileBytes(file);
    writeDemoThumbnailCache(file, 300, 11);
    EXPECT_EQ(fileBytes(file), first);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    EXPECT_THROW(writeDemoThumbnailCache(file, -1, 11), Failure);
    EXPECT_EQ(fileBytes(file), first);
    fs::remove_all(folder.parent_path());
}

TEST(DemoRandom, followsTheSplitMix64ReferenceSoWorldsMatchOnEveryPlatform)
{
    DemoRandom random(1234567);
    EXPECT_EQ(random.next(), 6457827717110365317ull);
    EXPECT_EQ(random.next(), 3203168211198807973ull);
    EXPECT_EQ(random.next(), 9817491932198370423ull);
    for (int i = 0; i < 1000; ++i) {
        EXPECT_LT(random.below(7), 7u);
        const int value = random.between(-3, 3);
        EXPECT_GE(value, -3);
        EXPECT_LE(value, 3);
    }
}

} // namespace
