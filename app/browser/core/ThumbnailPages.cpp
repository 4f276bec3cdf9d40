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

std::int64_t movedIndex(std::int64_t current, std::int64_t n, GridMove move)
{
    if (n <= 0)
        return -1;
    current = std::clamp<std::int64_t>(current, 0, n - 1);
    std::int64_t target = current;
    switch (move) {
    case GridMove::Left:
        target = current - 1;
        break;
    case GridMove::Right:
        target = current + 1;
        break;
    case GridMove::Up:
        // The top row goes on to the bottom row of the page before, whose cells are all filled.
        target = current - kGridColumns;
        break;
    case GridMove::Down:
        target = current + kGridColumns;
        // Above a short last row: the last object when the cell below is empty.
        if (target >= n && (n - 1) / kGridColumns > current / kGridColumns)
            target = n - 1;
        break;
    case GridMove::PageUp:
        target = current - kThumbsPerPage;
        break;
    case GridMove::PageDown:
        target = current / kThumbsPerPage < lastPageIndex(n) ? std::min(current + kThumbsPerPage, n - 1) : current;
        break;
    case GridMove::Home:
        return 0;
    case GridMove::End:
        return n - 1;
    }
    return target < 0 || target >= n ? current : target;
}

} // namespace varnick::browser
