#include "app/startup/core/FolderNames.h"

#include "package/base/Paths.h"

#include <algorithm>
#include <system_error>

namespace fs = std::filesystem;

namespace varnick::locate {

namespace {

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::string lower(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = asciiLower(c);
    return out;
}

bool equalsNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && lower(a) == lower(b);
}

bool containsNoCase(std::string_view text, std::string_view part)
{
    return lower(text).find(lower(part)) != std::string::npos;
}

bool isFolder(const fs::path& path)
{
    std::error_code error;
    return !path.empty() && fs::is_directory(path, error);
}

std::string nameOf(const fs::path& path)
{
    return pathToUtf8(path.filename());
}

std::vector<fs::path> subfolders(const fs::path& folder)
{
    std::vector<fs::path> folders;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (it->is_directory(typeError))
            folders.push_back(it->path());
    }
    std::sort(folders.begin(), folders.end());
    return folders;
}

fs::path childNoCase(const fs::path& folder, std::string_view name)
{
    fs::path exact = folder / pathFromUtf8(name);
    std::error_code error;
    if (fs::exists(exact, error))
        return exact;
    for (const fs::path& candidate : subfolders(folder)) {
        if (equalsNoCase(nameOf(candidate), name))
            return candidate;
    }
    return exact;
}

fs::path normalFolder(const fs::path& path)
{
    std::error_code error;
    fs::path normal = fs::weakly_canonical(path, error);
    if (error)
        normal = path.lexically_normal();
    while (normal.has_relative_path() && normal.filename().empty())
        normal = normal.parent_path();
    return normal;
}

std::string folderKey(const fs::path& path)
{
    std::string key = pathToUtf8(normalFolder(path));
#ifdef _WIN32
    key = lower(key);
    std::replace(key.begin(), key.end(), '/', '\\');
#endif
    return key;
}

} // namespace varnick::locate
