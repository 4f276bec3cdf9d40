#include "tools/demo/DemoWorld.h"

#include "tools/common/PackageBuilder.h"
#include "tools/common/Sims2PackBuilder.h"

#include "package/BinarySupport.h"
#include "package/CompressedResource.h"
#include "package/Crc24.h"
#include "package/PackageWriter.h"
#include "package/TypeIds.h"
#include "package/base/ErrorTrap.h"
#include "package/base/KelvoraBinding.h"
#include "package/base/Paths.h"
#include "package/base/RawFile.h"
#include "package/base/WholeFile.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

namespace varnick::demo {

namespace {

// Folders of the Downloads tree, "/" separated below Downloads. Names mix
// capitals and small letters, and one holds non-ASCII letters.
const char* const kDownloadFolders[] = {
    "Furniture",
    "Furniture/Living Room",
    "Furniture/bedroom",
    "Kitchen & Bath",
    "Lighting",
    "DECOR",
    "Möbel été",
    "Build Mode",
    "Build Mode/Doors and Windows",
    "Build Mode/garden",
    "Recolors",
    "misc",
    "Hacks and Mods",
};

// Other folders the game keeps beside Downloads and Thumbnails.
const char* const kDataSubfolders[] = { "Downloads", "Thumbnails", "Neighborhoods", "Collections", "Teleport" };

const char* const kSubsets[] = { "body", "frame", "cushion", "fabric", "wood", "metal", "shade", "glass" };

constexpr int kWantsFirst = 10000;
constexpr int kWantsLast = 10076;

ByteString idOf(std::uint32_t value)
{
    return gfstrLongToStr4(static_cast<std::int32_t>(value));
}

/// Collects the resources of one package in the shared package builder,
/// compresses those asked for with Kelvora, and lets the builder add the
/// directory of compressed files when any resource ends up compressed.
class PackageAssembler {
public:
    explicit PackageAssembler(int& compressionFallbacks)
        : mFallbacks(compressionFallbacks)
    {
    }

    void add(const ByteString& type, std::uint32_t group, std::uint32_t instance, ByteString data,
        bool compress = false, std::uint32_t resource = 0, bool evenIfLarger = false)
    {
        ResourceKey key { type, idOf(group), idOf(instance), idOf(resource) };
        if (compress)
            mBuilder.addCompressed(std::move(key), std::move(data),
                [this, evenIfLarger](const ByteString& plain) { return compressed(plain, evenIfLarger); });
        else
            mBuilder.add(std::move(key), std::move(data));
    }

    /// A resource whose instance identifier is already drawn. Used as
    /// package.withInstance(mRandom.next32()).add(...): the object expression of a
    /// member call is evaluated before its arguments, so the instance is drawn
    /// before the contents on every compiler and a seed gives the same world
    /// everywhere (the order of function arguments alone is unspecified).
    class PendingResource {
    public:
        PendingResource(PackageAssembler& assembler, std::uint32_t instance)
            : mAssembler(assembler)
            , mInstance(instance)
        {
        }
        void add(const ByteString& type, std::uint32_t group, ByteString data, bool compress = false)
        {
            mAssembler.add(type, group, mInstance, std::move(data), compress);
        }

    private:
        PackageAssembler& mAssembler;
        std::uint32_t mInstance;
    };

    PendingResource withInstance(std::uint32_t instance) { return { *this, instance }; }

    bool anyCompressed() const { return mBuilder.anyCompressed(); }

    /// The package, with the directory of compressed files as its last resource when needed.
    PackageFile finish(bool alwaysDirectory = false)
    {
        mBuilder.alwaysDirectory(alwaysDirectory);
        return mBuilder.package();
    }

private:
    /// The resource compressed with Kelvora, or "" when that does not pay
    /// (unless evenIfLarger) or does not decode back to the same bytes (then
    /// it is stored plain).
    ByteString compressed(const ByteString& plain, bool evenIfLarger)
    {
        if (plain.size() > 0xFFFFFF) // beyond what the header's 24-bit size field describes
            return {};
        ByteString packed = kelvoraCompress(plain, 16);
        if (packed.size() < 9 || (packed.size() >= plain.size() && !evenIfLarger))
            return {};
        bool same = false;
        try {
            same = decompressResource(packed) == plain;
        } catch (const Failure&) {
            same = false;
        }
        if (!same) {
            ++mFallbacks;
            return {};
        }
        return packed;
    }

