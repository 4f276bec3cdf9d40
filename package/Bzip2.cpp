#include "package/Bzip2.h"

#include "package/base/ErrorTrap.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <new>
#include <string>

#ifdef _WIN32
// bzlib.h includes windows.h on Windows.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#endif
#include <bzlib.h>

namespace varnick {

namespace {

[[noreturn]] void damaged(const std::string& what)
{
    throw Failure(ErrorCode::DamagedCompression, what);
}

std::string mebibytes(std::size_t bytes)
{
    return bytes % (1024 * 1024) == 0 ? std::to_string(bytes / (1024 * 1024)) + " MiB"
                                      : std::to_string(bytes) + " bytes";
}

// Ends a decompression however the work on it ends.
class Expansion {
public:
    Expansion()
    {
        const int result = BZ2_bzDecompressInit(&mStream, 0, 0);
        if (result == BZ_MEM_ERROR)
            throw std::bad_alloc();
        if (result != BZ_OK)
            throw Failure(
                ErrorCode::Unexpected, "libbz2 refused to start a decompression (" + std::to_string(result) + ")");
    }
    ~Expansion() { BZ2_bzDecompressEnd(&mStream); }
    Expansion(const Expansion&) = delete;
    Expansion& operator=(const Expansion&) = delete;
    bz_stream& stream() { return mStream; }

private:
    bz_stream mStream {};
};

std::uint64_t totalIn(const bz_stream& stream)
{
    return (static_cast<std::uint64_t>(stream.total_in_hi32) << 32) | stream.total_in_lo32;
}

} // namespace

ByteString bzip2Expand(ByteView data, std::size_t limit)
{
    if (data.empty())
        damaged("the bzip2 stream is empty");
    if (data.size() > UINT_MAX)
        throw Failure(ErrorCode::ResourceTooLarge, "the bzip2 stream is larger than 4 GiB");
    // Room for one byte past the limit shows that the limit was passed.
    const std::size_t ceiling = limit + 1;
    ByteString out(std::min(ceiling, std::max<std::size_t>(data.size() * 4, 64 * 1024)), '\0');
    std::size_t produced = 0;
    std::size_t consumed = 0;
    for (int streams = 0;; ++streams) {
        Expansion expansion;
        bz_stream& stream = expansion.stream();
        stream.next_in = const_cast<char*>(data.data() + consumed);
        stream.avail_in = static_cast<unsigned>(data.size() - consumed);
        int result = BZ_OK;
        while (result != BZ_STREAM_END) {
            if (produced == out.size()) {
                if (out.size() >= ceiling)
                    throw Failure(ErrorCode::ResourceTooLarge, "the bzip2 stream expands past " + mebibytes(limit));
                out.resize(std::min(ceiling, out.size() * 2));
            }
            stream.next_out = out.data() + produced;
            stream.avail_out = static_cast<unsigned>(std::min<std::size_t>(out.size() - produced, UINT_MAX));
            const unsigned room = stream.avail_out;
            result = BZ2_bzDecompress(&stream);
            produced += room - stream.avail_out;
            if (produced > limit)
                throw Failure(ErrorCode::ResourceTooLarge, "the bzip2 stream expands past " + mebibytes(limit));
            switch (result) {
            case BZ_OK:
            case BZ_STREAM_END:
                break;
            case BZ_DATA_ERROR_MAGIC:
                damaged(streams == 0 ? "the item is not a bzip2 stream (it does not begin with \"BZh\")"
                                     : "the bzip2 stream is damaged (a following stream has no \"BZh\" signature)");
            case BZ_DATA_ERROR:
                damaged("the bzip2 stream is damaged (its data fails its own checks)");
            case BZ_MEM_ERROR:
                throw std::bad_alloc();
            default:
                throw Failure(ErrorCode::Unexpected, "libbz2 failed while expanding (" + std::to_string(result) + ")");
            }
            if (result == BZ_OK && stream.avail_in == 0 && stream.avail_out > 0)
                damaged("the bzip2 stream ends early: the item's bytes stop before the stream does");
        }
        consumed += static_cast<std::size_t>(totalIn(stream));
        if (consumed == data.size())
            break;
        // Streams written back to back (as parallel compressors do) expand as one.
        if (data.substr(consumed, 3) != "BZh")
            damaged(std::to_string(data.size() - consumed) + " bytes of the item follow the end of its bzip2 stream");
    }
    out.resize(produced);
    return out;
}

ByteString bzip2Compress(ByteView data, int blockSize100k)
{
    if (blockSize100k < 1 || blockSize100k > 9)
        throw Failure(
            ErrorCode::InvalidArgument, "bzip2 block sizes run from 1 to 9, not " + std::to_string(blockSize100k));
    if (data.size() > UINT_MAX / 2)
        throw Failure(ErrorCode::ResourceTooLarge, "bzip2 compresses at most 2 GiB at once");
    // The documented worst case: 1% larger plus 600 bytes.
    unsigned length = static_cast<unsigned>(data.size() + data.size() / 100 + 601);
    ByteString out(length, '\0');
    const int result = BZ2_bzBuffToBuffCompress(
        out.data(), &length, const_cast<char*>(data.data()), static_cast<unsigned>(data.size()), blockSize100k, 0, 0);
    if (result == BZ_MEM_ERROR)
        throw std::bad_alloc();
    if (result != BZ_OK)
        throw Failure(ErrorCode::Unexpected, "libbz2 failed while compressing (" + std::to_string(result) + ")");
    out.resize(length);
    return out;
}

} // namespace varnick
