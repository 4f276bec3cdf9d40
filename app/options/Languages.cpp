#include "app/options/Languages.h"

#include "app/platform/qt/HelpViewer.h"
#include "app/platform/qt/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

static void initTranslationResources()
{
    // The resource lives in a static library: it is linked in only when named.
    Q_INIT_RESOURCE(translations);
}

namespace varnick {

namespace {

const QString kResourceFolder = QStringLiteral(":/translations");

QString resourceFile(const QString& code)
{
    return QStringLiteral("%1/varnick_%2.qm").arg(kResourceFolder, code);
}

// A .ts file whose entries are all unfinished compiles to a translation without texts.
bool holdsTexts(const QString& code)
{
    QTranslator translator;
    return translator.load(resourceFile(code)) && !translator.isEmpty();
}

// Loads file into a translator owned by app and installs it; false when there is no such file.
bool installFile(QCoreApplication& app, const QString& file, const QString& folder = QString())
{
    auto* translator = new QTranslator(&app);
    if (!translator->load(file, folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace

QStringList languages::shipped()
{
    initTranslationResources();
    QStringList codes;
    const QStringList files = QDir(kResourceFolder).entryList({ QStringLiteral("varnick_*.qm") }, QDir::Files);
    for (const QString& file : files) {
        const QString code = file.mid(8, file.size() - 8 - 3);
        if (code != QStringLiteral("en") && holdsTexts(code))
            codes.append(code);
    }
    codes.sort();
    return codes;
}

QString languages::nativeName(const QString& code)
{
    // Qt names a language with its main country ("español de España"); a list of languages does not.
    static const QHash<QString, QString> names { { QStringLiteral("de"), QStringLiteral("Deutsch") },
        { QStringLiteral("es"), QStringLiteral("Español") }, { QStringLiteral("fr"), QStringLiteral("Français") },
        { QStringLiteral("nl"), QStringLiteral("Nederlands") },
        { QStringLiteral("pt_BR"), QStringLiteral("Português (Brasil)") } };
    if (names.contains(code))
        return names.value(code);
    const QLocale locale(code);
    if (locale.language() == QLocale::C)
        return code;
    const QString name = locale.nativeLanguageName();
    return name.left(1).toUpper() + name.mid(1);
}

QString languages::resolve(const QString& chosen, const QStringList& uiLanguages)
{
    const QStringList codes = shipped();
    if (codes.contains(chosen))
        return chosen;
    for (QString wanted : uiLanguages) {
        wanted.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (wanted.startsWith(QStringLiteral("en")))
            return QStringLiteral("en");
        if (codes.contains(wanted))
            return wanted;
        const QString language = wanted.section(QLatin1Char('_'), 0, 0);
        if (codes.contains(language))
            return language;
    }
    return QStringLiteral("en");
}

QString languages::chosen()
{
    return Settings::value(SettingKey::Language);
}

void languages::choose(const QString& code)
{
    Settings::setValue(SettingKey::Language, code);
}

QString languages::install(QCoreApplication& app)
{
    return installLanguageForTesting(app, resolve(chosen(), QLocale::system().uiLanguages()));
}

QString languages::installLanguageForTesting(QCoreApplication& app, const QString& code)
{
    initTranslationResources();
    // A translator removes itself when deleted: the earlier language gives way.
    qDeleteAll(app.findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
    HelpViewer::setLanguage(code);
    if (!installFile(app, resourceFile(code)))
        installFile(app, resourceFile(QStringLiteral("en")));
    // Message box buttons and the file dialog; the Windows folder has none of Qt's own, which is fine.
    if (code != QStringLiteral("en"))
        installFile(app, QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return code;
}

} // namespace varnick
