#pragma once

#include <string_view>

// Where users report failures; the error dialog offers both.

namespace varnick::support {

inline constexpr std::string_view kEmailAddress = "support@varnick.example.org";
inline constexpr std::string_view kWebPage = "https://varnick.example.org/support/";
/// The web page's host name, as the dialog's button names it.
inline constexpr std::string_view kWebHost = "varnick.example.org";

} // namespace varnick::support
