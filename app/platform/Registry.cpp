#include "app/platform/Registry.h"

#include "package/base/Paths.h"
#include "package/base/Utf8.h"

#ifdef _WIN32
#include <windows.h>
#include <algorithm>
#else
#include "app/platform/WineRegistry.h"

#include <filesystem>
#include <system_error>
#endif

namespace varnick {

#ifdef _WIN32

namespace {

HKEY rootHandle(RegistryRoot root)
{
    return root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

std::optional<RegistryText> queryText(HKEY key, const std::wstring& valueName, std::uint32_t initialChars)
{
    // The first size is only a guess; a larger value is read after ERROR_MORE_DATA.
    const std::uint32_t firstChars = initialChars == 0 ? 255 : std::min<std::uint32_t>(initialChars, 32768);
    std::wstring buffer(firstChars, L'\0');
    for (int attempt = 0; attempt < 8; ++attempt) {
        DWORD type = 0;
        DWORD bytes = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        const LSTATUS status
            = RegQueryValueExW(key, valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &bytes);
        if (status == ERROR_MORE_DATA) {
            // The value does not fit: grow to the size the registry reports and read again.
            buffer.assign(bytes / sizeof(wchar_t) + 2, L'\0');
            continue;
        }
        if (status != ERROR_SUCCESS)
            return std::nullopt;
        if (type != REG_SZ && type != REG_EXPAND_SZ && type != REG_MULTI_SZ)
            return std::nullopt;
        const std::size_t chars = bytes / sizeof(wchar_t);
        std::wstring_view text(buffer.data(), chars);
        if (const std::size_t nul = text.find(L'\0'); nul != std::wstring_view::npos)
            text = text.substr(0, nul);
        return RegistryText { utf8FromWide(text), static_cast<std::uint32_t>(chars) };
    }
    return std::nullopt; // the value kept growing while being read
}

} // namespace

std::optional<RegistryText> readRegistryText(
    RegistryRoot root, std::string_view keyPath, std::string_view valueName, std::uint32_t initialChars)
{
    const std::wstring wideKey = wideFromUtf8(keyPath);
    const std::wstring wideName = wideFromUtf8(valueName);
    // A 32-bit installer's machine keys live in the 32-bit view; try it first.
    const REGSAM views[] = { KEY_WOW64_32KEY, 0 };
    for (const REGSAM view : views) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(rootHandle(root), wideKey.c_str(), 0, KEY_QUERY_VALUE | view, &key) != ERROR_SUCCESS)
            continue;
        auto result = queryText(key, wideName, initialChars);
        RegCloseKey(key);
        if (result)
            return result;
    }
    return std::nullopt;
}

std::string registryPathToHostPath(std::string_view path)
{
    return std::string(path);
}

std::optional<std::string> longPathName(std::string_view path)
{
    std::wstring input = wideFromUtf8(path);
    if (input.empty())
        return std::nullopt;
    // Paths beyond MAX_PATH need the extended-length form unless the process is long-path aware.
    const bool extended = input.size() >= MAX_PATH && input.rfind(L"\\\\", 0) != 0;
    if (extended)
        input = L"\\\\?\\" + input;

    std::wstring buffer(MAX_PATH, L'\0');
    for (int attempt = 0; attempt < 4; ++attempt) {
        const DWORD length = GetLongPathNameW(input.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return std::nullopt;
        if (length < buffer.size()) {
            buffer.resize(length);
            if (extended && buffer.rfind(L"\\\\?\\", 0) == 0)
                buffer.erase(0, 4);
            return utf8FromWide(buffer);
        }
        buffer.assign(length + 1, L'\0'); // too small: length is the size needed
    }
    return std::nullopt;
}

#else

namespace {

std::uint32_t utf16Length(std::string_view utf8)
{
    std::uint32_t units = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80)
            units += byte >= 0xF0 ? 2 : 1;
    }
    return units;
}

// HKEY_LOCAL_MACHINE\Software\X of a 32-bit program is Software\Wow6432Node\X in a 64-bit prefix.
std::optional<std::string> machineValue(
    const std::filesystem::path& file, std::string_view keyPath, std::string_view valueName)
{
    constexpr std::string_view software = "software\\";
    if (keyPath.size() > software.size()) {
        std::string head(keyPath.substr(0, software.size()));
        for (char& c : head)
            c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        if (head == software) {
            const std::string redirected = std::string(keyPath.substr(0, software.size())) + "Wow6432Node\\"
                + std::string(keyPath.substr(software.size()));
            if (auto value = wine::readTextValue(file, redirected, valueName))
                return value;
        }
    }
    return wine::readTextValue(file, keyPath, valueName);
}

} // namespace

std::optional<RegistryText> readRegistryText(
    RegistryRoot root, std::string_view keyPath, std::string_view valueName, std::uint32_t /*initialChars*/)
{
    const std::filesystem::path prefix = wine::prefixFolder();
    std::optional<std::string> text = root == RegistryRoot::LocalMachine
        ? machineValue(prefix / "system.reg", keyPath, valueName)
        : wine::readTextValue(prefix / "user.reg", keyPath, valueName);
    if (!text)
        return std::nullopt;
    const std::uint32_t size = utf16Length(*text) + 1;
    return RegistryText { std::move(*text), size };
}

std::string registryPathToHostPath(std::string_view path)
{
    if (const auto host = wine::hostPath(wine::prefixFolder(), path))
        return pathToUtf8(*host);
    return std::string(path);
}

std::optional<std::string> longPathName(std::string_view path)
{
    if (path.empty())
        return std::nullopt;
    std::error_code error;
    const std::filesystem::path host = pathFromUtf8(path);
    if (!std::filesystem::exists(host, error))
        return std::nullopt;
    // No short names here: the long form is the path itself, without a trailing separator.
    std::string result(path);
    while (result.size() > 1 && result.back() == '/')
        result.pop_back();
    return result;
}

#endif

} // namespace varnick
