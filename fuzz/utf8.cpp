// Fuzzes the display of catalog texts and the other readers of outside text:
// whatever the bytes, the shown text is well-formed UTF-8, well-formed input
// is shown unchanged, and the count of code points matches the shown text's.
// The bytes are also taken as UTF-16 (Windows' wide strings: registry values,
// file names) and must come back through UTF-8 unchanged where well-formed;
// as the player's file name they are converted to the game's code page,
// lower-cased and checksummed for the thumbnail caches, and judged as a file
// name, none of which may fail.
#include "package/base/Utf8.h"
#include "package/Crc24.h"
#include "package/base/CodePage.h"
#include "package/base/SafeFileName.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

using namespace varnick;

namespace {

bool hasLoneSurrogate(std::u16string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
            ++i;
        else if (c >= 0xD800 && c <= 0xDFFF)
            return true;
    }
    return false;
}

bool isHexDigits(std::string_view text)
{
    for (const char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ByteView bytes(reinterpret_cast<const char*>(data), size);
    const std::string shown = toValidUtf8(bytes);
    if (!isValidUtf8(shown))
        std::abort();
    const bool valid = isValidUtf8(bytes);
    if (valid && shown != bytes)
        std::abort();
    if (utf8CodePointCount(bytes) != utf8CodePointCount(shown))
        std::abort();

    // Through UTF-16 and back: invalid sequences become U+FFFD on the way, as on screen.
    if (utf8FromUtf16(utf16FromUtf8(bytes)) != shown)
        std::abort();
    std::u16string wide(size / 2, u'\0');
    for (std::size_t i = 0; i < wide.size(); ++i)
        wide[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
    const std::string narrow = utf8FromUtf16(wide);
    if (!isValidUtf8(narrow) || (!hasLoneSurrogate(wide) && utf16FromUtf8(narrow) != wide))
        std::abort();

    // The name as the game and its caches see it.
    const ByteString ansi = toAnsiCodePage(bytes);
    if (valid ? ansi.size() > size : ansi != bytes)
        std::abort();
    const std::string lower = lowerCaseUtf8(bytes);
    if (valid && (!isValidUtf8(lower) || lowerCaseUtf8(lower) != lower))
        std::abort();
    const std::int32_t checksum = gflngCRC24OfString(bytes);
    if (checksum < 0 || checksum > 0xFFFFFF || crc24Hex(checksum).size() != 6)
        std::abort();
    const std::string key = thumbnailKeyText(bytes);
    if (key.size() != 8 || !key.starts_with("7F") || !isHexDigits(key))
        std::abort();

    const auto problem = fileNameProblem(bytes);
    if (!valid && !problem)
        std::abort();
    if (problem.has_value() != fileNameProblemPhrase(bytes).has_value())
        std::abort();
    return 0;
}
