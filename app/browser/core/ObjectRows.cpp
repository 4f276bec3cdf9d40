#include "app/browser/core/ObjectRows.h"

#include "app/browser/core/ObjectSummary.h"
#include "app/browser/core/PackageScan.h"
#include "app/editor/core/CatalogLists.h"
#include "app/editor/core/ObjectEditor.h"
#include "app/platform/Csv.h"
#include "package/ObjectDefinition.h"
#include "package/base/ParallelFor.h"
#include "package/base/Paths.h"
#include "package/base/Phrase.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <mutex>
#include <new>
#include <thread>

namespace varnick::browser {

namespace {

// The headings are English, as the CSV and the command line print them; the
// window shows them translated (context "ObjectColumn").
constexpr std::array<ObjectColumnInfo, 13> kColumns { {
    { ObjectColumn::Thumbnail, "thumbnail", VARNICK_TRANSLATE_NOOP("ObjectColumn", "Thumbnail"), false },
    { ObjectColumn::Name, "name", VARNICK_TRANSLATE_NOOP("ObjectColumn", "Name"), false },
    { ObjectColumn::Price, "price", VARNICK_TRANSLATE_NOOP("ObjectColumn", "Price"), true },
    { ObjectColumn::Function, "function", VARNICK_TRANSLATE_NOOP("ObjectColumn", "Function"), false },
    { ObjectColumn::FunctionSub, "function-sub", VARNICK_TRANSLATE_NOOP("ObjectColumn", "Function Sub-category"),
        false },
    { ObjectColumn::Rooms, "rooms", VARNICK_TRANSLATE_NOOP("ObjectColumn", "Rooms"), false },
    { ObjectColumn::Community, "community", VARNICK_TRANSLATE_NOOP("ObjectColumn", "Community"), false },
    { ObjectColumn::Build, "build", VARNICK_TRANSLATE_NOOP("ObjectColumn", "Build"), false },
    { ObjectColumn::BuildSub, "build-sub", VARNICK_TRANSLATE_NOOP("ObjectColumn", "Build Sub-type"), false },
    { ObjectColumn::Skills, "skills", VARNICK_TRANSLATE_NOOP("ObjectColumn", "Skills"), false },
    { ObjectColumn::Wants, "wants", VARNICK_TRANSLATE_NOOP("ObjectColumn", "Wants"), false },
    { ObjectColumn::Guid, "guid", VARNICK_TRANSLATE_NOOP("ObjectColumn", "GUID"), true },
    { ObjectColumn::File, "file", VARNICK_TRANSLATE_NOOP("ObjectColumn", "File"), false },
} };

// Rows handed to the progress callback at a time.
constexpr std::size_t kBatchRows = 256;
// Packages a reading thread takes from the shared list at a time.
constexpr std::size_t kChunk = 16;

std::string guidText(std::uint32_t guid)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", guid);
    return text;
}

// The texts of the entries the editor's load selects for value, then the bits no entry stands for.
std::string flagText(std::span<const CategoryEntry> entries, std::uint16_t value, bool singleSelection)
{
    std::string text;
    const auto add = [&](std::string_view part) {
        if (!text.empty())
            text += ", ";
        text += part;
    };
    for (const std::size_t position : selectedByLoad(entries, value, singleSelection))
        add(entries[position].text);
    const std::uint16_t unknown = static_cast<std::uint16_t>(value & ~entryMask(entries));
    for (unsigned bit = 0; bit < 16; ++bit)
        if ((unknown >> bit) & 1u)
            add(std::to_string(1u << bit));
    return text;
}

// The value the editor's list of one selection holds after the load (what its sub-list follows).
std::uint16_t loadedSelection(CatalogList list, std::uint16_t value)
{
    const std::span<const CategoryEntry> entries = listEntries(list);
    return selectionValue(entries, selectedByLoad(entries, value, isSingleSelection(list)));
}

// The row's stored value of a list's flag field.
std::uint16_t flagValue(const ObjectRow& row, CatalogList list)
{
    switch (list) {
    case CatalogList::Function:
        return row.functionSortFlags;
    case CatalogList::FuncSub:
        return row.functionSubSort;
    case CatalogList::Build:
        return row.buildModeType;
    case CatalogList::BuildSub:
        return row.buildModeSubType;
    case CatalogList::Room:
        return row.roomSortFlags;
    case CatalogList::Community:
        return row.communitySortFlags;
    case CatalogList::Skills:
        return row.skillFlags;
    }
    return 0;
}

std::string listText(CatalogList list, const ObjectRow& row)
{
    // A sub-list's entries follow the category the editor shows chosen.
    std::span<const CategoryEntry> entries = listEntries(list);
    if (list == CatalogList::FuncSub || list == CatalogList::BuildSub) {
        const CatalogList category = list == CatalogList::FuncSub ? CatalogList::Function : CatalogList::Build;
        entries = subEntries(list, loadedSelection(category, flagValue(row, category)));
    }
    return flagText(entries, flagValue(row, list), isSingleSelection(list));
}

void trimBlanks(std::string_view& text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
}

// What a row sorts by in one column: a number, or a folded text and the exact text.
struct SortKey {
    std::uint64_t number = 0;
    std::u32string folded;
    std::string text;
};

SortKey sortKey(const ObjectRow& row, ObjectColumn column)
{
    SortKey key;
    if (column == ObjectColumn::Price)
        key.number = row.price;
    else if (column == ObjectColumn::Guid)
        key.number = row.guid;
    else {
        key.text = columnText(row, column);
        key.folded = packageNameKey(key.text);
    }
    return key;
}

bool keyLess(const SortKey& a, const SortKey& b, bool numeric)
{
    if (numeric)
        return a.number < b.number;
    if (a.folded != b.folded)
        return a.folded < b.folded;
    return a.text < b.text;
}

} // namespace

