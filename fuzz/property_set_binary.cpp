// Binary property set reader: any bytes read cleanly or fail with a Failure;
// what reads is written and read back to the same items, and written as XML
// and read back gives the same binary bytes (for items whose names and values
// the XML's line format can carry). The trapped procedures report exactly
// when the reader throws and then leave the set as it was.
#include "fuzz/common/PropertyLines.h"
#include "fuzz/common/QuietTrap.h"
#include "package/BinarySupport.h"
#include "package/PropertySet.h"
#include "package/base/ErrorTrap.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace varnick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static fuzz::QuietTrap trap;
    const ByteView bytes(reinterpret_cast<const char*>(data), size);
    PropertySet set;
    bool read = true;
    try {
        set = readBinPropertySet(bytes);
    } catch (const Failure&) {
        read = false;
    }
    PropertySet trapped;
    trapped.Count = -1;
    gsReadBinPropertySet(bytes, trapped);
    if (trap.take() != (read ? 0 : 1) || (read ? trapped.Items.size() != set.Items.size() : trapped.Count != -1))
        std::abort();
    if (!bytes.starts_with("<?xml")) {
        PropertySet either;
        either.Count = -1;
        gsReadPropertySet(bytes, either);
        if (trap.take() != (read ? 0 : 1) || (read ? either.Items.size() != set.Items.size() : either.Count != -1))
            std::abort();
    }
    if (!read)
        return 0;
    if (static_cast<std::size_t>(set.Count) != set.Items.size())
        std::abort();
    const ByteString written = writeBinPropertySet(set.Items);
    const PropertySet back = readBinPropertySet(written);
    if (back.Items.size() != set.Items.size())
        std::abort();
    for (std::size_t i = 0; i < set.Items.size(); ++i) {
        const auto& a = set.Items[i];
        const auto& b = back.Items[i];
        if (a.TypeCode != b.TypeCode || a.Name != b.Name || a.Value != b.Value || a.Number != b.Number)
            std::abort();
    }

    if (!fuzz::allFitXmlLines(set.Items))
        return 0;
    PropertySet viaXml = readXmlPropertySet(writeXmlPropertySet(set.Items));
    if (viaXml.Items.size() != set.Items.size())
        std::abort();
    for (PropertyItem& item : viaXml.Items)
        item.TypeCode = gfstrHexToStrRev(item.TypeCode);
    if (writeBinPropertySet(viaXml.Items) != written)
        std::abort();
    return 0;
}