    int& mFallbacks;
    test::PackageBuilder mBuilder;
};

void writeBytes(const fs::path& file, ByteView bytes)
{
    FileNameContext context(pathToUtf8(file));
    RawFile out(file, RawFile::Mode::CreateTruncate);
    out.writeAt(0, bytes.data(), bytes.size());
    out.close();
}

void createFolders(const fs::path& folder)
{
    std::error_code error;
    fs::create_directories(folder, error);
    if (error)
        throw Failure(
            ErrorCode::FolderFailed, "could not create the folder " + pathToUtf8(folder) + ": " + error.message());
}

/// Everything the generator decides about one object before it writes it.
struct ObjectPlan {
    const CatalogKind* kind = nullptr;
    std::string name;
    std::string creator;
    std::uint32_t guid = 0;
    std::size_t packageIndex = 0; ///< position in DemoWorld::Packages
};

/// An object written into a Sims2Pack file instead of Downloads.
struct ArchivedObject {
    test::Sims2PackEntry entry { {}, {} };
    std::string catalogName; ///< "" without a text list
};

/// One thumbnail for a cache: the key text and the picture.
struct CacheEntry {
    std::string keyText;
    ByteString jpeg;
    std::uint32_t instance = 0;
};

class WorldBuilder {
public:
    WorldBuilder(const DemoOptions& options, const fs::path& root)
        : mOptions(options)
        , mRandom(options.seed)
        , mRoot(root)
    {
        mWorld.root = options.output;
        mWorld.documentsFolder = options.output / kDocumentsFolder;
        mWorld.installFolder = options.output / pathFromUtf8(kInstallFolder);
        mWorld.dataFolder = options.output / pathFromUtf8(kDataFolder);
        mDownloads = root / pathFromUtf8(kDataFolder) / "Downloads";
    }

    DemoWorld build()
    {
        makeFolders();
        writeShowcase();
        while (static_cast<int>(mWorld.packages.size()) < mOptions.packages)
            writeRandomPackage();
        writeReviewCases();
        writeSims2Packs();
        writeCaches();
        return std::move(mWorld);
    }

private:
    // Folders ------------------------------------------------------------------

    void makeFolders()
    {
        const fs::path data = mRoot / pathFromUtf8(kDataFolder);
        for (const char* sub : kDataSubfolders)
            createFolders(data / sub);
        for (const char* sub : kDownloadFolders)
            createFolders(mDownloads / pathFromUtf8(sub));
        createFolders(mDownloads / kSims2PackFolder);
        const fs::path install = mRoot / pathFromUtf8(kInstallFolder);
        createFolders(install / "TSBin");
        createFolders(install / "TSData" / "Res" / "Catalog");
        writeBytes(install / "TSBin" / "README.txt",
            "Stand-in for the game's install folder, generated for the Varnick demo world.\r\n");
    }

    // Names --------------------------------------------------------------------

    /// A file title that is unique in the world, ignoring letter case, and
    /// whose thumbnail key no other title has, so every thumbnail is found.
    std::string uniqueTitle(const std::string& wanted)
    {
        std::string title = wanted;
        for (int n = 2;; ++n) {
            const std::string key = thumbnailKeyText(title);
            if (!mTitles.count(lowerAscii(title)) && !mKeys.count(key)) {
                mTitles.insert(lowerAscii(title));
                mKeys.insert(key);
                return title;
            }
            title = wanted + " (" + std::to_string(n) + ")";
        }
    }

    std::uint32_t uniqueGuid()
    {
        for (;;) {
            const std::uint32_t guid = mRandom.next32();
            if (guid != 0 && mGuids.insert(guid).second)
                return guid;
        }
    }

    std::string objectTitle(const ObjectPlan& plan)
    {
        switch (mRandom.below(3)) {
        case 0:
            return plan.creator + "_" + squeeze(plan.name);
        case 1:
            return plan.name + " by " + plan.creator;
        default:
            return plan.creator + "-" + lowerAscii(squeeze(plan.name));
        }
    }

    std::string objectFolder(const CatalogKind& kind)
    {
        const unsigned roll = mRandom.below(100);
        if (roll < 70)
            return kind.folder;
        if (roll < 90)
            return "";
        return mRandom.pick(kDownloadFolders);
    }

    fs::path packagePath(const std::string& folder, const std::string& title) const
    {
        fs::path relative = folder.empty() ? fs::path() : pathFromUtf8(folder);
        return relative / pathFromUtf8(title + ".package");
    }

    // Packages -----------------------------------------------------------------

    void writePackage(PackageFile& pkg, const fs::path& relative)
    {
        writeBytes(mDownloads / relative, serializePackage(pkg));
    }

