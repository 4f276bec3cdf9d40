#include "package/base/RawFile.h"

#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <utility>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace varnick {

namespace {

thread_local bool gLastOpenWasHeld = false;
int gInjectedOpenFailures = 0;
std::int64_t gWriteBudget = -1;
bool gFailWriteBack = false;

#ifdef _WIN32
// The position of a read or write on a handle, given through OVERLAPPED.
OVERLAPPED overlappedAt(std::int64_t position)
{
    OVERLAPPED where {};
    where.Offset = static_cast<DWORD>(static_cast<std::uint64_t>(position) & 0xFFFFFFFFu);
    where.OffsetHigh = static_cast<DWORD>(static_cast<std::uint64_t>(position) >> 32);
    return where;
}

std::string systemMessage(DWORD error)
{
    wchar_t* buffer = nullptr;
    const DWORD length
        = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
            nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::string text;
    if (length > 0 && buffer) {
        const int bytes
            = WideCharToMultiByte(CP_UTF8, 0, buffer, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
        text.resize(static_cast<std::size_t>(bytes));
        WideCharToMultiByte(CP_UTF8, 0, buffer, static_cast<int>(length), text.data(), bytes, nullptr, nullptr);
        while (
            !text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ' || text.back() == '.'))
            text.pop_back();
    }
    if (buffer)
        LocalFree(buffer);
    if (text.empty())
        text = "system error " + std::to_string(error);
    return text;
}

std::string lastSystemMessage()
{
    return systemMessage(GetLastError());
}
#else
std::string lastSystemMessage()
{
    return std::strerror(errno);
}
#endif

Phrase openFailure(RawFile::Mode mode, Phrase systemText)
{
    if (mode == RawFile::Mode::Read)
        return Phrase(VARNICK_PHRASE("Files", "The file cannot be opened for reading: %1"), { std::move(systemText) });
    return Phrase(VARNICK_PHRASE("Files", "The file cannot be opened for writing: %1"), { std::move(systemText) });
}

Phrase readFailure(std::size_t size, std::int64_t offset, std::string systemText)
{
    return Phrase(VARNICK_PHRASE("Files", "Reading %1 bytes at offset %2 failed: %3"),
        { std::to_string(size), std::to_string(offset), std::move(systemText) });
}

Phrase writeFailure(std::size_t size, std::int64_t offset, std::string systemText)
{
    return Phrase(VARNICK_PHRASE("Files", "Writing %1 bytes at offset %2 failed: %3"),
        { std::to_string(size), std::to_string(offset), std::move(systemText) });
}

} // namespace

RawFile::RawFile(const std::filesystem::path& fileName, Mode mode)
{
    gLastOpenWasHeld = false;
    if (mode != Mode::Read && gInjectedOpenFailures > 0) {
        --gInjectedOpenFailures;
        gLastOpenWasHeld = true;
        throw Failure(ErrorCode::FileOpenFailed,
            Phrase(VARNICK_PHRASE("Files", "The file cannot be opened for writing: another program is using it")));
    }
#ifdef _WIN32
    const DWORD access = mode == Mode::Read ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
    const DWORD share = mode == Mode::Read ? FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE : FILE_SHARE_READ;
    const DWORD disposition = mode == Mode::Read ? OPEN_EXISTING : CREATE_ALWAYS;
    HANDLE handle = CreateFileW(
        systemPath(fileName).c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        gLastOpenWasHeld
            = error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION || error == ERROR_ACCESS_DENIED;
        throw Failure(ErrorCode::FileOpenFailed, openFailure(mode, systemMessage(error)));
    }
    // A name such as "aux.package" opens the device of that name, whose reads
    // wait for ever and whose writes vanish: only a file on a disk is taken.
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        CloseHandle(handle);
        throw Failure(ErrorCode::FileOpenFailed,
            openFailure(mode,
                Phrase(VARNICK_PHRASE("Files",
                    "Windows takes its name for a device's (CON, AUX, NUL, COM1 and the like); rename the file"))));
    }
    mHandle = handle;
#else
    const int flags = mode == Mode::Read ? O_RDONLY : O_RDWR | O_CREAT | O_TRUNC;
    int descriptor;
    do {
        descriptor = ::open(fileName.c_str(), flags | O_CLOEXEC, 0666);
    } while (descriptor < 0 && errno == EINTR);
    if (descriptor < 0) {
        const int error = errno;
        gLastOpenWasHeld = error == EACCES || error == EBUSY || error == ETXTBSY || error == EAGAIN;
        throw Failure(ErrorCode::FileOpenFailed, openFailure(mode, std::string(std::strerror(error))));
    }
    mDescriptor = descriptor;
#endif
}

RawFile::~RawFile()
{
#ifdef _WIN32
    if (mHandle)
        CloseHandle(mHandle);
#else
    if (mDescriptor >= 0)
        ::close(mDescriptor);
#endif
}

FolderHandle::FolderHandle(std::filesystem::path folder)
    : mPath(std::move(folder))
{
#ifndef _WIN32
    do {
        mDescriptor = ::open(mPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    } while (mDescriptor < 0 && errno == EINTR);
#endif
}

FolderHandle::~FolderHandle()
{
#ifndef _WIN32
    if (mDescriptor >= 0)
        ::close(mDescriptor);
#endif
}

RawFile::RawFile(const FolderHandle& folder, const std::filesystem::path& name)
{
#ifndef _WIN32
    // A name with a folder part is joined as given; so is any name when the folder is not held.
    if (folder.mDescriptor >= 0 && !name.empty() && name.native().find('/') == std::string::npos) {
        gLastOpenWasHeld = false;
        int descriptor;
        do {
            descriptor = ::openat(folder.mDescriptor, name.c_str(), O_RDONLY | O_CLOEXEC);
        } while (descriptor < 0 && errno == EINTR);
        if (descriptor < 0) {
            const int error = errno;
            gLastOpenWasHeld = error == EACCES || error == EBUSY || error == ETXTBSY || error == EAGAIN;
            throw Failure(ErrorCode::FileOpenFailed, openFailure(Mode::Read, std::string(std::strerror(error))));
        }
        mDescriptor = descriptor;
        return;
    }
#endif
    *this = RawFile(folder.path() / name, Mode::Read);
}

RawFile::RawFile(RawFile&& other) noexcept
#ifdef _WIN32
    : mHandle(std::exchange(other.mHandle, nullptr))
#else
    : mDescriptor(std::exchange(other.mDescriptor, -1))
#endif
{
}

RawFile& RawFile::operator=(RawFile&& other) noexcept
{
    if (this != &other) {
        this->~RawFile();
#ifdef _WIN32
        mHandle = std::exchange(other.mHandle, nullptr);
#else
        mDescriptor = std::exchange(other.mDescriptor, -1);
#endif
    }
    return *this;
}

std::int64_t RawFile::size() const
{
#ifdef _WIN32
    LARGE_INTEGER length {};
    if (!GetFileSizeEx(mHandle, &length))
        throw Failure(ErrorCode::FileReadFailed,
            Phrase(VARNICK_PHRASE("Files", "The length of the file cannot be read: %1"), { lastSystemMessage() }));
    return length.QuadPart;
#else
    struct stat info { };
    if (::fstat(mDescriptor, &info) != 0)
        throw Failure(ErrorCode::FileReadFailed,
            Phrase(VARNICK_PHRASE("Files", "The length of the file cannot be read: %1"), { lastSystemMessage() }));
    // A folder opens for reading on POSIX systems; say so plainly instead of failing at the first read.
    if (S_ISDIR(info.st_mode))
        throw Failure(ErrorCode::FileOpenFailed,
            Phrase(VARNICK_PHRASE("Files", "The file cannot be opened for reading: it is a folder")));
    return static_cast<std::int64_t>(info.st_size);
#endif
}

void RawFile::readAt(std::int64_t offset, void* buffer, std::size_t size) const
{
    const std::size_t done = readUpTo(offset, buffer, size);
    if (done < size)
        throw Failure(ErrorCode::FileReadFailed,
            Phrase(VARNICK_PHRASE("Files", "The file ended %1 bytes short of a read of %2 bytes at offset %3"),
                { std::to_string(size - done), std::to_string(size), std::to_string(offset) }));
}

std::size_t RawFile::readUpTo(std::int64_t offset, void* buffer, std::size_t size) const
{
    auto* target = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < size) {
        const std::size_t chunk = std::min<std::size_t>(size - done, std::size_t(1) << 30);
        const std::int64_t position = offset + static_cast<std::int64_t>(done);
#ifdef _WIN32
        OVERLAPPED where = overlappedAt(position);
        DWORD got = 0;
        if (!ReadFile(mHandle, target + done, static_cast<DWORD>(chunk), &got, &where)) {
            if (GetLastError() != ERROR_HANDLE_EOF)
                throw Failure(ErrorCode::FileReadFailed, readFailure(size, offset, lastSystemMessage()));
            got = 0;
        }
        const auto count = static_cast<std::size_t>(got);
#else
        const ssize_t got = ::pread(mDescriptor, target + done, chunk, static_cast<off_t>(position));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            // A folder opens for reading on POSIX systems; say so plainly.
            if (errno == EISDIR)
                throw Failure(ErrorCode::FileOpenFailed,
                    Phrase(VARNICK_PHRASE("Files", "The file cannot be read: it is a folder")));
            throw Failure(ErrorCode::FileReadFailed, readFailure(size, offset, lastSystemMessage()));
        }
        const auto count = static_cast<std::size_t>(got);
#endif
        if (count == 0)
            break;
        done += count;
    }
    return done;
}

