// XML property set reader: never fails, whatever the bytes; Count matches the
// items, and the trapped procedure gives the same items without a report.
// Items with 8-digit type codes are written as XML again and read back the
// same (where the line format can carry their names and values).
#include "fuzz/common/PropertyLines.h"
#include "fuzz/common/QuietTrap.h"
#include "package/BinarySupport.h"
#include "package/PropertySet.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace varnick;

namespace {

bool isTypeCode(ByteView text)
{
    if (text.size() != 8)
        return false;
    for (const char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')))
            return false;
    }
    return true;
}

ByteString lower(ByteView text)
{
    ByteString out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'F')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static fuzz::QuietTrap trap;
    const ByteView bytes(reinterpret_cast<const char*>(data), size);
    const PropertySet set = readXmlPropertySet(bytes);
    if (static_cast<std::size_t>(set.Count) != set.Items.size())
        std::abort();
    for (const PropertyItem& item : set.Items) {
        if (item.Name.size() > size || item.Value.size() > size)
            std::abort();
    }
    PropertySet trapped;
    gsReadXMLPropertySet(bytes, trapped);
    if (trap.take() != 0 || trapped.Items.size() != set.Items.size())
        std::abort();
    if (bytes.starts_with("<?xml")) {
        PropertySet either;
        gsReadPropertySet(bytes, either);
        if (trap.take() != 0 || either.Items.size() != set.Items.size())
            std::abort();
    }

    std::vector<PropertyItem> stored;
    for (const PropertyItem& item : set.Items) {
        if (!isTypeCode(item.TypeCode) || !fuzz::fitsOneXmlLine(item))
            continue;
        PropertyItem copy = item;
        copy.TypeCode = gfstrHexToStrRev(item.TypeCode);
        stored.push_back(std::move(copy));
    }
    const PropertySet back = readXmlPropertySet(writeXmlPropertySet(stored));
    if (back.Items.size() != stored.size())
        std::abort();
    for (std::size_t i = 0; i < stored.size(); ++i) {
        const PropertyItem& original = stored[i];
        const PropertyItem& again = back.Items[i];
        if (again.Name != original.Name || again.TypeCode != lower(gfstrStrToHex(original.TypeCode)))
            std::abort();
        if (!original.Value.empty() && again.Value != original.Value)
            std::abort();
    }
    return 0;
}
