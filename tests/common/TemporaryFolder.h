#pragma once

#include "package/base/Bytes.h"
#include "package/base/Paths.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>

namespace varnick::test {

/// A fresh, empty folder below the system's temporary folder, removed with its
/// contents at the end (after giving back any permission a test took away).
class TemporaryFolder {
public:
    TemporaryFolder()
    {
        // Tests run in parallel processes: a random part keeps their folders apart.
        static std::atomic<unsigned> counter { 0 };
        static const unsigned processPart = std::random_device {}();
        const std::filesystem::path base = std::filesystem::temp_directory_path();
        do {
            mPath = base
                / ("varnick-test-" + std::to_string(processPart) + "-" + std::to_string(++counter) + "-"
                    + std::to_string(std::random_device {}()));
        } while (!std::filesystem::create_directory(mPath));
    }
    ~TemporaryFolder()
    {
        std::error_code error;
        const auto writable = std::filesystem::perms::owner_all;
        std::filesystem::permissions(mPath, writable, std::filesystem::perm_options::add, error);
        for (std::filesystem::recursive_directory_iterator it(mPath, error), end; !error && it != end;
             it.increment(error)) {
            std::error_code ignored;
            if (it->is_directory(ignored))
                std::filesystem::permissions(it->path(), writable, std::filesystem::perm_options::add, ignored);
        }
        std::filesystem::remove_all(mPath, error);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return mPath; }
    std::string utf8() const { return pathToUtf8(mPath); }

    /// Writes bytes to name inside the folder (creating the folders on the way) and returns the file's path.
    std::filesystem::path write(const std::filesystem::path& name, ByteView bytes) const
    {
        const std::filesystem::path file = mPath / name;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out)
            throw std::runtime_error("cannot write test file " + pathToUtf8(file));
        return file;
    }
    /// The same with a UTF-8 name: a narrow name would be read in the Windows code page.
    std::filesystem::path write(const char* utf8Name, ByteView bytes) const
    {
        return write(pathFromUtf8(utf8Name), bytes);
    }
    std::filesystem::path write(const std::string& utf8Name, ByteView bytes) const
    {
        return write(pathFromUtf8(utf8Name), bytes);
    }

private:
    std::filesystem::path mPath;
};

} // namespace varnick::test
