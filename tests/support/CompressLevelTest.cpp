// The LZ77 encoder: every level on every kind of input, adversarial ones
// included, decodes back exactly through the library's decoder and the plain
// reference decoder, with true header sizes and a stop code; it refuses what
// it cannot shrink; it reaches the code's extremes; higher levels pack
// tighter; and the export and binding agree with the core.
#include "package/base/KelvoraBinding.h"
#include "support/Codec.h"
#include "support/Kelvora.h"
#include "tests/common/SeedCorpus.h"
#include "tests/support/CodecTestSupport.h"
#include "tests/support/ReferenceDecoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

using namespace varnick::test;
using kelvora::compressLevel;
using kelvora::DecodeStatus;

namespace {

struct Input {
    const char* name;
    Bytes bytes;
    bool shrinks; ///< whether every level must compress it
};

// Test listings show the case's name rather than a dump of its bytes.
[[maybe_unused]] void PrintTo(const Input& input, std::ostream* out)
{
    *out << input.name;
}

Bytes repeated(const Bytes& part, std::size_t times)
{
    Bytes out;
    for (std::size_t k = 0; k < times; ++k)
        append(out, part);
    return out;
}

// Random bytes with copies of a few bytes placed exactly at the edges of the
// copy families' offsets (1,024, 16,384 and 131,072 back, and one further).
Bytes offsetEdges()
{
    Bytes out = randomBytes(140000, 21);
    const Bytes snippet = randomBytes(12, 22);
    const std::size_t distances[] = { 1024, 1025, 16384, 16385, 131072, 131073 };
    std::size_t at = 131073 + 12;
    for (std::size_t distance : distances) {
        std::copy(snippet.begin(), snippet.end(), out.begin() + static_cast<std::ptrdiff_t>(at - distance));
        std::copy(snippet.begin(), snippet.end(), out.begin() + static_cast<std::ptrdiff_t>(at));
        at += 500;
    }
    return out;
}

// Repeats of lengths at the edges of the copy families' counts (10, 67 and
// 1,028, and one more), between random stretches whose lengths sit at the edges
// of the literal runs (112 and 3 more, 4 less).
Bytes lengthEdges()
{
    const Bytes source = randomBytes(3000, 23);
    Bytes out = source;
    std::uint64_t seed = 24;
    for (std::size_t count : { 3u, 4u, 5u, 10u, 11u, 67u, 68u, 1028u, 1029u, 2057u }) {
        for (std::size_t gap : { 1u, 3u, 4u, 108u, 112u, 115u, 116u }) {
            append(out, randomBytes(gap, ++seed));
            append(out, std::span(source).first(count));
        }
    }
    return out;
}

// Runs of one byte of every length from 1 to 300, each a different byte from its neighbours.
Bytes runsOfEveryLength()
{
    Bytes out;
    for (std::size_t length = 1; length <= 300; ++length)
        out.insert(out.end(), length, static_cast<std::uint8_t>(length * 37));
    return out;
}

// Groups of one of 64 random 3-byte strings and a byte that never follows the
// same string twice: the strings repeat 256 bytes back, but no 4 bytes repeat
// anywhere, so only the 2-byte code of a 3-byte match can shrink it.
Bytes onlyThreeByteMatches()
{
    const Bytes strings = randomBytes(64 * 3, 25);
    Bytes out;
    for (std::size_t group = 0; group < 4000; ++group) {
        append(out, std::span(strings).subspan(group % 64 * 3, 3));
        out.push_back(static_cast<std::uint8_t>(group / 64));
    }
    return out;
}

std::vector<Input> inputs()
{
    const Bytes farBack = randomBytes(131072, 7);
    return {
        { "text", textBytes(200000, 1), true },
        { "mesh", meshBytes(150000, 2), true },
        { "texture", textureBytes(150000, 3), true },
        { "varied", variedBytes(300000, 4), true },
        { "zeros", Bytes(70000, 0), true },
        { "shortPeriods", repeated(bytesOf("abcdefg"), 3000), true },
        { "repeatAtLargestOffset", repeated(farBack, 2), true }, // copies from exactly 131,072 back
        { "repeatBeyondLargestOffset", repeated(randomBytes(131073, 8), 2), false },
        { "offsetEdges", offsetEdges(), false },
        { "lengthEdges", lengthEdges(), true },
        { "runsOfEveryLength", runsOfEveryLength(), true },
        { "onlyThreeByteMatches", onlyThreeByteMatches(), false },
        { "longestRun", Bytes(1 << 20, 0xAB), true },
        { "random", randomBytes(65536, 9), false },
        { "tiny", bytesOf("abcabcabcabca"), false },
        { "oneByte", Bytes(1, 42), false },
        { "empty", Bytes {}, false },
    };
}

class CompressLevelInput : public testing::TestWithParam<Input> { };

} // namespace

