#include "app/editor/core/ChangeWords.h"

#include "app/editor/core/CatalogLists.h"
#include "app/editor/core/NumericFields.h"
#include "app/platform/Words.h"

#include <span>
#include <vector>

namespace varnick {

namespace {

// "A", "A and B", "A, B and C".
std::string joined(const std::vector<std::string>& parts)
{
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            text += i + 1 == parts.size() ? " and " : ", ";
        text += parts[i];
    }
    return text;
}

std::string quoted(const std::string& text)
{
    constexpr std::size_t kShown = 40;
    if (text.empty())
        return "nothing";
    if (text.size() <= kShown)
        return "\"" + text + "\"";
    std::size_t cut = kShown;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut; // never inside a UTF-8 sequence
    return "\"" + text.substr(0, cut) + "...\"";
}

std::string entryText(std::span<const CategoryEntry> entries, std::uint16_t value)
{
    if (value == 0)
        return "none";
    for (const CategoryEntry& entry : entries)
        if (entry.value == value)
            return std::string(entry.text);
    return std::to_string(value);
}

// The names of the entries whose bits are in bits, in list order.
std::string entryNames(std::span<const CategoryEntry> entries, std::uint16_t bits)
{
    std::vector<std::string> names;
    std::uint16_t named = 0;
    for (const CategoryEntry& entry : entries) {
        if (entry.value != 0 && (bits & entry.value) == entry.value) {
            names.emplace_back(entry.text);
            named |= entry.value;
        }
    }
    if ((bits & ~named) != 0)
        names.push_back("flag value " + std::to_string(bits & ~named));
    return joined(names);
}

struct SelectionWords {
    ObjectField field;
    const char* label;
};

constexpr SelectionWords kSelections[] = {
    { ObjectField::FunctionSortFlags, "Function" },
    { ObjectField::FunctionSubSort, "Function Sub-Category" },
    { ObjectField::BuildModeType, "Build Type" },
    { ObjectField::BuildModeSubType, "Build Sub-Type" },
    { ObjectField::WantsSatisfyCategory, "Wants Satisfy Category" },
};

struct FlagWords {
    ObjectField field;
    CatalogList list;
    const char* label;
};

constexpr FlagWords kFlagLists[] = {
    { ObjectField::RoomSortFlags, CatalogList::Room, "Room" },
    { ObjectField::CommunitySortFlags, CatalogList::Community, "Community" },
    { ObjectField::SkillFlags, CatalogList::Skills, "Skill Flags" },
};

std::string selectionText(
    const BatchChanges& changes, const ChangeContext& context, ObjectField field, std::uint16_t value)
{
    const auto category = [&](ObjectField categoryField, std::optional<std::uint16_t> shared) {
        const auto chosen = changes.selections.find(categoryField);
        return chosen != changes.selections.end() ? std::optional<std::uint16_t>(chosen->second) : shared;
    };
    switch (field) {
    case ObjectField::FunctionSortFlags:
        return entryText(listEntries(CatalogList::Function), value);
    case ObjectField::BuildModeType:
        return entryText(listEntries(CatalogList::Build), value);
    case ObjectField::FunctionSubSort: {
        const auto shared = category(ObjectField::FunctionSortFlags, context.functionCategory);
        return shared ? entryText(subEntries(CatalogList::FuncSub, *shared), value) : std::to_string(value);
    }
    case ObjectField::BuildModeSubType: {
        const auto shared = category(ObjectField::BuildModeType, context.buildCategory);
        return shared ? entryText(subEntries(CatalogList::BuildSub, *shared), value) : std::to_string(value);
    }
    case ObjectField::WantsSatisfyCategory:
        for (const CategoryEntry& entry : wantsEntries())
            if (entry.value == value)
                return std::string(entry.text);
        return std::to_string(value);
    default:
        return std::to_string(value);
    }
}

} // namespace

std::string describeChanges(const BatchChanges& changes, const ChangeContext& context)
{
    if (changes.custom)
        return "Write each object's own changes";
    std::vector<std::string> sets;
    if (changes.name)
        sets.push_back("Name to " + quoted(*changes.name));
    if (changes.description)
        sets.push_back("Description to " + quoted(*changes.description));
    // In the order the editor shows the boxes, each as the save will write it.
    for (const NumericBox& box : kNumericBoxes) {
        const auto typed = changes.numbers.find(box.field);
        if (typed == changes.numbers.end())
            continue;
        const std::uint16_t bits = numericFieldBits(box.field, typed->second);
        const std::int64_t written = fieldInfo(box.field).kind == ObjectFieldKind::Motive
            ? static_cast<std::int64_t>(static_cast<std::int16_t>(bits))
            : static_cast<std::int64_t>(bits);
        sets.push_back(std::string(box.phrase) + " to " + std::to_string(written));
    }
    for (const SelectionWords& words : kSelections) {
        const auto chosen = changes.selections.find(words.field);
        if (chosen != changes.selections.end())
            sets.push_back(
                std::string(words.label) + " to " + selectionText(changes, context, words.field, chosen->second));
    }
    std::vector<std::string> clauses;
    if (!sets.empty())
        clauses.push_back("Set " + joined(sets));
    for (const FlagWords& words : kFlagLists) {
        const auto flags = changes.flags.find(words.field);
        if (flags == changes.flags.end())
            continue;
        const std::span<const CategoryEntry> entries = listEntries(words.list);
        if (flags->second.set != 0)
            clauses.push_back("add " + entryNames(entries, flags->second.set) + " to " + words.label);
        if (flags->second.clear != 0)
            clauses.push_back("remove " + entryNames(entries, flags->second.clear) + " from " + words.label);
    }
    std::string text;
    for (const std::string& clause : clauses)
        text += (text.empty() ? "" : "; ") + clause;
    if (!text.empty() && text.front() >= 'a' && text.front() <= 'z')
        text.front() = static_cast<char>(text.front() - 'a' + 'A');
    return text;
}

std::string batchQuestion(const BatchChanges& changes, std::size_t objects, const ChangeContext& context)
{
    return describeChanges(changes, context) + " on " + countOf(objects, "object") + "?";
}

} // namespace varnick
