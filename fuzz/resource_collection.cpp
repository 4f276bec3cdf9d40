// Resource collection header and texture block readers: any bytes read cleanly
// or fail with a Failure. The texture reader runs on the header's Body and on
// the raw bytes, so both readers get every input.
#include "package/ResourceCollection.h"
#include "package/base/ErrorTrap.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const varnick::ByteView bytes(reinterpret_cast<const char*>(data), size);
    std::string notice;
    try {
        const varnick::RCOLHeader rcol = varnick::readRCOLHeader(bytes);
        if (rcol.Links.size() != static_cast<std::size_t>(rcol.LinkCount) || rcol.Body.size() > size)
            std::abort();
        (void)varnick::readTextureImage(rcol.Body, notice);
    } catch (const varnick::Failure&) {
    }
    try {
        const varnick::TextureImage texture = varnick::readTextureImage(bytes, notice);
        std::size_t total = 0;
        for (const varnick::TextureMip& mip : texture.Mips)
            total += mip.Data.size();
        if (total > size)
            std::abort();
    } catch (const varnick::Failure&) {
    }
    return 0;
}
