#pragma once

/*
 * Kelvora's codec and bitmap helper as plain C++ functions. The exported C
 * functions (Kelvora.cpp) are thin shims over these; tests call them directly.
 *
 * Compressed resource layout:
 *
 *   offset 0  uint32 LE   compressed size: the whole resource, header included
 *   offset 4  10 FB       signature
 *   offset 6  uint24 BE   uncompressed size
 *   offset 9  ...         control-code stream
 *
 * Each step of the stream is a control byte a with 0 to 3 code bytes b1 b2 b3,
 * then `plain` literal bytes, then `count` bytes copied from `offset` bytes back
 * in the output (byte by byte, so an offset below the count repeats a run):
 *
 *   a          bytes      plain           count                      offset
 *   00..7F     a b1       a & 3           ((a >> 2) & 7) + 3         ((a & 0x60) << 3) + b1 + 1
 *   80..BF     a b1 b2    b1 >> 6         (a & 0x3F) + 4             ((b1 & 0x3F) << 8) + b2 + 1
 *   C0..DF     a b1..b3   a & 3           ((a & 0x0C) << 6) + b3 + 5 ((a & 0x10) << 12) + (b1 << 8) + b2 + 1
 *   E0..FB     a          ((a & 0x1F) + 1) * 4
 *   FC..FF     a          a & 3, then the stream ends
 *
 * The decoder ignores the header's fields: the output is as long as the
 * stream makes it. A stream without a stop code ends with its input.
 */

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace kelvora {

/// The value GetDLLversion reports.
inline constexpr double kVersion = 1.31;

inline constexpr std::size_t kHeaderSize = 9;

/// The decoder's ceiling: far above the 16 MiB a header can describe, low
/// enough that a small hostile stream cannot make the process allocate gigabytes.
inline constexpr std::size_t kMaxDecodedSize = std::size_t { 64 } << 20;

/// The largest input the encoder accepts: what the header's 24-bit size can describe.
inline constexpr std::size_t kMaxEncodedInput = 0xFFFFFF;

/// How far back the encoder looks for a block to copy.
inline constexpr std::size_t kEncoderWindow = 131000;

enum class DecodeStatus {
    Ok,
    TruncatedCode, ///< the input ends inside a control code
    PlainPastEnd, ///< literal bytes announced beyond the end of the input
    OffsetBeforeStart, ///< a copy reaches back before the start of the output
    OutputTooLarge, ///< the output would pass the ceiling
};

struct DecodeResult {
    std::vector<std::uint8_t> bytes; ///< the decoded bytes; empty unless status is Ok
    DecodeStatus status = DecodeStatus::Ok;
    std::size_t position = 0; ///< where a damaged stream failed: offset of the control byte
};

/// A short English description of status.
const char* describe(DecodeStatus status);

/// Decodes a whole compressed resource (header included; 9 bytes or fewer give
/// an empty result). Never reads outside stored nor writes outside its output;
/// stops at the first damage and reports it. Throws only std::bad_alloc.
DecodeResult decompress(std::span<const std::uint8_t> stored, std::size_t maxOutput = kMaxDecodedSize);

/// Same as decompress, but hands the decoded bytes to sink(const uint8_t*, size_t)
/// instead of building a vector, so the exports copy the output only once.
/// Returns the status and sets position on failure; sink is called only on success.
template <typename Sink>
DecodeStatus decompressTo(
    std::span<const std::uint8_t> stored, std::size_t maxOutput, std::size_t& position, Sink&& sink);

/// Block length in bytes for a requested number of 4-byte units, clamped to 3..16 units.
std::size_t blockLength(std::int32_t blockUnits);

/// Encodes source in blocks of blockLength(blockUnits) bytes: the first block
/// and every block without an earlier identical copy (at least one block
/// length + 1 and at most kEncoderWindow bytes back, lowest position first) as
/// a literal run, every other block as a copy code; the final partial block as
/// a literal run, its last 1 to 3 bytes behind a stop code. Every output
/// decodes back to source. Throws std::length_error beyond kMaxEncodedInput
/// bytes, std::bad_alloc when memory runs out.
std::vector<std::uint8_t> compress(std::span<const std::uint8_t> source, std::int32_t blockUnits);

/// The compression levels of compressLevel: 1 is the fastest, 9 the smallest output.
inline constexpr int kMinLevel = 1;
inline constexpr int kMaxLevel = 9;

/// Encodes source with a real LZ77 match finder (hash chains searched deeper at
/// higher levels; greedy or lazy parsing up to level 6, the default, and from
/// level 7 the cheapest path by every code's exact price through the matches
/// of a binary tree; level clamped to 1..9) using every code family: offsets up to 131,072, copies up to 1,028
/// bytes, literal runs up to 112, always ended by a stop code, the header
/// carrying the true compressed and uncompressed sizes.
/// Returns nothing when the stream would not be shorter than source (an empty
/// source included), so the caller stores it uncompressed. Every stream decodes
/// back to source. Throws std::length_error beyond kMaxEncodedInput bytes,
/// std::bad_alloc when memory runs out.
std::optional<std::vector<std::uint8_t>> compressLevel(std::span<const std::uint8_t> source, int level);

/// 32-bit pixels to 24-bit pixels in reverse pixel order: output pixel k is
/// bytes 0..2 of input pixel N-1-k, N = source.size() / 4 (trailing bytes of
/// an incomplete pixel are ignored).
std::vector<std::uint8_t> rawToBmp(std::span<const std::uint8_t> source);

// ---------------------------------------------------------------------------

namespace detail {

/// A growing output buffer with slack behind its end for the decoder's 16-byte
/// copies. Holds uninitialised bytes; only the first `length` are meaningful.
class OutputBuffer {
public:
    static constexpr std::size_t kSlack = 32;

    explicit OutputBuffer(std::size_t initialCapacity);
    ~OutputBuffer();
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;

    std::uint8_t* data() { return mData; }
    std::size_t capacity() const { return mCapacity; }
    /// Grows to hold at least needed bytes (plus slack), keeping the first used
    /// bytes; grows geometrically but never beyond limit (needed <= limit).
    void reserve(std::size_t needed, std::size_t limit, std::size_t used)
    {
        if (needed > mCapacity)
            grow(needed, limit, used);
    }

private:
    void grow(std::size_t needed, std::size_t limit, std::size_t used);

    std::uint8_t* mData = nullptr;
    std::size_t mCapacity = 0;
};

/// compressLevel's slowest parse with its tree search bounded to depth nodes
/// per position and no match taken whole; with a depth no path reaches, the
/// smallest stream the format allows for source, up to the parse's 32 KiB
/// stretches. For measuring the levels against; too slow to offer. With tree
/// false, the matches come from walking hash chains as deep instead, which
/// unbounded finds the same ones by brute force (for tests).
std::optional<std::vector<std::uint8_t>> compressWithDeepSearch(
    std::span<const std::uint8_t> source, int depth, bool tree = true);

/// The decoder proper: returns the status and the decoded length in length.
DecodeStatus decode(std::span<const std::uint8_t> stored, std::size_t maxOutput, OutputBuffer& output,
    std::size_t& length, std::size_t& position);

/// The capacity the decoder starts with for stored (the header's size, when
/// the stream could possibly produce that much, else a multiple of the input).
std::size_t initialCapacity(std::span<const std::uint8_t> stored, std::size_t maxOutput);

} // namespace detail

template <typename Sink>
DecodeStatus decompressTo(
    std::span<const std::uint8_t> stored, std::size_t maxOutput, std::size_t& position, Sink&& sink)
{
    detail::OutputBuffer output(detail::initialCapacity(stored, maxOutput));
    std::size_t length = 0;
    const DecodeStatus status = detail::decode(stored, maxOutput, output, length, position);
    if (status == DecodeStatus::Ok)
        sink(static_cast<const std::uint8_t*>(output.data()), length);
    return status;
}

} // namespace kelvora
