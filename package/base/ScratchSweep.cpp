#include "package/base/ScratchSweep.h"

#include "package/base/FileReplace.h"
#include "package/base/FolderListing.h"
#include "package/base/Paths.h"

#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <system_error>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <cerrno>
#include <csignal>
#include <unistd.h>
#endif

namespace varnick {

namespace fs = std::filesystem;

namespace {

using FileTime = fs::file_time_type;

// Taken while the program loads: every scratch file this process makes is
// newer, so none of them can be mistaken for a leftover.
const FileTime gProcessStart = FileTime::clock::now();

constexpr std::chrono::seconds kFileTimeResolution { 2 };

unsigned long currentProcess()
{
#ifdef _WIN32
    return GetCurrentProcessId();
#else
    return static_cast<unsigned long>(::getpid());
#endif
}

// The process id in a scratch name ("<name>.varnick-<pid>-<n>.tmp").
std::optional<unsigned long> writerOf(const fs::path& fileName)
{
    if (!isScratchFileName(fileName))
        return std::nullopt;
    const std::string name = pathToUtf8(fileName.filename());
    const std::size_t counterDash = name.rfind('-');
    const std::size_t processDash = name.rfind('-', counterDash - 1);
    const std::string digits = name.substr(processDash + 1, counterDash - processDash - 1);
    try {
        return std::stoul(digits);
    } catch (const std::exception&) {
        return std::nullopt; // more digits than a process id has: not ours
    }
}

// Whether a process with this id is running now. In doubt (no right to ask)
// it counts as running, so that its file stays.
bool processIsRunning(unsigned long process)
{
#ifdef _WIN32
    HANDLE handle = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(process));
    if (handle == nullptr)
        return GetLastError() != ERROR_INVALID_PARAMETER;
    DWORD exitCode = 0;
    const BOOL known = GetExitCodeProcess(handle, &exitCode);
    CloseHandle(handle);
    return !known || exitCode == STILL_ACTIVE;
#else
    if (process == 0 || process > static_cast<unsigned long>(INT32_MAX))
        return false;
    if (::kill(static_cast<pid_t>(process), 0) == 0)
        return true;
    return errno == EPERM;
#endif
}

bool removeIfStale(const FolderEntry& entry)
{
    std::error_code error;
    if (entry.kind != FolderEntry::Kind::File || entry.isLink || !isStaleScratchFile(entry.path))
        return false;
    return fs::remove(entry.path, error) && !error;
}

} // namespace

bool isStaleScratchFile(const fs::path& path)
{
    const std::optional<unsigned long> writer = writerOf(path);
    if (!writer)
        return false;
    if (*writer != currentProcess())
        return !processIsRunning(*writer);
    // Under this process's own id, a file older than this process was made by
    // an earlier process that had the same id. File times are coarser than the
    // clock (whole seconds through the Windows runtime, two seconds on FAT): a
    // file this process writes just after its start can carry a time just
    // before it, so only a file older by more than that is a leftover.
    std::error_code error;
    const FileTime modified = fs::last_write_time(path, error);
    return !error && modified < gProcessStart - kFileTimeResolution;
}

std::size_t removeStaleScratchFiles(const fs::path& folder, bool recursive)
{
    std::size_t removed = 0;
    std::error_code error;
    try {
        // The system's own listing: the standard one cannot open a folder beyond MAX_PATH on Windows.
        const auto visit = [&](const FolderEntry& entry) {
            if (removeIfStale(entry))
                ++removed;
        };
        if (recursive) {
            walkFolderTree(folder, visit, error);
        } else {
            std::vector<FolderEntry> entries;
            listFolder(folder, entries, error);
            for (const FolderEntry& entry : entries)
                visit(entry);
        }
    } catch (const std::exception&) {
        // Out of memory or a name that cannot be converted: what went, went.
    }
    return removed;
}

void sweepFolderBeforeWrite(const fs::path& folder)
{
    static std::mutex mutex;
    static std::set<fs::path> swept;
    try {
        const fs::path key = folder.empty() ? fs::path(".") : folder.lexically_normal();
        {
            const std::lock_guard lock(mutex);
            if (!swept.insert(key).second)
                return;
        }
        removeStaleScratchFiles(key);
    } catch (const std::exception&) {
        // The sweep is housekeeping; a write never fails for it.
    }
}

} // namespace varnick
