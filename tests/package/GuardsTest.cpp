// Guards that keep the package library honest: its layering, its fuzz seeds,
// and the exact bounds of the index table and of identifiers in the writer.
#include "package/PackageReader.h"
#include "package/PackageWriter.h"
#include "package/base/ErrorTrap.h"
#include "tests/common/FailsWith.h"
#include "tests/common/SeedCorpus.h"
#include "tests/common/TemporaryFolder.h"
#include "tests/common/TrapRecorder.h"
#include "tools/common/PackageBuilder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <regex>

using namespace varnick;
using namespace varnick::test;

namespace fs = std::filesystem;

TEST(Layering, packageAndSupportIncludeNoQtHeader)
{
    // The format library and Kelvora build without Qt (the command-line tool
    // and the Windows cross build depend on it).
    const std::regex qtInclude(R"(^\s*#\s*include\s*[<"](Q[A-Za-z]*|Qt[A-Za-z]*/[^>"]*)[>"])");
    for (const char* folder : { "package", "support" }) {
        for (const auto& item : fs::recursive_directory_iterator(fs::path(VARNICK_SOURCE_DIR) / folder)) {
            const fs::path& file = item.path();
            if (!item.is_regular_file() || (file.extension() != ".h" && file.extension() != ".cpp"))
                continue;
            std::ifstream in(file);
            std::string line;
            for (int number = 1; std::getline(in, line); ++number)
                EXPECT_FALSE(std::regex_search(line, qtInclude)) << file.string() << ":" << number << ": " << line;
        }
    }
}

TEST(PackageReader, seedCorpusReadsOrFailsCleanlyAndRoundTrips)
{
    const std::vector<ByteString> corpus = seedCorpus("package_reader");
    ASSERT_FALSE(corpus.empty());
    for (const ByteString& seed : corpus) {
        PackageFile pkg;
        try {
            pkg = parsePackage(seed);
        } catch (const Failure&) {
            continue; // a clean refusal is what a damaged seed must give
        }
        const PackageFile again = parsePackage(serializePackage(pkg));
        ASSERT_EQ(again.Files.size(), pkg.Files.size());
        for (std::size_t i = 0; i < pkg.Files.size(); ++i) {
            EXPECT_TRUE(again.Files[i].key() == pkg.Files[i].key());
            EXPECT_EQ(again.Files[i].Data, pkg.Files[i].Data);
        }
    }
}

TEST(PackageReader, indexThatEndsAtTheLastByteIsReadAndOneByteMoreIsRefused)
{
    // Small indexes are read before the file's length is asked for; large ones
    // (over 1 MiB) are checked first. Both must take an index that fills the
    // file to its last byte, and refuse it when that byte is missing.
    for (const std::size_t entries : { std::size_t { 3 }, std::size_t { 50000 } }) {
        PackageBuilder builder;
        for (std::size_t i = 0; i < entries; ++i)
            builder.add(ResourceKey { "DJBO", "\x01\x02\x03\x04", gfstrLongToStr4(static_cast<std::int32_t>(i)),
                            ByteString(4, '\0') },
                "");
        const ByteString exact = builder.build();
        const ByteString shortByOne = exact.substr(0, exact.size() - 1);
        TemporaryFolder dir;
        const fs::path exactFile = dir.write("exact.package", exact);
        const fs::path shortFile = dir.write("short.package", shortByOne);

        EXPECT_EQ(parsePackageIndex(exact).entries.size(), entries);
        EXPECT_EQ(readPackageIndex(exactFile).entries.size(), entries);
        for (const auto& read : { std::function<void()>([&] { parsePackageIndex(shortByOne); }),
                 std::function<void()>([&] { readPackageIndex(shortFile); }) }) {
            EXPECT_FAILS_WITH_CODE(read(), ErrorCode::BadPackage, "runs past the end") << entries << " entries";
        }
    }
}

TEST(PackageWriter, refusesEveryIdentifierThatIsNot4Bytes)
{
    struct Case {
        ByteString ResourceKey::*field;
        std::int32_t indexMinor;
        const char* message;
    };
    const Case cases[] = {
        { &ResourceKey::TypeID, 2, "Resource 1 has a type identifier of 5 bytes" },
        { &ResourceKey::GroupID, 1, "Resource 1 has a group identifier of 5 bytes" },
        { &ResourceKey::InstanceID, 2, "Resource 1 has a instance identifier of 5 bytes" },
        { &ResourceKey::ResourceID, 2, "Resource 1 has a resource identifier of 5 bytes" },
    };
    for (const Case& c : cases) {
        TemporaryFolder dir;
        TrapRecorder trap;
        PackageFile pkg = PackageBuilder()
                              .indexMinorVersion(c.indexMinor)
                              .add("4F424A44", "00000001", "00000002", "00000003", "x")
                              .package();
        pkg.Files[0].*c.field = "abcde";
        const fs::path file = dir.path() / "bad.package";
        EXPECT_FALSE(gsSavePackageFileNoCompB(file, pkg)) << c.message;
        ASSERT_FALSE(trap.empty()) << c.message;
        EXPECT_NE(trap.last().Description.find(c.message), std::string::npos) << trap.last().Description;
        EXPECT_FALSE(fs::exists(file));
    }
}
