// varnick-cli health and quarantine: the library health review of the Library Health window and its
// move to quarantine, on the same code.
#include "tools/cli/CliOutput.h"
#include "tools/cli/Commands.h"

#ifdef VARNICK_HAVE_LIBRARY_INDEX

#include "app/health/core/HealthReport.h"
#include "app/health/core/Quarantine.h"
#include "app/health/index/LibraryIndex.h"
#include "app/health/index/LibraryScan.h"
#include "app/startup/GamePaths.h"
#include "package/base/Paths.h"
#include "package/base/Utf8.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <string>
#include <vector>

namespace varnick::cli {

namespace {

using nlohmann::ordered_json;
using namespace varnick::health;

struct QuarantineOptions {
    std::string Root;
    std::vector<std::string> Files;
    std::string Folder;
};

struct KnownClashOptions {
    std::vector<std::string> Mark;
    std::vector<std::string> Unmark;
};

// "0x42", "42" and "0X00000042" name one GUID; anything else is refused before a mark changes.
std::uint32_t guidFromText(const std::string& text)
{
    const std::string digits
        = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X') ? text.substr(2) : text;
    if (digits.empty() || digits.size() > 8
        || digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
        printErr("varnick-cli: \"%s\" is not a hexadecimal GUID\n", text.c_str());
        throw CLI::RuntimeError(1);
    }
    return static_cast<std::uint32_t>(std::stoul(digits, nullptr, 16));
}

struct HealthOptions {
    std::string Root;
    std::string Game;
    std::string Index;
    bool NoGame = false;
    bool Json = false;
    unsigned Threads = 0;
};

std::filesystem::path installFolder(const HealthOptions& options)
{
    if (options.NoGame)
        return {};
    if (!options.Game.empty())
        return pathFromUtf8(options.Game);
    // As the program finds it: the registry (or its overrides).
    gsGetSims2Paths();
    stopIfTrapped();
    if (gstrSims2InstallPath.empty() || gstrSims2InstallPath == gstrPathNotFound)
        return {};
    return pathFromUtf8(gstrSims2InstallPath);
}

ordered_json reportJson(const HealthReport& report)
{
    ordered_json json;
    json["broken"] = ordered_json::array();
    for (const BrokenPackage& row : report.Broken)
        json["broken"].push_back({ { "file", row.File }, { "reason", toValidUtf8(row.Reason) } });
    json["orphans"] = ordered_json::array();
    for (const OrphanRecolor& row : report.Orphans)
        json["orphans"].push_back({ { "file", row.File }, { "guid", row.Guid } });
    json["clashes"] = ordered_json::array();
    for (const GuidClash& clash : report.Clashes)
        json["clashes"].push_back({ { "guid", clash.Guid }, { "game", clash.GameObject }, { "files", clash.Files } });
    json["duplicates"] = ordered_json::array();
    for (const DuplicateSet& set : report.Duplicates)
        json["duplicates"].push_back({ { "size", set.Size }, { "hash", set.Hash }, { "files", set.Files } });
    json["sims2packs"] = ordered_json::array();
    for (const UninstalledSims2Pack& row : report.Sims2Packs)
        json["sims2packs"].push_back({ { "file", row.File }, { "reason", row.Reason } });
    return json;
}

void printText(const HealthReport& report, const ScanResult& scan)
{
    printOut("%zu packages, %zu read, %zu from the index\n", scan.Records.size(), scan.Reread,
        scan.Records.size() - scan.Reread);
    printOut("Cannot be read: %zu\n", report.Broken.size());
    for (const BrokenPackage& row : report.Broken)
        printOut("  %s: %s\n", row.File.c_str(), toValidUtf8(row.Reason).c_str());
    printOut("Orphan recolors: %zu\n", report.Orphans.size());
    for (const OrphanRecolor& row : report.Orphans)
        printOut("  %s: objectGUID %s\n", row.File.c_str(), guidText(row.Guid).c_str());
    printOut("GUID clashes: %zu\n", report.Clashes.size());
    for (const GuidClash& clash : report.Clashes) {
        printOut("  %s%s\n", guidText(clash.Guid).c_str(), clash.GameObject ? " (also a game object)" : "");
        for (const std::string& file : clash.Files)
            printOut("    %s\n", file.c_str());
    }
    printOut("Duplicates: %zu\n", report.Duplicates.size());
    for (const DuplicateSet& set : report.Duplicates) {
        printOut("  %lld bytes, hash %s\n", static_cast<long long>(set.Size), set.Hash.c_str());
        for (const std::string& file : set.Files)
            printOut("    %s\n", file.c_str());
    }
    std::printf("Sims2Pack files: %zu\n", report.Sims2Packs.size());
    for (const UninstalledSims2Pack& row : report.Sims2Packs)
        std::printf("  %s: %s\n", row.File.c_str(), row.Reason.c_str());
}

} // namespace

void addHealthCommands(CLI::App& app)
{
    auto options = std::make_shared<HealthOptions>();
    CLI::App* health = app.add_subcommand("health",
        "List the packages below ROOT that cannot be read, orphan recolors (objectGUID defined by no catalog object "
        "below ROOT nor by the installed game), GUIDs defined by several catalog objects (or by one and the game; "
        "clashes marked known are left out), byte-identical duplicates, and the Sims2Pack files lying below ROOT "
        "(\"The game does not read Sims2Pack files; install them.\"). Unchanged packages come from the "
        "persistent index. With --json the output is "
        "{\"broken\":[{\"file\",\"reason\"}],\"orphans\":[{\"file\",\"guid\"}],"
        "\"clashes\":[{\"guid\",\"game\",\"files\":[...]}],\"duplicates\":[{\"size\",\"hash\",\"files\":[...]}],"
        "\"sims2packs\":[{\"file\",\"reason\"}]}; "
        "files are full paths sorted by path, GUIDs are numbers, hash is 16 hexadecimal digits.");
    health->add_option("ROOT", options->Root, "Folder to review (with its subfolders)")->required();
    health->add_flag("--json", options->Json, "Print the review as JSON");
    health->add_option("--game", options->Game, "The game's install folder (default: as the program finds it)");
    health->add_flag("--no-game", options->NoGame, "Use no game objects");
    health->add_option("--index", options->Index, "Index file (default: the per-user data folder's for ROOT)");
    health->add_option("--threads", options->Threads, "Worker threads (default: the machine's, at least 2)");
    health->callback([options] {
        const std::filesystem::path root = pathFromUtf8(options->Root);
        LibraryIndex index(options->Index.empty() ? defaultIndexFile(root) : pathFromUtf8(options->Index));
        ScanOptions scanOptions;
        scanOptions.Root = root;
        scanOptions.GameFolder = installFolder(*options);
        scanOptions.Threads = options->Threads;
        const ScanResult scan = scanLibrary(index, scanOptions);
        const HealthReport report = analyseLibrary(
            root, scan.Records, scan.GameGuids, KnownClashes(defaultKnownClashesFile()).guids(), scan.Sims2Packs);
        if (options->Json)
            printOut("%s\n", reportJson(report).dump(2).c_str());
        else
            printText(report, scan);
    });

    auto marks = std::make_shared<KnownClashOptions>();
    CLI::App* known = app.add_subcommand("known-clashes",
        "List the GUID clashes marked as known (left out of \"health\" and of the Library Health window), one GUID "
        "a line as 0x and eight hexadecimal digits, after marking each --mark GUID and taking back each --unmark "
        "GUID (a GUID that is not one is named on standard error, changes nothing and makes the exit status 1), as the "
        "window's \"Mark Clash Known\" and \"Known Clashes...\" do. GUIDs are hexadecimal, with or "
        "without 0x. The marks are kept in the per-user data folder's known-clashes.txt.");
    known->add_option("--mark", marks->Mark, "Mark a GUID clash as known");
    known->add_option("--unmark", marks->Unmark, "Take a mark back");
    known->callback([marks] {
        std::vector<std::pair<std::uint32_t, bool>> changes;
        for (const std::string& guid : marks->Mark)
            changes.emplace_back(guidFromText(guid), true);
        for (const std::string& guid : marks->Unmark)
            changes.emplace_back(guidFromText(guid), false);
        KnownClashes clashes(defaultKnownClashesFile());
        for (const auto& [guid, on] : changes)
            clashes.setKnown(guid, on);
        for (std::uint32_t guid : clashes.guids())
            printOut("%s\n", guidText(guid).c_str());
    });

    auto quarantine = std::make_shared<QuarantineOptions>();
    CLI::App* command = app.add_subcommand("quarantine",
        "Move packages out of the game's reach, as the Library Health window's \"Move to Quarantine\" does: each "
        "FILE goes to the quarantine folder (default: the per-user data folder's \"Quarantine\") under its path "
        "below ROOT (its name alone when it is not below ROOT), a name already taken there getting \" (2)\", "
        "\" (3)\"... A move across volumes is a copy, flushed to disk and compared with the original before the "
        "original is removed. Prints \"FILE -> QUARANTINED\" for each file moved; a file that cannot be moved stays "
        "where it is, is named with the reason on standard error, and makes the exit status 1.");
    command->add_option("ROOT", quarantine->Root, "The folder the files were found in")->required();
    command->add_option("FILE", quarantine->Files, "Package files to move")->required();
    command->add_option("--quarantine-folder", quarantine->Folder, "Where the files go");
    command->callback([quarantine] {
        std::vector<std::filesystem::path> files;
        for (const std::string& file : quarantine->Files)
            files.push_back(pathFromUtf8(file));
        const QuarantineResult result = quarantineFiles(files, pathFromUtf8(quarantine->Root),
            quarantine->Folder.empty() ? defaultQuarantineFolder() : pathFromUtf8(quarantine->Folder));
        for (const QuarantineMove& move : result.Moved)
            printOut("%s -> %s\n", pathToUtf8(move.Original).c_str(), pathToUtf8(move.Quarantined).c_str());
        for (const QuarantineFailure& failure : result.Failed)
            printErr("varnick-cli: %s: %s\n", pathToUtf8(failure.File).c_str(), failure.Reason.c_str());
        if (!result.Failed.empty())
            throw CLI::RuntimeError(1);
    });
}

} // namespace varnick::cli

#endif