    /// A catalog object: its definitions, catalog text, mesh and scene
    /// resources, and its own texture. Returns its position in the world.
    /// With archived, the object is not written to Downloads: its package goes
    /// into a Sims2Pack file's item and the world does not list it.
    std::size_t writeObject(const CatalogKind& kind, const std::string& folder, int definitions, bool compress,
        bool damaged = false, const std::string& forcedTitle = {}, std::uint32_t forcedGuid = 0,
        ArchivedObject* archived = nullptr)
    {
        ObjectPlan plan;
        plan.kind = &kind;
        plan.name = catalogName(mRandom, kind);
        plan.creator = mRandom.pick(creators());
        plan.guid = forcedGuid != 0 ? forcedGuid : uniqueGuid();
        const std::string title = uniqueTitle(forcedTitle.empty() ? objectTitle(plan) : forcedTitle);
        const std::string description = catalogDescription(mRandom, kind, plan.name);
        const std::uint32_t group = 0x7F000000u | (mRandom.next32() & 0xFFFFFF);

        ObjectFields fields;
        fields.guid = plan.guid;
        const int price = mRandom.between(kind.minPrice, kind.maxPrice) / 5 * 5;
        fields.price = static_cast<std::uint16_t>(price);
        fields.initialDepreciation = static_cast<std::uint16_t>(price * 15 / 100);
        fields.dailyDepreciation = static_cast<std::uint16_t>(std::max(1, price / 100));
        fields.depreciationLimit = static_cast<std::uint16_t>(price * 40 / 100);
        fields.roomSortFlags = kind.roomSort;
        fields.functionSortFlags = kind.functionSort;
        fields.functionSubSort = kind.functionSubSort;
        fields.buildModeType = kind.buildModeType;
        fields.buildModeSubType = kind.buildModeSubType;
        fields.communitySortFlags = kind.communitySort;
        fields.skillFlags = kind.skillFlags;
        fields.nicenessMultiplier = static_cast<std::uint16_t>(kind.motive == 6 ? mRandom.between(1, 10) : 0);
        if (kind.motive >= 0)
            fields.motives[kind.motive] = static_cast<std::int16_t>(mRandom.between(1, 10));
        if (mRandom.percent(12))
            fields.wantsSatisfyCategory = static_cast<std::uint16_t>(mRandom.between(kWantsFirst, kWantsLast));

        PackageAssembler package(mWorld.compressionFallbacks);
        // Several definitions: one per tile plus the lead, which is not always
        // the first in the package.
        const int leadAt
            = definitions > 1 ? static_cast<int>(mRandom.below(static_cast<std::uint32_t>(definitions))) : 0;
        int tile = 0;
        for (int d = 0; d < definitions; ++d) {
            ObjectFields definition = fields;
            const std::string stem = lowerAscii(squeeze(plan.name)).substr(0, 40);
            if (d == leadAt) {
                definition.name = stem + " - lead";
                definition.multiTileSubIndex = definitions > 1 || mRandom.percent(50) ? 0xFFFF : 0;
            } else {
                definition.name = stem + " - tile " + std::to_string(tile);
                definition.multiTileSubIndex = static_cast<std::uint16_t>(tile++);
                definition.guid = uniqueGuid();
            }
            package.add(
                gstrTypeOBJD, group, 0x41A7u + static_cast<std::uint32_t>(d), objectDefinition(definition), compress);
        }
        // A few downloads come without a catalog text; the program shows no caption for them. Objects
        // still in a Sims2Pack always have one, so its listing shows every name.
        const bool withText = archived != nullptr || mObjects.size() < 4 || !mRandom.percent(2);
        if (withText)
            package.withInstance(0x80u + mRandom.below(0x7F00))
                .add(gstrTypeCTSS, group,
                    catalogTextList(lowerAscii(squeeze(plan.name)).substr(0, 60), plan.name, description), compress);
        const std::string resourceStem = "demo_" + lowerAscii(squeeze(plan.creator + plan.name)).substr(0, 48);
        package.withInstance(mRandom.next32())
            .add(gstrTypeGMDC, group,
                sceneResource("cGeometryDataContainer", gstrTypeGMDC, resourceStem + "_tslocator_gmdc", mRandom,
                    mRandom.between(600, 2400)),
                compress);
        package.withInstance(mRandom.next32())
            .add(gstrTypeGMND, group,
                sceneResource("cGeometryNode", gstrTypeGMND, resourceStem + "_gmnd", mRandom, 120));
        package.withInstance(mRandom.next32())
            .add(gstrTypeSHPE, group, sceneResource("cShape", gstrTypeSHPE, resourceStem + "_shpe", mRandom, 160));
        package.withInstance(mRandom.next32())
            .add(gstrTypeCRES, group,
                sceneResource("cResourceNode", gstrTypeCRES, resourceStem + "_cres", mRandom, 200));
        package.withInstance(mRandom.next32())
            .add(gstrTypeTXMT, group,
                sceneResource("cMaterialDefinition", gstrTypeTXMT, resourceStem + "_txmt", mRandom, 180));
        const Swatch& swatch = mRandom.pick(swatches());
        package.withInstance(mRandom.next32())
            .add(gstrTypeTXTR, group,
                textureResource(resourceStem + "_txtr", TextureFormat::Dxt1, 64, swatch, mRandom.next32()), compress);
        if (mRandom.percent(40))
            package.withInstance(0x1000u + mRandom.below(0x100))
                .add(gstrTypeBHAV, group, namedBlob("demo - function - init", mRandom, mRandom.between(40, 200)));
        PackageFile pkg = package.finish();
        if (archived != nullptr) {
            archived->entry.name = title + ".package";
            archived->entry.data = serializePackage(pkg);
            archived->entry.description = description;
            char guid[12];
            std::snprintf(guid, sizeof guid, "0x%08X", static_cast<unsigned>(plan.guid));
            archived->entry.guid = guid;
            archived->catalogName = withText ? plan.name : std::string();
            return static_cast<std::size_t>(-1);
        }

        GeneratedPackage entry;
        entry.kind = damaged ? PackageKind::Damaged : PackageKind::CatalogObject;
        entry.file = packagePath(folder, title);
        entry.title = title;
        entry.catalogName = withText ? plan.name : std::string();
        entry.guid = plan.guid;
        entry.definitions = definitions;
        entry.compressed = package.anyCompressed();

        if (damaged) {
            // An interrupted download: the file ends before its index.
            const ByteString bytes = serializePackage(pkg);
            writeBytes(mDownloads / entry.file, ByteView(bytes).substr(0, bytes.size() * 3 / 5));
        } else {
            writePackage(pkg, entry.file);
            const ByteString jpeg = thumbnailJpeg(kind.shape, swatch, mRandom.next32());
            // New downloads the game has not shown yet have no cached picture.
            entry.inObjectThumbnails = mObjects.size() < 3 || !mRandom.percent(3);
            if (entry.inObjectThumbnails)
                mObjectCache.push_back(CacheEntry { thumbnailKeyText(title), jpeg, mRandom.next32() });
            if (kind.buildModeType != 0) {
                entry.inDesignModeThumbnails = true;
                mDesignCache.push_back(CacheEntry { thumbnailKeyText(title), jpeg, mRandom.next32() });
            }
        }
        mWorld.packages.push_back(std::move(entry));
        plan.packageIndex = mWorld.packages.size() - 1;
        if (!damaged)
            mObjects.push_back(plan);
        return plan.packageIndex;
    }

