#include "package/base/FolderListing.h"

#include "package/base/Paths.h"

#include <mutex>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <string>
#include <string_view>
#endif

namespace varnick {

namespace {

std::mutex gHookMutex;
FolderListingHook gHook;

bool listFolderOnDisk(const std::filesystem::path& folder, std::vector<FolderEntry>& entries, std::error_code& error)
{
    error.clear();
#ifdef _WIN32
    std::wstring pattern = systemPath(folder).native();
    if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L'/')
        pattern += L'\\';
    pattern += L'*';
    WIN32_FIND_DATAW data {};
    HANDLE find = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr, 0);
    if (find == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        // An empty folder has no entries, not a failure (only a drive root can answer so).
        if (code == ERROR_FILE_NOT_FOUND && GetFileAttributesW(systemPath(folder).c_str()) != INVALID_FILE_ATTRIBUTES)
            return true;
        error.assign(static_cast<int>(code), std::system_category());
        return false;
    }
    do {
        const std::wstring_view name = data.cFileName;
        if (name == L"." || name == L"..")
            continue;
        // Only another system's file seen through Wine can hold a separator:
        // no path names it, so it is left out.
        if (name.find_first_of(L"\\/") != std::wstring_view::npos)
            continue;
        FolderEntry entry;
        // Joined as text: "a:b" joined by the path operator would replace the
        // folder, as a name starting with a drive does.
        std::wstring joined = folder.native();
        if (!joined.empty() && joined.back() != L'\\' && joined.back() != L'/')
            joined += L'\\';
        entry.path = std::filesystem::path(joined + std::wstring(name));
        const DWORD attributes = data.dwFileAttributes;
        entry.kind = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? FolderEntry::Kind::Folder
            : (attributes & FILE_ATTRIBUTE_DEVICE) != 0           ? FolderEntry::Kind::Other
                                                                  : FolderEntry::Kind::File;
        // Only links and junctions: a cloud-synchronised file (a reparse point
        // of another tag) is the player's own file and lists as one.
        entry.isLink = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0
            && (data.dwReserved0 == IO_REPARSE_TAG_SYMLINK || data.dwReserved0 == IO_REPARSE_TAG_MOUNT_POINT);
        entry.isHidden = (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
        entries.push_back(std::move(entry));
    } while (FindNextFileW(find, &data));
    const DWORD code = GetLastError();
    FindClose(find);
    if (code != ERROR_NO_MORE_FILES) {
        error.assign(static_cast<int>(code), std::system_category());
        return false;
    }
    return true;
#else
    // readdir gives each entry's type; only a link, or a file system that
    // does not say, costs a stat. A link is the kind of what it points to.
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr) {
        error.assign(errno, std::generic_category());
        return false;
    }
    const int descriptor = ::dirfd(listing);
    std::string joined = folder.native();
    if (!joined.empty() && joined.back() != '/')
        joined += '/';
    const std::size_t stem = joined.size();
    for (;;) {
        errno = 0;
        const dirent* item = ::readdir(listing);
        if (item == nullptr) {
            if (errno != 0)
                error.assign(errno, std::generic_category());
            break;
        }
        const std::string_view name = item->d_name;
        if (name == "." || name == "..")
            continue;
        FolderEntry entry;
        unsigned char type = item->d_type;
        struct stat info { };
        if (type == DT_UNKNOWN && ::fstatat(descriptor, item->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0)
            type = S_ISLNK(info.st_mode) ? DT_LNK : S_ISDIR(info.st_mode) ? DT_DIR : S_ISREG(info.st_mode) ? DT_REG : 0;
        entry.isLink = type == DT_LNK;
        if (entry.isLink)
            type = ::fstatat(descriptor, item->d_name, &info, 0) != 0 ? 0
                : S_ISDIR(info.st_mode)                               ? DT_DIR
                : S_ISREG(info.st_mode)                               ? DT_REG
                                                                      : 0;
        entry.kind = type == DT_DIR ? FolderEntry::Kind::Folder
            : type == DT_REG        ? FolderEntry::Kind::File
                                    : FolderEntry::Kind::Other;
        entry.isHidden = name.front() == '.';
        joined.resize(stem);
        joined += name;
        entry.path = std::filesystem::path(joined);
        entries.push_back(std::move(entry));
    }
    ::closedir(listing);
    return !error;
#endif
}

} // namespace

FolderListingHook setFolderListingHookForTesting(FolderListingHook hook)
{
    const std::lock_guard lock(gHookMutex);
    std::swap(gHook, hook);
    return hook;
}

bool listFolder(const std::filesystem::path& folder, std::vector<FolderEntry>& entries, std::error_code& error)
{
    const bool listed = listFolderOnDisk(folder, entries, error);
    FolderListingHook hook;
    {
        const std::lock_guard lock(gHookMutex);
        hook = gHook;
    }
    if (hook)
        hook(folder, entries);
    return listed;
}

bool walkFolderTree(
    const std::filesystem::path& root, const std::function<void(const FolderEntry&)>& visit, std::error_code& error)
{
    std::vector<std::filesystem::path> folders { root };
    for (std::size_t i = 0; i < folders.size(); ++i) {
        std::vector<FolderEntry> entries;
        std::error_code listError;
        if (!listFolder(folders[i], entries, listError) && i == 0) {
            error = listError;
            return false;
        }
        for (const FolderEntry& entry : entries) {
            if (entry.kind == FolderEntry::Kind::Folder && !entry.isLink)
                folders.push_back(entry.path);
            visit(entry);
        }
    }
    error.clear();
    return true;
}

} // namespace varnick
