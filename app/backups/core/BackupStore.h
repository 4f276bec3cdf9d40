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

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <optional>
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
    /// only the original is kept, so later calls copy nothing. Returns the
    /// generation now holding the file's bytes, or nothing when file does not
    /// exist. Throws Failure (and leaves file alone) when the copy cannot be made.
    std::optional<std::filesystem::path> keep(const std::filesystem::path& file);

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
    std::filesystem::path mFolder;
    BackupPolicy mPolicy;
};

/// The text by which a file is known to the store: its absolute, lexically
/// normal path in UTF-8 (ASCII letters lower-cased on Windows, whose file
/// names ignore case).
std::string backupSourceKey(const std::filesystem::path& file);

} // namespace varnick
