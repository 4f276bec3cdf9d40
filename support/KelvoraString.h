#pragma once

/*
 * The length-prefixed byte strings that Kelvora returns. The library allocates
 * them and the caller owns and frees them, so both sides must use the same
 * allocator: this header is that one layer, included by both.
 *
 * On Windows they are OLE strings (SysAllocStringByteLen, SysStringByteLen,
 * SysFreeString), which every process shares through oleaut32. Elsewhere the
 * same contract in the C heap, which the library and the program share:
 *
 *   [ length: uint32, native order ][ length bytes ][ 0 ][ 0 ]
 *                                    ^ the string points here
 *
 * A null string stands for "no result"; an allocated string of length 0 is an
 * empty result.
 */

#include <cstdint>
#include <cstring>

#if defined(_WIN32)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// oleauto.h needs the types windows.h declares; the blank line keeps include sorting from swapping them.
#include <oleauto.h>

using KelvoraString = BSTR;

/// A new string holding length bytes copied from bytes (left uninitialised when
/// bytes is null); null when memory runs out. Free it with kelvoraStringFree.
inline KelvoraString kelvoraStringAlloc(const void* bytes, std::uint32_t length)
{
    return SysAllocStringByteLen(static_cast<const char*>(bytes), length);
}

/// The number of bytes in string; 0 for null.
inline std::uint32_t kelvoraStringLength(KelvoraString string)
{
    return string == nullptr ? 0 : SysStringByteLen(string);
}

/// Releases string; null is allowed.
inline void kelvoraStringFree(KelvoraString string)
{
    SysFreeString(string);
}

#else
#include <cstdlib>

using KelvoraString = char*;

/// A new string holding length bytes copied from bytes (left uninitialised when
/// bytes is null); null when memory runs out. Free it with kelvoraStringFree.
inline KelvoraString kelvoraStringAlloc(const void* bytes, std::uint32_t length)
{
    auto* block = static_cast<char*>(std::malloc(sizeof(std::uint32_t) + std::size_t { length } + 2));
    if (block == nullptr)
        return nullptr;
    std::memcpy(block, &length, sizeof length);
    char* data = block + sizeof(std::uint32_t);
    if (bytes != nullptr && length != 0)
        std::memcpy(data, bytes, length);
    data[length] = '\0';
    data[length + 1] = '\0';
    return data;
}

/// The number of bytes in string; 0 for null.
inline std::uint32_t kelvoraStringLength(KelvoraString string)
{
    if (string == nullptr)
        return 0;
    std::uint32_t length = 0;
    std::memcpy(&length, string - sizeof(std::uint32_t), sizeof length);
    return length;
}

/// Releases string; null is allowed.
inline void kelvoraStringFree(KelvoraString string)
{
    if (string != nullptr)
        std::free(string - sizeof(std::uint32_t));
}
#endif

/// The first byte of string (valid for kelvoraStringLength(string) bytes).
inline const unsigned char* kelvoraStringBytes(KelvoraString string)
{
    return reinterpret_cast<const unsigned char*>(string);
}
