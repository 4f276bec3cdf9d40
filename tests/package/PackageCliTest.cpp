// The package commands of varnick-cli, run as players and scripts run them.
#include "package/BinarySupport.h"
#include "package/ObjectDefinition.h"
#include "package/TextList.h"
#include "package/base/Paths.h"
#include "tests/common/CliRunner.h"
#include "tests/common/TemporaryFolder.h"
#include "tools/common/PackageBuilder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace varnick;
using namespace varnick::test;

namespace {

class PackageCli : public ::testing::Test {
protected:
    TemporaryFolder dir;
};

std::string u(const std::filesystem::path& path)
{
    return pathToUtf8(path);
}

ByteString samplePackage()
{
    PackageBuilder builder;
    builder.add("4F424A44", "7FD46CD0", "00000041", "0000000A", "objd bytes")
        .add("43545353", "7FD46CD0", "00000001", "00000000", ByteString("\x00\x01\x02", 3));
    return builder.build();
}

} // namespace

TEST_F(PackageCli, indexPrintsHeaderAndEntriesAsJson)
{
    const auto file = dir.write("object.package", samplePackage());
    const CliRun result = runCli({ "index", u(file) });
    ASSERT_EQ(result.status, 0) << result.err;
    for (const char* expected : { "\"Magic\": \"DBPF\"", "\"MajorVersion\": 1", "\"IndexCount\": 2",
             "\"IndexOffset\": 109", "\"IndexMinorVersion\": 2", "\"type\": \"4F424A44\"", "\"group\": \"7FD46CD0\"",
             "\"instance\": \"00000041\"", "\"resource\": \"0000000A\"", "\"offset\": 96", "\"size\": 10",
             "\"offset\": 106", "\"size\": 3" })
        EXPECT_NE(result.out.find(expected), std::string::npos) << expected << "\n" << result.out;
    // Reserved fields are left out.
    EXPECT_EQ(result.out.find("Reserved"), std::string::npos);
}

TEST_F(PackageCli, extractWritesTheStoredBytesOfOneEntry)
{
    const auto file = dir.write("object.package", samplePackage());
    const auto out = dir.path() / "second.bin";
    const CliRun result = runCli({ "extract", u(file), "--entry", "2", "--raw", "-o", u(out) });
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(readFileBytes(out), ByteString("\x00\x01\x02", 3));

    // Not compressed: without --raw the same bytes.
    ASSERT_EQ(runCli({ "extract", u(file), "--entry", "1", "-o", u(out) }).status, 0);
    EXPECT_EQ(readFileBytes(out), "objd bytes");

    const CliRun missing = runCli({ "extract", u(file), "--entry", "3", "--raw", "-o", u(dir.path() / "none.bin") });
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("Entry 3 does not exist: the package has 2 index entries"), std::string::npos)
        << missing.err;
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "none.bin"));
}

TEST_F(PackageCli, rewriteProducesThePackageWriterLayout)
{
    PackageBuilder builder;
    builder.gapBetweenResources(50).reverseStorage().add("4F424A44", "00000001", "00000002", "00000003", "abc");
    const auto in = dir.write(pathFromUtf8("Stühle ✓.package"), builder.build());
    const auto out = dir.path() / "rewritten.package";
    const CliRun result = runCli({ "rewrite", u(in), u(out) });
    ASSERT_EQ(result.status, 0) << result.err;
    const ByteString written = readFileBytes(out);
    ASSERT_EQ(written.size(), 96u + 3 + 24);
    EXPECT_EQ(written.substr(96, 3), "abc");
    EXPECT_EQ(int32At(written, kIndexOffsetAt), 99);
}

TEST_F(PackageCli, badInputIsOneLineNamingTheFileAndWritesNothing)
{
    ByteString broken = samplePackage();
    patchInt32(broken, kIndexCountAt, 4000);
    const auto file = dir.write("broken.package", broken);
    const auto out = dir.path() / "out.package";
    for (const std::vector<std::string>& command : std::vector<std::vector<std::string>> { { "index", u(file) },
             { "rewrite", u(file), u(out) }, { "extract", u(file), "--entry", "1", "--raw", "-o", u(out) } }) {
        const CliRun result = runCli(command);
        EXPECT_EQ(result.status, 1) << command.front();
        EXPECT_EQ(result.err,
            "varnick-cli: Index of 4000 entries at offset " + std::to_string(int32At(broken, kIndexOffsetAt))
                + " runs past the end of the file (" + std::to_string(broken.size())
                + " bytes) (Filename = " + pathToUtf8(file) + ")\n")
            << command.front();
        EXPECT_FALSE(std::filesystem::exists(out)) << command.front();
    }
    const CliRun missing = runCli({ "index", u(dir.path() / "missing.package") });
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("cannot be opened for reading"), std::string::npos) << missing.err;
}

TEST_F(PackageCli, setOnSeveralFilesSavesEachKeepsBackupsAndRestores)
{
    const auto object = [](std::uint16_t price) {
        ObjectDefinition definition = makeObjectDefinition(300);
        definition.setRaw(ObjectField::MultiTileSubIndex, kLeadDefinitionIndex);
        definition.setRaw(ObjectField::Price, price);
        TextList list;
        list.Entries.push_back({ ByteString(1, kEnglishLanguage), "Chair", "" });
        ByteString texts;
        gsWriteTextList(list, texts);
        PackageBuilder builder;
        builder.add("4F424A44", "7FD46CD0", "00000041", "00000000", definition.data())
            .add("43545353", "7FD46CD0", "00000001", "00000000", texts);
        return builder.build();
    };
    const auto first = dir.write("first.package", object(1));
    const auto second = dir.write("second.package", object(7));
    const auto broken = dir.write("broken.package", "not a package");
    const ByteString firstBefore = readFileBytes(first);
    const std::string backups = u(dir.path() / "backups");

    const CliRun batch
        = runCli({ "set", u(first), u(broken), u(second), "--field", "Price=7", "--backup-folder", backups });
    EXPECT_EQ(batch.status, 1);
    for (const std::string& line : { pathToUtf8(first) + ": wrote definition\n", pathToUtf8(broken) + ": refused: ",
             pathToUtf8(second) + ": nothing written", std::string("Saved: 1, unchanged: 1, refused: 1\n") })
        EXPECT_NE(batch.out.find(line), std::string::npos) << line << "\n" << batch.out;
    EXPECT_EQ(readFileBytes(broken), "not a package");
    EXPECT_NE(readFileBytes(first), firstBefore);

    // A bad field is refused before any file is written.
    const ByteString secondBefore = readFileBytes(second);
    const CliRun bad = runCli({ "set", u(first), u(second), "--field", "Price=x", "--backup-folder", backups });
    EXPECT_NE(bad.status, 0);
    EXPECT_EQ(readFileBytes(second), secondBefore);

    const CliRun restore = runCli({ "restore", u(first), "--backup-folder", backups });
    EXPECT_EQ(restore.status, 0) << restore.err;
    EXPECT_EQ(readFileBytes(first), firstBefore);
    EXPECT_NE(runCli({ "restore", u(second), "--backup-folder", backups }).status, 0);
}
