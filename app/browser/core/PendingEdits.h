#pragma once

// The object table's edits that are not saved yet, without the table: what a
// Name or Price cell accepts, which rows a typed value reaches, when a row's
// edit is no longer pending (typed back to the value read), and how the edits
// are grouped into the batch editor's saves.

#include "app/browser/core/ObjectRows.h"
#include "app/editor/core/BatchEdit.h"

#include <cstddef>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace varnick::browser {

/// One row's edits that are not saved yet.
struct PendingEdit {
    std::optional<std::string> name;
    std::optional<std::string> price; ///< the text as typed
    bool operator<(const PendingEdit& other) const { return std::tie(name, price) < std::tie(other.name, other.price); }
};

/// Packages that get the same changes.
struct PendingBatch {
    std::vector<std::filesystem::path> files;
    BatchChanges changes;
};

/// Whether a column is edited in the table (Name and Price).
bool isEditableColumn(ObjectColumn column);

/// What the table takes for a cell of column from the typed text: a name cut
/// to the name box's length, a price as the price box holds it (and not
/// empty); nothing when it is refused or the column is not editable.
std::optional<std::string> acceptedCellText(ObjectColumn column, std::string_view typed);

class PendingEdits {
public:
    /// Records value (as acceptedCellText gave it) for column of row; a value
    /// equal to what was read takes the field out of the pending edits.
    /// Unreadable rows take no edits. Returns whether the row could take it.
    bool set(const ObjectRow& row, ObjectColumn column, const std::string& value);
    /// The pending edit of a file, null when none.
    const PendingEdit* find(const std::string& file) const;
    /// Whether column of file shows a pending value.
    bool changes(const std::string& file, ObjectColumn column) const;
    /// The text a pending cell shows: the name, or the price as it will be stored.
    std::string shownText(const std::string& file, ObjectColumn column) const;

    bool empty() const { return mEdits.empty(); }
    std::size_t size() const { return mEdits.size(); }
    /// The edits grouped by equal changes, each group's files (in folder) in the browser's name order.
    std::vector<PendingBatch> batches(const std::filesystem::path& folder) const;
    /// Drops the edits of the files; every edit when files is empty. Returns whether any was dropped.
    bool discard(const std::vector<std::string>& files = {});
    /// Drops the edits of the files not among kept. Returns whether any was dropped.
    bool retain(const std::set<std::string>& kept);

private:
    std::map<std::string, PendingEdit> mEdits; ///< by file name
};

} // namespace varnick::browser
