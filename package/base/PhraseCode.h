#pragma once

// A Phrase kept as text, for a store that outlives the program run (the
// library index keeps why a package cannot be read): a window of a later run,
// perhaps in another language, words it again from its template and pieces.
//
// The text is "P1" and then the phrase, each part of it a tag and a
// length-prefixed field:
//
//   literal    L<bytes>:<text>
//   template   T<bytes>:<context><bytes>:<english>[N<count>;]A<pieces>;<piece>...
//
// for example P1T5:Files14:The file is %1A1;L5:empty. A stored text is
// outside bytes (the store may be damaged, hand-edited or a later version's):
// decoding checks every length against what is left and refuses anything it
// does not read whole, or that encodePhrase would not have written.

#include "package/base/Phrase.h"

#include <optional>
#include <string>
#include <string_view>

namespace varnick {

/// phrase as text that decodePhrase reads back.
std::string encodePhrase(const Phrase& phrase);

/// The phrase encoded in text; nullopt for text that is not one whole (damaged,
/// foreign, nested deeper than a phrase of this program is). Never throws for bad text.
std::optional<Phrase> decodePhrase(std::string_view text);

} // namespace varnick
