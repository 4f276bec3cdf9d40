#pragma once

// Counts as the player reads them in our own texts: "1 file", "2 files",
// "2,270 objects".

#include <cstddef>
#include <string>
#include <string_view>

namespace varnick {

/// n with its thousands grouped by commas: "2,270".
std::string groupedNumber(std::size_t n);

/// n and the noun in the number it takes: "1 file", "0 files", "2,270 files".
/// plural is one + "s" when empty.
std::string countOf(std::size_t n, std::string_view one, std::string_view plural = {});

} // namespace varnick
