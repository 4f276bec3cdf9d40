#include "package/base/Utf8.h"

#include <gtest/gtest.h>

using namespace varnick;

TEST(Utf8, keepsWellFormedTextAndReplacesEachMaximalInvalidSubpart)
{
    const std::string r = "\xEF\xBF\xBD"; // U+FFFD
    struct Case {
        const char* name;
        std::string bytes;
        std::string shown;
        std::size_t codePoints;
    };
    const Case cases[] = {
        { "ascii", "Sofa", "Sofa", 4 },
        { "two to four bytes", "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", 3 },
        { "Windows-1252 e acute", "Caf\xE9", "Caf" + r, 4 },
        { "lone continuation", "a\x80z", "a" + r + "z", 3 },
        { "overlong", "\xC0\x80", r + r, 2 },
        { "surrogate", "\xED\xA0\x80", r + r + r, 3 },
        { "past U+10FFFF", "\xF4\x90\x80\x80", r + r + r + r, 4 },
        { "cut three-byte sequence", "\xE2\x82", r, 1 },
        { "cut sequence before text", "\xF0\x9F\x98x", r + "x", 2 },
        { "NUL kept", std::string("a\0b", 3), std::string("a\0b", 3), 3 },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(toValidUtf8(c.bytes), c.shown) << c.name;
        EXPECT_EQ(isValidUtf8(c.bytes), c.bytes == c.shown) << c.name;
        EXPECT_EQ(utf8CodePointCount(c.bytes), c.codePoints) << c.name;
    }
}

// Windows hands over wide text (registry values, file names) that may hold lone
// surrogates; the conversion must not throw, as the standard library's does.
TEST(Utf8, wideTextConvertsBothWaysWithReplacementForWhatCannot)
{
    const struct {
        std::u16string utf16;
        std::string utf8;
    } both[] = {
        { u"", "" }, { u"Sims 2", "Sims 2" },
        { u"M\u00f6bel \u00e9t\u00e9",
            "M\xC3\xB6"
            "bel \xC3\xA9t\xC3\xA9" },
        { u"\u20ac", "\xE2\x82\xAC" }, { u"\U0001F600", "\xF0\x9F\x98\x80" }, // a surrogate pair
    };
    for (const auto& c : both) {
        EXPECT_EQ(utf8FromUtf16(c.utf16), c.utf8) << c.utf8;
        EXPECT_EQ(utf16FromUtf8(c.utf8), c.utf16) << c.utf8;
    }
    const struct {
        std::u16string utf16;
        std::string utf8;
    } lone[] = {
        { std::u16string(1, u'\xD800'), "\xEF\xBF\xBD" },
        { std::u16string(1, u'\xDC00') + u"a",
            "\xEF\xBF\xBD"
            "a" },
        { u"a" + std::u16string(1, u'\xD83D'), "a\xEF\xBF\xBD" }, // a high surrogate at the end
        { std::u16string(2, u'\xD83D'), "\xEF\xBF\xBD\xEF\xBF\xBD" },
    };
    for (const auto& c : lone)
        EXPECT_EQ(utf8FromUtf16(c.utf16), c.utf8);
    // Invalid UTF-8 becomes one U+FFFD per maximal invalid subpart, as toValidUtf8 does.
    EXPECT_EQ(utf16FromUtf8("a\xFF"
                            "b\xE2\x82"),
        u"a\uFFFDb\uFFFD");
    EXPECT_EQ(utf16FromUtf8("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD"); // an encoded surrogate is refused
}
