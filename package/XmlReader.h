#pragma once

// A small pull reader for XML that comes from outside: element starts and
// ends and text, one event at a time, in one pass without recursion. It is
// bounded by design: the text has a size limit, elements nest only so deep,
// and there is no document type declaration, so no entity can expand;
// memory grows with the text's size and no more.
//
// What it reads: an optional byte order mark, the XML declaration and other
// processing instructions, comments, elements with attributes (single or
// double quotes), character data with the five predefined entities and
// character references, and CDATA sections. Anything else is malformed.

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace varnick {

/// Malformed or oversized XML; what() says where ("line 3, column 7: ...").
class XmlError : public std::runtime_error {
public:
    explicit XmlError(const std::string& what)
        : std::runtime_error(what)
    {
    }
};

struct XmlLimits {
    std::size_t maxBytes = 16 * 1024 * 1024;
    int maxDepth = 8; ///< the root element is depth 1
};

class XmlReader {
public:
    enum class Event { StartElement, EndElement, Text, End };

    /// Reads text (UTF-8; the caller keeps it alive). Throws XmlError when it is longer than limits.maxBytes.
    XmlReader(std::string_view text, XmlLimits limits = {});

    /// The next event. Throws XmlError for malformed XML and for elements
    /// nested deeper than the limit; End comes once the root element has closed.
    Event next();

    /// The element's name (StartElement, EndElement).
    std::string_view name() const noexcept { return mName; }
    /// The decoded text (Text): character data or one CDATA section.
    const std::string& text() const noexcept { return mText; }
    /// The value of the start element's attribute, or nullptr.
    const std::string* attribute(std::string_view attributeName) const noexcept;
    /// Depth of the current element: 1 for the root (a Text event has its parent's depth).
    int depth() const noexcept { return static_cast<int>(mOpen.size()); }

private:
    [[noreturn]] void fail(std::size_t at, const std::string& what) const;
    bool startsWith(std::string_view prefix) const noexcept;
    std::size_t find(std::string_view token, std::size_t from, const char* construct) const;
    void skipSpace() noexcept;
    std::string_view readName(const char* what);
    void decodeInto(std::string& out, std::string_view raw, std::size_t rawAt) const;
    void skipMisc();
    Event readStartElement();
    Event readEndElement();

    std::string_view mText0;
    XmlLimits mLimits;
    std::size_t mPos = 0;
    std::vector<std::string> mOpen; ///< names of the open elements, outermost first
    bool mRootSeen = false;
    bool mPendingEnd = false; ///< a self-closing element's end comes next
    std::string mName;
    std::string mText;
    std::vector<std::pair<std::string, std::string>> mAttributes;
};

} // namespace varnick
