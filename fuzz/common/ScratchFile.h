#pragma once

// A file of the fuzz target's own (one per process, so parallel fuzzing jobs
// keep apart) that readers taking a path read the input from; removed when
// the fuzzer ends.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace varnick::fuzz {

class ScratchFile {
public:
    explicit ScratchFile(const std::string& stem)
    {
#ifdef _WIN32
        mPath = std::filesystem::temp_directory_path() / (stem + ".package");
#else
        mPath = std::filesystem::temp_directory_path() / (stem + "-" + std::to_string(::getpid()) + ".package");
#endif
    }
    ~ScratchFile()
    {
        std::error_code error;
        std::filesystem::remove(mPath, error);
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    /// Replaces the file's contents with the input; returns its path.
    const std::filesystem::path& write(const std::uint8_t* data, std::size_t size) const
    {
        std::ofstream out(mPath, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        return mPath;
    }
    const std::filesystem::path& path() const
    {
        return mPath;
    }

private:
    std::filesystem::path mPath;
};

} // namespace varnick::fuzz
