// locate: every installation of the game the program would find, in the order
// it chooses from. clear-caches: moves the caches the game rebuilds into the
// backup store.
#include "tools/cli/CliOutput.h"
#include "tools/cli/Commands.h"
#include "tools/cli/GameGuard.h"

#include "app/backups/core/BackupStore.h"
#include "app/startup/GamePaths.h"
#include "app/startup/core/GameCaches.h"
#include "app/startup/core/GameLocator.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"
#include "package/base/Utf8.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace varnick::cli {

namespace {

std::string pathText(const std::filesystem::path& path)
{
    return pathToUtf8(path);
}

nlohmann::ordered_json locateJson(const GameSearch& search)
{
    nlohmann::ordered_json installs = nlohmann::ordered_json::array();
    for (const GameInstall& install : search.installs) {
        nlohmann::ordered_json entry;
        entry["edition"] = std::string(editionName(install.edition));
        entry["source"] = install.source;
        entry["install_dir"] = install.installFolder ? nlohmann::ordered_json(pathText(*install.installFolder))
                                                     : nlohmann::ordered_json(nullptr);
        entry["data_dir"] = pathText(install.dataFolder);
        entry["downloads"] = pathText(install.downloads);
        entry["display_name"]
            = install.displayName ? nlohmann::ordered_json(*install.displayName) : nlohmann::ordered_json(nullptr);
        installs.push_back(std::move(entry));
    }
    nlohmann::ordered_json skipped = nlohmann::ordered_json::array();
    for (const SkippedFile& file : search.skipped)
        skipped.push_back(nlohmann::ordered_json { { "file", file.file }, { "reason", file.reason } });
    nlohmann::ordered_json document;
    document["installs"] = std::move(installs);
    document["skipped"] = std::move(skipped);
    return document;
}

// Columns aligned with two blanks between them, widths counted in code points.
void printTable(const std::vector<std::vector<std::string>>& rows)
{
    std::vector<std::size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], utf8CodePointCount(row[i]));
    }
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            line += row[i];
            if (i + 1 < row.size())
                line += std::string(widths[i] - utf8CodePointCount(row[i]) + 2, ' ');
        }
        printOut("%s\n", line.c_str());
    }
}

void locate(bool json)
{
    const GameSearch search = findGameInstalls(GameSearchPlaces::forThisMachine());
    if (json) {
        const std::string text
            = locateJson(search).dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
        printOut("%s\n", text.c_str());
        return;
    }
    if (search.installs.empty()) {
        printOut("No installation of The Sims 2 was found.\n");
    } else {
        std::vector<std::vector<std::string>> rows {
            { "#", "Edition", "Name", "Data folder", "Downloads", "Install folder", "Found in" },
        };
        for (std::size_t i = 0; i < search.installs.size(); ++i) {
            const GameInstall& install = search.installs[i];
            rows.push_back({
                std::to_string(i + 1) + (install.chosen ? "*" : ""),
                std::string(editionTitle(install.edition)),
                install.displayName.value_or("-"),
                toValidUtf8(pathText(install.dataFolder)) + (install.dataFolderExists ? "" : " (not made yet)"),
                toValidUtf8(pathText(install.downloads)),
                install.installFolder ? toValidUtf8(pathText(*install.installFolder)) : "-",
                toValidUtf8(install.source),
            });
        }
        printTable(rows);
        if (std::any_of(search.installs.begin(), search.installs.end(), [](const auto& i) { return i.chosen; }))
            printOut("* chosen last time\n");
    }
    for (const SkippedFile& file : search.skipped)
        printOut("Skipped %s: %s\n", toValidUtf8(file.file).c_str(), toValidUtf8(file.reason).c_str());
}

