#pragma once

// Assembles Sims2Pack files from plain structs for the tests, the benchmark,
// the fuzz seeds and the demo world. It lays the bytes out itself, as the
// packagers do (the XML written as text, the items back to back in the XML's
// order), independently of the reader; its knobs forge the broken files the
// reader must refuse.
//
//   Sims2PackBuilder builder;                       // type "Object"
//   builder.add({ "chair.package", packageBytes }); // stored
//   builder.add({ "lamp.package", other, true });   // bzip2-compressed
//   ByteString bytes = builder.build();

#include "package/Bzip2.h"
#include "package/base/Bytes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnick::test {

struct Sims2PackEntry {
    Sims2PackEntry(std::string itemName, ByteString itemData, bool compressData = false)
        : name(std::move(itemName))
        , data(std::move(itemData))
        , compress(compressData)
    {
    }

    std::string name;
    ByteString data; ///< the package bytes (compressed by the builder when compress is set)
    bool compress = false;
    std::string type = "Object";
    std::optional<std::string> guid; ///< <GlobalGUID> in the community extension
    std::string description;
    // Forging: the stored bytes, the texts of <Offset>, <Length> and <Compressed> as given.
    std::optional<ByteString> stored; ///< stored bytes instead of data (compressed or not)
    std::optional<std::string> offsetText;
    std::optional<std::string> lengthText;
    std::optional<std::string> compressedText;
    std::string extraXml; ///< written inside <PackagedFile> after the fields
};

class Sims2PackBuilder {
public:
    Sims2PackBuilder& type(std::string value)
    {
        mType = std::move(value);
        return *this;
    }
    Sims2PackBuilder& add(Sims2PackEntry entry)
    {
        mEntries.push_back(std::move(entry));
        return *this;
    }
    /// Forged header fields and raw XML.
    Sims2PackBuilder& magic(ByteString value)
    {
        mMagic = std::move(value);
        return *this;
    }
    Sims2PackBuilder& dataOffset(std::int32_t value)
    {
        mDataOffset = value;
        return *this;
    }
    Sims2PackBuilder& xml(std::string value)
    {
        mXml = std::move(value);
        return *this;
    }
    /// Bytes after the items.
    Sims2PackBuilder& trailing(ByteString value)
    {
        mTrailing = std::move(value);
        return *this;
    }

    /// The stored bytes of entry i (compressed when asked).
    ByteString stored(std::size_t i) const
    {
        const Sims2PackEntry& entry = mEntries[i];
        if (entry.stored)
            return *entry.stored;
        return entry.compress ? bzip2Compress(entry.data, 9) : entry.data;
    }

    /// The XML the builder writes (or the forged one).
    std::string xmlText() const { return xmlFor(storedItems()); }

    ByteString build() const
    {
        bool anyCompressed = false;
        for (const Sims2PackEntry& entry : mEntries)
            anyCompressed = anyCompressed || entry.compress;
        const std::vector<ByteString> items = storedItems();
        const std::string xml = xmlFor(items);
        ByteString bytes = mMagic.value_or(anyCompressed ? "Sims2 Packager x.1" : "Sims2 Packager 1.0");
        const std::uint32_t offset = static_cast<std::uint32_t>(
            mDataOffset.value_or(static_cast<std::int32_t>(bytes.size() + 4 + xml.size())));
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<char>((offset >> shift) & 0xFF));
        bytes += xml;
        for (const ByteString& item : items)
            bytes += item;
        return bytes + mTrailing;
    }

    /// Text as a CDATA section (a "]]>" inside is split across two sections).
    static std::string cdata(std::string_view text)
    {
        std::string out = "<![CDATA[";
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text.substr(i, 3) == "]]>") {
                out += "]]]]><![CDATA[>";
                i += 2;
            } else {
                out += text[i];
            }
        }
        return out + "]]>";
    }

private:
    std::vector<ByteString> storedItems() const
    {
        std::vector<ByteString> items;
        for (std::size_t i = 0; i < mEntries.size(); ++i)
            items.push_back(stored(i));
        return items;
    }

    std::string xmlFor(const std::vector<ByteString>& items) const
    {
        if (mXml)
            return *mXml;
        std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Sims2Package type=\"" + mType
            + "\">\n  <GameVersion>2141707388.153.1</GameVersion>\n";
        std::int64_t offset = 0;
        for (std::size_t i = 0; i < mEntries.size(); ++i) {
            const Sims2PackEntry& entry = mEntries[i];
            const auto length = static_cast<std::int64_t>(items[i].size());
            xml += "  <PackagedFile>\n    <Name>" + cdata(entry.name) + "</Name>\n    <Crc>0</Crc>\n    <Length>"
                + entry.lengthText.value_or(std::to_string(length)) + "</Length>\n    <Type>" + entry.type
                + "</Type>\n    <Offset>" + entry.offsetText.value_or(std::to_string(offset))
                + "</Offset>\n    <Description>" + cdata(entry.description) + "</Description>\n";
            if (entry.compress || entry.guid || entry.compressedText) {
                xml += "    <Sims2CommuniytExt>\n      <Compressed>"
                    + entry.compressedText.value_or(entry.compress ? "9" : "0")
                    + "</Compressed>\n      <Author>\n        <PersonalName>" + cdata("Varnick tests")
                    + "</PersonalName>\n        <Contact>" + cdata("") + "</Contact>\n      </Author>\n      <Title>"
                    + cdata(entry.name) + "</Title>\n      <GlobalGUID>" + cdata(entry.guid.value_or(""))
                    + "</GlobalGUID>\n      <Dependency>\n      </Dependency>\n    </Sims2CommuniytExt>\n";
            }
            xml += entry.extraXml + "  </PackagedFile>\n";
            offset += length;
        }
        return xml + "</Sims2Package>";
    }

    std::string mType = "Object";
    std::vector<Sims2PackEntry> mEntries;
    std::optional<ByteString> mMagic;
    std::optional<std::int32_t> mDataOffset;
    std::optional<std::string> mXml;
    ByteString mTrailing;
};

} // namespace varnick::test
