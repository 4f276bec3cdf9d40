#pragma once

// Every kind of broken Sims2Pack file the readers must refuse, each with a
// piece of the one-line message it must give. The reader's tests check the
// structural ones; the install and extract tests check all of them with
// nothing written.

#include "package/Sims2Pack.h"
#include "tests/common/EditorPackages.h"
#include "tools/common/Sims2PackBuilder.h"

#include <string>
#include <vector>

namespace varnick::test {

struct BadSims2Pack {
    std::string fault; ///< the fault, also the test's label
    ByteString bytes;
    std::string expected; ///< part of the message
    bool structural = true; ///< refused when the file is read (false: only when its items are)
};

/// A small catalog object package (one definition with guid, a text list, a mesh).
inline ByteString objectPackage(std::uint32_t guid, const std::string& catalogName = "Chair")
{
    EditorPackage object;
    object.set(ObjectField::GUID, guid);
    object.entries = { { 1, catalogName, "" }, { 1, "A " + catalogName, "" } };
    return object.builder().build();
}

/// A sound Sims2Pack of one stored object named name, for the name cases.
inline ByteString oneItem(const std::string& name, bool compress = false)
{
    return Sims2PackBuilder().add({ name, objectPackage(0x1001), compress }).build();
}

/// "bzip2 -9" of 256 MiB and one byte of zeros: 208 bytes (five full blocks
/// of runs and a short one) that expand past the item ceiling. Kept as bytes:
/// compressing 256 MiB in every test run would take seconds.
inline ByteString bombStream()
{
    static constexpr char kStream[]
        = "\x42\x5A\x68\x39\x31\x41\x59\x26\x53\x59\x0E\x09\xE2\xDF\x01\x5F\x8E\x40\x00\xC0\x00\x00\x08\x20"
          "\x00\x30\x80\x4D\x46\x42\xA0\x25\xA9\x0A\x80\x97\x31\x41\x59\x26\x53\x59\x0E\x09\xE2\xDF\x01\x5F"
          "\x8E\x40\x00\xC0\x00\x00\x08\x20\x00\x30\x80\x4D\x46\x42\xA0\x25\xA9\x0A\x80\x97\x31\x41\x59\x26"
          "\x53\x59\x0E\x09\xE2\xDF\x01\x5F\x8E\x40\x00\xC0\x00\x00\x08\x20\x00\x30\x80\x4D\x46\x42\xA0\x25"
          "\xA9\x0A\x80\x97\x31\x41\x59\x26\x53\x59\x0E\x09\xE2\xDF\x01\x5F\x8E\x40\x00\xC0\x00\x00\x08\x20"
          "\x00\x30\x80\x4D\x46\x42\xA0\x25\xA9\x0A\x80\x97\x31\x41\x59\x26\x53\x59\x0E\x09\xE2\xDF\x01\x5F"
          "\x8E\x40\x00\xC0\x00\x00\x08\x20\x00\x30\x80\x4D\x46\x42\xA0\x25\xA9\x0A\x80\x97\x31\x41\x59\x26"
          "\x53\x59\x0F\x8C\xE0\x31\x01\x2A\x3F\xC0\x00\xC0\x02\x00\x08\x20\x00\x30\xCC\x05\x29\xA6\xAA\xA8"
          "\x49\x1B\x00\x22\x48\xF1\x77\x24\x53\x85\x09\x07\xA5\x5C\xE1\xA0";
    return ByteString(kStream, sizeof kStream - 1);
}

inline std::vector<BadSims2Pack> badSims2Packs()
{
    std::vector<BadSims2Pack> cases;
    const ByteString good = oneItem("chair.package");
    const auto add = [&cases](std::string name, ByteString bytes, std::string expected, bool structural = true) {
        cases.push_back({ std::move(name), std::move(bytes), std::move(expected), structural });
    };

    // The header.
    add("wrong magic", "Sims3 Packager 1.0" + good.substr(18), "not a Sims2Pack file");
    add("zip file", ByteString("PK\x03\x04", 4) + ByteString(40, '\0'), "not a Sims2Pack file");
    add("shorter than the header", good.substr(0, 20), "shorter than the 22-byte header");
    ByteString before = good;
    patchInt32(before, 18, 21);
    add("data offset before the XML", before, "before byte 22");
    ByteString negative = good;
    patchInt32(negative, 18, -5);
    add("negative data offset", negative, "before byte 22");
    ByteString past = good;
    patchInt32(past, 18, static_cast<std::int32_t>(good.size() + 1));
    add("data offset past the end", past, "past the end of the file");

    // The XML.
    const auto withXml = [](std::string xml) { return Sims2PackBuilder().xml(std::move(xml)).build(); };
    add("mismatched end tag", withXml("<Sims2Package type=\"Object\"><GameVersion>1</Version></Sims2Package>"),
        "expected </GameVersion>, found </Version>");
    add("unclosed root", withXml("<Sims2Package type=\"Object\">"), "ends inside <Sims2Package>");
    add("no element", withXml("   "), "holds no element");
    add("text after the root", withXml("<Sims2Package/>junk"), "follows the end of the root element");
    add("unknown entity", withXml("<Sims2Package><GameVersion>&nbsp;</GameVersion></Sims2Package>"), "unknown entity");
    add("document type declaration",
        withXml("<!DOCTYPE x [<!ENTITY a \"aaaa\">]><Sims2Package><GameVersion>&a;</GameVersion></Sims2Package>"),
        "<!DOCTYPE) is not accepted");
    add("unquoted attribute", withXml("<Sims2Package type=Object/>"), "expected a quoted value");
    add("wrong root element", withXml("<Package/>"), "root element is <Package>, not <Sims2Package>");
    std::string deep = "<Sims2Package>";
    for (int i = 0; i < kSims2PackMaxXmlDepth; ++i)
        deep += "<a>";
    for (int i = 0; i < kSims2PackMaxXmlDepth; ++i)
        deep += "</a>";
    add("nested too deep", withXml(deep + "</Sims2Package>"), "nest deeper than 8 levels");
    add("XML over 16 MiB", withXml("<Sims2Package>" + std::string(kSims2PackMaxXmlBytes, ' ') + "</Sims2Package>"),
        "more than the 16 MiB allowed");

    // Item ranges.
    const ByteString object = objectPackage(0x2002);
    const auto size = std::to_string(object.size());
    Sims2PackEntry outside { "a.package", object };
    outside.lengthText = std::to_string(object.size() + 1);
    add("item past the end of the data", Sims2PackBuilder().add(outside).build(), "lies outside the data");
    Sims2PackEntry far { "a.package", object };
    far.offsetText = "4000000000";
    add("item offset far past the data", Sims2PackBuilder().add(far).build(), "lies outside the data");
    Sims2PackEntry second { "b.package", object };
    second.offsetText = "10";
    add("overlapping items", Sims2PackBuilder().add({ "a.package", object }).add(second).build(), "overlap");
    Sims2PackEntry shortLength { "a.package", object };
    shortLength.lengthText = std::to_string(object.size() - 10);
    add("Length shorter than the bytes", Sims2PackBuilder().add(shortLength).build(), "disagrees with the data");
    Sims2PackEntry gap { "b.package", object };
    gap.offsetText = std::to_string(object.size() + 4);
    add("gap between items",
        Sims2PackBuilder().add({ "a.package", object }).add(gap).trailing(ByteString(4, 'x')).build(),
        "disagrees with the data");
    Sims2PackEntry late { "a.package", object };
    late.offsetText = "3";
    add("data before the first item", Sims2PackBuilder().add(late).trailing("abc").build(), "belong to no item");
    Sims2PackEntry noLength { "a.package", object };
    noLength.lengthText = "";
    add("empty Length", Sims2PackBuilder().add(noLength).build(), "empty <Length>");
    Sims2PackEntry minus { "a.package", object };
    minus.offsetText = "-1";
    add("negative Offset", Sims2PackBuilder().add(minus).build(), "is negative");
    Sims2PackEntry words { "a.package", object };
    words.lengthText = "lots";
    add("Length not a number", Sims2PackBuilder().add(words).build(), "not a whole number");
    Sims2PackEntry twice { "a.package", object };
    twice.extraXml = "    <Length>" + size + "</Length>\n";
    add("two Lengths", Sims2PackBuilder().add(twice).build(), "two <Length> elements");
    add("no Offset",
        withXml("<Sims2Package><PackagedFile><Name>a</Name><Length>0</Length></PackagedFile></Sims2Package>"),
        "has no <Offset>");

    // Items that do not expand or read as packages.
    ByteString damagedStream = bzip2Compress(object);
    damagedStream[damagedStream.size() / 2] = static_cast<char>(damagedStream[damagedStream.size() / 2] ^ 0x55);
    Sims2PackEntry damaged { "a.package", object, true };
    damaged.stored = damagedStream;
    add("damaged bzip2 stream", Sims2PackBuilder().add(damaged).build(), "bzip2 stream is damaged", false);
    Sims2PackEntry truncated { "a.package", object, true };
    truncated.stored = bzip2Compress(object).substr(0, 60);
    add("truncated bzip2 stream", Sims2PackBuilder().add(truncated).build(), "ends early", false);
    Sims2PackEntry padded { "a.package", object, true };
    padded.stored = bzip2Compress(object) + "pad";
    add("bytes after the bzip2 stream", Sims2PackBuilder().add(padded).build(), "follow the end of its bzip2 stream",
        false);
    Sims2PackEntry plain { "a.package", object };
    plain.compressedText = "1";
    add("stored item marked compressed", Sims2PackBuilder().add(plain).build(), "not a bzip2 stream", false);
    Sims2PackEntry bomb { "a.package", object, true };
    bomb.stored = bombStream();
    add("bzip2 stream expanding past 256 MiB", Sims2PackBuilder().add(bomb).build(), "expands past 256 MiB", false);
    add("item that is not a package", Sims2PackBuilder().add({ "a.package", "just some text, no package" }).build(),
        "is not a readable package", false);
    ByteString cut = object.substr(0, object.size() - 30);
    add("truncated package", Sims2PackBuilder().add({ "a.package", cut, true }).build(), "is not a readable package",
        false);

    // Names that cannot be file names.
    const std::pair<const char*, const char*> names[] = {
        { "", "the name is empty" },
        { "/etc/chair.package", "is an absolute path" },
        { "\\chair.package", "is an absolute path" },
        { "C:\\Windows\\chair.package", "is an absolute path" },
        { "C:chair.package", "begins with a drive letter" },
        { "Objects/chair.package", "contains a path separator" },
        { "..\\chair.package", "contains a path separator" },
        { "..", "names a folder" },
        { "chair?.package", "Windows does not allow" },
        { "chair\x01.package", "Windows does not allow" },
        { "CON", "device name" },
        { "nul.package", "device name" },
        { "Com7.package", "device name" },
        { "LPT1 .txt", "device name" },
        { "chair.package.", "ends with a dot" },
        { "chair.package ", "ends with a space" },
    };
    for (const auto& [name, expected] : names)
        add(std::string("item named \"") + name + "\"", oneItem(name), expected, false);
    add("two items of one name",
        Sims2PackBuilder().add({ "Chair.package", object }).add({ "chair.PACKAGE", objectPackage(0x3003) }).build(),
        "share a name", false);
    return cases;
}

} // namespace varnick::test
