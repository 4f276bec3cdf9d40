#pragma once

#include "app/startup/core/EditionFolders.h"
#include "app/startup/core/GameInstall.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace varnick::locate {

/// The installs the search has found so far, each data folder once, with the
/// files it skipped. An install found again (by another key, or in another
/// view of the registry) adds only what the first finding lacked.
class InstallCollector {
public:
    void add(GameInstall install);
    void add(GameEdition edition, FoundBy foundBy, std::string source, std::optional<std::filesystem::path> install,
        const DataFolder& data, std::optional<std::string> displayName);

    std::vector<GameInstall>& installs() { return mInstalls; }
    std::vector<SkippedFile>& skipped() { return mSkipped; }

private:
    std::vector<GameInstall> mInstalls;
    std::vector<SkippedFile> mSkipped;
};

} // namespace varnick::locate
