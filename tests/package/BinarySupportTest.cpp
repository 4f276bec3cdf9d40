#include "package/BinarySupport.h"
#include "package/TypeIds.h"
#include "package/base/ErrorTrap.h"
#include "tests/common/FailsWith.h"

#include <gtest/gtest.h>

#include <set>

using namespace varnick;

namespace {

ByteString bytes(std::initializer_list<int> values)
{
    ByteString result;
    for (const int value : values)
        result += static_cast<char>(value);
    return result;
}

template <typename Statement> void expectInvalidArgument(Statement statement, const std::string& part)
{
    EXPECT_FAILS_WITH_CODE(statement(), ErrorCode::InvalidArgument, part);
}

} // namespace

TEST(Identifiers, hexTextBecomesLittleEndianStoredBytes)
{
    EXPECT_EQ(gfstr4HexToSimsID("4F424A44"), bytes({ 0x44, 0x4A, 0x42, 0x4F }));
    EXPECT_EQ(gfstr4HexToSimsID("4f424a44"), bytes({ 0x44, 0x4A, 0x42, 0x4F }));
    EXPECT_EQ(gfstr4HexToSimsID("FFFFFFFF"), bytes({ 0xFF, 0xFF, 0xFF, 0xFF }));
    EXPECT_EQ(gfstr4HexToSimsID("4F424A4"), "");
    EXPECT_EQ(gfstr4HexToSimsID(""), "");
    EXPECT_EQ(gfstr4HexToSimsID("4F424A44ZZ"), gfstr4HexToSimsID("4F424A44"));
    EXPECT_EQ(simsIdToHex(gfstr4HexToSimsID("AC2950C1")), "AC2950C1");
}

TEST(Identifiers, compareBytewiseNotAsText)
{
    const ByteString stored = bytes({ 0x44, 0x4A, 0x42, 0x4F });
    EXPECT_EQ(gfstr4HexToSimsID("4F424A44"), stored);
    EXPECT_NE(gfstr4HexToSimsID("4F424A44"), bytes({ 0x4F, 0x42, 0x4A, 0x44 }));
    // Bytes above 127 order as unsigned, so identifiers sort the same on every platform.
    EXPECT_LT(bytes({ 0x01 }), bytes({ 0xFF }));
    // An embedded NUL is a byte like any other.
    EXPECT_NE(bytes({ 0x00, 0x01, 0x00, 0x00 }), bytes({ 0x00, 0x02, 0x00, 0x00 }));
}

TEST(TypeIds, allThirtyFiveConstantsHoldDistinctStoredForms)
{
    gstrTypeOBJD.clear();
    gsInitTypeIDs();
    const ByteString* constants[kTypeIdCount] = {
        &gstrTypeAllOnes,
        &gstrTypeGZPS,
        &gstrTypeED7D7B4D,
        &gstrTypeAC8A7A2E,
        &gstrTypeHOUS,
        &gstrTypeSLOT,
        &gstrTypeGMND,
        &gstrTypeTXMT,
        &gstrTypeTXTR,
        &gstrTypeLIFO,
        &gstrTypeANIM,
        &gstrTypeSHPE,
        &gstrTypeCRES,
        &gstrTypeGMDC,
        &gstrTypeLGHT1,
        &gstrTypeLGHT2,
        &gstrTypeLGHT3,
        &gstrTypeLGHT4,
        &gstrTypeMMAT,
        &gstrTypeCCA8E925,
        &gstrTypeACA8EA06,
        &gstrType4DCADB7E,
        &gstrType2CB230B8,
        &gstrType3IDR,
        &gstrTypeNMAP,
        &gstrTypeEBFEE342,
        &gstrType8C1580B5,
        &gstrTypeOBJD,
        &gstrTypeBHAV,
        &gstrTypeTTAB,
        &gstrTypeTTAS,
        &gstrTypeBCON,
        &gstrTypeAC2950C1,
        &gstrTypeCTSS,
        &gstrTypeEF1E6BE8,
    };
    std::set<ByteString> distinct;
    for (const ByteString* constant : constants) {
        EXPECT_EQ(constant->size(), 4u);
        distinct.insert(*constant);
    }
    EXPECT_EQ(distinct.size(), 35u);
    EXPECT_EQ(gstrTypeOBJD, ByteString("DJBO"));
    EXPECT_EQ(gstrTypeCTSS, ByteString("SSTC"));
    EXPECT_EQ(gstrTypeNMAP, ByteString("PamN"));
    EXPECT_EQ(simsIdToHex(gstrTypeGMDC), "AC4F8687");
    EXPECT_EQ(simsIdToHex(gstrTypeTXTR), "1C4A276C");
}

