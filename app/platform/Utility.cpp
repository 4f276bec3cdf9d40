#include "app/platform/Utility.h"

#include "package/base/ErrorTrap.h"
#include "package/base/FolderListing.h"
#include "package/base/Paths.h"

#include <algorithm>
#include <mutex>
#include <set>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace fs = std::filesystem;

namespace varnick {

namespace {

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isSeparator(char c)
{
#ifdef _WIN32
    return c == '\\' || c == '/';
#else
    return c == '/';
#endif
}

// Length of the UTF-8 sequence that starts with lead (1 for stray bytes, so
// damaged text still advances).
std::size_t utf8Length(unsigned char lead)
{
    if (lead >= 0xF0 && lead <= 0xF7)
        return 4;
    if (lead >= 0xE0)
        return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

bool lessIgnoringCase(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(asciiLower(x)) < static_cast<unsigned char>(asciiLower(y));
    });
}

// The last component of path as UTF-8; on POSIX read off the text itself,
// which costs less than splitting the whole path into components.
std::string fileNameOf(const fs::path& path)
{
#ifdef _WIN32
    return pathToUtf8(path.filename());
#else
    const std::string& text = path.native();
    return text.substr(text.rfind('/') + 1);
#endif
}

std::mutex gListerMutex;

FolderLister& installedLister()
{
    static FolderLister lister;
    return lister;
}

} // namespace

bool isHiddenEntry(const fs::path& path)
{
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    return (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
#else
    const std::string& text = path.native();
    const std::size_t start = text.rfind('/') + 1;
    return start < text.size() && text[start] == '.';
#endif
}

bool matchesFilePattern(std::string_view name, std::string_view pattern)
{
    // Iterative wildcard match with one backtracking point (the last '*').
    std::size_t n = 0, p = 0;
    std::size_t starPattern = std::string_view::npos, starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '?') {
            n += utf8Length(static_cast<unsigned char>(name[n]));
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starPattern = p++;
            starName = n;
        } else if (p < pattern.size() && asciiLower(pattern[p]) == asciiLower(name[n])) {
            ++n;
            ++p;
        } else if (starPattern != std::string_view::npos) {
            p = starPattern + 1;
            starName += utf8Length(static_cast<unsigned char>(name[starName]));
            n = starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size() && n == name.size();
}

namespace {

// One folder's entries in a stable order, so searches give the same result
// on every file system: names without case first, then by code unit. Hidden
// entries are left out, and on Windows names that are not valid Unicode,
// which a result could not lead back to.
std::vector<FolderEntry> listSortedFolder(const fs::path& folder)
{
    std::vector<FolderEntry> listed;
    std::error_code error;
    if (!listFolder(folder, listed, error))
        throw unlistableFolder(folder, error.message());
    std::erase_if(listed, [](const FolderEntry& entry) {
#ifdef _WIN32
        return entry.isHidden || !isUnicodePath(entry.path.filename());
#else
        return entry.isHidden;
#endif
    });
    // Each name converted and folded once, not at every comparison: large
    // folders sort in a fraction of the time. The folded names compare as
    // lessIgnoringCase does, then the exact names.
    struct Keyed {
        std::string folded;
        std::string name;
        std::size_t index;
    };
    std::vector<Keyed> order;
    order.reserve(listed.size());
    for (std::size_t i = 0; i < listed.size(); ++i) {
        std::string name = fileNameOf(listed[i].path);
        std::string folded = name;
        for (char& c : folded)
            c = asciiLower(c);
        order.push_back({ std::move(folded), std::move(name), i });
    }
    std::sort(order.begin(), order.end(), [](const Keyed& a, const Keyed& b) {
        const int folded = a.folded.compare(b.folded);
        return folded != 0 ? folded < 0 : a.name < b.name;
    });
    std::vector<FolderEntry> sorted;
    sorted.reserve(listed.size());
    for (const Keyed& keyed : order)
        sorted.push_back(std::move(listed[keyed.index]));
    return sorted;
}

} // namespace

std::vector<fs::directory_entry> listFolderEntries(const fs::path& folder)
{
    std::vector<fs::directory_entry> entries;
    for (FolderEntry& entry : listSortedFolder(folder)) {
        std::error_code statusError;
        fs::directory_entry found(std::move(entry.path), statusError);
        if (!statusError)
            entries.push_back(std::move(found));
    }
    return entries;
}

Failure unlistableFolder(const fs::path& folder, const std::string& systemText)
{
    return Failure(ErrorCode::FolderFailed,
        Phrase(VARNICK_PHRASE("Folders", "Can not list the folder %1: %2"), { pathToUtf8(folder), systemText }));
}

FolderLister setFolderListerForTesting(FolderLister lister)
{
    const std::lock_guard lock(gListerMutex);
    FolderLister previous = std::move(installedLister());
    installedLister() = std::move(lister);
    return previous;
}

std::vector<fs::path> findFiles(const fs::path& root, std::string_view pattern, std::vector<UnlistedFolder>* unlisted)
{
    if (root.empty())
        return {};
    FolderLister lister;
    {
        const std::lock_guard lock(gListerMutex);
        lister = installedLister();
    }
    // The folder listing itself, unless a test put a lister in its place.
    const auto list = [&lister](const fs::path& folder) {
        if (!lister)
            return listSortedFolder(folder);
        std::vector<FolderEntry> listed;
        for (const fs::directory_entry& entry : lister(folder)) {
            std::error_code error;
            const FolderEntry::Kind kind = entry.is_directory(error) ? FolderEntry::Kind::Folder
                : entry.is_regular_file(error)                       ? FolderEntry::Kind::File
                                                                     : FolderEntry::Kind::Other;
            listed.push_back({ entry.path(), kind, entry.is_symlink(error), false });
        }
        return listed;
    };
    std::vector<fs::path> folders { root };
    std::set<fs::path> visited;
    std::error_code error;
    visited.insert(fs::weakly_canonical(root, error));

    // One listing per folder, breadth first: its files join the result in
    // name order, its subfolders the queue, so every folder's files follow
    // those of the folders listed before it.
    std::vector<fs::path> found;
    for (std::size_t i = 0; i < folders.size(); ++i) {
        std::vector<FolderEntry> entries;
        try {
            entries = list(folders[i]);
        } catch (const Failure& failure) {
            // A folder below the root that cannot be listed (no permission, gone
            // meanwhile) costs its own files only, when the caller takes the list.
            if (i == 0 || unlisted == nullptr)
                throw;
            unlisted->push_back({ folders[i], failure.what(), failure.phrase() });
            continue;
        }
        for (FolderEntry& entry : entries) {
            if (entry.kind == FolderEntry::Kind::Folder) {
                // A link back up the tree would make the search endless.
                const fs::path canonical = fs::weakly_canonical(entry.path, error);
                if (visited.insert(error ? entry.path : canonical).second)
                    folders.push_back(std::move(entry.path));
            } else if (entry.kind == FolderEntry::Kind::File && matchesFilePattern(fileNameOf(entry.path), pattern)) {
                found.push_back(std::move(entry.path));
            }
        }
    }
    return found;
}

void killFile(const fs::path& path)
{
    std::error_code error;
    if (!fs::is_regular_file(fs::symlink_status(path, error)) || isHiddenEntry(path))
        return;
#ifdef _WIN32
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
#else
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, error);
#endif
    if (!fs::remove(path, error) && error)
        throw Failure(
            ErrorCode::FileWriteFailed, "Can not delete the file " + pathToUtf8(path) + ": " + error.message());
}

