// sims2pack list, extract and install: Sims2Pack files read, checked and
// installed with the same code as the program's install window.
#include "tools/cli/Commands.h"

#include "tools/cli/CliOutput.h"

#include "app/startup/core/RunningGame.h"

#include "app/health/core/HealthReport.h"
#include "app/sims2pack/core/Sims2PackInstall.h"
#include "app/startup/GamePaths.h"
#include "package/Sims2Pack.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"
#include "package/base/Utf8.h"

#ifdef VARNICK_HAVE_LIBRARY_INDEX
#include "app/health/index/LibraryIndex.h"
#include "app/health/index/LibraryScan.h"
#endif

#include <nlohmann/json.hpp>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace varnick::cli {

namespace {

using nlohmann::ordered_json;
using namespace varnick::sims2pack;

struct Sims2PackOptions {
    std::string file;
    std::vector<std::string> files;
    std::string folder;
    std::string to;
    std::string library;
    std::string index;
    bool json = false;
    bool rename = false;
    bool force = false;
};

ordered_json textOrNull(const std::optional<std::string>& text)
{
    return text ? ordered_json(toValidUtf8(*text)) : ordered_json(nullptr);
}

void printListing(const Sims2PackListing& listing, bool json)
{
    if (json) {
        ordered_json out;
        out["type"] = toValidUtf8(listing.type);
        out["items"] = ordered_json::array();
        for (const ItemListing& item : listing.items) {
            out["items"].push_back({ { "name", toValidUtf8(item.name) }, { "type", toValidUtf8(item.type) },
                { "length", item.length }, { "compressed", item.compressed }, { "guid", textOrNull(item.guid) },
                { "catalog_name", textOrNull(item.catalogName) }, { "readable", item.readable },
                { "reason", item.reason.empty() ? ordered_json(nullptr) : ordered_json(toValidUtf8(item.reason)) } });
        }
        printOut("%s\n", out.dump(2).c_str());
        return;
    }
    printOut("type: %s\n", toValidUtf8(listing.type).c_str());
    for (const ItemListing& item : listing.items) {
        printOut("%s\t%s\t%lld\t%s\t%s\t%s\t%s\t%s\n", toValidUtf8(item.name).c_str(), toValidUtf8(item.type).c_str(),
            static_cast<long long>(item.length), item.compressed ? "compressed" : "stored",
            item.guid ? toValidUtf8(*item.guid).c_str() : "-",
            item.catalogName ? toValidUtf8(*item.catalogName).c_str() : "-", item.throughGame ? "game" : "Downloads",
            item.reason.empty() ? "ok" : toValidUtf8(item.reason).c_str());
    }
}

// The game's Downloads folder as the program finds it; empty when there is none.
std::filesystem::path downloadsFolder()
{
    gsGetSims2Paths();
    if (gstrSims2DataPath.empty() || gstrSims2DataPath == gstrPathNotFound)
        return {};
    return pathFromUtf8(gstrSims2DataPath) / "Downloads";
}

// The GUIDs the library's catalog objects define, from its index brought up
// to date (unchanged packages come from the index, others are read now).
// Nothing when no library can be checked, with a line that says why.
std::unique_ptr<LibraryGuids> libraryGuids(const Sims2PackOptions& options, const std::filesystem::path& downloads)
{
#ifdef VARNICK_HAVE_LIBRARY_INDEX
    const std::filesystem::path root = options.library.empty() ? downloads : pathFromUtf8(options.library);
    std::error_code error;
    if (root.empty() || !std::filesystem::is_directory(root, error)) {
        printOut("note: GUID clashes not checked: no library folder (give one with --library)\n");
        return nullptr;
    }
    health::LibraryIndex index(options.index.empty() ? health::defaultIndexFile(root) : pathFromUtf8(options.index));
    health::ScanOptions scanOptions;
    scanOptions.root = root;
    return std::make_unique<LibraryGuids>(catalogGuids(health::scanLibrary(index, scanOptions).records, root));
#else
    (void)options;
    (void)downloads;
    printOut("note: GUID clashes not checked: this build has no library index\n");
    return nullptr;
#endif
}

struct Totals {
    int installed = 0;
    int skipped = 0;
    int throughGame = 0;
    int refused = 0;
};

void installOne(const std::filesystem::path& source, const Sims2PackOptions& options,
    const std::filesystem::path& downloads, LibraryGuids* library, Totals& totals)
{
    const std::string sourceText = pathToUtf8(source);
    try {
        const Sims2PackFile file = Sims2PackFile::read(source);
        InstallOptions installOptions;
        installOptions.rename = options.rename;
        installOptions.library = library;
        if (!options.to.empty()) {
            installOptions.destination = pathFromUtf8(options.to);
        } else if (!downloads.empty()) {
            installOptions.destination = defaultInstallFolder(downloads, source);
        } else {
            throw Failure(ErrorCode::FolderFailed,
                sourceText + ": Can not find Sims 2 data path! (give the folder to install into with --to)");
        }
        const InstallPlan plan = planInstall(file, installOptions);
        if (!plan.taken.empty())
            throw Failure(ErrorCode::BadPackage,
                takenMessage(file, plan) + " (--rename installs such items under numbered names)");
        for (const GuidClashWarning& warning : plan.warnings)
            for (const std::string& owner : warning.files)
                printOut("warning: %s: %s: GUID %s is already defined by %s\n", sourceText.c_str(),
                    describeSims2PackItem(file.contents(), warning.item).c_str(),
                    health::guidText(warning.guid).c_str(), owner.c_str());
        cliOut().flush();
        carryOutInstall(file, plan);
        if (library != nullptr)
            rememberInstalled(plan, *library);
        for (const PlannedItem& item : plan.items) {
            const Sims2PackItem& described = file.items()[item.item];
            switch (item.action) {
            case ItemAction::Install:
                ++totals.installed;
                if (item.renamed)
                    printOut("installed: %s (renamed from \"%s\")\n", pathToUtf8(item.target).c_str(),
                        described.name.c_str());
                else
                    printOut("installed: %s\n", pathToUtf8(item.target).c_str());
                break;
            case ItemAction::AlreadyInstalled:
                ++totals.skipped;
                printOut("skipped: %s (already installed)\n", pathToUtf8(item.target).c_str());
                break;
            case ItemAction::ThroughGame:
                ++totals.throughGame;
                printOut("install through the game: %s: \"%s\" (%s)\n", sourceText.c_str(),
                    toValidUtf8(described.name).c_str(),
                    toValidUtf8(effectiveType(file.contents(), item.item)).c_str());
                break;
            }
        }
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& failure) {
        ++totals.refused;
        // Every refusal names the Sims2Pack it refuses.
        const std::string message = failure.what();
        printOut("refused: %s%s\n", message.starts_with(sourceText + ": ") ? "" : (sourceText + ": ").c_str(),
            toValidUtf8(message).c_str());
    }
    cliOut().flush();
}

void installFiles(const Sims2PackOptions& options)
{
    Totals totals;
    const std::optional<std::string> game = runningGameProgram();
    if (game && !options.force) {
        printOut("refused: %s\n", gameRunningMessage(*game).c_str());
        cliOut().flush();
        throw CLI::RuntimeError(1);
    }
    const std::filesystem::path downloads = downloadsFolder();
    const std::unique_ptr<LibraryGuids> library = libraryGuids(options, downloads);
    for (const std::string& file : options.files)
        installOne(pathFromUtf8(file), options, downloads, library.get(), totals);
    printOut("%d installed, %d skipped, %d to install through the game, %d refused\n", totals.installed, totals.skipped,
        totals.throughGame, totals.refused);
    cliOut().flush();
    if (totals.refused > 0)
        throw CLI::RuntimeError(1);
}

} // namespace