TEST_P(CompressLevelInput, everyLevelDecodesBackWithTrueSizesAndAStopCode)
{
    const Input& input = GetParam();
    for (int level = 0; level <= 10; ++level) { // 0 and 10 are clamped to 1 and 9
        const auto stored = compressLevel(input.bytes, level);
        if (!stored) {
            EXPECT_FALSE(input.shrinks) << "level " << level;
            continue;
        }
        ASSERT_GT(stored->size(), kelvora::kHeaderSize);
        EXPECT_LT(stored->size(), input.bytes.size()) << "level " << level;
        const Bytes& s = *stored;
        EXPECT_EQ(s[0] | (s[1] << 8) | (s[2] << 16) | (std::size_t { s[3] } << 24), s.size());
        EXPECT_EQ(s[4], 0x10);
        EXPECT_EQ(s[5], 0xFB);
        EXPECT_EQ((std::size_t { s[6] } << 16) | (s[7] << 8) | s[8], input.bytes.size());
        // Bytes after the stream change nothing: a stop code ends it.
        Bytes trailed = s;
        trailed.insert(trailed.end(), { 0xE0, 1, 2, 3, 4 });
        for (const Bytes* stream : { &s, static_cast<const Bytes*>(&trailed) }) {
            const auto result = kelvora::decompress(*stream);
            ASSERT_EQ(result.status, DecodeStatus::Ok) << "level " << level << ": " << kelvora::describe(result.status);
            ASSERT_TRUE(result.bytes == input.bytes) << "level " << level;
            const auto reference = referenceDecompress(*stream);
            ASSERT_TRUE(reference && *reference == input.bytes) << "level " << level;
        }
    }
}

TEST_P(CompressLevelInput, theCheapestPathDecodesBackAndNoLevelBeatsIt)
{
    // Unbounded, the parse weighs every length of every match at every
    // position: of the megabyte of one byte, a 300,000-byte start will do.
    const Input& whole = GetParam();
    Input input { whole.name, whole.bytes, whole.shrinks };
    if (input.bytes.size() > 500000)
        input.bytes.resize(300000);
    const auto cheapest = kelvora::detail::compressWithDeepSearch(input.bytes, std::numeric_limits<int>::max());
    if (!cheapest) {
        EXPECT_FALSE(input.shrinks);
        return;
    }
    const auto result = kelvora::decompress(*cheapest);
    ASSERT_EQ(result.status, DecodeStatus::Ok);
    ASSERT_TRUE(result.bytes == input.bytes);
    const auto reference = referenceDecompress(*cheapest);
    ASSERT_TRUE(reference && *reference == input.bytes);
    // The path of each 32 KiB stretch ends at the stretch's end, where a
    // level that runs straight on may copy across: a few bytes per stretch.
    const std::size_t stretches = input.bytes.size() / 32768;
    for (int level = kelvora::kMinLevel; level <= kelvora::kMaxLevel; ++level) {
        const auto stored = compressLevel(input.bytes, level);
        EXPECT_LE(cheapest->size(), (stored ? stored->size() : input.bytes.size()) + 16 * stretches)
            << "level " << level;
    }
    const auto bounded = kelvora::detail::compressWithDeepSearch(input.bytes, 1);
    ASSERT_TRUE(bounded);
    EXPECT_LE(cheapest->size(), bounded->size());
    EXPECT_TRUE(referenceDecompress(*bounded) == input.bytes);
}

