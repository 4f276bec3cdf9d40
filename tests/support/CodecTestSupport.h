#pragma once

#include "support/Codec.h"
#include "tests/support/TestData.h"

#include <algorithm>
#include <initializer_list>
#include <span>

namespace varnick::test {

/// A compressed resource: a header (sizes left 0) followed by the given code stream.
inline Bytes streamOf(std::initializer_list<std::uint8_t> codes)
{
    Bytes out(9 + codes.size(), 0);
    out[4] = 0x10;
    out[5] = 0xFB;
    std::copy(codes.begin(), codes.end(), out.begin() + 9);
    return out;
}

inline void append(Bytes& to, std::span<const std::uint8_t> bytes)
{
    to.insert(to.end(), bytes.begin(), bytes.end());
}

/// The output the control codes define: count bytes copied one at a time from offset back.
inline void appendBackCopy(Bytes& output, std::size_t offset, std::size_t count)
{
    for (std::size_t k = 0; k < count; ++k)
        output.push_back(output[output.size() - offset]);
}

} // namespace varnick::test
