#include "app/recolors/core/FileMoves.h"

#include "package/base/ErrorTrap.h"
#include "package/base/FileReplace.h"
#include "package/base/Paths.h"
#include "package/base/SafeFileName.h"
#include "package/base/ScratchFile.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <optional>
#include <set>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#else
#include <unistd.h>
#endif

namespace varnick::recolors {

namespace fs = std::filesystem;

namespace {

// Names compared as the destination's file system would: without ASCII case on Windows.
std::string nameKey(const fs::path& file)
{
    std::string name = pathToUtf8(file.filename());
#ifdef _WIN32
    std::transform(name.begin(), name.end(), name.begin(),
        [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
#endif
    return name;
}

bool sameContents(const fs::path& a, const fs::path& b)
{
    std::error_code ec;
    if (fs::file_size(a, ec) != fs::file_size(b, ec) || ec)
        return false;
    std::ifstream first(a, std::ios::binary);
    std::ifstream second(b, std::ios::binary);
    if (!first || !second)
        return false;
    std::vector<char> bufferA(1 << 16);
    std::vector<char> bufferB(1 << 16);
    while (first && second) {
        first.read(bufferA.data(), static_cast<std::streamsize>(bufferA.size()));
        second.read(bufferB.data(), static_cast<std::streamsize>(bufferB.size()));
        if (first.gcount() != second.gcount()
            || !std::equal(bufferA.begin(), bufferA.begin() + first.gcount(), bufferB.begin()))
            return false;
    }
    return first.eof() && second.eof();
}

[[noreturn]] void moveFailed(const fs::path& file, const std::string& why)
{
    throw Failure(ErrorCode::FileWriteFailed, "Could not move " + pathToUtf8(file) + ": " + why);
}

} // namespace

bool sameFolder(const fs::path& first, const fs::path& second)
{
    // The folder of a bare file name ("x.package" has the parent "") is the current one.
    const fs::path a = first.empty() ? fs::path(".") : first;
    const fs::path b = second.empty() ? fs::path(".") : second;
    std::error_code ec;
    if (fs::equivalent(a, b, ec))
        return true;
    auto plain = [](const fs::path& p) {
        fs::path normal = p.lexically_normal();
        if (!normal.has_filename() && normal.has_parent_path() && normal != normal.root_path())
            normal = normal.parent_path();
        return normal;
    };
    return plain(a) == plain(b);
}

MoveCheck checkMove(const std::vector<fs::path>& files, const fs::path& destination)
{
    MoveCheck check;
    if (!files.empty())
        check.samePlace = sameFolder(files.front().parent_path(), destination);
    std::error_code folderError;
    check.destinationMissing = !fs::is_directory(destination, folderError);
    std::set<std::string> names;
    for (const fs::path& file : files) {
        const fs::path target = destination / file.filename();
        std::error_code ec;
        const bool taken = fs::exists(target, ec) || ec;
        if (!names.insert(nameKey(file)).second || taken)
            check.clashes.push_back(target);
    }
    return check;
}

void moveFileChecked(const fs::path& from, const fs::path& to, const RenameFunction& rename)
{
    std::error_code ec;
    if (fs::exists(to, ec))
        moveFailed(from, "a file of that name is already in the destination");
    if (rename)
        rename(from, to, ec);
    else
        fs::rename(from, to, ec);
    if (!ec)
        return;
    // Another volume (or a rename refused): the copy is complete and on disk
    // under its own name, and equal to the original, before the original goes.
    try {
        ScratchFile copy(to);
        copy.copyFrom(from);
        copy.commit();
    } catch (const Failure& failure) {
        moveFailed(from, failure.what());
    }
    if (!sameContents(from, to)) {
        fs::remove(to, ec);
        moveFailed(from, "the copy differs from the original");
    }
    // The file keeps its time, as a rename would have kept it.
    const fs::file_time_type modified = fs::last_write_time(from, ec);
    if (!ec)
        fs::last_write_time(to, modified, ec);
    ec.clear();
    if (!fs::remove(from, ec) || ec)
        moveFailed(from, "copied, but the original could not be removed: " + ec.message());
}

std::int32_t moveFiles(const std::vector<fs::path>& files, const fs::path& destination, const RenameFunction& rename)
{
#ifdef _WIN32
    // Such a file can be neither opened nor made under its own name by plain
    // paths; the whole move is refused before anything is moved.
    for (const fs::path& file : files)
        if (const std::optional<std::string> problem = fileNameProblem(pathToUtf8(file.filename())))
            moveFailed(file,
                "Windows does not allow the name (the name " + *problem + "); rename it first. Nothing was moved");
#endif
    std::int32_t moved = 0;
    for (const fs::path& file : files) {
        moveFileChecked(file, destination / file.filename(), rename);
        ++moved;
    }
    return moved;
}

std::int32_t deleteFiles(const std::vector<fs::path>& files, const RemoveFunction& remove)
{
    std::int32_t gone = 0;
    for (const fs::path& file : files) {
        std::error_code ec;
        if (!fs::exists(file, ec) || remove(file))
            ++gone;
    }
    return gone;
}

bool removeOutright(const fs::path& file)
{
    std::error_code ec;
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add, ec);
    ec.clear();
    fs::remove(file, ec);
    return !ec;
}

#ifdef _WIN32

bool platformHasTrash()
{
    return true;
}

bool moveToPlatformTrash(const fs::path& file)
{
    std::wstring from = fs::absolute(file).wstring();
    from.push_back(L'\0'); // the list ends in two NULs
    SHFILEOPSTRUCTW op {};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    return SHFileOperationW(&op) == 0 && !op.fAnyOperationsAborted;
}

#else

namespace {

fs::path trashFolder()
{
    if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr && *data != '\0')
        return fs::path(data) / "Trash";
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        return fs::path(home) / ".local" / "share" / "Trash";
    return {};
}

// Percent-encodes a path for the Path= line of a .trashinfo file.
std::string encodedPath(const std::string& path)
{
    static const char* kHex = "0123456789ABCDEF";
    std::string out;
    for (const char c : path) {
        const auto u = static_cast<unsigned char>(c);
        if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || c == '/' || c == '-'
            || c == '_' || c == '.' || c == '~') {
            out.push_back(c);
        } else {
            out.push_back('%');
            out.push_back(kHex[u >> 4]);
            out.push_back(kHex[u & 15]);
        }
    }
    return out;
}

} // namespace

