#pragma once

#include "package/PackageFile.h"
#include "package/TextList.h"
#include "package/base/Bytes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace varnick {

/// How the value of an object definition field is shown and written.
enum class ObjectFieldKind {
    TileIndex, ///< 0xFFFF marks the lead definition of a multi-tile object
    Guid, ///< 32-bit global identifier
    Amount, ///< unsigned 16-bit, 0 to 65535
    Motive, ///< signed 16-bit, -32768 to 32767
    Flags, ///< a set of single bits
    Wants, ///< wants category code, 0 for none
};

/// The fields of an object definition that the program reads and writes, in
/// table order. The enumerator is the field's position in kObjectDefinitionFields.
enum class ObjectField : std::size_t {
    MultiTileSubIndex,
    GUID,
    Price,
    InitialDepreciation,
    DailyDepreciation,
    DepreciationLimit,
    RoomSortFlags,
    FunctionSortFlags,
    NicenessMultiplier,
    WantsSatisfyCategory,
    BuildModeType,
    BuildModeSubType,
    HungerRating,
    ComfortRating,
    HygieneRating,
    BladderRating,
    EnergyRating,
    FunRating,
    RoomRating,
    SkillFlags,
    FunctionSubSort,
    CommunitySortFlags,
};

/// One field of the table: its name, byte offset, width in bytes and kind.
struct ObjectFieldInfo {
    ObjectField field;
    std::string_view name;
    std::size_t offset;
    std::size_t width;
    ObjectFieldKind kind;
};

/// The object definition fields with their offsets in the decompressed resource.
inline constexpr std::array<ObjectFieldInfo, 22> kObjectDefinitionFields { {
    { ObjectField::MultiTileSubIndex, "MultiTileSubIndex", 86, 2, ObjectFieldKind::TileIndex },
    { ObjectField::GUID, "GUID", 92, 4, ObjectFieldKind::Guid },
    { ObjectField::Price, "Price", 100, 2, ObjectFieldKind::Amount },
    { ObjectField::InitialDepreciation, "InitialDepreciation", 134, 2, ObjectFieldKind::Amount },
    { ObjectField::DailyDepreciation, "DailyDepreciation", 136, 2, ObjectFieldKind::Amount },
    { ObjectField::DepreciationLimit, "DepreciationLimit", 140, 2, ObjectFieldKind::Amount },
    { ObjectField::RoomSortFlags, "RoomSortFlags", 142, 2, ObjectFieldKind::Flags },
    { ObjectField::FunctionSortFlags, "FunctionSortFlags", 144, 2, ObjectFieldKind::Flags },
    { ObjectField::NicenessMultiplier, "NicenessMultiplier", 154, 2, ObjectFieldKind::Amount },
    { ObjectField::WantsSatisfyCategory, "WantsSatisfyCategory", 158, 2, ObjectFieldKind::Wants },
    { ObjectField::BuildModeType, "BuildModeType", 202, 2, ObjectFieldKind::Flags },
    { ObjectField::BuildModeSubType, "BuildModeSubType", 212, 2, ObjectFieldKind::Flags },
    { ObjectField::HungerRating, "HungerRating", 228, 2, ObjectFieldKind::Motive },
    { ObjectField::ComfortRating, "ComfortRating", 230, 2, ObjectFieldKind::Motive },
    { ObjectField::HygieneRating, "HygieneRating", 232, 2, ObjectFieldKind::Motive },
    { ObjectField::BladderRating, "BladderRating", 234, 2, ObjectFieldKind::Motive },
    { ObjectField::EnergyRating, "EnergyRating", 236, 2, ObjectFieldKind::Motive },
    { ObjectField::FunRating, "FunRating", 238, 2, ObjectFieldKind::Motive },
    { ObjectField::RoomRating, "RoomRating", 240, 2, ObjectFieldKind::Motive },
    { ObjectField::SkillFlags, "SkillFlags", 242, 2, ObjectFieldKind::Flags },
    { ObjectField::FunctionSubSort, "FunctionSubSort", 252, 2, ObjectFieldKind::Flags },
    { ObjectField::CommunitySortFlags, "CommunitySortFlags", 264, 2, ObjectFieldKind::Flags },
} };

/// The table entry of a field.
constexpr const ObjectFieldInfo& fieldInfo(ObjectField field)
{
    return kObjectDefinitionFields[static_cast<std::size_t>(field)];
}

/// Bytes a definition needs so that every field of the table lies inside it.
inline constexpr std::size_t kObjectDefinitionMinimumSize = 266;
/// MultiTileSubIndex of the lead definition of an object made of several tiles.
inline constexpr std::uint16_t kLeadDefinitionIndex = 0xFFFF;
/// Language code of the English entries of a text list, the only ones shown.
inline constexpr char kEnglishLanguage = '\x01';

