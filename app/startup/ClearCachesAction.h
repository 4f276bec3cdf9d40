#pragma once

class QMenu;
class QWidget;

namespace varnick {

/// Tools, "Clear Game Caches...": asks, then moves the game's catalog and
/// thumbnail caches of the data folder in use into the backup store, lists
/// what was moved, and reads the (now missing) object thumbnail cache anew.
/// Refused while the game runs. Returns whether anything was moved.
bool clearGameCachesAction(QWidget* owner);

/// Adds "Clear Game &Caches..." (smenuClearCaches) to the Tools menu.
void addClearGameCachesMenuItem(QMenu* tools, QWidget* owner);

} // namespace varnick
