#include "package/PropertySet.h"

#include "package/BinarySupport.h"
#include "package/ResourceCursor.h"
#include "package/base/ErrorTrap.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace varnick {

namespace {

constexpr std::string_view kModule = "modSimsPackage";

// Smallest item of the binary encoding: type, name length, empty name, one Boolean byte.
constexpr std::size_t kSmallestBinaryItem = 9;

// The decimal number at the start of text: optional sign, digits, optional
// fraction and exponent. 0 when the text does not start with a number; a
// hexadecimal "0x20" stops after its "0" and so gives 0.
double leadingDecimal(ByteView text)
{
    std::size_t end = 0;
    bool negative = false;
    if (end < text.size() && (text[end] == '+' || text[end] == '-')) {
        negative = text[end] == '-';
        ++end;
    }
    const std::size_t start = end;
    auto digits = [&] {
        const std::size_t from = end;
        while (end < text.size() && text[end] >= '0' && text[end] <= '9')
            ++end;
        return end - from;
    };
    std::size_t mantissaDigits = digits();
    if (end < text.size() && text[end] == '.') {
        ++end;
        mantissaDigits += digits();
    }
    if (mantissaDigits == 0)
        return 0;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t mark = end++;
        if (end < text.size() && (text[end] == '+' || text[end] == '-'))
            ++end;
        if (digits() == 0)
            end = mark;
    }
    double value = 0;
    const char* first = text.data() + start;
    auto [ptr, error] = std::from_chars(first, text.data() + end, value, std::chars_format::general);
    if (error == std::errc::result_out_of_range)
        value = std::numeric_limits<double>::infinity();
    else if (error != std::errc())
        value = 0;
    (void)ptr;
    return negative ? -value : value;
}

// Reads the whole line list: lines end at CR LF, LF or a lone CR.
std::vector<ByteView> splitLines(ByteView text)
{
    std::vector<ByteView> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || text[i] == '\r') {
            lines.push_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

// Cuts one property line into its four fields, searching each mark from where
// the previous one was found. False when a mark is missing (not a property line).
bool parsePropertyLine(ByteView line, PropertyItem& item)
{
    const std::size_t open = line.find('<');
    if (open == ByteView::npos)
        return false;
    const std::size_t elementEnd = line.find(' ', open + 1);
    if (elementEnd == ByteView::npos)
        return false;
    const ByteView element = line.substr(open + 1, elementEnd - open - 1);

    const std::size_t key = line.find("key=", elementEnd);
    if (key == ByteView::npos)
        return false;
    const std::size_t nameStart = key + 5; // past key= and the opening quote
    const std::size_t nameEnd = line.find(' ', nameStart);
    if (nameEnd == ByteView::npos || nameEnd < nameStart + 1)
        return false;
    ByteView name = line.substr(nameStart, nameEnd - nameStart - 1); // less the closing quote

    const std::size_t type = line.find("type=", nameEnd);
    if (type == ByteView::npos)
        return false;
    const std::size_t typeStart = type + 8; // past type=, the opening quote and 0x
    const std::size_t close = line.find('>', type);
    if (close == ByteView::npos || close < typeStart + 1)
        return false;
    ByteView typeCode = line.substr(typeStart, close - typeStart - 1); // less the closing quote

    const std::size_t valueEnd = line.find('<', close + 1);
    if (valueEnd == ByteView::npos)
        return false;
    ByteView value = line.substr(close + 1, valueEnd - close - 1);

    item.TypeCode = ByteString(typeCode);
    item.Name = ByteString(name);
    item.Value = ByteString(value);
    item.Number = element == "AnyString" ? 0 : leadingDecimal(value);
    return true;
}

std::string hexOfStored(ByteView stored)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (std::size_t i = stored.size(); i-- > 0;) {
        text += kDigits[byteAt(stored, i) >> 4];
        text += kDigits[byteAt(stored, i) & 0xF];
    }
    return text;
}

void checkTypeCode(const PropertyItem& item)
{
    if (item.TypeCode.size() != 4) {
        throw Failure(ErrorCode::InvalidArgument,
            "Property \"" + item.Name + "\" has a type code of " + std::to_string(item.TypeCode.size())
                + " bytes; 4 are needed");
    }
}

// Number as a 32-bit value: integers (also negative ones) keep their bits.
std::uint32_t numberBits(double number)
{
    if (!std::isfinite(number))
        return 0;
    const double clamped = std::fmin(std::fmax(number, -2147483648.0), 4294967295.0);
    const auto whole = static_cast<std::int64_t>(clamped);
    return static_cast<std::uint32_t>(whole);
}

} // namespace

