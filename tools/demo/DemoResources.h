#pragma once

// The resources of the demo world, built as the game stores them. Every
// format the program reads is built through the package library's own writers
// (text lists, property sets, resource collections, texture images), so the
// demo world exercises exactly the code paths the program reads with.

#include "package/base/Bytes.h"
#include "tools/demo/DemoCatalog.h"
#include "tools/demo/DemoRandom.h"

#include <cstdint>
#include <string>

namespace varnick::demo {

/// The catalog fields of one object definition.
struct ObjectFields {
    std::string name; ///< internal name in the first 64 bytes
    std::uint16_t multiTileSubIndex = 0;
    std::uint32_t guid = 0;
    std::uint16_t price = 0;
    std::uint16_t initialDepreciation = 0;
    std::uint16_t dailyDepreciation = 0;
    std::uint16_t depreciationLimit = 0;
    std::uint16_t roomSortFlags = 0;
    std::uint16_t functionSortFlags = 0;
    std::uint16_t nicenessMultiplier = 0;
    std::uint16_t wantsSatisfyCategory = 0;
    std::uint16_t buildModeType = 0;
    std::uint16_t buildModeSubType = 0;
    std::int16_t motives[7] = {}; ///< hunger, comfort, hygiene, bladder, energy, fun, room
    std::uint16_t skillFlags = 0;
    std::uint16_t functionSubSort = 0;
    std::uint16_t communitySortFlags = 0;
};

/// Length of the object definitions the demo writes (the catalog fields end at 266).
inline constexpr std::size_t kDemoDefinitionSize = 468;

/// An object definition record with the fields set and every other byte as the
/// game leaves it in a fresh definition (0).
ByteString objectDefinition(const ObjectFields& fields);

/// A catalog text list with one English name and one English description.
ByteString catalogTextList(const std::string& listName, const std::string& name, const std::string& description);

/// A material override property set that binds a recolor to the object with
/// guid. xml chooses the XML text encoding instead of the binary one.
ByteString materialOverride(std::uint32_t guid, const std::string& objectName, const std::string& materialName,
    const std::string& subset, bool xml);

/// Texture formats the program shows (raw 32-bit pixels, DXT1, DXT3).
enum class TextureFormat : std::int32_t { Raw32 = 1, Dxt1 = 4, Dxt3 = 5 };

/// A texture resource: a resource collection holding one texture image block
/// with a full chain of levels from 1x1 up to size x size, smallest first, in
/// the swatch's colours with a pattern chosen by patternSeed.
ByteString textureResource(
    const std::string& fileName, TextureFormat format, int size, const Swatch& swatch, std::uint32_t patternSeed);

/// A resource collection whose one block is of the class blockClass with
/// payload bytes of plausible filler: meshes, shapes, nodes and materials,
/// which the program classifies by type but never reads.
ByteString sceneResource(
    const char* blockClass, ByteView blockType, const std::string& resourceName, DemoRandom& random, int payloadBytes);

/// A behaviour-like resource (a 64-byte name and filler), for packages that are
/// neither objects nor recolors.
ByteString namedBlob(const std::string& name, DemoRandom& random, int payloadBytes);

/// A 128 x 128 JPEG catalog thumbnail of a kind of object in a colour.
ByteString thumbnailJpeg(Silhouette shape, const Swatch& colour, std::uint32_t variant);

} // namespace varnick::demo
