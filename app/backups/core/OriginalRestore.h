#pragma once

// "Restore Original": putting a file's first kept version back in its place.
// The decision (whether an original is kept), the texts the windows show and
// varnick-cli prints, and the restore itself, so that the editor's button,
// the main window's Tools menu and "varnick-cli restore" behave alike. Qt-free.

#include "app/backups/core/BackupStore.h"
#include "app/platform/Phrasebook.h"

#include <filesystem>
#include <string>

namespace varnick {

class OriginalRestore {
public:
    /// The restore of file from the generations that store keeps.
    OriginalRestore(BackupStore store, std::filesystem::path file);

    /// Whether an original of the file is kept. Never throws.
    bool available() const;

    /// The window's title for every box of the restore: "Restore Original".
    static std::string title(const Phrasebook& words = englishPhrases());
    /// The question before the restore: "Restore the original version of <file name>?
    /// The current version is kept as a backup."
    std::string question(const Phrasebook& words = englishPhrases()) const;
    /// The refusal when no original is kept: "No backup of this object is kept."
    static std::string unavailableText(const Phrasebook& words = englishPhrases());
    /// The report after the restore: "The original version of <file name> was restored."
    std::string restoredText(const Phrasebook& words = englishPhrases()) const;

    /// Puts the original back (the current version kept as a backup first).
    /// Throws Failure with unavailableText() when none is kept, or when writing
    /// fails; the file is then as it was.
    void restore();

    const std::filesystem::path& file() const { return mFile; }

private:
    BackupStore mStore;
    std::filesystem::path mFile;
};

} // namespace varnick
