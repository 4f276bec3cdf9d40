// Fuzz target for Kelvora's Decompress, called through the program's binding
// exactly as gfstrDecompressFile does: any input must decode or be reported as
// damaged, never read or write outside its buffers. Inputs that decode are
// also compressed again and must decode back to the same bytes.
#include "package/base/ErrorTrap.h"
#include "package/base/KelvoraBinding.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const varnick::ByteView stored(reinterpret_cast<const char*>(data), size);
    varnick::ByteString decoded;
    try {
        decoded = varnick::kelvoraDecompress(stored);
    } catch (const varnick::Failure& failure) {
        if (failure.code() != varnick::ErrorCode::DamagedCompression)
            std::abort(); // the library must load and the input is far below 2 GiB
        return 0;
    }
    if (decoded.size() > (std::size_t { 1 } << 20))
        return 0; // keep each run fast; the round trip of large outputs adds nothing
    const std::int32_t units = size > 0 ? data[0] % 20 : 16;
    const varnick::ByteString again = varnick::kelvoraDecompress(varnick::kelvoraCompress(decoded, units));
    if (again != decoded)
        std::abort();
    return 0;
}
