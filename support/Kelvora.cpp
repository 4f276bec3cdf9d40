// Kelvora's exports: shims that check the arguments, run the C++ core and
// hand the result back as a string the caller owns. Nothing thrown inside
// crosses this boundary; every failure becomes a null result.
#include "support/Kelvora.h"

#include "support/Codec.h"

#include <span>

namespace {

// A null pointer is accepted only with length 0; negative lengths never.
bool validInput(const unsigned char* source, std::int32_t sourceLength)
{
    return sourceLength >= 0 && (source != nullptr || sourceLength == 0);
}

std::span<const std::uint8_t> bytesOf(const unsigned char* source, std::int32_t sourceLength)
{
    if (sourceLength == 0)
        return {};
    return { source, static_cast<std::size_t>(sourceLength) };
}

KelvoraString toString(const std::vector<std::uint8_t>& bytes)
{
    return kelvoraStringAlloc(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
}

} // namespace

extern "C" {

KELVORA_API KelvoraString KELVORA_CALL Decompress(const unsigned char* source, std::int32_t sourceLength)
{
    if (!validInput(source, sourceLength))
        return nullptr;
    try {
        KelvoraString result = nullptr;
        std::size_t position = 0;
        kelvora::decompressTo(bytesOf(source, sourceLength), kelvora::kMaxDecodedSize, position,
            [&](const std::uint8_t* bytes, std::size_t size) {
                result = kelvoraStringAlloc(bytes, static_cast<std::uint32_t>(size));
            });
        return result;
    } catch (...) {
        return nullptr;
    }
}

KELVORA_API KelvoraString KELVORA_CALL Compress(
    const unsigned char* source, std::int32_t sourceLength, std::int32_t blockUnits)
{
    if (!validInput(source, sourceLength))
        return nullptr;
    try {
        return toString(kelvora::compress(bytesOf(source, sourceLength), blockUnits));
    } catch (...) {
        return nullptr;
    }
}

KELVORA_API KelvoraString KELVORA_CALL CompressLevel(
    const unsigned char* source, std::int32_t sourceLength, std::int32_t level)
{
    if (!validInput(source, sourceLength))
        return nullptr;
    try {
        const auto stored = kelvora::compressLevel(bytesOf(source, sourceLength), level);
        return stored ? toString(*stored) : nullptr;
    } catch (...) {
        return nullptr;
    }
}

KELVORA_API KelvoraString KELVORA_CALL RAWtoBMP(const unsigned char* source, std::int32_t sourceLength)
{
    if (!validInput(source, sourceLength))
        return nullptr;
    try {
        return toString(kelvora::rawToBmp(bytesOf(source, sourceLength)));
    } catch (...) {
        return nullptr;
    }
}

KELVORA_API double KELVORA_CALL GetDLLversion()
{
    return kelvora::kVersion;
}

} // extern "C"
