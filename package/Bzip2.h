#pragma once

// bzip2 streams, through libbz2: the compression of the items of Sims2Pack
// files. The expander never trusts the stream: its output is capped, and the
// stream has to fill the bytes it is given exactly.

#include "package/base/Bytes.h"

#include <cstddef>

namespace varnick {

/// Expands data, one bzip2 stream or several back to back, which must end
/// exactly where data ends. Throws Failure: DamagedCompression for a stream
/// that is damaged, truncated or followed by other bytes, ResourceTooLarge
/// once the output would pass limit bytes. The message is one sentence
/// fragment ("the bzip2 stream is damaged") for the caller to place.
ByteString bzip2Expand(ByteView data, std::size_t limit);

/// Compresses data into one bzip2 stream (blockSize100k from 1 to 9). The
/// same bytes always give the same stream. Throws Failure (InvalidArgument,
/// OutOfMemory) when libbz2 refuses.
ByteString bzip2Compress(ByteView data, int blockSize100k = 9);

} // namespace varnick
