#include "package/Classification.h"

#include "package/BinarySupport.h"
#include "package/PackageReader.h"
#include "package/TypeIds.h"
#include "tests/common/TrapRecorder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>

namespace varnick {
namespace {

std::vector<IndexEntry> indexOf(std::initializer_list<const char*> hexTypes)
{
    std::vector<IndexEntry> entries;
    for (const char* hex : hexTypes) {
        IndexEntry entry;
        entry.TypeID = gfstr4HexToSimsID(hex);
        entry.GroupID = entry.InstanceID = entry.ResourceID = ByteString(4, '\0');
        entries.push_back(entry);
    }
    return entries;
}

// The index's types as readPackageIndexTypes gives them.
ByteString typesOf(const std::vector<IndexEntry>& entries)
{
    ByteString types;
    for (const IndexEntry& entry : entries)
        types += entry.TypeID;
    return types;
}

struct Case {
    const char* what;
    std::vector<IndexEntry> entries;
    bool catalogObject;
    bool recolor;
};

TEST(Classification, sortsPackagesByTheTypesInTheirIndex)
{
    const char* objd = "4F424A44";
    const char* gmdc = "AC4F8687";
    const char* mmat = "4C697E5A";
    const char* txtr = "1C4A276C";
    const char* txmt = "49596978";
    const char* bhav = "42484156";
    const Case cases[] = {
        { "empty index", {}, false, false },
        { "definition only", indexOf({ objd }), false, false },
        { "definition then mesh", indexOf({ objd, gmdc }), true, false },
        { "mesh then definition", indexOf({ gmdc, txmt, objd }), true, false },
        { "mesh only", indexOf({ gmdc, gmdc }), false, false },
        { "override, texture, material definition", indexOf({ mmat, txtr, txmt }), false, true },
        { "texture before override", indexOf({ txtr, "FFFFFFFF", mmat }), false, true },
        { "the same plus a behaviour", indexOf({ mmat, txtr, txmt, bhav }), false, false },
        { "override without texture", indexOf({ mmat, txmt }), false, false },
        { "texture without override", indexOf({ txtr, txmt }), false, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(gfblnIsCatalogObject(c.entries), c.catalogObject);
        EXPECT_EQ(isCatalogObjectByTypes(typesOf(c.entries)), c.catalogObject);
        EXPECT_EQ(gfblnIsRecolor(c.entries), c.recolor);
        EXPECT_EQ(isRecolorByTypes(typesOf(c.entries)), c.recolor);
    }
    // A trailing partial type (never given by the reader) counts for nothing.
    EXPECT_FALSE(isCatalogObjectByTypes(typesOf(indexOf({ objd })) + ByteString("\x87\x86\x4F", 3)));
    EXPECT_TRUE(isRecolorByTypes(typesOf(indexOf({ "4C697E5A", "1C4A276C" })) + ByteString("\x44\x4A\x42", 3)));
}

class RecolorExclusion : public ::testing::TestWithParam<const char*> { };

TEST_P(RecolorExclusion, anObjectsOwnResourceDisqualifiesARecolorWherever)
{
    for (const auto& entries :
        { indexOf({ GetParam(), "4C697E5A", "1C4A276C" }), indexOf({ "4C697E5A", "1C4A276C", GetParam() }) }) {
        EXPECT_FALSE(gfblnIsRecolor(entries));
        EXPECT_FALSE(isRecolorByTypes(typesOf(entries)));
    }
}

INSTANTIATE_TEST_SUITE_P(Classification, RecolorExclusion,
    ::testing::Values("42484156", "AC4F8687", "AC506764", "4F424A44", "42434F4E", "E519C933", "43545353", "7BA3838C",
        "EBCF3E27", "FC6EB1F7", "54544142"));

TEST(Classification, neutralTypesNeitherQualifyNorDisqualify)
{
    for (const char* type : { "49596978", "4E6D6150", "ED534136", "AC2950C1", "54544173" }) {
        EXPECT_TRUE(gfblnIsRecolor(indexOf({ "4C697E5A", type, "1C4A276C" }))) << type;
        EXPECT_FALSE(gfblnIsRecolor(indexOf({ type }))) << type;
    }
}

TEST(Classification, agreesWithTheRealPackages)
{
    const std::filesystem::path root = std::filesystem::path(VARNICK_SOURCE_DIR) / "../shared/realdata";
    if (!std::filesystem::exists(root))
        GTEST_SKIP() << "real package files are not present";
    test::TrapRecorder recorder;
    struct Expected {
        const char* file;
        bool catalogObject;
    };
    for (const Expected& expected : { Expected { "owlks4_DBPF-package-manager/sims2.package", true },
             Expected { "bass-dandy_simpai/career.package", false },
             Expected { "LazyDuchess_OpenTS2/teapot_model.package", false },
             Expected { "voicemxil_TS2-Starter-Pack/_EnableColorOptionsMMAT.package", false } }) {
        std::vector<IndexEntry> entries;
        ASSERT_TRUE(gsLoadPackageIndexOnly(root / expected.file, entries)) << expected.file;
        EXPECT_EQ(gfblnIsCatalogObject(entries), expected.catalogObject) << expected.file;
        EXPECT_FALSE(gfblnIsRecolor(entries)) << expected.file;
    }
}

} // namespace
} // namespace varnick
