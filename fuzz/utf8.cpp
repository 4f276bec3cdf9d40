// Fuzzes the display of catalog texts: whatever the bytes, the shown text is
// well-formed UTF-8, well-formed input is shown unchanged, and the count of
// code points matches the shown text's.
#include "package/base/Utf8.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const varnick::ByteView bytes(reinterpret_cast<const char*>(data), size);
    const std::string shown = varnick::toValidUtf8(bytes);
    if (!varnick::isValidUtf8(shown))
        std::abort();
    if (varnick::isValidUtf8(bytes) && shown != bytes)
        std::abort();
    if (varnick::utf8CodePointCount(bytes) != varnick::utf8CodePointCount(shown))
        std::abort();
    return 0;
}
