// XML property set reader: never fails, whatever the bytes; Count matches the items.
#include "package/PropertySet.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const varnick::ByteView bytes(reinterpret_cast<const char*>(data), size);
    const varnick::PropertySet set = varnick::readXmlPropertySet(bytes);
    if (static_cast<std::size_t>(set.Count) != set.Items.size())
        std::abort();
    for (const varnick::PropertyItem& item : set.Items) {
        if (item.Name.size() > size || item.Value.size() > size)
            std::abort();
    }
    return 0;
}