void RawFile::writeAt(std::int64_t offset, const void* buffer, std::size_t size)
{
    if (gWriteBudget >= 0) {
        if (static_cast<std::int64_t>(size) > gWriteBudget) {
            gWriteBudget = 0;
            throw Failure(ErrorCode::FileWriteFailed, writeFailure(size, offset, "No space left on device"));
        }
        gWriteBudget -= static_cast<std::int64_t>(size);
    }
    const auto* source = static_cast<const char*>(buffer);
    std::size_t done = 0;
    while (done < size) {
        const std::size_t chunk = std::min<std::size_t>(size - done, std::size_t(1) << 30);
        const std::int64_t position = offset + static_cast<std::int64_t>(done);
#ifdef _WIN32
        OVERLAPPED where = overlappedAt(position);
        DWORD put = 0;
        if (!WriteFile(mHandle, source + done, static_cast<DWORD>(chunk), &put, &where) || put == 0)
            throw Failure(ErrorCode::FileWriteFailed, writeFailure(size, offset, lastSystemMessage()));
        done += put;
#else
        const ssize_t put = ::pwrite(mDescriptor, source + done, chunk, static_cast<off_t>(position));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            throw Failure(ErrorCode::FileWriteFailed, writeFailure(size, offset, lastSystemMessage()));
        done += static_cast<std::size_t>(put);
#endif
    }
}