std::string locateHelp()
{
    std::string help = "List every installation of The Sims 2 found on this machine (exit status 0, also when there "
                       "is none), in the order the program chooses from: the environment's first, then the data "
                       "folder chosen last time in the program, then the most recently used data folder. Paths are "
                       "as this machine sees them (a Wine prefix's folders as host paths).\n"
                       "Text: a table with a row per installation. --json: {\"installs\": [{\"edition\": "
                       "\"legacy\"|\"ultimate\"|\"classic\"|\"mac\", \"source\": TEXT, \"install_dir\": PATH|null, "
                       "\"data_dir\": PATH, \"downloads\": PATH, \"display_name\": TEXT|null}], \"skipped\": "
                       "[{\"file\": PATH, \"reason\": TEXT}]}; \"skipped\" (an addition) lists the registry files, "
                       "Steam library lists and settings that were damaged, cut off or too large to use.\n"
                       "Searched in this order:";
    for (const std::string& line : gameSearchOrder())
        help += "\n  " + line;
    return help;
}

struct ClearArguments {
    std::string dataFolder;
    std::string backupFolder;
};

void clearCaches(const ClearArguments& arguments)
{
    std::filesystem::path data;
    if (!arguments.dataFolder.empty()) {
        data = pathFromUtf8(arguments.dataFolder);
    } else {
        gsGetSims2Paths();
        if (gstrSims2DataPath == gstrPathNotFound || gstrSims2DataPath.empty())
            throw Failure(ErrorCode::FolderFailed, "Can not find Sims 2 data path! (give it with --data)");
        data = pathFromUtf8(gstrSims2DataPath);
    }
    std::error_code error;
    if (!std::filesystem::is_directory(data, error))
        throw Failure(ErrorCode::FolderFailed, "The data folder " + pathToUtf8(data) + " does not exist");
    const BackupStore store(
        arguments.backupFolder.empty() ? BackupStore::defaultFolder() : pathFromUtf8(arguments.backupFolder));
    const ClearedCaches cleared = clearGameCaches(data, store);
    if (cleared.moved.empty() && cleared.failed.empty())
        printOut("No game caches to clear in %s.\n", pathToUtf8(data).c_str());
    for (const ClearedCaches::Moved& moved : cleared.moved)
        printOut("moved\t%s\t%s\t%llu\n", pathToUtf8(moved.file).c_str(), pathToUtf8(moved.keptAs).c_str(),
            static_cast<unsigned long long>(moved.size));
    for (const ClearedCaches::Failed& failed : cleared.failed)
        printErr("failed\t%s\t%s\n", pathToUtf8(failed.file).c_str(), failed.reason.c_str());
    if (!cleared.failed.empty())
        throw CLI::RuntimeError(1);
}

} // namespace

void addGameCommands(CLI::App& app)
{
    auto json = std::make_shared<bool>(false);
    CLI::App* locateCommand = app.add_subcommand("locate", locateHelp());
    locateCommand->add_flag("--json", *json, "print JSON");
    locateCommand->callback([json] { locate(*json); });

    auto clear = std::make_shared<ClearArguments>();
    CLI::App* clearCommand = app.add_subcommand("clear-caches",
        "Move the caches the game rebuilds at its next start out of its data folder into the backup folder "
        "(never deleted outright): Groups.cache and Accessory.cache of the data folder, and ObjectThumbnails, "
        "DesignModeThumbnails, BuildModeThumbnails, CANHObjectsThumbnails and CASThumbnails .package files of its "
        "Thumbnails folder and of the data folder itself (names in any letter case). Prints "
        "'moved<TAB>FILE<TAB>BACKUP<TAB>BYTES' per file moved; a file that cannot be moved stays in place and is "
        "listed as 'failed<TAB>FILE<TAB>REASON' on standard error (exit status 1). Refused while the game runs "
        "unless --force is given.");
    clearCommand->add_option("--data", clear->dataFolder, "the game's data folder (default: as the program finds it)")
        ->type_name("DIR");
    clearCommand->add_option("--backup-folder", clear->backupFolder, "where the caches are kept")->type_name("DIR");
    refuseWhileGameRuns(*clearCommand);
    clearCommand->callback([clear] { clearCaches(*clear); });
}

} // namespace varnick::cli
