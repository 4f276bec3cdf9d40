#include "app/backups/core/OriginalRestore.h"

#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"

namespace varnick {

OriginalRestore::OriginalRestore(BackupStore store, std::filesystem::path file)
    : mStore(std::move(store))
    , mFile(std::move(file))
{
}

bool OriginalRestore::available() const
{
    return mStore.hasOriginal(mFile);
}

std::string OriginalRestore::title()
{
    return "Restore Original";
}

std::string OriginalRestore::question() const
{
    return "Restore the original version of " + pathToUtf8(mFile.filename())
        + "? The current version is kept as a backup.";
}

std::string OriginalRestore::unavailableText()
{
    return "No backup of this object is kept.";
}

std::string OriginalRestore::restoredText() const
{
    return "The original version of " + pathToUtf8(mFile.filename()) + " was restored.";
}

void OriginalRestore::restore()
{
    if (!available())
        throw Failure(ErrorCode::FileOpenFailed, unavailableText());
    mStore.restoreOriginal(mFile);
}

} // namespace varnick
