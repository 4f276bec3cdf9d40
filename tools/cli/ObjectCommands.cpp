// Commands that look into the catalog object of a package: object, properties, crc24.
#include "tools/cli/CliOutput.h"
#include "tools/cli/Commands.h"

#include "app/platform/Utility.h"
#include "package/BinarySupport.h"
#include "package/Classification.h"
#include "package/CompressedResource.h"
#include "package/Crc24.h"
#include "package/ObjectDefinition.h"
#include "package/PackageReader.h"
#include "package/PropertySet.h"
#include "package/TypeIds.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace varnick::cli {

namespace {

using nlohmann::ordered_json;

// The game's texts are UTF-8; JSON output must be valid UTF-8, so every byte
// that does not start a well-formed sequence becomes U+FFFD.
std::string utf8OrReplacement(ByteView bytes)
{
    static constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
    std::string text;
    text.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const unsigned lead = byteAt(bytes, i);
        std::size_t length = 0;
        unsigned low = 0x80;
        unsigned high = 0xBF;
        if (lead < 0x80) {
            length = 1;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        }
        bool valid = length != 0 && i + length <= bytes.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const unsigned next = byteAt(bytes, i + k);
            valid = k == 1 ? (next >= low && next <= high) : (next >= 0x80 && next <= 0xBF);
        }
        if (valid) {
            text.append(bytes.substr(i, length));
            i += length;
        } else {
            text += kReplacement;
            ++i;
        }
    }
    return text;
}

// Whole numbers print without a fraction; the readers give integers except for XML decimals.
ordered_json jsonNumber(double number)
{
    if (std::isfinite(number) && std::trunc(number) == number && std::fabs(number) < 9.0e15)
        return static_cast<std::int64_t>(number);
    return number;
}

void printJson(const ordered_json& value)
{
    const std::string text = value.dump(2) + "\n";
    cliOut() << text;
}

ordered_json definitionJson(const ChosenDefinition& chosen)
{
    ordered_json json;
    json["instance_id"] = simsIdToHex(chosen.instanceId);
    for (const ObjectFieldInfo& info : kObjectDefinitionFields) {
        const std::string name(info.name);
        switch (info.kind) {
        case ObjectFieldKind::Motive:
            json[name] = chosen.definition.motive(info.field);
            break;
        default:
            json[name] = chosen.definition.raw(info.field);
            break;
        }
    }
    return json;
}

void showObject(const std::string& file)
{
    FileNameContext context(file);
    const PackageFile pkg = readPackage(pathFromUtf8(file));
    ordered_json json;
    json["catalog_object"] = gfblnIsCatalogObject(pkg.Index);
    json["recolor"] = gfblnIsRecolor(pkg.Index);

    const std::optional<ChosenDefinition> definition = chooseObjectDefinition(pkg);
    json["guid"] = definition ? ordered_json(definition->definition.guid()) : ordered_json(nullptr);

    const std::optional<ChosenTextList> list = chooseTextList(pkg);
    if (list) {
        const CatalogTexts texts = catalogTexts(list->list);
        json["name"] = utf8OrReplacement(texts.name);
        json["description"] = utf8OrReplacement(texts.description);
    } else {
        json["name"] = nullptr;
        json["description"] = nullptr;
    }
    json["thumbnail_key"] = thumbnailKeyText(gfstrGetFileTitle(file));
    json["definition"] = definition ? definitionJson(*definition) : ordered_json(nullptr);
    printJson(json);
}

void showProperties(const std::string& file)
{
    FileNameContext context(file);
    const PackageFile pkg = readPackage(pathFromUtf8(file));
    for (const PackageResource& resource : pkg.Files) {
        if (resource.TypeID != gstrTypeMMAT)
            continue;
        const ByteString data = decompressResource(resource.Data);
        const bool xml = data.starts_with("<?xml");
        const PropertySet set = readPropertySet(data);
        ordered_json items = ordered_json::array();
        for (const PropertyItem& item : set.Items) {
            ordered_json json;
            json["name"] = utf8OrReplacement(item.Name);
            // The binary form holds the stored bytes; the XML form the digits as written.
            json["type_code"] = xml ? utf8OrReplacement(item.TypeCode) : simsIdToHex(item.TypeCode);
            json["value"] = utf8OrReplacement(item.Value);
            json["number"] = jsonNumber(item.Number);
            items.push_back(std::move(json));
        }
        printJson(items);
        return;
    }
    printJson(nullptr);
}

} // namespace

void addObjectCommands(CLI::App& app)
{
    auto objectFile = std::make_shared<std::string>();
    CLI::App* object = app.add_subcommand("object",
        "Show a package's classification, GUID, catalog name and description, thumbnail key and definition fields as "
        "JSON (null where the package has no usable definition or text list).");
    object->add_option("FILE", *objectFile, "package file")->required();
    object->callback([objectFile] { showObject(*objectFile); });

    auto propertiesFile = std::make_shared<std::string>();
    CLI::App* properties = app.add_subcommand(
        "properties", "Show the property set of a package's first material override as JSON (null when it has none).");
    properties->add_option("FILE", *propertiesFile, "package file")->required();
    properties->callback([propertiesFile] { showProperties(*propertiesFile); });

    auto text = std::make_shared<std::string>();
    CLI::App* crc24 = app.add_subcommand("crc24", "Print the CRC-24 of TEXT's bytes as six hexadecimal digits.");
    crc24->add_option("TEXT", *text, "text to check")->required();
    crc24->callback([text] { printOut("%s\n", crc24Hex(gflngCRC24OfString(*text)).c_str()); });
}

} // namespace varnick::cli
