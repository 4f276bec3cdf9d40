#pragma once

#include "tools/demo/DemoRandom.h"

#include <cstdint>
#include <string>
#include <vector>

namespace varnick::demo {

/// How the thumbnail painter draws an object of a kind.
enum class Silhouette { Seat, Bed, Table, Cabinet, Screen, Tub, Frame, Plant, Lamp, Door, Window, Column, Blob };

/// One kind of catalog object: its catalog noun and where the catalog lists it
/// (the category bits the editor shows), its price range and the Downloads
/// subfolder it usually lands in.
struct CatalogKind {
    const char* noun;
    std::uint16_t functionSort; ///< 0 for build-mode objects
    std::uint16_t functionSubSort;
    std::uint16_t buildModeType; ///< 0 for buy-mode objects
    std::uint16_t buildModeSubType;
    std::uint16_t roomSort;
    std::uint16_t communitySort;
    std::uint16_t skillFlags;
    int minPrice;
    int maxPrice;
    int tiles; ///< object definitions in the package: one per tile, plus the lead when more than one
    int motive; ///< index of the motive rating it raises (0 hunger .. 6 room), -1 for none
    Silhouette shape;
    const char* folder; ///< below Downloads, "/" separated; "" for Downloads itself
};

/// Every kind the generator draws objects from.
const std::vector<CatalogKind>& catalogKinds();

/// A recolor's colour name and its RGB value.
struct Swatch {
    const char* name;
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

const std::vector<Swatch>& swatches();

/// Invented creator handles used in file names.
const std::vector<std::string>& creators();

/// A plausible catalog name such as "Harbor Oak Dining Chair".
std::string catalogName(DemoRandom& random, const CatalogKind& kind);

/// A catalog description of one to three sentences; some hold a bare line feed
/// between paragraphs, as downloaded descriptions often do.
std::string catalogDescription(DemoRandom& random, const CatalogKind& kind, const std::string& name);

/// The text with blanks and punctuation removed ("Harbor Oak Chair" -> "HarborOakChair").
std::string squeeze(const std::string& text);

/// The text in lower case (ASCII letters only).
std::string lowerAscii(std::string text);

} // namespace varnick::demo
