#pragma once

// The demo game environment: a documents folder with the game's data folder
// (a Downloads tree of generated catalog objects, recolors, other packages,
// one damaged download and two Sims2Pack files, and the Thumbnails folder with both thumbnail
// caches) and a stand-in for the game's install folder. Players without the
// game, reviewers and tests run Varnick on it.

#include "tools/demo/DemoResources.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace varnick::demo {

/// What to generate.
struct DemoOptions {
    std::filesystem::path output; ///< the folder to create; must not exist or be empty
    std::uint64_t seed = 2004; ///< the same seed and size give byte-identical worlds
    int packages = 60; ///< packages in the Downloads tree
};

/// The fewest packages a world holds: one of every showcase case.
inline constexpr int kMinimumPackages = 12;
/// The most packages a world holds (the thumbnail caches stay below 2 GiB).
inline constexpr int kMaximumPackages = 250000;

/// Folders of the world, relative to its root.
inline constexpr const char* kDocumentsFolder = "Documents";
inline constexpr const char* kDataFolder = "Documents/EA Games/The Sims 2";
inline constexpr const char* kInstallFolder = "Program Files/EA GAMES/The Sims 2";

/// What a package of the world is.
enum class PackageKind { CatalogObject, Recolor, Other, Damaged };

/// One generated package, as the tests and the summary see it.
struct GeneratedPackage {
    PackageKind kind = PackageKind::Other;
    std::filesystem::path file; ///< relative to the Downloads folder
    std::string title; ///< file name without ".package" (UTF-8)
    std::string catalogName; ///< catalog objects: the English catalog name ("" without a text list)
    std::uint32_t guid = 0; ///< catalog objects: the lead definition's GUID; recolors: the GUID they name
    int definitions = 0; ///< catalog objects: object definitions in the package
    bool compressed = false; ///< some resources are stored compressed
    bool xmlMaterial = false; ///< recolors: the material override is in the XML encoding
    int materialOverrides = 0; ///< recolors: material overrides in the package
    TextureFormat texture = TextureFormat::Dxt1; ///< recolors: the texture's format
    bool inObjectThumbnails = false; ///< filed once in ObjectThumbnails.package
    bool inDesignModeThumbnails = false; ///< filed in DesignModeThumbnails.package
    bool thumbnailFiledTwice = false; ///< filed twice in ObjectThumbnails.package (shows as "not found")
};

/// Below Downloads: the packages a library review should point out (and one it should not).
inline constexpr const char* kReviewFolder = "Needs Review";
/// Below the install folder: the game's own object package of the world.
inline constexpr const char* kGameObjectsFile = "TSData/Res/Objects/objects.package";

/// What is wrong with one package of the review folder.
enum class ReviewKind {
    OrphanRecolor, ///< a recolor whose objectGUID no object of the world or of the game defines
    GuidClash, ///< a catalog object whose GUID another catalog object of the world defines
    Duplicate, ///< a byte-identical copy of another package of the world
    GameObjectRecolor, ///< a recolor of one of the game's own objects: nothing wrong
};

/// One package of the review folder. These are not in DemoWorld::packages,
/// whose packages are all sound apart from the one damaged download.
struct ReviewCase {
    ReviewKind kind = ReviewKind::OrphanRecolor;
    std::filesystem::path file; ///< relative to the Downloads folder
    std::uint32_t guid = 0; ///< the GUID it names (recolors) or shares (clashes); 0 for duplicates
    std::filesystem::path original; ///< clashes and duplicates: the package of packages it clashes with or copies
};

/// Below Downloads: where the world's Sims2Pack files wait to be installed.
inline constexpr const char* kSims2PackFolder = "New Downloads";

/// One item of a Sims2Pack file of the world: a catalog object not installed yet.
struct Sims2PackItemInfo {
    std::string name; ///< its file name inside the Sims2Pack
    std::string catalogName;
    std::uint32_t guid = 0; ///< the object's GUID (also written as the item's GlobalGUID)
    /// The installed package whose GUID it shares ("" when the GUID is its own).
    std::filesystem::path clashesWith;
};

/// A Sims2Pack file of the world, relative to the Downloads folder.
struct GeneratedSims2Pack {
    std::filesystem::path file;
    bool compressed = false; ///< its items are bzip2-compressed
    std::vector<Sims2PackItemInfo> items;
};

/// The generated world.
struct DemoWorld {
    std::filesystem::path root;
    std::filesystem::path documentsFolder; ///< for VARNICK_DOCUMENTS_DIR
    std::filesystem::path installFolder; ///< for VARNICK_SIMS2_INSTALL_DIR
    std::filesystem::path dataFolder; ///< documentsFolder / "EA Games" / "The Sims 2"
    std::vector<GeneratedPackage> packages;
    std::vector<ReviewCase> reviewCases; ///< the review folder's packages, in writing order
    /// Two Sims2Pack files in New Downloads, one stored and one compressed;
    /// one item of each shares its GUID with an installed catalog object.
    std::vector<GeneratedSims2Pack> sims2Packs;
    std::vector<std::uint32_t> gameObjectGuids; ///< the definitions of the game's object package
    int objectThumbnails = 0; ///< resources in ObjectThumbnails.package
    int designModeThumbnails = 0; ///< resources in DesignModeThumbnails.package
    int compressionFallbacks = 0; ///< resources stored plain because compressing did not round-trip

    int count(PackageKind kind) const;
};

/// Generates the world into options.output. The world is assembled in a
/// scratch folder beside output and renamed into place at the end, so output
/// is either absent or complete. Throws Failure (InvalidArgument for bad
/// options or an output that exists and is not empty, the file errors for
/// disk trouble); nothing is left behind then.
DemoWorld generateDemoWorld(const DemoOptions& options);

/// Writes a thumbnail cache package on its own, laid out as the game's
/// ObjectThumbnails.package (JPEG thumbnails of type AC2950C1 under the keys
/// of file titles, and one directory of compressed files), for measuring the
/// program on large caches. Pictures repeat from a pool of 64, so even 100,000
/// are quick to make. Returns the file titles in filing order; each key is
/// unique. Deterministic from seed. The file is written through a scratch file
/// and replaces file in one step. Throws Failure.
std::vector<std::string> writeDemoThumbnailCache(const std::filesystem::path& file, int count, std::uint64_t seed);

/// A one-paragraph description of the world for the console.
std::string describeWorld(const DemoWorld& world);

} // namespace varnick::demo
