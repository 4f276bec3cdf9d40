#pragma once

// Object packages for the catalog editor's tests: a definition with chosen
// field values, a text list with chosen entries, an optional directory of
// compressed files, assembled by PackageBuilder.
//
//   EditorPackage object;
//   object.set(ObjectField::Price, 50000).entries = { { 1, "Chair", "" }, { 1, "Nice", "" } };
//   auto file = object.write(dir, "chair.package");

#include "package/ObjectDefinition.h"
#include "tests/common/TemporaryFolder.h"
#include "tools/common/PackageBuilder.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace varnick::test {

struct TextEntry {
    int language = 1;
    ByteString text;
    ByteString description;
};

/// The bytes of a text list resource: 64-byte name, FD FF, count, entries.
inline ByteString textListBytes(const std::vector<TextEntry>& entries, ByteString name = "list")
{
    name.resize(64, '\0');
    ByteString bytes = name + "\xFD\xFF";
    bytes += static_cast<char>(entries.size() & 0xFF);
    bytes += static_cast<char>(entries.size() >> 8);
    for (const TextEntry& entry : entries)
        bytes += static_cast<char>(entry.language) + entry.text + '\0' + entry.description + '\0';
    return bytes;
}

/// The 16-bit little-endian value at offset.
inline unsigned u16At(ByteView bytes, std::size_t offset)
{
    return static_cast<unsigned char>(bytes[offset]) | static_cast<unsigned char>(bytes[offset + 1]) << 8;
}

struct EditorPackage {
    ObjectDefinition definition = makeObjectDefinition(300);
    std::vector<TextEntry> entries { { 1, "Chair", "" }, { 1, "A chair", "" } };
    bool withTextList = true;
    std::string instance = "000041A7";
    /// Extra resources appended after the definition and the text list.
    std::vector<BuiltResource> extra;

    EditorPackage& set(ObjectField field, std::uint32_t value)
    {
        definition.setRaw(field, value);
        return *this;
    }

    PackageBuilder builder() const
    {
        PackageBuilder builder;
        builder.add("4F424A44", "7FD46CD0", instance, "00000000", definition.data());
        if (withTextList)
            builder.add("43545353", "7FD46CD0", "00000085", "00000000", textListBytes(entries));
        builder.add("AC4F8687", "1C0532FA", "00000001", "00000000", "mesh");
        for (const BuiltResource& resource : extra)
            builder.add(resource.key, resource.data);
        return builder;
    }

    std::filesystem::path write(const TemporaryFolder& dir, const std::string& name = "object.package") const
    {
        return dir.write(name, builder().build());
    }
};

} // namespace varnick::test
