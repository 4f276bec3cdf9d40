#pragma once

#include "package/base/Bytes.h"

#include <cstdint>
#include <filesystem>
#include <optional>

namespace varnick {

// The program's binding of the support library Kelvora. The library file is
// loaded from the program's folder by name at the first call of any of these
// functions, and each export is looked up by name once, at its first call.
// A library that cannot be loaded throws Failure(LibraryMissing) naming the
// file; a missing export throws Failure(FunctionMissing) naming the function
// and the file.

/// The library file the binding loads: programFolder() / kelvora.dll,
/// libkelvora.so or libkelvora.dylib, unless a test has chosen another.
std::filesystem::path kelvoraLibraryPath();

/// Kelvora's GetDLLversion (1.31 for the current library).
double kelvoraVersion();

/// Kelvora's Decompress on a whole stored resource including its 9-byte
/// header. Throws Failure(DamagedCompression) when the library reports the
/// stream as damaged, Failure(ResourceTooLarge) for inputs beyond 2 GiB.
ByteString kelvoraDecompress(ByteView stored);

/// Kelvora's Compress with blocks of 4 x blockUnits bytes (clamped to 3..16).
/// Throws Failure(ResourceTooLarge) when the library refuses the input (more
/// bytes than the header's 24-bit size field can describe).
ByteString kelvoraCompress(ByteView data, std::int32_t blockUnits);

/// Kelvora's CompressLevel at level 1 (fastest) to 9 (smallest): the stored
/// form of data, or nothing when compression would not make it shorter or data
/// is larger than the header's 24-bit size can describe (the caller then stores
/// it uncompressed).
std::optional<ByteString> kelvoraCompressLevel(ByteView data, int level);

/// Kelvora's RAWtoBMP: 32-bit pixels to 24-bit pixels in reverse pixel order.
ByteString kelvoraRawToBmp(ByteView pixels);

/// Tests point the binding at another library file (a missing one, one that
/// lacks exports); an empty path restores the default. Unloads the library
/// loaded so far, so the next call loads again.
void setKelvoraLibraryForTesting(const std::filesystem::path& libraryFile);

} // namespace varnick