ObjectRow readObjectRow(const std::filesystem::path& file)
{
    ObjectRow row;
    std::optional<ObjectDefinition> definition;
    const ObjectSummary summary = readObjectSummary(file, &definition);
    row.file = summary.file;
    row.readable = summary.readable;
    row.reason = summary.reason;
    row.reasonPhrase = summary.reasonPhrase;
    row.name = summary.name;
    row.guid = static_cast<std::uint32_t>(summary.guid);
    // The editor's refusal, when the package itself could be read.
    if (const std::string refusal = definitionRefusal(definition ? &*definition : nullptr);
        !refusal.empty() && row.readable) {
        row.readable = false;
        row.reason = refusal;
        row.reasonPhrase = definitionRefusalPhrase(definition ? &*definition : nullptr);
    }
    if (!definition)
        return row;
    row.price = definition->amount(ObjectField::Price);
    row.functionSortFlags = definition->flags(ObjectField::FunctionSortFlags);
    row.functionSubSort = definition->flags(ObjectField::FunctionSubSort);
    row.roomSortFlags = definition->flags(ObjectField::RoomSortFlags);
    row.communitySortFlags = definition->flags(ObjectField::CommunitySortFlags);
    row.buildModeType = definition->flags(ObjectField::BuildModeType);
    row.buildModeSubType = definition->flags(ObjectField::BuildModeSubType);
    row.skillFlags = definition->flags(ObjectField::SkillFlags);
    row.wantsSatisfyCategory = definition->flags(ObjectField::WantsSatisfyCategory);
    return row;
}

std::vector<ObjectRow> readObjectRows(const std::filesystem::path& folder, const std::vector<std::string>& names,
    const RowProgress& progress, const std::atomic<bool>* cancel, unsigned threads)
{
    const std::size_t total = names.size();
    std::vector<ObjectRow> rows(total);
    std::vector<char> read(total, 0);
    if (threads == 0)
        threads = std::max(2u, std::thread::hardware_concurrency());

    // The packages go out in chunks; what the threads read gathers in
    // pending, which is passed on every kBatchRows rows and at the end.
    std::size_t done = 0;
    const auto report = [&](std::vector<ObjectRow>& batch) {
        done += batch.size();
        if (progress)
            progress(RowBatch { std::move(batch), done, total });
        batch.clear();
    };
    const auto cancelled = [&] { return cancel != nullptr && cancel->load(); };
    std::mutex pendingMutex;
    std::vector<ObjectRow> pending;
    parallelFor((total + kChunk - 1) / kChunk, threads,
        [&](std::size_t chunk) {
            std::vector<ObjectRow> batch;
            for (std::size_t i = chunk * kChunk; i < std::min(total, (chunk + 1) * kChunk) && !cancelled(); ++i) {
                rows[i] = readObjectRow(folder / pathFromUtf8(names[i]));
                read[i] = 1;
                if (progress)
                    batch.push_back(rows[i]);
            }
            if (batch.empty())
                return;
            const std::lock_guard<std::mutex> lock(pendingMutex);
            std::move(batch.begin(), batch.end(), std::back_inserter(pending));
            if (pending.size() >= kBatchRows)
                report(pending);
        },
        cancelled, [](std::size_t) {});
    if (!pending.empty() || (total == 0 && progress))
        report(pending);

    std::vector<ObjectRow> result;
    result.reserve(total);
    for (std::size_t i = 0; i < total; ++i)
        if (read[i] != 0)
            result.push_back(std::move(rows[i]));
    return result;
}

