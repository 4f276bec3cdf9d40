#pragma once

// A folder of the fuzz target's own below the system's temporary folder (one
// per process), for code that writes beside the program: removed with all it
// holds when the fuzzer ends.

#include <filesystem>
#include <string>
#include <system_error>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace varnick::fuzz {

class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& stem)
    {
#ifdef _WIN32
        mPath = std::filesystem::temp_directory_path() / stem;
#else
        mPath = std::filesystem::temp_directory_path() / (stem + "-" + std::to_string(::getpid()));
#endif
        std::error_code error;
        std::filesystem::create_directories(mPath, error);
    }
    ~ScratchFolder()
    {
        std::error_code error;
        std::filesystem::remove_all(mPath, error);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const
    {
        return mPath;
    }

private:
    std::filesystem::path mPath;
};

} // namespace varnick::fuzz
