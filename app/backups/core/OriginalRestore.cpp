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

std::string OriginalRestore::title(const Phrasebook& words)
{
    return words.say("OriginalRestore", VARNICK_TRANSLATE_NOOP("OriginalRestore", "Restore Original"));
}

std::string OriginalRestore::question(const Phrasebook& words) const
{
    return words.say("OriginalRestore",
        VARNICK_TRANSLATE_NOOP(
            "OriginalRestore", "Restore the original version of %1? The current version is kept as a backup."),
        { pathToUtf8(mFile.filename()) });
}

std::string OriginalRestore::unavailableText(const Phrasebook& words)
{
    return words.say("OriginalRestore", VARNICK_TRANSLATE_NOOP("OriginalRestore", "No backup of this object is kept."));
}

std::string OriginalRestore::restoredText(const Phrasebook& words) const
{
    return words.say("OriginalRestore",
        VARNICK_TRANSLATE_NOOP("OriginalRestore", "The original version of %1 was restored."),
        { pathToUtf8(mFile.filename()) });
}

void OriginalRestore::restore()
{
    if (!available())
        throw Failure(
            ErrorCode::FileOpenFailed, Phrase(VARNICK_PHRASE("OriginalRestore", "No backup of this object is kept.")));
    mStore.restoreOriginal(mFile);
}

} // namespace varnick
