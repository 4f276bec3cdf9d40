#pragma once

// Counts as the player reads them in our own texts: "1 file", "2 files",
// "2,270 objects"; and why a package cannot be read, in the player's words.

#include <cstddef>
#include <string>
#include <string_view>

namespace varnick {

/// n with its thousands grouped by commas: "2,270".
std::string groupedNumber(std::size_t n);

/// n and the noun in the number it takes: "1 file", "0 files", "2,270 files".
/// plural is one + "s" when empty.
std::string countOf(std::size_t n, std::string_view one, std::string_view plural = {});

/// Why a file cannot be read, as the player reads it ("The file is damaged:
/// its table of contents runs past its end"), for the reader's own reason
/// (offsets, counts and sizes), which windows keep in a tool tip. A reason
/// already in the player's words (a file that cannot be opened) comes back as it is.
/// The texts are marked for translation under "Words".
std::string plainReadFailure(std::string_view technical);

} // namespace varnick
