#pragma once

#include "package/base/Paths.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace varnick::test {

/// Sets (or, with nullopt, removes) environment variables for the lifetime of
/// the object and restores the earlier values afterwards.
class ScopedEnvironment {
public:
    ScopedEnvironment() = default;
    ~ScopedEnvironment()
    {
        for (auto it = mSaved.rbegin(); it != mSaved.rend(); ++it)
            apply(it->first, it->second);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

    /// name is ASCII, value UTF-8.
    void set(const std::string& name, const std::optional<std::string>& value)
    {
        mSaved.emplace_back(name, current(name));
        apply(name, value);
    }

private:
#ifdef _WIN32
    // Through the wide-character environment, so that non-ASCII values arrive intact.
    static std::optional<std::string> current(const std::string& name)
    {
        const wchar_t* old = _wgetenv(pathFromUtf8(name).c_str());
        return old ? std::optional<std::string>(pathToUtf8(std::filesystem::path(old))) : std::nullopt;
    }
#else
    static std::optional<std::string> current(const std::string& name)
    {
        const char* old = std::getenv(name.c_str());
        return old ? std::optional<std::string>(old) : std::nullopt;
    }
#endif

    static void apply(const std::string& name, const std::optional<std::string>& value)
    {
#ifdef _WIN32
        _wputenv_s(pathFromUtf8(name).c_str(), value ? pathFromUtf8(*value).c_str() : L"");
#else
        if (value)
            setenv(name.c_str(), value->c_str(), 1);
        else
            unsetenv(name.c_str());
#endif
    }

    std::vector<std::pair<std::string, std::optional<std::string>>> mSaved;
};

} // namespace varnick::test
