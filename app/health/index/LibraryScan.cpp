#include "app/health/index/LibraryScan.h"

#include "app/startup/core/GamePacks.h"

#include "package/base/ErrorTrap.h"
#include "package/base/FolderListing.h"
#include "package/base/ParallelFor.h"
#include "package/base/Paths.h"

#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <exception>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <unordered_map>
#include <utility>

#ifndef _WIN32
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace varnick::health {

namespace {

unsigned workerCount(unsigned requested)
{
    if (requested != 0)
        return requested;
    return std::max(2U, std::thread::hardware_concurrency());
}

// Runs work(i) for i in [0, count) on the scan's workers; stops handing out
// new items once cancel is set. Returns false when cancelled.
template <typename Work> bool parallelFor(std::size_t count, const ScanOptions& options, Work&& work)
{
    const auto cancelled = [&] { return options.cancel != nullptr && options.cancel->load(); };
    const std::size_t done
        = varnick::parallelFor(count, workerCount(options.threads), work, cancelled, [&](std::size_t finished) {
              if (options.progress)
                  options.progress(finished, count);
          });
    return !cancelled() || done == count;
}

// The index is a cache: when another instance keeps it locked past the busy
// timeout (or the disk is full), this scan's results still stand and the next
// scan reads those files again.
template <typename Write> void keepInIndex(Write&& write)
{
    try {
        write();
    } catch (const Failure&) {
    }
}

#ifdef _WIN32
std::string lowerExtension(const std::filesystem::path& file)
{
    std::string extension = pathToUtf8(file.extension());
    std::transform(extension.begin(), extension.end(), extension.begin(),
        [](char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return extension;
}

bool isPackageName(const std::filesystem::path& file)
{
    return lowerExtension(file) == ".package";
}

bool isSims2PackName(const std::filesystem::path& file)
{
    return lowerExtension(file) == ".sims2pack";
}
#endif

// The object package of every pack of the game (the base game's and each
// expansion's); a folder of no known layout is read whole.
std::vector<PackageRecord> gameObjectRecords(const std::filesystem::path& gameFolder)
{
    const std::vector<std::filesystem::path> packages = gameObjectPackages(gameFolder);
    if (packages.empty())
        return listPackages(gameFolder);
    std::vector<PackageRecord> files;
    for (const std::filesystem::path& package : packages) {
        std::error_code error;
        PackageRecord record;
        record.relativePath = relativeText(package, gameFolder);
        record.size = static_cast<std::int64_t>(std::filesystem::file_size(package, error));
        if (!error)
            record.modifiedTime = modificationTicks(std::filesystem::last_write_time(package, error));
        if (!error)
            files.push_back(std::move(record));
    }
    return files;
}

// The game's object GUIDs: kept in the index with a signature of the files
// they came from, and read again only when those files changed.
std::vector<std::uint32_t> gameGuids(LibraryIndex& index, const ScanOptions& options)
{
    if (options.gameFolder.empty())
        return {};
    std::error_code error;
    if (!std::filesystem::is_directory(options.gameFolder, error))
        return {};
    std::vector<PackageRecord> files = gameObjectRecords(options.gameFolder);
    std::string signature;
    for (const PackageRecord& file : files)
        signature
            += file.relativePath + '|' + std::to_string(file.size) + '|' + std::to_string(file.modifiedTime) + '\n';
    std::uint64_t hash = 14695981039346656037ULL;
    for (unsigned char c : pathToUtf8(options.gameFolder) + '\n' + signature) {
        hash ^= c;
        hash *= 1099511628211ULL;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    if (index.gameSignature() == text)
        return index.gameGuids();
    std::vector<std::vector<std::uint32_t>> perFile(files.size());
    ScanOptions quiet = options;
    quiet.progress = nullptr;
    const bool complete = parallelFor(files.size(), quiet, [&](std::size_t i) {
        try {
            perFile[i] = readDefinitionGuids(options.gameFolder / pathFromUtf8(files[i].relativePath));
        } catch (const Failure&) {
            // A game file that cannot be read defines no objects for this purpose.
        }
    });
    std::vector<std::uint32_t> guids;
    for (const auto& list : perFile)
        guids.insert(guids.end(), list.begin(), list.end());
    std::sort(guids.begin(), guids.end());
    guids.erase(std::unique(guids.begin(), guids.end()), guids.end());
    if (complete)
        keepInIndex([&] { index.setGameGuids(text, guids); });
    return guids;
}

} // namespace

std::string relativeText(const std::filesystem::path& file, const std::filesystem::path& root)
{
    // The listing's paths start with the root as given: cutting it off is much
    // quicker than lexically_relative, which stays for any other shape.
    const auto& full = file.native();
    const auto& prefix = root.native();
    std::string text;
    if (!prefix.empty() && full.size() > prefix.size() && full.compare(0, prefix.size(), prefix) == 0) {
        const auto isSeparator = [](auto c) { return c == '/' || c == std::filesystem::path::preferred_separator; };
        std::size_t start = prefix.size();
        if (!isSeparator(prefix.back()))
            start = isSeparator(full[start]) ? start + 1 : full.size();
        if (start < full.size())
            text = pathToUtf8(std::filesystem::path(full.substr(start)));
    }
    if (text.empty())
        text = pathToUtf8(file.lexically_relative(root));
#ifdef _WIN32
    std::replace(text.begin(), text.end(), '\\', '/');
#endif
    return text;
}

#ifndef _WIN32
namespace {

bool hasExtension(std::string_view name, std::string_view extension)
{
    if (name.size() <= extension.size()) // ".package" alone is a hidden file without extension
        return false;
    for (std::size_t i = 0; i < extension.size(); ++i) {
        char c = name[name.size() - extension.size() + i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
        if (c != extension[i])
            return false;
    }
    return true;
}

// Deeper folders than this are passed over.
constexpr int kMaxListingDepth = 256;

// The listing of a folder tree by two threads (the kernel's work of reading
// folders and stamping files spreads over the cores). Each folder is opened
// once, relative to the root, when a thread takes it (so a tree of thousands
// of folders never holds more than two open); its packages are stamped by
// one fstatat each, relative to the folder, so that the kernel does not walk
// the whole path again. Links to folders are not followed, as the directory
// iterator does not follow them.
class TreeListing {
public:
    /// Takes ownership of rootFd. Sims2Pack files met go to sims2Packs when given.
    TreeListing(int rootFd, std::vector<std::string>* sims2Packs)
        : mRootFd(rootFd)
        , mSims2Packs(sims2Packs)
    {
    }
    ~TreeListing() { ::close(mRootFd); }
    TreeListing(const TreeListing&) = delete;
    TreeListing& operator=(const TreeListing&) = delete;

    std::vector<PackageRecord> run()
    {
        mFolders.push_back({ std::string(), 0 });
        std::vector<PackageRecord> found[2];
        std::thread helper([&] { work(found[1]); });
        work(found[0]);
        helper.join();
        if (mFailure)
            std::rethrow_exception(mFailure);
        found[0].insert(
            found[0].end(), std::make_move_iterator(found[1].begin()), std::make_move_iterator(found[1].end()));
        return std::move(found[0]);
    }

private:
    struct Folder {
        std::string prefix; ///< relative path with a trailing '/' ("" for the root)
        int depth;
    };

    // Takes folders until none is left and no thread is reading one (which
    // could still find more). A failure (out of memory) ends the listing.
    void work(std::vector<PackageRecord>& files)
    {
        for (;;) {
            Folder folder;
            {
                std::unique_lock lock(mMutex);
                mChanged.wait(lock, [&] { return !mFolders.empty() || mBusy == 0; });
                if (mFolders.empty())
                    return;
                folder = std::move(mFolders.back());
                mFolders.pop_back();
                ++mBusy;
            }
            try {
                list(folder, files);
            } catch (...) {
                const std::lock_guard lock(mMutex);
                if (!mFailure)
                    mFailure = std::current_exception();
                mFolders.clear();
            }
            {
                const std::lock_guard lock(mMutex);
                --mBusy;
            }
            mChanged.notify_all();
        }
    }

    void list(const Folder& where, std::vector<PackageRecord>& files)
    {
        // Without the trailing '/', which would make the last name's link be followed.
        const std::string path
            = where.prefix.empty() ? std::string(".") : where.prefix.substr(0, where.prefix.size() - 1);
        const int fd = ::openat(mRootFd, path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            return;
        DIR* folder = ::fdopendir(fd);
        if (folder == nullptr) {
            ::close(fd);
            return;
        }
        const std::unique_ptr<DIR, int (*)(DIR*)> closer(folder, ::closedir);
        std::vector<Folder> subfolders;
        while (const dirent* entry = ::readdir(folder)) {
            const std::string_view name = entry->d_name;
            if (name == "." || name == "..")
                continue;
            if (mSims2Packs != nullptr && hasExtension(name, ".sims2pack") && entry->d_type != DT_DIR) {
                struct stat info { };
                if (::fstatat(fd, entry->d_name, &info, 0) == 0 && S_ISREG(info.st_mode)) {
                    const std::lock_guard lock(mMutex);
                    mSims2Packs->push_back(where.prefix + entry->d_name);
                    continue;
                }
            }
            if (hasExtension(name, ".package") && entry->d_type != DT_DIR) {
                struct stat info { };
                if (::fstatat(fd, entry->d_name, &info, 0) == 0 && S_ISREG(info.st_mode)) {
                    PackageRecord record;
                    record.relativePath = where.prefix + entry->d_name;
                    record.size = static_cast<std::int64_t>(info.st_size);
                    record.modifiedTime
                        = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec;
                    record.diskOrder = static_cast<std::uint64_t>(info.st_ino);
                    files.push_back(std::move(record));
                    continue;
                }
            }
            // A link to a folder is refused when the folder is opened (O_NOFOLLOW).
            if ((entry->d_type == DT_DIR || entry->d_type == DT_UNKNOWN) && where.depth < kMaxListingDepth)
                subfolders.push_back({ where.prefix + entry->d_name + '/', where.depth + 1 });
        }
        if (subfolders.empty())
            return;
        {
            const std::lock_guard lock(mMutex);
            for (Folder& subfolder : subfolders)
                mFolders.push_back(std::move(subfolder));
        }
        mChanged.notify_all();
    }

    int mRootFd;
    std::vector<std::string>* mSims2Packs;
    std::mutex mMutex;
    std::condition_variable mChanged;
    std::vector<Folder> mFolders; ///< found, not yet read
    int mBusy = 0; ///< folders being read
    std::exception_ptr mFailure; ///< the first failure of a thread (out of memory)
};

} // namespace
#endif

std::vector<PackageRecord> listPackages(const std::filesystem::path& root, std::vector<std::string>* sims2Packs)
{
    std::error_code error;
    if (!std::filesystem::is_directory(root, error))
        throw Failure(
            ErrorCode::FolderFailed, "The folder " + pathToUtf8(root) + " does not exist or cannot be listed");
    std::vector<PackageRecord> files;
#ifdef _WIN32
    // Breadth first through the system's own listing, which reaches folders
    // beyond MAX_PATH; links to folders are not followed, as elsewhere.
    std::vector<std::filesystem::path> folders { root };
    for (std::size_t i = 0; i < folders.size(); ++i) {
        std::vector<FolderEntry> entries;
        listFolder(folders[i], entries, error);
        for (const FolderEntry& entry : entries) {
            // A name that is not valid Unicode cannot be kept as text that leads back to the file.
            if (entry.isLink || !isUnicodePath(entry.path.filename()))
                continue;
            if (entry.kind == FolderEntry::Kind::Folder) {
                folders.push_back(entry.path);
                continue;
            }
            if (entry.kind != FolderEntry::Kind::File)
                continue;
            if (sims2Packs != nullptr && isSims2PackName(entry.path)) {
                sims2Packs->push_back(relativeText(entry.path, root));
                continue;
            }
            if (!isPackageName(entry.path))
                continue;
            std::error_code fileError;
            PackageRecord record;
            record.relativePath = relativeText(entry.path, root);
            record.size = static_cast<std::int64_t>(std::filesystem::file_size(entry.path, fileError));
            if (!fileError)
                record.modifiedTime = modificationTicks(std::filesystem::last_write_time(entry.path, fileError));
            if (!fileError)
                files.push_back(std::move(record));
        }
    }
#else
    // The rescan of an unchanged library is mostly this listing.
    const int fd = ::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        throw Failure(
            ErrorCode::FolderFailed, "The folder " + pathToUtf8(root) + " does not exist or cannot be listed");
    files = TreeListing(fd, sims2Packs).run();
#endif
    std::sort(files.begin(), files.end(),
        [](const PackageRecord& a, const PackageRecord& b) { return a.relativePath < b.relativePath; });
    if (sims2Packs != nullptr)
        std::sort(sims2Packs->begin(), sims2Packs->end());
    return files;
}

ScanResult scanLibrary(LibraryIndex& index, const ScanOptions& options)
{
    ScanResult result;
    result.records = listPackages(options.root, &result.sims2Packs);
    std::unordered_map<std::string, PackageRecord> stored = index.records();

    std::vector<std::size_t> toRead;
    for (std::size_t i = 0; i < result.records.size(); ++i) {
        PackageRecord& record = result.records[i];
        auto found = stored.find(record.relativePath);
        if (found != stored.end() && found->second.size == record.size
            && found->second.modifiedTime == record.modifiedTime)
            record = std::move(found->second);
        else
            toRead.push_back(i);
        if (found != stored.end())
            stored.erase(found);
    }
    std::vector<std::string> removed;
    for (const auto& [path, record] : stored)
        removed.push_back(path);
    // The packages are read in the order they lie on the disk, as far as the
    // listing tells (by inode where there are inodes): a first scan after the
    // computer started reads from the disk, not from memory. Their records
    // stay in name order.
    std::stable_sort(toRead.begin(), toRead.end(),
        [&](std::size_t a, std::size_t b) { return result.records[a].diskOrder < result.records[b].diskOrder; });

    // Duplicates: only files that share their size with another are hashed,
    // those read now as they are read.
    std::unordered_map<std::int64_t, int> sizes;
    for (const PackageRecord& record : result.records)
        ++sizes[record.size];
    // What the workers read is written to the index by a thread of its own
    // as they go, in transactions of a few thousand records, so that the
    // database's work overlaps the reading instead of following it.
    std::mutex doneMutex;
    std::condition_variable doneChanged;
    std::vector<std::size_t> done;
    bool finished = false;
    // Anything but a failing database (which keepInIndex passes over) ends
    // the writer and comes back to the scan's caller once the workers are done.
    std::exception_ptr writerFailure;
    std::thread writer([&] {
        try {
            constexpr std::size_t kBatch = 4096;
            for (bool last = false; !last;) {
                std::vector<std::size_t> taken;
                {
                    std::unique_lock lock(doneMutex);
                    doneChanged.wait(lock, [&] { return done.size() >= kBatch || finished; });
                    taken.swap(done);
                    last = finished;
                }
                std::vector<const PackageRecord*> batch;
                batch.reserve(taken.size());
                for (const std::size_t n : taken)
                    batch.push_back(&result.records[toRead[n]]);
                keepInIndex([&] {
                    if (options.beforeIndexWriteForTesting)
                        options.beforeIndexWriteForTesting();
                    index.update(batch, last ? removed : std::vector<std::string> {});
                });
            }
        } catch (...) {
            writerFailure = std::current_exception();
        }
    });
    std::size_t reread = 0;
    bool complete = false;
    try {
        complete = parallelFor(toRead.size(), options, [&](std::size_t n) {
            PackageRecord& record = result.records[toRead[n]];
            const bool withHash = record.size > 0 && std::as_const(sizes).at(record.size) > 1;
            PackageRecord fresh
                = inspectPackage(options.root / pathFromUtf8(record.relativePath), record.size, withHash);
            fresh.relativePath = std::move(record.relativePath);
            fresh.modifiedTime = record.modifiedTime;
            record = std::move(fresh);
            const std::lock_guard lock(doneMutex);
            done.push_back(n);
            ++reread;
            if (done.size() >= 4096)
                doneChanged.notify_one();
        });
    } catch (...) {
        {
            const std::lock_guard lock(doneMutex);
            finished = true;
        }
        doneChanged.notify_one();
        writer.join();
        throw;
    }
    {
        const std::lock_guard lock(doneMutex);
        finished = true;
    }
    doneChanged.notify_one();
    writer.join();
    if (writerFailure)
        std::rethrow_exception(writerFailure);
    result.reread = reread;
    if (!complete) {
        result.cancelled = true;
        return result;
    }

    // The files whose size another file shares and which have no hash yet
    // (stored before another file of their size came, or too large to be read whole).
    std::vector<std::size_t> toHash;
    for (std::size_t i = 0; i < result.records.size(); ++i)
        if (result.records[i].size > 0 && sizes[result.records[i].size] > 1 && result.records[i].hash.empty())
            toHash.push_back(i);
    std::vector<char> hashed(toHash.size(), 0);
    const bool hashesComplete = parallelFor(toHash.size(), options, [&](std::size_t n) {
        PackageRecord& record = result.records[toHash[n]];
        try {
            record.hash = hashFile(options.root / pathFromUtf8(record.relativePath));
            hashed[n] = 1;
        } catch (const Failure&) {
            // Unreadable now (removed or locked since the listing): no duplicate claim.
        }
    });
    std::vector<std::pair<std::string, std::string>> hashes;
    for (std::size_t n = 0; n < toHash.size(); ++n)
        if (hashed[n] != 0)
            hashes.emplace_back(result.records[toHash[n]].relativePath, result.records[toHash[n]].hash);
    keepInIndex([&] { index.setHashes(hashes); });
    if (!hashesComplete) {
        result.cancelled = true;
        return result;
    }
    result.gameGuids = gameGuids(index, options);
    result.cancelled = options.cancel != nullptr && options.cancel->load();
    return result;
}

} // namespace varnick::health
