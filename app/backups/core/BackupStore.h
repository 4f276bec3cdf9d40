#pragma once

// Earlier versions of the packages the program rewrites, kept in a backup
// folder of the per-user data folder so that a mistaken save has a way back.
//
// Each source file has a folder of its own under the backup folder, named by
// a hash of its full path (the path itself is kept in "source.txt" beside the
// copies, so that two paths with one hash get two folders). Its generations
// are the files "000001.package", "000002.package", ...; generation 1 is the
// file as it was before the program first wrote it, and is kept however many
// later generations come and go, until it is older than the policy's days. Qt-free; the editor, the batch editor and
// varnick-cli share it.
//
// A generation is usually a copy, whose modification time says when it was
// kept. A save that replaces the package by a rename lends the old file
// itself instead (a second name of the same bytes, see keepBeforeReplace):
// its modification time is then the package's, and an empty "000001.kept"
// beside it carries the time it was kept.

#include "package/base/FileStamp.h"

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace varnick {

/// How many backups are kept and for how long.
struct BackupPolicy {
    /// Generations kept per file, the original included (at least 1: the original alone).
    int generations = 1;
    /// Backups older than this many days go at the next pruning; 0 keeps them for ever.
    int maxAgeDays = 30;
};

/// One kept version of a file.
struct BackupGeneration {
    int number = 0; ///< 1 is the original
    std::filesystem::path file;
    std::filesystem::file_time_type kept {}; ///< when it was kept
};

/// What keepBeforeReplace kept. A generation this keep made is taken out of
/// the store again when the KeptBackup goes without fileReplaced() (the save
/// failed, was refused or changed nothing): a save that writes nothing keeps
/// nothing, and no generation stays a second name of a file that may still be
/// written in place.
class KeptBackup {
public:
    KeptBackup() = default;
    ~KeptBackup();
    KeptBackup(KeptBackup&& other) noexcept;
    KeptBackup& operator=(KeptBackup&& other) noexcept;
    KeptBackup(const KeptBackup&) = delete;
    KeptBackup& operator=(const KeptBackup&) = delete;

    /// The generation now holding the file's bytes; nothing when the file did not exist.
    const std::optional<std::filesystem::path>& generation() const { return mGeneration; }
    /// Whether the generation is a second name of the file (nothing was copied).
    bool linked() const { return !mMarker.empty(); }
    /// The kept bytes' size and time, when this keep made the generation
    /// (the file's own, for a second name): a save compares them with what it
    /// loads, so that the version it replaces is the one kept.
    const std::optional<FileStamp>& fileStamp() const { return mStamp; }

    /// Tells that the file was replaced by a rename: the generation stays, and
    /// the oldest generations beyond the policy go.
    void fileReplaced();

private:
    friend class BackupStore;
    void withdraw() noexcept;
    std::optional<std::filesystem::path> mGeneration;
    std::filesystem::path mMarker;
    bool mNew = false; ///< made by this keep: withdrawn unless the file is replaced
    std::optional<FileStamp> mStamp;
    int mGenerations = 1;
};

/// Whether keepBeforeReplace flushes what it kept to disk itself.
enum class KeepFlush {
    Now, ///< before it returns (one save)
    Later, ///< at flushKept(), once for many (a batch), before any of the files is replaced
};

class BackupStore {
public:
    /// A store in folder (created at the first backup); the program passes defaultFolder().
    explicit BackupStore(std::filesystem::path folder, BackupPolicy policy = {});

    /// userDataFolder() / "Backups".
    static std::filesystem::path defaultFolder();

    const std::filesystem::path& folder() const { return mFolder; }
    const BackupPolicy& policy() const { return mPolicy; }

    /// Copies file as it is now into a new generation, then drops the oldest
    /// generations after the original beyond the policy; with one generation
    /// only the original is kept, so later calls copy nothing. Flushed to disk before it returns. Returns the
    /// generation now holding the file's bytes, or nothing when file does not
    /// exist. Throws Failure (and leaves file alone) when the copy cannot be made.
    std::optional<std::filesystem::path> keep(const std::filesystem::path& file);

    /// keep() for a caller about to replace file by renaming a finished file
    /// over it (never by writing it in place): the new generation is then a
    /// second name of file's bytes, made durable without copying them. Falls
    /// back to keep()'s copy where the file system has no such names (FAT,
    /// some network shares) or file has other names already. Call
    /// fileReplaced() on the result once the rename is done. Throws as keep().
    KeptBackup keepBeforeReplace(const std::filesystem::path& file, KeepFlush flush = KeepFlush::Now);

    /// Makes every generation kept with KeepFlush::Later durable: one flush of
    /// the store's volume where the system has one, else file by file. Safe
    /// from several threads. Throws Failure(FileWriteFailed).
    void flushKept();

    /// Test seam: while set, keepBeforeReplace finds no second names possible and copies.
    static void failLinksForTesting(bool fail);

    /// The kept generations of file, oldest first. Never throws.
    std::vector<BackupGeneration> generations(const std::filesystem::path& file) const;

    /// Whether an original of file is kept.
    bool hasOriginal(const std::filesystem::path& file) const { return !generations(file).empty(); }

    /// Puts the original (generation 1) back in place of file through a scratch
    /// file and one atomic replace; the current file is kept as a generation
    /// first, also when the policy keeps one generation (the extra one then
    /// stays until pruned by age). Throws Failure when there is no original or writing fails; file
    /// is then as it was.
    void restoreOriginal(const std::filesystem::path& file);

    /// Removes every generation kept before now minus maxAgeDays (nothing when
    /// maxAgeDays is 0), and the folders left empty. Returns how many went. Never throws.
    std::size_t prune(std::filesystem::file_time_type now = std::filesystem::file_time_type::clock::now());

    /// The folder of file's generations (whether or not it exists yet): the
    /// hash folder whose "source.txt" names file, else the first free one.
    std::filesystem::path folderOf(const std::filesystem::path& file) const;

private:
    KeptBackup keepCopy(const std::filesystem::path& file);
    void flushNewFolders(bool newStore, bool newFolder) const;
    std::filesystem::path mFolder;
    BackupPolicy mPolicy;
    /// What was kept with KeepFlush::Later and not yet flushed (shared by copies of the store).
    struct Pending {
        std::mutex mutex;
        std::vector<std::filesystem::path> files;
        std::set<std::filesystem::path> folders;
    };
    std::shared_ptr<Pending> mPending = std::make_shared<Pending>();
    /// Which hashes have folders beyond their first probe, from one listing
    /// of the store taken when first needed and what this store made since
    /// (shared by copies of the store, which live as long as one operation).
    struct Probes {
        bool mayHaveFurther(const std::filesystem::path& store, const std::string& hash);
        void noteFurther(const std::string& hash);
        std::mutex mutex;
        bool listed = false;
        bool unlistable = false;
        std::set<std::string> further;
    };
    std::shared_ptr<Probes> mProbes = std::make_shared<Probes>();
};

/// The text by which a file is known to the store: its absolute, lexically
/// normal path in UTF-8 (ASCII letters lower-cased on Windows, whose file
/// names ignore case).
std::string backupSourceKey(const std::filesystem::path& file);

} // namespace varnick
