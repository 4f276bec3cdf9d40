// Phrases kept as text (the library index's reasons) and read back by a later run.
#include "package/base/PhraseCode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace varnick;

namespace {

// Whether a and b are the same phrase: templates by their text (not their
// address, which a decoded phrase does not share), counts and pieces in turn.
bool samePhrase(const Phrase& a, const Phrase& b)
{
    if (a.isLiteral() != b.isLiteral())
        return false;
    if (a.isLiteral())
        return a.literal() == b.literal();
    if (std::string(a.text().context) != b.text().context || std::string(a.text().english) != b.text().english
        || a.count() != b.count() || a.args().size() != b.args().size())
        return false;
    for (std::size_t i = 0; i < a.args().size(); ++i)
        if (!samePhrase(a.args()[i], b.args()[i]))
            return false;
    return true;
}

const Phrase kNested(VARNICK_PHRASE("Failures", "%1: %2"),
    { std::string("Lamp \xFF.package"),
        Phrase(VARNICK_PHRASE("Backups", "The previous version cannot be kept as a backup (%1)"),
            { Phrase(VARNICK_PHRASE("Files", "Reading %1 bytes at offset %2 failed: %3"),
                { std::string("12"), std::string("0"), std::string("L5:x;A9:") }) }) });

} // namespace

TEST(PhraseCode, phrasesComeBackAsTheyWereWorded)
{
    const Phrase withNul(std::string("a\0b:9", 5));
    const std::vector<Phrase> cases {
        Phrase(),
        Phrase(std::string("plain text")),
        withNul,
        Phrase(VARNICK_PHRASE("LibraryHealth", "The file is empty")),
        Phrase::counted(VARNICK_PHRASE_N("Sims2Pack", "%n byte(s)"), -3),
        Phrase::counted(VARNICK_PHRASE_N("Sims2Pack", "%n byte(s)"), 1, { std::string("x") }),
        kNested,
    };
    for (const Phrase& phrase : cases) {
        const std::string code = encodePhrase(phrase);
        const std::optional<Phrase> back = decodePhrase(code);
        ASSERT_TRUE(back) << code;
        EXPECT_TRUE(samePhrase(*back, phrase)) << code;
        EXPECT_EQ(back->english(), phrase.english()) << code;
    }
    // The same template read twice is one text, kept for the run.
    EXPECT_EQ(decodePhrase(encodePhrase(kNested))->text().english, decodePhrase(encodePhrase(kNested))->text().english);
}

// A stored text is outside bytes: what is not one whole phrase is refused, never half read.
TEST(PhraseCode, refusesTextThatIsNotOneWholePhrase)
{
    const std::string whole = encodePhrase(kNested);
    for (std::size_t length = 0; length < whole.size(); ++length)
        EXPECT_FALSE(decodePhrase(whole.substr(0, length))) << whole.substr(0, length);

    std::string deep = "L1:x";
    for (int i = 0; i < 12; ++i)
        deep = "T1:c2:%1A1;" + deep;
    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        { "no mark", whole.substr(2) },
        { "another mark", "P2" + whole.substr(2) },
        { "bytes after the phrase", whole + "L0:" },
        { "an unknown tag", "P1X3:abc" },
        { "a length past the end", "P1L99:abc" },
        { "a negative length", "P1L-1:" },
        { "a length with a sign", "P1L+3:abc" },
        { "a length without digits", "P1L:abc" },
        { "a length beyond any number", "P1L99999999999999999999999:x" },
        { "more pieces than placeholders", "P1T1:c1:eA10;L0:L0:L0:L0:L0:L0:L0:L0:L0:L0:" },
        { "fewer pieces than it says", "P1T1:c1:eA2;L0:" },
        { "a count without its end", "P1T1:c1:eN12A0;" },
        { "nested deeper than any phrase of the program", "P1" + deep },
        { "a length with a leading zero", "P1L03:abc" },
        { "a count of minus zero", "P1T1:c1:eN-0;A0;" },
        { "a template holding NUL", std::string("P1T1:c2:e\0A0;", 13) },
        { "empty", "" },
    };
    for (const auto& c : cases)
        EXPECT_FALSE(decodePhrase(c.text)) << c.what << ": " << c.text;
    // What is read is read one way: its encoding is the text it came from.
    for (const std::string& text : { whole, std::string("P1L0:"), std::string("P1T1:c1:eN0;A0;") })
        EXPECT_EQ(encodePhrase(*decodePhrase(text)), text);
}
