#pragma once

#include "package/base/Bytes.h"

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace varnick {

// NOLINTBEGIN(readability-identifier-naming): the game's records keep their fields' names
/// The four identifiers that address a resource of a package, each in its
/// stored form: the 4 little-endian bytes of the 32-bit value, compared
/// bytewise. ResourceID is 4 NUL bytes where the index has no fourth
/// identifier. The index entry, the resource and the directory record are
/// each a key plus what they say of the resource.
struct ResourceKey {
    ByteString TypeID;
    ByteString GroupID;
    ByteString InstanceID;
    ByteString ResourceID;

    /// This key alone (drops what a derived record adds).
    const ResourceKey& key() const noexcept { return *this; }

    /// "TTTTTTTT-GGGGGGGG-IIIIIIII-RRRRRRRR": the four identifiers' eight-digit
    /// upper-case text forms, most significant digit first.
    std::string text() const;

    /// Whether the key equals other's key, whatever either adds to it.
    bool sameKey(const ResourceKey& other) const noexcept
    {
        return TypeID == other.TypeID && GroupID == other.GroupID && InstanceID == other.InstanceID
            && ResourceID == other.ResourceID;
    }
};
// NOLINTEND(readability-identifier-naming)

/// Keys compare equal when all four identifiers do. Only keys compare: a
/// derived record (an index entry, a resource) is compared as `a.key() == b.key()`,
/// so that no comparison silently ignores its offset, size or data.
template <std::same_as<ResourceKey> Key> bool operator==(const Key& a, const Key& b) noexcept
{
    return a.sameKey(b);
}

/// A key as four 32-bit values, for tables that hold many keys (a thumbnail
/// cache of 100,000 entries): a quarter of the memory of four byte strings.
struct PackedResourceKey {
    std::uint32_t type = 0;
    std::uint32_t group = 0;
    std::uint32_t instance = 0;
    std::uint32_t resource = 0;

    bool operator==(const PackedResourceKey&) const = default;

    /// The packed form of key (a short identifier reads its missing bytes as 0).
    static PackedResourceKey of(const ResourceKey& key);
    /// The key in its stored form.
    ResourceKey unpack() const;
};

/// Hash of the key's sixteen bytes, for unordered containers.
struct ResourceKeyHash {
    std::size_t operator()(const ResourceKey& key) const noexcept;
};

} // namespace varnick

template <> struct std::hash<varnick::ResourceKey> : varnick::ResourceKeyHash {
};
