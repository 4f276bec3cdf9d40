#include "package/base/FolderListing.h"

#include "package/base/Paths.h"

#include <mutex>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
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
    std::filesystem::directory_iterator it(folder, error);
    for (const std::filesystem::directory_iterator end; !error && it != end; it.increment(error)) {
        FolderEntry entry;
        entry.path = it->path();
        std::error_code kindError;
        entry.isLink = it->is_symlink(kindError);
        entry.kind = it->is_directory(kindError) ? FolderEntry::Kind::Folder
            : it->is_regular_file(kindError)     ? FolderEntry::Kind::File
                                                 : FolderEntry::Kind::Other;
        const std::string name = pathToUtf8(entry.path.filename());
        entry.isHidden = !name.empty() && name.front() == '.';
        entries.push_back(std::move(entry));
    }
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
