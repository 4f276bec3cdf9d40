#pragma once

// How a core words the sentences a window also shows. The cores build their
// sentences through a Phrasebook: the English one (the default, and the only
// one the command line uses) fills the marked English texts as they stand; the
// windows pass one that speaks the player's language (TranslatedPhrases).
//
// A text's %1 ... %9 take the arguments in order, in one pass, so an argument
// that holds "%2" stays as it is. A count's text holds %n, and its English form
// marks the plural ending in parentheses: "%n object(s)" reads "1 object",
// "2 objects"; "%n GUID clash(es)" reads "3 GUID clashes".

#include "app/platform/Translatable.h"

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace varnick {

class Phrasebook {
public:
    virtual ~Phrasebook() = default;

    /// english (marked with VARNICK_TRANSLATE_NOOP under context) with %1... filled from args.
    virtual std::string say(
        const char* context, const char* english, std::initializer_list<std::string_view> args = {}) const;
    /// english (marked with VARNICK_TRANSLATE_N_NOOP under context) for n things, %1... filled from args.
    virtual std::string count(const char* context, const char* english, std::size_t n,
        std::initializer_list<std::string_view> args = {}) const;
};

/// The English texts as they stand.
const Phrasebook& englishPhrases();

/// pattern with %1 ... %9 replaced by args in one pass; a %k without its argument stays.
std::string fillPlaceholders(std::string_view pattern, std::initializer_list<std::string_view> args);

/// The English form of a count's text: %n replaced by n (thousands grouped), and
/// each "(s)"-style ending kept without its parentheses, or dropped when n is 1.
std::string englishCount(std::string_view english, std::size_t n);

/// phrase in the phrasebook's words: each template translated, its pieces filled
/// in (templates in turn), literal pieces as they are.
std::string say(const Phrasebook& words, const Phrase& phrase);

/// "A", "A and B", "A, B and C" in the phrasebook's words.
std::string joinedList(const Phrasebook& words, const std::vector<std::string>& parts);

} // namespace varnick
