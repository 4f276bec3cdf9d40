#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace varnick {

/// The languages the program's windows speak: English and every translation
/// built into the program (":/translations/varnick_<code>.qm") that holds texts,
/// by code ("de", "es", "pt_BR"). The command line stays English.
namespace languages {

/// The codes of the shipped translations that hold texts, in order of code; English is not among them.
QStringList shipped();

/// A language's own name ("Deutsch", "Español", "Português (Brasil)"); the code when Qt knows no name.
QString nativeName(const QString& code);

/// The language the windows use for uiLanguages (QLocale::system().uiLanguages() by
/// default) and the chosen setting: the setting when it names a shipped language,
/// else the first of uiLanguages that is shipped (by full code, then by its language
/// alone: "de-AT" finds "de", "pt-BR" finds "pt_BR"), else "en".
QString resolve(const QString& chosen, const QStringList& uiLanguages);

/// The setting of Options, "Language...": a code, or "" to follow the system.
QString chosen();
/// Stores the choice ("" follows the system); it takes effect at the next start.
void choose(const QString& code);

/// Loads the windows' translation for the language resolve() picks from the setting
/// and the system, and Qt's own (its dialogs' buttons) where the system has them
/// (silently skipped where not). English loads the English plural forms. Installs
/// the translators on app, which owns them. Returns the language used.
QString install(QCoreApplication& app);

/// As install(), for a given language code, in place of the language installed before (the tests
/// start the windows in German with it).
QString installLanguageForTesting(QCoreApplication& app, const QString& code);

} // namespace languages

} // namespace varnick
