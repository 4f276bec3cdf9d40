// Fuzzes the recolor preview and finder readers: the texture preview of a
// package (texture choice, DXT and raw decoding, the bitmap), the first
// material override, and the DXT decoder on raw blocks of a size the input
// picks, and the input read as a DDS file. Each either gives a result or refuses with a Failure; a bitmap always
// has the size its header states.
#include "app/recolors/core/DdsSupport.h"
#include "app/recolors/core/RecolorSearch.h"
#include "fuzz/common/ScratchFile.h"
#include "package/BinarySupport.h"
#include "package/base/ErrorTrap.h"
#include "package/base/WholeFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace varnick;
using namespace varnick::recolors;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const fuzz::ScratchFile scratch("fuzz-texture-preview");
    scratch.write(data, size);
    try {
        if (const std::optional<ByteString> bitmap = packagePreviewBitmap(scratch.path())) {
            if (bitmap->size() < 54
                || gflngStrToLong(ByteView(*bitmap).substr(2, 4)) != static_cast<std::int32_t>(bitmap->size()))
                std::abort();
        }
    } catch (const Failure&) {
    }
    try {
        (void)firstMaterialOverride(scratch.path());
    } catch (const Failure&) {
    }
    // The same bytes as a DDS file: the bitmap is written only when it decodes,
    // and then holds the header's size.
    static const fuzz::ScratchFile bitmapFile("fuzz-texture-preview-bmp");
    if (gsConvertDDStoBMP(scratch.path(), bitmapFile.path())) {
        const ByteString bitmap = readWholeFile(bitmapFile.path());
        if (bitmap.size() < 54
            || gflngStrToLong(ByteView(bitmap).substr(2, 4)) != static_cast<std::int32_t>(bitmap.size()))
            std::abort();
    }
    if (size >= 3) {
        const std::int32_t format = data[0] % 2 == 0 ? 1 : 3; // DXT1 or DXT3
        const std::int32_t width = 1 + data[1] % 64;
        const std::int32_t height = 1 + data[2] % 64;
        const ByteView blocks(reinterpret_cast<const char*>(data) + 3, size - 3);
        if (const std::optional<ByteString> pixels = decodeDxt(blocks, format, height, width)) {
            if (pixels->size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3)
                std::abort();
        }
    }
    return 0;
}
