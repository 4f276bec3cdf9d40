// Fuzzes the reading of phrases kept as text (the library index's reasons):
// whatever the text, decoding never crashes, and a phrase it reads is encoded
// back to exactly that text.
#include "package/base/PhraseCode.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<varnick::Phrase> phrase = varnick::decodePhrase(text);
    if (phrase) {
        if (varnick::encodePhrase(*phrase) != text)
            std::abort();
        (void)phrase->english();
    }
    return 0;
}
