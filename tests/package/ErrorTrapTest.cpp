#include "package/base/ErrorTrap.h"

#include "tests/common/TrapRecorder.h"

#include <gtest/gtest.h>

namespace varnick {
namespace {

void calleeThatFails()
{
    setLocation(3500);
    throw Failure(ErrorCode::BadPackage, "Index past end of file");
}

TEST(ErrorTrap, reportsCalleeLocationUnderCallerLabels)
{
    test::TrapRecorder recorder;
    const bool finished = trapped("modCaller", "gsCaller", [] {
        setLocation(2000);
        calleeThatFails();
    });
    EXPECT_FALSE(finished);
    ASSERT_EQ(recorder.trapped().size(), 1U);
    const ErrorContext& context = recorder.last();
    EXPECT_EQ(context.Module, "modCaller");
    EXPECT_EQ(context.Procedure, "gsCaller");
    EXPECT_EQ(context.Location, 3500);
    EXPECT_EQ(context.Number, static_cast<int>(ErrorCode::BadPackage));
    EXPECT_EQ(context.Description, "Index past end of file");
}

TEST(ErrorTrap, mapsStandardExceptionsToProgramNumbers)
{
    test::TrapRecorder recorder;
    trapped("m", "p", [] { throw std::bad_alloc(); });
    trapped("m", "p", [] { throw std::out_of_range("index"); });
    ASSERT_EQ(recorder.trapped().size(), 2U);
    EXPECT_EQ(recorder.trapped()[0].Number, static_cast<int>(ErrorCode::OutOfMemory));
    EXPECT_EQ(recorder.trapped()[1].Number, static_cast<int>(ErrorCode::Unexpected));
    EXPECT_EQ(recorder.trapped()[1].Description, "index");
}

TEST(ErrorTrap, successfulProcedureStartsAtLocation1000AndTrapsNothing)
{
    test::TrapRecorder recorder;
    EXPECT_TRUE(trapped("m", "p", [] { EXPECT_EQ(errorContext().Location, 1000); }));
    EXPECT_TRUE(recorder.empty());
}

TEST(ErrorTrap, fileNameContextStaysOnlyAfterFailure)
{
    test::TrapRecorder recorder;
    trapped("m", "p", [] { FileNameContext file("/a/b.package"); });
    EXPECT_EQ(errorContext().AdditionalData, "");
    trapped("m", "p", [] {
        FileNameContext file("/a/b.package");
        throw Failure(ErrorCode::FileReadFailed, "Input past end of file");
    });
    EXPECT_EQ(recorder.last().AdditionalData, "Filename = /a/b.package");
}

} // namespace
} // namespace varnick
