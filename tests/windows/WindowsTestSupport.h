#pragma once

// Helpers for the tests that only run on Windows (or under Wine): text
// conversion, a scratch folder with a non-ASCII name, and running the
// system's own command-line tools.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>
#include <string_view>

namespace varnick::test {

inline std::wstring wide(std::string_view utf8)
{
    if (utf8.empty())
        return {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring result(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), result.data(), length);
    return result;
}

inline std::string utf8(std::wstring_view text)
{
    if (text.empty())
        return {};
    const int length
        = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(
        CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), length, nullptr, nullptr);
    return result;
}

/// path with the extended-length prefix, so that file functions accept it
/// beyond MAX_PATH characters.
inline std::wstring extendedPath(const std::wstring& path)
{
    return path.rfind(L"\\\\", 0) == 0 ? path : L"\\\\?\\" + path;
}

/// Runs commandLine (a program from the system folder such as reg.exe) and
/// returns its exit code, or -1 when it could not be started.
inline int runProgram(const std::wstring& commandLine)
{
    std::wstring buffer = commandLine; // CreateProcessW may write into it
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process {};
    // Detached, without a console host (see startProgram in the crash harness).
    if (!CreateProcessW(
            nullptr, buffer.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr, nullptr, &startup, &process))
        return -1;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(exitCode);
}

/// Creates folder and every missing parent, at any length (through the
/// extended-length form, one level at a time).
inline bool createFolders(const std::wstring& folder)
{
    const std::wstring full = extendedPath(folder);
    // Skip "\\?\C:\" (or "\\?\UNC\server\share\") before creating levels.
    std::size_t position = full.find(L'\\', 4);
    if (position != std::wstring::npos && full.compare(4, 4, L"UNC\\") == 0) {
        position = full.find(L'\\', 8);
        position = position == std::wstring::npos ? position : full.find(L'\\', position + 1);
    }
    while (position != std::wstring::npos) {
        position = full.find(L'\\', position + 1);
        const std::wstring level = full.substr(0, position);
        if (!CreateDirectoryW(level.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            return false;
    }
    const DWORD attributes = GetFileAttributesW(full.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

/// Deletes folder with everything in it, at any length.
inline void removeFolderTree(const std::wstring& folder)
{
    const std::wstring full = extendedPath(folder);
    WIN32_FIND_DATAW entry {};
    HANDLE find = FindFirstFileW((full + L"\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring child = full + L"\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeFolderTree(child);
            } else {
                SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(child.c_str());
            }
        } while (FindNextFileW(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryW(full.c_str());
}

/// A new, empty folder below the temporary folder whose name holds letters
/// from several scripts and a character outside the Basic Multilingual Plane
/// (a surrogate pair in UTF-16). Removed with everything in it at the end.
class NonAsciiScratchFolder {
public:
    NonAsciiScratchFolder()
    {
        wchar_t temp[MAX_PATH + 1] {};
        const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
        std::wstring base(temp, length);
        // The long form, so that paths built on it compare equal to what the
        // program reports after its own long-name conversion.
        wchar_t longForm[MAX_PATH + 1] {};
        const DWORD longLength = GetLongPathNameW(base.c_str(), longForm, MAX_PATH + 1);
        if (longLength > 0 && longLength <= MAX_PATH)
            base.assign(longForm, longLength);
        while (!base.empty() && (base.back() == L'\\' || base.back() == L'/'))
            base.pop_back();
        static unsigned counter = 0;
        mPath = base + L"\\Varnick Prüfung Ωμέγα 日本 \U0001F3B2 " + std::to_wstring(GetCurrentProcessId()) + L"-"
            + std::to_wstring(++counter);
        removeFolderTree(mPath);
        createFolders(mPath);
    }
    ~NonAsciiScratchFolder() { removeFolderTree(mPath); }
    NonAsciiScratchFolder(const NonAsciiScratchFolder&) = delete;
    NonAsciiScratchFolder& operator=(const NonAsciiScratchFolder&) = delete;

    /// The folder, without a trailing backslash.
    const std::wstring& path() const { return mPath; }

private:
    std::wstring mPath;
};

} // namespace varnick::test