    /// A recolor of an object: material overrides naming its GUID, a
    /// material definition and a texture; nothing of the object's own.
    std::size_t writeRecolor(
        const ObjectPlan& object, TextureFormat format, bool xml, int overrides, const char* forcedFolder = nullptr)
    {
        const GeneratedPackage& base = mWorld.packages[object.packageIndex];
        const Swatch& swatch = mRandom.pick(swatches());
        std::string wanted;
        switch (mRandom.below(3)) {
        case 0:
            wanted = base.title + "_recolor_" + squeeze(swatch.name);
            break;
        case 1:
            wanted = object.name + " in " + swatch.name + " by " + mRandom.pick(creators());
            break;
        default:
            wanted = mRandom.pick(creators()) + "_" + squeeze(object.name) + "-" + lowerAscii(squeeze(swatch.name));
            break;
        }
        const std::string title = uniqueTitle(wanted);
        std::string folder;
        const unsigned roll = mRandom.below(100);
        const std::string baseFolder = base.file.parent_path().empty() ? "" : pathToUtf8(base.file.parent_path());
        folder = forcedFolder != nullptr ? forcedFolder : roll < 50 ? baseFolder : roll < 85 ? "Recolors" : "";

        const std::uint32_t group = 0x7F000000u | (mRandom.next32() & 0xFFFFFF);
        const bool compress = mRandom.percent(30);
        const std::string stem = "demo_" + lowerAscii(squeeze(object.name + swatch.name)).substr(0, 48);
        PackageAssembler package(mWorld.compressionFallbacks);
        for (int m = 0; m < overrides; ++m) {
            package.withInstance(mRandom.next32())
                .add(gstrTypeMMAT, group,
                    materialOverride(object.guid, object.name, stem + "_" + std::to_string(m) + "_txmt",
                        mRandom.pick(kSubsets), xml),
                    compress);
        }
        package.withInstance(mRandom.next32())
            .add(gstrTypeTXMT, group, sceneResource("cMaterialDefinition", gstrTypeTXMT, stem + "_txmt", mRandom, 180));
        const int size = format == TextureFormat::Raw32 ? 32 : (mRandom.percent(25) ? 128 : 64);
        package.withInstance(mRandom.next32())
            .add(
                gstrTypeTXTR, group, textureResource(stem + "_txtr", format, size, swatch, mRandom.next32()), compress);
        PackageFile pkg = package.finish();

        GeneratedPackage entry;
        entry.kind = PackageKind::Recolor;
        entry.file = packagePath(folder, title);
        entry.title = title;
        entry.guid = object.guid;
        entry.compressed = package.anyCompressed();
        entry.xmlMaterial = xml;
        entry.materialOverrides = overrides;
        entry.texture = format;
        writePackage(pkg, entry.file);

        if (mRandom.percent(50)) {
            const ByteString jpeg = thumbnailJpeg(object.kind->shape, swatch, mRandom.next32());
            entry.inObjectThumbnails = true;
            mObjectCache.push_back(CacheEntry { thumbnailKeyText(title), jpeg, mRandom.next32() });
            if (object.kind->buildModeType != 0 || mRandom.percent(20)) {
                entry.inDesignModeThumbnails = true;
                mDesignCache.push_back(CacheEntry { thumbnailKeyText(title), jpeg, mRandom.next32() });
            }
        }
        mWorld.packages.push_back(std::move(entry));
        return mWorld.packages.size() - 1;
    }

    enum class OtherKind { BehaviourMod, MeshOnly, Wallpaper, Clothing, MaterialOnly, Empty };

