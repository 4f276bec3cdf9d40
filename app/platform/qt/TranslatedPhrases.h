#pragma once

#include "app/platform/Phrasebook.h"

#include <QString>

#include <exception>

namespace varnick {

/// The cores' sentences in the player's language, through the program's installed
/// translations; a text with no translation reads as the English phrasebook has it.
/// Safe on any thread (QCoreApplication::translate is).
class TranslatedPhrases final : public Phrasebook {
public:
    std::string say(
        const char* context, const char* english, std::initializer_list<std::string_view> args = {}) const override;
    std::string count(const char* context, const char* english, std::size_t n,
        std::initializer_list<std::string_view> args = {}) const override;
};

/// The one the windows pass.
const Phrasebook& translatedPhrases();

/// phrase in the player's language (invalid UTF-8 in its pieces shown as U+FFFD).
QString phraseText(const Phrase& phrase);

/// What a failure says in the player's language: a Failure built from a Phrase
/// in the translated words, any other exception's text as it is.
QString failureText(const std::exception& error);

} // namespace varnick
