#pragma once
// Packages for the recolor tests: recolors with chosen material overrides,
// objects, and texture resources in any format with any levels.

#include "package/ObjectDefinition.h"
#include "package/PropertySet.h"
#include "package/ResourceCollection.h"
#include "package/TypeIds.h"
#include "tools/common/PackageBuilder.h"

#include <cstdint>
#include <string>
#include <vector>

namespace varnick::test {

inline PropertyItem numberItem(const std::string& name, double value)
{
    return { storedId("EB61E4F7"), name, "", value };
}

inline PropertyItem textItem(const std::string& name, const std::string& value)
{
    return { ByteString(kPropertyTypeString), name, value, 0 };
}

/// A recolor whose material overrides hold the given property sets, in index order, and one texture.
inline ByteString recolorPackage(const std::vector<std::vector<PropertyItem>>& overrides)
{
    PackageBuilder builder;
    std::uint32_t instance = 1;
    for (const auto& items : overrides)
        builder.add(
            "4C697E5A", "1C0532FA", "0000000" + std::to_string(instance++), "00000000", writeBinPropertySet(items));
    builder.add("1C4A276C", "1C0532FA", "00000009", "00000000", "texture");
    return builder.build();
}

/// A recolor naming guid in its one material override.
inline ByteString recolorOf(std::uint32_t guid)
{
    return recolorPackage({ { numberItem("objectGUID", guid) } });
}

/// A catalog object with guid (definition and mesh): never a recolor.
inline ByteString objectPackage(std::uint32_t guid)
{
    ObjectDefinition definition = makeObjectDefinition();
    definition.setRaw(ObjectField::GUID, guid);
    return PackageBuilder()
        .add("4F424A44", "7FD46CD0", "00000041", "00000000", definition.data())
        .add("AC4F8687", "1C0532FA", "00000001", "00000000", "mesh")
        .add("4C697E5A", "1C0532FA", "00000002", "00000000", writeBinPropertySet({ numberItem("objectGUID", guid) }))
        .build();
}

/// A texture resource (collection header and image block) with the given levels, smallest first.
inline ByteString textureResource(
    std::int32_t format, std::int32_t width, std::int32_t height, const std::vector<ByteString>& levels)
{
    TextureImage texture;
    texture.Version = kTextureVersion;
    texture.FileName = "tex";
    texture.Width = width;
    texture.Height = height;
    texture.Format = format;
    texture.Purpose = 1.0f;
    texture.TextureCount = 1;
    for (const ByteString& data : levels)
        texture.Mips.push_back({ 0, static_cast<std::int32_t>(data.size()), data, {} });
    texture.MipCount = static_cast<std::int32_t>(texture.Mips.size());
    RCOLHeader rcol;
    rcol.VersionMark = kRcolVersionMark;
    rcol.BlockTypes.push_back(storedId("1C4A276C"));
    rcol.Body = writeTextureImage(texture);
    return writeRCOLHeader(rcol);
}

/// A package holding the given texture resources in index order.
inline ByteString texturePackage(const std::vector<ByteString>& textures)
{
    PackageBuilder builder;
    std::uint32_t instance = 1;
    for (const ByteString& texture : textures)
        builder.add("1C4A276C", "1C0532FA", "0000000" + std::to_string(instance++), "00000000", texture);
    return builder.build();
}

/// One DXT1 block of a single 565 colour (both end points equal, every index 0).
inline ByteString solidDxt1Block(std::uint16_t colour)
{
    const char lo = static_cast<char>(colour & 0xFF);
    const char hi = static_cast<char>(colour >> 8);
    return ByteString { lo, hi, lo, hi, 0, 0, 0, 0 };
}

} // namespace varnick::test
