#include "app/startup/core/RegistryContext.h"

#ifdef _WIN32
#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include "app/platform/Registry.h"
#include "package/base/Paths.h"
#include "package/base/Utf8.h"

#include <algorithm>
#endif

namespace varnick::locate {

#ifdef _WIN32

namespace {

// Reads one value of an open key: text (up to its first NUL) or a dword.
std::optional<FoundValue> queryValue(HKEY key, const std::wstring& name)
{
    std::vector<BYTE> buffer(512);
    for (int attempt = 0; attempt < 8; ++attempt) {
        DWORD type = 0;
        DWORD bytes = static_cast<DWORD>(buffer.size());
        const LSTATUS status = RegQueryValueExW(key, name.c_str(), nullptr, &type, buffer.data(), &bytes);
        if (status == ERROR_MORE_DATA) {
            // Registry values are at most a few megabytes; one that keeps growing is given up.
            buffer.assign(static_cast<std::size_t>(bytes) + sizeof(wchar_t), 0);
            continue;
        }
        if (status != ERROR_SUCCESS)
            return std::nullopt;
        FoundValue found;
        if (type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ) {
            std::wstring_view text(reinterpret_cast<const wchar_t*>(buffer.data()), bytes / sizeof(wchar_t));
            if (const std::size_t nul = text.find(L'\0'); nul != std::wstring_view::npos)
                text = text.substr(0, nul);
            found.text = utf8FromWide(text);
        } else if (type == REG_DWORD && bytes == 4) {
            std::uint32_t number = 0;
            std::copy(buffer.begin(), buffer.begin() + 4, reinterpret_cast<BYTE*>(&number));
            found.number = number;
        }
        return found;
    }
    return std::nullopt;
}

std::optional<FoundValue> readValue(HKEY root, std::string_view keyPath, std::string_view name, REGSAM view)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, wideFromUtf8(keyPath).c_str(), 0, KEY_QUERY_VALUE | view, &key) != ERROR_SUCCESS)
        return std::nullopt;
    auto found = queryValue(key, wideFromUtf8(name));
    RegCloseKey(key);
    return found;
}

std::string thirtyTwoBitSpelling(std::string_view keyPath)
{
    constexpr std::string_view software = "SOFTWARE\\";
    if (keyPath.size() > software.size()
        && CompareStringOrdinal(wideFromUtf8(keyPath.substr(0, software.size())).c_str(), -1, L"SOFTWARE\\", -1, TRUE)
            == CSTR_EQUAL)
        return std::string(keyPath.substr(0, software.size())) + "WOW6432Node\\"
            + std::string(keyPath.substr(software.size()));
    return std::string(keyPath);
}

bool sameFolder(const std::filesystem::path& a, const std::filesystem::path& b)
{
    const std::wstring& x = a.native();
    const std::wstring& y = b.native();
    return CompareStringOrdinal(x.c_str(), static_cast<int>(x.size()), y.c_str(), static_cast<int>(y.size()), TRUE)
        == CSTR_EQUAL;
}

class MachineRegistry final : public RegistryContext {
public:
    std::optional<FoundValue> machineValue(
        std::string_view keyPath, std::string_view name, RegistryView view) const override
    {
        const bool thirtyTwo = view == RegistryView::ThirtyTwoBit;
        auto found = readValue(HKEY_LOCAL_MACHINE, keyPath, name, thirtyTwo ? KEY_WOW64_32KEY : KEY_WOW64_64KEY);
        if (found)
            found->where = "HKLM\\" + (thirtyTwo ? thirtyTwoBitSpelling(keyPath) : std::string(keyPath));
        return found;
    }

    std::optional<FoundValue> userValue(std::string_view keyPath, std::string_view name) const override
    {
        auto found = readValue(HKEY_CURRENT_USER, keyPath, name, 0);
        if (found)
            found->where = "HKCU\\" + std::string(keyPath);
        return found;
    }

    std::optional<std::filesystem::path> hostPath(std::string_view registryPath) const override
    {
        if (registryPath.empty())
            return std::nullopt;
        // The long form, so that a key holding an 8.3 name matches the same folder found elsewhere.
        if (const auto longPath = longPathName(registryPath))
            return pathFromUtf8(*longPath);
        return pathFromUtf8(registryPath);
    }

    std::vector<std::filesystem::path> documentsFolders() const override
    {
        // The shell folder value is where the game's own installers looked. Read first: asking the shell for
        // the known folder rewrites this value with the known folder's path.
        const auto personal = readValue(
            HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Personal", 0);
        std::vector<std::filesystem::path> folders;
        // The known folder follows a Documents folder the user moved (to OneDrive, another drive).
        PWSTR known = nullptr;
        if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Documents, 0, nullptr, &known)))
            folders.emplace_back(known);
        CoTaskMemFree(known);
        if (personal && personal->text && !personal->text->empty()) {
            std::filesystem::path folder = pathFromUtf8(*personal->text);
            if (std::none_of(folders.begin(), folders.end(), [&](const auto& f) { return sameFolder(f, folder); }))
                folders.push_back(std::move(folder));
        }
        return folders;
    }
};

} // namespace

std::unique_ptr<RegistryContext> machineRegistry()
{
    return std::make_unique<MachineRegistry>();
}

#else

std::unique_ptr<RegistryContext> machineRegistry()
{
    return nullptr;
}

#endif

} // namespace varnick::locate
