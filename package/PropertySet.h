#pragma once

#include "package/base/Bytes.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace varnick {

// NOLINTBEGIN(readability-identifier-naming): the game's records keep their fields' names
/// One named, typed value of a property set. TypeCode is the 4 stored bytes
/// of the type (binary encoding) or the hexadecimal digits after "0x" as
/// written (XML encoding). Text values are in Value, numbers in Number.
struct PropertyItem {
    ByteString TypeCode;
    ByteString Name;
    ByteString Value;
    double Number = 0;
};

/// A property set: Count is always the number of Items.
struct PropertySet {
    std::int32_t Count = 0;
    std::vector<PropertyItem> Items;
};
// NOLINTEND(readability-identifier-naming)

/// Stored forms of the two value types the binary encoding treats specially.
inline constexpr std::string_view kPropertyTypeString { "\x18\xEA\x8B\x0B", 4 }; // 0B8BEA18
inline constexpr std::string_view kPropertyTypeBoolean { "\xE1\x08\xA9\xCB", 4 }; // CBA908E1
/// The six bytes before the item count of a binary set as the game writes them.
inline constexpr std::string_view kBinaryPropertySetHeader { "\xE0\x50\xE7\xCB\x02\x00", 6 };

/// Throwing readers: parse data (decompressed resource bytes) into a new set.
/// A Failure (BadResource) names the field and offset that do not fit.
PropertySet readPropertySet(ByteView data);
PropertySet readBinPropertySet(ByteView data);
PropertySet readXmlPropertySet(ByteView data);

/// Reads data as XML when it begins with "<?xml", as the binary encoding
/// otherwise. On failure reports to the error trap (modSimsPackage) and leaves props unchanged.
void gsReadPropertySet(ByteView data, PropertySet& props);
/// Binary encoding; failures as gsReadPropertySet.
void gsReadBinPropertySet(ByteView data, PropertySet& props);
/// XML encoding; failures as gsReadPropertySet. Lines that are not property lines are passed over.
void gsReadXMLPropertySet(ByteView data, PropertySet& props);

/// Builds the binary encoding of items (string values from Value, Booleans
/// from Number's low byte, every other type as Number's 32-bit integer).
/// Throws Failure (InvalidArgument) for a TypeCode that is not 4 bytes.
ByteString writeBinPropertySet(const std::vector<PropertyItem>& items);

/// Builds the XML encoding: each item's TypeCode is its stored 4 bytes, which
/// are written as "0x" and eight lower-case digits; string items become
/// AnyString, Booleans AnyBoolean, everything else AnyUint32 with Value as text
/// (or Number when Value is empty). Throws like writeBinPropertySet.
ByteString writeXmlPropertySet(const std::vector<PropertyItem>& items);

} // namespace varnick
