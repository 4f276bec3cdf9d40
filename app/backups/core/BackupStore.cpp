#include "app/backups/core/BackupStore.h"

#include "package/base/ErrorTrap.h"
#include "package/base/FileReplace.h"
#include "package/base/Folders.h"
#include "package/base/Paths.h"
#include "package/base/ScratchFile.h"
#include "package/base/ScratchSweep.h"
#include "package/base/WholeFile.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <set>
#include <system_error>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#endif

namespace varnick {

namespace fs = std::filesystem;

namespace {

constexpr const char* kSourceFileName = "source.txt";
constexpr const char* kGenerationExtension = ".package";
// The empty file beside a lent generation whose modification time is when it was kept.
constexpr const char* kMarkerExtension = ".kept";

std::atomic<bool> gFailLinksForTesting { false };
// Hash folders probed for one hash before giving up (only ever reached by collisions).
constexpr int kMaxProbes = 64;

std::uint64_t fnv1a(std::string_view text)
{
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

std::string hex16(std::uint64_t value)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

std::optional<std::string> readSource(const fs::path& folder)
{
    std::error_code error;
    if (!fs::is_regular_file(folder / kSourceFileName, error))
        return std::nullopt;
    try {
        return readWholeFile(folder / kSourceFileName);
    } catch (const Failure&) {
        return std::nullopt;
    }
}

// The generation number of a file name "000123.package"; nothing for other files.
std::optional<int> generationNumber(const fs::path& file)
{
    const std::string stem = pathToUtf8(file.stem());
    if (pathToUtf8(file.extension()) != kGenerationExtension || stem.size() != 6
        || !std::all_of(stem.begin(), stem.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return std::stoi(stem);
}

fs::path generationFile(const fs::path& folder, int number)
{
    char name[16];
    std::snprintf(name, sizeof name, "%06d", number);
    return folder / (std::string(name) + kGenerationExtension);
}

fs::path markerOf(const fs::path& generation)
{
    fs::path marker = generation;
    marker.replace_extension(kMarkerExtension);
    return marker;
}

void removeGeneration(const fs::path& generation, std::error_code& error)
{
    fs::remove(generation, error);
    std::error_code ignored;
    fs::remove(markerOf(generation), ignored);
}

std::vector<BackupGeneration> generationsIn(const fs::path& folder)
{
    std::vector<BackupGeneration> found;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::optional<int> number = generationNumber(it->path());
        if (!number || !it->is_regular_file(error))
            continue;
        BackupGeneration generation { *number, it->path(), {} };
        std::error_code noMarker;
        generation.kept = fs::last_write_time(markerOf(it->path()), noMarker);
        if (noMarker)
            generation.kept = fs::last_write_time(it->path(), error);
        if (!error)
            found.push_back(generation);
        error.clear();
    }
    std::sort(found.begin(), found.end(),
        [](const BackupGeneration& a, const BackupGeneration& b) { return a.number < b.number; });
    return found;
}

// Drops the oldest generations after the original beyond generations.
void dropBeyond(const fs::path& folder, int generations)
{
    std::vector<BackupGeneration> kept = generationsIn(folder);
    // The original stays; the oldest of the later generations go first.
    while (static_cast<int>(kept.size()) > generations && kept.size() > 1) {
        std::error_code error;
        removeGeneration(kept[1].file, error);
        kept.erase(kept.begin() + 1);
    }
}

// Removes folder with its source name once no generation is left in it.
void removeFolderWhenEmpty(const fs::path& folder)
{
    if (!generationsIn(folder).empty())
        return;
    std::error_code gone;
    // Records of generations an interrupted keep never put in place.
    std::vector<fs::path> markers;
    for (fs::directory_iterator it(folder, gone), end; !gone && it != end; it.increment(gone)) {
        if (pathToUtf8(it->path().extension()) == kMarkerExtension)
            markers.push_back(it->path());
    }
    for (const fs::path& marker : markers)
        fs::remove(marker, gone);
    fs::remove(folder / kSourceFileName, gone);
    fs::remove(folder, gone);
}

[[noreturn]] void fail(ErrorCode code, Phrase what, const fs::path& file)
{
    throw Failure(code, Phrase(VARNICK_PHRASE("Failures", "%1: %2"), { std::move(what), pathToUtf8(file) }));
}

Phrase notKept(const Failure& failure)
{
    return Phrase(
        VARNICK_PHRASE("Backups", "The previous version cannot be kept as a backup (%1)"), { failure.phrase() });
}

} // namespace

std::string backupSourceKey(const fs::path& file)
{
    std::error_code error;
    fs::path absolute = fs::absolute(file, error);
    if (error)
        absolute = file;
    std::string key = pathToUtf8(absolute.lexically_normal());
#ifdef _WIN32
    std::replace(key.begin(), key.end(), '/', '\\');
    for (char& c : key) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
#endif
    return key;
}

BackupStore::BackupStore(fs::path folder, BackupPolicy policy)
    : mFolder(std::move(folder))
    , mPolicy(policy)
{
    mPolicy.generations = std::max(1, mPolicy.generations);
    mPolicy.maxAgeDays = std::max(0, mPolicy.maxAgeDays);
}

fs::path BackupStore::defaultFolder()
{
    return userDataFolder() / "Backups";
}

fs::path BackupStore::folderOf(const fs::path& file) const
{
    const std::string key = backupSourceKey(file);
    const std::string hash = hex16(fnv1a(key));
    std::error_code error;
    const fs::path first = mFolder / hash;
    const bool firstTaken = fs::exists(first, error);
    if (firstTaken && readSource(first) == key)
        return first;
    // The further probes hold folders only where two paths' hashes met; a
    // store asked about many new files learns where from one listing
    // instead of probing each name.
    if (!firstTaken && !mProbes->mayHaveFurther(mFolder, hash))
        return first;
    std::optional<fs::path> firstFree;
    for (int probe = firstTaken ? 1 : 0; probe < kMaxProbes; ++probe) {
        const fs::path candidate = mFolder / (probe == 0 ? hash : hash + "-" + std::to_string(probe));
        if (!fs::exists(candidate, error)) {
            // A later probe may still hold this file's folder when an earlier one was pruned.
            if (!firstFree)
                firstFree = candidate;
            continue;
        }
        if (readSource(candidate) == key)
            return candidate;
    }
    if (!firstFree)
        throw Failure(
            ErrorCode::FolderFailed, Phrase(VARNICK_PHRASE("Backups", "No backup folder is free for %1"), { key }));
    if (*firstFree != first)
        mProbes->noteFurther(hash);
    return *firstFree;
}

bool BackupStore::Probes::mayHaveFurther(const fs::path& store, const std::string& hash)
{
    const std::lock_guard lock(mutex);
    if (!listed) {
        listed = true;
        std::error_code error;
        for (fs::directory_iterator it(store, error), end; !error && it != end; it.increment(error)) {
            const std::string name = pathToUtf8(it->path().filename());
            if (const std::size_t dash = name.find('-'); dash != std::string::npos)
                further.insert(name.substr(0, dash));
        }
        // A store that cannot be listed is probed name by name.
        unlistable = static_cast<bool>(error) && error != std::errc::no_such_file_or_directory;
    }
    return unlistable || further.count(hash) != 0;
}

void BackupStore::Probes::noteFurther(const std::string& hash)
{
    const std::lock_guard lock(mutex);
    further.insert(hash);
}

std::optional<fs::path> BackupStore::keep(const fs::path& file)
{
    KeptBackup kept = keepCopy(file);
    kept.fileReplaced();
    return kept.generation();
}

KeptBackup BackupStore::keepCopy(const fs::path& file)
{
    std::error_code error;
    if (!fs::is_regular_file(file, error))
        return KeptBackup();
    KeptBackup result;
    result.mGenerations = mPolicy.generations;
    const fs::path folder = folderOf(file);
    std::vector<BackupGeneration> kept = generationsIn(folder);
    if (mPolicy.generations == 1 && !kept.empty()) {
        result.mGeneration = kept.front().file;
        return result;
    }

    // A first backup that fails leaves no folder behind: what this call
    // creates before the copy is in place goes again.
    const bool newStore = !fs::exists(mFolder, error);
    const bool newFolder = !fs::exists(folder, error);
    const auto undoFolder = [&] {
        std::error_code ignored;
        if (newFolder)
            fs::remove_all(folder, ignored);
        if (newStore)
            fs::remove(mFolder, ignored);
    };
    fs::create_directories(folder, error);
    if (error)
        fail(ErrorCode::FolderFailed, Phrase(VARNICK_PHRASE("Backups", "The backup folder cannot be created")), folder);
    // The source's name and the copy are each written whole through a scratch
    // file and flushed before they replace anything, so that after a crash a
    // generation is complete or absent and its folder still names its file.
    const int number = kept.empty() ? 1 : kept.back().number + 1;
    const fs::path target = generationFile(folder, number);
    const std::optional<FileStamp> stamp = fileStampOf(file);
    try {
        if (!fs::exists(folder / kSourceFileName, error))
            writeWholeFile(folder / kSourceFileName, backupSourceKey(file));
        ScratchFile copy(target);
        copy.copyFrom(file);
        copy.commit();
    } catch (const Failure& failure) {
        undoFolder();
        fail(failure.code(), notKept(failure), file);
    }
    flushNewFolders(newStore, newFolder);
    result.mGeneration = target;
    result.mNew = true;
    result.mStamp = stamp;
    return result;
}

void BackupStore::flushNewFolders(bool newStore, bool newFolder) const
{
    // A new folder's own name lives in its parent.
    if (newFolder)
        flushFolderToDisk(mFolder);
    if (newStore)
        flushFolderToDisk(mFolder.parent_path());
}

namespace {

// How many names file has; nothing when that cannot be told. The C runtime's
// stat on Windows always answers one, so Windows asks the file system itself.
std::optional<std::uintmax_t> nameCount(const fs::path& file)
{
#ifdef _WIN32
    const HANDLE handle = CreateFileW(systemPath(file).c_str(), FILE_READ_ATTRIBUTES,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
        nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION information {};
    const bool known = GetFileInformationByHandle(handle, &information) != 0;
    CloseHandle(handle);
    if (!known)
        return std::nullopt;
    return information.nNumberOfLinks;
#else
    std::error_code error;
    const std::uintmax_t names = fs::hard_link_count(file, error);
    if (error)
        return std::nullopt;
    return names;
#endif
}

} // namespace

KeptBackup BackupStore::keepBeforeReplace(const fs::path& file, KeepFlush flush)
{
    std::error_code error;
    if (!fs::is_regular_file(file, error))
        return KeptBackup();
    // A file with a second name already could be written in place through it,
    // and with it the backup; such a file is copied.
    if (nameCount(file) != std::optional<std::uintmax_t>(1) || gFailLinksForTesting)
        return keepCopy(file);
    KeptBackup result;
    result.mGenerations = mPolicy.generations;
    const fs::path folder = folderOf(file);
    const std::vector<BackupGeneration> kept = generationsIn(folder);
    if (mPolicy.generations == 1 && !kept.empty()) {
        result.mGeneration = kept.front().file;
        return result;
    }

    const bool newStore = !fs::exists(mFolder, error);
    const bool newFolder = !fs::exists(folder, error);
    fs::create_directories(folder, error);
    if (error)
        fail(ErrorCode::FolderFailed, Phrase(VARNICK_PHRASE("Backups", "The backup folder cannot be created")), folder);
    const int number = kept.empty() ? 1 : kept.back().number + 1;
    const fs::path target = generationFile(folder, number);
    const fs::path marker = markerOf(target);
    const std::optional<FileStamp> stamp = fileStampOf(file);
    const auto undo = [&] {
        std::error_code ignored;
        fs::remove(marker, ignored);
        if (newFolder)
            fs::remove_all(folder, ignored);
        if (newStore)
            fs::remove(mFolder, ignored);
    };
    bool wroteSource = false;
    try {
        // The time of keeping goes on record before the generation appears,
        // so that a generation never shows the package's own (older) time.
        RawFile(marker, RawFile::Mode::CreateTruncate).close();
#ifdef _WIN32
        // Opening a leftover record does not renew its time there.
        fs::last_write_time(marker, fs::file_time_type::clock::now(), error);
#endif
        // The folder's name is complete or absent, also after a crash.
        if (newFolder || !fs::exists(folder / kSourceFileName, error)) {
            // As every first write into a folder: a killed run's leftovers go first.
            sweepFolderBeforeWrite(folder);
            const fs::path scratch = scratchPathBeside(folder / kSourceFileName);
            try {
                RawFile source(scratch, RawFile::Mode::CreateTruncate);
                const std::string key = backupSourceKey(file);
                source.writeAt(0, key.data(), key.size());
                source.close();
                if (flush == KeepFlush::Now)
                    flushFileDataToDisk(scratch);
                std::error_code renamed;
                fs::rename(scratch, folder / kSourceFileName, renamed);
                if (renamed)
                    throw Failure(ErrorCode::FileReplaceFailed,
                        Phrase(
                            VARNICK_PHRASE("Backups", "The backup folder cannot be named: %1"), { renamed.message() }));
            } catch (...) {
                std::error_code ignored;
                fs::remove(scratch, ignored);
                throw;
            }
            wroteSource = true;
        }
        // A second name appears whole in one step: no scratch name is needed.
        fs::create_hard_link(file, target, error);
        if (error) {
            undo();
            return keepCopy(file);
        }
    } catch (const Failure& failure) {
        undo();
        fail(failure.code(), notKept(failure), file);
    }
    if (flush == KeepFlush::Now) {
        try {
            // The old bytes are flushed too: a file another program wrote just
            // now may not be on the disk yet, and the save is about to replace its name.
            flushFileDataToDisk(target);
        } catch (const Failure& failure) {
            std::error_code ignored;
            fs::remove(target, ignored);
            undo();
            fail(failure.code(), notKept(failure), file);
        }
        // One flush makes the folder's new names durable.
        flushFolderToDisk(folder);
        flushNewFolders(newStore, newFolder);
    } else {
        const std::lock_guard lock(mPending->mutex);
        mPending->files.push_back(target);
        if (wroteSource)
            mPending->files.push_back(folder / kSourceFileName);
        mPending->folders.insert(folder);
        if (newFolder)
            mPending->folders.insert(mFolder);
        if (newStore)
            mPending->folders.insert(mFolder.parent_path());
    }
    result.mGeneration = target;
    result.mMarker = marker;
    result.mNew = true;
    result.mStamp = stamp;
    return result;
}

void BackupStore::flushKept()
{
    std::vector<fs::path> files;
    std::set<fs::path> folders;
    {
        const std::lock_guard lock(mPending->mutex);
        files.swap(mPending->files);
        folders.swap(mPending->folders);
    }
    if (files.empty())
        return;
    // One flush of the volume costs about what one file's does, and covers them all.
    if (flushVolumeToDisk(mFolder))
        return;
    for (const fs::path& file : files)
        flushFileDataToDisk(file);
    for (const fs::path& folder : folders)
        flushFolderToDisk(folder);
}

void BackupStore::failLinksForTesting(bool fail)
{
    gFailLinksForTesting = fail;
}

KeptBackup::~KeptBackup()
{
    withdraw();
}

KeptBackup::KeptBackup(KeptBackup&& other) noexcept
    : mGeneration(std::exchange(other.mGeneration, std::nullopt))
    , mMarker(std::exchange(other.mMarker, {}))
    , mNew(std::exchange(other.mNew, false))
    , mStamp(std::exchange(other.mStamp, std::nullopt))
    , mGenerations(other.mGenerations)
{
}

KeptBackup& KeptBackup::operator=(KeptBackup&& other) noexcept
{
    if (this != &other) {
        withdraw();
        mGeneration = std::exchange(other.mGeneration, std::nullopt);
        mMarker = std::exchange(other.mMarker, {});
        mNew = std::exchange(other.mNew, false);
        mStamp = std::exchange(other.mStamp, std::nullopt);
        mGenerations = other.mGenerations;
    }
    return *this;
}

void KeptBackup::fileReplaced()
{
    if (!mNew || !mGeneration)
        return;
    mNew = false;
    // Older generations go only now: a save that fails keeps them all.
    dropBeyond(mGeneration->parent_path(), mGenerations);
}

void KeptBackup::withdraw() noexcept
{
    if (!mNew || !mGeneration)
        return;
    mNew = false;
    try {
        std::error_code ignored;
        removeGeneration(*mGeneration, ignored);
        removeFolderWhenEmpty(mGeneration->parent_path());
    } catch (...) {
        // A generation left behind is a backup too many, never a loss.
    }
}

std::vector<BackupGeneration> BackupStore::generations(const fs::path& file) const
{
    try {
        return generationsIn(folderOf(file));
    } catch (...) {
        return {};
    }
}

void BackupStore::restoreOriginal(const fs::path& file)
{
    const std::vector<BackupGeneration> kept = generations(file);
    if (kept.empty())
        fail(ErrorCode::FileOpenFailed, Phrase(VARNICK_PHRASE("Backups", "No original of this file was kept")), file);
    const fs::path original = kept.front().file;
    ScratchFile copy(file);
    try {
        copy.copyFrom(original);
    } catch (const Failure& failure) {
        fail(failure.code(),
            Phrase(VARNICK_PHRASE("Backups", "The original cannot be copied back (%1)"), { failure.phrase() }), file);
    }
    // The current version is kept even when the policy keeps the original
    // alone (whose keep() copies nothing): it is what the restore replaces.
    BackupPolicy keepCurrent = mPolicy;
    if (keepCurrent.generations == 1)
        keepCurrent.generations = static_cast<int>(kept.size()) + 1;
    BackupStore(mFolder, keepCurrent).keep(file);
    copy.commit();
}

std::size_t BackupStore::prune(fs::file_time_type now)
{
    if (mPolicy.maxAgeDays == 0)
        return 0;
    const fs::file_time_type limit = now - std::chrono::hours(24) * mPolicy.maxAgeDays;
    std::size_t removed = 0;
    std::error_code error;
    std::vector<fs::path> folders;
    for (fs::directory_iterator it(mFolder, error), end; !error && it != end; it.increment(error)) {
        std::error_code kind;
        if (it->is_directory(kind))
            folders.push_back(it->path());
    }
    for (const fs::path& folder : folders) {
        const std::vector<BackupGeneration> kept = generationsIn(folder);
        std::size_t left = kept.size();
        for (const BackupGeneration& generation : kept) {
            std::error_code gone;
            if (generation.kept < limit && fs::remove(generation.file, gone)) {
                fs::remove(markerOf(generation.file), gone);
                ++removed;
                --left;
            }
        }
        if (left == 0 && !kept.empty())
            removeFolderWhenEmpty(folder);
    }
    return removed;
}

} // namespace varnick
