#include "app/startup/core/GamePacks.h"

#include "app/startup/core/FolderNames.h"
#include "package/base/Paths.h"

#include <algorithm>
#include <optional>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace varnick {

using locate::lower;
using locate::subfolders;

namespace {

// folder/name where it exists in any ASCII letter case.
std::optional<fs::path> childNoCase(const fs::path& folder, const char* name)
{
    std::error_code error;
    if (fs::exists(folder / name, error))
        return folder / name;
    const std::string wanted = lower(name);
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (lower(pathToUtf8(it->path().filename())) == wanted)
            return it->path();
    }
    return std::nullopt;
}

std::optional<fs::path> objectsPackage(const fs::path& pack)
{
    std::optional<fs::path> path = pack;
    for (const char* part : { "TSData", "Res", "Objects", "objects.package" }) {
        path = childNoCase(*path, part);
        if (!path)
            return std::nullopt;
    }
    std::error_code error;
    if (!fs::is_regular_file(*path, error))
        return std::nullopt;
    return path;
}

} // namespace

std::vector<fs::path> gameObjectPackages(const fs::path& installFolder)
{
    std::vector<fs::path> packs { installFolder };
    for (const fs::path& child : subfolders(installFolder)) {
        packs.push_back(child);
        for (const fs::path& grandchild : subfolders(child))
            packs.push_back(grandchild);
    }
    // A classic base game: its packs were installed beside it.
    if (objectsPackage(installFolder)) {
        for (const fs::path& sibling : subfolders(installFolder.parent_path())) {
            if (sibling != installFolder && lower(pathToUtf8(sibling.filename())).find("sims 2") != std::string::npos)
                packs.push_back(sibling);
        }
    }
    std::vector<fs::path> packages;
    for (const fs::path& pack : packs) {
        if (auto package = objectsPackage(pack))
            packages.push_back(std::move(*package));
    }
    std::sort(packages.begin(), packages.end());
    packages.erase(std::unique(packages.begin(), packages.end()), packages.end());
    return packages;
}

} // namespace varnick
