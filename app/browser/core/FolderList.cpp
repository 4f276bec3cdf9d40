#include "app/browser/core/FolderList.h"

#include "app/platform/Utility.h"
#include "package/base/FolderListing.h"
#include "package/base/Paths.h"

#include <algorithm>
#include <system_error>

namespace varnick::browser {

std::vector<std::string> listDataFolders(const std::filesystem::path& root, std::string_view rootElement)
{
    std::vector<std::string> folders { std::string(rootElement) };
    if (root.empty())
        return folders;
    // The list grows while it is walked: each folder's children are appended behind it.
    for (std::size_t i = 0; i < folders.size(); ++i) {
        std::vector<FolderEntry> entries;
        std::error_code error;
        listFolder(folderOnDisk(root, folders[i]), entries, error);
        // A folder that stops listing part-way still shows the subfolders read before.
        for (const FolderEntry& entry : entries) {
            if (entry.kind != FolderEntry::Kind::Folder || entry.isLink || entry.isHidden
                || !isUnicodePath(entry.path.filename()))
                continue;
            folders.push_back(folders[i] + "\\" + pathToUtf8(entry.path.filename()));
        }
    }
    return folders;
}

void sortFolderList(std::vector<std::string>& folders)
{
    std::sort(folders.begin(), folders.end(),
        [](const std::string& a, const std::string& b) { return std::string_view(a) < std::string_view(b); });
}

std::string mfstrGetFolderName(std::string_view path)
{
    const std::size_t slash = path.rfind('\\');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string mfstrGetParentPath(std::string_view path)
{
    const std::size_t slash = path.rfind('\\');
    return std::string(slash == std::string_view::npos ? std::string_view() : path.substr(0, slash));
}

std::filesystem::path folderOnDisk(const std::filesystem::path& root, std::string_view relative)
{
    std::filesystem::path folder = root;
    std::size_t start = 0;
    while (start <= relative.size()) {
        const std::size_t slash = relative.find('\\', start);
        const std::string_view part
            = relative.substr(start, slash == std::string_view::npos ? std::string_view::npos : slash - start);
        if (!part.empty())
            folder /= pathFromUtf8(std::string(part));
        if (slash == std::string_view::npos)
            break;
        start = slash + 1;
    }
    return folder;
}

std::vector<std::string> treeFolders(const std::filesystem::path& root, std::string_view rootElement)
{
    std::vector<std::string> folders = listDataFolders(root, rootElement);
    sortFolderList(folders);
    return folders;
}

} // namespace varnick::browser
