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
    std::string Folder;
    int Generations = 1;
    int KeepDays = 30;
    bool None = false;

    /// The store in Folder (default: the per-user data folder's "Backups") with the policy given.
    BackupStore store() const
    {
        return BackupStore(Folder.empty() ? BackupStore::defaultFolder() : pathFromUtf8(Folder),
            BackupPolicy { Generations, KeepDays });
    }
};

/// --backup-folder alone (restore).
inline void addBackupFolderOption(CLI::App& command, BackupArguments& arguments)
{
    command.add_option("--backup-folder", arguments.Folder, "where previous versions are kept");
}

/// --backup-folder, --generations, --keep-days and --no-backup.
inline void addBackupOptions(CLI::App& command, BackupArguments& arguments)
{
    addBackupFolderOption(command, arguments);
    command
        .add_option("--generations", arguments.Generations, "versions kept per file, the original included (default 1)")
        ->check(CLI::Range(1, 1000));
    command.add_option("--keep-days", arguments.KeepDays, "days a backup is kept, 0 for ever (default 30)")
        ->check(CLI::Range(0, 100000));
    command.add_flag("--no-backup", arguments.None, "keep no previous version");
}

} // namespace varnick::cli
