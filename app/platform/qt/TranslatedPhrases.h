#pragma once

#include "app/platform/Phrasebook.h"

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

} // namespace varnick
