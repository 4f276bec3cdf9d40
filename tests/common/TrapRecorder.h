#pragma once

#include "package/base/ErrorTrap.h"

#include <vector>

namespace varnick::test {

/// Replaces the error trap's handler for the lifetime of the object: every
/// trapped failure is recorded instead of ending the process. Also clears the
/// program-wide ErrorContext on entry so tests do not see each other's failures.
class TrapRecorder {
public:
    TrapRecorder()
    {
        errorContext() = ErrorContext {};
        mPrevious = setErrorTrapHandler([this](const ErrorContext& context) { mTrapped.push_back(context); });
    }
    ~TrapRecorder() { setErrorTrapHandler(std::move(mPrevious)); }
    TrapRecorder(const TrapRecorder&) = delete;
    TrapRecorder& operator=(const TrapRecorder&) = delete;

    const std::vector<ErrorContext>& trapped() const { return mTrapped; }
    bool empty() const { return mTrapped.empty(); }
    const ErrorContext& last() const { return mTrapped.back(); }

private:
    ErrorTrapHandler mPrevious;
    std::vector<ErrorContext> mTrapped;
};

} // namespace varnick::test
