#include "app/errors/ErrorReport.h"

#include "app/startup/GamePaths.h"
#include "package/base/Folders.h"
#include "tests/common/FailsWith.h"
#include "tests/common/ScopedEnvironment.h"
#include "tests/common/TemporaryFolder.h"
#include "tests/common/TrapRecorder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace varnick {
namespace {

std::string readAll(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

ErrorContext sampleContext()
{
    ErrorContext context;
    context.Module = "modSimsPackage";
    context.Procedure = "gsOpenPackageFile";
    context.Location = 2500;
    context.Number = 2001;
    context.Description = "Index past end of file";
    return context;
}

const ErrorReportPaths kPaths { "C:\\Programs\\Varnick", "C:\\Users\\Zoë\\Documents", "C:\\Games\\The Sims 2" };

TEST(ErrorReport, composesEveryLineWithCrLfAndEndsWithTwoLineEndsWithoutAdditionalData)
{
    const std::string report = composeErrorReport(sampleContext(), "Varnick - Version 1.00.01", kPaths);
    EXPECT_EQ(report,
        "Varnick - Version 1.00.01\r\n"
        "\r\n"
        "Error: 2001\r\n"
        "Index past end of file\r\n"
        "\r\n"
        "Module: modSimsPackage\r\n"
        "Procedure: gsOpenPackageFile\r\n"
        "Location: 2500\r\n"
        "\r\n"
        "Install Path: C:\\Programs\\Varnick\r\n"
        "Data Path: C:\\Users\\Zoë\\Documents\r\n"
        "Sims Path: C:\\Games\\The Sims 2\r\n"
        "\r\n");
    EXPECT_EQ(report.find("Additional Error Data:"), std::string::npos);
}

TEST(ErrorReport, endsWithAdditionalDataWithoutLineEnd)
{
    ErrorContext context = sampleContext();
    context.AdditionalData = "Filename = /home/zoë/Downloads/chair.package";
    const std::string report = composeErrorReport(context, "Varnick - Version 1.00.01", kPaths);
    const std::string tail = "Sims Path: C:\\Games\\The Sims 2\r\n\r\nAdditional Error Data:\r\n"
                             "Filename = /home/zoë/Downloads/chair.package";
    ASSERT_GE(report.size(), tail.size());
    EXPECT_EQ(report.substr(report.size() - tail.size()), tail);
}

TEST(ErrorReport, printsNegativeNumbersAndUnsetPathsPlainly)
{
    ErrorContext context = sampleContext();
    context.Number = -2147024891;
    context.Location = 0;
    const std::string report = composeErrorReport(context, "V", ErrorReportPaths { "", "ERROR", "" });
    EXPECT_NE(report.find("\r\nError: -2147024891\r\n"), std::string::npos);
    EXPECT_NE(report.find("\r\nLocation: 0\r\n"), std::string::npos);
    EXPECT_NE(report.find("\r\nInstall Path: \r\nData Path: ERROR\r\nSims Path: \r\n"), std::string::npos);
}

TEST(ErrorReport, formatsVersionWithTwoDigitMinorAndRevision)
{
    EXPECT_EQ(errorReportVersionLine("Varnick", 1, 0, 1), "Varnick - Version 1.00.01");
    EXPECT_EQ(errorReportVersionLine("Varnick", 2, 5, 12), "Varnick - Version 2.05.12");
    EXPECT_EQ(errorReportVersionLine("Varnick", 10, 123, 0), "Varnick - Version 10.123.00");
}

TEST(ErrorReport, programReportNamesItsVersionFolderAndGamePaths)
{
    test::TemporaryFolder folder;
    setProgramFolderForTesting(folder.path());
    gstrDocumentsPath = "/home/zoë/Documents";
    gstrSims2InstallPath = "ERROR";
    const std::string report = composeErrorReport(sampleContext());
    setProgramFolderForTesting({});
    gstrDocumentsPath.clear();
    gstrSims2InstallPath.clear();

    EXPECT_TRUE(report.starts_with(
        errorReportVersionLine("Varnick", VARNICK_VERSION_MAJOR, VARNICK_VERSION_MINOR, VARNICK_VERSION_REVISION)
        + "\r\n\r\n"));
    EXPECT_NE(report.find("\r\nInstall Path: " + folder.utf8() + "\r\n"), std::string::npos);
    EXPECT_NE(report.find("\r\nData Path: /home/zoë/Documents\r\nSims Path: ERROR\r\n"), std::string::npos);
}

// The program folder, and where the per-user folder lives, for one test.
class ErrorLogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directory(mRoot.path() / "program");
        mEnvironment.set("VARNICK_USER_DATA_DIR", pathToUtf8(mRoot.path() / "user"));
        setProgramFolderForTesting(mRoot.path() / "program");
    }
    void TearDown() override { setProgramFolderForTesting({}); }

    fs::path programLog() const { return mRoot.path() / "program" / "errorlog.txt"; }
    fs::path userLog() const { return mRoot.path() / "user" / "errorlog.txt"; }

    test::TemporaryFolder mRoot;
    test::ScopedEnvironment mEnvironment;
};

TEST_F(ErrorLogTest, writesReportAndOneLineEndBesideProgramAndKeepsOnlyTheLatest)
{
    EXPECT_EQ(writeErrorLog("first report, which is longer than the second\r\n"), programLog());
    EXPECT_EQ(writeErrorLog("second\r\n\r\n"), programLog());
    EXPECT_EQ(readAll(programLog()), "second\r\n\r\n\r\n");
    EXPECT_FALSE(fs::exists(userLog()));
}

TEST_F(ErrorLogTest, fallsBackToUserFolderWhenProgramFolderCannotBeWritten)
{
    // A program folder that cannot hold files (here: it does not exist).
    setProgramFolderForTesting(mRoot.path() / "missing program folder");
    EXPECT_EQ(writeErrorLog("report"), userLog());
    EXPECT_EQ(readAll(userLog()), "report\r\n");
}

TEST_F(ErrorLogTest, fallsBackToUserFolderWhenOldLogCannotBeReplaced)
{
    fs::create_directory(programLog()); // the folder is writable, the log name is taken
    EXPECT_EQ(writeErrorLog("report"), userLog());
    EXPECT_EQ(readAll(userLog()), "report\r\n");
}

TEST_F(ErrorLogTest, failsWithMessageNamingPlacesWhenNoLogCanBeWritten)
{
    setProgramFolderForTesting(mRoot.path() / "missing program folder");
    std::ofstream(mRoot.path() / "plain file") << "x";
    mEnvironment.set("VARNICK_USER_DATA_DIR", pathToUtf8(mRoot.path() / "plain file" / "user"));
    EXPECT_FAILS_WITH_CODE(writeErrorLog("report"), ErrorCode::FileWriteFailed, "errorlog.txt");
}

} // namespace
} // namespace varnick