    /// A package that is neither a catalog object nor a recolor.
    void writeOther(OtherKind kind)
    {
        const std::string creator = mRandom.pick(creators());
        const std::uint32_t group = 0x7F000000u | (mRandom.next32() & 0xFFFFFF);
        const Swatch& swatch = mRandom.pick(swatches());
        const std::string stem = "demo_" + lowerAscii(creator) + "_" + std::to_string(mRandom.below(100000));
        PackageAssembler package(mWorld.compressionFallbacks);
        std::string wanted;
        std::string folder = "misc";
        switch (kind) {
        case OtherKind::BehaviourMod: {
            static const char* const kMods[]
                = { "NoAutoWake", "FasterHomework", "SmarterMaids", "QuietPhones", "LongerParties", "NoBugInvasion" };
            wanted = creator + "_" + mRandom.pick(kMods) + "Mod";
            folder = "Hacks and Mods";
            const int functions = mRandom.between(2, 4);
            for (int i = 0; i < functions; ++i) {
                ByteString function
                    = namedBlob("demo - function " + std::to_string(i), mRandom, mRandom.between(60, 400));
                package.add(gstrTypeBHAV, group, 0x1000u + static_cast<std::uint32_t>(i), std::move(function),
                    mRandom.percent(30));
            }
            package.add(gstrTypeBCON, group, 0x1000, namedBlob("demo - constants", mRandom, 24));
            package.add(gstrTypeTTAB, group, 0x1000, namedBlob("demo - interactions", mRandom, 120));
            package.add(gstrTypeTTAS, group, 0x1000, namedBlob("demo - interaction names", mRandom, 80));
            break;
        }
        case OtherKind::MeshOnly:
            wanted = creator + "_" + squeeze(catalogName(mRandom, mRandom.pick(catalogKinds()))) + "_MESH";
            package.withInstance(mRandom.next32())
                .add(gstrTypeGMDC, group,
                    sceneResource("cGeometryDataContainer", gstrTypeGMDC, stem + "_gmdc", mRandom, 1600), true);
            package.withInstance(mRandom.next32())
                .add(gstrTypeGMND, group, sceneResource("cGeometryNode", gstrTypeGMND, stem + "_gmnd", mRandom, 120));
            package.withInstance(mRandom.next32())
                .add(gstrTypeSHPE, group, sceneResource("cShape", gstrTypeSHPE, stem + "_shpe", mRandom, 160));
            package.withInstance(mRandom.next32())
                .add(gstrTypeCRES, group, sceneResource("cResourceNode", gstrTypeCRES, stem + "_cres", mRandom, 200));
            break;
        case OtherKind::Wallpaper:
            wanted = creator + " wallpaper " + swatch.name;
            folder = "DECOR";
            package.withInstance(mRandom.next32())
                .add(gstrTypeTXMT, group,
                    sceneResource("cMaterialDefinition", gstrTypeTXMT, stem + "_txmt", mRandom, 180));
            package.withInstance(mRandom.next32())
                .add(gstrTypeTXTR, group,
                    textureResource(stem + "_txtr", TextureFormat::Dxt1, 128, swatch, mRandom.next32()), true);
            break;
        case OtherKind::Clothing:
            wanted = creator + "_af_dress_" + lowerAscii(squeeze(swatch.name));
            package.withInstance(mRandom.next32())
                .add(gstrTypeGZPS, group, namedBlob("demo clothing set", mRandom, 300));
            package.withInstance(mRandom.next32()).add(gstrType3IDR, group, namedBlob("demo references", mRandom, 64));
            package.withInstance(mRandom.next32())
                .add(gstrTypeMMAT, group, materialOverride(mRandom.next32(), "dress", stem + "_txmt", "body", false));
            package.withInstance(mRandom.next32())
                .add(gstrTypeTXTR, group,
                    textureResource(stem + "_txtr", TextureFormat::Dxt3, 64, swatch, mRandom.next32()));
            break;
        case OtherKind::MaterialOnly:
            wanted = creator + "_" + lowerAscii(squeeze(swatch.name)) + "_material_fix";
            package.withInstance(mRandom.next32())
                .add(gstrTypeMMAT, group, materialOverride(mRandom.next32(), "fix", stem + "_txmt", "body", false));
            break;
        case OtherKind::Empty:
            wanted = creator + "_placeholder";
            folder = "";
            break;
        }
        const std::string title = uniqueTitle(wanted);
        PackageFile pkg = package.finish();
        GeneratedPackage entry;
        entry.kind = PackageKind::Other;
        entry.file = packagePath(folder, title);
        entry.title = title;
        entry.compressed = package.anyCompressed();
        writePackage(pkg, entry.file);
        mWorld.packages.push_back(std::move(entry));
    }

    const CatalogKind& kindNamed(const char* noun)
    {
        for (const CatalogKind& kind : catalogKinds())
            if (std::string_view(kind.noun) == noun)
                return kind;
        return catalogKinds().front();
    }

    // The world's fixed cases: every kind of package the program meets,
    // whatever the size asked for.
    void writeShowcase()
    {
        const CatalogKind& armchair = kindNamed("Armchair");
        const CatalogKind& sofa = kindNamed("Sofa");
        writeObject(armchair, "", 1, true); // 0: compressed, Downloads root
        writeObject(sofa, "Furniture/Living Room", 4, false); // 1: lead among four definitions
        writeRecolor(mObjects[1], TextureFormat::Dxt1, false, 1); // 2
        writeRecolor(mObjects[1], TextureFormat::Dxt3, true, 1); // 3: XML material override
        writeRecolor(mObjects[0], TextureFormat::Raw32, false, 1); // 4: raw 32-bit texture
        writeRecolor(mObjects[0], TextureFormat::Dxt1, false, 2); // 5: two material overrides
        writeObject(kindNamed("Front Door"), "Build Mode/Doors and Windows", 1, true); // 6: build mode
        writeOther(OtherKind::BehaviourMod); // 7
        writeOther(OtherKind::MeshOnly); // 8
        writeOther(OtherKind::Empty); // 9
        writeObject(kindNamed("Armchair"), "Möbel été", 1, false, false, "Sessel Blümchen von casaSims"); // 10
        writeObject(kindNamed("Coffee Table"), "misc", 2, false, true); // 11: damaged download
    }

