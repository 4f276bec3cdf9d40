// Fuzzes the library scan's package inspection with arbitrary bytes: it must
// never throw for bad package bytes (only a missing codec library may escape),
// never read outside the file, and give a reason for every package it calls broken.
#include "app/health/core/PackageRecord.h"
#include "fuzz/common/ScratchFile.h"
#include "package/base/ErrorTrap.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

using namespace varnick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const fuzz::ScratchFile scratch("fuzz-package-health");
    scratch.write(data, size);
    try {
        // Read whole and hashed as it is read (the first scan's way): the same
        // findings, and the hash of the whole file.
        const health::PackageRecord record
            = health::inspectPackage(scratch.path(), static_cast<std::int64_t>(size), true);
        if ((record.kind == health::PackageKind::Broken) == record.error.empty())
            std::abort();
        if (size > 0 && record.hash != health::hashFile(scratch.path()))
            std::abort();
    } catch (const Failure& failure) {
        if (failure.code() != ErrorCode::LibraryMissing && failure.code() != ErrorCode::FunctionMissing)
            std::abort();
    }
    return 0;
}
