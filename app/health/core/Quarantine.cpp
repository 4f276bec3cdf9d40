#include "app/health/core/Quarantine.h"

#include "package/base/ErrorTrap.h"
#include "package/base/Folders.h"
#include "package/base/Paths.h"

#include <system_error>

namespace varnick::health {

namespace {

void moveFile(
    const std::filesystem::path& from, const std::filesystem::path& to, const recolors::RenameFunction& rename)
{
    std::error_code error;
    std::filesystem::create_directories(to.parent_path(), error);
    if (std::filesystem::exists(to, error))
        throw Failure(ErrorCode::FileReplaceFailed, "A file of that name is already at " + pathToUtf8(to));
    recolors::moveFileChecked(from, to, rename);
}

} // namespace

std::filesystem::path defaultQuarantineFolder()
{
    return userDataFolder() / "Quarantine";
}

QuarantineMove quarantineFile(const std::filesystem::path& file, const std::filesystem::path& root,
    const std::filesystem::path& quarantineFolder, const recolors::RenameFunction& rename)
{
    std::filesystem::path relative = file.lexically_relative(root);
    if (relative.empty() || *relative.begin() == "..")
        relative = file.filename();
    std::filesystem::path target = quarantineFolder / relative;
    std::error_code error;
    for (int n = 2; std::filesystem::exists(target, error); ++n)
        target = quarantineFolder / relative.parent_path()
            / pathFromUtf8(
                pathToUtf8(relative.stem()) + " (" + std::to_string(n) + ")" + pathToUtf8(relative.extension()));
    moveFile(file, target, rename);
    return { file, target };
}

QuarantineResult quarantineFiles(const std::vector<std::filesystem::path>& files, const std::filesystem::path& root,
    const std::filesystem::path& quarantineFolder, const recolors::RenameFunction& rename)
{
    QuarantineResult result;
    for (const std::filesystem::path& file : files) {
        try {
            result.moved.push_back(quarantineFile(file, root, quarantineFolder, rename));
        } catch (const std::exception& failure) {
            result.failed.push_back({ file, failure.what(), phraseOf(failure) });
        }
    }
    return result;
}

void undoQuarantine(const QuarantineMove& move, const recolors::RenameFunction& rename)
{
    moveFile(move.quarantined, move.original, rename);
}

} // namespace varnick::health
