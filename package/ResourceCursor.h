#pragma once

#include "package/base/Bytes.h"
#include "package/base/ErrorTrap.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace varnick {

/// One bounds-checked read position over the bytes of a resource. Every read
/// checks the bytes left first; a read that does not fit throws a Failure
/// (ErrorCode::BadResource) naming the resource kind, the field, its offset,
/// what was needed and what was left. Integers are little-endian.
///
/// The lenient mode serves the one format whose readers take reads past the end
/// as zeros and empty strings: numbers read missing bytes as 0 and strings take
/// what is there, and the position never moves beyond the end.
class ResourceCursor {
public:
    enum class Mode { Strict, Lenient };

    /// what names the kind of resource in failures (marked with VARNICK_PHRASE).
    ResourceCursor(ByteView data, PhraseText what, Mode mode = Mode::Strict)
        : mData(data)
        , mWhat(what)
        , mMode(mode)
    {
    }

    std::size_t position() const noexcept { return mPos; }
    std::size_t size() const noexcept { return mData.size(); }
    std::size_t remaining() const noexcept { return mData.size() - mPos; }
    bool atEnd() const noexcept { return mPos >= mData.size(); }
    ByteView data() const noexcept { return mData; }

    /// Moves to an absolute offset; beyond the end fails (strict) or stops at the end (lenient).
    void seek(std::size_t offset, std::string_view field)
    {
        if (offset > mData.size()) {
            if (mMode == Mode::Lenient) {
                mPos = mData.size();
                return;
            }
            fail(field, offset - mPos);
        }
        mPos = offset;
    }

    void skip(std::size_t count, std::string_view field) { (void)bytes(count, field); }

    /// The next count bytes. Lenient: as many as are left.
    ByteView bytes(std::size_t count, std::string_view field)
    {
        if (count > remaining()) {
            if (mMode == Mode::Strict)
                fail(field, count);
            count = remaining();
        }
        ByteView result = mData.substr(mPos, count);
        mPos += count;
        return result;
    }

    std::uint8_t u8(std::string_view field) { return static_cast<std::uint8_t>(number(1, field)); }
    std::uint16_t u16(std::string_view field) { return static_cast<std::uint16_t>(number(2, field)); }
    std::uint32_t u32(std::string_view field) { return static_cast<std::uint32_t>(number(4, field)); }
    std::int32_t i32(std::string_view field) { return static_cast<std::int32_t>(u32(field)); }
    /// An unsigned little-endian number of width bytes (1 to 4).
    std::uint32_t unsignedLE(std::size_t width, std::string_view field) { return number(width, field); }

    /// A 4-byte identifier in its stored form.
    ByteString id(std::string_view field) { return ByteString(bytes(4, field)); }

    /// The bytes up to the next NUL (or the end of the data when none follows); moves past the NUL.
    ByteString cString()
    {
        ByteView rest = mData.substr(mPos);
        std::size_t nul = rest.find('\0');
        if (nul == ByteView::npos) {
            mPos = mData.size();
            return ByteString(rest);
        }
        mPos += nul + 1;
        return ByteString(rest.substr(0, nul));
    }

    /// A string whose length is the one byte before it.
    ByteString pascalString(std::string_view field)
    {
        std::size_t length = u8(field);
        return ByteString(bytes(length, field));
    }

    /// Throws the Failure for a field of needed bytes at the current position.
    [[noreturn]] void fail(std::string_view field, std::size_t needed) const
    {
        throw Failure(ErrorCode::BadResource,
            Phrase(VARNICK_PHRASE("Resources", "%1: %2 at offset %3 needs %4 bytes, but only %5 of %6 are left"),
                { Phrase(mWhat), std::string(field), std::to_string(mPos), std::to_string(needed),
                    std::to_string(remaining()), std::to_string(mData.size()) }));
    }

    /// Throws the Failure for a field at the current position whose value is refused, detail saying why.
    [[noreturn]] void fail(std::string_view field, Phrase detail) const
    {
        throw Failure(ErrorCode::BadResource,
            Phrase(VARNICK_PHRASE("Resources", "%1: %2 at offset %3 %4"),
                { Phrase(mWhat), std::string(field), std::to_string(mPos), std::move(detail) }));
    }

private:
    std::uint32_t number(std::size_t width, std::string_view field)
    {
        ByteView raw = bytes(width, field);
        std::uint32_t value = 0;
        for (std::size_t i = raw.size(); i-- > 0;)
            value = (value << 8) | byteAt(raw, i);
        return value;
    }

    ByteView mData;
    PhraseText mWhat;
    Mode mMode;
    std::size_t mPos = 0;
};

} // namespace varnick
