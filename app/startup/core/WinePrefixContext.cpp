#include "app/startup/core/WinePrefixContext.h"

#include "app/platform/WineRegistry.h"
#include "app/startup/core/GameFileError.h"
#include "package/base/Paths.h"

#include <algorithm>
#include <array>
#include <system_error>

namespace fs = std::filesystem;

namespace varnick::locate {

namespace {

// The keys the game search asks about; the rest of a prefix's registry (often
// megabytes of it) is checked but not kept.
constexpr std::array<std::string_view, 10> kKeptKeys = {
    "software\\electronic arts\\",
    "software\\maxis\\",
    "software\\wow6432node\\maxis\\",
    "software\\ea games\\",
    "software\\wow6432node\\ea games\\",
    "software\\microsoft\\windows\\currentversion\\uninstall\\steam app ",
    "software\\wow6432node\\microsoft\\windows\\currentversion\\uninstall\\steam app ",
    "software\\microsoft\\windows\\currentversion\\app paths\\",
    "software\\wow6432node\\microsoft\\windows\\currentversion\\app paths\\",
    "software\\microsoft\\windows\\currentversion\\explorer\\",
};

bool keptKey(std::string_view lowerKey)
{
    // The node itself tells a 64-bit prefix, which keeps 32-bit programs' keys apart.
    if (lowerKey == "software\\wow6432node")
        return true;
    return std::any_of(
        kKeptKeys.begin(), kKeptKeys.end(), [&](std::string_view start) { return lowerKey.starts_with(start); });
}

bool startsWithNoCase(std::string_view text, std::string_view start)
{
    if (text.size() < start.size())
        return false;
    return wine::lowerKeyPath(text.substr(0, start.size())) == wine::lowerKeyPath(start);
}

constexpr std::string_view kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr std::string_view kUserShellFolders
    = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

} // namespace

WinePrefixContext::WinePrefixContext(fs::path prefix, std::uintmax_t maxFileBytes)
    : mPrefix(std::move(prefix))
{
    mSystem = load(mPrefix / "system.reg", maxFileBytes);
    mUser = load(mPrefix / "user.reg", maxFileBytes);
}

bool WinePrefixContext::isPrefix(const fs::path& folder)
{
    std::error_code error;
    return fs::is_regular_file(folder / "system.reg", error) || fs::is_regular_file(folder / "user.reg", error)
        || fs::is_directory(folder / "drive_c", error);
}

std::optional<wine::RegistryFile> WinePrefixContext::load(const fs::path& file, std::uintmax_t maxBytes)
{
    std::error_code error;
    if (!fs::exists(file, error))
        return std::nullopt;
    try {
        return wine::RegistryFile::read(file, keptKey, maxBytes);
    } catch (const GameFileError& failure) {
        mSkipped.push_back(SkippedFile::because(pathToUtf8(file), failure.reason()));
    } catch (const std::bad_alloc&) {
        mSkipped.push_back(
            SkippedFile::because(pathToUtf8(file), Phrase(VARNICK_PHRASE("GameFiles", "is too large to read"))));
    }
    return std::nullopt;
}

std::optional<FoundValue> WinePrefixContext::valueIn(const std::optional<wine::RegistryFile>& file,
    const char* fileName, const char* root, std::string_view keyPath, std::string_view name) const
{
    if (!file)
        return std::nullopt;
    const wine::RegistryValue* value = file->value(keyPath, name);
    if (value == nullptr)
        return std::nullopt;
    FoundValue found;
    found.where = pathToUtf8(mPrefix / fileName) + ": " + root + "\\" + std::string(keyPath);
    if (value->kind == wine::RegistryValue::Kind::Text)
        found.text = value->text;
    else if (value->kind == wine::RegistryValue::Kind::Number)
        found.number = value->number;
    return found;
}

std::optional<FoundValue> WinePrefixContext::machineValue(
    std::string_view keyPath, std::string_view name, RegistryView view) const
{
    // A 64-bit prefix keeps a 32-bit program's machine keys below Wow6432Node;
    // a 32-bit prefix has no such node and keeps them in place.
    constexpr std::string_view software = "Software\\";
    if (view == RegistryView::ThirtyTwoBit && startsWithNoCase(keyPath, software)) {
        const std::string redirected = std::string(keyPath.substr(0, software.size())) + "Wow6432Node\\"
            + std::string(keyPath.substr(software.size()));
        if (auto found = valueIn(mSystem, "system.reg", "HKLM", redirected, name))
            return found;
        if (mSystem && mSystem->hasKey("Software\\Wow6432Node"))
            return std::nullopt;
    }
    return valueIn(mSystem, "system.reg", "HKLM", keyPath, name);
}

std::optional<FoundValue> WinePrefixContext::userValue(std::string_view keyPath, std::string_view name) const
{
    return valueIn(mUser, "user.reg", "HKCU", keyPath, name);
}

std::optional<fs::path> WinePrefixContext::hostPath(std::string_view registryPath) const
{
    if (auto host = wine::hostPath(mPrefix, registryPath))
        return host;
    // A prefix copied without its drive links still has its C: drive in place.
    if (registryPath.size() >= 3 && (registryPath[0] == 'C' || registryPath[0] == 'c') && registryPath[1] == ':'
        && (registryPath[2] == '\\' || registryPath[2] == '/')) {
        fs::path host = mPrefix / "drive_c";
        std::string_view rest = registryPath.substr(3);
        while (!rest.empty()) {
            const std::size_t separator = rest.find_first_of("\\/");
            const std::string_view part = rest.substr(0, separator);
            if (!part.empty() && part != ".")
                host /= pathFromUtf8(part);
            rest = separator == std::string_view::npos ? std::string_view {} : rest.substr(separator + 1);
        }
        return host;
    }
    return std::nullopt;
}

std::vector<fs::path> WinePrefixContext::documentsFolders() const
{
    std::vector<fs::path> candidates;
    // The user folders of drive C:, for the profile in "User Shell Folders".
    std::vector<std::string> users;
    std::error_code error;
    for (fs::directory_iterator it(mPrefix / "drive_c" / "users", error), end; !error && it != end;
         it.increment(error)) {
        std::error_code typeError;
        const std::string name = pathToUtf8(it->path().filename());
        if (it->is_directory(typeError) && name != "Public" && name != "public")
            users.push_back(name);
    }
    std::sort(users.begin(), users.end());

    // The Personal shell folder decides where the game's Documents are, as it
    // does for the game itself; a prefix whose user.reg names none has none.
    if (const auto personal = userValue(kShellFolders, "Personal"); personal && personal->text) {
        if (auto host = hostPath(*personal->text))
            candidates.push_back(std::move(*host));
    } else if (const auto expandable = userValue(kUserShellFolders, "Personal"); expandable && expandable->text) {
        const std::string& text = *expandable->text;
        constexpr std::string_view profile = "%USERPROFILE%";
        if (startsWithNoCase(text, profile)) {
            for (const std::string& user : users) {
                if (auto host = hostPath("C:\\users\\" + user + text.substr(profile.size())))
                    candidates.push_back(std::move(*host));
            }
        } else if (auto host = hostPath(text)) {
            candidates.push_back(std::move(*host));
        }
    }

    std::vector<fs::path> existing;
    for (const fs::path& candidate : candidates) {
        if (!fs::is_directory(candidate, error))
            continue;
        const fs::path resolved = fs::weakly_canonical(candidate, error);
        const fs::path& key = error ? candidate : resolved;
        if (std::none_of(existing.begin(), existing.end(), [&](const fs::path& known) {
                std::error_code sameError;
                return known == key || fs::equivalent(known, key, sameError);
            }))
            existing.push_back(key);
    }
    if (existing.empty() && !candidates.empty())
        existing.push_back(candidates.front()); // where the game will make its folder
    return existing;
}

} // namespace varnick::locate
