#include "package/ResourceKey.h"

#include "package/BinarySupport.h"

namespace varnick {

std::string ResourceKey::text() const
{
    return simsIdToHex(TypeID) + '-' + simsIdToHex(GroupID) + '-' + simsIdToHex(InstanceID) + '-'
        + simsIdToHex(ResourceID);
}

PackedResourceKey PackedResourceKey::of(const ResourceKey& key)
{
    const auto value = [](ByteView id) { return static_cast<std::uint32_t>(gflngStrToLong(id)); };
    return PackedResourceKey { value(key.TypeID), value(key.GroupID), value(key.InstanceID), value(key.ResourceID) };
}

ResourceKey PackedResourceKey::unpack() const
{
    const auto id = [](std::uint32_t value) { return gfstrLongToStr4(static_cast<std::int32_t>(value)); };
    return ResourceKey { id(type), id(group), id(instance), id(resource) };
}

std::size_t ResourceKeyHash::operator()(const ResourceKey& key) const noexcept
{
    // FNV-1a over the identifiers with a separator, so ("ab","c") and ("a","bc") differ.
    std::size_t hash = 14695981039346656037ULL & static_cast<std::size_t>(-1);
    const auto mix = [&hash](ByteView bytes) {
        for (const char c : bytes) {
            hash ^= static_cast<unsigned char>(c);
            hash *= static_cast<std::size_t>(1099511628211ULL);
        }
        hash ^= 0xFF;
        hash *= static_cast<std::size_t>(1099511628211ULL);
    };
    mix(key.TypeID);
    mix(key.GroupID);
    mix(key.InstanceID);
    mix(key.ResourceID);
    return hash;
}

} // namespace varnick
