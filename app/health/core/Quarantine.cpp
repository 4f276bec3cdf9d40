#include "app/health/core/Quarantine.h"

#include "package/base/ErrorTrap.h"
#include "package/base/Folders.h"
#include "package/base/Paths.h"

#include <system_error>

namespace varnick::health {

namespace {

// Renames, or copies and then removes the source where the two lie on
// different volumes; a failed copy leaves no partial target behind.
void moveFile(const std::filesystem::path& from, const std::filesystem::path& to)
{
    std::error_code error;
    std::filesystem::create_directories(to.parent_path(), error);
    if (std::filesystem::exists(to, error))
        throw Failure(ErrorCode::FileReplaceFailed, "A file of that name is already at " + pathToUtf8(to));
    std::filesystem::rename(from, to, error);
    if (!error)
        return;
    std::error_code copyError;
    std::filesystem::copy_file(from, to, copyError);
    if (!copyError) {
        std::filesystem::remove(from, copyError);
        if (!copyError)
            return;
    }
    std::error_code ignored;
    if (std::filesystem::exists(from, ignored))
        std::filesystem::remove(to, ignored);
    throw Failure(ErrorCode::FileReplaceFailed, "The file cannot be moved: " + error.message());
}

} // namespace

std::filesystem::path defaultQuarantineFolder()
{
    return userDataFolder() / "Quarantine";
}

QuarantineMove quarantineFile(
    const std::filesystem::path& file, const std::filesystem::path& root, const std::filesystem::path& quarantineFolder)
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
    moveFile(file, target);
    return { file, target };
}

void undoQuarantine(const QuarantineMove& move)
{
    moveFile(move.Quarantined, move.Original);
}

} // namespace varnick::health