std::int32_t gflngFindFiles(const fs::path& root, std::string_view pattern, std::vector<fs::path>& files)
{
    std::int32_t count = 0;
    trapped("modUtility", "gflngFindFiles", [&] {
        if (!root.empty())
            count = static_cast<std::int32_t>((files = findFiles(root, pattern)).size());
    });
    return count;
}

void gsKillFile(const fs::path& path)
{
    trapped("modUtility", "gsKillFile", [&] { killFile(path); });
}

std::string gfstrGetFileName(std::string_view path)
{
    for (std::size_t i = path.size(); i > 0; --i) {
        if (isSeparator(path[i - 1]))
            return std::string(path.substr(i));
    }
    return std::string(path);
}

std::string gfstrGetFileTitle(std::string_view path)
{
    std::string name = gfstrGetFileName(path);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos)
        name.resize(dot);
    return name;
}

std::string gfstrFixLineFeeds(std::string_view text)
{
    std::string result;
    result.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            result.push_back('\r');
        result.push_back(text[i]);
    }
    return result;
}

std::string gfstrStripCR(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (c != '\r')
            result.push_back(c);
    }
    return result;
}

void gsSortStrings(std::vector<std::string>& strings, bool ascending, bool textCompare)
{
    const auto before = [&](const std::string& a, const std::string& b) {
        if (textCompare)
            return ascending ? lessIgnoringCase(a, b) : lessIgnoringCase(b, a);
        return ascending ? a < b : b < a;
    };
    std::sort(strings.begin(), strings.end(), before);
}

} // namespace varnick
