#include "app/platform/Phrasebook.h"

#include "app/platform/Words.h"

namespace varnick {

std::string Phrasebook::say(
    const char* /*context*/, const char* english, std::initializer_list<std::string_view> args) const
{
    return fillPlaceholders(english, args);
}

std::string Phrasebook::count(
    const char* /*context*/, const char* english, std::size_t n, std::initializer_list<std::string_view> args) const
{
    return fillPlaceholders(englishCount(english, n), args);
}

const Phrasebook& englishPhrases()
{
    static const Phrasebook english;
    return english;
}

std::string fillPlaceholders(std::string_view pattern, std::initializer_list<std::string_view> args)
{
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '9') {
            const auto index = static_cast<std::size_t>(next - '1');
            if (index < args.size()) {
                text += *(args.begin() + index);
                ++i;
                continue;
            }
        }
        text += pattern[i];
    }
    return text;
}

std::string englishCount(std::string_view english, std::size_t n)
{
    std::string text;
    text.reserve(english.size() + 8);
    for (std::size_t i = 0; i < english.size(); ++i) {
        if (english.substr(i, 2) == "%n") {
            text += groupedNumber(n);
            ++i;
            continue;
        }
        // A plural ending: "(s)", "(es)" right after a letter.
        if (english[i] == '(' && i > 0 && english[i - 1] != ' ') {
            const std::size_t close = english.find(')', i);
            if (close != std::string_view::npos) {
                if (n != 1)
                    text += english.substr(i + 1, close - i - 1);
                i = close;
                continue;
            }
        }
        text += english[i];
    }
    return text;
}

std::string joinedList(const Phrasebook& words, const std::vector<std::string>& parts)
{
    if (parts.size() < 2)
        return parts.empty() ? std::string() : parts.front();
    // "A, B" up to the last but one, then "... and C".
    std::string head = parts.front();
    for (std::size_t i = 1; i + 1 < parts.size(); ++i)
        head = words.say("Phrasebook", VARNICK_TRANSLATE_NOOP("Phrasebook", "%1, %2"), { head, parts[i] });
    return words.say("Phrasebook", VARNICK_TRANSLATE_NOOP("Phrasebook", "%1 and %2"), { head, parts.back() });
}

} // namespace varnick