TEST(Numbers, fourByteValuesAreSignedLittleEndian)
{
    EXPECT_EQ(gflngStr4ToLong(bytes({ 0xFF, 0xFF, 0xFF, 0xFF })), -1);
    EXPECT_EQ(gflngStr4ToLong(bytes({ 0x01, 0x00, 0x00, 0x00 })), 1);
    EXPECT_EQ(gflngStr4ToLong(bytes({ 0xFF, 0xFF, 0xFF, 0x7F })), 2147483647);
    EXPECT_EQ(gflngStr4ToLong(bytes({ 0x00, 0x00, 0x00, 0x80 })), -2147483647 - 1);
    EXPECT_EQ(gflngStr4ToLong(bytes({ 0x01, 0x02, 0x03, 0x04, 0x05 })), 0x04030201);
    expectInvalidArgument([] { gflngStr4ToLong(bytes({ 1, 2, 3 })); }, "4 bytes");

    EXPECT_EQ(gflngStrToLong(bytes({ 0x05 })), 5);
    EXPECT_EQ(gflngStrToLong(""), 0);
    EXPECT_EQ(gflngStrToLong(bytes({ 0x34, 0x12 })), 0x1234);
    EXPECT_EQ(gflngStrToLong(bytes({ 0xFF, 0xFF, 0xFF })), 0x00FFFFFF);
    EXPECT_EQ(gflngStrToLong(bytes({ 0xFF, 0xFF, 0xFF, 0xFF, 0x12 })), -1);
}

TEST(Numbers, valuesRoundTripThroughTheirStoredBytes)
{
    EXPECT_EQ(gfstrIntToStr2(0x1234), bytes({ 0x34, 0x12 }));
    EXPECT_EQ(gfstrIntToStr2(-1), bytes({ 0xFF, 0xFF }));
    EXPECT_EQ(gfstrIntToStr2(-32768), bytes({ 0x00, 0x80 }));
    EXPECT_EQ(gfstrLongToStr4(0x01020304), bytes({ 0x04, 0x03, 0x02, 0x01 }));
    EXPECT_EQ(gfstrLongToStr4(-2), bytes({ 0xFE, 0xFF, 0xFF, 0xFF }));
    for (const std::int32_t value : { 0, 1, -1, 255, 256, 65535, 2147483647, -2147483647 - 1 })
        EXPECT_EQ(gflngStr4ToLong(gfstrLongToStr4(value)), value);

    EXPECT_EQ(gfintBytesToInteger(0xFF, 0xFF), -1);
    EXPECT_EQ(gfintBytesToInteger(0x00, 0x80), -32768);
    EXPECT_EQ(gfintBytesToInteger(0xFF, 0x7F), 32767);
    EXPECT_EQ(gfintBytesToInteger(0x34, 0x12), 0x1234);
}

TEST(Numbers, valueWidthFollowsTheByteCount)
{
    EXPECT_EQ(gflngStrToValue(""), 0);
    EXPECT_EQ(gflngStrToValue(bytes({ 0xFF })), 255);
    EXPECT_EQ(gflngStrToValue(bytes({ 0xFF, 0xFF })), -1);
    EXPECT_EQ(gflngStrToValue(bytes({ 0xFF, 0x7F })), 32767);
    EXPECT_EQ(gflngStrToValue(bytes({ 0xFF, 0xFF, 0xFF })), 16777215);
    EXPECT_EQ(gflngStrToValue(bytes({ 0xFF, 0xFF, 0xFF, 0xFF })), -1);
    EXPECT_EQ(gflngStrToValue(bytes({ 0x00, 0x00, 0x00, 0x80 })), -2147483647 - 1);
    expectInvalidArgument([] { gflngStrToValue(bytes({ 1, 2, 3, 4, 5 })); }, "at most 4 bytes");
}

