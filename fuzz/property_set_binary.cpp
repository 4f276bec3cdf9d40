// Binary property set reader: any bytes read cleanly or fail with a Failure;
// what reads is written and read back to the same items.
#include "package/PropertySet.h"
#include "package/base/ErrorTrap.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const varnick::ByteView bytes(reinterpret_cast<const char*>(data), size);
    varnick::PropertySet set;
    try {
        set = varnick::readBinPropertySet(bytes);
    } catch (const varnick::Failure&) {
        return 0;
    }
    if (static_cast<std::size_t>(set.Count) != set.Items.size())
        std::abort();
    const varnick::PropertySet back = varnick::readBinPropertySet(varnick::writeBinPropertySet(set.Items));
    if (back.Items.size() != set.Items.size())
        std::abort();
    for (std::size_t i = 0; i < set.Items.size(); ++i) {
        const auto& a = set.Items[i];
        const auto& b = back.Items[i];
        if (a.TypeCode != b.TypeCode || a.Name != b.Name || a.Value != b.Value || a.Number != b.Number)
            std::abort();
    }
    return 0;
}
