#include "app/platform/Words.h"

namespace varnick {

std::string groupedNumber(std::size_t n)
{
    std::string digits = std::to_string(n);
    for (std::ptrdiff_t at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), 1, ',');
    return digits;
}

std::string countOf(std::size_t n, std::string_view one, std::string_view plural)
{
    std::string noun(n == 1 ? one : plural);
    if (n != 1 && plural.empty())
        noun = std::string(one) + "s";
    return groupedNumber(n) + " " + noun;
}

} // namespace varnick
