#include "package/base/ScratchFile.h"

#include "package/base/ErrorTrap.h"
#include "package/base/FileReplace.h"
#include "package/base/Paths.h"
#include "package/base/ScratchSweep.h"

#include <algorithm>
#include <memory>
#include <system_error>
#include <utility>

namespace varnick {

namespace {

// Pieces in which copyFrom reads its source.
constexpr std::int64_t kCopyPiece = 1 << 20;

} // namespace

ScratchFile::ScratchFile(std::filesystem::path target)
    : mTarget(std::move(target))
    , mPath(scratchPathBeside(mTarget))
{
    // Before this process's first write into the folder, so that the leftovers
    // of a killed run do not pile up beside the files they were meant to replace.
    sweepFolderBeforeWrite(mTarget.parent_path());
    mFile.emplace(mPath, RawFile::Mode::CreateTruncate);
}

ScratchFile::~ScratchFile()
{
    discard();
}

ScratchFile::ScratchFile(ScratchFile&& other) noexcept
    : mTarget(std::move(other.mTarget))
    , mPath(std::exchange(other.mPath, {}))
    , mFile(std::exchange(other.mFile, std::nullopt))
    , mSize(std::exchange(other.mSize, 0))
    , mWriteBehindPiece(std::exchange(other.mWriteBehindPiece, 0))
    , mWriteBackStarted(std::exchange(other.mWriteBackStarted, 0))
{
}

ScratchFile& ScratchFile::operator=(ScratchFile&& other) noexcept
{
    if (this != &other) {
        discard();
        mTarget = std::move(other.mTarget);
        mPath = std::exchange(other.mPath, {});
        mFile = std::exchange(other.mFile, std::nullopt);
        mSize = std::exchange(other.mSize, 0);
        mWriteBehindPiece = std::exchange(other.mWriteBehindPiece, 0);
        mWriteBackStarted = std::exchange(other.mWriteBackStarted, 0);
    }
    return *this;
}

void ScratchFile::write(const void* data, std::size_t size)
{
    if (!mFile)
        throw Failure(ErrorCode::InvalidArgument, "The scratch file is no longer open for writing");
    if (size == 0)
        return;
    mFile->writeAt(mSize, data, size);
    mSize += static_cast<std::int64_t>(size);
    // Whole pieces only, so that no page is dropped while the next write still fills it.
    const std::int64_t piece = mWriteBehindPiece;
    while (piece > 0 && mSize - mWriteBackStarted >= piece) {
        const std::int64_t from = mWriteBackStarted;
        if (!mFile->startWriteBack(from, piece) || (from >= piece && !mFile->finishWriteBack(from - piece, piece))) {
            mWriteBehindPiece = 0;
            break;
        }
        mWriteBackStarted += piece;
    }
}

void ScratchFile::writeBehind(std::int64_t piece)
{
    mWriteBehindPiece = std::max<std::int64_t>(0, piece);
    mWriteBackStarted = mSize - mSize % std::max<std::int64_t>(1, piece);
}

void ScratchFile::copyFrom(const std::filesystem::path& source)
{
    RawFile in(source, RawFile::Mode::Read);
    const std::int64_t length = in.size();
    const auto buffer = std::make_unique<char[]>(static_cast<std::size_t>(std::min(length, kCopyPiece)) + 1);
    for (std::int64_t position = 0; position < length;) {
        const auto piece = static_cast<std::size_t>(std::min(length - position, kCopyPiece));
        in.readAt(position, buffer.get(), piece);
        write(buffer.get(), piece);
        position += static_cast<std::int64_t>(piece);
    }
    in.close();
}

bool ScratchFile::linkTo(const std::filesystem::path& source)
{
    if (!mFile || mSize != 0)
        return false;
    // The empty file makes way for the link under the same name; where no
    // link can be made, an empty file takes its place again.
    mFile.reset();
    std::error_code error;
    std::filesystem::remove(mPath, error);
    std::filesystem::create_hard_link(source, mPath, error);
    if (!error)
        return true;
    mFile.emplace(mPath, RawFile::Mode::CreateTruncate);
    return false;
}

void ScratchFile::commit()
{
    if (mPath.empty())
        throw Failure(ErrorCode::InvalidArgument, "The scratch file of " + pathToUtf8(mTarget) + " was already used");
    try {
        if (mFile) {
            mFile->close();
            mFile.reset();
        }
        // Flushes the bytes first, then renames, then makes the rename durable.
        replaceFileAtomically(mPath, mTarget);
    } catch (...) {
        discard();
        throw;
    }
    mPath.clear();
}

void ScratchFile::discard() noexcept
{
    mFile.reset();
    if (mPath.empty())
        return;
    std::error_code ignored;
    std::filesystem::remove(mPath, ignored);
    mPath.clear();
}

} // namespace varnick
