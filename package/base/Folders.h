#pragma once

#include <filesystem>

namespace varnick {

/// The folder that holds the running program file (no trailing separator).
std::filesystem::path programFolder();

/// The per-user application data folder for Varnick (%APPDATA%\Varnick on
/// Windows, $XDG_DATA_HOME/Varnick or ~/.local/share/Varnick elsewhere).
/// Created when missing. VARNICK_USER_DATA_DIR overrides it.
std::filesystem::path userDataFolder();

/// The folder for files kept "beside the program" (errorlog.txt, temp,
/// DecompError.log): the program folder when it can be written, otherwise
/// userDataFolder(). Every such file goes through this one decision.
std::filesystem::path besideProgramFolder();

/// Whether a new file can be created in folder (probed by creating and deleting one).
bool isFolderWritable(const std::filesystem::path& folder);

/// Tests point the program folder somewhere else; an empty path restores the real one.
void setProgramFolderForTesting(const std::filesystem::path& folder);

} // namespace varnick
