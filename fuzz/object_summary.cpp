// Fuzzes the browser's object summary with arbitrary package bytes: reading
// the index and then only the text list and definition ranges must never
// throw (beyond lack of memory) nor read outside the file; an unreadable
// package comes back with Readable false and a reason, and the texts are
// always valid UTF-8.
#include "app/browser/core/ObjectSummary.h"
#include "package/base/Utf8.h"

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
    static const std::filesystem::path file = std::filesystem::temp_directory_path() / "fuzz-object-summary.package";
#else
    static const std::filesystem::path file
        = std::filesystem::temp_directory_path() / ("fuzz-object-summary-" + std::to_string(::getpid()) + ".package");
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
    const browser::ObjectSummary summary = browser::readObjectSummary(scratchFile());
    if (!summary.Readable && summary.Reason.empty())
        std::abort();
    if (!isValidUtf8(summary.Name) || !isValidUtf8(summary.Description) || !isValidUtf8(summary.Details))
        std::abort();
    if (summary.ThumbnailKey.size() != 8)
        std::abort();
    return 0;
}
