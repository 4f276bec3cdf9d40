#include "app/browser/core/FolderTree.h"

#include "app/browser/core/FolderList.h"

#include <algorithm>
#include <map>

namespace varnick::browser {

namespace {

constexpr std::string_view kDownloadsText = "Downloads";
constexpr std::string_view kAlternateKeyPrefix = "(AltPath)";

} // namespace

std::vector<FolderNode> buildFolderTree(const std::filesystem::path& rootPath, TreeRoot mode, bool rootIsDataFolder)
{
    // Only the game's data folder itself is listed below its Downloads element;
    // any other root (an alternate path) is listed as it is.
    const std::string_view element = rootIsDataFolder ? kDownloadsElement : std::string_view();
    std::vector<std::string> folders
        = rootPath.empty() ? std::vector<std::string> { std::string(element) } : treeFolders(rootPath, element);
    const bool downloads = mode == TreeRoot::Downloads;
    const std::string prefix = downloads ? std::string() : std::string(kAlternateKeyPrefix);

    std::vector<FolderNode> nodes;
    nodes.reserve(folders.size());
    FolderNode root;
    root.text = downloads ? std::string(kDownloadsText) : std::string(kAlternateRootText);
    root.key = downloads ? std::string(kDownloadsElement) : std::string(kAlternateKeyPrefix);
    root.path = root.text;
    nodes.push_back(root);
    std::map<std::string, std::size_t> byKey { { root.key, 0 } };
    for (std::size_t i = 1; i < folders.size(); ++i) {
        const std::string& folder = folders[i];
        FolderNode node;
        node.text = mfstrGetFolderName(folder);
        node.key = prefix + folder;
        // A node whose parent is not listed hangs from the root.
        const auto parent = byKey.find(prefix + mfstrGetParentPath(folder));
        node.parent = static_cast<std::ptrdiff_t>(parent == byKey.end() ? 0 : parent->second);
        node.path = nodes[static_cast<std::size_t>(node.parent)].path + "\\" + node.text;
        byKey[node.key] = nodes.size();
        nodes.push_back(std::move(node));
    }
    return nodes;
}

std::filesystem::path folderOfNode(const std::filesystem::path& rootPath, TreeRoot mode, std::string_view nodePath)
{
    if (mode == TreeRoot::Alternate)
        return folderOnDisk(rootPath, lastFolderSetting(mode, nodePath));
    return folderOnDisk(rootPath, "\\" + std::string(nodePath));
}

std::string lastFolderSetting(TreeRoot mode, std::string_view nodePath)
{
    if (mode == TreeRoot::Downloads)
        return std::string(nodePath);
    // The alternate root's caption is cut by its length, whatever the path begins with.
    return std::string(nodePath.substr(std::min(nodePath.size(), kAlternateRootText.size())));
}

std::string nodePathOfSetting(TreeRoot mode, std::string_view setting)
{
    if (mode == TreeRoot::Downloads)
        return std::string(setting);
    return std::string(kAlternateRootText) + std::string(setting);
}

} // namespace varnick::browser
