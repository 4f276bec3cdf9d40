#include "package/Classification.h"

#include "package/TypeIds.h"

#include <array>

namespace varnick {

// Both tests look at the index alone: the type of each entry, compared
// bytewise in stored form. No resource bytes are read, so neither can fail.

bool gfblnIsCatalogObject(const std::vector<IndexEntry>& entries)
{
    bool meshFound = false;
    bool definitionFound = false;
    for (const IndexEntry& entry : entries) {
        if (entry.TypeID == gstrTypeGMDC)
            meshFound = true;
        else if (entry.TypeID == gstrTypeOBJD)
            definitionFound = true;
        if (meshFound && definitionFound)
            return true;
    }
    return false;
}

bool isCatalogObjectByTypes(ByteView indexTypes)
{
    bool meshFound = false;
    bool definitionFound = false;
    for (std::size_t at = 0; at + 4 <= indexTypes.size(); at += 4) {
        const ByteView type = indexTypes.substr(at, 4);
        if (type == gstrTypeGMDC)
            meshFound = true;
        else if (type == gstrTypeOBJD)
            definitionFound = true;
        if (meshFound && definitionFound)
            return true;
    }
    return false;
}

namespace {

// The recolor test over a sequence of types, however they are held.
template <typename Types> bool isRecolorOf(const Types& types)
{
    // Resources that only an object's own package carries.
    const std::array<const ByteString*, 11> excluded { &gstrTypeBHAV, &gstrTypeGMDC, &gstrType3IDR, &gstrTypeOBJD,
        &gstrTypeBCON, &gstrTypeCRES, &gstrTypeCTSS, &gstrTypeGMND, &gstrTypeGZPS, &gstrTypeSHPE, &gstrTypeTTAB };
    bool materialFound = false;
    bool textureFound = false;
    for (const ByteView type : types) {
        for (const ByteString* own : excluded) {
            if (type == *own)
                return false;
        }
        if (type == gstrTypeMMAT)
            materialFound = true;
        else if (type == gstrTypeTXTR)
            textureFound = true;
    }
    return materialFound && textureFound;
}

} // namespace

bool gfblnIsRecolor(const std::vector<IndexEntry>& entries)
{
    std::vector<ByteView> types;
    types.reserve(entries.size());
    for (const IndexEntry& entry : entries)
        types.emplace_back(entry.TypeID);
    return isRecolorOf(types);
}

bool isRecolorByTypes(ByteView indexTypes)
{
    std::vector<ByteView> types;
    types.reserve(indexTypes.size() / 4);
    for (std::size_t at = 0; at + 4 <= indexTypes.size(); at += 4)
        types.push_back(indexTypes.substr(at, 4));
    return isRecolorOf(types);
}

} // namespace varnick
