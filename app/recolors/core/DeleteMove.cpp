#include "app/recolors/core/DeleteMove.h"

#include "app/browser/core/ObjectSummary.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"

#include <algorithm>
#include <exception>
#include <system_error>

namespace varnick::recolors {

namespace fs = std::filesystem;

std::int32_t objectGuid(const fs::path& objectFile)
{
    const browser::ObjectSummary summary = browser::readObjectSummary(objectFile);
    if (summary.Guid == 0)
        throw Failure(ErrorCode::BadResource, "The GUID of object was not found.");
    return summary.Guid;
}

ObjectWithRecolors findObjectRecolors(const fs::path& root, const fs::path& objectFile, std::int32_t guid,
    const RecolorProgress& progress, const std::atomic<bool>* cancel)
{
    RecolorSearchResult found = findRecolors(root, guid, progress, cancel);
    ObjectWithRecolors set;
    set.Object = objectFile;
    set.Cancelled = found.Cancelled;
    set.Skipped = std::move(found.Skipped);
    // The object's own package is never its recolor, even when it holds a material override.
    std::error_code ec;
    for (fs::path& recolor : found.Recolors) {
        if (!fs::equivalent(recolor, objectFile, ec))
            set.Recolors.push_back(std::move(recolor));
    }
    sortRecolors(set.Recolors);
    return set;
}

DeleteOutcome removeEach(const std::vector<fs::path>& files, const RemoveFunction& remove)
{
    DeleteOutcome outcome;
    for (const fs::path& file : files) {
        std::error_code ec;
        const bool present = fs::exists(fs::symlink_status(file, ec));
        if (!present || remove(file))
            outcome.Removed.push_back(file);
        else
            outcome.Kept.push_back({ file, "could not be removed" });
    }
    return outcome;
}

std::vector<fs::path> objectAndRecolors(const ObjectWithRecolors& set)
{
    std::vector<fs::path> files { set.Object };
    files.insert(files.end(), set.Recolors.begin(), set.Recolors.end());
    return files;
}

MoveOutcome moveObjectAndRecolors(
    const ObjectWithRecolors& set, const fs::path& destination, const RenameFunction& rename)
{
    MoveOutcome outcome;
    const std::vector<fs::path> files = objectAndRecolors(set);
    outcome.Check = checkMove(files, destination);
    if (!outcome.Check.ok())
        return outcome;
    // moveFiles stops at the first file it cannot move; the ones before stay moved.
    for (const fs::path& file : files) {
        try {
            moveFiles({ file }, destination, rename);
            outcome.Moved.push_back(file);
        } catch (const std::exception& failure) {
            outcome.Failure = failure.what();
            break;
        }
    }
    return outcome;
}

std::string movedMessage(std::int32_t count, const std::string& destination)
{
    return std::to_string(count) + " files were moved to:\r\n" + destination;
}

std::string refusedMoveMessage(const MoveCheck& check)
{
    if (check.SamePlace)
        return "Source and destination are the same!";
    std::string text = "Nothing was moved: these names are already taken in the destination or taken twice:";
    for (const fs::path& clash : check.Clashes)
        text += "\r\n" + pathToUtf8(clash);
    return text;
}

std::string unreadableMessage(std::size_t count)
{
    if (count == 0)
        return {};
    return count == 1 ? "1 package could not be read and was not searched."
                      : std::to_string(count) + " packages could not be read and were not searched.";
}

} // namespace varnick::recolors
