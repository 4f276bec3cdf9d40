#pragma once

#include "package/PackageFile.h"
#include "package/base/Bytes.h"

#include <vector>

namespace varnick {

/// Whether a package index holds an object for the buy or build catalog: at
/// least one object definition and at least one mesh, in any order. False for
/// an empty index. Never fails.
bool gfblnIsCatalogObject(const std::vector<IndexEntry>& entries);

/// The same test over the index's types alone, 4 bytes each as stored (see
/// readPackageIndexTypes); a trailing partial type is ignored.
bool isCatalogObjectByTypes(ByteView indexTypes);

/// Whether a package index is a pure recolor: at least one material override
/// and one texture, and none of an object's own resources (behaviour, mesh, 3D
/// reference list, object definition, behaviour constants, resource node,
/// catalog text, geometric node, property set, shape, interaction table).
/// False for an empty index. Never fails.
bool gfblnIsRecolor(const std::vector<IndexEntry>& entries);

/// The same test over the index's types alone, as isCatalogObjectByTypes.
bool isRecolorByTypes(ByteView indexTypes);

} // namespace varnick
