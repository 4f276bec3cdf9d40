// The decoder: each control-code family at its extreme values, runs, stop codes,
// short inputs, and every kind of damage, which must stop the decoder cleanly.
#include "support/Codec.h"
#include "tests/support/CodecTestSupport.h"
#include "tests/support/ReferenceDecoder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

using namespace varnick::test;
using kelvora::DecodeStatus;
using kelvora::decompress;

namespace {

Bytes decoded(const Bytes& stored)
{
    const kelvora::DecodeResult result = decompress(stored);
    EXPECT_EQ(result.status, DecodeStatus::Ok) << kelvora::describe(result.status) << " at " << result.position;
    return result.bytes;
}

// A stream that first emits at least prefixSize random bytes through 112-byte literal runs (0xFB)
// and then whatever the test appends.
struct PrefixedStream {
    Bytes stored = streamOf({});
    Bytes expected;

    explicit PrefixedStream(std::size_t prefixSize)
    {
        const Bytes prefix = randomBytes((prefixSize + 111) / 112 * 112, prefixSize);
        stored.reserve(prefix.size() + prefix.size() / 100 + 1200);
        for (std::size_t at = 0; at < prefix.size(); at += 112) {
            stored.push_back(0xFB);
            append(stored, std::span(prefix).subspan(at, 112));
        }
        expected = prefix;
    }
};

// A random valid stream and what it decodes to: literal runs of every length
// and copies of every family, many from a few bytes back (where a copy reads
// what it writes and the decoder's chunks meet their own output), with 0 to
// 3 literals riding on each, usually ended by a stop code.
struct RandomStream {
    Bytes stored = streamOf({});
    Bytes expected;

    RandomStream(std::uint64_t seed, std::size_t steps)
    {
        Random random(seed);
        literals(4, random);
        for (std::size_t step = 0; step < steps; ++step) {
            if (random.below(5) == 0) {
                literals(4 * (1 + random.below(28)), random);
                continue;
            }
            const std::size_t plain = random.below(4);
            const std::uint32_t family = random.below(3);
            const std::size_t longest[3] = { 10, 67, 1028 };
            const std::size_t shortest[3] = { 3, 4, 5 };
            const std::size_t farthest[3] = { 1024, 16384, 131072 };
            std::size_t count = shortest[family] + random.below(static_cast<std::uint32_t>(longest[family] - 2));
            count = std::min(count, random.below(3) == 0 ? longest[family] : shortest[family] + 30);
            const std::size_t reach = std::min(farthest[family], expected.size() + plain);
            const std::size_t offset = 1
                + random.below(static_cast<std::uint32_t>(random.below(2) ? std::min<std::size_t>(reach, 40) : reach));
            const std::size_t d = offset - 1;
            if (family == 0) {
                stored.push_back(static_cast<std::uint8_t>(((d >> 3) & 0x60) | ((count - 3) << 2) | plain));
                stored.push_back(static_cast<std::uint8_t>(d));
            } else if (family == 1) {
                stored.push_back(static_cast<std::uint8_t>(0x80 | (count - 4)));
                stored.push_back(static_cast<std::uint8_t>((plain << 6) | (d >> 8)));
                stored.push_back(static_cast<std::uint8_t>(d));
            } else {
                const std::size_t c = count - 5;
                stored.push_back(static_cast<std::uint8_t>(0xC0 | ((d >> 12) & 0x10) | ((c >> 6) & 0x0C) | plain));
                stored.push_back(static_cast<std::uint8_t>(d >> 8));
                stored.push_back(static_cast<std::uint8_t>(d));
                stored.push_back(static_cast<std::uint8_t>(c));
            }
            for (std::size_t k = 0; k < plain; ++k) {
                const auto byte = static_cast<std::uint8_t>(random.next() >> 56);
                stored.push_back(byte);
                expected.push_back(byte);
            }
            appendBackCopy(expected, offset, count);
        }
        if (random.below(4) != 0) {
            const std::size_t rest = random.below(4);
            stored.push_back(static_cast<std::uint8_t>(0xFC + rest));
            for (std::size_t k = 0; k < rest; ++k) {
                stored.push_back(static_cast<std::uint8_t>(k + 1));
                expected.push_back(static_cast<std::uint8_t>(k + 1));
            }
        }
    }

private:
    void literals(std::size_t count, Random& random)
    {
        stored.push_back(static_cast<std::uint8_t>(0xE0 + count / 4 - 1));
        for (std::size_t k = 0; k < count; ++k) {
            const auto byte = static_cast<std::uint8_t>(random.next() >> 56);
            stored.push_back(byte);
            expected.push_back(byte);
        }
    }
};

} // namespace