INSTANTIATE_TEST_SUITE_P(Kinds, CompressLevelInput, testing::ValuesIn(inputs()),
    [](const testing::TestParamInfo<Input>& testCase) { return std::string(testCase.param.name); });

TEST(CompressLevel, theTreeFindsWhatWalkingTheWholeChainFinds)
{
    // The tree's search passes the nearest match of every length, which is
    // what walking the whole chain finds by brute force: unbounded, both give
    // the same stream, byte for byte. Bounded, the tree's levels stay close.
    constexpr int kUnbounded = std::numeric_limits<int>::max();
    for (const Bytes& data : { textBytes(60000, 41), meshBytes(40000, 42), textureBytes(60000, 43),
             variedBytes(80000, 44), offsetEdges(), lengthEdges(), onlyThreeByteMatches(), runsOfEveryLength() }) {
        const auto byTree = kelvora::detail::compressWithDeepSearch(data, kUnbounded);
        ASSERT_TRUE(byTree == kelvora::detail::compressWithDeepSearch(data, kUnbounded, false)) << data.size();
        const auto level9 = compressLevel(data, 9);
        if (byTree && level9) {
            EXPECT_LE(level9->size(), byTree->size() + byTree->size() / 50) << data.size();
        }
    }
}

TEST(CompressLevel, reachesTheLongestCopyAndFarthestOffsetAndHigherLevelsPackTighter)
{
    // A random block repeated right after itself: nothing but 1028-byte copies
    // from 131,072 back can encode the repeat in a few hundred codes.
    const Bytes block = randomBytes(131072, 11);
    const auto stored = compressLevel(repeated(block, 2), 6);
    ASSERT_TRUE(stored);
    EXPECT_LT(stored->size(), block.size() + block.size() / 112 + 131072 / 1028 * 4 + 64);

    for (const Bytes& data : { textBytes(300000, 12), meshBytes(300000, 13), variedBytes(300000, 14) }) {
        const auto fast = compressLevel(data, 1);
        const auto tight = compressLevel(data, 9);
        ASSERT_TRUE(fast && tight);
        EXPECT_LT(tight->size(), fast->size());
        // And both beat the block encoder by far.
        EXPECT_LT(fast->size(), kelvora::compress(data, 16).size());
    }
}

TEST(CompressLevel, everyShortInputRoundTripsAtEveryLevel)
{
    // Every size up to 80 bytes, of patterns that compress and that do not.
    for (std::size_t size = 0; size <= 80; ++size) {
        for (const Bytes& data : { Bytes(size, 7), randomBytes(size, size), textBytes(size, size),
                 repeated(bytesOf("abcab"), size / 5 + 1) }) {
            const Bytes input(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(std::min(size, data.size())));
            for (int level = kelvora::kMinLevel; level <= kelvora::kMaxLevel; ++level) {
                const auto stored = compressLevel(input, level);
                if (!stored)
                    continue;
                EXPECT_LT(stored->size(), input.size());
                const auto reference = referenceDecompress(*stored);
                ASSERT_TRUE(reference && *reference == input) << "size " << size << " level " << level;
                ASSERT_TRUE(kelvora::decompress(*stored).bytes == input) << "size " << size << " level " << level;
            }
        }
    }
}

TEST(CompressLevel, findsTheThreeByteMatchesNearbyAboveTheFastestLevel)
{
    // Only the 2-byte code of a 3-byte match shrinks this input; the fastest
    // level, which looks for 4 bytes only, leaves it.
    const Bytes data = onlyThreeByteMatches();
    EXPECT_FALSE(compressLevel(data, 1).has_value());
    for (int level = 2; level <= kelvora::kMaxLevel; ++level) {
        const auto stored = compressLevel(data, level);
        ASSERT_TRUE(stored) << "level " << level;
        EXPECT_LT(stored->size(), data.size() * 9 / 10) << "level " << level;
    }
}