TEST(Hex, digitPairsAndByteText)
{
    EXPECT_EQ(gfintHexByteToValue("a"), 10);
    EXPECT_EQ(gfintHexByteToValue("ff"), 255);
    EXPECT_EQ(gfintHexByteToValue("0A"), 10);
    EXPECT_EQ(gfintHexByteToValue(""), -1);
    EXPECT_EQ(gfintHexByteToValue("123"), -1);
    EXPECT_EQ(gfintHexByteToValue("G1"), 1);
    EXPECT_EQ(gfintHexByteToValue("1G"), 16);

    EXPECT_EQ(gfstrByteToHex(10), "0A");
    EXPECT_EQ(gfstrByteToHex(0), "00");
    EXPECT_EQ(gfstrByteToHex(255), "FF");

    EXPECT_EQ(gfstrStrToHex(bytes({ 0x01, 0x02 })), "0201");
    EXPECT_EQ(gfstrStrToHex(""), "");
    EXPECT_EQ(gfstrStrToHex(ByteString(40000, '\x7F')).size(), 80000u); // no 16-bit limit

    EXPECT_EQ(gfstrHexToStr("FDFF"), bytes({ 0xFD, 0xFF }));
    EXPECT_EQ(gfstrHexToStrRev("FB10"), bytes({ 0x10, 0xFB }));
    EXPECT_EQ(gfstrHexToStr(""), "");
    expectInvalidArgument([] { gfstrHexToStr("ABC"); }, "odd number");
    expectInvalidArgument([] { gfstrHexToStrRev("A"); }, "odd number");
}

TEST(Strings, pascalAndNulTerminatedAtOneBasedPositions)
{
    const ByteString data = bytes({ 0x03, 'a', 'b', 'c', 'x', 0x00, 'y' });
    EXPECT_EQ(gfstrReadPascalString(data, 1), "abc");
    EXPECT_EQ(gfstrReadPascalString(bytes({ 0x09, 'a', 'b' }), 1), "ab"); // length beyond the data stops at its end
    EXPECT_EQ(gfstrReadPascalString(data, 8), "");
    EXPECT_EQ(gfstrReadPascalString(bytes({ 0x00 }), 1), "");

    EXPECT_EQ(gfstrReadCString(data, 2), "abcx");
    EXPECT_EQ(gfstrReadCString(data, 6), "");
    EXPECT_EQ(gfstrReadCString(data, 7), "y");
    EXPECT_EQ(gfstrReadCString(data, 100), "");
    expectInvalidArgument([&] { gfstrReadCString(data, 0); }, "position 0");
    expectInvalidArgument([&] { gfstrReadPascalString(data, -3); }, "position -3");
}

TEST(Bits, flagsOfNonNegativeSixteenBitValues)
{
    EXPECT_TRUE(gfblnIsBitSet(5, 4));
    EXPECT_FALSE(gfblnIsBitSet(5, 2));
    EXPECT_TRUE(gfblnIsBitSet(5, 1));
    EXPECT_TRUE(gfblnIsBitSet(32767, 16384));
    EXPECT_TRUE(gfblnIsBitSet(16384, 16384));
    EXPECT_FALSE(gfblnIsBitSet(16383, 16384));
    EXPECT_FALSE(gfblnIsBitSet(0, 1));
    EXPECT_FALSE(gfblnIsBitSet(-1, 1)); // negative values find no flag
    EXPECT_FALSE(gfblnIsBitSet(7, 3)); // not a single flag
    for (int value = 0; value <= 32767; value += 37)
        for (int flag = 1; flag <= 16384; flag *= 2)
            ASSERT_EQ(gfblnIsBitSet(value, flag), (value & flag) != 0) << value << " " << flag;
}
