// Linked into every widget test: the windows' texts as a player with an English
// system reads them, with the English plural forms ("1 object", "2 objects"),
// exactly as the program loads them at its start.
#include "app/options/Languages.h"

#include <QCoreApplication>
#include <QString>

namespace {

void installEnglish()
{
    varnick::languages::installLanguageForTesting(*QCoreApplication::instance(), QStringLiteral("en"));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installEnglish)
