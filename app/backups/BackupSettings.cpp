#include "app/backups/BackupSettings.h"

#include "app/platform/qt/Settings.h"

namespace varnick {

BackupPolicy backupPolicyFromSettings()
{
    BackupPolicy policy;
    bool ok = false;
    const int generations = Settings::value(SettingKey::BackupGenerations).toInt(&ok);
    if (ok && generations > 0)
        policy.generations = generations;
    const int days = Settings::value(SettingKey::BackupDays).toInt(&ok);
    if (ok && days >= 0)
        policy.maxAgeDays = days;
    return policy;
}

BackupStore programBackups()
{
    return BackupStore(BackupStore::defaultFolder(), backupPolicyFromSettings());
}

} // namespace varnick
