#pragma once

#include "app/platform/Utility.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"

#include <filesystem>
#include <string>
#include <utility>

namespace varnick::test {

/// For its lifetime every file search fails to list one folder, as a folder
/// without permission would for a user who is not root; the others are listed
/// as usual.
class FailingFolderLister {
public:
    explicit FailingFolderLister(std::filesystem::path folder)
        : mFolder(std::move(folder))
    {
        mPrevious = setFolderListerForTesting([failing = mFolder](const std::filesystem::path& listed) {
            if (listed == failing)
                throw unlistableFolder(listed, "Permission denied");
            return listFolderEntries(listed);
        });
    }
    ~FailingFolderLister() { setFolderListerForTesting(std::move(mPrevious)); }
    FailingFolderLister(const FailingFolderLister&) = delete;
    FailingFolderLister& operator=(const FailingFolderLister&) = delete;

private:
    std::filesystem::path mFolder;
    FolderLister mPrevious;
};

} // namespace varnick::test