    void writeRandomPackage()
    {
        const unsigned roll = mRandom.below(100);
        if (roll < 48 || mObjects.empty()) {
            const CatalogKind& kind = mRandom.pick(catalogKinds());
            const int definitions = kind.tiles > 1 ? kind.tiles + 1 : 1;
            writeObject(kind, objectFolder(kind), definitions, mRandom.percent(40));
        } else if (roll < 84) {
            // Recolors cluster on recent objects, as sets are downloaded together.
            const std::size_t window = std::min<std::size_t>(mObjects.size(), 40);
            const ObjectPlan& object
                = mObjects[mObjects.size() - 1 - mRandom.below(static_cast<std::uint32_t>(window))];
            const unsigned f = mRandom.below(100);
            const TextureFormat format = f < 45 ? TextureFormat::Dxt1
                : f < 75                        ? TextureFormat::Dxt3
                                                : TextureFormat::Raw32;
            // One draw per statement: the order of function arguments is unspecified.
            const bool xml = mRandom.percent(12);
            const int overrides = mRandom.percent(10) ? 2 : 1;
            writeRecolor(object, format, xml, overrides);
        } else {
            static const OtherKind kKinds[] = { OtherKind::BehaviourMod, OtherKind::MeshOnly, OtherKind::Wallpaper,
                OtherKind::Clothing, OtherKind::MaterialOnly };
            writeOther(mRandom.pick(kKinds));
        }
    }

    // The review folder -------------------------------------------------------

    /// Moves the package just written out of Packages into the review cases.
    void fileUnderReview(ReviewKind kind, std::uint32_t guid, const fs::path& original = {})
    {
        ReviewCase review { kind, mWorld.packages.back().file, guid, original };
        mWorld.packages.pop_back();
        mWorld.reviewCases.push_back(std::move(review));
    }

    void copyUnderReview(const GeneratedPackage& original)
    {
        const fs::path file = packagePath(kReviewFolder, uniqueTitle(original.title + " - Copy"));
        fs::copy_file(mDownloads / original.file, mDownloads / file);
        mWorld.reviewCases.push_back(ReviewCase { ReviewKind::Duplicate, file, 0, original.file });
    }

    /// The game's own object package (definitions only), and in the review
    /// folder: two orphan recolors, a catalog object reusing another's GUID,
    /// byte-identical copies of a mod and of a recolor, and a recolor of a
    /// game object, which names a defined object and so is sound.
    void writeReviewCases()
    {
        createFolders(mDownloads / kReviewFolder);
        PackageAssembler game(mWorld.compressionFallbacks);
        for (std::uint32_t d = 0; d < 3; ++d) {
            ObjectFields fields;
            fields.name = "game object " + std::to_string(d);
            fields.guid = uniqueGuid();
            fields.multiTileSubIndex = 0xFFFF;
            mWorld.gameObjectGuids.push_back(fields.guid);
            game.add(gstrTypeOBJD, 0x7F000000u, 0x41A7u + d, objectDefinition(fields));
        }
        PackageFile gamePackage = game.finish();
        const fs::path gameFile = mRoot / pathFromUtf8(kInstallFolder) / pathFromUtf8(kGameObjectsFile);
        createFolders(gameFile.parent_path());
        writeBytes(gameFile, serializePackage(gamePackage));

        for (int n = 0; n < 2; ++n) {
            ObjectPlan lost = mObjects[static_cast<std::size_t>(n)];
            lost.guid = uniqueGuid(); // an object the player has deleted since
            writeRecolor(lost, TextureFormat::Dxt1, n == 1, 1, kReviewFolder);
            fileUnderReview(ReviewKind::OrphanRecolor, lost.guid);
        }
        ObjectPlan ofTheGame = mObjects[2];
        ofTheGame.guid = mWorld.gameObjectGuids[1];
        writeRecolor(ofTheGame, TextureFormat::Dxt3, false, 1, kReviewFolder);
        fileUnderReview(ReviewKind::GameObjectRecolor, ofTheGame.guid);

        // A copy: writing the object appends to mObjects, which may move its elements.
        const ObjectPlan clashed = mObjects[3];
        writeObject(*clashed.kind, kReviewFolder, 1, false, false, {}, clashed.guid);
        mObjects.pop_back();
        fileUnderReview(ReviewKind::GuidClash, clashed.guid, mWorld.packages[clashed.packageIndex].file);

        copyUnderReview(mWorld.packages[7]); // the behaviour mod
        copyUnderReview(mWorld.packages[2]); // a recolor
    }

    // Sims2Pack files ----------------------------------------------------------

