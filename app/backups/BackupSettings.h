#pragma once

#include "app/backups/core/BackupStore.h"

namespace varnick {

/// The backup policy from the settings "Backup Generations" (versions kept
/// per file, the original included; default 1) and "Backup Days" (days a
/// backup is kept, 0 for ever; default 30). Values that are not numbers in range keep the default.
BackupPolicy backupPolicyFromSettings();

/// The program's backup store: BackupStore::defaultFolder() with the policy
/// from the settings, as the windows pass it to every save they make.
BackupStore programBackups();

} // namespace varnick
