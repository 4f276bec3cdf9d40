// Fuzzes the library scan's package inspection with arbitrary bytes: it must
// never throw for bad package bytes (only a missing codec library may escape),
// never read outside the file, and give a reason for every package it calls broken.
#include "app/health/core/PackageRecord.h"
#include "package/base/ErrorTrap.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#ifndef _WIN32
#include <unistd.h>
#endif

using namespace varnick;

namespace {

const std::filesystem::path& scratchFile()
{
#ifdef _WIN32
    static const std::filesystem::path file = std::filesystem::temp_directory_path() / "fuzz-package-health.package";
#else
    static const std::filesystem::path file
        = std::filesystem::temp_directory_path() / ("fuzz-package-health-" + std::to_string(::getpid()) + ".package");
#endif
    static const struct Cleanup {
        ~Cleanup()
        {
            std::error_code error;
            std::filesystem::remove(file, error);
        }
    } cleanup;
    return file;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    {
        std::ofstream out(scratchFile(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    try {
        const health::PackageRecord record = health::inspectPackage(scratchFile(), static_cast<std::int64_t>(size));
        if ((record.Kind == health::PackageKind::Broken) == record.Error.empty())
            std::abort();
    } catch (const Failure& failure) {
        if (failure.code() != ErrorCode::LibraryMissing && failure.code() != ErrorCode::FunctionMissing)
            std::abort();
    }
    return 0;
}
