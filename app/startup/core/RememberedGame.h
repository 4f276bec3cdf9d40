#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The game data folder the player chose last time, as the program's settings
// store keeps it ("Game Data Folder" in section "Settings"). The windows write
// it through their settings layer; this reads it back without Qt, so that
// varnick-cli lists the installations in the order the program would choose.

namespace varnick {

/// The setting's key in section "Settings".
inline constexpr std::string_view kGameDataFolderSetting = "Game Data Folder";

/// The largest settings file read.
inline constexpr std::uintmax_t kMaxSettingsFileBytes = 4ull * 1024 * 1024;
/// The longest folder name accepted, in bytes.
inline constexpr std::size_t kMaxRememberedFolderBytes = 32767;

/// What the settings store holds for the setting.
struct RememberedFolder {
    std::string store; ///< where it was read (an INI file, a registry key), for messages
    std::optional<std::string> value; ///< the stored text; nullopt when never saved
};

/// The value of key in section of a settings INI file as the program's
/// settings layer writes it (keys with %-escapes, values quoted where needed,
/// backslash escapes, a leading '@' doubled). nullopt when the section or key
/// is missing. Throws GameFileError when the value is damaged or is not one text.
std::optional<std::string> iniSettingValue(std::string_view iniText, std::string_view section, std::string_view key);

/// The settings INI file of this user where the store is an INI file:
/// VARNICK_SETTINGS_FILE when set, else $XDG_CONFIG_HOME/Varnick/Varnick.conf
/// (~/.config when unset); empty on Windows and macOS, whose stores are the
/// registry and a property list.
std::filesystem::path settingsIniFile();

/// Reads the setting from this user's store (the INI file above, or the
/// registry on Windows). Throws GameFileError when the store cannot be read or
/// the value is damaged. On macOS, without a readable store, reports nothing.
RememberedFolder readRememberedGameFolder();

/// The folder named by a remembered value. Throws GameFileError when the
/// value is not valid UTF-8, too long, holds control characters, is not an
/// absolute path, or names no existing folder.
std::filesystem::path checkedRememberedFolder(std::string_view value);

/// Replaces where the remembered folder comes from (the windows read their own
/// settings layer, tests a fixed answer); an empty function restores the store.
void setRememberedGameFolderReader(std::function<RememberedFolder()> reader);

/// The remembered folder through the reader in force.
RememberedFolder rememberedGameFolder();

} // namespace varnick
