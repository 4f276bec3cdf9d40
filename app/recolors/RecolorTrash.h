#pragma once
// Where the delete and move window sends deleted files: the desktop's trash
// (through Qt where it offers one), and only where there is none, deleted outright.

#include "app/recolors/core/FileMoves.h"

#include <QString>

namespace varnick {

/// Whether deleted files can go to a trash on this desktop.
bool desktopHasTrash();

/// Moves one file to the desktop's trash (Qt's own, else the platform's), or
/// removes it outright when the desktop has no trash. True when it is gone.
bool sendToTrash(const std::filesystem::path& file);

/// sendToTrash as the remover the file moves core takes.
recolors::RemoveFunction desktopRemover();

/// The sentence the delete confirmations add, saying where the files go.
QString trashNote();

} // namespace varnick
