#pragma once

// The main window's folder tree without widgets: the nodes the tree shows for
// a root (Downloads below the game's data folder, or an alternate path), built
// from the same folder list `varnick-cli folders` prints, and the mapping from
// a node back to its folder on disk and to the setting that remembers it.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace varnick::browser {

/// Which root the tree shows.
enum class TreeRoot { Downloads, Alternate };

/// The text of the alternate root's node; a node's path starts with it in alternate mode.
inline constexpr std::string_view kAlternateRootText = "(Alternate Path Root)";

/// One node: parents come before their children.
struct FolderNode {
    std::string text; ///< the folder's name (the root's caption for node 0)
    std::string key; ///< "\Downloads\a\b" or "(AltPath)\a\b": unique within the tree
    std::string path; ///< the captions from the root down, joined with "\" ("Downloads\a\b")
    std::ptrdiff_t parent = -1; ///< index of the parent node; -1 for the root
};

/// The nodes of the tree of rootPath (node 0 the root). Downloads mode lists
/// the "Downloads" folder below rootPath; an empty rootPath gives the root
/// node alone. Folders that cannot be listed give no children. Never throws beyond allocation.
std::vector<FolderNode> buildFolderTree(const std::filesystem::path& rootPath, TreeRoot mode, bool rootIsDataFolder);

/// The folder on disk that the node with path nodePath stands for.
std::filesystem::path folderOfNode(const std::filesystem::path& rootPath, TreeRoot mode, std::string_view nodePath);

/// What the settings keep of the last folder chosen: the node's path in
/// Downloads mode, the part after the alternate root's caption otherwise.
std::string lastFolderSetting(TreeRoot mode, std::string_view nodePath);

/// The path of the node a kept setting names ("" when nothing is kept in Downloads mode).
std::string nodePathOfSetting(TreeRoot mode, std::string_view setting);

} // namespace varnick::browser
