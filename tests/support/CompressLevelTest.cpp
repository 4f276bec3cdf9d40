// The LZ77 encoder: every level on every kind of input decodes back exactly,
// with true header sizes and a stop code; it refuses what it cannot shrink;
// it reaches the code's extremes; and the export and binding agree with the core.
#include "package/base/KelvoraBinding.h"
#include "support/Codec.h"
#include "support/Kelvora.h"
#include "tests/common/SeedCorpus.h"
#include "tests/support/CodecTestSupport.h"

#include <gtest/gtest.h>

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
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, CompressLevelInput, testing::ValuesIn(inputs()),
    [](const testing::TestParamInfo<Input>& testCase) { return std::string(testCase.param.name); });

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
            }
        }
    }
}
