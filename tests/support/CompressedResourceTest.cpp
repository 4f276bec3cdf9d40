// gfstrDecompressFile: the signature test, the breadcrumb file and its
// fallbacks, and failures reaching the error trap.
#include "package/CompressedResource.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Folders.h"
#include "package/base/KelvoraBinding.h"
#include "support/Codec.h"
#include "tests/common/TrapRecorder.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

using namespace varnick;
using namespace varnick::test;
namespace fs = std::filesystem;

namespace {

ByteString compressed(std::string_view text)
{
    const Bytes stored = kelvora::compress(Bytes(text.begin(), text.end()), 16);
    return ByteString(stored.begin(), stored.end());
}

std::string readAll(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void setUserDataFolder(const fs::path& folder)
{
#ifdef _WIN32
    _wputenv_s(L"VARNICK_USER_DATA_DIR", folder.c_str());
#else
    setenv("VARNICK_USER_DATA_DIR", folder.c_str(), 1);
#endif
}

void clearUserDataFolder()
{
#ifdef _WIN32
    _wputenv_s(L"VARNICK_USER_DATA_DIR", L"");
#else
    unsetenv("VARNICK_USER_DATA_DIR");
#endif
}

// The program folder and the per-user folder point into a fresh temporary
// folder; the binding keeps using the real library.
class DecompressFile : public testing::Test {
protected:
    void SetUp() override
    {
        setProgramFolderForTesting({});
        setKelvoraLibraryForTesting({});
        const fs::path library = kelvoraLibraryPath();
        mRoot = fs::temp_directory_path()
            / ("varnick-decompress-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(mRoot);
        fs::create_directories(program());
        setProgramFolderForTesting(program());
        setUserDataFolder(user());
        setKelvoraLibraryForTesting(library);
    }

    void TearDown() override
    {
        setProgramFolderForTesting({});
        setKelvoraLibraryForTesting({});
        clearUserDataFolder();
        std::error_code ignored;
        fs::remove_all(mRoot, ignored);
    }

    fs::path program() const { return mRoot / "program"; }
    fs::path user() const { return mRoot / "user"; }

    fs::path mRoot;
};

} // namespace

TEST(CompressedResource, signatureIsTenFbAtOffsetFour)
{
    EXPECT_TRUE(isCompressedResource(ByteString("\0\0\0\0\x10\xFB", 6)));
    EXPECT_FALSE(isCompressedResource(ByteString("\0\0\0\0\xFB\x10\0\0\0\xFC", 10)));
    EXPECT_FALSE(isCompressedResource(ByteString("\0\0\0\0\x10", 5)));
    EXPECT_FALSE(isCompressedResource({}));
}

TEST(CompressedResource, decompressResourceDecodesOrPassesThrough)
{
    EXPECT_EQ(decompressResource(compressed("catalog text, catalog text, catalog text")),
        "catalog text, catalog text, catalog text");
    const ByteString reversed("\x09\0\0\0\xFB\x10\0\0\0\xE0wxyz", 14);
    EXPECT_EQ(decompressResource(reversed), reversed);
    EXPECT_EQ(decompressResource("abc"), "abc");
    // A signature with no stream decodes to nothing.
    EXPECT_EQ(decompressResource(ByteString("\0\0\0\0\x10\xFB", 6)), "");
}

TEST_F(DecompressFile, normalCallLeavesNoBreadcrumb)
{
    TrapRecorder recorder;
    // A breadcrumb from an earlier crash is overwritten, then removed.
    std::ofstream(program() / "DecompError.log") << "old";
    EXPECT_EQ(gfstrDecompressFile(compressed("object definition")), "object definition");
    EXPECT_FALSE(fs::exists(program() / "DecompError.log"));

    // An uncompressed resource passes through the same steps.
    std::ofstream(program() / "DecompError.log") << "old";
    const ByteString plain("\x01\x02\x03\x04\xFB\x10\x07", 7);
    EXPECT_EQ(gfstrDecompressFile(plain), plain);
    EXPECT_FALSE(fs::exists(program() / "DecompError.log"));
    EXPECT_TRUE(recorder.empty());
}

TEST_F(DecompressFile, damagedResourceIsTrappedAndLeavesTheBreadcrumb)
{
    TrapRecorder recorder;
    const ByteString damaged("\0\0\0\0\x10\xFB\0\0\0\xE0\x01\x02\x03\x04\x00\x20", 16);
    EXPECT_EQ(gfstrDecompressFile(damaged), "");
    ASSERT_EQ(recorder.trapped().size(), 1u);
    const ErrorContext& trap = recorder.last();
    EXPECT_EQ(trap.Module, "modSimsPackage");
    EXPECT_EQ(trap.Procedure, "gfstrDecompressFile");
    EXPECT_EQ(trap.Location, 1000);
    EXPECT_EQ(trap.Number, static_cast<int>(ErrorCode::DamagedCompression));
    EXPECT_NE(trap.Description.find("compressed resource"), std::string::npos) << trap.Description;
    EXPECT_NE(trap.Description.find("damaged"), std::string::npos) << trap.Description;

    const std::string line = readAll(program() / "DecompError.log");
    EXPECT_EQ(line.rfind("Decompression routine entered at ", 0), 0u) << line;
    ASSERT_GE(line.size(), 3u);
    EXPECT_EQ(line.substr(line.size() - 3), ".\r\n");
    EXPECT_EQ(line.find('\n'), line.size() - 1);
}

TEST_F(DecompressFile, missingLibraryIsTrapped)
{
    TrapRecorder recorder;
    setKelvoraLibraryForTesting(mRoot / "missing" / "libkelvora.so");
    EXPECT_EQ(gfstrDecompressFile(compressed("text")), "");
    ASSERT_EQ(recorder.trapped().size(), 1u);
    EXPECT_EQ(recorder.last().Number, static_cast<int>(ErrorCode::LibraryMissing));
    EXPECT_NE(recorder.last().Description.find("libkelvora.so"), std::string::npos);
}

TEST_F(DecompressFile, breadcrumbGoesToThePerUserFolderWhenTheProgramFolderIsNotWritable)
{
    TrapRecorder recorder;
    // A program folder that does not exist cannot be written.
    setProgramFolderForTesting(mRoot / "no-such-program-folder");
    const ByteString damaged("\0\0\0\0\x10\xFB\0\0\0\x00\x00", 11);
    EXPECT_EQ(gfstrDecompressFile(damaged), "");
    EXPECT_EQ(recorder.trapped().size(), 1u);
    EXPECT_TRUE(fs::exists(user() / "DecompError.log"));
    EXPECT_FALSE(fs::exists(mRoot / "no-such-program-folder"));
}

TEST_F(DecompressFile, breadcrumbThatCannotBeWrittenAnywhereIsSkipped)
{
    TrapRecorder recorder;
    setProgramFolderForTesting(mRoot / "no-such-program-folder");
    // The per-user folder would have to be created below a plain file.
    std::ofstream(mRoot / "plain-file") << "x";
    setUserDataFolder(mRoot / "plain-file" / "user");
    EXPECT_EQ(gfstrDecompressFile(compressed("still decoded")), "still decoded");
    EXPECT_TRUE(recorder.empty());
}
