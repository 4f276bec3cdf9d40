// The package commands of varnick-cli, run as players and scripts run them.
// Skipped when the tool has not been built beside the tests.
#include "package/BinarySupport.h"
#include "package/ObjectDefinition.h"
#include "package/TextList.h"
#include "package/base/Folders.h"
#include "package/base/Paths.h"
#include "tools/common/PackageBuilder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#ifndef _WIN32
#include <sys/wait.h>
#endif

using namespace varnick;
using namespace varnick::test;

namespace {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

class PackageCli : public ::testing::Test {
protected:
    void SetUp() override
    {
#ifdef _WIN32
        GTEST_SKIP() << "runs the tool through a POSIX shell";
#else
        mTool = programFolder() / "varnick-cli";
        if (!std::filesystem::exists(mTool))
            GTEST_SKIP() << "varnick-cli is not built";
#endif
    }

    static std::string quoted(const std::filesystem::path& path)
    {
        std::string text = "'";
        for (const char c : pathToUtf8(path))
            text += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return text + "'";
    }

    CliRun run(const std::string& arguments)
    {
        const auto out = dir.path() / "stdout.txt";
        const auto err = dir.path() / "stderr.txt";
        const std::string command = quoted(mTool) + " " + arguments + " >" + quoted(out) + " 2>" + quoted(err);
        CliRun result;
        const int status = std::system(command.c_str());
#ifdef _WIN32
        result.status = status;
#else
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
        result.out = readFileBytes(out);
        result.err = readFileBytes(err);
        return result;
    }

    TempDir dir;

private:
    std::filesystem::path mTool;
};

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
    const CliRun result = run("index " + quoted(file));
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
    const CliRun result = run("extract " + quoted(file) + " --entry 2 --raw -o " + quoted(out));
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(readFileBytes(out), ByteString("\x00\x01\x02", 3));

    // Not compressed: without --raw the same bytes.
    ASSERT_EQ(run("extract " + quoted(file) + " --entry 1 -o " + quoted(out)).status, 0);
    EXPECT_EQ(readFileBytes(out), "objd bytes");

    const CliRun missing = run("extract " + quoted(file) + " --entry 3 --raw -o " + quoted(dir.path() / "none.bin"));
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
    const CliRun result = run("rewrite " + quoted(in) + " " + quoted(out));
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
    for (const std::string& command : { "index " + quoted(file), "rewrite " + quoted(file) + " " + quoted(out),
             "extract " + quoted(file) + " --entry 1 --raw -o " + quoted(out) }) {
        const CliRun result = run(command);
        EXPECT_EQ(result.status, 1) << command;
        EXPECT_EQ(result.err,
            "varnick-cli: Index of 4000 entries at offset " + std::to_string(int32At(broken, kIndexOffsetAt))
                + " runs past the end of the file (" + std::to_string(broken.size())
                + " bytes) (Filename = " + pathToUtf8(file) + ")\n")
            << command;
        EXPECT_FALSE(std::filesystem::exists(out)) << command;
    }
    const CliRun missing = run("index " + quoted(dir.path() / "missing.package"));
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
    const std::string backups = " --backup-folder " + quoted(dir.path() / "backups");

    const CliRun batch
        = run("set " + quoted(first) + " " + quoted(broken) + " " + quoted(second) + " --field Price=7" + backups);
    EXPECT_EQ(batch.status, 1);
    for (const std::string& line : { pathToUtf8(first) + ": wrote definition\n", pathToUtf8(broken) + ": refused: ",
             pathToUtf8(second) + ": nothing written", std::string("Saved: 1, unchanged: 1, refused: 1\n") })
        EXPECT_NE(batch.out.find(line), std::string::npos) << line << "\n" << batch.out;
    EXPECT_EQ(readFileBytes(broken), "not a package");
    EXPECT_NE(readFileBytes(first), firstBefore);

    // A bad field is refused before any file is written.
    const ByteString secondBefore = readFileBytes(second);
    const CliRun bad = run("set " + quoted(first) + " " + quoted(second) + " --field Price=x" + backups);
    EXPECT_NE(bad.status, 0);
    EXPECT_EQ(readFileBytes(second), secondBefore);

    const CliRun restore = run("restore " + quoted(first) + backups);
    EXPECT_EQ(restore.status, 0) << restore.err;
    EXPECT_EQ(readFileBytes(first), firstBefore);
    EXPECT_NE(run("restore " + quoted(second) + backups).status, 0);
}
