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
