// The encoder: exact output for the block format's cases, identical output to
// the plain reference encoder on varied inputs, and round trips of everything.
#include "support/Codec.h"
#include "tests/support/CodecTestSupport.h"
#include "tests/support/ReferenceEncoder.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace varnick::test;
using kelvora::compress;
using kelvora::DecodeStatus;

namespace {

std::size_t storedSize(const Bytes& stored)
{
    return stored[0] | (std::size_t { stored[1] } << 8) | (std::size_t { stored[2] } << 16)
        | (std::size_t { stored[3] } << 24);
}

std::size_t declaredSize(const Bytes& stored)
{
    return (std::size_t { stored[6] } << 16) | (std::size_t { stored[7] } << 8) | stored[8];
}

void expectRoundTrip(const Bytes& original, std::int32_t blockUnits)
{
    const Bytes stored = compress(original, blockUnits);
    EXPECT_EQ(storedSize(stored), stored.size());
    EXPECT_EQ(declaredSize(stored), original.size());
    const auto result = kelvora::decompress(stored);
    ASSERT_EQ(result.status, DecodeStatus::Ok) << kelvora::describe(result.status) << " at " << result.position;
    ASSERT_EQ(result.bytes.size(), original.size()) << "block units " << blockUnits;
    EXPECT_TRUE(result.bytes == original) << "block units " << blockUnits;
}

Bytes withHeader(std::size_t total, std::size_t size, std::initializer_list<std::uint8_t> codes)
{
    Bytes out { static_cast<std::uint8_t>(total), static_cast<std::uint8_t>(total >> 8),
        static_cast<std::uint8_t>(total >> 16), static_cast<std::uint8_t>(total >> 24), 0x10, 0xFB,
        static_cast<std::uint8_t>(size >> 16), static_cast<std::uint8_t>(size >> 8), static_cast<std::uint8_t>(size) };
    out.insert(out.end(), codes.begin(), codes.end());
    return out;
}

} // namespace

TEST(Compress, emptyInputIsTheHeaderAlone)
{
    EXPECT_EQ(compress({}, 16), withHeader(9, 0, {}));
}

TEST(Compress, headerCarriesTheRealSizes)
{
    const Bytes original = textBytes(70000, 3);
    const Bytes stored = compress(original, 16);
    EXPECT_EQ(storedSize(stored), stored.size());
    EXPECT_EQ(declaredSize(stored), 70000u);
    EXPECT_EQ(stored[4], 0x10);
    EXPECT_EQ(stored[5], 0xFB);
}

TEST(Compress, blockUnitsAreClampedToThreeToSixteen)
{
    const Bytes original = variedBytes(20000, 5);
    EXPECT_EQ(kelvora::blockLength(1), 12u);
    EXPECT_EQ(kelvora::blockLength(-7), 12u);
    EXPECT_EQ(kelvora::blockLength(40), 64u);
    EXPECT_EQ(compress(original, 1), compress(original, 3));
    EXPECT_EQ(compress(original, -100), compress(original, 3));
    EXPECT_EQ(compress(original, 40), compress(original, 16));
    EXPECT_NE(compress(original, 3), compress(original, 16));
}

TEST(Compress, thirdBlockEqualToTheFirstBecomesACopyCode)
{
    // Blocks A B A of 12 bytes: two literal runs, then a copy from 24 bytes back.
    const Bytes a = bytesOf("ABCDEFGHIJKL");
    const Bytes b = bytesOf("mnopqrstuvwx");
    Bytes original = a;
    append(original, b);
    append(original, a);
    Bytes expected = withHeader(9 + 13 + 13 + 4, 36, { 0xE2 });
    append(expected, a);
    expected.push_back(0xE2);
    append(expected, b);
    expected.insert(expected.end(), { 0xC0, 0x00, 23, 12 - 5 });
    EXPECT_EQ(compress(original, 3), expected);
    expectRoundTrip(original, 3);
}