TEST(Decompress, inputsOfNineBytesOrFewerDecodeToNothing)
{
    const Bytes header = streamOf({});
    for (std::size_t size = 0; size <= 9; ++size) {
        const auto result = decompress(std::span(header).first(size));
        EXPECT_EQ(result.status, DecodeStatus::Ok) << size;
        EXPECT_TRUE(result.bytes.empty()) << size;
    }
}

TEST(Decompress, ignoresTheHeaderFields)
{
    // Sizes that lie in both directions change nothing: the stream decides.
    Bytes stored = streamOf({ 0xE0, 'a', 'b', 'c', 'd' });
    stored[0] = stored[1] = stored[2] = stored[3] = 0xFF;
    stored[6] = stored[7] = stored[8] = 0xFF;
    EXPECT_EQ(decoded(stored), bytesOf("abcd"));
    stored[6] = stored[7] = stored[8] = 0;
    EXPECT_EQ(decoded(stored), bytesOf("abcd"));
}

TEST(Decompress, stopCodesCarryZeroToThreeBytesAndEndTheStream)
{
    EXPECT_TRUE(decoded(streamOf({ 0xFC })).empty());
    EXPECT_TRUE(decoded(streamOf({ 0xFC, 0xE0, 1, 2, 3, 4 })).empty());
    EXPECT_EQ(decoded(streamOf({ 0xFD, 'x', 'y', 'z' })), bytesOf("x"));
    EXPECT_EQ(decoded(streamOf({ 0xFE, 'x', 'y', 'z' })), bytesOf("xy"));
    EXPECT_EQ(decoded(streamOf({ 0xFF, 'x', 'y', 'z' })), bytesOf("xyz"));
    EXPECT_EQ(decoded(streamOf({ 0xE0, 'a', 'b', 'c', 'd', 0xFF, 'x', 'y', 'z', 0xFB })), bytesOf("abcdxyz"));
}

TEST(Decompress, streamWithoutStopCodeEndsWithItsInput)
{
    EXPECT_EQ(decoded(streamOf({ 0xE0, 'a', 'b', 'c', 'd', 0xE0, 'e', 'f', 'g', 'h' })), bytesOf("abcdefgh"));
}

TEST(Decompress, literalRunsFrom4To112Bytes)
{
    for (unsigned a = 0xE0; a <= 0xFB; ++a) {
        const std::size_t plain = ((a & 0x1F) + 1) * 4;
        const Bytes literal = randomBytes(plain, a);
        Bytes stored = streamOf({ static_cast<std::uint8_t>(a) });
        append(stored, literal);
        EXPECT_EQ(decoded(stored), literal) << std::hex << a;
    }
}

TEST(Decompress, shortCopyRepeatsTheLastByteTenTimes)
{
    const Bytes out = decoded(streamOf({ 0xE0, 0x61, 0x62, 0x63, 0x64, 0x1C, 0x00 }));
    EXPECT_EQ(out, bytesOf("abcddddddddddd"));
}

struct FamilyCase {
    const char* name;
    Bytes code; // control byte and code bytes
    std::size_t plain;
    std::size_t count;
    std::size_t offset;
};

// Test listings show the case's name rather than a dump of its bytes.
static void PrintTo(const FamilyCase& testCase, std::ostream* out)
{
    *out << testCase.name;
}

class ControlCodeFamily : public testing::TestWithParam<FamilyCase> { };