    /// Two Sims2Pack files the player has not installed: a stored one and a
    /// compressed one, each of two new catalog objects, one of which reuses
    /// the GUID of an object installed in Downloads.
    void writeSims2Packs()
    {
        static const char* const kSets[]
            = { "Living Room Set", "Garden Party Collection", "Cosy Kitchen Bundle", "Retro Lights Set" };
        for (const bool compressed : { false, true }) {
            const std::string creator = mRandom.pick(creators());
            const std::string title = uniqueTitle(creator + " " + mRandom.pick(kSets));
            GeneratedSims2Pack archive;
            archive.file = fs::path(kSims2PackFolder) / pathFromUtf8(title + ".Sims2Pack");
            archive.compressed = compressed;
            test::Sims2PackBuilder builder;
            for (int n = 0; n < 2; ++n) {
                const bool clash = n == 1;
                // A copy: the installed object the item shares its GUID with.
                const ObjectPlan clashed = clash
                    ? mObjects[mRandom.below(static_cast<std::uint32_t>(std::min<std::size_t>(mObjects.size(), 40)))]
                    : ObjectPlan {};
                const CatalogKind& kind = clash ? *clashed.kind : mRandom.pick(catalogKinds());
                ArchivedObject object;
                object.entry.compress = compressed;
                // One draw per statement: the order of function arguments is unspecified.
                const bool compressResources = mRandom.percent(40);
                writeObject(kind, "", 1, compressResources, false, {}, clash ? clashed.guid : 0, &object);
                Sims2PackItemInfo info;
                info.name = object.entry.name;
                info.guid = static_cast<std::uint32_t>(std::stoul(*object.entry.guid, nullptr, 16));
                info.catalogName = object.catalogName;
                if (clash)
                    info.clashesWith = mWorld.packages[clashed.packageIndex].file;
                archive.items.push_back(std::move(info));
                builder.add(std::move(object.entry));
            }
            writeBytes(mDownloads / archive.file, builder.build());
            mWorld.sims2Packs.push_back(std::move(archive));
        }
    }

    // Thumbnail caches ---------------------------------------------------------

    void writeCaches()
    {
        // One picture filed twice, which the program shows as "not found".
        if (mObjects.size() > 8) {
            ObjectPlan& plan = mObjects[4 + mRandom.below(static_cast<std::uint32_t>(mObjects.size() - 4))];
            GeneratedPackage& entry = mWorld.packages[plan.packageIndex];
            if (entry.inObjectThumbnails) {
                entry.thumbnailFiledTwice = true;
                entry.inObjectThumbnails = false;
                mObjectCache.push_back(CacheEntry { thumbnailKeyText(entry.title),
                    thumbnailJpeg(Silhouette::Blob, swatches().front(), 0), mRandom.next32() });
            }
        }
        // Pictures of packages the player has deleted since.
        const int orphans = std::max(2, mOptions.packages / 50);
        for (int i = 0; i < orphans; ++i) {
            const std::string title = uniqueTitle("deleted download " + std::to_string(mRandom.next32()));
            const Silhouette shape = mRandom.pick(catalogKinds()).shape;
            const Swatch& swatch = mRandom.pick(swatches());
            const std::uint32_t variation = mRandom.next32();
            mObjectCache.push_back(
                CacheEntry { thumbnailKeyText(title), thumbnailJpeg(shape, swatch, variation), mRandom.next32() });
        }
        const fs::path thumbnails = mRoot / pathFromUtf8(kDataFolder) / "Thumbnails";
        mWorld.objectThumbnails = writeCache(thumbnails / "ObjectThumbnails.package", mObjectCache);
        mWorld.designModeThumbnails = writeCache(thumbnails / "DesignModeThumbnails.package", mDesignCache);
    }

    int writeCache(const fs::path& file, const std::vector<CacheEntry>& entries)
    {
        PackageAssembler cache(mWorld.compressionFallbacks);
        const ByteString thumbnailType = gfstr4HexToSimsID("AC2950C1");
        int n = 0;
        for (const CacheEntry& entry : entries) {
            // A few pictures are stored compressed, although JPEG data does not
            // shrink, so that the program's decoding of cached pictures is exercised.
            const bool compress = (n++ % 9) == 4;
            const ByteString resourceId = gfstr4HexToSimsID(entry.keyText);
            cache.add(thumbnailType, 0xFFFFFFFFu, entry.instance, entry.jpeg, compress,
                static_cast<std::uint32_t>(gflngStr4ToLong(resourceId)), true);
        }
        // The game's caches always hold exactly one directory of compressed files.
        PackageFile pkg = cache.finish(true);
        writeBytes(file, serializePackage(pkg));
        return static_cast<int>(entries.size());
    }

