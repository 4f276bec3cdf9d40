#include "package/base/ErrorTrap.h"

#include "tests/common/TrapRecorder.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <thread>
#include <vector>

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

// A worker's failure is reported where the window runs: with the worker's step
// and file, not the reporting thread's.
TEST(ErrorTrap, aFailureCarriedFromAWorkerKeepsItsStepAndFile)
{
    struct Case {
        const char* name;
        std::function<void()> fail;
        ErrorCode code;
        std::string description;
    };
    const std::vector<Case> cases {
        { "failure", [] { throw Failure(ErrorCode::BadPackage, "Index past end of file"); }, ErrorCode::BadPackage,
            "Index past end of file" },
        { "standard", [] { throw std::out_of_range("index"); }, ErrorCode::Unexpected, "index" },
        { "memory", [] { throw std::bad_alloc(); }, ErrorCode::OutOfMemory, "Out of memory" },
    };
    for (const Case& c : cases) {
        std::exception_ptr carried;
        std::thread worker([&] {
            try {
                setLocation(2500);
                const FileNameContext file("/downloads/chair.package");
                c.fail();
            } catch (...) {
                carried = currentFailureWithContext();
            }
        });
        worker.join();
        ASSERT_TRUE(carried) << c.name;

        test::TrapRecorder recorder;
        errorContext().AdditionalData = "Filename = /the/reporting/thread.package";
        trapped("frmWindow", "Form_Activate", [&] {
            setLocation(3000);
            std::rethrow_exception(carried);
        });
        ASSERT_EQ(recorder.trapped().size(), 1U) << c.name;
        EXPECT_EQ(recorder.last().Location, 2500) << c.name;
        EXPECT_EQ(recorder.last().AdditionalData, "Filename = /downloads/chair.package") << c.name;
        EXPECT_EQ(recorder.last().Number, static_cast<int>(c.code)) << c.name;
        EXPECT_EQ(recorder.last().Description, c.description) << c.name;
        EXPECT_EQ(recorder.last().Procedure, "Form_Activate") << c.name;
        // Carried on once more, it keeps the place it was first given.
        try {
            std::rethrow_exception(carried);
        } catch (...) {
            setLocation(4000);
            try {
                std::rethrow_exception(currentFailureWithContext());
            } catch (const Failure& failure) {
                ASSERT_TRUE(failure.place().has_value()) << c.name;
                EXPECT_EQ(failure.place()->location, 2500) << c.name;
            }
        }
    }
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

// A throwing core numbers its own steps; its caller's step comes back when it
// returns, and its own failing step stays when it throws. File names nest the same way.
TEST(ErrorTrap, coresKeepTheirCallersStepAndFileUnlessTheyFail)
{
    const auto core = [](bool fail) {
        const LocationScope callersStep;
        const FileNameContext file("/inner.package");
        setLocation(3000);
        if (fail)
            throw Failure(ErrorCode::BadPackage, "Index past end of file");
    };
    test::TrapRecorder recorder;
    EXPECT_TRUE(trapped("m", "p", [&] {
        const FileNameContext file("/outer.package");
        setLocation(2500);
        core(false);
        EXPECT_EQ(errorContext().Location, 2500);
        EXPECT_EQ(errorContext().AdditionalData, "Filename = /outer.package");
    }));
    EXPECT_EQ(errorContext().AdditionalData, "");

    EXPECT_FALSE(trapped("m", "p", [&] {
        const FileNameContext file("/outer.package");
        setLocation(2500);
        core(true);
    }));
    EXPECT_EQ(recorder.last().Location, 3000);
    EXPECT_EQ(recorder.last().AdditionalData, "Filename = /inner.package");
}

} // namespace
} // namespace varnick
