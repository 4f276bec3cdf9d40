#pragma once

// A sentence of the package layer that a window may show in the player's
// language. The layer itself speaks English only (its failures' descriptions,
// the command line's output); a Phrase keeps the English template it was built
// from and the pieces filled into it, so that a window can fill the same pieces
// into the template's translation. A template's %1 ... %9 take the arguments in
// order; a counted template holds %n and marks its plural ending in parentheses
// ("%n byte(s)"). Names of files and objects and the operating system's own
// messages are literal pieces: they are never translated.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

/// An English text of a core, collected for translation under context.
#define VARNICK_TRANSLATE_NOOP(context, text) text
/// An English text with %n of a core, collected for translation with its plural forms.
#define VARNICK_TRANSLATE_N_NOOP(context, text) text
/// A Phrase's English template, collected for translation under context.
#define VARNICK_PHRASE(context, text)                                                                                  \
    ::varnick::PhraseText                                                                                              \
    {                                                                                                                  \
        context, text                                                                                                  \
    }
/// A counted Phrase's English template ("%n byte(s)"), collected with its plural forms.
#define VARNICK_PHRASE_N(context, text)                                                                                \
    ::varnick::PhraseText                                                                                              \
    {                                                                                                                  \
        context, text                                                                                                  \
    }

namespace varnick {

/// A marked template and the context it is collected under (both string literals).
struct PhraseText {
    const char* context;
    const char* english;
};

class Phrase {
public:
    /// An empty literal.
    Phrase() = default;
    /// A piece that stays as it is in every language (a name, a number, a system message).
    Phrase(std::string literal); // NOLINT(google-explicit-constructor): pieces are passed as plain strings
    /// The template with %1 ... filled from args.
    Phrase(PhraseText text, std::vector<Phrase> args = {});
    /// The counted template for n things, with %1 ... filled from args.
    static Phrase counted(PhraseText text, std::int64_t n, std::vector<Phrase> args = {});

    /// The English sentence, exactly as the layer has always worded it: numbers
    /// of counts without grouping.
    std::string english() const;

    bool isLiteral() const noexcept { return mText.english == nullptr; }
    /// The literal's text; empty for a template.
    const std::string& literal() const noexcept { return mLiteral; }
    /// The template (null context and text for a literal).
    const PhraseText& text() const noexcept { return mText; }
    const std::vector<Phrase>& args() const noexcept { return mArgs; }
    /// The count of a counted template.
    const std::optional<std::int64_t>& count() const noexcept { return mCount; }

private:
    PhraseText mText { nullptr, nullptr };
    std::string mLiteral;
    std::vector<Phrase> mArgs;
    std::optional<std::int64_t> mCount;
};

/// pattern with %1 ... %9 replaced by args in one pass (an argument holding "%2"
/// stays as it is); a %k without its argument stays.
std::string fillPlaceholders(std::string_view pattern, std::span<const std::string_view> args);

/// A counted text in English: %n replaced by number, and each plural ending in
/// parentheses right after a letter ("(s)", "(es)") kept without them, or
/// dropped when one is true.
std::string englishPluralForm(std::string_view english, std::string_view number, bool one);

} // namespace varnick
