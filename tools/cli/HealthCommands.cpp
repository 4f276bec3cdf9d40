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
    std::string root;
    std::vector<std::string> files;
    std::string folder;
};

struct KnownClashOptions {
    std::vector<std::string> mark;
    std::vector<std::string> unmark;
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
    std::string root;
    std::string game;
    std::string index;
    bool noGame = false;
    bool json = false;
    unsigned threads = 0;
};

std::filesystem::path installFolder(const HealthOptions& options)
{
    if (options.noGame)
        return {};
    if (!options.game.empty())
        return pathFromUtf8(options.game);
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
    for (const BrokenPackage& row : report.broken)
        json["broken"].push_back({ { "file", row.file }, { "reason", toValidUtf8(row.reason) } });
    json["orphans"] = ordered_json::array();
    for (const OrphanRecolor& row : report.orphans)
        json["orphans"].push_back({ { "file", row.file }, { "guid", row.guid } });
    json["clashes"] = ordered_json::array();
    for (const GuidClash& clash : report.clashes)
        json["clashes"].push_back({ { "guid", clash.guid }, { "game", clash.gameObject }, { "files", clash.files } });
    json["duplicates"] = ordered_json::array();
    for (const DuplicateSet& set : report.duplicates)
        json["duplicates"].push_back({ { "size", set.size }, { "hash", set.hash }, { "files", set.files } });
    json["sims2packs"] = ordered_json::array();
    for (const UninstalledSims2Pack& row : report.sims2Packs)
        json["sims2packs"].push_back({ { "file", row.file }, { "reason", row.reason } });
    return json;
}

void printText(const HealthReport& report, const ScanResult& scan)
{
    printOut("%zu packages, %zu read, %zu from the index\n", scan.records.size(), scan.reread,
        scan.records.size() - scan.reread);
    printOut("Cannot be read: %zu\n", report.broken.size());
    for (const BrokenPackage& row : report.broken)
        printOut("  %s: %s\n", row.file.c_str(), toValidUtf8(row.reason).c_str());
    printOut("Orphan recolors: %zu\n", report.orphans.size());
    for (const OrphanRecolor& row : report.orphans)
        printOut("  %s: objectGUID %s\n", row.file.c_str(), guidText(row.guid).c_str());
    printOut("GUID clashes: %zu\n", report.clashes.size());
    for (const GuidClash& clash : report.clashes) {
        printOut("  %s%s\n", guidText(clash.guid).c_str(), clash.gameObject ? " (also a game object)" : "");
        for (const std::string& file : clash.files)
            printOut("    %s\n", file.c_str());
    }
    printOut("Duplicates: %zu\n", report.duplicates.size());
    for (const DuplicateSet& set : report.duplicates) {
        printOut("  %lld bytes, hash %s\n", static_cast<long long>(set.size), set.hash.c_str());
        for (const std::string& file : set.files)
            printOut("    %s\n", file.c_str());
    }
    std::printf("Sims2Pack files: %zu\n", report.sims2Packs.size());
    for (const UninstalledSims2Pack& row : report.sims2Packs)
        std::printf("  %s: %s\n", row.file.c_str(), row.reason.c_str());
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
    health->add_option("ROOT", options->root, "Folder to review (with its subfolders)")->required();
    health->add_flag("--json", options->json, "Print the review as JSON");
    health->add_option("--game", options->game, "The game's install folder (default: as the program finds it)");
    health->add_flag("--no-game", options->noGame, "Use no game objects");
    health->add_option("--index", options->index, "Index file (default: the per-user data folder's for ROOT)");
    health->add_option("--threads", options->threads, "Worker threads (default: the machine's, at least 2)");
    health->callback([options] {
        const std::filesystem::path root = pathFromUtf8(options->root);
        LibraryIndex index(options->index.empty() ? defaultIndexFile(root) : pathFromUtf8(options->index));
        ScanOptions scanOptions;
        scanOptions.root = root;
        scanOptions.gameFolder = installFolder(*options);
        scanOptions.threads = options->threads;
        const ScanResult scan = scanLibrary(index, scanOptions);
        const HealthReport report = analyseLibrary(
            root, scan.records, scan.gameGuids, KnownClashes(defaultKnownClashesFile()).guids(), scan.sims2Packs);
        if (options->json)
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
    known->add_option("--mark", marks->mark, "Mark a GUID clash as known");
    known->add_option("--unmark", marks->unmark, "Take a mark back");
    known->callback([marks] {
        std::vector<std::pair<std::uint32_t, bool>> changes;
        for (const std::string& guid : marks->mark)
            changes.emplace_back(guidFromText(guid), true);
        for (const std::string& guid : marks->unmark)
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
    command->add_option("ROOT", quarantine->root, "The folder the files were found in")->required();
    command->add_option("FILE", quarantine->files, "Package files to move")->required();
    command->add_option("--quarantine-folder", quarantine->folder, "Where the files go");
    command->callback([quarantine] {
        std::vector<std::filesystem::path> files;
        for (const std::string& file : quarantine->files)
            files.push_back(pathFromUtf8(file));
        const QuarantineResult result = quarantineFiles(files, pathFromUtf8(quarantine->root),
            quarantine->folder.empty() ? defaultQuarantineFolder() : pathFromUtf8(quarantine->folder));
        for (const QuarantineMove& move : result.moved)
            printOut("%s -> %s\n", pathToUtf8(move.original).c_str(), pathToUtf8(move.quarantined).c_str());
        for (const QuarantineFailure& failure : result.failed)
            printErr("varnick-cli: %s: %s\n", pathToUtf8(failure.file).c_str(), failure.reason.c_str());
        if (!result.failed.empty())
            throw CLI::RuntimeError(1);
    });
}

} // namespace varnick::cli

#endif