TEST(Compress, secondBlockIsNeverACopyOfTheFirst)
{
    // The source of a copy must end before the block starts: A A is two literal runs.
    Bytes original(24, 'z');
    const Bytes stored = compress(original, 3);
    ASSERT_EQ(stored.size(), 9u + 13 + 13);
    EXPECT_EQ(stored[9], 0xE2);
    EXPECT_EQ(stored[22], 0xE2);
}

TEST(Compress, finalPartialBlockKeepsEveryByte)
{
    struct Case {
        std::size_t rest;
        Bytes codes; // the codes after the first full 12-byte block
    };
    const Bytes block = bytesOf("0123456789ab");
    const std::vector<Case> cases = {
        { 1, { 0xFD, 'r' } },
        { 2, { 0xFE, 'r', 's' } },
        { 3, { 0xFF, 'r', 's', 't' } },
        { 4, { 0xE0, 'r', 's', 't', 'u' } },
        { 5, { 0xE0, 'r', 's', 't', 'u', 0xFD, 'v' } },
        { 7, { 0xE0, 'r', 's', 't', 'u', 0xFF, 'v', 'w', 'x' } },
        { 8, { 0xE1, 'r', 's', 't', 'u', 'v', 'w', 'x', 'y' } },
        { 11, { 0xE1, 'r', 's', 't', 'u', 'v', 'w', 'x', 'y', 0xFF, 'z', '!', '?' } },
    };
    const Bytes tail = bytesOf("rstuvwxyz!?");
    for (const Case& c : cases) {
        Bytes original = block;
        append(original, std::span(tail).first(c.rest));
        Bytes expected = withHeader(9 + 13 + c.codes.size(), original.size(), { 0xE2 });
        append(expected, block);
        append(expected, c.codes);
        EXPECT_EQ(compress(original, 3), expected) << "rest " << c.rest;
        expectRoundTrip(original, 3);
    }
}

TEST(Compress, tinyInputsRoundTrip)
{
    for (std::size_t size = 0; size <= 70; ++size) {
        const Bytes original = randomBytes(size, size + 100);
        for (std::int32_t units : { 3, 5, 16 })
            expectRoundTrip(original, units);
    }
}

TEST(Compress, typicalAndExtremeInputsRoundTripAtEveryBlockLength)
{
    const std::vector<Bytes> inputs = { Bytes(100000, 0), Bytes(65537, 0xFF), textBytes(50001, 1), meshBytes(40003, 2),
        textureBytes(60000, 3), randomBytes(30002, 4), variedBytes(90001, 5) };
    for (const Bytes& original : inputs) {
        for (std::int32_t units = 3; units <= 16; ++units)
            expectRoundTrip(original, units);
    }
}

TEST(Compress, largeResourcesRoundTrip)
{
    expectRoundTrip(variedBytes(1 << 20, 11), 16);
    // Larger than the fixed 8 MiB working buffer the format was first used with.
    expectRoundTrip(variedBytes(10'000'000, 12), 16);
}

TEST(Compress, refusesWhatTheHeaderCannotDescribe)
{
    const Bytes largest(kelvora::kMaxEncodedInput, 1);
    const Bytes stored = compress(largest, 16);
    EXPECT_EQ(declaredSize(stored), 0xFFFFFFu);
    const Bytes tooLarge(kelvora::kMaxEncodedInput + 1, 1);
    EXPECT_THROW(compress(tooLarge, 16), std::length_error);
}

// --- identical output to the reference encoder --------------------------------

struct ReferenceCase {
    const char* name;
    Bytes input;
};

// Test listings show the case's name rather than a dump of its bytes.
static void PrintTo(const ReferenceCase& testCase, std::ostream* out)
{
    *out << testCase.name;
}

class SameAsReference : public testing::TestWithParam<ReferenceCase> { };

