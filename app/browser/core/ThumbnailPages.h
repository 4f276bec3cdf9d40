#pragma once

// Page arithmetic and cell geometry of the thumbnail grid: pages of 25 cells,
// five by five, each 95 pixels square.

#include <cstddef>
#include <cstdint>
#include <string>

namespace varnick::browser {

inline constexpr int kThumbsPerPage = 25;
inline constexpr int kGridColumns = 5;
inline constexpr int kCellSize = 95;
inline constexpr int kGridSize = kCellSize * kGridColumns;

/// Pages for n objects: the smallest whole number not below n / 25 (0 for none).
std::int64_t pageCount(std::int64_t n);

/// Index of the last page: floor((n - 1) / 25), but not below 0.
std::int64_t lastPageIndex(std::int64_t n);

/// Zero-based position in the object list of cell on page.
std::int64_t objectIndex(std::int64_t page, int cell);

/// Whether cell on page holds an object of a list of n.
bool cellHoldsObject(std::int64_t n, std::int64_t page, int cell);

/// The cell (0 to 24) under grid point (x, y) in pixels; -1 outside the grid.
int cellAt(int x, int y);

/// The page counter's text: "Page " + (page + 1) + " of " + page count.
std::string pageCountText(std::int64_t page, std::int64_t n);

/// A move of the current object on the pages by the keyboard.
enum class GridMove { Left, Right, Up, Down, PageUp, PageDown, Home, End };

/// Where move takes the current object (index of n): arrows step through the
/// grid and carry on to the neighbouring page at its edges, Page Up and Page
/// Down keep the cell on the next page (the last object when that page ends
/// sooner), Home and End go to the folder's first and last object. Moves past
/// either end stay where they are; -1 when there are no objects.
std::int64_t movedIndex(std::int64_t current, std::int64_t n, GridMove move);

/// Number of cells page shows of a list of n (0 to 25).
int cellsOnPage(std::int64_t n, std::int64_t page);

} // namespace varnick::browser