TEST(CompressLevel, eachLevelPacksAtLeastAsTightAsTheOneBelowOnMixedData)
{
    // Summed over kinds of data, so that one input's quirk cannot decide it;
    // optimal parsing (levels 7 to 9) beats the lazy default.
    std::size_t previous = SIZE_MAX;
    std::size_t level6 = 0;
    for (int level = kelvora::kMinLevel; level <= kelvora::kMaxLevel; ++level) {
        std::size_t total = 0;
        for (const Bytes& data :
            { textBytes(120000, 31), meshBytes(120000, 32), textureBytes(120000, 33), variedBytes(200000, 34) }) {
            const auto stored = compressLevel(data, level);
            total += stored ? stored->size() : data.size();
        }
        EXPECT_LE(total, previous) << "level " << level;
        previous = total;
        if (level == 6)
            level6 = total;
    }
    EXPECT_LT(previous, level6);
}

TEST(CompressLevel, refusesInputsBeyondTheHeadersSizeField)
{
    const Bytes large(kelvora::kMaxEncodedInput + 1, 0);
    EXPECT_THROW(compressLevel(large, 1), std::length_error);
    EXPECT_EQ(CompressLevel(large.data(), static_cast<std::int32_t>(large.size()), 1), nullptr);
    const varnick::ByteString text(large.begin(), large.end());
    EXPECT_FALSE(varnick::kelvoraCompressLevel(text, 1).has_value());
}

TEST(CompressLevel, exportAndBindingGiveTheCoresBytesAndNullWhenNothingShrinks)
{
    const unsigned char bytes[4] = { 1, 2, 3, 4 };
    EXPECT_EQ(CompressLevel(bytes, -1, 6), nullptr);
    EXPECT_EQ(CompressLevel(nullptr, 5, 6), nullptr);
    EXPECT_EQ(CompressLevel(nullptr, 0, 6), nullptr); // nothing cannot shrink
    EXPECT_EQ(CompressLevel(bytes, 4, 6), nullptr);

    varnick::setKelvoraLibraryForTesting({});
    for (int level : { 1, 6, 9 }) {
        const Bytes data = variedBytes(100000, static_cast<std::uint64_t>(level));
        const auto expected = compressLevel(data, level);
        ASSERT_TRUE(expected);
        KelvoraString result = CompressLevel(data.data(), static_cast<std::int32_t>(data.size()), level);
        ASSERT_NE(result, nullptr);
        EXPECT_EQ(
            Bytes(kelvoraStringBytes(result), kelvoraStringBytes(result) + kelvoraStringLength(result)), *expected);
        kelvoraStringFree(result);
        const auto bound = varnick::kelvoraCompressLevel(varnick::ByteString(data.begin(), data.end()), level);
        ASSERT_TRUE(bound);
        EXPECT_EQ(*bound, varnick::ByteString(expected->begin(), expected->end()));
    }
    const Bytes random = randomBytes(5000, 3);
    EXPECT_FALSE(varnick::kelvoraCompressLevel(varnick::ByteString(random.begin(), random.end()), 6).has_value());
}

TEST(CompressLevel, fuzzSeedsRoundTripAtEveryLevel)
{
    // The fuzz target's seeds, replayed: the first byte picks a level, the rest is the data.
    const auto seeds = varnick::test::seedCorpus("compress_level");
    ASSERT_GE(seeds.size(), 5u);
    for (const varnick::ByteString& seed : seeds) {
        const Bytes data(seed.begin() + 1, seed.end());
        for (int level = kelvora::kMinLevel; level <= kelvora::kMaxLevel; ++level) {
            if (const auto stored = compressLevel(data, level)) {
                const auto result = kelvora::decompress(*stored);
                ASSERT_EQ(result.status, DecodeStatus::Ok);
                EXPECT_TRUE(result.bytes == data) << "level " << level;
                EXPECT_TRUE(referenceDecompress(*stored) == data) << "level " << level;
            }
        }
    }
}
