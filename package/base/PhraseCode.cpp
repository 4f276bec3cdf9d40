#include "package/base/PhraseCode.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <set>
#include <utility>
#include <vector>

namespace varnick {

namespace {

constexpr std::string_view kMark = "P1";
// The program's phrases nest three or four deep; more is not one of its own.
constexpr int kMaxDepth = 8;
// %1 ... %9.
constexpr std::size_t kMaxPieces = 9;
// A template's text is held for the rest of the run (a Phrase keeps pointers
// to it); a damaged store cannot make it hold more than this many.
constexpr std::size_t kMaxKeptTexts = 4096;

void appendField(std::string& out, std::string_view text)
{
    out += std::to_string(text.size());
    out += ':';
    out += text;
}

void encodeInto(std::string& out, const Phrase& phrase)
{
    if (phrase.isLiteral()) {
        out += 'L';
        appendField(out, phrase.literal());
        return;
    }
    out += 'T';
    appendField(out, phrase.text().context);
    appendField(out, phrase.text().english);
    if (phrase.count()) {
        out += 'N';
        out += std::to_string(*phrase.count());
        out += ';';
    }
    out += 'A';
    out += std::to_string(phrase.args().size());
    out += ';';
    for (const Phrase& arg : phrase.args())
        encodeInto(out, arg);
}

// The one copy of a decoded template's text, kept for the rest of the run;
// null when the store is full.
const char* keptText(std::string_view text)
{
    static std::mutex mutex;
    static std::set<std::string, std::less<>> kept;
    const std::lock_guard<std::mutex> lock(mutex);
    auto found = kept.find(text);
    if (found == kept.end()) {
        if (kept.size() >= kMaxKeptTexts)
            return nullptr;
        found = kept.emplace(text).first;
    }
    return found->c_str();
}

class Decoder {
public:
    explicit Decoder(std::string_view text)
        : mText(text)
    {
    }

    bool atEnd() const { return mAt == mText.size(); }

    bool take(char c)
    {
        if (mAt < mText.size() && mText[mAt] == c) {
            ++mAt;
            return true;
        }
        return false;
    }

    // Digits up to end, as encodePhrase writes them (an optional '-' first
    // where allowed, no leading zeros), so that a text reads one way only.
    template <typename Number> std::optional<Number> number(char end)
    {
        Number value {};
        const char* first = mText.data() + mAt;
        const char* last = mText.data() + mText.size();
        const char* digits = first < last && *first == '-' ? first + 1 : first;
        if (digits < last && *digits == '0' && (digits != first || (digits + 1 < last && digits[1] != end)))
            return std::nullopt;
        const auto [ptr, ec] = std::from_chars(first, last, value);
        if (ec != std::errc() || ptr == first || ptr == last || *ptr != end)
            return std::nullopt;
        mAt += static_cast<std::size_t>(ptr - first) + 1;
        return value;
    }

    std::optional<std::string_view> field()
    {
        const std::optional<std::size_t> length = number<std::size_t>(':');
        if (!length || *length > mText.size() - mAt)
            return std::nullopt;
        const std::string_view text = mText.substr(mAt, *length);
        mAt += *length;
        return text;
    }

    std::optional<Phrase> phrase(int depth)
    {
        if (depth > kMaxDepth)
            return std::nullopt;
        if (take('L')) {
            const auto text = field();
            if (!text)
                return std::nullopt;
            return Phrase(std::string(*text));
        }
        if (!take('T'))
            return std::nullopt;
        const auto context = field();
        const auto english = context ? field() : std::nullopt;
        // A template is a C string of the program's; one holding NUL is not.
        if (!english || context->find('\0') != std::string_view::npos || english->find('\0') != std::string_view::npos)
            return std::nullopt;
        std::optional<std::int64_t> count;
        if (take('N')) {
            count = number<std::int64_t>(';');
            if (!count)
                return std::nullopt;
        }
        if (!take('A'))
            return std::nullopt;
        const std::optional<std::size_t> pieces = number<std::size_t>(';');
        if (!pieces || *pieces > kMaxPieces)
            return std::nullopt;
        std::vector<Phrase> args;
        args.reserve(*pieces);
        for (std::size_t i = 0; i < *pieces; ++i) {
            std::optional<Phrase> arg = phrase(depth + 1);
            if (!arg)
                return std::nullopt;
            args.push_back(std::move(*arg));
        }
        const char* keptContext = keptText(*context);
        const char* keptEnglish = keptText(*english);
        if (keptContext == nullptr || keptEnglish == nullptr)
            return std::nullopt;
        const PhraseText text { keptContext, keptEnglish };
        return count ? Phrase::counted(text, *count, std::move(args)) : Phrase(text, std::move(args));
    }

private:
    std::string_view mText;
    std::size_t mAt = 0;
};

} // namespace

std::string encodePhrase(const Phrase& phrase)
{
    std::string out(kMark);
    encodeInto(out, phrase);
    return out;
}

std::optional<Phrase> decodePhrase(std::string_view text)
{
    if (text.substr(0, kMark.size()) != kMark)
        return std::nullopt;
    Decoder decoder(text.substr(kMark.size()));
    std::optional<Phrase> phrase = decoder.phrase(0);
    if (!phrase || !decoder.atEnd())
        return std::nullopt;
    return phrase;
}

} // namespace varnick
