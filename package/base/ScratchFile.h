#pragma once

// A file written beside its target and put in the target's place in one step
// once it is complete, so that the target is always either the old file or
// the new one: never missing, never half written. Every program write that
// replaces a file goes through it.
//
//     ScratchFile scratch(target);
//     scratch.write(bytes);
//     scratch.commit(); // without it, the scratch file goes with the object
//
// The scratch file lies in the target's folder (a rename cannot cross
// volumes) under a name made by scratchPathBeside, which isScratchFileName
// recognises, so that the leftovers of a killed run can be found.

#include "package/base/Bytes.h"
#include "package/base/RawFile.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>

namespace varnick {

class ScratchFile {
public:
    /// Creates an empty scratch file beside target. Throws Failure(FileOpenFailed);
    /// RawFile::lastOpenWasHeld() then tells whether another program held it.
    explicit ScratchFile(std::filesystem::path target);
    /// Removes the scratch file unless commit() put it in place. Never throws.
    ~ScratchFile();
    ScratchFile(ScratchFile&& other) noexcept;
    ScratchFile& operator=(ScratchFile&& other) noexcept;
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    /// The file the scratch file will replace.
    const std::filesystem::path& target() const { return mTarget; }
    /// The scratch file itself (empty after commit or discard).
    const std::filesystem::path& path() const { return mPath; }
    /// Bytes written so far.
    std::int64_t size() const { return mSize; }

    /// Appends bytes; throws Failure(FileWriteFailed), and the target stays as it was.
    void write(const void* data, std::size_t size);
    void write(ByteView bytes) { write(bytes.data(), bytes.size()); }

    /// Appends the whole of source, read in pieces. Throws Failure (the source
    /// cannot be read, or writing fails); the target stays as it was.
    void copyFrom(const std::filesystem::path& source);

    /// For large files: from now on each full piece of the given size starts
    /// its way to the storage device as soon as it is written, and the piece
    /// before it is waited for and dropped from the system's cache. The device
    /// then works while the rest is written instead of all at commit(), and
    /// hundreds of megabytes written once do not crowd out other programs'
    /// memory. commit() flushes exactly as without it. Writes throw
    /// Failure(FileWriteFailed) when the device reports an error; nothing
    /// changes where the system has no such call (Windows).
    void writeBehind(std::int64_t piece = kWriteBehindPiece);
    static constexpr std::int64_t kWriteBehindPiece = 4 * 1024 * 1024;

    /// Makes the scratch file a second name of source's bytes (a hard link:
    /// nothing is copied, and replacing source later leaves these bytes alone).
    /// Only before anything is written; false (nothing changed) where the file
    /// system cannot link, for example across volumes.
    bool linkTo(const std::filesystem::path& source);

    /// Closes the scratch file, flushes it to disk and renames it over the
    /// target in one step (replaceFileAtomically, which also makes the rename
    /// durable where the platform allows). Throws Failure: the target is then
    /// as it was and the scratch file is gone. Call once.
    void commit();

    /// Removes the scratch file now; the target is left alone. Never throws.
    void discard() noexcept;

private:
    std::filesystem::path mTarget;
    std::filesystem::path mPath;
    std::optional<RawFile> mFile; ///< open while bytes are written; none once linked
    std::int64_t mSize = 0;
    std::int64_t mWriteBehindPiece = 0; ///< 0: left to the flush at commit
    std::int64_t mWriteBackStarted = 0; ///< bytes before this have started their way to the device
};

} // namespace varnick
