#include "package/base/Phrase.h"

#include <utility>

namespace varnick {

Phrase::Phrase(std::string literal)
    : mLiteral(std::move(literal))
{
}

Phrase::Phrase(PhraseText text, std::vector<Phrase> args)
    : mText(text)
    , mArgs(std::move(args))
{
}

Phrase Phrase::counted(PhraseText text, std::int64_t n, std::vector<Phrase> args)
{
    Phrase phrase(text, std::move(args));
    phrase.mCount = n;
    return phrase;
}

std::string Phrase::english() const
{
    if (isLiteral())
        return mLiteral;
    std::vector<std::string> filled;
    filled.reserve(mArgs.size());
    for (const Phrase& arg : mArgs)
        filled.push_back(arg.english());
    const std::vector<std::string_view> views(filled.begin(), filled.end());
    if (mCount)
        return fillPlaceholders(englishPluralForm(mText.english, std::to_string(*mCount), *mCount == 1), views);
    return fillPlaceholders(mText.english, views);
}

std::string fillPlaceholders(std::string_view pattern, std::span<const std::string_view> args)
{
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '9') {
            const auto index = static_cast<std::size_t>(next - '1');
            if (index < args.size()) {
                text += args[index];
                ++i;
                continue;
            }
        }
        text += pattern[i];
    }
    return text;
}

std::string englishPluralForm(std::string_view english, std::string_view number, bool one)
{
    std::string text;
    text.reserve(english.size() + number.size());
    for (std::size_t i = 0; i < english.size(); ++i) {
        if (english.substr(i, 2) == "%n") {
            text += number;
            ++i;
            continue;
        }
        if (english[i] == '(' && i > 0 && english[i - 1] != ' ') {
            const std::size_t close = english.find(')', i);
            if (close != std::string_view::npos) {
                if (!one)
                    text += english.substr(i + 1, close - i - 1);
                i = close;
                continue;
            }
        }
        text += english[i];
    }
    return text;
}

} // namespace varnick
