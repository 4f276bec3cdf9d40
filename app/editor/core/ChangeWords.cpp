#include "app/editor/core/ChangeWords.h"

#include "app/editor/core/CatalogLists.h"
#include "app/editor/core/NumericFields.h"

#include <span>
#include <vector>

namespace varnick {

namespace {

constexpr const char* kContext = "ChangeWords";

std::string quoted(const Phrasebook& words, const std::string& text)
{
    constexpr std::size_t kShown = 40;
    if (text.empty())
        return words.say(kContext, VARNICK_TRANSLATE_NOOP("ChangeWords", "nothing"));
    if (text.size() <= kShown)
        return "\"" + text + "\"";
    std::size_t cut = kShown;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut; // never inside a UTF-8 sequence
    return "\"" + text.substr(0, cut) + "...\"";
}

std::string catalogText(const Phrasebook& words, std::string_view text)
{
    return words.say("CatalogLists", std::string(text).c_str());
}

std::string entryText(const Phrasebook& words, std::span<const CategoryEntry> entries, std::uint16_t value)
{
    if (value == 0)
        return words.say(kContext, VARNICK_TRANSLATE_NOOP("ChangeWords", "none"));
    for (const CategoryEntry& entry : entries)
        if (entry.value == value)
            return catalogText(words, entry.text);
    return std::to_string(value);
}

// The names of the entries whose bits are in bits, in list order.
std::string entryNames(const Phrasebook& words, std::span<const CategoryEntry> entries, std::uint16_t bits)
{
    std::vector<std::string> names;
    std::uint16_t named = 0;
    for (const CategoryEntry& entry : entries) {
        if (entry.value != 0 && (bits & entry.value) == entry.value) {
            names.push_back(catalogText(words, entry.text));
            named |= entry.value;
        }
    }
    if ((bits & ~named) != 0)
        names.push_back(words.say(
            kContext, VARNICK_TRANSLATE_NOOP("ChangeWords", "flag value %1"), { std::to_string(bits & ~named) }));
    return joinedList(words, names);
}

struct SelectionWords {
    ObjectField field;
    const char* label;
};

constexpr SelectionWords kSelections[] = {
    { ObjectField::FunctionSortFlags, VARNICK_TRANSLATE_NOOP("ChangeWords", "Function") },
    { ObjectField::FunctionSubSort, VARNICK_TRANSLATE_NOOP("ChangeWords", "Function Sub-Category") },
    { ObjectField::BuildModeType, VARNICK_TRANSLATE_NOOP("ChangeWords", "Build Type") },
    { ObjectField::BuildModeSubType, VARNICK_TRANSLATE_NOOP("ChangeWords", "Build Sub-Type") },
    { ObjectField::WantsSatisfyCategory, VARNICK_TRANSLATE_NOOP("ChangeWords", "Wants Satisfy Category") },
};

struct FlagWords {
    ObjectField field;
    CatalogList list;
    const char* label;
};

constexpr FlagWords kFlagLists[] = {
    { ObjectField::RoomSortFlags, CatalogList::Room, VARNICK_TRANSLATE_NOOP("ChangeWords", "Room") },
    { ObjectField::CommunitySortFlags, CatalogList::Community, VARNICK_TRANSLATE_NOOP("ChangeWords", "Community") },
    { ObjectField::SkillFlags, CatalogList::Skills, VARNICK_TRANSLATE_NOOP("ChangeWords", "Skill Flags") },
};

std::string selectionText(const Phrasebook& words, const BatchChanges& changes, const ChangeContext& context,
    ObjectField field, std::uint16_t value)
{
    const auto category = [&](ObjectField categoryField, std::optional<std::uint16_t> shared) {
        const auto chosen = changes.selections.find(categoryField);
        return chosen != changes.selections.end() ? std::optional<std::uint16_t>(chosen->second) : shared;
    };
    switch (field) {
    case ObjectField::FunctionSortFlags:
        return entryText(words, listEntries(CatalogList::Function), value);
    case ObjectField::BuildModeType:
        return entryText(words, listEntries(CatalogList::Build), value);
    case ObjectField::FunctionSubSort: {
        const auto shared = category(ObjectField::FunctionSortFlags, context.functionCategory);
        return shared ? entryText(words, subEntries(CatalogList::FuncSub, *shared), value) : std::to_string(value);
    }
    case ObjectField::BuildModeSubType: {
        const auto shared = category(ObjectField::BuildModeType, context.buildCategory);
        return shared ? entryText(words, subEntries(CatalogList::BuildSub, *shared), value) : std::to_string(value);
    }
    case ObjectField::WantsSatisfyCategory:
        for (const CategoryEntry& entry : wantsEntries())
            if (entry.value == value)
                return catalogText(words, entry.text);
        return std::to_string(value);
    default:
        return std::to_string(value);
    }
}

} // namespace

std::string describeChanges(const BatchChanges& changes, const ChangeContext& context, const Phrasebook& words)
{
    if (changes.custom)
        return words.say(kContext, VARNICK_TRANSLATE_NOOP("ChangeWords", "Write each object's own changes"));
    const auto setTo = [&words](const std::string& what, const std::string& value) {
        return words.say(kContext, VARNICK_TRANSLATE_NOOP("ChangeWords", "%1 to %2"), { what, value });
    };
    std::vector<std::string> sets;
    if (changes.name)
        sets.push_back(
            setTo(words.say(kContext, VARNICK_TRANSLATE_NOOP("ChangeWords", "Name")), quoted(words, *changes.name)));
    if (changes.description)
        sets.push_back(setTo(words.say(kContext, VARNICK_TRANSLATE_NOOP("ChangeWords", "Description")),
            quoted(words, *changes.description)));
    // In the order the editor shows the boxes, each as the save will write it.
    for (const NumericBox& box : kNumericBoxes) {
        const auto typed = changes.numbers.find(box.field);
        if (typed == changes.numbers.end())
            continue;
        const std::uint16_t bits = numericFieldBits(box.field, typed->second);
        const std::int64_t written = fieldInfo(box.field).kind == ObjectFieldKind::Motive
            ? static_cast<std::int64_t>(static_cast<std::int16_t>(bits))
            : static_cast<std::int64_t>(bits);
        sets.push_back(setTo(words.say("NumericFields", std::string(box.phrase).c_str()), std::to_string(written)));
    }
    for (const SelectionWords& selection : kSelections) {
        const auto chosen = changes.selections.find(selection.field);
        if (chosen != changes.selections.end())
            sets.push_back(setTo(words.say(kContext, selection.label),
                selectionText(words, changes, context, selection.field, chosen->second)));
    }
    std::vector<std::string> clauses;
    if (!sets.empty())
        clauses.push_back(
            words.say(kContext, VARNICK_TRANSLATE_NOOP("ChangeWords", "Set %1"), { joinedList(words, sets) }));
    for (const FlagWords& list : kFlagLists) {
        const auto flags = changes.flags.find(list.field);
        if (flags == changes.flags.end())
            continue;
        const std::span<const CategoryEntry> entries = listEntries(list.list);
        const std::string label = words.say(kContext, list.label);
        if (flags->second.set != 0)
            clauses.push_back(words.say(kContext, VARNICK_TRANSLATE_NOOP("ChangeWords", "add %1 to %2"),
                { entryNames(words, entries, flags->second.set), label }));
        if (flags->second.clear != 0)
            clauses.push_back(words.say(kContext, VARNICK_TRANSLATE_NOOP("ChangeWords", "remove %1 from %2"),
                { entryNames(words, entries, flags->second.clear), label }));
    }
    std::string text;
    for (const std::string& clause : clauses)
        text = text.empty() ? clause
                            : words.say(kContext, VARNICK_TRANSLATE_NOOP("ChangeWords", "%1; %2"), { text, clause });
    if (!text.empty() && text.front() >= 'a' && text.front() <= 'z')
        text.front() = static_cast<char>(text.front() - 'a' + 'A');
    return text;
}

std::string batchQuestion(
    const BatchChanges& changes, std::size_t objects, const ChangeContext& context, const Phrasebook& words)
{
    return words.count(kContext, VARNICK_TRANSLATE_N_NOOP("ChangeWords", "%1 on %n object(s)?"), objects,
        { describeChanges(changes, context, words) });
}

} // namespace varnick
