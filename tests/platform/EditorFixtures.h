#pragma once

// Packages holding one catalog object, built field by field for the editor tests.

#include "package/CompressedResource.h"
#include "package/ObjectDefinition.h"
#include "package/PackageReader.h"
#include "package/TypeIds.h"
#include "tools/common/PackageBuilder.h"

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace varnick::test {

/// A definition of size bytes with MultiTileSubIndex 0xFFFF and the given fields.
inline ByteString definitionBytes(
    std::initializer_list<std::pair<ObjectField, std::uint16_t>> fields, std::size_t size = 300)
{
    // Bytes the editor does not interpret carry a pattern, to see them kept.
    ByteString data(size, '\0');
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<char>(i * 7 + 3);
    ObjectDefinition definition(data);
    for (const ObjectFieldInfo& info : kObjectDefinitionFields) {
        if (info.offset + info.width <= size && info.kind != ObjectFieldKind::Guid)
            definition.setRaw(info.field, 0);
    }
    definition.setRaw(ObjectField::MultiTileSubIndex, kLeadDefinitionIndex);
    for (const auto& [field, value] : fields)
        definition.setRaw(field, value);
    return definition.data();
}

struct RawEntry {
    char language;
    ByteString text;
    ByteString description;
};

/// Text list bytes with entries in any language (the package's writer gives every entry language 1).
inline ByteString textListBytes(const std::vector<RawEntry>& entries, ByteString name = "catalog")
{
    name.resize(kTextListNameSize, '\0');
    ByteString bytes = name + ByteString("\xFD\xFF", 2);
    bytes += static_cast<char>(entries.size() & 0xFF);
    bytes += static_cast<char>(entries.size() >> 8);
    for (const RawEntry& entry : entries)
        bytes += ByteString(1, entry.language) + entry.text + ByteString(1, '\0') + entry.description
            + ByteString(1, '\0');
    return bytes;
}

/// A package with the definition (instance 00000041) and the text list (instance 00000001).
inline ByteString objectPackage(ByteString definition, ByteString textList)
{
    PackageBuilder builder;
    builder.add("4F424A44", "7FD46CD0", "00000041", "00000000", std::move(definition))
        .add("43545353", "7FD46CD0", "00000001", "00000000", std::move(textList));
    return builder.build();
}

/// The decompressed data of every resource of type (8 hexadecimal digits) in a package file, in index order.
inline std::vector<ByteString> resourcesOfType(const std::filesystem::path& file, std::string_view type)
{
    const PackageFile pkg = readPackage(file);
    std::vector<ByteString> found;
    for (const PackageResource& resource : pkg.Files) {
        if (resource.TypeID == storedId(type))
            found.push_back(decompressResource(resource.Data));
    }
    return found;
}

/// The saved definition of a package file (the first of type 4F424A44).
inline ObjectDefinition savedDefinition(const std::filesystem::path& file)
{
    return ObjectDefinition(resourcesOfType(file, "4F424A44").at(0));
}

} // namespace varnick::test