    const DemoOptions& mOptions;
    DemoRandom mRandom;
    fs::path mRoot;
    fs::path mDownloads;
    DemoWorld mWorld;
    std::vector<ObjectPlan> mObjects;
    std::vector<CacheEntry> mObjectCache;
    std::vector<CacheEntry> mDesignCache;
    std::set<std::string> mTitles;
    std::set<std::string> mKeys;
    std::set<std::uint32_t> mGuids;
};

bool isEmptyFolder(const fs::path& folder)
{
    std::error_code error;
    return fs::is_directory(folder, error) && fs::is_empty(folder, error) && !error;
}

} // namespace

int DemoWorld::count(PackageKind kind) const
{
    return static_cast<int>(
        std::count_if(packages.begin(), packages.end(), [kind](const GeneratedPackage& p) { return p.kind == kind; }));
}

DemoWorld generateDemoWorld(const DemoOptions& options)
{
    if (options.packages < kMinimumPackages || options.packages > kMaximumPackages)
        throw Failure(ErrorCode::InvalidArgument,
            "the number of packages must lie between " + std::to_string(kMinimumPackages) + " and "
                + std::to_string(kMaximumPackages) + "; found " + std::to_string(options.packages));
    if (options.output.empty())
        throw Failure(ErrorCode::InvalidArgument, "no output folder given");

    fs::path output = fs::absolute(options.output).lexically_normal();
    if (!output.has_filename()) // "folder/" names the folder itself
        output = output.parent_path();
    if (!output.has_filename() || output == output.root_path())
        throw Failure(ErrorCode::InvalidArgument, "the output folder " + pathToUtf8(output) + " cannot be used");
    std::error_code error;
    const bool exists = fs::exists(output, error);
    if (exists && !isEmptyFolder(output))
        throw Failure(ErrorCode::InvalidArgument,
            "the output folder " + pathToUtf8(output) + " already exists and is not empty; choose a new folder");

    // Assemble beside the output and move it into place at the end.
    fs::path scratch;
    for (int n = 0;; ++n) {
        scratch
            = output.parent_path() / pathFromUtf8("." + pathToUtf8(output.filename()) + ".partial" + std::to_string(n));
        if (!fs::exists(scratch, error))
            break;
    }
    createFolders(scratch);
    try {
        DemoOptions absolute = options;
        absolute.output = output;
        WorldBuilder builder(absolute, scratch);
        DemoWorld world = builder.build();
        if (exists)
            fs::remove(output);
        fs::rename(scratch, output);
        return world;
    } catch (const fs::filesystem_error& failure) {
        fs::remove_all(scratch, error);
        throw Failure(ErrorCode::FolderFailed, std::string("could not finish the demo world: ") + failure.what());
    } catch (...) {
        fs::remove_all(scratch, error);
        throw;
    }
}

std::vector<std::string> writeDemoThumbnailCache(const fs::path& file, int count, std::uint64_t seed)
{
    if (count < 0 || count > kMaximumPackages * 2)
        throw Failure(ErrorCode::InvalidArgument,
            "the number of thumbnails must lie between 0 and " + std::to_string(kMaximumPackages * 2) + "; found "
                + std::to_string(count));
    DemoRandom random(seed);
    std::vector<ByteString> pool;
    pool.reserve(64);
    for (int i = 0; i < 64; ++i)
        pool.push_back(thumbnailJpeg(random.pick(catalogKinds()).shape, random.pick(swatches()), random.next32()));

    int fallbacks = 0;
    PackageAssembler cache(fallbacks);
    const ByteString thumbnailType = gfstr4HexToSimsID("AC2950C1");
    std::vector<std::string> titles;
    titles.reserve(static_cast<std::size_t>(count));
    std::set<std::string> keys;
    for (int i = 0; i < count; ++i) {
        std::string title = random.pick(creators()) + "_object_" + std::to_string(i);
        while (!keys.insert(thumbnailKeyText(title)).second)
            title += "_";
        const auto resourceId = static_cast<std::uint32_t>(gflngStr4ToLong(gfstr4HexToSimsID(thumbnailKeyText(title))));
        cache.add(thumbnailType, 0xFFFFFFFFu, random.next32(), pool[static_cast<std::size_t>(i) % pool.size()], false,
            resourceId);
        titles.push_back(std::move(title));
    }
    PackageFile pkg = cache.finish(true);
    writeWholeFile(file, serializePackage(pkg));
    return titles;
}

std::string describeWorld(const DemoWorld& world)
{
    std::ostringstream text;
    text << "Demo world in " << pathToUtf8(world.root) << ": " << world.packages.size() << " packages ("
         << world.count(PackageKind::CatalogObject) << " catalog objects, " << world.count(PackageKind::Recolor)
         << " recolors, " << world.count(PackageKind::Other) << " others, " << world.count(PackageKind::Damaged)
         << " damaged), " << world.objectThumbnails << " object thumbnails, " << world.designModeThumbnails
         << " design mode thumbnails; " << world.reviewCases.size() << " packages for a library review in Downloads/"
         << kReviewFolder << "; " << world.sims2Packs.size() << " Sims2Pack files to install in Downloads/"
         << kSims2PackFolder << ".\n"
         << "  VARNICK_DOCUMENTS_DIR=" << pathToUtf8(world.documentsFolder) << "\n"
         << "  VARNICK_SIMS2_INSTALL_DIR=" << pathToUtf8(world.installFolder) << "\n";
    if (world.compressionFallbacks > 0)
        text << "  " << world.compressionFallbacks << " resources were stored plain because compressing them did not "
             << "decode back to the same bytes.\n";
    return text.str();
}

} // namespace varnick::demo
