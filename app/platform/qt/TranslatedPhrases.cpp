#include "app/platform/qt/TranslatedPhrases.h"

#include "app/platform/qt/TextBridge.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Utf8.h"

#include <QCoreApplication>

#include <climits>

namespace varnick {

std::string TranslatedPhrases::say(
    const char* context, const char* english, std::initializer_list<std::string_view> args) const
{
    return fillPlaceholders(text::toUtf8(QCoreApplication::translate(context, english)), args);
}

std::string TranslatedPhrases::count(
    const char* context, const char* english, std::size_t n, std::initializer_list<std::string_view> args) const
{
    const int shown = n > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(n);
    const QString translated = QCoreApplication::translate(context, english, nullptr, shown);
    // Without a translation Qt hands back the source with only %n filled in.
    if (translated == QString::fromUtf8(english).replace(QStringLiteral("%n"), QString::number(shown)))
        return Phrasebook::count(context, english, n, args);
    return fillPlaceholders(text::toUtf8(translated), args);
}

const Phrasebook& translatedPhrases()
{
    static const TranslatedPhrases phrases;
    return phrases;
}

QString phraseText(const Phrase& phrase)
{
    return text::fromUtf8(toValidUtf8(say(translatedPhrases(), phrase)));
}

QString failureText(const std::exception& error)
{
    return phraseText(phraseOf(error));
}

} // namespace varnick
