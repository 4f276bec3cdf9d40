// Commands of the recolor windows: recolors (what the finder finds), texture
// (the bitmap the viewer shows), move and delete (the delete and move window's
// buttons, with the same checks). They run the windows' own core code.
#include "tools/cli/CliOutput.h"
#include "tools/cli/Commands.h"
#include "tools/cli/GameGuard.h"

#include "app/browser/core/ObjectSummary.h"
#include "app/recolors/core/DdsSupport.h"
#include "app/recolors/core/FileMoves.h"
#include "app/recolors/core/RecolorSearch.h"
#ifdef VARNICK_HAVE_LIBRARY_INDEX
#include "app/health/index/IndexedFolderScan.h"
#include "app/health/index/LibraryIndex.h"
#endif
#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"
#include "package/base/Utf8.h"
#include "package/base/WholeFile.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

namespace varnick::cli {

namespace {

namespace fs = std::filesystem;
using nlohmann::ordered_json;

void writeText(const std::string& text)
{
    cliOut() << text;
}

/// Refuses with one line on standard error and exit status 1 (nothing has been changed).
[[noreturn]] void refuse(const std::string& message)
{
    cliOut().flush();
    printErr("varnick-cli: %s\n", message.c_str());
    throw CLI::RuntimeError(1);
}

// The path relative to root, with "/" between names on every platform.
std::string relativeText(const fs::path& file, const fs::path& root)
{
    const fs::path relative = file.lexically_relative(root);
    std::string text = pathToUtf8(relative.empty() ? file : relative);
#ifdef _WIN32
    for (char& c : text)
        c = c == '\\' ? '/' : c;
#endif
    return text;
}

struct Found {
    std::int32_t guid = 0;
    recolors::RecolorSearchResult search;
};

// What the finder gives the delete and move window for OBJECT_FILE under ROOT:
// the object's GUID and its recolors in the window's list order.
Found findFor(const std::string& rootText, const std::string& objectText)
{
    const fs::path root = pathFromUtf8(rootText);
    std::error_code error;
    if (!fs::is_directory(root, error))
        throw Failure(ErrorCode::FolderFailed, "The folder cannot be listed: " + rootText + " is not a folder");
    const browser::ObjectSummary summary = browser::readObjectSummary(pathFromUtf8(objectText));
    if (!summary.readable)
        throw Failure(ErrorCode::BadPackage, objectText + ": " + summary.reason);
    if (summary.guid == 0)
        throw Failure(ErrorCode::BadResource, "The GUID of object was not found. (" + objectText + ")");
    Found found;
    found.guid = summary.guid;
    // As the window does: packages the library index has seen unchanged are not read again.
    std::unique_ptr<recolors::RecolorLookup> lookup;
#ifdef VARNICK_HAVE_LIBRARY_INDEX
    lookup = std::make_unique<health::IndexedRecolorLookup>(root, health::defaultIndexFile(root));
#endif
    found.search = recolors::findRecolors(root, summary.guid, {}, nullptr, lookup.get());
    recolors::sortRecolors(found.search.recolors);
    return found;
}

void noteSkipped(const recolors::RecolorSearchResult& search)
{
    if (!search.skipped.empty())
        printErr("%zu files could not be read and were not searched\n", search.skipped.size());
}

void listRecolors(const std::string& rootText, const std::string& objectText, bool json)
{
    const Found found = findFor(rootText, objectText);
    const fs::path root = pathFromUtf8(rootText);
    if (json) {
        ordered_json document;
        document["guid"] = static_cast<std::uint32_t>(found.guid);
        document["recolors"] = ordered_json::array();
        for (const fs::path& file : found.search.recolors)
            document["recolors"].push_back(relativeText(file, root));
        document["skipped"] = ordered_json::array();
        for (const recolors::SkippedFile& file : found.search.skipped)
            document["skipped"].push_back(
                { { "file", relativeText(file.file, root) }, { "reason", toValidUtf8(file.reason) } });
        writeText(document.dump(2) + "\n");
        return;
    }
    char guid[16];
    std::snprintf(guid, sizeof guid, "%08X", static_cast<std::uint32_t>(found.guid));
    std::string text = "GUID " + std::string(guid) + ": " + std::to_string(found.search.recolors.size())
        + (found.search.recolors.size() == 1 ? " recolor\n" : " recolors\n");
    for (const fs::path& file : found.search.recolors)
        text += "  " + relativeText(file, root) + "\n";
    if (!found.search.skipped.empty()) {
        text += "Could not be read: " + std::to_string(found.search.skipped.size()) + "\n";
        for (const recolors::SkippedFile& file : found.search.skipped)
            text += "  " + relativeText(file.file, root) + ": " + toValidUtf8(file.reason) + "\n";
    }
    writeText(text);
}

void writeTexture(const std::string& fileText, const std::string& outText)
{
    const std::optional<ByteString> bitmap = recolors::packagePreviewBitmap(pathFromUtf8(fileText));
    if (!bitmap)
        refuse(fileText + " has no texture that can be shown (raw 32-bit, DXT1 or DXT3 with at least one level)");
    writeWholeFile(pathFromUtf8(outText), *bitmap);
}

void moveAll(const std::string& rootText, const std::string& objectText, const std::string& destinationText)
{
    const Found found = findFor(rootText, objectText);
    const fs::path destination = pathFromUtf8(destinationText);
    std::vector<fs::path> files { pathFromUtf8(objectText) };
    files.insert(files.end(), found.search.recolors.begin(), found.search.recolors.end());
    const recolors::MoveCheck check = recolors::checkMove(files, destination);
    if (check.samePlace)
        refuse("Source and destination are the same!");
    if (check.destinationMissing)
        refuse(destinationText + " is not a folder; nothing was moved");
    if (!check.clashes.empty()) {
        std::string message = "nothing was moved; these names are already in the destination or would be moved twice:";
        for (const fs::path& clash : check.clashes)
            message += "\n  " + pathToUtf8(clash);
        refuse(message);
    }
    noteSkipped(found.search);
    std::int32_t count = 0;
    for (const fs::path& file : files) {
        count += recolors::moveFiles({ file }, destination);
        writeText("moved: " + pathToUtf8(file) + "\n");
        cliOut().flush();
    }
    writeText(std::to_string(count) + " files were moved to:\n" + destinationText + "\n");
}

void deleteFiles(
    const std::string& rootText, const std::string& objectText, const std::vector<std::string>& chosen, bool permanent)
{
    const Found found = findFor(rootText, objectText);
    std::vector<fs::path> files;
    if (chosen.empty()) {
        files.push_back(pathFromUtf8(objectText));
        files.insert(files.end(), found.search.recolors.begin(), found.search.recolors.end());
    } else {
        // Only recolors of the list can be picked, as in the window; a name relative to ROOT works too.
        for (const std::string& text : chosen) {
            fs::path file = pathFromUtf8(text);
            std::error_code error;
            if (file.is_relative() && fs::exists(pathFromUtf8(rootText) / file, error))
                file = pathFromUtf8(rootText) / file;
            bool listed = false;
            for (const fs::path& recolor : found.search.recolors)
                listed = listed || fs::equivalent(recolor, file, error);
            if (!listed)
                refuse(text + " is not one of the object's recolors; nothing was deleted");
            files.push_back(file);
        }
    }
    noteSkipped(found.search);
    const bool trash = !permanent && recolors::platformHasTrash();
    for (const fs::path& file : files) {
        const bool gone = recolors::deleteFiles({ file },
                              trash ? recolors::RemoveFunction(recolors::moveToPlatformTrash)
                                    : recolors::RemoveFunction(recolors::removeOutright))
            == 1;
        if (!gone)
            refuse(pathToUtf8(file)
                + (trash ? " could not be moved to the trash (--permanent deletes outright)"
                         : " could not be deleted"));
        writeText((trash ? "trashed: " : "deleted: ") + pathToUtf8(file) + "\n");
        cliOut().flush();
    }
    writeText(chosen.empty() ? "The object has been deleted.\n" : "The selected recolors have been deleted.\n");
}

} // namespace

void addRecolorCommands(CLI::App& app)
{
    auto root = std::make_shared<std::string>();
    auto object = std::make_shared<std::string>();
    auto json = std::make_shared<bool>(false);
    CLI::App* list = app.add_subcommand("recolors",
        "List the recolors of OBJECT_FILE's object below ROOT (subfolders too): packages that are recolors and whose\n"
        "first material override has \"objectGUID\" equal to the object's GUID. Paths are relative to ROOT with \"/\"\n"
        "between names, in the delete and move window's order (full paths ascending by code unit).\n"
        "--json: {\"guid\": N (unsigned), \"recolors\": [path...], \"skipped\": [{\"file\" (relative), \"reason\"}]}.\n"
        "As in the window, packages that ROOT's library index holds unchanged are answered from it; the others are "
        "read.\n"
        "Exit status 0 even with skipped files; 1 when ROOT cannot be listed or the object has no GUID.");
    list->add_option("ROOT", *root, "folder to search")->required();
    list->add_option("OBJECT_FILE", *object, "the object's package")->required();
    list->add_flag("--json", *json, "print JSON");
    list->callback([root, object, json] { listRecolors(*root, *object, *json); });

    auto file = std::make_shared<std::string>();
    auto out = std::make_shared<std::string>();
    CLI::App* texture = app.add_subcommand("texture",
        "Write the bitmap the texture viewer shows for FILE: the first texture resource in index order whose format "
        "is\n"
        "raw 32-bit (1), DXT1 (4) or DXT3 (5), its last (largest) level, as a 24-bit BMP with rows padded to 4 bytes\n"
        "and the texture's top row on top. Exit status 1 with one line on standard error when there is none.");
    texture->add_option("FILE", *file, "package")->required();
    texture->add_option("-o,--output", *out, "bitmap file to write")->required();
    texture->callback([file, out] { writeTexture(*file, *out); });

    auto moveRoot = std::make_shared<std::string>();
    auto moveObject = std::make_shared<std::string>();
    auto destination = std::make_shared<std::string>();
    CLI::App* move = app.add_subcommand("move",
        "Move OBJECT_FILE and all its recolors below ROOT into DEST, each under its own name (renamed on one volume,\n"
        "otherwise copied, compared and the original removed). Refused with exit status 1 and nothing moved when DEST\n"
        "is the object's own folder (\"Source and destination are the same!\"), is not a folder, or already holds\n"
        "a file of a moved name, or two moved files share a name. Prints \"moved: PATH\" per file, then\n"
        "\"N files were moved to:\" and DEST.");
    move->add_option("ROOT", *moveRoot, "folder the recolors are searched in")->required();
    move->add_option("OBJECT_FILE", *moveObject, "the object's package")->required();
    move->add_option("DEST", *destination, "destination folder")->required();
    refuseWhileGameRuns(*move);
    move->callback([moveRoot, moveObject, destination] { moveAll(*moveRoot, *moveObject, *destination); });

    auto deleteRoot = std::make_shared<std::string>();
    auto deleteObject = std::make_shared<std::string>();
    auto chosen = std::make_shared<std::vector<std::string>>();
    auto permanent = std::make_shared<bool>(false);
    CLI::App* remove = app.add_subcommand("delete",
        "Without --recolor: delete OBJECT_FILE and all its recolors below ROOT. With --recolor: delete only those\n"
        "recolors (each must be one of the object's recolors, as a path or relative to ROOT; otherwise nothing is\n"
        "deleted). Files go to the desktop's trash (the Recycle Bin on Windows, the freedesktop trash of\n"
        "$XDG_DATA_HOME or ~/.local/share elsewhere); --permanent, or a system without a trash, deletes them\n"
        "outright. Prints \"trashed: PATH\" or \"deleted: PATH\" per file, then \"The object has been deleted.\" or "
        "\"The selected\n"
        "recolors have been deleted.\". A file the trash refuses (another volume) stops with exit status 1.");
    remove->add_option("ROOT", *deleteRoot, "folder the recolors are searched in")->required();
    remove->add_option("OBJECT_FILE", *deleteObject, "the object's package")->required();
    remove->add_option("--recolor", *chosen, "a recolor to delete (repeatable)");
    remove->add_flag("--permanent", *permanent, "delete outright instead of moving to the trash");
    refuseWhileGameRuns(*remove);
    remove->callback([deleteRoot, deleteObject, chosen, permanent] {
        deleteFiles(*deleteRoot, *deleteObject, *chosen, *permanent);
    });
}

} // namespace varnick::cli
