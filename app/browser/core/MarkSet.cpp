#include "app/browser/core/MarkSet.h"

#include <algorithm>
#include <unordered_set>

namespace varnick::browser {

void MarkSet::takeFolder(const std::string& folder)
{
    if (folder == mFolder)
        return;
    mFolder = folder;
    mMarked.clear();
    mAnchor = kNoAnchor;
}

void MarkSet::click(const std::string& folder, std::size_t index, std::size_t count, bool control, bool shift)
{
    if (index >= count)
        return;
    takeFolder(folder);
    if (shift && mAnchor < count) {
        if (!control)
            mMarked.clear();
        // A set beside the list: a range over a large folder stays one pass.
        std::unordered_set<std::size_t> marked(mMarked.begin(), mMarked.end());
        for (std::size_t i = std::min(mAnchor, index); i <= std::max(mAnchor, index); ++i)
            if (marked.insert(i).second)
                mMarked.push_back(i);
    } else if (control) {
        const auto found = std::find(mMarked.begin(), mMarked.end(), index);
        if (found != mMarked.end())
            mMarked.erase(found);
        else
            mMarked.push_back(index);
        mAnchor = index;
    } else {
        mMarked = { index };
        mAnchor = index;
    }
}

void MarkSet::markRange(const std::string& folder, std::size_t first, std::size_t last, std::size_t count)
{
    mFolder = folder;
    mMarked.clear();
    for (std::size_t i = first; i <= last && i < count; ++i)
        mMarked.push_back(i);
}

void MarkSet::add(const std::string& folder, std::size_t index, std::size_t count)
{
    if (index >= count)
        return;
    takeFolder(folder);
    if (std::find(mMarked.begin(), mMarked.end(), index) == mMarked.end())
        mMarked.push_back(index);
    mAnchor = index;
}

void MarkSet::markAlone(const std::string& folder, std::size_t index, std::size_t count)
{
    if (index >= count)
        return;
    takeFolder(folder);
    mMarked = { index };
    if (mAnchor >= count)
        mAnchor = index;
}

void MarkSet::clear()
{
    mMarked.clear();
    mAnchor = kNoAnchor;
}

bool MarkSet::contains(const std::string& folder, std::size_t index) const
{
    return folder == mFolder && std::find(mMarked.begin(), mMarked.end(), index) != mMarked.end();
}

std::vector<std::size_t> MarkSet::marked(const std::string& folder, std::size_t count) const
{
    std::vector<std::size_t> marked;
    if (folder != mFolder)
        return marked;
    for (const std::size_t i : mMarked)
        if (i < count)
            marked.push_back(i);
    return marked;
}

std::vector<int> MarkSet::markedCells(const std::string& folder, std::size_t first, int cells) const
{
    std::vector<int> shown;
    if (folder != mFolder)
        return shown;
    for (const std::size_t i : mMarked)
        if (i >= first && i < first + static_cast<std::size_t>(cells))
            shown.push_back(static_cast<int>(i - first));
    return shown;
}

} // namespace varnick::browser
