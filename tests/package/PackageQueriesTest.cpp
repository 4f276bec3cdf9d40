#include "package/PackageQueries.h"
#include "package/BinarySupport.h"
#include "package/TypeIds.h"
#include "tests/common/TrapRecorder.h"
#include "tools/common/PackageBuilder.h"

#include <gtest/gtest.h>

using namespace varnick;
using namespace varnick::test;

namespace {

PackageResource resource(const char* type, const char* group, const char* instance, const char* id, ByteString data)
{
    PackageResource r;
    r.TypeID = gfstr4HexToSimsID(type);
    r.GroupID = gfstr4HexToSimsID(group);
    r.InstanceID = gfstr4HexToSimsID(instance);
    r.ResourceID = gfstr4HexToSimsID(id);
    r.Data = std::move(data);
    r.Size = static_cast<std::int32_t>(r.Data.size());
    return r;
}

PackageFile sample()
{
    PackageFile pkg;
    pkg.Files = {
        resource("4F424A44", "7FD46CD0", "00000041", "00000000", "objd A"),
        resource("43545353", "7FD46CD0", "00000001", "00000000", "ctss"),
        resource("4F424A44", "7FD46CD0", "00000042", "00000001", "objd B"),
        resource("4F424A44", "11111111", "00000041", "00000000", "objd C"),
        resource("4F424A44", "7FD46CD0", "00000041", "00000002", "objd D"),
    };
    pkg.Files[2].Spare1 = 17;
    pkg.Files[2].Spare2 = -3;
    pkg.IndexCount = 2; // stale: the queries walk Files, not the count read from the file
    return pkg;
}

std::vector<std::string> dataOf(const std::vector<PackageResource>& result)
{
    std::vector<std::string> data;
    for (const PackageResource& r : result)
        data.push_back(r.Data);
    return data;
}

} // namespace

TEST(PackageQueries, criteriaNarrowFromTypeToResourceIdentifier)
{
    const PackageFile pkg = sample();
    TrapRecorder trap;
    std::vector<PackageResource> result;
    std::vector<ByteString> criteria = { gstrTypeOBJD };
    EXPECT_EQ(gflngGetPackageFilesOfType(pkg, result, criteria), 4);
    EXPECT_EQ(dataOf(result), (std::vector<std::string> { "objd A", "objd B", "objd C", "objd D" }));

    criteria.push_back(gfstr4HexToSimsID("7FD46CD0"));
    EXPECT_EQ(gflngGetPackageFilesOfType(pkg, result, criteria), 3);
    criteria.push_back(gfstr4HexToSimsID("00000041"));
    EXPECT_EQ(gflngGetPackageFilesOfType(pkg, result, criteria), 2);
    EXPECT_EQ(dataOf(result), (std::vector<std::string> { "objd A", "objd D" }));
    criteria.push_back(gfstr4HexToSimsID("00000002"));
    EXPECT_EQ(gflngGetPackageFilesOfType(pkg, result, criteria), 1);
    EXPECT_EQ(dataOf(result), (std::vector<std::string> { "objd D" }));
    // A fifth criterion (upper bound 4) matches nothing, as does none at all.
    criteria.push_back(gfstr4HexToSimsID("00000000"));
    EXPECT_EQ(gflngGetPackageFilesOfType(pkg, result, criteria), 0);
    EXPECT_TRUE(result.empty());
    EXPECT_EQ(gflngGetPackageFilesOfType(pkg, result, {}), 0);
    EXPECT_TRUE(trap.empty());
}

TEST(PackageQueries, resultsAreFullCopiesAndNothingStaleRemains)
{
    const PackageFile pkg = sample();
    std::vector<PackageResource> result;
    ASSERT_EQ(gflngGetPackageFilesOfType(
                  pkg, result, { gstrTypeOBJD, gfstr4HexToSimsID("7FD46CD0"), gfstr4HexToSimsID("00000042") }),
        1);
    EXPECT_EQ(result[0].Spare1, 17);
    EXPECT_EQ(result[0].Spare2, -3);
    EXPECT_EQ(result[0].Size, 6);
    EXPECT_EQ(result[0].ResourceID, gfstr4HexToSimsID("00000001"));

    // A query without matches leaves no results of an earlier query behind.
    EXPECT_EQ(gflngGetPackageFilesOfType(pkg, result, { gstrTypeTXTR }), 0);
    EXPECT_TRUE(result.empty());
    // Identifiers compare as stored bytes, not as text.
    EXPECT_EQ(gflngGetPackageFilesOfType(pkg, result, { ByteString("OBJD") }), 0);
    EXPECT_EQ(gflngGetPackageFilesOfType(pkg, result, { ByteString("DJBO") }), 4);
}

TEST(PackageQueries, byResourceIdentifier)
{
    const PackageFile pkg = sample();
    std::vector<PackageResource> result(3);
    EXPECT_EQ(gflngGetPFByResourceID(pkg, result, gstrTypeOBJD, gfstr4HexToSimsID("00000000")), 2);
    EXPECT_EQ(dataOf(result), (std::vector<std::string> { "objd A", "objd C" }));
    EXPECT_EQ(gflngGetPFByResourceID(pkg, result, gstrTypeCTSS, gfstr4HexToSimsID("00000001")), 0);
    EXPECT_TRUE(result.empty());
}

TEST(PackageQueries, findOneThumbnailAmongTwoHundredThousand)
{
    PackageFile pkg;
    pkg.Files.resize(200000);
    for (std::size_t i = 0; i < pkg.Files.size(); ++i) {
        pkg.Files[i].TypeID = gstrTypeAC2950C1;
        pkg.Files[i].ResourceID = gfstrLongToStr4(static_cast<std::int32_t>(0x7F000000 + i));
    }
    pkg.Files[199998].Data = "jpeg";
    std::vector<PackageResource> result;
    ASSERT_EQ(gflngGetPFByResourceID(pkg, result, gstrTypeAC2950C1, gfstrLongToStr4(0x7F000000 + 199998)), 1);
    EXPECT_EQ(result[0].Data, "jpeg");
    EXPECT_EQ(gflngGetPackageFilesOfType(pkg, result, { gstrTypeAC2950C1 }), 200000);
}
