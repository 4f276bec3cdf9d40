#pragma once

// The folder list behind the main window's tree: every folder below a root,
// as paths relative to it written with "\" (the tree's keys), listed breadth
// first and then sorted ordinally so that parents come before their children
// and siblings appear in code-unit order (capital letters first).

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace varnick::browser {

/// The relative path of the root element in Downloads mode.
inline constexpr std::string_view kDownloadsElement = "\\Downloads";

/// Every folder below root + rootElement, breadth first, each level in listing
/// order; element 0 is rootElement itself. Hidden (and on Windows system)
/// folders and folder links are not listed (a link could lead back up and list
/// forever). A folder that cannot be listed contributes no children; a missing
/// root gives rootElement alone. An empty root lists nothing but rootElement. Never throws
/// beyond allocation.
std::vector<std::string> listDataFolders(const std::filesystem::path& root, std::string_view rootElement);

/// Sorts a folder list ascending by code unit (bytes of UTF-8), as the tree shows it.
void sortFolderList(std::vector<std::string>& folders);

/// The text after the last "\" of a relative path (the whole text when there is none).
std::string mfstrGetFolderName(std::string_view path);

/// The text before the last "\" of a relative path ("" when there is none).
std::string mfstrGetParentPath(std::string_view path);

/// The folder on disk for a relative path ("\a\b") below root.
std::filesystem::path folderOnDisk(const std::filesystem::path& root, std::string_view relative);

/// The folders of root as the tree holds them in alternate mode: listed, then sorted.
std::vector<std::string> treeFolders(const std::filesystem::path& root, std::string_view rootElement);

} // namespace varnick::browser
