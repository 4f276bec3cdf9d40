#pragma once

// The twelve numeric boxes of the editor: which field each edits, how many
// characters can be typed, the key filter they share, and how a box's text
// becomes the 16 bits written into the definition.

#include "app/platform/Translatable.h"
#include "package/ObjectDefinition.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace varnick {

/// One numeric box: its control name, the field it edits, the characters
/// that can be typed, the caption the editor shows beside it and the name a
/// sentence uses for it (the caption with its group: "Initial Depreciation").
struct NumericBox {
    std::string_view control;
    ObjectField field;
    int maxLength;
    std::string_view caption;
    std::string_view phrase;
};

/// The boxes in the order the load fills them.
inline constexpr std::array<NumericBox, 12> kNumericBoxes { {
    { "txtPrice", ObjectField::Price, 5, VARNICK_TRANSLATE_NOOP("NumericFields", "Price"),
        VARNICK_TRANSLATE_NOOP("NumericFields", "Price") },
    { "txtHunger", ObjectField::HungerRating, 2, VARNICK_TRANSLATE_NOOP("NumericFields", "Hunger"),
        VARNICK_TRANSLATE_NOOP("NumericFields", "Hunger") },
    { "txtComfort", ObjectField::ComfortRating, 2, VARNICK_TRANSLATE_NOOP("NumericFields", "Comfort"),
        VARNICK_TRANSLATE_NOOP("NumericFields", "Comfort") },
    { "txtHygiene", ObjectField::HygieneRating, 2, VARNICK_TRANSLATE_NOOP("NumericFields", "Hygiene"),
        VARNICK_TRANSLATE_NOOP("NumericFields", "Hygiene") },
    { "txtBladder", ObjectField::BladderRating, 2, VARNICK_TRANSLATE_NOOP("NumericFields", "Bladder"),
        VARNICK_TRANSLATE_NOOP("NumericFields", "Bladder") },
    { "txtEnergy", ObjectField::EnergyRating, 2, VARNICK_TRANSLATE_NOOP("NumericFields", "Energy"),
        VARNICK_TRANSLATE_NOOP("NumericFields", "Energy") },
    { "txtFun", ObjectField::FunRating, 2, VARNICK_TRANSLATE_NOOP("NumericFields", "Fun"),
        VARNICK_TRANSLATE_NOOP("NumericFields", "Fun") },
    { "txtRoom", ObjectField::RoomRating, 2, VARNICK_TRANSLATE_NOOP("NumericFields", "Room"),
        VARNICK_TRANSLATE_NOOP("NumericFields", "Room motive") },
    { "txtNice", ObjectField::NicenessMultiplier, 5, VARNICK_TRANSLATE_NOOP("NumericFields", "Niceness Multiplier:"),
        VARNICK_TRANSLATE_NOOP("NumericFields", "Niceness Multiplier") },
    { "txtInitDep", ObjectField::InitialDepreciation, 5, VARNICK_TRANSLATE_NOOP("NumericFields", "Initial"),
        VARNICK_TRANSLATE_NOOP("NumericFields", "Initial Depreciation") },
    { "txtDailyDep", ObjectField::DailyDepreciation, 5, VARNICK_TRANSLATE_NOOP("NumericFields", "Daily"),
        VARNICK_TRANSLATE_NOOP("NumericFields", "Daily Depreciation") },
    { "txtDepLimit", ObjectField::DepreciationLimit, 5, VARNICK_TRANSLATE_NOOP("NumericFields", "Limit"),
        VARNICK_TRANSLATE_NOOP("NumericFields", "Depreciation Limit") },
} };

/// The most characters the box of field takes; 0 for a field without a box.
constexpr int numericBoxLength(ObjectField field)
{
    for (const NumericBox& box : kNumericBoxes)
        if (box.field == field)
            return box.maxLength;
    return 0;
}

/// The box of field; null for a field without a box.
constexpr const NumericBox* numericBoxOf(ObjectField field)
{
    for (const NumericBox& box : kNumericBoxes)
        if (box.field == field)
            return &box;
    return nullptr;
}

/// Characters the name box takes (counted in characters, not bytes).
inline constexpr std::size_t kNameMaxCharacters = 48;

/// The key filter of the numeric boxes: digits, copy (3), backspace (8) and
/// paste (22) pass; every other character code is discarded.
bool numericKeyPasses(char16_t key) noexcept;

/// Whether the box of field holds text: digits only (the characters
/// numericKeyPasses lets through), after a minus sign in a motive's box
/// (its loaded value may be negative), at most the box's length; an empty box
/// too. The editor, the batch editor and the object table's price cells take
/// their numbers by this rule, typed or pasted.
bool numericBoxHolds(ObjectField field, std::string_view text) noexcept;

/// The value of the decimal number at the start of text (after blanks: an
/// optional sign, digits, an optional fraction), taken to the nearest integer
/// with halves going to the even neighbour; 0 when the text does not start
/// with a number. Values beyond the 64-bit range are held at its ends. Never fails.
std::int64_t leadingNumber(std::string_view text) noexcept;

/// The 16 bits an amount field stores for value: 0 to 65535, above is 65535
/// and below 0 is 0.
std::uint16_t amountBits(std::int64_t value) noexcept;

/// The 16 bits a motive rating stores for value: -32768 to 32767 in two's
/// complement, values beyond held at the nearer end.
std::uint16_t motiveBits(std::int64_t value) noexcept;

/// The bits a numeric field stores for the text of its box (leadingNumber,
/// then amountBits or motiveBits by the field's kind).
std::uint16_t numericFieldBits(ObjectField field, std::string_view boxText) noexcept;

/// The text of the value a save writes for boxText when the field cannot
/// hold the number typed ("65535" for "99999" in an amount's box); nothing
/// when it can, or when the box is empty (an empty box is not a number the
/// player typed). Shown in the box as soon as the player leaves it.
std::optional<std::string> numericWrittenText(ObjectField field, std::string_view boxText);

/// The text a box shows for a field of the definition: amounts unsigned, motives signed, in decimal.
std::string numericFieldText(const ObjectDefinition& definition, ObjectField field);

} // namespace varnick
