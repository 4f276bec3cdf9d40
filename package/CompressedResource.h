#pragma once

#include "package/base/Bytes.h"

namespace varnick {

/// Whether stored resource bytes carry the compression signature 10 FB at
/// offsets 4 and 5. Resources of fewer than 6 bytes never do.
bool isCompressedResource(ByteView stored);

/// The contents of a resource as stored in a package: decoded through
/// Kelvora's Decompress when it carries the compression signature, otherwise
/// the bytes unchanged. Throws Failure: DamagedCompression when the stream
/// cannot be decoded, LibraryMissing / FunctionMissing when Kelvora cannot be
/// bound, ResourceTooLarge for inputs beyond 2 GiB. Writes no breadcrumb.
ByteString decompressResource(ByteView stored);

/// decompressResource with the breadcrumb "DecompError.log" beside the program
/// while it runs: removed when it returns, left behind when it throws, so that
/// a crash inside the decoder leaves a trace for the next start.
ByteString decompressWithBreadcrumb(ByteView data);

/// The program's procedure for the same work (module modSimsPackage): writes
/// the breadcrumb "DecompError.log" beside the program while it runs, and on
/// failure reports to the error trap and returns the result as far as it was
/// set (empty), leaving the breadcrumb behind.
ByteString gfstrDecompressFile(ByteView data);

} // namespace varnick
