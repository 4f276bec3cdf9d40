// Compressed resources: the signature test and the program's decompression
// procedure with its breadcrumb file.
#include "package/CompressedResource.h"

#include "package/base/ErrorTrap.h"
#include "package/base/Folders.h"
#include "package/base/KelvoraBinding.h"

#include <ctime>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace varnick {

namespace {

constexpr const char* kBreadcrumbName = "DecompError.log";

// The breadcrumb line: "Decompression routine entered at <local date and time>."
std::string breadcrumbLine()
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    char stamp[128] = {};
    if (std::strftime(stamp, sizeof stamp, "%x %X", &local) == 0)
        stamp[0] = '\0';
    return std::string("Decompression routine entered at ") + stamp + ".\r\n";
}

// Writes the breadcrumb beside the program (or in the per-user folder when the
// program's folder cannot be written). The breadcrumb only helps to diagnose a
// decompression that never came back, so failing to write it is no reason to
// fail the decompression: the returned path is then empty.
fs::path writeBreadcrumb()
{
    try {
        const fs::path file = besideProgramFolder() / kBreadcrumbName;
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        if (!out)
            return {};
        out << breadcrumbLine();
        out.close();
        if (!out)
            return {};
        return file;
    } catch (const std::exception&) {
        return {};
    }
}

} // namespace

bool isCompressedResource(ByteView stored)
{
    return stored.size() >= 6 && byteAt(stored, 4) == 0x10 && byteAt(stored, 5) == 0xFB;
}

ByteString decompressResource(ByteView stored)
{
    if (!isCompressedResource(stored))
        return ByteString(stored);
    return kelvoraDecompress(stored);
}

ByteString decompressWithBreadcrumb(ByteView data)
{
    const fs::path breadcrumb = writeBreadcrumb();
    ByteString result = decompressResource(data);
    if (!breadcrumb.empty()) {
        std::error_code ignored;
        fs::remove(breadcrumb, ignored);
    }
    return result;
}

ByteString gfstrDecompressFile(ByteView data)
{
    ByteString result;
    trapped("modSimsPackage", "gfstrDecompressFile", [&] { result = decompressWithBreadcrumb(data); });
    return result;
}

} // namespace varnick
