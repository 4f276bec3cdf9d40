#pragma once

// The trapped procedures report a failure to the error trap, whose default
// ends the process. A fuzz target that calls them installs this instead: it
// counts the reports, so that the target can check that a procedure reports
// exactly when its throwing core throws.

#include "package/base/ErrorTrap.h"

namespace varnick::fuzz {

class QuietTrap {
public:
    QuietTrap()
    {
        setErrorTrapHandler([this](const ErrorContext&) { ++mReports; });
    }
    QuietTrap(const QuietTrap&) = delete;
    QuietTrap& operator=(const QuietTrap&) = delete;

    /// The reports since the last call.
    int take()
    {
        const int reports = mReports;
        mReports = 0;
        return reports;
    }

private:
    int mReports = 0;
};

} // namespace varnick::fuzz
