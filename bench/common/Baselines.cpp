#include "bench/common/Baselines.h"

#include "package/base/RawFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace varnick::bench {

namespace {

std::int32_t int32At(const char* bytes)
{
    const auto* b = reinterpret_cast<const unsigned char*>(bytes);
    return static_cast<std::int32_t>(
        std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 | std::uint32_t(b[3]) << 24);
}

} // namespace

std::uint64_t bareIndexRead(const std::filesystem::path& file, std::vector<char>& buffer)
{
    char header[96];
#ifdef _WIN32
    RawFile raw(file, RawFile::Mode::Read);
    raw.readAt(0, header, sizeof header);
#else
    const int descriptor = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0 || ::pread(descriptor, header, sizeof header, 0) != static_cast<ssize_t>(sizeof header))
        std::abort();
#endif
    const std::int32_t count = int32At(header + 36);
    const std::int32_t offset = int32At(header + 40);
    const std::size_t bytes = static_cast<std::size_t>(count) * (int32At(header + 60) == 2 ? 24 : 20);
    if (buffer.size() < bytes)
        buffer.resize(bytes);
#ifdef _WIN32
    raw.readAt(offset, buffer.data(), bytes);
#else
    if (::pread(descriptor, buffer.data(), bytes, offset) != static_cast<ssize_t>(bytes))
        std::abort();
    ::close(descriptor);
#endif
    return static_cast<std::uint64_t>(count) + static_cast<unsigned char>(buffer.empty() ? 0 : buffer[0]);
}

std::uint64_t plainWholeRead(const std::filesystem::path& file)
{
    RawFile raw(file, RawFile::Mode::Read);
    const std::int64_t size = raw.size();
    const auto buffer = std::make_unique_for_overwrite<char[]>(static_cast<std::size_t>(size));
    raw.readAt(0, buffer.get(), static_cast<std::size_t>(size));
    raw.close();
    return static_cast<std::uint64_t>(size)
        + (size > 0 ? static_cast<unsigned char>(buffer[static_cast<std::size_t>(size / 2)]) : 0u);
}

bool dropPageCache(std::string& why)
{
#ifdef _WIN32
    why = "Windows offers no way to empty the file cache from a program";
    return false;
#else
    ::sync();
    const int descriptor = ::open("/proc/sys/vm/drop_caches", O_WRONLY | O_CLOEXEC);
    if (descriptor < 0) {
        why = std::string("cannot open /proc/sys/vm/drop_caches: ") + std::strerror(errno)
            + (::geteuid() != 0 ? " (only root may empty the page cache)" : "");
        return false;
    }
    const bool written = ::write(descriptor, "3\n", 2) == 2;
    const int error = errno;
    ::close(descriptor);
    if (!written) {
        why = std::string("cannot write /proc/sys/vm/drop_caches: ") + std::strerror(error);
        return false;
    }
    return true;
#endif
}

std::uint64_t plainTreeRead(const std::filesystem::path& root)
{
    std::uint64_t checksum = 0;
    std::error_code error;
    for (std::filesystem::recursive_directory_iterator it(root, error), end; !error && it != end; it.increment(error)) {
        std::error_code fileError;
        if (it->is_regular_file(fileError))
            checksum += plainWholeRead(it->path());
    }
    return checksum;
}

std::int64_t peakResidentBytes()
{
#ifndef _WIN32
    struct rusage usage { };
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<std::int64_t>(usage.ru_maxrss) * 1024;
#else
    return 0;
#endif
}

} // namespace varnick::bench