TEST_P(ControlCodeFamily, decodesPlainCountAndOffset)
{
    const FamilyCase& c = GetParam();
    PrefixedStream stream(131072 + 112);
    append(stream.stored, c.code);
    const Bytes literal = bytesOf("PQR");
    append(stream.stored, std::span(literal).first(c.plain));
    append(stream.expected, std::span(literal).first(c.plain));
    appendBackCopy(stream.expected, c.offset, c.count);
    EXPECT_EQ(decoded(stream.stored), stream.expected);
}

INSTANTIATE_TEST_SUITE_P(Extremes, ControlCodeFamily,
    testing::Values(FamilyCase { "twoByteSmallest", { 0x00, 0x00 }, 0, 3, 1 },
        FamilyCase { "twoByteLargest", { 0x7F, 0xFF }, 3, 10, 1024 },
        FamilyCase { "twoByteMixed", { 0x35, 0x10 }, 1, 8, 273 },
        FamilyCase { "threeByteSmallest", { 0x80, 0x00, 0x00 }, 0, 4, 1 },
        FamilyCase { "threeByteLargest", { 0xBF, 0xFF, 0xFF }, 3, 67, 16384 },
        FamilyCase { "threeByteMixed", { 0xA0, 0x81, 0x02 }, 2, 36, 259 },
        FamilyCase { "fourByteSmallest", { 0xC0, 0x00, 0x00, 0x00 }, 0, 5, 1 },
        FamilyCase { "fourByteLargest", { 0xDF, 0xFF, 0xFF, 0xFF }, 3, 1028, 131072 },
        FamilyCase { "fourByteHighOffsetBit", { 0xD1, 0x00, 0x00, 0x10 }, 1, 21, 65537 }),
    [](const testing::TestParamInfo<FamilyCase>& testCase) { return std::string(testCase.param.name); });

TEST(Decompress, backCopiesOfEveryShortOffsetAndLengthRepeatRuns)
{
    // Offsets below, at and above the copy length, across the decoder's
    // memset, periodic and chunked paths.
    for (std::size_t offset = 1; offset <= 40; ++offset) {
        for (std::size_t count : { 4u, 5u, 15u, 16u, 17u, 31u, 33u, 67u }) {
            PrefixedStream stream(112);
            // 0x80 family: count = (a & 0x3F) + 4, offset = ((b1 & 0x3F) << 8) + b2 + 1.
            stream.stored.push_back(static_cast<std::uint8_t>(0x80 + count - 4));
            stream.stored.push_back(0x00);
            stream.stored.push_back(static_cast<std::uint8_t>(offset - 1));
            appendBackCopy(stream.expected, offset, count);
            // A second copy right after reads what the first wrote.
            stream.stored.insert(stream.stored.end(), { 0xC0, 0x00, 0x00, 0xFF });
            appendBackCopy(stream.expected, 1, 260);
            ASSERT_EQ(decoded(stream.stored), stream.expected) << "offset " << offset << " count " << count;
        }
    }
}

TEST(Decompress, copyReachingExactlyToTheStartIsValid)
{
    EXPECT_EQ(decoded(streamOf({ 0xE0, 'a', 'b', 'c', 'd', 0x00, 0x03 })), bytesOf("abcdabc"));
}

struct DamageCase {
    const char* name;
    Bytes stored;
    DecodeStatus status;
    std::size_t position;
};

// Test listings show the case's name rather than a dump of its bytes.
static void PrintTo(const DamageCase& testCase, std::ostream* out)
{
    *out << testCase.name;
}

class DamagedStream : public testing::TestWithParam<DamageCase> { };

TEST_P(DamagedStream, stopsAndReportsWhere)
{
    const DamageCase& c = GetParam();
    const auto result = decompress(c.stored);
    EXPECT_EQ(result.status, c.status) << kelvora::describe(result.status);
    EXPECT_EQ(result.position, c.position);
    EXPECT_TRUE(result.bytes.empty());
}

