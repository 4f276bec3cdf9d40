#pragma once

// Whether a name taken from outside (an archive's item, a downloaded file's
// title) can be used as one file name in a folder on every system the game's
// files travel between: the strictest rules, Windows', apply everywhere.

#include "package/base/Phrase.h"

#include <optional>
#include <string>
#include <string_view>

namespace varnick {

/// Why name cannot be used as a file name, as a phrase that follows "the name
/// ... " ("is empty", "contains a path separator (\"/\")"); nothing when it
/// can. Refused: an empty name, an absolute path, a drive letter, a path
/// separator, "." and "..", characters Windows forbids (< > : " / \ | ? * and
/// control characters), a trailing dot or space, the reserved device names
/// (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9, any letter case, with or
/// without an extension), text that is not valid UTF-8, and names longer than
/// 255 UTF-16 units. Never throws beyond allocation.
std::optional<std::string> fileNameProblem(std::string_view name);
/// fileNameProblem as a Phrase.
std::optional<Phrase> fileNameProblemPhrase(std::string_view name);

} // namespace varnick
