// Moving the selected object through the thumbnail pages by the keyboard, and
// the marks that follow it: arrows across page edges, Page Up and Down, Home
// and End, and Space adding to the marks.
#include "app/browser/core/MarkSet.h"
#include "app/browser/core/ThumbnailPages.h"

#include <gtest/gtest.h>

using namespace varnick::browser;

TEST(GridMoves, arrowsStepThroughTheGridAndOnToTheNeighbouringPages)
{
    struct Case {
        std::int64_t from;
        std::int64_t n;
        GridMove move;
        std::int64_t to;
        const char* why;
    };
    const std::vector<Case> cases {
        { 0, 60, GridMove::Right, 1, "one cell on" },
        { 4, 60, GridMove::Right, 5, "the row's end goes on to the next row" },
        { 24, 60, GridMove::Right, 25, "the page's last cell goes on to the next page" },
        { 25, 60, GridMove::Left, 24, "the page's first cell goes back to the page before" },
        { 0, 60, GridMove::Left, 0, "nothing before the first object" },
        { 59, 60, GridMove::Right, 59, "nothing after the last object" },
        { 22, 60, GridMove::Down, 27, "the bottom row goes on to the next page's top row" },
        { 27, 60, GridMove::Up, 22, "the top row goes back to the page before's bottom row" },
        { 2, 60, GridMove::Up, 2, "no row above the first" },
        { 3, 6, GridMove::Down, 5, "above a short last row: its last object" },
        { 5, 6, GridMove::Down, 5, "the last row stays" },
        { 12, 23, GridMove::Down, 17, "a cell below exists" },
        { 19, 23, GridMove::Down, 22, "the cell below is empty: the last object" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(movedIndex(c.from, c.n, c.move), c.to) << c.why;
}

TEST(GridMoves, pageKeysKeepTheCellAndHomeEndGoToTheEnds)
{
    EXPECT_EQ(movedIndex(3, 60, GridMove::PageDown), 28);
    EXPECT_EQ(movedIndex(28, 60, GridMove::PageDown), 53);
    EXPECT_EQ(movedIndex(49, 60, GridMove::PageDown), 59) << "the last page ends sooner: its last object";
    EXPECT_EQ(movedIndex(53, 60, GridMove::PageDown), 53) << "no page after the last";
    EXPECT_EQ(movedIndex(53, 60, GridMove::PageUp), 28);
    EXPECT_EQ(movedIndex(3, 60, GridMove::PageUp), 3) << "no page before the first";
    EXPECT_EQ(movedIndex(30, 60, GridMove::Home), 0);
    EXPECT_EQ(movedIndex(3, 60, GridMove::End), 59);
    EXPECT_EQ(movedIndex(0, 0, GridMove::Right), -1) << "no objects";
    EXPECT_EQ(movedIndex(80, 60, GridMove::Left), 58) << "a position past a shrunk folder starts from its last object";
}

TEST(MarkSet, addClearAndContains)
{
    MarkSet marks;
    marks.click("a", 3, 10, false, false);
    marks.add("a", 7, 10);
    marks.add("a", 3, 10); // already marked: once only, but anchored there
    EXPECT_EQ(marks.marked("a", 10), (std::vector<std::size_t> { 3, 7 }));
    EXPECT_TRUE(marks.contains("a", 7));
    EXPECT_FALSE(marks.contains("b", 7));
    EXPECT_FALSE(marks.contains("a", 4));
    marks.click("a", 5, 10, false, true);
    EXPECT_EQ(marks.marked("a", 10), (std::vector<std::size_t> { 3, 4, 5 })) << "Shift ranges from the added anchor";
    marks.add("a", 12, 10);
    EXPECT_EQ(marks.marked("a", 10).size(), 3U) << "past the objects: nothing added";
    marks.clear();
    EXPECT_TRUE(marks.marked("a", 10).empty());
    // The anchor went with the marks: Shift now marks just the one object.
    marks.click("a", 6, 10, false, true);
    EXPECT_EQ(marks.marked("a", 10), std::vector<std::size_t> { 6 });
}

TEST(MarkSet, aTurnedPageMarksItsFirstObjectAloneAndKeepsTheAnchor)
{
    MarkSet marks;
    marks.click("a", 0, 60, false, false);
    marks.markAlone("a", 25, 60);
    EXPECT_EQ(marks.marked("a", 60), std::vector<std::size_t> { 25 });
    marks.click("a", 49, 60, false, true);
    EXPECT_EQ(marks.marked("a", 60).size(), 50U) << "Shift ranges from the object clicked on the page before";
    MarkSet fresh;
    fresh.markAlone("a", 25, 60);
    fresh.click("a", 27, 60, false, true);
    EXPECT_EQ(fresh.marked("a", 60), (std::vector<std::size_t> { 25, 26, 27 })) << "no anchor yet: it starts there";
}