INSTANTIATE_TEST_SUITE_P(EveryKind, DamagedStream,
    testing::Values(DamageCase { "copyBeforeAnyOutput", streamOf({ 0x00, 0x00 }), DecodeStatus::OffsetBeforeStart, 9 },
        DamageCase {
            "offsetOnePastStart", streamOf({ 0xE0, 1, 2, 3, 4, 0x00, 0x04 }), DecodeStatus::OffsetBeforeStart, 14 },
        DamageCase { "farOffsetBeforeStart", streamOf({ 0xE0, 1, 2, 3, 4, 0xDC, 0xFF, 0xFF, 0xFF }),
            DecodeStatus::OffsetBeforeStart, 14 },
        DamageCase { "threeByteOffsetBeforeStart", streamOf({ 0xE0, 1, 2, 3, 4, 0x80, 0x3F, 0xFF }),
            DecodeStatus::OffsetBeforeStart, 14 },
        DamageCase { "twoByteCodeCut", streamOf({ 0xE0, 1, 2, 3, 4, 0x00 }), DecodeStatus::TruncatedCode, 14 },
        DamageCase { "threeByteCodeCut", streamOf({ 0x80, 0x00 }), DecodeStatus::TruncatedCode, 9 },
        DamageCase { "fourByteCodeCut", streamOf({ 0xC0, 0x00, 0x00 }), DecodeStatus::TruncatedCode, 9 },
        DamageCase { "literalRunCut", streamOf({ 0xE1, 1, 2, 3, 4, 5, 6, 7 }), DecodeStatus::PlainPastEnd, 9 },
        DamageCase { "longestLiteralRunCut", streamOf({ 0xFB, 1 }), DecodeStatus::PlainPastEnd, 9 },
        DamageCase {
            "plainOfCopyCut", streamOf({ 0xE0, 1, 2, 3, 4, 0x03, 0x00, 'a', 'b' }), DecodeStatus::PlainPastEnd, 14 },
        DamageCase { "plainOfThreeByteCopyCut", streamOf({ 0xE0, 1, 2, 3, 4, 0x80, 0xC0, 0x00, 'a' }),
            DecodeStatus::PlainPastEnd, 14 },
        DamageCase { "stopCodeBytesCut", streamOf({ 0xFF, 'a', 'b' }), DecodeStatus::PlainPastEnd, 9 },
        DamageCase { "stopCodeWithoutBytes", streamOf({ 0xFD }), DecodeStatus::PlainPastEnd, 9 }),
    [](const testing::TestParamInfo<DamageCase>& testCase) { return std::string(testCase.param.name); });

TEST(Decompress, outputStopsAtTheCeiling)
{
    // 4 literal bytes, then copies of 1028 bytes each: a decompression bomb.
    Bytes bomb = streamOf({ 0xE0, 1, 2, 3, 4 });
    for (int k = 0; k < 70000; ++k)
        bomb.insert(bomb.end(), { 0xCC, 0x00, 0x00, 0xFF });
    const auto result = decompress(bomb);
    EXPECT_EQ(result.status, DecodeStatus::OutputTooLarge);
    EXPECT_TRUE(result.bytes.empty());

    // Against a small ceiling: exactly at it decodes, one byte more does not,
    // whichever code passes it.
    const Bytes eight = streamOf({ 0xE0, 1, 2, 3, 4, 0x00, 0x00, 0xFD, 9 });
    EXPECT_EQ(decompress(eight, 8).status, DecodeStatus::Ok);
    EXPECT_EQ(decompress(eight, 7).status, DecodeStatus::OutputTooLarge);
    EXPECT_EQ(decompress(eight, 6).status, DecodeStatus::OutputTooLarge);
    EXPECT_EQ(decompress(eight, 3).status, DecodeStatus::OutputTooLarge);
}

TEST(Decompress, outputLargerThanTheOldWorkingBufferDecodes)
{
    // 12 MB from a short stream: far beyond what the header's hint says.
    Bytes stored = streamOf({ 0xE0, 7, 7, 7, 7 });
    std::size_t size = 4;
    while (size + 1028 <= 12'000'000) {
        stored.insert(stored.end(), { 0xCC, 0x00, 0x00, 0xFF });
        size += 1028;
    }
    const auto result = decompress(stored);
    ASSERT_EQ(result.status, DecodeStatus::Ok);
    EXPECT_EQ(result.bytes.size(), size);
    EXPECT_EQ(result.bytes.back(), 7);
}

