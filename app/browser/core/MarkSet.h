#pragma once

// The objects the player marks on the thumbnail pages for "Edit Selected...":
// a click marks one object, Ctrl-click adds or removes one, Shift-click marks
// the range from the last plainly or Ctrl-clicked object (Ctrl+Shift adds the
// range to the marks), and "Select All" marks a page or the whole folder. The
// marks belong to one folder and are kept in marking order.

#include <cstddef>
#include <string>
#include <vector>

namespace varnick::browser {

class MarkSet {
public:
    /// A click on the object at index (of count objects) of folder. Marks of another folder are dropped first.
    void click(const std::string& folder, std::size_t index, std::size_t count, bool control, bool shift);
    /// Marks the objects first to last (inclusive, clipped to count) of folder and nothing else.
    void markRange(const std::string& folder, std::size_t first, std::size_t last, std::size_t count);
    /// Adds the object at index of folder to the marks (nothing when it is marked already) and anchors there.
    void add(const std::string& folder, std::size_t index, std::size_t count);
    /// Marks the object at index of folder alone, keeping the anchor (a page
    /// turned: Shift on the new page still ranges from where the player clicked).
    void markAlone(const std::string& folder, std::size_t index, std::size_t count);
    /// Drops every mark and the anchor (the folder or its contents changed).
    void clear();
    /// Whether the object at index of folder is marked.
    bool contains(const std::string& folder, std::size_t index) const;

    /// The marked positions of folder in marking order (none for another folder), those below count only.
    std::vector<std::size_t> marked(const std::string& folder, std::size_t count) const;
    /// The marked positions of folder that lie in [first, first + cells), as cells counted from first.
    std::vector<int> markedCells(const std::string& folder, std::size_t first, int cells) const;

private:
    void takeFolder(const std::string& folder);

    std::string mFolder;
    std::vector<std::size_t> mMarked;
    static constexpr std::size_t kNoAnchor = static_cast<std::size_t>(-1);
    std::size_t mAnchor = kNoAnchor;
};

} // namespace varnick::browser
