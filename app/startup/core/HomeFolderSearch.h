#pragma once

#include "app/startup/core/GameLocator.h"

namespace varnick::locate {

class InstallCollector;

/// The installs below places.home: the Wine prefixes ($WINEPREFIX, each
/// Steam library's Proton prefix, ~/.wine, Bottles, Lutris), each searched
/// once, then the macOS data folders.
void searchHomeFolders(const GameSearchPlaces& places, InstallCollector& out);

} // namespace varnick::locate
