// The settings that shape how windows save packages.
#include "app/editor/SaveSettings.h"

#include "app/platform/qt/Settings.h"

namespace varnick {

bool keepSavedResourcesCompressed()
{
    bool ok = false;
    const int value = Settings::value(SettingKey::KeepSavedResourcesCompressed).trimmed().toInt(&ok);
    return ok && value != 0;
}

void setKeepSavedResourcesCompressed(bool on)
{
    Settings::setValue(SettingKey::KeepSavedResourcesCompressed, on ? QStringLiteral("-1") : QStringLiteral("0"));
}

SaveOptions saveOptionsFromSettings()
{
    SaveOptions options;
    options.keepCompressed = keepSavedResourcesCompressed();
    return options;
}

} // namespace varnick
