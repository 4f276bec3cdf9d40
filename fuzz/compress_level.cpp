// Fuzz target for Kelvora's CompressLevel, called through the program's
// binding: any input, at the level its first byte picks (the rest is the data),
// must either be refused as not shrinking or give a stream that is shorter,
// carries the true sizes and decodes back to exactly the input.
#include "package/base/ErrorTrap.h"
#include "package/base/KelvoraBinding.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int level = 1 + data[0] % 9;
    const varnick::ByteView input(reinterpret_cast<const char*>(data) + 1, size - 1);
    // Every level on short inputs; long ones at the chosen level only, to keep runs fast.
    for (int each = 1; each <= 9; ++each) {
        if (input.size() > 4096 && each != level)
            continue;
        const auto stored = varnick::kelvoraCompressLevel(input, each);
        if (!stored)
            continue;
        const auto byte
            = [&](std::size_t at) { return static_cast<std::size_t>(static_cast<unsigned char>((*stored)[at])); };
        if (stored->size() >= input.size() || stored->size() < 10)
            std::abort();
        if ((byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24) != stored->size())
            std::abort();
        if ((byte(6) << 16 | byte(7) << 8 | byte(8)) != input.size())
            std::abort();
        if (varnick::kelvoraDecompress(*stored) != input)
            std::abort();
    }
    return 0;
}
