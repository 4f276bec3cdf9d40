#include "app/editor/core/CatalogLists.h"

#include <array>

namespace varnick {

namespace {

constexpr std::array<CategoryEntry, 9> kFunction { {
    { "Comfort", 1 },
    { "Surfaces", 2 },
    { "Appliances", 4 },
    { "Electronics", 8 },
    { "Plumbing", 16 },
    { "Decorative", 32 },
    { "Miscellaneous", 64 },
    { "Lighting", 128 },
    { "Hobbies", 256 },
} };

constexpr std::array<CategoryEntry, 6> kFuncComfort { {
    { "Dining Chairs", 1 },
    { "Living Chairs", 2 },
    { "Sofas/Loveseats", 4 },
    { "Beds", 8 },
    { "Recliners", 16 },
    { "Miscellaneous", 128 },
} };
constexpr std::array<CategoryEntry, 7> kFuncSurfaces { {
    { "Counters", 1 },
    { "Tables", 2 },
    { "End Tables", 4 },
    { "Desks", 8 },
    { "Coffee Tables", 16 },
    { "Shelves", 32 },
    { "Miscellaneous", 128 },
} };
constexpr std::array<CategoryEntry, 5> kFuncAppliances { {
    { "Cooking", 1 },
    { "Refrigerators", 2 },
    { "Small Appliances", 4 },
    { "Large Appliances", 8 },
    { "Miscellaneous", 128 },
} };
constexpr std::array<CategoryEntry, 5> kFuncElectronics { {
    { "Entertainment", 1 },
    { "TVs/Computers", 2 },
    { "Audio", 4 },
    { "Small Electronics", 8 },
    { "Miscellaneous", 128 },
} };
constexpr std::array<CategoryEntry, 5> kFuncPlumbing { {
    { "Toilets", 1 },
    { "Showers/Tubs", 2 },
    { "Sinks", 4 },
    { "Hot Tubs", 8 },
    { "Miscellaneous", 128 },
} };
constexpr std::array<CategoryEntry, 7> kFuncDecorative { {
    { "Wall Hangings", 1 },
    { "Sculptures", 2 },
    { "Rugs", 4 },
    { "Plants", 8 },
    { "Mirrors", 16 },
    { "Curtains", 32 },
    { "Miscellaneous", 128 },
} };
constexpr std::array<CategoryEntry, 5> kFuncMiscellaneous { {
    { "Dressers", 2 },
    { "Party", 8 },
    { "Children", 16 },
    { "Vehicle", 32 },
    { "Miscellaneous", 128 },
} };
constexpr std::array<CategoryEntry, 6> kFuncLighting { {
    { "Table Lamps", 1 },
    { "Floor Lamps", 2 },
    { "Wall Lamps", 4 },
    { "Hanging Lamps", 8 },
    { "Outdoor Lamps", 16 },
    { "Miscellaneous", 128 },
} };
constexpr std::array<CategoryEntry, 5> kFuncHobbies { {
    { "Creative", 1 },
    { "Knowledge", 2 },
    { "Exercise", 4 },
    { "Recreation", 8 },
    { "Miscellaneous", 128 },
} };

constexpr std::array<CategoryEntry, 4> kBuild { {
    { "None", 0 },
    { "Doors/Windows", 8 },
    { "Garden Center", 4 },
    { "Miscellaneous", 1 },
} };

constexpr std::array<CategoryEntry, 6> kBuildDoorsWindows { {
    { "Doors", 1 },
    { "M-Story Windows", 2 },
    { "Windows", 4 },
    { "Gates", 8 },
    { "Archways", 16 },
    { "Multi-Story Doors", 256 },
} };
constexpr std::array<CategoryEntry, 3> kBuildGarden { {
    { "Trees", 1 },
    { "Shrubs", 2 },
    { "Flowers", 4 },
} };
constexpr std::array<CategoryEntry, 7> kBuildMiscellaneous { {
    { "Columns", 8 },
    { "Stairs", 32 },
    { "Swimming Pool", 64 },
    { "M-Story Columns", 256 },
    { "Column Arches", 512 },
    { "Garage", 1024 },
    { "Elevators", 2048 },
} };

constexpr std::array<CategoryEntry, 9> kRoom { {
    { "Kitchen", 1 },
    { "Bedroom", 2 },
    { "Bathroom", 4 },
    { "Living Room", 8 },
    { "Outside", 16 },
    { "Dining Room", 32 },
    { "Miscellaneous", 64 },
    { "Study", 128 },
    { "Kids", 256 },
} };

constexpr std::array<CategoryEntry, 5> kCommunity { {
    { "Dining", 1 },
    { "Shops", 2 },
    { "Outdoor", 4 },
    { "Street", 8 },
    { "Miscellaneous", 128 },
} };

constexpr std::array<CategoryEntry, 7> kSkills { {
    { "Cooking", 1 },
    { "Mechanical", 2 },
    { "Logic", 4 },
    { "Body", 8 },
    { "Creativity", 16 },
    { "Charisma", 32 },
    { "Cleaning", 128 },
} };

constexpr std::array<CategoryEntry, 78> kWants { {
    { "(No Wants Satisfy Code)", 0 },
    { "Alarm Clocks", 10040 },
    { "Bars", 10013 },
    { "Bass", 10059 },
    { "Bonfire", 10053 },
    { "Bookcases", 10043 },
    { "Bowling Alley", 10066 },
    { "Bubbleblower", 10055 },
    { "Burglar Alarm", 10038 },
    { "Car", 10061 },
    { "Card Table", 10063 },
    { "Changing Table", 10012 },
    { "Coffee Machines", 10026 },
    { "Coffin", 10062 },
    { "Computers", 10035 },
    { "Counterfeit Machine", 10056 },
    { "Counters/Islands", 10009 },
    { "Crib", 10008 },
    { "Curtains", 10018 },
    { "Desk", 10011 },
    { "Dining Chair", 10000 },
    { "Dishwashers", 10032 },
    { "Display Case", 10074 },
    { "Dj Booth", 10068 },
    { "Double Bed", 10007 },
    { "Dressers", 10047 },
    { "Drumbkit", 10058 },
    { "Easel", 10041 },
    { "Electro Dance Sphere", 10067 },
    { "Elevator", 10073 },
    { "Entertainment", 10033 },
    { "Espresso Machines", 10030 },
    { "Fire Alarm", 10039 },
    { "Fireplace", 10049 },
    { "Florist Bench", 10071 },
    { "Flowers", 10052 },
    { "Food Processor", 10028 },
    { "Fountain", 10060 },
    { "Fridges", 10025 },
    { "Games", 10044 },
    { "Grills", 10024 },
    { "Guitar", 10057 },
    { "High Chair", 10001 },
    { "Hottubs", 10022 },
    { "Juice Keg", 10054 },
    { "Karaoke Machine", 10065 },
    { "Lemonade Stand", 10076 },
    { "Living Chair", 10002 },
    { "Lounge Chair", 10004 },
    { "Makeover Station", 10069 },
    { "Microwave", 10029 },
    { "Mirrors", 10017 },
    { "Paintings", 10016 },
    { "Phone", 10037 },
    { "Piano", 10042 },
    { "Plants", 10014 },
    { "Recliner", 10003 },
    { "Refrigerated Display Case", 10075 },
    { "Robot Station", 10072 },
    { "Rug", 10064 },
    { "Sculptures", 10015 },
    { "Showers/Tubs", 10020 },
    { "Shrubs", 10051 },
    { "Single Bed", 10006 },
    { "Sinks", 10021 },
    { "Sofas/Love Seats", 10005 },
    { "Stereos", 10036 },
    { "Stoves", 10023 },
    { "Tables", 10010 },
    { "Telescopes", 10045 },
    { "Toaster Oven", 10027 },
    { "Toilets", 10019 },
    { "Toymaking Bench", 10070 },
    { "Toys", 10048 },
    { "Trash Compactors", 10031 },
    { "Trees", 10050 },
    { "TVs", 10034 },
    { "Workout Bench", 10046 },
} };

} // namespace

std::span<const CategoryEntry> listEntries(CatalogList list)
{
    switch (list) {
    case CatalogList::Function:
        return kFunction;
    case CatalogList::Build:
        return kBuild;
    case CatalogList::Room:
        return kRoom;
    case CatalogList::Community:
        return kCommunity;
    case CatalogList::Skills:
        return kSkills;
    case CatalogList::FuncSub:
    case CatalogList::BuildSub:
        break;
    }
    return {};
}

std::span<const CategoryEntry> subEntries(CatalogList subList, std::uint16_t categoryValue)
{
    if (subList == CatalogList::FuncSub) {
        switch (categoryValue) {
        case 1:
            return kFuncComfort;
        case 2:
            return kFuncSurfaces;
        case 4:
            return kFuncAppliances;
        case 8:
            return kFuncElectronics;
        case 16:
            return kFuncPlumbing;
        case 32:
            return kFuncDecorative;
        case 64:
            return kFuncMiscellaneous;
        case 128:
            return kFuncLighting;
        case 256:
            return kFuncHobbies;
        default:
            return {};
        }
    }
    if (subList == CatalogList::BuildSub) {
        switch (categoryValue) {
        case 8:
            return kBuildDoorsWindows;
        case 4:
            return kBuildGarden;
        case 1:
            return kBuildMiscellaneous;
        default:
            return {};
        }
    }
    return {};
}

bool isSingleSelection(CatalogList list)
{
    return list == CatalogList::Function || list == CatalogList::FuncSub || list == CatalogList::Build
        || list == CatalogList::BuildSub;
}

ObjectField fieldOfList(CatalogList list)
{
    switch (list) {
    case CatalogList::Function:
        return ObjectField::FunctionSortFlags;
    case CatalogList::FuncSub:
        return ObjectField::FunctionSubSort;
    case CatalogList::Build:
        return ObjectField::BuildModeType;
    case CatalogList::BuildSub:
        return ObjectField::BuildModeSubType;
    case CatalogList::Room:
        return ObjectField::RoomSortFlags;
    case CatalogList::Community:
        return ObjectField::CommunitySortFlags;
    case CatalogList::Skills:
        break;
    }
    return ObjectField::SkillFlags;
}

std::optional<CatalogList> listOfField(ObjectField field)
{
    for (const CatalogList list : { CatalogList::Function, CatalogList::FuncSub, CatalogList::Build,
             CatalogList::BuildSub, CatalogList::Room, CatalogList::Community, CatalogList::Skills }) {
        if (fieldOfList(list) == field)
            return list;
    }
    return std::nullopt;
}

bool loadSelects(std::uint16_t fieldValue, std::uint16_t entryValue)
{
    if (entryValue == 0)
        return fieldValue == 0;
    return hasFlag(fieldValue, entryValue);
}

std::vector<std::size_t> selectedByLoad(
    std::span<const CategoryEntry> entries, std::uint16_t fieldValue, bool singleSelection)
{
    std::vector<std::size_t> selected;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!loadSelects(fieldValue, entries[i].value))
            continue;
        if (singleSelection)
            selected.clear();
        selected.push_back(i);
    }
    return selected;
}

std::uint16_t selectionValue(std::span<const CategoryEntry> entries, const std::vector<std::size_t>& selected)
{
    unsigned sum = 0;
    for (const std::size_t i : selected) {
        if (i < entries.size())
            sum += entries[i].value;
    }
    return static_cast<std::uint16_t>(sum);
}

std::uint16_t entryMask(std::span<const CategoryEntry> entries)
{
    unsigned mask = 0;
    for (const CategoryEntry& entry : entries)
        mask |= entry.value;
    return static_cast<std::uint16_t>(mask);
}

std::span<const CategoryEntry> wantsEntries()
{
    return kWants;
}

std::optional<std::size_t> wantsPositionOf(std::uint16_t code)
{
    for (std::size_t i = 0; i < kWants.size(); ++i) {
        if (kWants[i].value == code)
            return i;
    }
    return std::nullopt;
}

} // namespace varnick