void RawFile::flushToDisk()
{
#ifdef _WIN32
    if (!FlushFileBuffers(mHandle))
        throw Failure(ErrorCode::FileWriteFailed,
            Phrase(VARNICK_PHRASE("Files", "Flushing the file to disk failed: %1"), { lastSystemMessage() }));
#else
    if (::fsync(mDescriptor) != 0)
        throw Failure(ErrorCode::FileWriteFailed,
            Phrase(VARNICK_PHRASE("Files", "Flushing the file to disk failed: %1"), { lastSystemMessage() }));
#endif
}

void RawFile::close()
{
#ifdef _WIN32
    if (!mHandle)
        return;
    const BOOL closed = CloseHandle(std::exchange(mHandle, nullptr));
    if (!closed)
        throw Failure(ErrorCode::FileWriteFailed,
            Phrase(VARNICK_PHRASE("Files", "Closing the file failed: %1"), { lastSystemMessage() }));
#else
    if (mDescriptor < 0)
        return;
    if (::close(std::exchange(mDescriptor, -1)) != 0 && errno != EINTR)
        throw Failure(ErrorCode::FileWriteFailed,
            Phrase(VARNICK_PHRASE("Files", "Closing the file failed: %1"), { lastSystemMessage() }));
#endif
}

#if defined(__linux__)
namespace {

// Whether a failed sync_file_range means the device failed (thrown) rather
// than a file system without the call (left to the final flush).
bool isDeviceError(int error)
{
    return error == EIO || error == ENOSPC || error == EDQUOT;
}

} // namespace
#endif

bool RawFile::startWriteBack(std::int64_t offset, std::int64_t size)
{
    if (gFailWriteBack)
        throw Failure(ErrorCode::FileWriteFailed, "Writing the file to disk failed: Input/output error");
#if defined(__linux__)
    int status;
    do {
        status = ::sync_file_range(
            mDescriptor, static_cast<off64_t>(offset), static_cast<off64_t>(size), SYNC_FILE_RANGE_WRITE);
    } while (status != 0 && errno == EINTR);
    if (status == 0)
        return true;
    if (isDeviceError(errno))
        throw Failure(ErrorCode::FileWriteFailed, "Writing the file to disk failed: " + lastSystemMessage());
    return false;
#else
    (void)offset;
    (void)size;
    return false;
#endif
}

bool RawFile::finishWriteBack(std::int64_t offset, std::int64_t size)
{
    if (gFailWriteBack)
        throw Failure(ErrorCode::FileWriteFailed, "Writing the file to disk failed: Input/output error");
#if defined(__linux__)
    int status;
    do {
        status = ::sync_file_range(mDescriptor, static_cast<off64_t>(offset), static_cast<off64_t>(size),
            SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE | SYNC_FILE_RANGE_WAIT_AFTER);
    } while (status != 0 && errno == EINTR);
    if (status != 0) {
        if (isDeviceError(errno))
            throw Failure(ErrorCode::FileWriteFailed, "Writing the file to disk failed: " + lastSystemMessage());
        return false;
    }
    // Only advice: pages the system keeps anyway cost nothing but memory.
    (void)::posix_fadvise(mDescriptor, static_cast<off_t>(offset), static_cast<off_t>(size), POSIX_FADV_DONTNEED);
    return true;
#else
    (void)offset;
    (void)size;
    return false;
#endif
}

bool RawFile::lastOpenWasHeld()
{
    return gLastOpenWasHeld;
}

void RawFile::failNextOpensForTesting(int count)
{
    gInjectedOpenFailures = count;
}

void RawFile::failWritesAfterForTesting(std::int64_t limit)
{
    gWriteBudget = limit;
}

void RawFile::failWriteBackForTesting(bool fail)
{
    gFailWriteBack = fail;
}

} // namespace varnick
