#include "package/TypeIds.h"

#include "package/BinarySupport.h"

namespace varnick {

namespace {

struct TypeIdDefinition {
    ByteString* constant;
    const char* hexText;
};

ByteString storedId(const char* hexText)
{
    return gfstr4HexToSimsID(hexText);
}

} // namespace

// Initialised here as well as by gsInitTypeIDs, so that code running before
// the start-up sequence (tests, the command-line tool) sees the same values.
ByteString gstrTypeAllOnes = storedId("FFFFFFFF");
ByteString gstrTypeGZPS = storedId("EBCF3E27");
ByteString gstrTypeED7D7B4D = storedId("ED7D7B4D");
ByteString gstrTypeAC8A7A2E = storedId("AC8A7A2E");
ByteString gstrTypeHOUS = storedId("484F5553");
ByteString gstrTypeSLOT = storedId("534C4F54");
ByteString gstrTypeGMND = storedId("7BA3838C");
ByteString gstrTypeTXMT = storedId("49596978");
ByteString gstrTypeTXTR = storedId("1C4A276C");
ByteString gstrTypeLIFO = storedId("ED534136");
ByteString gstrTypeANIM = storedId("FB00791E");
ByteString gstrTypeSHPE = storedId("FC6EB1F7");
ByteString gstrTypeCRES = storedId("E519C933");
ByteString gstrTypeGMDC = storedId("AC4F8687");
ByteString gstrTypeLGHT1 = storedId("C9C81B9B");
ByteString gstrTypeLGHT2 = storedId("C9C81BA3");
ByteString gstrTypeLGHT3 = storedId("C9C81BA9");
ByteString gstrTypeLGHT4 = storedId("C9C81BAD");
ByteString gstrTypeMMAT = storedId("4C697E5A");
ByteString gstrTypeCCA8E925 = storedId("CCA8E925");
ByteString gstrTypeACA8EA06 = storedId("ACA8EA06");
ByteString gstrType4DCADB7E = storedId("4DCADB7E");
ByteString gstrType2CB230B8 = storedId("2CB230B8");
ByteString gstrType3IDR = storedId("AC506764");
ByteString gstrTypeNMAP = storedId("4E6D6150");
ByteString gstrTypeEBFEE342 = storedId("EBFEE342");
ByteString gstrType8C1580B5 = storedId("8C1580B5");
ByteString gstrTypeOBJD = storedId("4F424A44");
ByteString gstrTypeBHAV = storedId("42484156");
ByteString gstrTypeTTAB = storedId("54544142");
ByteString gstrTypeTTAS = storedId("54544173");
ByteString gstrTypeBCON = storedId("42434F4E");
ByteString gstrTypeAC2950C1 = storedId("AC2950C1");
ByteString gstrTypeCTSS = storedId("43545353");
ByteString gstrTypeEF1E6BE8 = storedId("EF1E6BE8");

void gsInitTypeIDs()
{
    const TypeIdDefinition definitions[kTypeIdCount] = {
        { &gstrTypeAllOnes, "FFFFFFFF" },
        { &gstrTypeGZPS, "EBCF3E27" },
        { &gstrTypeED7D7B4D, "ED7D7B4D" },
        { &gstrTypeAC8A7A2E, "AC8A7A2E" },
        { &gstrTypeHOUS, "484F5553" },
        { &gstrTypeSLOT, "534C4F54" },
        { &gstrTypeGMND, "7BA3838C" },
        { &gstrTypeTXMT, "49596978" },
        { &gstrTypeTXTR, "1C4A276C" },
        { &gstrTypeLIFO, "ED534136" },
        { &gstrTypeANIM, "FB00791E" },
        { &gstrTypeSHPE, "FC6EB1F7" },
        { &gstrTypeCRES, "E519C933" },
        { &gstrTypeGMDC, "AC4F8687" },
        { &gstrTypeLGHT1, "C9C81B9B" },
        { &gstrTypeLGHT2, "C9C81BA3" },
        { &gstrTypeLGHT3, "C9C81BA9" },
        { &gstrTypeLGHT4, "C9C81BAD" },
        { &gstrTypeMMAT, "4C697E5A" },
        { &gstrTypeCCA8E925, "CCA8E925" },
        { &gstrTypeACA8EA06, "ACA8EA06" },
        { &gstrType4DCADB7E, "4DCADB7E" },
        { &gstrType2CB230B8, "2CB230B8" },
        { &gstrType3IDR, "AC506764" },
        { &gstrTypeNMAP, "4E6D6150" },
        { &gstrTypeEBFEE342, "EBFEE342" },
        { &gstrType8C1580B5, "8C1580B5" },
        { &gstrTypeOBJD, "4F424A44" },
        { &gstrTypeBHAV, "42484156" },
        { &gstrTypeTTAB, "54544142" },
        { &gstrTypeTTAS, "54544173" },
        { &gstrTypeBCON, "42434F4E" },
        { &gstrTypeAC2950C1, "AC2950C1" },
        { &gstrTypeCTSS, "43545353" },
        { &gstrTypeEF1E6BE8, "EF1E6BE8" },
    };
    for (const TypeIdDefinition& definition : definitions)
        *definition.constant = storedId(definition.hexText);
}

} // namespace varnick
