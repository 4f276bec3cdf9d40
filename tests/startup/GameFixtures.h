#pragma once

// Homes, Steam libraries and Wine prefixes as the editions leave them, built
// in a temporary folder: registry files written the way Wine writes them, the
// prefix's drive links, the game's folders.

#include "app/startup/core/GameLocator.h"
#include "package/base/Paths.h"
#include "tests/common/TemporaryFolder.h"
#include "tools/common/PackageBuilder.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace varnick::test {

namespace fs = std::filesystem;

/// text as Wine writes it inside quotes: '\' and '"' escaped, characters
/// outside ASCII as \x and their UTF-16 code units.
inline std::string wineEscaped(std::string_view utf8)
{
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte < 0x80) {
            if (utf8[i] == '\\' || utf8[i] == '"')
                out.push_back('\\');
            out.push_back(utf8[i]);
            ++i;
            continue;
        }
        std::uint32_t code = 0;
        int length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
        code = byte & (0xFF >> (length + 1));
        for (int k = 1; k < length; ++k)
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        i += length;
        char unit[16];
        if (code >= 0x10000) {
            code -= 0x10000;
            std::snprintf(unit, sizeof unit, "\\x%04x\\x%04x", 0xD800 + (code >> 10), 0xDC00 + (code & 0x3FF));
        } else {
            std::snprintf(unit, sizeof unit, "\\x%04x", code);
        }
        out += unit;
    }
    return out;
}

/// One key of a registry file: "[path] stamp" and its value lines.
inline std::string regKey(std::string_view path, const std::vector<std::string>& values)
{
    std::string text = "\n[" + wineEscaped(path) + "] 1700000000\n#time=1da0b1c2d3e4f50\n";
    for (const std::string& value : values)
        text += value + "\n";
    return text;
}

/// "name"="text" (name "" for the default value).
inline std::string regText(std::string_view name, std::string_view text)
{
    return (name.empty() ? std::string("@") : "\"" + wineEscaped(name) + "\"") + "=\"" + wineEscaped(text) + "\"";
}

inline std::string regDword(std::string_view name, std::uint32_t value)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%08x", value);
    return "\"" + wineEscaped(name) + "\"=dword:" + digits;
}

inline void writeText(const fs::path& file, std::string_view text)
{
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

/// "C:\users\..." of a host path below the drive root.
inline std::string windowsPath(std::string_view drive, const fs::path& relative)
{
    std::string text(drive);
    for (const auto& part : relative) {
        text += "\\";
        text += pathToUtf8(part);
    }
    return text;
}

/// A Wine prefix: drive C: and Z: (the host's root) linked, one user with a Documents folder.
class FixturePrefix {
public:
    FixturePrefix(fs::path root, std::string user = "steamuser")
        : mRoot(std::move(root))
        , mUser(std::move(user))
    {
        fs::create_directories(documents());
        fs::create_directories(mRoot / "dosdevices");
        std::error_code error;
        fs::create_directory_symlink("../drive_c", mRoot / "dosdevices" / "c:", error);
        fs::create_directory_symlink("/", mRoot / "dosdevices" / "z:", error);
    }

    const fs::path& root() const { return mRoot; }
    fs::path driveC() const { return mRoot / "drive_c"; }
    fs::path documents() const { return driveC() / "users" / pathFromUtf8(mUser) / "Documents"; }
    /// The Windows path of the Documents folder.
    std::string documentsText() const { return "C:\\users\\" + mUser + "\\Documents"; }

    /// A data folder below Documents\EA Games, with its Downloads folder.
    fs::path dataFolder(std::string_view name) const
    {
        const fs::path data = documents() / "EA Games" / pathFromUtf8(name);
        fs::create_directories(data / "Downloads");
        return data;
    }

    void machineKeys(const std::string& keys) const
    {
        writeText(mRoot / "system.reg",
            "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win64\n" + keys);
    }

    /// user.reg with the Personal shell folder pointing at Documents, and keys.
    void userKeys(const std::string& keys) const
    {
        writeText(mRoot / "user.reg",
            "WINE REGISTRY Version 2\n;; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n\n#arch=win64\n"
                + regKey("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                    { regText("Personal", documentsText()) })
                + keys);
    }

private:
    fs::path mRoot;
    std::string mUser;
};

/// Search places for a home folder alone: no machine registry, no environment
/// but what is given, nothing remembered.
inline GameSearchPlaces placesFor(const fs::path& home, std::map<std::string, std::string> environment = {})
{
    GameSearchPlaces places;
    places.environment = [environment](const char* name) -> std::optional<std::string> {
        const auto found = environment.find(name);
        return found == environment.end() ? std::nullopt : std::optional<std::string>(found->second);
    };
    places.home = home;
    places.applicationFolders = { home / "Applications" };
    places.machineRegistry = false;
    places.homeFolders = true;
    return places;
}

/// The path as the search reports it: links resolved.
inline fs::path resolved(const fs::path& path)
{
    return fs::weakly_canonical(path);
}

/// The Legacy Collection's folders in a Steam library.
inline fs::path makeLegacyInstall(const fs::path& library)
{
    const fs::path install = library / "steamapps" / "common" / "The Sims 2 Legacy Collection";
    fs::create_directories(install / "Base" / "TSData" / "Res" / "Objects");
    fs::create_directories(install / "EP9" / "TSBin");
    return install;
}

/// The Legacy Collection's per-user key as its first start writes it.
inline std::string legacyUserKey(std::string_view displayName, const std::optional<std::string>& programFolder)
{
    std::string keys = regKey(
        "Software\\Electronic Arts\\The Sims 2 Ultimate Collection 25", { regText("DisplayName", displayName) });
    if (programFolder)
        keys += regKey("Software\\Electronic Arts\\The Sims 2 Ultimate Collection 25\\Sims2EP9.exe",
            { regText("path", *programFolder), regDword("Installed", 1) });
    return keys;
}

} // namespace varnick::test