bool platformHasTrash()
{
    return !trashFolder().empty();
}

bool moveToPlatformTrash(const fs::path& file)
{
    const fs::path trash = trashFolder();
    if (trash.empty())
        return false;
    std::error_code ec;
    fs::create_directories(trash / "files", ec);
    fs::create_directories(trash / "info", ec);
    const fs::path source = fs::absolute(file, ec);
    const std::string stem = pathToUtf8(file.stem());
    const std::string extension = pathToUtf8(file.extension());
    for (int n = 1; n < 10000; ++n) {
        const std::string name = n == 1 ? stem + extension : stem + "." + std::to_string(n) + extension;
        const fs::path info = trash / "info" / pathFromUtf8(name + ".trashinfo");
        const std::time_t now = std::time(nullptr);
        char stamp[32] = {};
        std::tm local {};
        localtime_r(&now, &local);
        std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%S", &local);
        const std::string text
            = "[Trash Info]\nPath=" + encodedPath(pathToUtf8(source)) + "\nDeletionDate=" + stamp + "\n";
        // The info file is written under a scratch name and then linked to its
        // own name, which claims the name exclusively and with its whole text:
        // a run stopped half way leaves no empty info file behind, only a
        // scratch file the next sweep removes.
        const fs::path scratch = scratchPathBeside(info);
        std::FILE* out = std::fopen(pathToUtf8(scratch).c_str(), "wx");
        if (out == nullptr)
            return false; // the trash cannot be written to
        const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
        const bool closed = std::fclose(out) == 0;
        const int linked = written && closed ? ::link(pathToUtf8(scratch).c_str(), pathToUtf8(info).c_str()) : -1;
        const int linkError = errno;
        fs::remove(scratch, ec);
        if (linked != 0) {
            if (written && closed && linkError == EEXIST)
                continue;
            return false;
        }
        const fs::path target = trash / "files" / pathFromUtf8(name);
        if (written && closed && !fs::exists(target, ec)) {
            fs::rename(source, target, ec);
            if (!ec)
                return true;
            fs::remove(info, ec);
            return false; // another volume or no permission: the caller decides
        }
        fs::remove(info, ec);
        if (!written || !closed)
            return false;
        // A file of that name is in the trash without its info file: try the next name.
    }
    return false;
}

#endif

} // namespace varnick::recolors
