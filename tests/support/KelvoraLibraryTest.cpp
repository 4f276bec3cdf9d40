// The built library as the program sees it: loaded by name from the program's
// folder, every export resolved, strings handed over and freed; and the
// binding's failures when the library or one of its functions is missing.
#include "package/base/ErrorTrap.h"
#include "package/base/KelvoraBinding.h"
#include "support/Kelvora.h"
#include "tests/common/FailsWith.h"
#include "tests/support/CodecTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

using namespace varnick;
using namespace varnick::test;

namespace {

ByteString asString(const Bytes& bytes)
{
    return ByteString(bytes.begin(), bytes.end());
}

// Asserts that body throws Failure with code and a description containing text.
void expectFailure(const std::function<void()>& body, ErrorCode code, const std::string& text)
{
    EXPECT_FAILS_WITH_CODE(body(), code, text);
}

class KelvoraBinding : public testing::Test {
protected:
    void SetUp() override { setKelvoraLibraryForTesting({}); }
    void TearDown() override { setKelvoraLibraryForTesting({}); }
};

} // namespace

TEST(KelvoraString, holdsItsLengthAndTwoTerminatingZeros)
{
    KelvoraString empty = kelvoraStringAlloc(nullptr, 0);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(kelvoraStringLength(empty), 0u);
    kelvoraStringFree(empty);

    const char bytes[] = { 'a', '\0', 'b' };
    KelvoraString string = kelvoraStringAlloc(bytes, 3);
    ASSERT_NE(string, nullptr);
    EXPECT_EQ(kelvoraStringLength(string), 3u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(kelvoraStringBytes(string)), 3), std::string(bytes, 3));
    EXPECT_EQ(kelvoraStringBytes(string)[3], 0);
    EXPECT_EQ(kelvoraStringBytes(string)[4], 0);
    kelvoraStringFree(string);

    EXPECT_EQ(kelvoraStringLength(nullptr), 0u);
    kelvoraStringFree(nullptr);
}

TEST(KelvoraExports, rejectNegativeLengthsAndNullBuffers)
{
    const unsigned char bytes[16] = {};
    EXPECT_EQ(Decompress(bytes, -1), nullptr);
    EXPECT_EQ(Compress(bytes, -1, 16), nullptr);
    EXPECT_EQ(RAWtoBMP(bytes, -4), nullptr);
    EXPECT_EQ(Decompress(nullptr, 12), nullptr);
    EXPECT_EQ(RAWtoBMP(nullptr, 8), nullptr);

    // A null buffer of length 0 is an empty input, not an error.
    KelvoraString empty = Decompress(nullptr, 0);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(kelvoraStringLength(empty), 0u);
    kelvoraStringFree(empty);
    KelvoraString header = Compress(nullptr, 0, 16);
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(kelvoraStringLength(header), 9u);
    kelvoraStringFree(header);
}

TEST(KelvoraExports, decompressReturnsNoStringForADamagedStream)
{
    const Bytes damaged = streamOf({ 0xE0, 1, 2, 3, 4, 0x00, 0x10 });
    EXPECT_EQ(Decompress(damaged.data(), static_cast<std::int32_t>(damaged.size())), nullptr);
}

TEST_F(KelvoraBinding, loadsTheLibraryBesideTheProgramAndResolvesEveryExport)
{
    const std::filesystem::path path = kelvoraLibraryPath();
    EXPECT_TRUE(std::filesystem::exists(path)) << path;
    EXPECT_DOUBLE_EQ(kelvoraVersion(), 1.31);

    const Bytes original = variedBytes(300000, 41);
    const ByteString stored = kelvoraCompress(asString(original), 16);
    EXPECT_EQ(stored, asString(kelvora::compress(original, 16)));
    EXPECT_EQ(kelvoraDecompress(stored), asString(original));
    EXPECT_EQ(
        kelvoraRawToBmp(ByteString("\x01\x02\x03\x04\x05\x06\x07\x08", 8)), ByteString("\x05\x06\x07\x01\x02\x03", 6));
}

