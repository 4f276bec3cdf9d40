// Commands of the object browser: scan (the catalog objects of a folder) and
// folders (the folder tree of a root). They run the main window's own code.
#include "tools/cli/CliOutput.h"
#include "tools/cli/Commands.h"

#include "app/browser/core/FolderList.h"
#include "app/browser/core/ObjectSummary.h"
#include "app/browser/core/PackageScan.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <system_error>

namespace varnick::cli {

namespace {

using nlohmann::ordered_json;

void writeLine(const std::string& line)
{
    cliOut() << line << '\n';
}

void scan(const std::string& folderText, bool json)
{
    const std::filesystem::path folder = pathFromUtf8(folderText);
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error))
        throw Failure(ErrorCode::FolderFailed, "The folder cannot be listed: " + folderText + " is not a folder");
    const browser::ScanResult result = browser::scanFolder(folder);
    ordered_json objects = ordered_json::array();
    std::string text;
    for (const std::string& file : result.files) {
        const browser::ObjectSummary summary = browser::readObjectSummary(folder / pathFromUtf8(file));
        const auto guid = static_cast<std::uint32_t>(summary.guid);
        if (json) {
            ordered_json object;
            object["file"] = file;
            object["name"] = summary.name;
            object["description"] = summary.description;
            object["guid"] = guid;
            object["thumbnail_key"] = summary.thumbnailKey;
            objects.push_back(std::move(object));
        } else {
            char guidText[16];
            std::snprintf(guidText, sizeof guidText, "%08X", guid);
            text += file + "\t" + guidText + "\t" + summary.thumbnailKey + "\t" + summary.name + "\n";
        }
    }
    if (json) {
        ordered_json skipped = ordered_json::array();
        for (const browser::SkippedFile& file : result.skipped)
            skipped.push_back(ordered_json { { "file", file.file }, { "reason", file.reason } });
        ordered_json document;
        document["objects"] = std::move(objects);
        document["skipped"] = std::move(skipped);
        text = document.dump(2) + "\n";
    } else {
        for (const browser::SkippedFile& file : result.skipped)
            text += "skipped\t" + file.file + "\t" + file.reason + "\n";
    }
    cliOut() << text;
}

void folders(const std::string& rootText)
{
    const std::filesystem::path root = pathFromUtf8(rootText);
    std::error_code error;
    if (!std::filesystem::is_directory(root, error))
        throw Failure(ErrorCode::FolderFailed, "The folder cannot be listed: " + rootText + " is not a folder");
    const std::vector<std::string> list = browser::treeFolders(root, "");
    // Element 0 is the root itself (""); the lines are the folders below it.
    for (std::size_t i = 1; i < list.size(); ++i)
        writeLine(list[i]);
}

} // namespace

void addBrowserCommands(CLI::App& app)
{
    auto scanFolderText = std::make_shared<std::string>();
    auto json = std::make_shared<bool>(false);
    CLI::App* scanCommand = app.add_subcommand("scan",
        "List FOLDER's catalog objects in the browser's order (file names ignoring letter case, then exact).\n"
        "Text: one line per object, FILE<TAB>GUID (8 hex digits)<TAB>THUMBNAIL_KEY<TAB>NAME, then\n"
        "'skipped<TAB>FILE<TAB>REASON' per unreadable file.\n"
        "--json: {\"objects\": [{\"file\", \"name\", \"description\" (CR LF line breaks), \"guid\" (unsigned number,\n"
        "0 when none), \"thumbnail_key\"}], \"skipped\": [{\"file\", \"reason\"}]}.\n"
        "Exit status 0 even with skipped files; 1 when FOLDER cannot be listed.");
    scanCommand->add_option("FOLDER", *scanFolderText, "folder to scan (not its subfolders)")->required();
    scanCommand->add_flag("--json", *json, "print JSON");
    scanCommand->callback([scanFolderText, json] { scan(*scanFolderText, *json); });

    auto rootText = std::make_shared<std::string>();
    CLI::App* foldersCommand = app.add_subcommand("folders",
        "Print the folders below ROOT as the browser's tree holds them: paths relative to ROOT written\n"
        "with a leading \"\\\" and \"\\\" between names, in the tree's order (code-unit order, parents first),\n"
        "one a line; ROOT itself is not printed. Hidden folders and folder links are left out.");
    foldersCommand->add_option("ROOT", *rootText, "root folder")->required();
    foldersCommand->callback([rootText] { folders(*rootText); });
}

} // namespace varnick::cli
