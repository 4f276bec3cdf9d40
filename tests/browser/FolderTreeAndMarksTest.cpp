// The main window's folder tree and marks without widgets: the nodes of both
// roots and their folders on disk, and marking with plain, Ctrl and Shift
// clicks and "Select All".
#include "app/browser/core/FolderList.h"
#include "app/browser/core/FolderTree.h"
#include "app/browser/core/MarkSet.h"
#include "tests/common/TemporaryFolder.h"
#include "tools/common/PackageBuilder.h"

#include <gtest/gtest.h>

using namespace varnick;
using namespace varnick::browser;
using varnick::test::TemporaryFolder;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> paths(const std::vector<FolderNode>& nodes)
{
    std::vector<std::string> out;
    for (const FolderNode& node : nodes)
        out.push_back(node.path);
    return out;
}

} // namespace

TEST(FolderTree, downloadsNodesHangFromTheirParentsAndLeadBackToTheirFolders)
{
    TemporaryFolder data;
    for (const char* folder : { "b", "a/inner", "a/z" })
        fs::create_directories(data.path() / "Downloads" / folder);
    const std::vector<FolderNode> nodes = buildFolderTree(data.path(), TreeRoot::Downloads, true);
    EXPECT_EQ(paths(nodes),
        (std::vector<std::string> {
            "Downloads", "Downloads\\a", "Downloads\\a\\inner", "Downloads\\a\\z", "Downloads\\b" }));
    EXPECT_EQ(nodes[0].key, "\\Downloads");
    EXPECT_EQ(nodes[0].parent, -1);
    EXPECT_EQ(nodes[2].key, "\\Downloads\\a\\inner");
    EXPECT_EQ(nodes[2].text, "inner");
    EXPECT_EQ(nodes[2].parent, 1);
    EXPECT_EQ(nodes[4].parent, 0);
    EXPECT_EQ(folderOfNode(data.path(), TreeRoot::Downloads, nodes[2].path), data.path() / "Downloads" / "a" / "inner");
    EXPECT_EQ(folderOfNode(data.path(), TreeRoot::Downloads, nodes[0].path), data.path() / "Downloads");
    EXPECT_EQ(lastFolderSetting(TreeRoot::Downloads, nodes[2].path), "Downloads\\a\\inner");
    EXPECT_EQ(nodePathOfSetting(TreeRoot::Downloads, "Downloads\\a\\inner"), "Downloads\\a\\inner");
    EXPECT_EQ(nodePathOfSetting(TreeRoot::Downloads, ""), "");

    // The same folders as the command line lists them.
    const std::vector<std::string> listed = treeFolders(data.path() / "Downloads", "");
    ASSERT_EQ(listed.size(), nodes.size());
    for (std::size_t i = 1; i < nodes.size(); ++i)
        EXPECT_EQ("\\Downloads" + listed[i], nodes[i].key);
}

TEST(FolderTree, alternateNodesAreKeyedApartAndCutTheRootCaptionByItsLength)
{
    TemporaryFolder root;
    fs::create_directories(root.path() / "Sub" / "deeper");
    const std::vector<FolderNode> nodes = buildFolderTree(root.path(), TreeRoot::Alternate, false);
    EXPECT_EQ(paths(nodes),
        (std::vector<std::string> {
            "(Alternate Path Root)", "(Alternate Path Root)\\Sub", "(Alternate Path Root)\\Sub\\deeper" }));
    EXPECT_EQ(nodes[0].key, "(AltPath)");
    EXPECT_EQ(nodes[1].key, "(AltPath)\\Sub");
    EXPECT_EQ(nodes[2].parent, 1);
    EXPECT_EQ(lastFolderSetting(TreeRoot::Alternate, nodes[2].path), "\\Sub\\deeper");
    EXPECT_EQ(lastFolderSetting(TreeRoot::Alternate, nodes[0].path), "");
    EXPECT_EQ(nodePathOfSetting(TreeRoot::Alternate, "\\Sub"), nodes[1].path);
    EXPECT_EQ(folderOfNode(root.path(), TreeRoot::Alternate, nodes[2].path), root.path() / "Sub" / "deeper");
    EXPECT_EQ(folderOfNode(root.path(), TreeRoot::Alternate, nodes[0].path), root.path());
    // No root chosen: the root node alone.
    EXPECT_EQ(buildFolderTree({}, TreeRoot::Alternate, false).size(), 1u);
    EXPECT_EQ(buildFolderTree(root.path() / "missing", TreeRoot::Downloads, true).size(), 1u);
}

TEST(MarkSet, plainCtrlAndShiftClicksMarkAsAFileListDoes)
{
    struct Click {
        std::size_t index;
        bool control;
        bool shift;
        std::vector<std::size_t> marked;
    };
    const std::vector<Click> clicks {
        { 3, false, false, { 3 } }, // a plain click marks one object and sets the anchor
        { 5, true, false, { 3, 5 } }, // Ctrl adds, and moves the anchor
        { 3, true, false, { 5 } }, // Ctrl on a marked object removes it; the anchor is now 3
        { 1, false, true, { 1, 2, 3 } }, // Shift replaces the marks by the range from the anchor
        { 6, true, true, { 1, 2, 3, 4, 5, 6 } }, // Ctrl+Shift adds the range, keeping what is marked
        { 0, false, false, { 0 } }, { 9, false, false, { 0 } }, // beyond the objects: nothing changes
    };
    MarkSet marks;
    for (std::size_t i = 0; i < clicks.size(); ++i) {
        const Click& c = clicks[i];
        marks.click("folder", c.index, 8, c.control, c.shift);
        EXPECT_EQ(marks.marked("folder", 8), c.marked) << "click " << i;
    }
}

TEST(MarkSet, marksBelongToOneFolderAndShowOnTheirPage)
{
    MarkSet marks;
    // Shift without an anchor is a plain click.
    marks.click("a", 30, 60, false, true);
    EXPECT_EQ(marks.marked("a", 60), std::vector<std::size_t> { 30 });
    marks.click("a", 2, 60, true, false);
    EXPECT_EQ(marks.markedCells("a", 25, 25), std::vector<int> { 5 });
    EXPECT_EQ(marks.markedCells("a", 0, 25), std::vector<int> { 2 });
    EXPECT_TRUE(marks.marked("b", 60).empty());
    EXPECT_TRUE(marks.markedCells("b", 0, 25).empty());
    // Fewer objects than marked (the folder shrank): only those still there.
    EXPECT_EQ(marks.marked("a", 10), std::vector<std::size_t> { 2 });
    // A click in another folder starts afresh, anchor included.
    marks.click("b", 4, 10, false, true);
    EXPECT_EQ(marks.marked("b", 10), std::vector<std::size_t> { 4 });
    EXPECT_TRUE(marks.marked("a", 60).empty());

    // Select All on a page and in a folder.
    marks.markRange("a", 25, 49, 30);
    EXPECT_EQ(marks.marked("a", 30), (std::vector<std::size_t> { 25, 26, 27, 28, 29 }));
    marks.markRange("a", 0, 2, 30);
    EXPECT_EQ(marks.marked("a", 30), (std::vector<std::size_t> { 0, 1, 2 }));
}