/*
 Binary property set, integers little-endian:

   offset 0    6 bytes  identifier and version (not read)
   offset 6    4 bytes  item count (signed; negative is damage)
   offset 10            items, back to back:
                          type code      4 bytes (stored identifier)
                          name length n  4 bytes
                          name           n bytes
                          value:  string 0B8BEA18: length m (4 bytes), m bytes
                                  Boolean CBA908E1: 1 byte
                                  any other type: 4 bytes, a signed integer
*/
PropertySet readBinPropertySet(ByteView data)
{
    ResourceCursor cursor(data, VARNICK_PHRASE("Resources", "Property set"));
    cursor.skip(6, "identifier and version");
    const std::int32_t count = cursor.i32("item count");
    if (count < 0 || static_cast<std::size_t>(count) > cursor.remaining() / kSmallestBinaryItem) {
        cursor.fail("item count",
            Phrase(VARNICK_PHRASE("Resources", "is %1, but %2 bytes cannot hold that many items"),
                { std::to_string(count), std::to_string(cursor.remaining()) }));
    }
    PropertySet set;
    set.Items.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i) {
        PropertyItem item;
        item.TypeCode = cursor.id("type code");
        const std::uint32_t nameLength = cursor.u32("name length");
        item.Name = ByteString(cursor.bytes(nameLength, "name"));
        if (item.TypeCode == kPropertyTypeString) {
            const std::uint32_t valueLength = cursor.u32("text length");
            item.Value = ByteString(cursor.bytes(valueLength, "text value"));
        } else if (item.TypeCode == kPropertyTypeBoolean) {
            item.Number = cursor.u8("Boolean value");
        } else {
            item.Number = cursor.i32("number value");
        }
        set.Items.push_back(std::move(item));
    }
    set.Count = count;
    return set;
}

/*
 XML property set, one property per line:

   <?xml version="1.0" encoding="UTF-8"?>
   <cGZPropertySetString>
   <AnyString key="name" type="0x0b8bea18">text</AnyString>
   <AnyBoolean key="flag" type="0xcba908e1">1</AnyBoolean>
   </cGZPropertySetString>                          (ends the set)

 Lines may end in CR LF, LF or CR. Lines that are not property lines (the
 declaration, the opening of the set, blank lines, comments, properties spread
 over several lines) are passed over, so a declaration and set opening joined
 on one line lose no property.
*/
PropertySet readXmlPropertySet(ByteView data)
{
    PropertySet set;
    const std::vector<ByteView> lines = splitLines(data);
    for (ByteView line : lines) {
        const std::size_t indent = line.find_first_not_of(" \t");
        if (indent != ByteView::npos && line.substr(indent).starts_with("</cGZProperty"))
            break;
        PropertyItem item;
        if (parsePropertyLine(line, item))
            set.Items.push_back(std::move(item));
    }
    set.Count = static_cast<std::int32_t>(set.Items.size());
    return set;
}

PropertySet readPropertySet(ByteView data)
{
    if (data.starts_with("<?xml"))
        return readXmlPropertySet(data);
    return readBinPropertySet(data);
}

void gsReadPropertySet(ByteView data, PropertySet& props)
{
    trapped(kModule, "gsReadPropertySet", [&] { props = readPropertySet(data); });
}

void gsReadBinPropertySet(ByteView data, PropertySet& props)
{
    trapped(kModule, "gsReadBinPropertySet", [&] { props = readBinPropertySet(data); });
}

void gsReadXMLPropertySet(ByteView data, PropertySet& props)
{
    trapped(kModule, "gsReadXMLPropertySet", [&] { props = readXmlPropertySet(data); });
}

ByteString writeBinPropertySet(const std::vector<PropertyItem>& items)
{
    if (items.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        throw Failure(ErrorCode::InvalidArgument, "Property set has too many items");
    ByteString out(kBinaryPropertySetHeader);
    appendLong(out, static_cast<std::uint32_t>(items.size()));
    for (const PropertyItem& item : items) {
        checkTypeCode(item);
        out += item.TypeCode;
        appendLong(out, static_cast<std::uint32_t>(item.Name.size()));
        out += item.Name;
        if (item.TypeCode == kPropertyTypeString) {
            appendLong(out, static_cast<std::uint32_t>(item.Value.size()));
            out += item.Value;
        } else if (item.TypeCode == kPropertyTypeBoolean) {
            out += static_cast<char>(numberBits(item.Number) & 0xFF);
        } else {
            appendLong(out, numberBits(item.Number));
        }
    }
    return out;
}

ByteString writeXmlPropertySet(const std::vector<PropertyItem>& items)
{
    ByteString out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<cGZPropertySetString>\n";
    for (const PropertyItem& item : items) {
        checkTypeCode(item);
        std::string element = "AnyUint32";
        ByteString value = item.Value;
        if (item.TypeCode == kPropertyTypeString) {
            element = "AnyString";
        } else {
            if (item.TypeCode == kPropertyTypeBoolean)
                element = "AnyBoolean";
            if (value.empty())
                value = std::to_string(
                    item.TypeCode == kPropertyTypeBoolean ? numberBits(item.Number) & 0xFF : numberBits(item.Number));
        }
        out.append("<").append(element).append(" key=\"").append(item.Name).append("\" type=\"0x");
        out.append(hexOfStored(item.TypeCode)).append("\">").append(value).append("</").append(element).append(">\n");
    }
    out += "</cGZPropertySetString>\n";
    return out;
}

} // namespace varnick
