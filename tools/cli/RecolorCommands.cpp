// Commands of the recolor finder and the delete and move window: recolors,
// texture, move and delete. They run the windows' own code.
#include "tools/cli/Commands.h"

#include "app/recolors/core/DdsSupport.h"
#include "app/recolors/core/DeleteMove.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"
#include "package/base/WholeFile.h"

#include <nlohmann/json.hpp>

#include <algorithm>
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
using namespace varnick::recolors;

void print(const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
}

// Paths under root are printed relative to it with "/" between names.
std::string relativeText(const fs::path& file, const fs::path& root)
{
    const fs::path relative = file.lexically_relative(root);
    std::string text = pathToUtf8(relative.empty() ? file : relative);
#ifdef _WIN32
    std::replace(text.begin(), text.end(), '\\', '/');
#endif
    return text;
}

// Line breaks of the window's messages as the terminal's.
std::string plainLines(std::string text)
{
    for (std::size_t at = text.find('\r'); at != std::string::npos; at = text.find('\r', at))
        text.erase(at, 1);
    return text;
}

fs::path existingFolder(const std::string& text)
{
    const fs::path folder = pathFromUtf8(text);
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        throw Failure(ErrorCode::FolderFailed, "The folder cannot be listed: " + text + " is not a folder");
    return folder;
}

ObjectWithRecolors searchFor(const std::string& rootText, const std::string& objectText)
{
    // Absolute paths, so that "." and "dir/" name the same folder as the object's own.
    std::error_code ec;
    const fs::path root = fs::absolute(existingFolder(rootText), ec).lexically_normal();
    const fs::path object = fs::absolute(pathFromUtf8(objectText), ec).lexically_normal();
    if (!fs::is_regular_file(object, ec))
        throw Failure(ErrorCode::FileOpenFailed, "The object package does not exist: " + objectText);
    return findObjectRecolors(root, object, objectGuid(object));
}

void reportSkipped(const ObjectWithRecolors& set, const fs::path& root)
{
    for (const SkippedFile& skipped : set.Skipped)
        std::fprintf(stderr, "skipped\t%s\t%s\n", relativeText(skipped.File, root).c_str(), skipped.Reason.c_str());
    if (const std::string line = unreadableMessage(set.Skipped.size()); !line.empty())
        std::fprintf(stderr, "%s\n", line.c_str());
}

struct RecolorArguments {
    std::string root;
    std::string object;
    bool json = false;
};

void listRecolors(const RecolorArguments& arguments)
{
    const ObjectWithRecolors set = searchFor(arguments.root, arguments.object);
    std::error_code ec;
    const fs::path root = fs::absolute(pathFromUtf8(arguments.root), ec).lexically_normal();
    if (arguments.json) {
        ordered_json recolors = ordered_json::array();
        for (const fs::path& recolor : set.Recolors)
            recolors.push_back(relativeText(recolor, root));
        ordered_json skipped = ordered_json::array();
        for (const SkippedFile& file : set.Skipped)
            skipped.push_back(ordered_json { { "file", relativeText(file.File, root) }, { "reason", file.Reason } });
        ordered_json document;
        document["guid"] = objectGuid(set.Object);
        document["recolors"] = std::move(recolors);
        document["skipped"] = std::move(skipped);
        print(document.dump(2) + "\n");
        return;
    }
    std::string text;
    for (const fs::path& recolor : set.Recolors)
        text += relativeText(recolor, root) + "\n";
    for (const SkippedFile& file : set.Skipped)
        text += "skipped\t" + relativeText(file.File, root) + "\t" + file.Reason + "\n";
    print(text);
}

struct TextureArguments {
    std::string file;
    std::string output;
};

void writeTexture(const TextureArguments& arguments)
{
    const std::optional<ByteString> bitmap = packagePreviewBitmap(pathFromUtf8(arguments.file));
    if (!bitmap)
        throw Failure(ErrorCode::BadResource, "The package holds no texture that can be shown: " + arguments.file);
    writeWholeFile(pathFromUtf8(arguments.output), *bitmap);
}

struct MoveArguments {
    std::string root;
    std::string object;
    std::string destination;
};

void moveObject(const MoveArguments& arguments)
{
    std::error_code ec;
    const fs::path destination = fs::absolute(existingFolder(arguments.destination), ec).lexically_normal();
    const ObjectWithRecolors set = searchFor(arguments.root, arguments.object);
    reportSkipped(set, fs::absolute(pathFromUtf8(arguments.root), ec).lexically_normal());
    const MoveOutcome outcome = moveObjectAndRecolors(set, destination);
    if (!outcome.Check.ok())
        throw Failure(ErrorCode::InvalidArgument, plainLines(refusedMoveMessage(outcome.Check)));
    std::string text;
    for (const fs::path& file : outcome.Moved)
        text += "moved\t" + pathToUtf8(file) + "\t" + pathToUtf8(destination / file.filename()) + "\n";
    text += plainLines(movedMessage(static_cast<std::int32_t>(outcome.Moved.size()), arguments.destination)) + "\n";
    print(text);
    std::fflush(stdout);
    if (!outcome.Failure.empty())
        throw Failure(ErrorCode::FileWriteFailed, outcome.Failure);
}

struct DeleteArguments {
    std::string root;
    std::string object;
    std::vector<std::string> recolors;
    bool permanent = false;
};

