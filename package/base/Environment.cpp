#include "package/base/Environment.h"

#include <cstdlib>

#ifdef _WIN32
#include "package/base/Paths.h"

#include <windows.h>
#include <filesystem>
#endif

namespace varnick {

std::optional<std::string> environmentText(const char* name)
{
#ifdef _WIN32
    std::wstring wideName;
    for (const char* c = name; *c != '\0'; ++c)
        wideName.push_back(static_cast<wchar_t>(static_cast<unsigned char>(*c)));
    const DWORD needed = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
    if (needed == 0)
        return std::nullopt;
    std::wstring value(needed, L'\0');
    const DWORD length = GetEnvironmentVariableW(wideName.c_str(), value.data(), needed);
    if (length == 0 || length >= needed)
        return std::nullopt;
    value.resize(length);
    return pathToUtf8(std::filesystem::path(value));
#else
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0')
        return std::nullopt;
    return std::string(value);
#endif
}

} // namespace varnick
