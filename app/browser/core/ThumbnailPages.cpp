#include "app/browser/core/ThumbnailPages.h"

#include <algorithm>

namespace varnick::browser {

std::int64_t pageCount(std::int64_t n)
{
    return n <= 0 ? 0 : (n + kThumbsPerPage - 1) / kThumbsPerPage;
}

std::int64_t lastPageIndex(std::int64_t n)
{
    return n <= 0 ? 0 : (n - 1) / kThumbsPerPage;
}

std::int64_t objectIndex(std::int64_t page, int cell)
{
    return page * kThumbsPerPage + cell;
}

bool cellHoldsObject(std::int64_t n, std::int64_t page, int cell)
{
    return cell >= 0 && cell < kThumbsPerPage && page >= 0 && objectIndex(page, cell) < n;
}

int cellAt(int x, int y)
{
    if (x < 0 || y < 0 || x >= kGridSize || y >= kGridSize)
        return -1;
    return (y / kCellSize) * kGridColumns + x / kCellSize;
}

std::string pageCountText(std::int64_t page, std::int64_t n)
{
    return "Page " + std::to_string(page + 1) + " of " + std::to_string(pageCount(n));
}

int cellsOnPage(std::int64_t n, std::int64_t page)
{
    return static_cast<int>(std::clamp<std::int64_t>(n - page * kThumbsPerPage, 0, kThumbsPerPage));
}

} // namespace varnick::browser