// A --recolor names one of the found recolors: by path, or relative to ROOT.
fs::path chosenRecolor(const std::string& text, const ObjectWithRecolors& set, const fs::path& root)
{
    const fs::path given = pathFromUtf8(text);
    std::error_code ec;
    for (const fs::path& candidate : { root / given, given }) {
        for (const fs::path& recolor : set.Recolors) {
            if (fs::equivalent(candidate, recolor, ec))
                return recolor;
        }
    }
    throw Failure(ErrorCode::InvalidArgument, "Not a recolor of the object: " + text + " (nothing was deleted)");
}

void deleteObject(const DeleteArguments& arguments)
{
    const ObjectWithRecolors set = searchFor(arguments.root, arguments.object);
    std::error_code ec;
    const fs::path root = fs::absolute(pathFromUtf8(arguments.root), ec).lexically_normal();
    reportSkipped(set, root);
    std::vector<fs::path> files;
    if (arguments.recolors.empty()) {
        files = objectAndRecolors(set);
    } else {
        for (const std::string& text : arguments.recolors) {
            const fs::path recolor = chosenRecolor(text, set, root);
            if (std::find(files.begin(), files.end(), recolor) == files.end())
                files.push_back(recolor);
        }
    }
    const bool trash = !arguments.permanent && platformHasTrash();
    const DeleteOutcome outcome = removeEach(files, trash ? RemoveFunction(moveToPlatformTrash) : removeOutright);
    std::string text;
    for (const fs::path& file : outcome.Removed)
        text += (trash ? "trashed\t" : "deleted\t") + pathToUtf8(file) + "\n";
    print(text);
    std::fflush(stdout);
    if (!outcome.ok()) {
        std::string why = "Some files were left in place:";
        for (const SkippedFile& kept : outcome.Kept)
            why += " " + pathToUtf8(kept.File);
        if (trash)
            why += " (the trash could not take them; --permanent deletes outright)";
        throw Failure(ErrorCode::FileWriteFailed, why);
    }
}

} // namespace

void addRecolorCommands(CLI::App& app)
{
    auto recolorArguments = std::make_shared<RecolorArguments>();
    CLI::App* recolors = app.add_subcommand("recolors",
        "List the recolors of OBJECT_FILE's object below ROOT (subfolders too), as the recolor finder finds them: "
        "packages whose first material override has an \"objectGUID\" equal to the object's GUID. "
        "Paths are relative to ROOT with \"/\" between names, in the delete and move window's order "
        "(ascending by code unit). Text: one recolor a line, then 'skipped<TAB>FILE<TAB>REASON' per unreadable "
        "package. --json: {\"guid\": N (signed), \"recolors\": [...], \"skipped\": [{\"file\", \"reason\"}]}. "
        "Exit status 1 when OBJECT_FILE has no GUID.");
    recolors->add_option("ROOT", recolorArguments->root, "folder searched, with its subfolders")->required();
    recolors->add_option("OBJECT_FILE", recolorArguments->object, "the object's package")->required();
    recolors->add_flag("--json", recolorArguments->json, "print JSON");
    recolors->callback([recolorArguments] { listRecolors(*recolorArguments); });

    auto textureArguments = std::make_shared<TextureArguments>();
    CLI::App* texture = app.add_subcommand("texture",
        "Write the bitmap the texture viewer shows for FILE: the first texture, in index order, in DXT1, DXT3 "
        "or raw 32-bit form, as a 24-bit bitmap (rows padded to 4 bytes, top row shown on top). "
        "Exit status 1 with a one-line error when FILE holds no texture that can be shown.");
    texture->add_option("FILE", textureArguments->file, "the package")->required();
    texture->add_option("-o,--output", textureArguments->output, "the bitmap file written")->required();
    texture->callback([textureArguments] { writeTexture(*textureArguments); });

    auto moveArguments = std::make_shared<MoveArguments>();
    CLI::App* move = app.add_subcommand("move",
        "Move OBJECT_FILE and every recolor found below ROOT into the folder DEST, each under its own name. "
        "Checked whole first: when DEST is the object's own folder (\"Source and destination are the same!\") "
        "or a name is already taken in DEST or taken twice, nothing is moved and the exit status is 1. "
        "Files are renamed where possible, else copied, compared and the source removed. Prints "
        "'moved<TAB>FROM<TAB>TO' per file, then \"N files were moved to:\" and DEST.");
    move->add_option("ROOT", moveArguments->root, "folder searched for recolors")->required();
    move->add_option("OBJECT_FILE", moveArguments->object, "the object's package")->required();
    move->add_option("DEST", moveArguments->destination, "destination folder (must exist)")->required();
    move->callback([moveArguments] { moveObject(*moveArguments); });

    auto deleteArguments = std::make_shared<DeleteArguments>();
    CLI::App* remove = app.add_subcommand("delete",
        "Without --recolor: delete OBJECT_FILE and every recolor found below ROOT. With --recolor: delete only "
        "those recolors (each must be one found, given by path or relative to ROOT; otherwise nothing is deleted). "
        "Files go to the desktop's trash where there is one, else are deleted outright; --permanent deletes "
        "outright. Prints 'trashed<TAB>FILE' or 'deleted<TAB>FILE' per file; exit status 1 when a file stays.");
    remove->add_option("ROOT", deleteArguments->root, "folder searched for recolors")->required();
    remove->add_option("OBJECT_FILE", deleteArguments->object, "the object's package")->required();
    remove->add_option("--recolor", deleteArguments->recolors, "a recolor to delete (repeatable)");
    remove->add_flag("--permanent", deleteArguments->permanent, "delete outright instead of to the trash");
    remove->callback([deleteArguments] { deleteObject(*deleteArguments); });
}

} // namespace varnick::cli
