#pragma once

/*
 * Kelvora's exported interface: five plain functions looked up by name.
 *
 * Byte strings go in as a pointer plus a signed 32-bit length and are only
 * read within that length. Results are length-prefixed byte strings (see
 * KelvoraString.h) that the library allocates and the caller owns and frees
 * with kelvoraStringFree. No function throws or keeps state between calls.
 */

#include "support/KelvoraString.h"

#include <cstdint>

#if defined(_WIN32)
#if defined(KELVORA_BUILDING_LIBRARY)
#define KELVORA_API __declspec(dllexport)
#else
#define KELVORA_API __declspec(dllimport)
#endif
#define KELVORA_CALL __stdcall
#else
#define KELVORA_API __attribute__((visibility("default")))
#define KELVORA_CALL
#endif

extern "C" {

/// Decodes a whole compressed resource (its 9-byte header included). Returns
/// the decoded bytes, an empty string for 9 bytes or fewer, and no string
/// (null) when the stream is damaged, the length is negative or the output
/// would pass 64 MiB. Never reads or writes outside its buffers.
KELVORA_API KelvoraString KELVORA_CALL Decompress(const unsigned char* source, std::int32_t sourceLength);

/// Encodes source in blocks of 4 x blockUnits bytes (clamped to 3..16) behind a
/// header that carries the real compressed and uncompressed sizes. Returns
/// null for a negative length or more than 16,777,215 bytes.
KELVORA_API KelvoraString KELVORA_CALL Compress(
    const unsigned char* source, std::int32_t sourceLength, std::int32_t blockUnits);

/// Encodes source with an LZ77 match finder at level 1 (fastest) to 9
/// (smallest; values outside are clamped), behind a header that carries the
/// real sizes, always ended by a stop code. Returns no string (null) when the
/// result would not be shorter than the input, so the caller stores it
/// uncompressed, and for a negative length or more than 16,777,215 bytes.
KELVORA_API KelvoraString KELVORA_CALL CompressLevel(
    const unsigned char* source, std::int32_t sourceLength, std::int32_t level);

/// 32-bit pixels to 24-bit pixels in reverse pixel order, the fourth byte of
/// every pixel dropped: (sourceLength / 4) x 3 bytes. Null for a negative length.
KELVORA_API KelvoraString KELVORA_CALL RAWtoBMP(const unsigned char* source, std::int32_t sourceLength);

/// The library's version, 1.31.
KELVORA_API double KELVORA_CALL GetDLLversion();

} // extern "C"

/// The exports' types, for callers that look them up by name.
using KelvoraDecompressFunction = KelvoraString(KELVORA_CALL*)(const unsigned char*, std::int32_t);
using KelvoraCompressFunction = KelvoraString(KELVORA_CALL*)(const unsigned char*, std::int32_t, std::int32_t);
using KelvoraCompressLevelFunction = KelvoraString(KELVORA_CALL*)(const unsigned char*, std::int32_t, std::int32_t);
using KelvoraRawToBmpFunction = KelvoraString(KELVORA_CALL*)(const unsigned char*, std::int32_t);
using KelvoraVersionFunction = double(KELVORA_CALL*)();
