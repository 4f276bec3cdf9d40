#include "app/platform/qt/Settings.h"

#include <QSettings>
#include <QTemporaryDir>

namespace varnick {

namespace {

const QString kApplication = QStringLiteral("Varnick");
const QString kSection = QStringLiteral("Settings");

// The INI file that replaces the platform store, when one is in force.
QString& overrideFile()
{
    static QString file;
    return file;
}

std::unique_ptr<QSettings> openStore()
{
    if (!overrideFile().isEmpty())
        return std::make_unique<QSettings>(overrideFile(), QSettings::IniFormat);
    const QString fromEnvironment = qEnvironmentVariable("VARNICK_SETTINGS_FILE");
    if (!fromEnvironment.isEmpty())
        return std::make_unique<QSettings>(fromEnvironment, QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, kApplication, kApplication);
}

QString sectionKey(const QString& key)
{
    return kSection + QLatin1Char('/') + key;
}

} // namespace

QString Settings::value(const QString& key)
{
    const auto store = openStore();
    const QVariant stored = store->value(sectionKey(key));
    return stored.isValid() ? stored.toString() : QString();
}

void Settings::setValue(const QString& key, const QString& value)
{
    const auto store = openStore();
    store->setValue(sectionKey(key), value);
    store->sync();
}

struct Settings::TemporaryStore::Private {
    QTemporaryDir folder;
    QString previous;
};

QString Settings::location()
{
    return openStore()->fileName();
}

Settings::TemporaryStore::TemporaryStore()
    : mPrivate(std::make_unique<Private>())
{
    mPrivate->previous = overrideFile();
    overrideFile() = mPrivate->folder.filePath(QStringLiteral("settings.ini"));
}

Settings::TemporaryStore::~TemporaryStore()
{
    overrideFile() = mPrivate->previous;
}

QString Settings::TemporaryStore::fileName() const
{
    return overrideFile();
}

} // namespace varnick