/// The decompressed bytes of one object definition. Fields are read from
/// their offsets (bytes past the end read as 0) and written over the same
/// bytes; every other byte is carried unchanged.
class ObjectDefinition {
public:
    ObjectDefinition() = default;
    explicit ObjectDefinition(ByteString data)
        : mData(std::move(data))
    {
    }

    const ByteString& data() const noexcept { return mData; }

    /// The field's stored bits (low byte first); missing bytes read as 0. Never fails.
    std::uint32_t raw(ObjectField field) const noexcept;
    /// Amount fields: 0 to 65535.
    std::uint16_t amount(ObjectField field) const noexcept { return static_cast<std::uint16_t>(raw(field)); }
    /// Motive ratings: -32768 to 32767.
    std::int16_t motive(ObjectField field) const noexcept { return static_cast<std::int16_t>(raw(field)); }
    /// Flag fields and the wants code: all 16 bits.
    std::uint16_t flags(ObjectField field) const noexcept { return static_cast<std::uint16_t>(raw(field)); }
    std::uint32_t guid() const noexcept { return raw(ObjectField::GUID); }
    std::uint16_t multiTileSubIndex() const noexcept { return flags(ObjectField::MultiTileSubIndex); }

    /// Whether every field of the table lies inside the bytes.
    bool isComplete() const noexcept { return mData.size() >= kObjectDefinitionMinimumSize; }

    /// Writes the low bits of value over the field's bytes, low byte first.
    /// Throws Failure (BadResource) when the field lies past the end of the
    /// definition; the bytes are then unchanged.
    void setRaw(ObjectField field, std::uint32_t value);

private:
    ByteString mData;
};

/// Whether flag (one or more bits) is set in a 16-bit flag field; works on all
/// 16 bits, so a field with its top bit set still shows its other bits.
constexpr bool hasFlag(std::uint16_t value, std::uint16_t flag) noexcept
{
    return flag != 0 && (value & flag) == flag;
}

/// The definition chosen for a package's object and the identity under which
/// it is written back.
struct ChosenDefinition {
    ByteString instanceId;
    ObjectDefinition definition;
};

/// The rule by which the program picks an object's definition among a
/// package's definitions (in index order): the only one; or, of several, the
/// first whose MultiTileSubIndex reads 0xFFFF. decode(item) gives an item's
/// definition; of several, they are decoded one by one up to the lead. Returns
/// the chosen item and its definition; nothing when there is none or no lead
/// among several. Throws what decode throws.
template <typename Item, typename Decode>
std::optional<std::pair<const Item*, ObjectDefinition>> chooseDefinitionAmong(
    const std::vector<const Item*>& definitions, Decode&& decode)
{
    if (definitions.size() == 1)
        return std::pair<const Item*, ObjectDefinition> { definitions.front(), decode(*definitions.front()) };
    for (const Item* item : definitions) {
        ObjectDefinition definition = decode(*item);
        if (definition.multiTileSubIndex() == kLeadDefinitionIndex)
            return std::pair<const Item*, ObjectDefinition> { item, std::move(definition) };
    }
    return std::nullopt;
}

/// Chooses the object's definition among the package's resources of type
/// 4F424A44 by chooseDefinitionAmong.
/// Throws Failure when a definition that has to be examined cannot be decompressed.
std::optional<ChosenDefinition> chooseObjectDefinition(const PackageFile& pkg);

/// The package's catalog text list and its instance identifier.
struct ChosenTextList {
    ByteString instanceId;
    TextList list;
};

/// The package's text list of type 43545353 when it holds exactly one,
/// decompressed and read; nothing when it holds none or several. Throws
/// Failure when that one cannot be decompressed or read.
std::optional<ChosenTextList> chooseTextList(const PackageFile& pkg);

/// The catalog name and description of an object.
struct CatalogTexts {
    bool found = false; ///< whether the list has an English entry
    ByteString name;
    ByteString description;
};

/// name: the Text of the first entry with language code 1; description: the
/// Text of the entry right after it, whatever its language, or "" when none
/// follows. Neither is found without an English entry. Never fails.
CatalogTexts catalogTexts(const TextList& list);

/// A definition of kObjectDefinitionMinimumSize bytes (or size, when larger)
/// with all fields 0, for building packages in code.
ObjectDefinition makeObjectDefinition(std::size_t size = kObjectDefinitionMinimumSize);

} // namespace varnick
