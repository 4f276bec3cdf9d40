#pragma once

// The resource type identifiers the program knows, in their stored form (the
// 4 bytes as in a package file). They hold their values from program start;
// gsInitTypeIDs sets them again and is kept for the start-up sequence.

#include "package/base/Bytes.h"

namespace varnick {

extern ByteString gstrTypeAllOnes; ///< FFFFFFFF
extern ByteString gstrTypeGZPS; ///< EBCF3E27 property set
extern ByteString gstrTypeED7D7B4D; ///< ED7D7B4D
extern ByteString gstrTypeAC8A7A2E; ///< AC8A7A2E
extern ByteString gstrTypeHOUS; ///< 484F5553
extern ByteString gstrTypeSLOT; ///< 534C4F54
extern ByteString gstrTypeGMND; ///< 7BA3838C geometric node
extern ByteString gstrTypeTXMT; ///< 49596978 material definition
extern ByteString gstrTypeTXTR; ///< 1C4A276C texture image
extern ByteString gstrTypeLIFO; ///< ED534136 large image
extern ByteString gstrTypeANIM; ///< FB00791E animation
extern ByteString gstrTypeSHPE; ///< FC6EB1F7 shape
extern ByteString gstrTypeCRES; ///< E519C933 resource node
extern ByteString gstrTypeGMDC; ///< AC4F8687 geometric data container (mesh)
extern ByteString gstrTypeLGHT1; ///< C9C81B9B light
extern ByteString gstrTypeLGHT2; ///< C9C81BA3 light
extern ByteString gstrTypeLGHT3; ///< C9C81BA9 light
extern ByteString gstrTypeLGHT4; ///< C9C81BAD light
extern ByteString gstrTypeMMAT; ///< 4C697E5A material override
extern ByteString gstrTypeCCA8E925; ///< CCA8E925
extern ByteString gstrTypeACA8EA06; ///< ACA8EA06
extern ByteString gstrType4DCADB7E; ///< 4DCADB7E
extern ByteString gstrType2CB230B8; ///< 2CB230B8
extern ByteString gstrType3IDR; ///< AC506764 3D identifier reference list
extern ByteString gstrTypeNMAP; ///< 4E6D6150 name map
extern ByteString gstrTypeEBFEE342; ///< EBFEE342
extern ByteString gstrType8C1580B5; ///< 8C1580B5
extern ByteString gstrTypeOBJD; ///< 4F424A44 object definition
extern ByteString gstrTypeBHAV; ///< 42484156 behaviour
extern ByteString gstrTypeTTAB; ///< 54544142 interaction table
extern ByteString gstrTypeTTAS; ///< 54544173 interaction strings
extern ByteString gstrTypeBCON; ///< 42434F4E behaviour constants
extern ByteString gstrTypeAC2950C1; ///< AC2950C1 catalog thumbnail image
extern ByteString gstrTypeCTSS; ///< 43545353 catalog description text list
extern ByteString gstrTypeEF1E6BE8; ///< EF1E6BE8

/// Number of type constants above.
inline constexpr int kTypeIdCount = 35;

/// Fills the 35 type constants with their stored forms. Never fails.
void gsInitTypeIDs();

} // namespace varnick
