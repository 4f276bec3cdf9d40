#pragma once

// What Varnick does with a Sims2Pack file: list its items as packages (with
// the browser's summary of each), extract them into a folder, and install the
// objects among them into Downloads, where the game reads them. Qt-free; the
// install window and varnick-cli share it.
//
// Installing is planned first, with nothing written: every item is expanded
// and read as a package, every name checked, every name compared with the
// files already in the destination folder, every GUID compared with the
// library's. A plan either refuses the whole Sims2Pack (a Failure naming the
// file and the problem) or can be carried out; carrying it out writes each
// item through a scratch file that replaces nothing, and removes what it wrote
// when a later write fails.

#include "app/health/core/PackageRecord.h"
#include "package/Sims2Pack.h"
#include "package/base/Bytes.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnick::sims2pack {

/// One item as a listing shows it.
struct ItemListing {
    std::string name;
    std::string type; ///< the item's own <Type>, "" when absent
    std::int64_t length = 0; ///< bytes stored
    bool compressed = false;
    /// Bytes of the package once expanded (length when stored); nothing when the item does not expand.
    std::optional<std::int64_t> packageLength;
    std::optional<std::string> guid; ///< <GlobalGUID> as written
    std::optional<std::string> catalogName; ///< the English catalog name when the item has one
    bool readable = false; ///< the item expands and reads as a package (the browser's summary)
    /// Why the item cannot be read, or else why its name cannot be a file name; "" when neither.
    std::string reason;
    bool throughGame = false; ///< a lot, family or person: installed through the game, not into Downloads
};

struct Sims2PackListing {
    std::string type; ///< the root's type attribute
    std::vector<ItemListing> items; ///< in the file's order
};

/// Lists the items of a checked Sims2Pack. An item that cannot be expanded or
/// read is listed with its reason; nothing throws but allocation.
Sims2PackListing listSims2Pack(const Sims2PackFile& file);

/// The item's picture for a listing: a 24-bit BMP file's bytes made from the
/// first texture of the item's own package that the texture viewer can show;
/// nothing when it has none or cannot be expanded or read. Never throws beyond
/// allocation. Each call expands a compressed item again: call it once per item.
std::optional<ByteString> itemPicture(const Sims2PackFile& file, std::size_t item);

/// Whether items of this type (an item's <Type>, or the root's type when the
/// item has none) are installed through the game: "Lot", "Family" and
/// "Person", in any letter case. Everything else goes to Downloads.
bool installsThroughGame(std::string_view type);

/// The type that decides where an item goes: its own, or the Sims2Pack's.
std::string effectiveType(const Sims2Pack& pack, std::size_t item);

/// "name (n).ext": the name a renamed item is written under (n from 2).
std::string numberedName(std::string_view name, int n);

/// The folder below Downloads that an install of file goes to by default: the
/// file's name without its extension. Throws Failure (BadPackage) when that
/// name cannot be a folder name.
std::filesystem::path defaultInstallFolder(const std::filesystem::path& downloads, const std::filesystem::path& file);

/// The GUIDs the library's catalog objects define, each with the files
/// (full paths, UTF-8) that define it.
using LibraryGuids = std::map<std::uint32_t, std::vector<std::string>>;

/// The GUIDs that the catalog objects among a library scan's records define
/// (GUID 0 names no object and is left out), each with its files as full
/// paths below root, in the records' order.
LibraryGuids catalogGuids(const std::vector<health::PackageRecord>& records, const std::filesystem::path& root);

struct InstallOptions {
    std::filesystem::path destination; ///< the folder the objects are written into (created when missing)
    bool rename = false; ///< write an item whose name is taken by a different file as "name (2).package"
    const LibraryGuids* library = nullptr; ///< the GUIDs to warn about; nullptr: no check
};

enum class ItemAction {
    Install, ///< written to target
    AlreadyInstalled, ///< target holds the same bytes already: skipped
    ThroughGame, ///< a lot, family or person: not written
};

struct PlannedItem {
    std::size_t item = 0; ///< index into the Sims2Pack's items
    ItemAction action = ItemAction::Install;
    std::filesystem::path target; ///< Install and AlreadyInstalled
    bool renamed = false; ///< target carries a number because the item's own name was taken
    std::optional<ByteString> expanded; ///< a compressed item's bytes, kept from the checks when they fit the budget
    std::vector<std::uint32_t> guids; ///< a catalog object's definition GUIDs (only with a library to check)
};

/// A GUID an item defines that the library defines already (a warning: the install goes ahead).
struct GuidClashWarning {
    std::size_t item = 0;
    std::uint32_t guid = 0;
    std::vector<std::string> files; ///< the library's files that define it
};

struct InstallPlan {
    std::filesystem::path destination;
    std::vector<PlannedItem> items; ///< in the file's order
    std::vector<GuidClashWarning> warnings; ///< by item, then GUID
    /// Items whose name a different file in destination holds (only without
    /// rename; their target is that file). A plan with any cannot be carried out.
    std::vector<std::size_t> taken;
};

/// Plans the install of file's items (see the file comment); reads the
/// destination folder but writes nothing. Throws Failure (BadPackage)
/// "<file>: <problem>" when the Sims2Pack is refused: an item does not expand
/// or read as a package, two items for Downloads share a name, such a name
/// cannot be a file name, or the destination is not a folder. Names taken by
/// different files are listed in taken instead, so that a caller can offer renaming.
InstallPlan planInstall(const Sims2PackFile& file, const InstallOptions& options);

/// The one-line refusal of a plan with taken names ("<file>: \"x.package\" is
/// taken in \"<folder>\" by a different file ..."); "" when none is taken.
std::string takenMessage(const Sims2PackFile& file, const InstallPlan& plan);
/// takenMessage as a Phrase (empty when no name is taken).
Phrase takenPhrase(const Sims2PackFile& file, const InstallPlan& plan);

/// Writes the plan's Install items (creating the destination folder). Throws
/// Failure (BadPackage, takenMessage) for a plan with taken names, without
/// writing. On a failed write the items written so far and a folder it created
/// are removed again, and the Failure is rethrown naming the file that failed.
void carryOutInstall(const Sims2PackFile& file, const InstallPlan& plan);

/// Adds the GUIDs of a carried-out plan's installed items to library, so
/// that the next Sims2Pack of the same install is checked against them too.
void rememberInstalled(const InstallPlan& plan, LibraryGuids& library);

/// Writes every item of file into folder (created when missing) under its
/// name, expanded, through scratch files. Refused, with nothing written
/// (Failure BadPackage naming the file and the problem), when an item does
/// not expand or read as a package, a name cannot be a file name, two items
/// share a name, or folder holds a file of an item's name already. Returns the
/// files written, in the file's order; a failed write removes them again.
std::vector<std::filesystem::path> extractSims2Pack(const Sims2PackFile& file, const std::filesystem::path& folder);

/// The budget of expanded item bytes a plan keeps from its checks; items
/// beyond it are expanded again when they are written.
inline constexpr std::size_t kPlanKeepsExpandedBytes = 512 * 1024 * 1024;

} // namespace varnick::sims2pack
