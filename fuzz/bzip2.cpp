// Fuzzes the bzip2 expander of Sims2Pack items: any bytes either expand, as
// one stream or several back to back that end exactly where the bytes do,
// or fail with DamagedCompression or ResourceTooLarge, never past the output
// limit the first byte picks. What expands is compressed again and must
// expand back to the same bytes.
#include "package/Bzip2.h"
#include "package/base/ErrorTrap.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace varnick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // Limits from 1 byte to 1 MiB, so that the refusal of large outputs is reached too.
    const std::size_t limit = std::size_t { 1 } << (data[0] % 21);
    const ByteView stream(reinterpret_cast<const char*>(data) + 1, size - 1);
    ByteString expanded;
    try {
        expanded = bzip2Expand(stream, limit);
    } catch (const Failure& failure) {
        if (failure.code() != ErrorCode::DamagedCompression && failure.code() != ErrorCode::ResourceTooLarge)
            std::abort();
        return 0;
    }
    if (expanded.size() > limit)
        std::abort();
    if (expanded.size() > 64 * 1024)
        return 0; // compressing large outputs again costs more than it finds
    const int blockSize = 1 + data[0] % 3; // larger blocks cost a bigger allocation on every run, and find nothing more
    if (bzip2Expand(bzip2Compress(expanded, blockSize), limit) != expanded)
        std::abort();
    return 0;
}