TEST(Decompress, everyTruncationAndByteFlipEndsCleanly)
{
    const Bytes original = variedBytes(3000, 17);
    const Bytes stored = kelvora::compress(original, 4);
    // Cut anywhere: either a valid shorter stream or a reported damage.
    for (std::size_t size = 0; size <= stored.size(); ++size) {
        const auto result = decompress(std::span(stored).first(size));
        if (result.status == DecodeStatus::Ok) {
            EXPECT_LE(result.bytes.size(), original.size());
        }
    }
    // Flip bits anywhere, including the control bytes.
    Bytes damaged = stored;
    for (std::size_t at = 9; at < damaged.size(); ++at) {
        for (std::uint8_t mask : { 0x01, 0x20, 0x80, 0xFF }) {
            damaged[at] ^= mask;
            const auto result = decompress(damaged);
            EXPECT_TRUE(result.status == DecodeStatus::Ok || result.bytes.empty());
            damaged[at] ^= mask;
        }
    }
}

TEST(Decompress, randomStreamsDecodeAsTheReferenceDecoderDecodesThem)
{
    for (std::uint64_t seed = 1; seed <= 300; ++seed) {
        const RandomStream stream(seed, 20 + seed % 400);
        const auto result = decompress(stream.stored);
        ASSERT_EQ(result.status, DecodeStatus::Ok) << "seed " << seed << ": " << kelvora::describe(result.status);
        ASSERT_TRUE(result.bytes == stream.expected) << "seed " << seed;
        const auto reference = referenceDecompress(stream.stored);
        ASSERT_TRUE(reference && *reference == stream.expected) << "seed " << seed;
    }
}

TEST(Decompress, damagedRandomStreamsFailExactlyWhereTheReferenceDecoderFails)
{
    // Cut short and with bytes changed: the decoder accepts what the
    // reference accepts, with the same bytes, and refuses what it refuses.
    Random random(2029);
    for (std::uint64_t seed = 1; seed <= 60; ++seed) {
        const RandomStream stream(seed * 7919, 60);
        for (int trial = 0; trial < 60; ++trial) {
            Bytes damaged = stream.stored;
            if (trial % 3 == 0)
                damaged.resize(9 + random.below(static_cast<std::uint32_t>(damaged.size() - 8)));
            else
                damaged[9 + random.below(static_cast<std::uint32_t>(damaged.size() - 9))]
                    ^= static_cast<std::uint8_t>(1 + random.below(255));
            const auto result = decompress(damaged, 1 << 20);
            const auto reference = referenceDecompress(damaged, 1 << 20);
            ASSERT_EQ(result.status == DecodeStatus::Ok, reference.has_value())
                << "seed " << seed << " trial " << trial << ": " << kelvora::describe(result.status);
            if (reference) {
                ASSERT_TRUE(result.bytes == *reference) << "seed " << seed << " trial " << trial;
            }
        }
    }
}

TEST(Decompress, fuzzSeedStreamsDecodeOrReportTheirNamedDamage)
{
    // The fuzz target's seed streams, replayed: the broken ones are named after their fault.
    const std::filesystem::path folder = std::filesystem::path(VARNICK_SOURCE_DIR) / "fuzz" / "corpus" / "decompress";
    std::size_t replayed = 0;
    for (const auto& item : std::filesystem::directory_iterator(folder)) {
        std::ifstream in(item.path(), std::ios::binary);
        const Bytes stored((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const auto result = decompress(stored);
        const std::string name = item.path().filename().string();
        if (name == "offset-before-start.bin")
            EXPECT_EQ(result.status, DecodeStatus::OffsetBeforeStart);
        else if (name == "truncated-literal.bin")
            EXPECT_EQ(result.status, DecodeStatus::PlainPastEnd);
        else
            EXPECT_EQ(result.status, DecodeStatus::Ok) << name << ": " << kelvora::describe(result.status);
        ++replayed;
    }
    EXPECT_GE(replayed, 9u);
}
