#pragma once

// What the property set targets share: whether an item survives the XML
// encoding, which writes names and values as they are, one item per line.

#include "package/PropertySet.h"

#include <vector>

namespace varnick::fuzz {

/// Whether the XML encoding gives item back: a name without spaces or line
/// breaks, a value without "<" or line breaks.
inline bool fitsOneXmlLine(const PropertyItem& item)
{
    return item.Name.find_first_of(" \r\n") == ByteString::npos
        && item.Value.find_first_of("<\r\n") == ByteString::npos;
}

inline bool allFitXmlLines(const std::vector<PropertyItem>& items)
{
    for (const PropertyItem& item : items) {
        if (!fitsOneXmlLine(item))
            return false;
    }
    return true;
}

} // namespace varnick::fuzz
