#include "tools/demo/DemoCatalog.h"

#include <cctype>

namespace varnick::demo {

namespace {

// Room bits: kitchen 1, bedroom 2, bathroom 4, living room 8, outside 16,
// dining room 32, miscellaneous 64, study 128, kids 256.
// Community bits: dining 1, shops 2, outdoor 4, street 8, miscellaneous 128.
// Motives: 0 hunger, 1 comfort, 2 hygiene, 3 bladder, 4 energy, 5 fun, 6 room.
using S = Silhouette;
const std::vector<CatalogKind> kKinds = {
    // Comfort (1)
    { "Dining Chair", 1, 1, 0, 0, 1 | 32, 1, 0, 80, 450, 1, 1, S::Seat, "Furniture" },
    { "Armchair", 1, 2, 0, 0, 8 | 128, 0, 0, 150, 900, 1, 1, S::Seat, "Furniture/Living Room" },
    { "Sofa", 1, 4, 0, 0, 8, 128, 0, 400, 2200, 3, 1, S::Seat, "Furniture/Living Room" },
    { "Loveseat", 1, 4, 0, 0, 8 | 2, 0, 0, 300, 1400, 2, 1, S::Seat, "Furniture/Living Room" },
    { "Double Bed", 1, 8, 0, 0, 2, 0, 0, 600, 3500, 2, 4, S::Bed, "Furniture/bedroom" },
    { "Single Bed", 1, 8, 0, 0, 2 | 256, 0, 0, 300, 1200, 1, 4, S::Bed, "Furniture/bedroom" },
    { "Recliner", 1, 16, 0, 0, 8, 0, 0, 250, 1100, 1, 1, S::Seat, "Furniture/Living Room" },
    { "Bean Bag", 1, 128, 0, 0, 256 | 8, 0, 0, 60, 250, 1, 1, S::Blob, "DECOR" },
    // Surfaces (2)
    { "Kitchen Counter", 2, 1, 0, 0, 1, 0, 0, 200, 950, 1, -1, S::Cabinet, "Kitchen & Bath" },
    { "Dining Table", 2, 2, 0, 0, 32 | 1, 1, 0, 200, 1800, 2, -1, S::Table, "Furniture" },
    { "End Table", 2, 4, 0, 0, 8 | 2, 0, 0, 60, 400, 1, -1, S::Table, "Furniture/Living Room" },
    { "Writing Desk", 2, 8, 0, 0, 128 | 2, 0, 0, 150, 1200, 2, -1, S::Table, "Furniture" },
    { "Coffee Table", 2, 16, 0, 0, 8, 0, 0, 100, 800, 2, -1, S::Table, "Furniture/Living Room" },
    { "Bookshelf", 2, 32, 0, 0, 128 | 8, 0, 4, 250, 1500, 1, 6, S::Cabinet, "Furniture" },
    // Appliances (4)
    { "Stove", 4, 1, 0, 0, 1, 1, 1, 400, 2100, 1, -1, S::Cabinet, "Kitchen & Bath" },
    { "Refrigerator", 4, 2, 0, 0, 1, 1, 0, 600, 2800, 1, 0, S::Cabinet, "Kitchen & Bath" },
    { "Coffee Maker", 4, 4, 0, 0, 1, 1, 0, 50, 300, 1, 4, S::Cabinet, "Kitchen & Bath" },
    { "Dishwasher", 4, 8, 0, 0, 1, 0, 128, 500, 1200, 1, -1, S::Cabinet, "Kitchen & Bath" },
    // Electronics (8)
    { "Arcade Cabinet", 8, 1, 0, 0, 8 | 256, 2, 0, 800, 3400, 1, 5, S::Screen, "misc" },
    { "Television", 8, 2, 0, 0, 8, 0, 0, 300, 3500, 1, 5, S::Screen, "" },
    { "Desktop Computer", 8, 2, 0, 0, 128, 0, 4, 900, 3800, 1, 5, S::Screen, "" },
    { "Stereo", 8, 4, 0, 0, 8 | 2, 0, 0, 150, 1600, 1, 5, S::Cabinet, "" },
    { "Alarm Clock", 8, 8, 0, 0, 2, 0, 0, 30, 120, 1, -1, S::Blob, "Furniture/bedroom" },
    // Plumbing (16)
    { "Toilet", 16, 1, 0, 0, 4, 0, 0, 300, 1200, 1, 3, S::Tub, "Kitchen & Bath" },
    { "Clawfoot Bathtub", 16, 2, 0, 0, 4, 0, 0, 800, 3200, 2, 2, S::Tub, "Kitchen & Bath" },
    { "Shower", 16, 2, 0, 0, 4, 0, 0, 500, 2000, 1, 2, S::Cabinet, "Kitchen & Bath" },
    { "Pedestal Sink", 16, 4, 0, 0, 4 | 1, 0, 0, 150, 900, 1, 2, S::Tub, "Kitchen & Bath" },
    { "Hot Tub", 16, 8, 0, 0, 16, 4, 0, 2500, 6500, 4, 5, S::Tub, "misc" },
    // Decorative (32)
    { "Painting", 32, 1, 0, 0, 8 | 32 | 128, 0, 0, 60, 4000, 1, 6, S::Frame, "DECOR" },
    { "Sculpture", 32, 2, 0, 0, 8 | 16, 4, 0, 300, 5000, 1, 6, S::Blob, "DECOR" },
    { "Area Rug", 32, 4, 0, 0, 8 | 2, 0, 0, 100, 900, 2, 6, S::Frame, "DECOR" },
    { "Potted Palm", 32, 8, 0, 0, 8 | 16, 4, 0, 40, 350, 1, 6, S::Plant, "DECOR" },
    { "Wall Mirror", 32, 16, 0, 0, 4 | 2, 0, 32, 100, 650, 1, 6, S::Frame, "DECOR" },
    { "Curtains", 32, 32, 0, 0, 8 | 2, 0, 0, 45, 400, 1, 6, S::Frame, "Möbel été" },
    // Miscellaneous (64)
    { "Dresser", 64, 2, 0, 0, 2, 0, 0, 200, 1500, 1, -1, S::Cabinet, "Furniture/bedroom" },
    { "Buffet Table", 64, 8, 0, 0, 32, 1, 0, 300, 1300, 2, 0, S::Table, "misc" },
    { "Toy Box", 64, 16, 0, 0, 256, 0, 0, 50, 400, 1, 5, S::Cabinet, "misc" },
    { "Bicycle", 64, 32, 0, 0, 16, 8, 8, 200, 900, 1, 5, S::Blob, "misc" },
    // Lighting (128)
    { "Table Lamp", 128, 1, 0, 0, 8 | 2 | 128, 0, 0, 40, 500, 1, 6, S::Lamp, "Lighting" },
    { "Floor Lamp", 128, 2, 0, 0, 8, 0, 0, 60, 700, 1, 6, S::Lamp, "Lighting" },
    { "Wall Sconce", 128, 4, 0, 0, 4 | 8 | 32, 0, 0, 50, 400, 1, 6, S::Lamp, "Lighting" },
    { "Chandelier", 128, 8, 0, 0, 32 | 8, 1, 0, 300, 4500, 1, 6, S::Lamp, "Lighting" },
    { "Garden Lantern", 128, 16, 0, 0, 16, 4, 0, 40, 300, 1, 6, S::Lamp, "Lighting" },
    // Hobbies (256)
    { "Easel", 256, 1, 0, 0, 128, 0, 16, 300, 900, 1, 5, S::Frame, "misc" },
    { "Telescope", 256, 2, 0, 0, 16, 4, 4, 500, 2500, 1, 5, S::Lamp, "misc" },
    { "Treadmill", 256, 4, 0, 0, 64, 2, 8, 700, 2200, 2, 5, S::Cabinet, "misc" },
    { "Chess Table", 256, 8, 0, 0, 8 | 128, 1, 4, 300, 1100, 1, 5, S::Table, "Möbel été" },
    // Build mode: doors and windows (8), garden centre (4), miscellaneous (1)
    { "Front Door", 0, 0, 8, 1, 0, 0, 0, 150, 1200, 1, -1, S::Door, "Build Mode/Doors and Windows" },
    { "Bay Window", 0, 0, 8, 4, 0, 0, 0, 100, 800, 1, -1, S::Window, "Build Mode/Doors and Windows" },
    { "Archway", 0, 0, 8, 16, 0, 0, 0, 100, 600, 1, -1, S::Door, "Build Mode/Doors and Windows" },
    { "Garden Gate", 0, 0, 8, 8, 0, 0, 0, 80, 500, 1, -1, S::Door, "Build Mode/garden" },
    { "Maple Tree", 0, 0, 4, 1, 0, 0, 0, 150, 700, 1, -1, S::Plant, "Build Mode/garden" },
    { "Boxwood Shrub", 0, 0, 4, 2, 0, 0, 0, 40, 250, 1, -1, S::Plant, "Build Mode/garden" },
    { "Flower Bed", 0, 0, 4, 4, 0, 0, 0, 20, 150, 1, -1, S::Plant, "Build Mode/garden" },
    { "Column", 0, 0, 1, 8, 0, 0, 0, 60, 400, 1, -1, S::Column, "Build Mode" },
    { "Spiral Staircase", 0, 0, 1, 32, 0, 0, 0, 900, 2500, 1, -1, S::Column, "Build Mode" },
};

const std::vector<Swatch> kSwatches = {
    { "Sage", 143, 170, 130 },
    { "Cherry Red", 170, 30, 40 },
    { "Midnight Blue", 30, 40, 90 },
    { "Ivory", 240, 234, 214 },
    { "Charcoal", 60, 62, 66 },
    { "Mustard", 212, 168, 48 },
    { "Teal", 30, 128, 128 },
    { "Blush", 230, 170, 170 },
    { "Walnut", 105, 70, 45 },
    { "Lavender", 170, 150, 210 },
    { "Forest", 40, 90, 50 },
    { "Sky", 140, 190, 230 },
    { "Terracotta", 190, 100, 70 },
    { "Plum", 100, 45, 90 },
    { "Sand", 214, 196, 160 },
    { "Mint", 170, 225, 200 },
};

const std::vector<std::string> kCreators = {
    "mossyLantern",
    "PixelPalace",
    "sunnysim",
    "KayTeeDesigns",
    "hb_studio",
    "OrchardLane",
    "simmerjo",
    "BRICKandBLOOM",
    "velvetfox",
    "Nordlys",
    "casaSims",
    "TinyAtelier",
};

const char* const kStyles[] = { "Harbor", "Willow", "Copper Lane", "Nordic", "Sunny", "Midnight", "Rustic", "Art Deco",
    "Seaside", "Victorian", "Metro", "Bamboo", "Maple Grove", "Aurora", "Chateau", "Loft", "Retro", "Zen", "Prairie",
    "Baroque", "Hacienda", "Bauhaus", "Cottage", "Skyline", "Juniper", "Orchid", "Tuscany", "Fjord" };

const char* const kMaterials[] = { "Oak", "Walnut", "Pine", "Chrome", "Marble", "Wicker", "Velvet", "Glass", "Brass",
    "Linen", "Ceramic", "Teak", "Cherry", "Wrought Iron", "Rattan", "Birch", "Leather", "Slate" };

const char* const kOpenings[] = {
    "A handsome %s that looks right at home in any lot.",
    "Your Sims deserve this %s, and so does your catalog.",
    "Hand-finished in the demo workshop, this %s brings quiet style to the room.",
    "Simple lines, honest materials: the %s that goes with everything.",
    "Inspired by a long weekend at the coast, this %s is calm and bright.",
    "Built to last through three generations of clumsy Sims, this %s is sturdier than it looks.",
};

const char* const kClosings[] = {
    "Available in several recolors.",
    "Matches the rest of the set.",
    "Mesh and textures by the creator; please do not reupload.",
    "Requires no expansion packs.",
    "Cleans up nicely.",
    "Sims with good taste will notice.",
};

std::string fill(const char* pattern, const std::string& value)
{
    std::string text = pattern;
    const auto at = text.find("%s");
    if (at != std::string::npos)
        text.replace(at, 2, value);
    return text;
}

} // namespace

const std::vector<CatalogKind>& catalogKinds()
{
    return kKinds;
}

const std::vector<Swatch>& swatches()
{
    return kSwatches;
}

const std::vector<std::string>& creators()
{
    return kCreators;
}

std::string catalogName(DemoRandom& random, const CatalogKind& kind)
{
    std::string name = random.pick(kStyles);
    if (random.percent(60)) {
        name += ' ';
        name += random.pick(kMaterials);
    }
    name += ' ';
    name += kind.noun;
    return name;
}

std::string catalogDescription(DemoRandom& random, const CatalogKind& kind, const std::string& name)
{
    std::string noun = lowerAscii(kind.noun);
    std::string text = fill(random.pick(kOpenings), noun);
    if (random.percent(50))
        text = name + ". " + text;
    if (random.percent(70)) {
        // Downloaded descriptions often separate paragraphs with bare line feeds.
        text += random.percent(50) ? "\n\n" : " ";
        text += random.pick(kClosings);
    }
    return text;
}

std::string squeeze(const std::string& text)
{
    std::string out;
    for (char c : text)
        if (std::isalnum(static_cast<unsigned char>(c)))
            out.push_back(c);
    return out;
}

std::string lowerAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

} // namespace varnick::demo