std::span<const ObjectColumnInfo> objectColumns()
{
    return kColumns;
}

const ObjectColumnInfo& columnInfo(ObjectColumn column)
{
    return kColumns[static_cast<std::size_t>(column)];
}

std::optional<ObjectColumn> columnOfKey(std::string_view key)
{
    const std::u32string folded = packageNameKey(key);
    for (const ObjectColumnInfo& info : kColumns)
        if (packageNameKey(info.key) == folded)
            return info.column;
    return std::nullopt;
}

std::string columnText(const ObjectRow& row, ObjectColumn column)
{
    switch (column) {
    case ObjectColumn::Thumbnail:
        return {};
    case ObjectColumn::Name:
        return row.name;
    case ObjectColumn::Price:
        return std::to_string(row.price);
    case ObjectColumn::Function:
        return listText(CatalogList::Function, row);
    case ObjectColumn::FunctionSub:
        return listText(CatalogList::FuncSub, row);
    case ObjectColumn::Rooms:
        return listText(CatalogList::Room, row);
    case ObjectColumn::Community:
        return listText(CatalogList::Community, row);
    case ObjectColumn::Build:
        return listText(CatalogList::Build, row);
    case ObjectColumn::BuildSub:
        return listText(CatalogList::BuildSub, row);
    case ObjectColumn::Skills:
        return listText(CatalogList::Skills, row);
    case ObjectColumn::Wants: {
        const std::optional<std::size_t> position = wantsPositionOf(row.wantsSatisfyCategory);
        return position ? std::string(wantsEntries()[*position].text) : std::to_string(row.wantsSatisfyCategory);
    }
    case ObjectColumn::Guid:
        return guidText(row.guid);
    case ObjectColumn::File:
        return row.file;
    }
    return {};
}

bool rowMatchesFilter(const ObjectRow& row, std::string_view filter)
{
    trimBlanks(filter);
    if (filter.empty())
        return true;
    const std::u32string wanted = packageNameKey(filter);
    for (const std::string& text : { row.name, row.file, guidText(row.guid) })
        if (packageNameKey(text).find(wanted) != std::u32string::npos)
            return true;
    return false;
}

bool objectRowLess(const ObjectRow& a, const ObjectRow& b, ObjectColumn column)
{
    return keyLess(sortKey(a, column), sortKey(b, column), columnInfo(column).numeric);
}

std::vector<std::size_t> sortedRowOrder(std::span<const ObjectRow> rows, ObjectColumn column, bool descending)
{
    return shownRowOrder(rows, {}, column, descending);
}

std::vector<std::size_t> shownRowOrder(
    std::span<const ObjectRow> rows, std::string_view filter, ObjectColumn column, bool descending)
{
    // Only the rows the filter keeps are keyed and sorted.
    std::vector<std::size_t> order;
    order.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (filter.empty() || rowMatchesFilter(rows[i], filter))
            order.push_back(i);
    std::vector<SortKey> keys(rows.size());
    for (const std::size_t i : order)
        keys[i] = sortKey(rows[i], column);
    const bool numeric = columnInfo(column).numeric;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return descending ? keyLess(keys[b], keys[a], numeric) : keyLess(keys[a], keys[b], numeric);
    });
    return order;
}

std::string objectTableCsv(std::span<const ObjectRow> rows)
{
    std::string csv;
    const auto line = [&](const auto& cell) {
        bool first = true;
        for (const ObjectColumnInfo& info : kColumns) {
            if (info.column == ObjectColumn::Thumbnail)
                continue;
            if (!first)
                csv += ',';
            first = false;
            csv += csvField(cell(info));
        }
        csv += "\r\n";
    };
    line([](const ObjectColumnInfo& info) { return std::string(info.header); });
    for (const ObjectRow& row : rows)
        line([&](const ObjectColumnInfo& info) { return columnText(row, info.column); });
    return csv;
}

} // namespace varnick::browser
