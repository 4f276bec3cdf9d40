#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Steam's text key-value files: the list of Steam libraries
// (steamapps/libraryfolders.vdf) and a game's manifest
// (steamapps/appmanifest_<app>.acf).

namespace varnick::steam {

/// One key with either a text value or a block of further keys.
struct KeyValue {
    std::string key;
    std::string value; ///< the text; empty for a block
    bool isBlock = false;
    std::vector<KeyValue> children; ///< the block's keys, in file order

    /// The first child whose key matches name without ASCII case; null when none.
    const KeyValue* child(std::string_view name) const;
};

/// The largest file read; larger ones are refused unread.
inline constexpr std::uintmax_t kMaxKeyValueFileBytes = 16ull * 1024 * 1024;
/// Blocks nested deeper than this mark a hostile file.
inline constexpr int kMaxKeyValueDepth = 32;
/// Keys beyond this count mark a hostile file.
inline constexpr std::size_t kMaxKeyValueCount = 200000;

/// Parses the text of a key-value file into its top-level keys. Throws
/// GameFileError naming the line and the fault when the text is damaged or cut
/// off (an unclosed quote or block, a stray closing brace, a key without value)
/// or beyond the limits above.
std::vector<KeyValue> parseKeyValues(std::string_view text);

/// The library folders a libraryfolders.vdf lists, in its order: the "path"
/// of each numbered block, or the text of each numbered key in the older
/// form. Throws GameFileError when the text is damaged or not such a list.
std::vector<std::filesystem::path> libraryFolders(std::string_view text);

/// The installdir of an appmanifest_<app>.acf; nullopt when it names none.
/// Throws GameFileError when the text is damaged.
std::optional<std::string> manifestInstallFolder(std::string_view text);

} // namespace varnick::steam
