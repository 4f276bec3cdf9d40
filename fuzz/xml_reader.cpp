// Fuzzes the pull reader for outside XML (the Sims2Pack header's): any text
// either reads to its end or fails with an XmlError, never reads outside the
// text, never nests deeper than its limit, and pairs every end with its start.
// When the text is valid UTF-8 so is everything the reader hands out
// (character references name no surrogate). The first byte picks the limits,
// so the size and depth refusals are reached too.
#include "package/XmlReader.h"
#include "package/base/Utf8.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

using namespace varnick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    XmlLimits limits;
    limits.maxDepth = 1 + data[0] % 8;
    if (data[0] >= 0xF0)
        limits.maxBytes = data[0] - 0xF0u;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const bool validText = isValidUtf8(text);
    try {
        XmlReader reader(text, limits);
        std::vector<std::string> open;
        for (;;) {
            const XmlReader::Event event = reader.next();
            if (event == XmlReader::Event::End)
                break;
            if (reader.depth() > limits.maxDepth)
                std::abort();
            switch (event) {
            case XmlReader::Event::StartElement:
                open.emplace_back(reader.name());
                if (validText && !isValidUtf8(reader.name()))
                    std::abort();
                for (const char* attribute : { "Name", "key", "type", "version" }) {
                    const std::string* value = reader.attribute(attribute);
                    if (value && validText && !isValidUtf8(*value))
                        std::abort();
                }
                break;
            case XmlReader::Event::EndElement:
                if (open.empty() || open.back() != reader.name())
                    std::abort();
                open.pop_back();
                break;
            case XmlReader::Event::Text:
                if (open.empty() || (validText && !isValidUtf8(reader.text())))
                    std::abort();
                break;
            case XmlReader::Event::End:
                break;
            }
            if (static_cast<std::size_t>(reader.depth()) != open.size())
                std::abort();
        }
        if (!open.empty())
            std::abort();
    } catch (const XmlError&) {
    }
    return 0;
}
