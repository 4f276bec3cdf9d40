#include "app/editor/core/CatalogLists.h"

#include "app/platform/Translatable.h"

#include <array>

namespace varnick {

namespace {

constexpr std::array<CategoryEntry, 9> kFunction { {
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Comfort"), 1 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Surfaces"), 2 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Appliances"), 4 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Electronics"), 8 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Plumbing"), 16 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Decorative"), 32 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Miscellaneous"), 64 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Lighting"), 128 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Hobbies"), 256 },
} };

constexpr std::array<CategoryEntry, 6> kFuncComfort { {
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Dining Chairs"), 1 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Living Chairs"), 2 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Sofas/Loveseats"), 4 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Beds"), 8 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Recliners"), 16 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Miscellaneous"), 128 },
} };
constexpr std::array<CategoryEntry, 7> kFuncSurfaces { {
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Counters"), 1 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Tables"), 2 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "End Tables"), 4 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Desks"), 8 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Coffee Tables"), 16 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Shelves"), 32 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Miscellaneous"), 128 },
} };
constexpr std::array<CategoryEntry, 5> kFuncAppliances { {
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Cooking"), 1 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Refrigerators"), 2 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Small Appliances"), 4 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Large Appliances"), 8 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Miscellaneous"), 128 },
} };
constexpr std::array<CategoryEntry, 5> kFuncElectronics { {
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Entertainment"), 1 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "TVs/Computers"), 2 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Audio"), 4 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Small Electronics"), 8 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Miscellaneous"), 128 },
} };
constexpr std::array<CategoryEntry, 5> kFuncPlumbing { {
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Toilets"), 1 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Showers/Tubs"), 2 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Sinks"), 4 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Hot Tubs"), 8 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Miscellaneous"), 128 },
} };
constexpr std::array<CategoryEntry, 7> kFuncDecorative { {
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Wall Hangings"), 1 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Sculptures"), 2 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Rugs"), 4 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Plants"), 8 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Mirrors"), 16 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Curtains"), 32 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Miscellaneous"), 128 },
} };
constexpr std::array<CategoryEntry, 5> kFuncMiscellaneous { {
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Dressers"), 2 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Party"), 8 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Children"), 16 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Vehicle"), 32 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Miscellaneous"), 128 },
} };
constexpr std::array<CategoryEntry, 6> kFuncLighting { {
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Table Lamps"), 1 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Floor Lamps"), 2 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Wall Lamps"), 4 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Hanging Lamps"), 8 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Outdoor Lamps"), 16 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Miscellaneous"), 128 },
} };
constexpr std::array<CategoryEntry, 5> kFuncHobbies { {
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Creative"), 1 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Knowledge"), 2 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Exercise"), 4 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Recreation"), 8 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Miscellaneous"), 128 },
} };

constexpr std::array<CategoryEntry, 4> kBuild { {
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "None"), 0 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Doors/Windows"), 8 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Garden Center"), 4 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Miscellaneous"), 1 },
} };

constexpr std::array<CategoryEntry, 6> kBuildDoorsWindows { {
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Doors"), 1 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "M-Story Windows"), 2 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Windows"), 4 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Gates"), 8 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Archways"), 16 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Multi-Story Doors"), 256 },
} };
constexpr std::array<CategoryEntry, 3> kBuildGarden { {
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Trees"), 1 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Shrubs"), 2 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Flowers"), 4 },
} };
constexpr std::array<CategoryEntry, 7> kBuildMiscellaneous { {
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Columns"), 8 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Stairs"), 32 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Swimming Pool"), 64 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "M-Story Columns"), 256 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Column Arches"), 512 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Garage"), 1024 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Elevators"), 2048 },
} };

constexpr std::array<CategoryEntry, 9> kRoom { {
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Kitchen"), 1 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Bedroom"), 2 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Bathroom"), 4 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Living Room"), 8 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Outside"), 16 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Dining Room"), 32 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Miscellaneous"), 64 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Study"), 128 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Kids"), 256 },
} };

constexpr std::array<CategoryEntry, 5> kCommunity { {
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Dining"), 1 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Shops"), 2 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Outdoor"), 4 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Street"), 8 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Miscellaneous"), 128 },
} };

constexpr std::array<CategoryEntry, 7> kSkills { {
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Cooking"), 1 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Mechanical"), 2 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Logic"), 4 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Body"), 8 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Creativity"), 16 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Charisma"), 32 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Cleaning"), 128 },
} };

constexpr std::array<CategoryEntry, 78> kWants { {
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "(No Wants Satisfy Code)"), 0 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Alarm Clocks"), 10040 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Bars"), 10013 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Bass"), 10059 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Bonfire"), 10053 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Bookcases"), 10043 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Bowling Alley"), 10066 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Bubbleblower"), 10055 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Burglar Alarm"), 10038 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Car"), 10061 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Card Table"), 10063 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Changing Table"), 10012 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Coffee Machines"), 10026 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Coffin"), 10062 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Computers"), 10035 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Counterfeit Machine"), 10056 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Counters/Islands"), 10009 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Crib"), 10008 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Curtains"), 10018 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Desk"), 10011 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Dining Chair"), 10000 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Dishwashers"), 10032 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Display Case"), 10074 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Dj Booth"), 10068 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Double Bed"), 10007 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Dressers"), 10047 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Drumbkit"), 10058 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Easel"), 10041 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Electro Dance Sphere"), 10067 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Elevator"), 10073 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Entertainment"), 10033 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Espresso Machines"), 10030 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Fire Alarm"), 10039 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Fireplace"), 10049 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Florist Bench"), 10071 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Flowers"), 10052 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Food Processor"), 10028 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Fountain"), 10060 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Fridges"), 10025 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Games"), 10044 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Grills"), 10024 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Guitar"), 10057 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "High Chair"), 10001 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Hottubs"), 10022 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Juice Keg"), 10054 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Karaoke Machine"), 10065 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Lemonade Stand"), 10076 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Living Chair"), 10002 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Lounge Chair"), 10004 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Makeover Station"), 10069 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Microwave"), 10029 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Mirrors"), 10017 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Paintings"), 10016 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Phone"), 10037 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Piano"), 10042 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Plants"), 10014 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Recliner"), 10003 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Refrigerated Display Case"), 10075 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Robot Station"), 10072 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Rug"), 10064 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Sculptures"), 10015 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Showers/Tubs"), 10020 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Shrubs"), 10051 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Single Bed"), 10006 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Sinks"), 10021 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Sofas/Love Seats"), 10005 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Stereos"), 10036 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Stoves"), 10023 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Tables"), 10010 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Telescopes"), 10045 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Toaster Oven"), 10027 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Toilets"), 10019 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Toymaking Bench"), 10070 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Toys"), 10048 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Trash Compactors"), 10031 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Trees"), 10050 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "TVs"), 10034 },
    { VARNICK_TRANSLATE_NOOP("CatalogLists", "Workout Bench"), 10046 },
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
