#pragma once

// The object table of a folder without its window: one row per catalog
// object (its name, GUID and the catalog fields the editor shows), read from
// the package's index and only its text list and object definitions, on
// several threads; the texts of its columns as the editor's lists name the
// values; the filter as the player types; the sort of every column; and the
// table as CSV. The table window and varnick-cli's "table" share it.

#include "package/base/Phrase.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace varnick::browser {

/// One catalog object as the table shows it.
struct ObjectRow {
    std::string file; ///< file name without folder
    bool readable = true; ///< false when the package, its text list or its object definition could not be read
    std::string reason; ///< why not, one line, in English
    std::optional<Phrase> reasonPhrase {}; ///< reason for a window to say in the player's language, when it was worded
    std::string name; ///< the catalog name, valid UTF-8; "" without one
    std::uint32_t guid = 0; ///< the chosen definition's GUID, 0 when none was found
    // The stored 16 bits of the definition's catalog fields (0 without a definition).
    std::uint16_t price = 0;
    std::uint16_t functionSortFlags = 0;
    std::uint16_t functionSubSort = 0;
    std::uint16_t roomSortFlags = 0;
    std::uint16_t communitySortFlags = 0;
    std::uint16_t buildModeType = 0;
    std::uint16_t buildModeSubType = 0;
    std::uint16_t skillFlags = 0;
    std::uint16_t wantsSatisfyCategory = 0;
};

/// Reads the row of the package at file: its index, its one text list (type
/// 43545353) and the object definition (type 4F424A44) chosen as the
/// browser's summary chooses it. A package without a definition, or with one
/// too short for the catalog fields, is a row that is not readable (the
/// editor's refusal as its reason). Never throws beyond allocation.
ObjectRow readObjectRow(const std::filesystem::path& file);

/// Rows read since the last call, in no particular order, with the running counts.
struct RowBatch {
    std::vector<ObjectRow> rows;
    std::size_t done = 0;
    std::size_t total = 0;
};
/// Called from the reading threads, one call at a time.
using RowProgress = std::function<void(RowBatch batch)>;

/// Reads the rows of the packages names (file names in folder) on threads
/// threads (0: the processor count; never fewer than 2 unless there is only
/// one package). progress (when set) gets the rows in batches of up to 256 as
/// they are read; cancel (when set) stops the reading between packages.
/// Returns the rows read, in the order of names. Never throws beyond allocation.
std::vector<ObjectRow> readObjectRows(const std::filesystem::path& folder, const std::vector<std::string>& names,
    const RowProgress& progress = {}, const std::atomic<bool>* cancel = nullptr, unsigned threads = 0);

/// The columns of the table, in the order the window shows them.
enum class ObjectColumn {
    Thumbnail,
    Name,
    Price,
    Function,
    FunctionSub,
    Rooms,
    Community,
    Build,
    BuildSub,
    Skills,
    Wants,
    Guid,
    File,
};

struct ObjectColumnInfo {
    ObjectColumn column;
    std::string_view key; ///< the command line's name of the column
    std::string_view header; ///< the heading of the window and of the CSV
    bool numeric; ///< sorted as a number (else as text)
};

/// Every column in window order.
std::span<const ObjectColumnInfo> objectColumns();
const ObjectColumnInfo& columnInfo(ObjectColumn column);
/// The column with the key (letter case ignored); nothing for an unknown key.
std::optional<ObjectColumn> columnOfKey(std::string_view key);

/// The text of a cell: the name, the price in decimal, the GUID as
/// 0xXXXXXXXX, the file name; a category column lists the texts of the
/// entries that the editor's list selects for the value, joined with ", ",
/// followed by the bits no entry stands for, each as its decimal value; the
/// wants column the wants box's entry, or the code when no entry carries it.
/// The thumbnail column has no text.
std::string columnText(const ObjectRow& row, ObjectColumn column);

/// Whether the row matches what the player typed: the text (blanks at the
/// ends ignored, letter case ignored) lies within the name, the file name or
/// the GUID's 0xXXXXXXXX; an empty text matches every row.
bool rowMatchesFilter(const ObjectRow& row, std::string_view filter);

/// Whether row a sorts before row b by column: numbers as numbers, texts in
/// the browser's name order (packageNameLess). Rows equal by column do not
/// sort before one another (so a stable sort keeps their order).
bool objectRowLess(const ObjectRow& a, const ObjectRow& b, ObjectColumn column);

/// Positions in rows sorted by column (stable: equal rows keep their order,
/// also when descending). Each row's key is built once.
std::vector<std::size_t> sortedRowOrder(std::span<const ObjectRow> rows, ObjectColumn column, bool descending);

/// The rows the table shows, as positions in rows: those that match filter
/// (rowMatchesFilter), in sortedRowOrder's order. The window and varnick-cli's
/// "table" both show this.
std::vector<std::size_t> shownRowOrder(
    std::span<const ObjectRow> rows, std::string_view filter, ObjectColumn column, bool descending);

/// The table as CSV (UTF-8, a header row, every column but the thumbnail,
/// fields holding a comma, a quote, CR or LF quoted with inner quotes
/// doubled, lines ended by CR LF), rows in the given order.
std::string objectTableCsv(std::span<const ObjectRow> rows);

} // namespace varnick::browser
