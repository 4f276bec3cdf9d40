#pragma once

// Asserting that a statement fails with a message that says what went wrong
// (and, for the program's own failures, with which error number).

#include "package/base/ErrorTrap.h"

#include <gtest/gtest.h>

#include <exception>
#include <optional>
#include <string>
#include <string_view>

namespace varnick::test {

/// What a statement threw: its message, and its code when it was a Failure.
struct Caught {
    std::string message;
    std::optional<ErrorCode> code;
};

/// What body throws; nothing when it returns.
template <typename Body> std::optional<Caught> caughtFailure(Body&& body)
{
    try {
        body();
    } catch (const Failure& failure) {
        return Caught { failure.what(), failure.code() };
    } catch (const std::exception& failure) {
        return Caught { failure.what(), std::nullopt };
    } catch (...) {
        return Caught { "(an exception that is not a std::exception)", std::nullopt };
    }
    return std::nullopt;
}

/// Success when caught holds a message containing part (and, when code is
/// given, a Failure with that code).
inline ::testing::AssertionResult failedWith(const char* statement, const std::optional<Caught>& caught,
    std::string_view part, std::optional<ErrorCode> code = std::nullopt)
{
    if (!caught)
        return ::testing::AssertionFailure()
            << statement << " succeeded; a failure naming \"" << part << "\" was expected";
    if (caught->message.find(part) == std::string::npos)
        return ::testing::AssertionFailure()
            << statement << " failed with \"" << caught->message << "\", which lacks \"" << part << "\"";
    if (code && caught->code != code)
        return ::testing::AssertionFailure()
            << statement << " failed with \"" << caught->message << "\", error "
            << (caught->code ? static_cast<int>(*caught->code) : 0) << " instead of " << static_cast<int>(*code);
    return ::testing::AssertionSuccess();
}

} // namespace varnick::test

/// Expects statement to throw an exception whose message contains part.
#define EXPECT_FAILS_WITH(statement, part)                                                                             \
    EXPECT_TRUE(::varnick::test::failedWith(#statement, ::varnick::test::caughtFailure([&] { statement; }), part))

/// Expects statement to throw a varnick::Failure with code whose message contains part.
#define EXPECT_FAILS_WITH_CODE(statement, code, part)                                                                  \
    EXPECT_TRUE(::varnick::test::failedWith(#statement, ::varnick::test::caughtFailure([&] { statement; }), part, code))
