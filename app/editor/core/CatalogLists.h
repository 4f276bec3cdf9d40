#pragma once

// The catalog vocabularies of the editor: every list entry is a text and the
// item value it stands for (a single bit of its flag field, or a wants code),
// in the order the lists show them. Also the rules that turn a field's value
// into selected entries (load) and selected entries into a value (save).

#include "package/ObjectDefinition.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace varnick {

/// One entry of a catalog list.
struct CategoryEntry {
    std::string_view text;
    std::uint16_t value;
};

/// The lists of the editor, named after the controls that show them.
enum class CatalogList { Function, FuncSub, Build, BuildSub, Room, Community, Skills };

/// Entries of a list that does not depend on another (Function, Build, Room,
/// Community, Skills); empty for FuncSub and BuildSub (see subEntries).
std::span<const CategoryEntry> listEntries(CatalogList list);

/// The sub-list entries that follow the chosen entry of Function or Build:
/// the group for categoryValue, empty for 0 or a value without a group.
std::span<const CategoryEntry> subEntries(CatalogList subList, std::uint16_t categoryValue);

/// Whether only one entry of the list can be selected at a time.
bool isSingleSelection(CatalogList list);

/// The flag field a list edits.
ObjectField fieldOfList(CatalogList list);

/// The list that edits a flag field; nothing for other fields.
std::optional<CatalogList> listOfField(ObjectField field);

/// Whether the load selects an entry of item value entryValue for field value
/// fieldValue: its bits are set, or both are 0. All 16 bits count, so a field
/// with its top bit set still shows its other bits.
bool loadSelects(std::uint16_t fieldValue, std::uint16_t entryValue);

/// The entries (positions in entries) that the load leaves selected for
/// fieldValue: every match in a list of several selections; in a list of one
/// selection the last match, because each match replaces the one before.
std::vector<std::size_t> selectedByLoad(
    std::span<const CategoryEntry> entries, std::uint16_t fieldValue, bool singleSelection);

/// The sum of the item values of the selected entries: what a list writes.
std::uint16_t selectionValue(std::span<const CategoryEntry> entries, const std::vector<std::size_t>& selected);

/// The bits that some entry of entries stands for.
std::uint16_t entryMask(std::span<const CategoryEntry> entries);

/// The 78 entries of the wants box in list order: "(No Wants Satisfy Code)" = 0,
/// then the 77 object kinds 10000 to 10076 by text.
std::span<const CategoryEntry> wantsEntries();

/// Position in wantsEntries() of the first entry carrying code; nothing when none does.
std::optional<std::size_t> wantsPositionOf(std::uint16_t code);

} // namespace varnick
