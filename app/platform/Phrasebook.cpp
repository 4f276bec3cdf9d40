#include "app/platform/Phrasebook.h"

#include "app/platform/Words.h"

namespace varnick {

std::string Phrasebook::say(
    const char* /*context*/, const char* english, std::initializer_list<std::string_view> args) const
{
    return fillPlaceholders(english, args);
}

std::string Phrasebook::count(
    const char* /*context*/, const char* english, std::size_t n, std::initializer_list<std::string_view> args) const
{
    return fillPlaceholders(englishCount(english, n), args);
}

const Phrasebook& englishPhrases()
{
    static const Phrasebook english;
    return english;
}

std::string fillPlaceholders(std::string_view pattern, std::initializer_list<std::string_view> args)
{
    return fillPlaceholders(pattern, std::span<const std::string_view>(args.begin(), args.size()));
}

std::string englishCount(std::string_view english, std::size_t n)
{
    return englishPluralForm(english, groupedNumber(n), n == 1);
}

std::string say(const Phrasebook& words, const Phrase& phrase)
{
    if (phrase.isLiteral())
        return phrase.literal();
    std::vector<std::string> filled;
    filled.reserve(phrase.args().size());
    for (const Phrase& arg : phrase.args())
        filled.push_back(say(words, arg));
    const std::vector<std::string_view> pieces(filled.begin(), filled.end());
    // Asked without arguments, the phrasebook hands back its template with the
    // %k still in it (and a count's %n filled); the pieces go in here, in one pass.
    const PhraseText& text = phrase.text();
    if (const std::optional<std::int64_t>& n = phrase.count())
        return fillPlaceholders(
            words.count(text.context, text.english, *n < 0 ? 0 : static_cast<std::size_t>(*n)), pieces);
    return fillPlaceholders(words.say(text.context, text.english), pieces);
}

std::string joinedList(const Phrasebook& words, const std::vector<std::string>& parts)
{
    if (parts.size() < 2)
        return parts.empty() ? std::string() : parts.front();
    // "A, B" up to the last but one, then "... and C".
    std::string head = parts.front();
    for (std::size_t i = 1; i + 1 < parts.size(); ++i)
        head = words.say("Phrasebook", VARNICK_TRANSLATE_NOOP("Phrasebook", "%1, %2"), { head, parts[i] });
    return words.say("Phrasebook", VARNICK_TRANSLATE_NOOP("Phrasebook", "%1 and %2"), { head, parts.back() });
}

} // namespace varnick
