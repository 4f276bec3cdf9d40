#pragma once

// CSV as spreadsheets and help forums take it: fields holding a comma, a
// quote, CR or LF enclosed in quotes with inner quotes doubled. The object
// table's and the library review's exports share it.

#include <string>
#include <string_view>

namespace varnick {

/// One CSV field, quoted where needed.
inline std::string csvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

} // namespace varnick
