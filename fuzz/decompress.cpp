// Fuzz target for Kelvora's Decompress, called through the program's binding
// exactly as gfstrDecompressFile does: any input must decode or be reported as
// damaged, never read or write outside its buffers. Inputs that decode are
// also compressed again and must decode back to the same bytes.
//
// The codec's C++ core must agree with the exported function it stands
// behind, and a lower output ceiling (picked by the first byte) must give the
// same bytes or refuse the output as too large. The input also goes through
// RAWtoBMP as a pixel buffer, which must give three bytes per whole pixel,
// the same through the export as from the core.
#include "package/base/ErrorTrap.h"
#include "package/base/KelvoraBinding.h"
#include "support/Codec.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const varnick::ByteView stored(reinterpret_cast<const char*>(data), size);
    const std::span<const std::uint8_t> span(data, size);

    const varnick::ByteString pixels = varnick::kelvoraRawToBmp(stored);
    const std::vector<std::uint8_t> corePixels = kelvora::rawToBmp(span);
    if (pixels.size() != size / 4 * 3 || varnick::ByteString(corePixels.begin(), corePixels.end()) != pixels)
        std::abort();

    const kelvora::DecodeResult core = kelvora::decompress(span);
    if (kelvora::describe(core.status) == nullptr || (core.status != kelvora::DecodeStatus::Ok && !core.bytes.empty()))
        std::abort();
    const std::size_t ceiling = size > 0 ? std::size_t { 1 } << (data[0] % 24) : 0;
    const kelvora::DecodeResult capped = kelvora::decompress(span, ceiling);
    if (capped.status == kelvora::DecodeStatus::Ok) {
        if (capped.bytes != core.bytes || capped.bytes.size() > ceiling)
            std::abort();
    } else if (capped.status == kelvora::DecodeStatus::OutputTooLarge) {
        // Damage further on still counts for the full decode; a whole output must pass the ceiling.
        if (core.status == kelvora::DecodeStatus::Ok && core.bytes.size() <= ceiling)
            std::abort();
    } else if (capped.status != core.status || capped.position != core.position) {
        std::abort();
    }

    varnick::ByteString decoded;
    try {
        decoded = varnick::kelvoraDecompress(stored);
    } catch (const varnick::Failure& failure) {
        if (failure.code() != varnick::ErrorCode::DamagedCompression || core.status == kelvora::DecodeStatus::Ok)
            std::abort(); // the library must load and the input is far below 2 GiB
        return 0;
    }
    if (core.status != kelvora::DecodeStatus::Ok
        || varnick::ByteString(core.bytes.begin(), core.bytes.end()) != decoded)
        std::abort();
    if (decoded.size() > (std::size_t { 1 } << 20))
        return 0; // keep each run fast; the round trip of large outputs adds nothing
    const std::int32_t units = size > 0 ? data[0] % 20 : 16;
    const varnick::ByteString again = varnick::kelvoraDecompress(varnick::kelvoraCompress(decoded, units));
    if (again != decoded)
        std::abort();
    return 0;
}