void addSims2PackCommands(CLI::App& app)
{
    CLI::App* group = app.add_subcommand("sims2pack",
        "Sims2Pack files: list their items, extract them, install their objects into Downloads. A Sims2Pack that "
        "is not sound (wrong magic, a data offset outside the file, XML that is malformed, over 16 MiB or nested "
        "deeper than 8 levels, items outside the data, overlapping or not filling it, a damaged bzip2 stream or "
        "one that expands past 256 MiB, an item that is not a readable package, item names that are empty, "
        "absolute, hold a path separator, \"..\", a drive letter or a character Windows forbids, end with a dot "
        "or space, or are reserved device names such as CON or NUL) is refused with one line naming the file and "
        "the problem, and nothing is written.");
    group->require_subcommand(1);
    auto options = std::make_shared<Sims2PackOptions>();

    CLI::App* list = group->add_subcommand("list",
        "List the items of FILE in the file's order. Text: a line \"type: <type>\", then one line per item with "
        "tab-separated fields: name, type, bytes stored, \"stored\" or \"compressed\", GlobalGUID or \"-\", "
        "catalog name or \"-\", \"Downloads\" or \"game\" (lots, families and persons are installed through the "
        "game), and \"ok\" or the reason the item cannot be read or its name cannot be used. With --json: "
        "{\"type\": TEXT, \"items\": [{\"name\": TEXT, \"type\": TEXT, \"length\": N, \"compressed\": BOOL, "
        "\"guid\": TEXT|null, \"catalog_name\": TEXT|null, \"readable\": BOOL, \"reason\": TEXT|null}]}, where "
        "type is the item's own <Type> (\"\" when it has none), guid its <GlobalGUID> as written, catalog_name "
        "and readable come from reading the item as a package as the browser does, and reason says why it cannot "
        "be read, or else why its name cannot be used as a file name.");
    list->add_option("FILE", options->file, "The Sims2Pack file")->required();
    list->add_flag("--json", options->json, "Print the listing as JSON");
    list->callback([options] {
        const Sims2PackFile file = Sims2PackFile::read(pathFromUtf8(options->file));
        printListing(listSims2Pack(file), options->json);
    });

    CLI::App* extract = group->add_subcommand("extract",
        "Write every item of FILE into DIR (created when missing) under its name, expanded, each through a "
        "scratch file. Refused with nothing written when an item cannot be read as a package, a name cannot be "
        "used, two items share a name (letter case ignored), or DIR holds a file of an item's name already. "
        "Prints \"extracted: <file>\" for each item written.");
    extract->add_option("FILE", options->file, "The Sims2Pack file")->required();
    extract->add_option("DIR", options->folder, "The folder to write the items into")->required();
    extract->callback([options] {
        const Sims2PackFile file = Sims2PackFile::read(pathFromUtf8(options->file));
        for (const std::filesystem::path& written : extractSims2Pack(file, pathFromUtf8(options->folder)))
            printOut("extracted: %s\n", pathToUtf8(written).c_str());
    });

    CLI::App* install = group->add_subcommand("install",
        "Install the objects of each FILE into the game's Downloads folder: into a folder named after the "
        "Sims2Pack file (its name without extension) below Downloads, or into --to FOLDER itself (every FILE into "
        "that one folder). Each Sims2Pack "
        "is checked whole before anything of it is written; each item is written through a scratch file. An item "
        "whose name is taken by a byte-identical file is already installed and skipped; a name taken by a "
        "different file (letter case ignored) refuses that Sims2Pack, nothing of it written, unless --rename "
        "writes the item as \"name (2).package\" (the first free number; a numbered file with the same bytes "
        "counts as installed). Items of type Lot, Family or Person (the item's <Type>, else the Sims2Pack's) "
        "are not written: install them through the game. Before writing, GUIDs that the library's catalog "
        "objects already define (the library index of Downloads, or of --library, brought up to date first) are "
        "reported as warnings; the install goes ahead. While the game runs nothing is installed unless --force "
        "is given. Output, one line each: first \"note: GUID clashes not checked: <why>\" when no library can be "
        "checked; then in this order per FILE: \"warning: <file>: item N (\\\"<name>\\\"): "
        "GUID 0xXXXXXXXX is already defined by <package>\", then \"installed: <path>\" (with \" (renamed from "
        "\\\"<name>\\\")\" when numbered), \"skipped: <path> (already installed)\", \"install through the game: "
        "<file>: \\\"<name>\\\" (<type>)\" in the file's order, or one line \"refused: <file>: <problem>\"; "
        "finally \"<n> installed, <n> skipped, <n> to install through the game, <n> refused\". Exit status 1 "
        "when any FILE was refused.");
    install->add_option("FILE", options->files, "Sims2Pack files")->required();
    install->add_option("--to", options->to, "The folder to install into (default: Downloads/<name of FILE>)");
    install->add_flag("--rename", options->rename, "Write items whose name is taken as \"name (2).package\"");
    install->add_flag("--force", options->force, "Install even while the game is running");
    install->add_option("--library", options->library,
        "The library whose GUIDs are checked for clashes (default: the game's Downloads folder)");
    install->add_option("--index", options->index, "Index file of the library (default: the per-user data folder's)");
    install->callback([options] { installFiles(*options); });
}

} // namespace varnick::cli
