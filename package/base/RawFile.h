#pragma once

// An open file read and written as raw bytes at explicit offsets, through the
// platform's own calls (wide-character names on Windows). Every failure throws
// Failure with a message that says what failed and why; the caller's error
// context names the file.

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace varnick {

/// A folder held open while many files in it are read by name, so that the
/// system does not walk the folder's path again for each one (POSIX). Where a
/// folder cannot be held (Windows, or the open fails) files open by their full
/// path, as RawFile always does. Never throws beyond allocation.
class FolderHandle {
public:
    explicit FolderHandle(std::filesystem::path folder);
    ~FolderHandle();
    FolderHandle(const FolderHandle&) = delete;
    FolderHandle& operator=(const FolderHandle&) = delete;

    const std::filesystem::path& path() const { return mPath; }

private:
    friend class RawFile;

    std::filesystem::path mPath;
    int mDescriptor = -1;
};

class RawFile {
public:
    enum class Mode {
        Read, ///< existing file, reading only
        CreateTruncate ///< reading and writing; created when missing, emptied when present
    };

    /// Opens fileName; throws Failure(FileOpenFailed). heldByOther() tells after
    /// the throw whether the file existed but another program held it (sharing
    /// or lock violation, access denied), the case the package writer retries.
    RawFile(const std::filesystem::path& fileName, Mode mode);
    /// Opens the file called name (one component, no folder) in folder for
    /// reading; the same file and the same failures as opening folder's path
    /// joined with name.
    RawFile(const FolderHandle& folder, const std::filesystem::path& name);
    ~RawFile();
    RawFile(RawFile&& other) noexcept;
    RawFile& operator=(RawFile&& other) noexcept;
    RawFile(const RawFile&) = delete;
    RawFile& operator=(const RawFile&) = delete;

    /// Current length of the file in bytes.
    std::int64_t size() const;

    /// Reads exactly size bytes at offset into buffer; throws FileReadFailed when fewer are there.
    void readAt(std::int64_t offset, void* buffer, std::size_t size) const;

    /// Reads up to size bytes at offset into buffer, fewer only where the file
    /// ends; returns the number read. Throws FileReadFailed for a read error.
    std::size_t readUpTo(std::int64_t offset, void* buffer, std::size_t size) const;

    /// Writes exactly size bytes at offset; throws FileWriteFailed.
    void writeAt(std::int64_t offset, const void* buffer, std::size_t size);

    /// Forces written data to the storage device; throws FileWriteFailed.
    void flushToDisk();

    /// Starts writing the size bytes at offset to the storage device without
    /// waiting for it. An earlier start of what flushToDisk would do, never a
    /// replacement for it: the file's length and place on the device still
    /// need the flush. Returns false where the system has no such call (all
    /// but Linux) or the file system refuses it; throws FileWriteFailed when
    /// the device reports an error.
    bool startWriteBack(std::int64_t offset, std::int64_t size);

    /// Waits until the size bytes at offset are on the storage device, then
    /// lets the system drop them from its cache, so that a large file written
    /// once does not crowd out other programs' memory. Returns and throws as
    /// startWriteBack. A device error seen here is thrown, never left to
    /// flushToDisk: the system reports each such error only once.
    bool finishWriteBack(std::int64_t offset, std::int64_t size);

    /// Closes the file; throws FileWriteFailed when closing reports an error. Safe to call twice.
    void close();

    /// Whether the last failed open in this thread was a file held by another program.
    static bool lastOpenWasHeld();

    /// Test seam: the next count opens for writing fail as a held file would.
    static void failNextOpensForTesting(int count);

    /// Test seam: writes fail once limit more bytes have been written through
    /// any RawFile (a full disk); a negative limit turns it off.
    static void failWritesAfterForTesting(std::int64_t limit);

    /// Test seam: while set, startWriteBack and finishWriteBack throw as a
    /// failing device would, on every platform.
    static void failWriteBackForTesting(bool fail);

private:
#ifdef _WIN32
    void* mHandle = nullptr;
#else
    int mDescriptor = -1;
#endif
};

} // namespace varnick
