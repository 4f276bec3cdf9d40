#include "package/base/FileReplace.h"

#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"
#include "package/base/RawFile.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace varnick {

namespace {

std::atomic<unsigned> gScratchCounter { 0 };
std::atomic<bool> gFailFlushForTesting { false };
std::atomic<bool> gFailRenameForTesting { false };

// The part of a scratch file name between the target's name and the numbers.
constexpr std::string_view kScratchMarker = ".varnick-";
constexpr std::string_view kScratchExtension = ".tmp";

[[noreturn]] void failReplace(const std::filesystem::path& target, const std::string& why)
{
    throw Failure(
        ErrorCode::FileReplaceFailed, "The finished file could not replace " + pathToUtf8(target) + ": " + why);
}

void flushFile(const std::filesystem::path& fileName, bool dataOnly = false)
{
    if (gFailFlushForTesting)
        throw Failure(ErrorCode::FileWriteFailed, "The scratch file could not be flushed to disk (simulated)");
#ifdef _WIN32
    (void)dataOnly;
    HANDLE handle = CreateFileW(systemPath(fileName).c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        throw Failure(ErrorCode::FileWriteFailed, "The scratch file cannot be opened to flush it");
    const BOOL flushed = FlushFileBuffers(handle);
    CloseHandle(handle);
    if (!flushed)
        throw Failure(ErrorCode::FileWriteFailed, "The scratch file could not be flushed to disk");
#else
    const int descriptor = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        throw Failure(ErrorCode::FileWriteFailed,
            std::string("The scratch file cannot be opened to flush it: ") + std::strerror(errno));
    // The data alone is what a second name of finished bytes needs: its new
    // name is made durable by flushing the folder that holds it.
    const int result = dataOnly ? ::fdatasync(descriptor) : ::fsync(descriptor);
    const int error = errno;
    ::close(descriptor);
    if (result != 0)
        throw Failure(ErrorCode::FileWriteFailed,
            std::string("The scratch file could not be flushed to disk: ") + std::strerror(error));
#endif
}

// Renames source over target in one step. Returns false with crossDevice set
// when the two lie on different volumes; throws for any other failure.
bool renameOver(const std::filesystem::path& source, const std::filesystem::path& target, bool& crossDevice)
{
    crossDevice = false;
    if (gFailRenameForTesting)
        failReplace(target, "renaming failed (simulated)");
#ifdef _WIN32
    if (MoveFileExW(
            systemPath(source).c_str(), systemPath(target).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    const DWORD error = GetLastError();
    if (error == ERROR_NOT_SAME_DEVICE) {
        crossDevice = true;
        return false;
    }
    // A target that another program has open without delete sharing refuses the
    // move; ReplaceFileW copes with some of those cases and keeps its attributes.
    if (error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION) {
        if (ReplaceFileW(systemPath(target).c_str(), systemPath(source).c_str(), nullptr,
                REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
            return true;
    }
    failReplace(target, std::system_category().message(static_cast<int>(error)));
#else
    if (::rename(source.c_str(), target.c_str()) == 0) {
        flushFolderToDisk(target.parent_path());
        return true;
    }
    if (errno == EXDEV) {
        crossDevice = true;
        return false;
    }
    failReplace(target, std::strerror(errno));
#endif
}

} // namespace

void flushFolderToDisk(const std::filesystem::path& folder)
{
#ifdef _WIN32
    // Windows makes a rename durable with the rename itself (MOVEFILE_WRITE_THROUGH).
    (void)folder;
#else
    // A folder that cannot be synced (some network file systems) does not
    // undo what was put in it, so failures are ignored.
    const int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
#endif
}

bool flushVolumeToDisk(const std::filesystem::path& folder)
{
    if (gFailFlushForTesting)
        throw Failure(ErrorCode::FileWriteFailed, "The volume could not be flushed to disk (simulated)");
#ifdef __linux__
    const int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    const int result = ::syncfs(descriptor);
    ::close(descriptor);
    return result == 0;
#else
    // Elsewhere a whole volume is flushed only with rights a player's program lacks.
    (void)folder;
    return false;
#endif
}

void flushFileDataToDisk(const std::filesystem::path& file)
{
    flushFile(file, true);
}

std::filesystem::path scratchPathBeside(const std::filesystem::path& target)
{
#ifdef _WIN32
    const unsigned long process = GetCurrentProcessId();
#else
    const unsigned long process = static_cast<unsigned long>(::getpid());
#endif
    std::string suffix(kScratchMarker);
    suffix += std::to_string(process);
    suffix += '-';
    suffix += std::to_string(++gScratchCounter);
    suffix += kScratchExtension;
    std::filesystem::path scratch = target;
    scratch += pathFromUtf8(suffix);
    return scratch;
}

bool isScratchFileName(const std::filesystem::path& fileName)
{
    const std::string name = pathToUtf8(fileName.filename());
    if (name.size() <= kScratchExtension.size() || !name.ends_with(kScratchExtension))
        return false;
    // "<name>.varnick-<digits>-<digits>.tmp", <name> not empty.
    const std::string_view rest = std::string_view(name).substr(0, name.size() - kScratchExtension.size());
    const auto digitsBefore = [&](std::size_t end) {
        std::size_t start = end;
        while (start > 0 && rest[start - 1] >= '0' && rest[start - 1] <= '9')
            --start;
        return start;
    };
    const std::size_t counter = digitsBefore(rest.size());
    if (counter == rest.size() || counter == 0 || rest[counter - 1] != '-')
        return false;
    const std::size_t process = digitsBefore(counter - 1);
    if (process == counter - 1 || process < kScratchMarker.size() + 1)
        return false;
    return rest.substr(process - kScratchMarker.size(), kScratchMarker.size()) == kScratchMarker;
}

void replaceFileAtomically(const std::filesystem::path& scratch, const std::filesystem::path& target)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(scratch, error))
        failReplace(target, "the scratch file " + pathToUtf8(scratch) + " does not exist");
    flushFile(scratch);

    bool crossDevice = false;
    if (renameOver(scratch, target, crossDevice))
        return;

    // Different volumes: a rename cannot cross them, so copy the scratch file
    // beside the target first; the target is replaced only by the final rename.
    const std::filesystem::path sibling = scratchPathBeside(target);
    try {
        if (!std::filesystem::copy_file(scratch, sibling, std::filesystem::copy_options::overwrite_existing, error)
            || error)
            failReplace(target, "copying the scratch file beside it failed: " + error.message());
        flushFile(sibling);
        if (!renameOver(sibling, target, crossDevice))
            failReplace(target, "renaming its copy failed");
    } catch (...) {
        std::filesystem::remove(sibling, error);
        throw;
    }
    std::filesystem::remove(scratch, error);
}

void failRenameForTesting(bool fail)
{
    gFailRenameForTesting = fail;
}

void failFlushForTesting(bool fail)
{
    gFailFlushForTesting = fail;
}

} // namespace varnick
