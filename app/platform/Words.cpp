#include "app/platform/Words.h"

#include "app/platform/Translatable.h"

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

std::string plainReadFailure(std::string_view technical)
{
    const auto has = [technical](std::string_view part) { return technical.find(part) != std::string_view::npos; };
    const auto starts = [technical](std::string_view part) { return technical.substr(0, part.size()) == part; };
    if (has("96-byte package header") || has("package header needs"))
        return VARNICK_TRANSLATE_NOOP("Words", "The file is too short to be a package");
    if (starts("Index")) {
        if (has("runs past the end"))
            return VARNICK_TRANSLATE_NOOP("Words", "The file is damaged: its table of contents runs past its end");
        return VARNICK_TRANSLATE_NOOP("Words", "The file is damaged: its table of contents is garbled");
    }
    if (starts("The index ended early"))
        return VARNICK_TRANSLATE_NOOP("Words", "The file changed while it was being read");
    if (starts("Resource ")) {
        if (has("runs past the end"))
            return VARNICK_TRANSLATE_NOOP(
                "Words", "The file is damaged: a part of it runs past its end (it may be cut short)");
        return VARNICK_TRANSLATE_NOOP("Words", "The file is damaged: a part of it is garbled");
    }
    if (starts("A read of ") && has("lies outside"))
        return VARNICK_TRANSLATE_NOOP("Words", "The file is damaged: it ends too early");
    // The reader's messages about opening and reading files are already the player's words.
    if (starts("The file ") || starts("The length of the file"))
        return std::string(technical);
    return VARNICK_TRANSLATE_NOOP("Words", "The file cannot be read as a package");
}

} // namespace varnick
