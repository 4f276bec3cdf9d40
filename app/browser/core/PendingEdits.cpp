#include "app/browser/core/PendingEdits.h"

#include "app/browser/core/PackageScan.h"
#include "app/editor/core/NumericFields.h"
#include "app/editor/core/ObjectEditor.h"
#include "package/base/Paths.h"

#include <algorithm>

namespace varnick::browser {

namespace {

std::string_view trimBlanks(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

bool isEditableColumn(ObjectColumn column)
{
    return column == ObjectColumn::Name || column == ObjectColumn::Price;
}

std::optional<std::string> acceptedCellText(ObjectColumn column, std::string_view typed)
{
    if (column == ObjectColumn::Name)
        return limitedText(std::string(typed), kNameMaxCharacters);
    if (column != ObjectColumn::Price)
        return std::nullopt;
    // An empty cell is no price: the edit is refused rather than read as 0.
    const std::string_view trimmed = trimBlanks(typed);
    if (trimmed.empty() || !numericBoxHolds(ObjectField::Price, trimmed))
        return std::nullopt;
    return std::string(trimmed);
}

bool PendingEdits::set(const ObjectRow& row, ObjectColumn column, const std::string& value)
{
    if (!row.readable || !isEditableColumn(column))
        return false;
    PendingEdit& edit = mEdits[row.file];
    if (column == ObjectColumn::Name)
        edit.name = value == row.name ? std::nullopt : std::optional<std::string>(value);
    else
        edit.price = numericFieldBits(ObjectField::Price, value) == row.price ? std::nullopt
                                                                              : std::optional<std::string>(value);
    if (!edit.name && !edit.price)
        mEdits.erase(row.file);
    return true;
}

const PendingEdit* PendingEdits::find(const std::string& file) const
{
    const auto found = mEdits.find(file);
    return found == mEdits.end() ? nullptr : &found->second;
}

bool PendingEdits::changes(const std::string& file, ObjectColumn column) const
{
    const PendingEdit* edit = find(file);
    return edit != nullptr
        && ((column == ObjectColumn::Name && edit->name) || (column == ObjectColumn::Price && edit->price));
}

std::string PendingEdits::shownText(const std::string& file, ObjectColumn column) const
{
    if (!changes(file, column))
        return {};
    const PendingEdit& edit = *find(file);
    return column == ObjectColumn::Name ? *edit.name
                                        : std::to_string(numericFieldBits(ObjectField::Price, *edit.price));
}

std::vector<PendingBatch> PendingEdits::batches(const std::filesystem::path& folder) const
{
    std::map<PendingEdit, std::vector<std::string>> groups;
    for (const auto& [file, edit] : mEdits)
        groups[edit].push_back(file);
    std::vector<PendingBatch> batches;
    for (auto& [edit, files] : groups) {
        std::sort(files.begin(), files.end(), packageNameLess);
        PendingBatch batch;
        for (const std::string& file : files)
            batch.files.push_back(folder / pathFromUtf8(file));
        batch.changes.name = edit.name;
        if (edit.price)
            batch.changes.numbers[ObjectField::Price] = *edit.price;
        batches.push_back(std::move(batch));
    }
    return batches;
}

bool PendingEdits::discard(const std::vector<std::string>& files)
{
    if (mEdits.empty())
        return false;
    if (files.empty()) {
        mEdits.clear();
        return true;
    }
    bool any = false;
    for (const std::string& file : files)
        any = mEdits.erase(file) > 0 || any;
    return any;
}

bool PendingEdits::retain(const std::set<std::string>& kept)
{
    std::vector<std::string> gone;
    for (const auto& [file, edit] : mEdits)
        if (kept.count(file) == 0)
            gone.push_back(file);
    return !gone.empty() && discard(gone);
}

} // namespace varnick::browser
