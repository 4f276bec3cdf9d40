#pragma once

// The backup options of the commands that replace files (set, purge-thumbnails,
// restore): where the previous versions go and how many are kept, as the
// program's settings say it for the windows.

#include "app/backups/core/BackupStore.h"
#include "package/base/Paths.h"

#include <CLI/CLI.hpp>

#include <string>

namespace varnick::cli {

struct BackupArguments {
    std::string folder;
    int generations = 1;
    int keepDays = 30;
    bool none = false;

    /// The store in folder (default: the per-user data folder's "Backups") with the policy given.
    BackupStore store() const
    {
        return BackupStore(folder.empty() ? BackupStore::defaultFolder() : pathFromUtf8(folder),
            BackupPolicy { generations, keepDays });
    }
};

/// --backup-folder alone (restore).
inline void addBackupFolderOption(CLI::App& command, BackupArguments& arguments)
{
    command.add_option("--backup-folder", arguments.folder, "where previous versions are kept");
}

/// --backup-folder, --generations, --keep-days and --no-backup.
inline void addBackupOptions(CLI::App& command, BackupArguments& arguments)
{
    addBackupFolderOption(command, arguments);
    command
        .add_option("--generations", arguments.generations, "versions kept per file, the original included (default 1)")
        ->check(CLI::Range(1, 1000));
    command.add_option("--keep-days", arguments.keepDays, "days a backup is kept, 0 for ever (default 30)")
        ->check(CLI::Range(0, 100000));
    command.add_flag("--no-backup", arguments.none, "keep no previous version");
}

} // namespace varnick::cli