TEST_F(KelvoraBinding, damagedStreamIsAFailureSayingSo)
{
    const Bytes damaged = streamOf({ 0xFB, 1, 2 });
    expectFailure([&] { kelvoraDecompress(asString(damaged)); }, ErrorCode::DamagedCompression, "damaged");
}

TEST_F(KelvoraBinding, missingLibraryIsAFailureNamingTheFile)
{
    const std::filesystem::path missing = std::filesystem::temp_directory_path() / "no-such-folder" / "libnothing.so";
    setKelvoraLibraryForTesting(missing);
    EXPECT_EQ(kelvoraLibraryPath(), missing);
    expectFailure([] { kelvoraVersion(); }, ErrorCode::LibraryMissing, "libnothing.so");
    expectFailure([] { kelvoraDecompress(ByteString(12, '\0')); }, ErrorCode::LibraryMissing, "libnothing.so");
}

TEST_F(KelvoraBinding, missingFunctionIsAFailureNamingIt)
{
    // A library that exists but exports none of Kelvora's functions.
#if defined(_WIN32)
    setKelvoraLibraryForTesting(L"kernel32.dll");
#elif defined(__APPLE__)
    setKelvoraLibraryForTesting("/usr/lib/libSystem.B.dylib");
#else
    setKelvoraLibraryForTesting("libm.so.6");
#endif
    expectFailure([] { kelvoraVersion(); }, ErrorCode::FunctionMissing, "\"GetDLLversion\"");
    expectFailure([] { kelvoraRawToBmp(ByteString(8, '\0')); }, ErrorCode::FunctionMissing, "\"RAWtoBMP\"");
    expectFailure([] { kelvoraDecompress(ByteString(12, '\0')); }, ErrorCode::FunctionMissing, "\"Decompress\"");

    // Pointing it back at the real library binds again.
    setKelvoraLibraryForTesting({});
    EXPECT_DOUBLE_EQ(kelvoraVersion(), 1.31);
}

TEST(RawToBmp, reversesPixelsAndDropsTheFourthByte)
{
    EXPECT_TRUE(kelvora::rawToBmp({}).empty());
    for (std::size_t size = 1; size <= 3; ++size)
        EXPECT_TRUE(kelvora::rawToBmp(Bytes(size, 9)).empty()) << size;
    EXPECT_EQ(kelvora::rawToBmp(Bytes { 1, 2, 3, 4, 5, 6, 7, 8 }), (Bytes { 5, 6, 7, 1, 2, 3 }));
    // An incomplete last pixel is left out.
    EXPECT_EQ(kelvora::rawToBmp(Bytes { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 }), (Bytes { 5, 6, 7, 1, 2, 3 }));

    const Bytes pixels = randomBytes(4 * 1000, 51);
    const Bytes out = kelvora::rawToBmp(pixels);
    ASSERT_EQ(out.size(), 3000u);
    for (std::size_t k = 0; k < 1000; ++k) {
        for (std::size_t c = 0; c < 3; ++c)
            ASSERT_EQ(out[3 * k + c], pixels[4 * (999 - k) + c]);
    }
}

TEST(RawToBmp, exportGivesTheSameBytes)
{
    const Bytes pixels = randomBytes(4 * 257 + 2, 52);
    KelvoraString result = RAWtoBMP(pixels.data(), static_cast<std::int32_t>(pixels.size()));
    ASSERT_NE(result, nullptr);
    const Bytes expected = kelvora::rawToBmp(pixels);
    EXPECT_EQ(Bytes(kelvoraStringBytes(result), kelvoraStringBytes(result) + kelvoraStringLength(result)), expected);
    kelvoraStringFree(result);
    EXPECT_DOUBLE_EQ(GetDLLversion(), 1.31);
}
