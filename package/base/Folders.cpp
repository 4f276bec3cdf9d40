#include "package/base/Folders.h"

#include "package/base/Environment.h"
#include "package/base/Paths.h"

#include <fstream>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <windows.h>

// The shell headers need the types windows.h declares; the blank line keeps include sorting from moving it.
#include <knownfolders.h>
#include <shlobj.h>
#else
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace varnick {

namespace {

fs::path& programFolderOverride()
{
    static fs::path folder;
    return folder;
}

fs::path executablePath()
{
#ifdef _WIN32
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size()) {
            buffer.resize(length);
            return fs::path(buffer);
        }
        buffer.resize(buffer.size() * 2);
    }
#else
    std::error_code error;
    fs::path path = fs::read_symlink("/proc/self/exe", error);
    if (error)
        return fs::current_path(error) / "varnick";
    return path;
#endif
}

fs::path environmentPath(const char* name)
{
    const auto value = environmentText(name);
    return value ? pathFromUtf8(*value) : fs::path();
}

} // namespace

fs::path programFolder()
{
    if (!programFolderOverride().empty())
        return programFolderOverride();
    static const fs::path folder = executablePath().parent_path();
    return folder;
}

fs::path userDataFolder()
{
    fs::path folder = environmentPath("VARNICK_USER_DATA_DIR");
    if (folder.empty()) {
#ifdef _WIN32
        PWSTR known = nullptr;
        if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_CREATE, nullptr, &known))) {
            folder = fs::path(known) / L"Varnick";
            CoTaskMemFree(known);
        } else {
            folder = fs::temp_directory_path() / L"Varnick";
        }
#else
        fs::path base = environmentPath("XDG_DATA_HOME");
        if (base.empty()) {
            const fs::path home = environmentPath("HOME");
            base = home.empty() ? fs::temp_directory_path() : home / ".local" / "share";
        }
        folder = base / "Varnick";
#endif
    }
    std::error_code error;
    fs::create_directories(folder, error);
    return folder;
}

bool isFolderWritable(const fs::path& folder)
{
    std::error_code error;
    if (!fs::is_directory(folder, error))
        return false;
    const fs::path probe = folder / ".varnick-write-probe";
    {
        std::ofstream out(probe, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out.put('\0');
        if (!out.flush())
            return false;
    }
    fs::remove(probe, error);
    return true;
}

fs::path besideProgramFolder()
{
    const fs::path program = programFolder();
    if (isFolderWritable(program))
        return program;
    return userDataFolder();
}

void setProgramFolderForTesting(const fs::path& folder)
{
    programFolderOverride() = folder;
}

} // namespace varnick