TEST_P(SameAsReference, atSeveralBlockLengths)
{
    const Bytes& input = GetParam().input;
    for (std::int32_t units : { 3, 7, 16 }) {
        const Bytes expected = referenceCompress(input, units);
        const Bytes actual = compress(input, units);
        ASSERT_EQ(actual.size(), expected.size()) << "block units " << units;
        EXPECT_TRUE(actual == expected) << "block units " << units;
    }
}

namespace {

// A block copied exactly as far back as the window allows, and one copied a
// byte further, among zeros (so the reference scan stays short): the first
// must become a copy code, the second must not.
Bytes windowEdges()
{
    Bytes data(150000, 0);
    for (std::size_t block : { 12u, 28u, 64u }) {
        const std::size_t target = 140000 / block * block + 10 * block;
        const std::size_t farthest = target - (131000 - block);
        const Bytes unique = randomBytes(block, block);
        std::copy(unique.begin(), unique.end(), data.begin() + static_cast<std::ptrdiff_t>(farthest));
        std::copy(unique.begin(), unique.end(), data.begin() + static_cast<std::ptrdiff_t>(target));
        const std::size_t beyond = target + 20 * block;
        const Bytes other = randomBytes(block, block + 1);
        std::copy(
            other.begin(), other.end(), data.begin() + static_cast<std::ptrdiff_t>(beyond - (131000 - block) - 1));
        std::copy(other.begin(), other.end(), data.begin() + static_cast<std::ptrdiff_t>(beyond));
    }
    return data;
}

Bytes nearRepeats()
{
    Bytes data = randomBytes(6000, 22);
    for (std::size_t distance = 10; distance < 140; ++distance) {
        const Bytes piece = randomBytes(64, distance);
        append(data, piece);
        append(data, randomBytes(distance > 64 ? distance - 64 : 0, distance + 1000));
        append(data, piece);
    }
    return data;
}

// Few distinct blocks at many positions: long hash chains of equal content.
Bytes fewDistinctBlocks()
{
    Random random(23);
    Bytes data;
    const Bytes pieces[] = { Bytes(64, 'a'), randomBytes(64, 1), randomBytes(64, 2) };
    while (data.size() < 330000) {
        const Bytes& piece = pieces[random.below(3)];
        append(data, std::span(piece).first(1 + random.below(64)));
    }
    return data;
}

} // namespace

INSTANTIATE_TEST_SUITE_P(VariedInputs, SameAsReference,
    testing::Values(ReferenceCase { "empty", {} }, ReferenceCase { "zeros", Bytes(50000, 0) },
        ReferenceCase { "text", textBytes(60000, 31) }, ReferenceCase { "mesh", meshBytes(60000, 32) },
        ReferenceCase { "texture", textureBytes(50000, 33) }, ReferenceCase { "random", randomBytes(40000, 34) },
        ReferenceCase { "varied", variedBytes(100000, 35) },
        ReferenceCase { "periodSeven",
            [] {
                Bytes data(90000);
                for (std::size_t k = 0; k < data.size(); ++k)
                    data[k] = static_cast<std::uint8_t>(k % 7);
                return data;
            }() },
        ReferenceCase { "windowEdges", windowEdges() }, ReferenceCase { "nearRepeats", nearRepeats() },
        ReferenceCase { "fewDistinctBlocks", fewDistinctBlocks() }),
    [](const testing::TestParamInfo<ReferenceCase>& testCase) { return std::string(testCase.param.name); });

TEST(Compress, sameAsReferenceWhenPositionsLeaveTheWindow)
{
    // Longer than the finder's ring of positions, with repeats of every age:
    // positions leave their chains both when their slot is reused and when a
    // search finds them below the window.
    Bytes input = fewDistinctBlocks();
    const Bytes varied = variedBytes(30000, 36);
    append(input, varied);
    append(input, std::span(input).first(40000));
    const Bytes expected = referenceCompress(input, 16);
    EXPECT_TRUE(compress(input, 16) == expected);
}
