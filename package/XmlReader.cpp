#include "package/XmlReader.h"

#include "package/base/Utf8.h"

#include <algorithm>
#include <cstdint>

namespace varnick {

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isNameStart(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':'
        || static_cast<unsigned char>(c) >= 0x80;
}

bool isNameChar(char c)
{
    return isNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

// The text of a short piece of the input for a message, cut at 40 bytes.
std::string excerpt(std::string_view text)
{
    return text.size() <= 40 ? std::string(text) : std::string(text.substr(0, 40)) + "...";
}

} // namespace

XmlReader::XmlReader(std::string_view text, XmlLimits limits)
    : mText0(text)
    , mLimits(limits)
{
    if (text.size() > limits.maxBytes)
        throw XmlError("the XML is " + std::to_string(text.size()) + " bytes long, more than the "
            + std::to_string(limits.maxBytes) + " allowed");
    if (text.starts_with("\xEF\xBB\xBF"))
        mPos = 3;
}

const std::string* XmlReader::attribute(std::string_view attributeName) const noexcept
{
    for (const auto& [key, value] : mAttributes)
        if (key == attributeName)
            return &value;
    return nullptr;
}

void XmlReader::fail(std::size_t at, const std::string& what) const
{
    at = std::min(at, mText0.size());
    const std::string_view before = mText0.substr(0, at);
    const std::size_t line = static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n')) + 1;
    const std::size_t lineStart = before.rfind('\n');
    const std::size_t column = lineStart == std::string_view::npos ? at + 1 : at - lineStart;
    throw XmlError("line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + what);
}

bool XmlReader::startsWith(std::string_view prefix) const noexcept
{
    return mText0.substr(mPos).starts_with(prefix);
}

std::size_t XmlReader::find(std::string_view token, std::size_t from, const char* construct) const
{
    const std::size_t at = mText0.find(token, from);
    if (at == std::string_view::npos)
        fail(mPos, std::string(construct) + " is never closed with \"" + std::string(token) + "\"");
    return at;
}

void XmlReader::skipSpace() noexcept
{
    while (mPos < mText0.size() && isSpace(mText0[mPos]))
        ++mPos;
}

std::string_view XmlReader::readName(const char* what)
{
    const std::size_t start = mPos;
    if (mPos >= mText0.size() || !isNameStart(mText0[mPos]))
        fail(mPos, std::string("expected ") + what + ", found \"" + excerpt(mText0.substr(mPos, 12)) + "\"");
    while (mPos < mText0.size() && isNameChar(mText0[mPos]))
        ++mPos;
    return mText0.substr(start, mPos - start);
}

void XmlReader::decodeInto(std::string& out, std::string_view raw, std::size_t rawAt) const
{
    out.clear();
    out.reserve(raw.size());
    std::size_t i = 0;
    while (i < raw.size()) {
        const std::size_t amp = raw.find('&', i);
        out.append(raw.substr(i, amp == std::string_view::npos ? raw.size() - i : amp - i));
        if (amp == std::string_view::npos)
            break;
        const std::size_t semicolon = raw.find(';', amp);
        // The longest reference ("&#x10FFFF;", "&#1114111;") has 10 bytes.
        if (semicolon == std::string_view::npos || semicolon - amp > 10)
            fail(rawAt + amp, "an \"&\" that begins no entity (write \"&amp;\" for the character)");
        const std::string_view entity = raw.substr(amp + 1, semicolon - amp - 1);
        if (entity == "lt") {
            out.push_back('<');
        } else if (entity == "gt") {
            out.push_back('>');
        } else if (entity == "amp") {
            out.push_back('&');
        } else if (entity == "quot") {
            out.push_back('"');
        } else if (entity == "apos") {
            out.push_back('\'');
        } else if (entity.size() >= 2 && entity[0] == '#') {
            const bool hex = entity[1] == 'x';
            const std::string_view digits = entity.substr(hex ? 2 : 1);
            std::uint32_t point = 0;
            bool valid = !digits.empty();
            for (const char c : digits) {
                int value = -1;
                if (c >= '0' && c <= '9')
                    value = c - '0';
                else if (hex && c >= 'a' && c <= 'f')
                    value = c - 'a' + 10;
                else if (hex && c >= 'A' && c <= 'F')
                    value = c - 'A' + 10;
                if (value < 0 || point > 0x10FFFF) {
                    valid = false;
                    break;
                }
                point = point * (hex ? 16 : 10) + static_cast<std::uint32_t>(value);
            }
            if (!valid || point == 0 || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
                fail(rawAt + amp, "\"&" + std::string(entity) + ";\" names no character");
            appendUtf8(out, point);
        } else {
            fail(rawAt + amp, "unknown entity \"&" + std::string(entity) + ";\"");
        }
        i = semicolon + 1;
    }
}

void XmlReader::skipMisc()
{
    for (;;) {
        skipSpace();
        if (startsWith("<?")) {
            mPos = find("?>", mPos + 2, "A processing instruction") + 2;
        } else if (startsWith("<!--")) {
            mPos = find("-->", mPos + 4, "A comment") + 3;
        } else if (startsWith("<!DOCTYPE")) {
            fail(mPos, "a document type declaration (<!DOCTYPE) is not accepted");
        } else {
            return;
        }
    }
}

XmlReader::Event XmlReader::readStartElement()
{
    ++mPos; // '<'
    const std::string_view name = readName("an element name");
    mAttributes.clear();
    bool selfClosing = false;
    for (;;) {
        const std::size_t before = mPos;
        skipSpace();
        if (mPos >= mText0.size())
            fail(mPos, "the XML ends inside the tag <" + std::string(name) + ">");
        if (mText0[mPos] == '>') {
            ++mPos;
            break;
        }
        if (startsWith("/>")) {
            mPos += 2;
            selfClosing = true;
            break;
        }
        if (mPos == before)
            fail(mPos, "expected a space, \">\" or \"/>\" in the tag <" + std::string(name) + ">");
        const std::size_t nameAt = mPos;
        std::string key(readName("an attribute name"));
        skipSpace();
        if (mPos >= mText0.size() || mText0[mPos] != '=')
            fail(mPos, "expected \"=\" after the attribute " + key);
        ++mPos;
        skipSpace();
        if (mPos >= mText0.size() || (mText0[mPos] != '"' && mText0[mPos] != '\''))
            fail(mPos, "expected a quoted value for the attribute " + key);
        const char quote = mText0[mPos++];
        const std::size_t close = find(std::string_view(&quote, 1), mPos, "An attribute value");
        const std::string_view raw = mText0.substr(mPos, close - mPos);
        if (const std::size_t lt = raw.find('<'); lt != std::string_view::npos)
            fail(mPos + lt, "\"<\" inside the value of the attribute " + key);
        if (attribute(key) != nullptr)
            fail(nameAt, "the attribute " + key + " is given twice");
        std::string value;
        decodeInto(value, raw, mPos);
        mAttributes.emplace_back(std::move(key), std::move(value));
        mPos = close + 1;
    }
    if (depth() >= mLimits.maxDepth)
        fail(mPos, "elements nest deeper than " + std::to_string(mLimits.maxDepth) + " levels");
    mName.assign(name);
    mOpen.push_back(mName);
    mRootSeen = true;
    mPendingEnd = selfClosing;
    return Event::StartElement;
}

XmlReader::Event XmlReader::readEndElement()
{
    const std::size_t at = mPos;
    mPos += 2; // "</"
    const std::string_view name = readName("an element name");
    skipSpace();
    if (mPos >= mText0.size() || mText0[mPos] != '>')
        fail(mPos, "expected \">\" to close </" + std::string(name));
    ++mPos;
    if (name != mOpen.back())
        fail(at, "expected </" + mOpen.back() + ">, found </" + std::string(name) + ">");
    mName = std::move(mOpen.back());
    mOpen.pop_back();
    return Event::EndElement;
}

XmlReader::Event XmlReader::next()
{
    if (mPendingEnd) {
        mPendingEnd = false;
        mName = std::move(mOpen.back());
        mOpen.pop_back();
        return Event::EndElement;
    }
    if (!mRootSeen) {
        skipMisc();
        if (mPos >= mText0.size())
            fail(mPos, "the XML holds no element");
        if (mText0[mPos] != '<' || startsWith("<!"))
            fail(mPos, "expected the root element, found \"" + excerpt(mText0.substr(mPos, 12)) + "\"");
        return readStartElement();
    }
    if (mOpen.empty()) {
        skipMisc();
        // Writers that pad the XML with NUL bytes leave nothing else after it.
        while (mPos < mText0.size() && (mText0[mPos] == '\0' || isSpace(mText0[mPos])))
            ++mPos;
        if (mPos < mText0.size())
            fail(mPos, "\"" + excerpt(mText0.substr(mPos, 12)) + "\" follows the end of the root element");
        return Event::End;
    }
    for (;;) {
        if (mPos >= mText0.size())
            fail(mPos, "the XML ends inside <" + mOpen.back() + ">");
        if (mText0[mPos] != '<') {
            const std::size_t start = mPos;
            const std::size_t lt = mText0.find('<', mPos);
            mPos = lt == std::string_view::npos ? mText0.size() : lt;
            decodeInto(mText, mText0.substr(start, mPos - start), start);
            return Event::Text;
        }
        if (startsWith("</"))
            return readEndElement();
        if (startsWith("<![CDATA[")) {
            const std::size_t start = mPos + 9;
            const std::size_t close = find("]]>", start, "A CDATA section");
            mText.assign(mText0.substr(start, close - start));
            mPos = close + 3;
            return Event::Text;
        }
        if (startsWith("<!--")) {
            mPos = find("-->", mPos + 4, "A comment") + 3;
            continue;
        }
        if (startsWith("<?")) {
            mPos = find("?>", mPos + 2, "A processing instruction") + 2;
            continue;
        }
        if (startsWith("<!"))
            fail(mPos, "a declaration (\"" + excerpt(mText0.substr(mPos, 12)) + "\") inside an element");
        return readStartElement();
    }
}

} // namespace varnick
