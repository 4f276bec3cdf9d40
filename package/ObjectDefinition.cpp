#include "package/ObjectDefinition.h"

#include "package/CompressedResource.h"
#include "package/ResourceCursor.h"
#include "package/TypeIds.h"
#include "package/base/ErrorTrap.h"

#include <algorithm>
#include <string>

namespace varnick {

/*
 Object definition fields (decompressed resource, little-endian): see
 kObjectDefinitionFields. The table's last field ends at offset 265; a shorter
 definition reads its missing bytes as 0 (a field cut by the end keeps the
 bytes that are present) and refuses writes past its end.
*/
std::uint32_t ObjectDefinition::raw(ObjectField field) const noexcept
{
    const ObjectFieldInfo& info = fieldInfo(field);
    ResourceCursor cursor(mData, VARNICK_PHRASE("Resources", "Object definition"), ResourceCursor::Mode::Lenient);
    cursor.seek(info.offset, info.name);
    return cursor.unsignedLE(info.width, info.name);
}

void ObjectDefinition::setRaw(ObjectField field, std::uint32_t value)
{
    const ObjectFieldInfo& info = fieldInfo(field);
    if (info.offset + info.width > mData.size()) {
        throw Failure(ErrorCode::BadResource,
            "Object definition is " + std::to_string(mData.size()) + " bytes long; field " + std::string(info.name)
                + " needs bytes " + std::to_string(info.offset) + " to "
                + std::to_string(info.offset + info.width - 1));
    }
    for (std::size_t i = 0; i < info.width; ++i)
        mData[info.offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::optional<ChosenDefinition> chooseObjectDefinition(const PackageFile& pkg)
{
    std::vector<const PackageResource*> definitions;
    for (const PackageResource& resource : pkg.Files) {
        if (resource.TypeID == gstrTypeOBJD)
            definitions.push_back(&resource);
    }
    auto chosen = chooseDefinitionAmong(definitions,
        [](const PackageResource& resource) { return ObjectDefinition(decompressResource(resource.Data)); });
    if (!chosen)
        return std::nullopt;
    return ChosenDefinition { chosen->first->InstanceID, std::move(chosen->second) };
}

std::optional<ChosenTextList> chooseTextList(const PackageFile& pkg)
{
    const PackageResource* found = nullptr;
    for (const PackageResource& resource : pkg.Files) {
        if (resource.TypeID != gstrTypeCTSS)
            continue;
        if (found != nullptr)
            return std::nullopt;
        found = &resource;
    }
    if (found == nullptr)
        return std::nullopt;
    ChosenTextList chosen;
    chosen.instanceId = found->InstanceID;
    gsReadTextList(decompressResource(found->Data), chosen.list);
    return chosen;
}

CatalogTexts catalogTexts(const TextList& list)
{
    CatalogTexts texts;
    for (std::size_t i = 0; i < list.Entries.size(); ++i) {
        if (list.Entries[i].Language.size() == 1 && list.Entries[i].Language[0] == kEnglishLanguage) {
            texts.found = true;
            texts.name = list.Entries[i].Text;
            if (i + 1 < list.Entries.size())
                texts.description = list.Entries[i + 1].Text;
            break;
        }
    }
    return texts;
}

ObjectDefinition makeObjectDefinition(std::size_t size)
{
    return ObjectDefinition(ByteString(std::max(size, kObjectDefinitionMinimumSize), '\0'));
}

} // namespace varnick
