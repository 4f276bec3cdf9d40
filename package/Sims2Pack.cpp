#include "package/Sims2Pack.h"

#include "package/Bzip2.h"
#include "package/ResourceCursor.h"
#include "package/XmlReader.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"
#include "package/base/RawFile.h"
#include "package/base/Utf8.h"

#include <algorithm>
#include <array>
#include <limits>

// Layout of a Sims2Pack file (integers little-endian):
//
//   offset  0  +---------------------+
//              | magic, 18 bytes     |  "Sims2 Packager 1.0", or "Sims2 Packager x.1"
//              |                     |  when some items are compressed
//   offset 18  | data offset, int32  |  absolute offset of the data: 22 + the XML's length
//   offset 22  +---------------------+
//              | XML, UTF-8          |  <Sims2Package type="Object">
//              |                     |    <GameVersion>...</GameVersion>
//              |                     |    <PackagedFile>              one per item
//              |                     |      <Name>, <Crc>, <Length>  (bytes stored), <Type>,
//              |                     |      <Offset> (from the data offset), <Description>,
//              |                     |      [<Sims2CommuniytExt>     (spelled so)
//              |                     |        <Compressed> 0 = stored, else bzip2,
//              |                     |        <Author><PersonalName/><Contact/></Author>,
//              |                     |        <Title>, <ObjectVersion>, <GlobalGUID>,
//              |                     |        <Dependency> <PackagedFile> (<Name>, <GlobalGUID>,
//              |                     |          <ObjectVersion>, <Optional/>) ... </Dependency>
//              |                     |      </Sims2CommuniytExt>]
//              |                     |    </PackagedFile>
//              |                     |  </Sims2Package>
//   data offset+---------------------+
//              | items               |  each Length bytes at data offset + Offset: a package
//              |                     |  file, or a bzip2 stream that expands to one; packagers
//              |                     |  write them back to back in the XML's order
//              +---------------------+  end of file
//
// The items must account for the data exactly: inside it, not overlapping,
// and with no byte between or after them, so a Length that disagrees with the
// bytes shows as a gap or an overlap.

namespace varnick {

namespace {

[[noreturn]] void bad(std::string_view fileName, Phrase what)
{
    throw Failure(ErrorCode::BadPackage, sims2PackFilePhrase(fileName, std::move(what)));
}

Phrase byteCount(std::int64_t count)
{
    return Phrase::counted(VARNICK_PHRASE_N("Sims2Pack", "%n byte(s)"), count);
}

std::string number(std::int64_t value)
{
    return std::to_string(value);
}

// Windows-1252 bytes 0x80..0x9F; the five unassigned ones stand for themselves (as C1 controls).
constexpr std::array<char16_t, 32> kWindows1252High = { 0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178 };

std::string windows1252ToUtf8(ByteView bytes)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        const char32_t point = byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : byte;
        if (point < 0x80) {
            out.push_back(static_cast<char>(point));
        } else if (point < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (point >> 6)));
            out.push_back(static_cast<char>(0x80 | (point & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (point >> 12)));
            out.push_back(static_cast<char>(0x80 | ((point >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (point & 0x3F)));
        }
    }
    return out;
}

// Printable text of bytes that should have been the magic.
std::string shownBytes(ByteView bytes)
{
    std::string out;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\') {
            out.push_back(c);
        } else {
            static constexpr char kHex[] = "0123456789ABCDEF";
            out += "\\x";
            out.push_back(kHex[byte >> 4]);
            out.push_back(kHex[byte & 15]);
        }
    }
    return out;
}

std::string_view trimmed(std::string_view text)
{
    const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && space(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && space(text.back()))
        text.remove_suffix(1);
    return text;
}

// The fields an item has at most once; a second one would leave its meaning open.
enum Field : unsigned {
    kName = 1u << 0,
    kCrc = 1u << 1,
    kLength = 1u << 2,
    kType = 1u << 3,
    kOffset = 1u << 4,
    kDescription = 1u << 5,
    kCompressed = 1u << 6,
    kGuid = 1u << 7,
};

struct ItemText {
    std::string length;
    std::string offset;
    std::string compressed;
    std::string guid;
    unsigned seen = 0;
};

// Reads the XML's events into the description. Element paths below the root:
//   PackagedFile/<field>, PackagedFile/Sims2CommuniytExt/<field>,
//   PackagedFile/Sims2CommuniytExt/Author/<field>,
//   PackagedFile/Sims2CommuniytExt/Dependency/(PackagedFile|DependantFile)/<field>.
// Unknown elements are passed over with their contents.
class XmlDescription {
public:
    XmlDescription(Sims2Pack& pack, std::vector<ItemText>& texts)
        : mPack(pack)
        , mTexts(texts)
    {
    }

    void read(std::string_view xml)
    {
        XmlReader reader(xml, XmlLimits { kSims2PackMaxXmlBytes, kSims2PackMaxXmlDepth });
        std::array<std::string, kSims2PackMaxXmlDepth + 1> path;
        std::string* capture = nullptr;
        int captureDepth = 0;
        for (;;) {
            const XmlReader::Event event = reader.next();
            if (event == XmlReader::Event::End)
                return;
            const int depth = reader.depth();
            if (event == XmlReader::Event::Text) {
                if (capture != nullptr)
                    capture->append(reader.text());
                continue;
            }
            if (event == XmlReader::Event::EndElement) {
                if (capture != nullptr && depth < captureDepth)
                    capture = nullptr;
                continue;
            }
            path[static_cast<std::size_t>(depth)] = reader.name();
            if (capture != nullptr)
                continue; // an element inside a field: its text belongs to the field
            if (depth == 1) {
                if (reader.name() != "Sims2Package")
                    throw Failure(ErrorCode::BadPackage,
                        Phrase(VARNICK_PHRASE("Sims2Pack", "the XML's root element is <%1>, not <Sims2Package>"),
                            { std::string(reader.name()) }));
                if (const std::string* type = reader.attribute("type"))
                    mPack.type = *type;
                continue;
            }
            capture = target(path, depth);
            captureDepth = depth;
        }
    }

private:
    std::string* field(Field which, std::string* text, std::string_view element)
    {
        ItemText& item = mTexts.back();
        if (item.seen & which)
            throw Failure(ErrorCode::BadPackage,
                Phrase(VARNICK_PHRASE("Sims2Pack", "item %1 has two <%2> elements"),
                    { number(static_cast<std::int64_t>(mPack.items.size())), std::string(element) }));
        item.seen |= which;
        return text;
    }

    std::string* target(const std::array<std::string, kSims2PackMaxXmlDepth + 1>& path, int depth)
    {
        const std::string& name = path[static_cast<std::size_t>(depth)];
        if (depth == 2) {
            if (name == "GameVersion")
                return &mPack.gameVersion;
            if (name == "PackagedFile") {
                if (mPack.items.size() >= kSims2PackMaxItems)
                    throw Failure(ErrorCode::BadPackage,
                        Phrase(VARNICK_PHRASE("Sims2Pack", "the XML lists more than %1 items"),
                            { std::to_string(kSims2PackMaxItems) }));
                mPack.items.emplace_back();
                mTexts.emplace_back();
            }
            return nullptr;
        }
        if (path[2] != "PackagedFile")
            return nullptr;
        Sims2PackItem& item = mPack.items.back();
        ItemText& text = mTexts.back();
        if (depth == 3) {
            if (name == "Name")
                return field(kName, &item.name, name);
            if (name == "Crc")
                return field(kCrc, &item.crc, name);
            if (name == "Length")
                return field(kLength, &text.length, name);
            if (name == "Type")
                return field(kType, &item.type, name);
            if (name == "Offset")
                return field(kOffset, &text.offset, name);
            if (name == "Description")
                return field(kDescription, &item.description, name);
            return nullptr;
        }
        if (path[3] != "Sims2CommuniytExt")
            return nullptr;
        if (depth == 4) {
            if (name == "Compressed")
                return field(kCompressed, &text.compressed, name);
            if (name == "GlobalGUID")
                return field(kGuid, &text.guid, name);
            if (name == "Title")
                return &item.title;
            if (name == "ObjectVersion")
                return &item.objectVersion;
            return nullptr;
        }
        if (depth == 5 && path[4] == "Author") {
            if (name == "PersonalName")
                return &item.author;
            if (name == "Contact")
                return &item.contact;
            return nullptr;
        }
        if (path[4] != "Dependency")
            return nullptr;
        if (depth == 5) {
            if (name != "PackagedFile" && name != "DependantFile")
                return nullptr;
            if (++mDependencies > kSims2PackMaxDependencies)
                throw Failure(ErrorCode::BadPackage,
                    Phrase(VARNICK_PHRASE("Sims2Pack", "the XML lists more than %1 dependencies"),
                        { std::to_string(kSims2PackMaxDependencies) }));
            item.dependencies.emplace_back();
            return nullptr;
        }
        if (depth == 6 && !item.dependencies.empty()) {
            Sims2PackDependency& dependency = item.dependencies.back();
            if (name == "Name")
                return &dependency.name;
            if (name == "GlobalGUID")
                return &dependency.guid;
            if (name == "ObjectVersion")
                return &dependency.objectVersion;
            if (name == "Optional")
                dependency.optional = true;
        }
        return nullptr;
    }

    Sims2Pack& mPack;
    std::vector<ItemText>& mTexts;
    std::size_t mDependencies = 0;
};

// A whole number of at most 18 digits (so that sums stay far inside 64 bits).
std::int64_t wholeNumber(std::string_view fileName, const Phrase& item, const char* element, std::string_view text)
{
    const std::string_view digits = trimmed(text);
    if (digits.empty())
        bad(fileName, Phrase(VARNICK_PHRASE("Sims2Pack", "%1 has an empty <%2>"), { item, std::string(element) }));
    if (digits.front() == '-' && digits.size() > 1
        && std::all_of(digits.begin() + 1, digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        bad(fileName,
            Phrase(VARNICK_PHRASE("Sims2Pack", "the <%1> of %2 is negative (%3)"),
                { std::string(element), item, std::string(digits) }));
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        bad(fileName,
            Phrase(VARNICK_PHRASE("Sims2Pack", "the <%1> of %2 is \"%3\", not a whole number"),
                { std::string(element), item, shownBytes(digits.substr(0, 40)) }));
    if (digits.size() > 18)
        bad(fileName,
            Phrase(VARNICK_PHRASE("Sims2Pack", "the <%1> of %2 (%3) is too large"),
                { std::string(element), item, std::string(digits) }));
    std::int64_t value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

bool compressedFlag(std::string_view text)
{
    const std::string_view value = trimmed(text);
    if (value.empty())
        return false;
    return !std::all_of(value.begin(), value.end(), [](char c) { return c == '0'; });
}

// Every item inside the data; sorted by offset, no overlap and no byte left over.
void checkRanges(const Sims2Pack& pack)
{
    const std::string_view fileName = pack.fileName;
    std::vector<std::size_t> order;
    order.reserve(pack.items.size());
    for (std::size_t i = 0; i < pack.items.size(); ++i) {
        const Sims2PackItem& item = pack.items[i];
        if (item.offset > pack.dataLength || item.length > pack.dataLength - item.offset)
            bad(fileName,
                Phrase(VARNICK_PHRASE("Sims2Pack",
                           "%1 lies outside the data: its Offset %2 and Length %3 end at byte %4 of the data, which "
                           "holds %5"),
                    { sims2PackItemPhrase(pack, i), number(item.offset), number(item.length),
                        number(item.offset + item.length), byteCount(pack.dataLength) }));
        if (item.length > 0)
            order.push_back(i);
    }
    std::stable_sort(order.begin(), order.end(),
        [&](std::size_t a, std::size_t b) { return pack.items[a].offset < pack.items[b].offset; });
    std::int64_t covered = 0; // the data before this offset belongs to an item
    for (std::size_t k = 0; k < order.size(); ++k) {
        const Sims2PackItem& item = pack.items[order[k]];
        if (k > 0 && item.offset < covered) {
            const Sims2PackItem& previous = pack.items[order[k - 1]];
            bad(fileName,
                Phrase(
                    VARNICK_PHRASE("Sims2Pack", "%1 and %2 overlap: they hold bytes %3 to %4 and %5 to %6 of the data"),
                    { sims2PackItemPhrase(pack, order[k - 1]), sims2PackItemPhrase(pack, order[k]),
                        number(previous.offset), number(previous.offset + previous.length - 1), number(item.offset),
                        number(item.offset + item.length - 1) }));
        }
        if (item.offset > covered) {
            if (k == 0)
                bad(fileName,
                    Phrase(
                        VARNICK_PHRASE("Sims2Pack",
                            "the data begins with %1 that belong to no item (the first item, %2, starts at byte %3)"),
                        { byteCount(item.offset), sims2PackItemPhrase(pack, order[k]), number(item.offset) }));
            const Sims2PackItem& previous = pack.items[order[k - 1]];
            bad(fileName,
                Phrase(VARNICK_PHRASE("Sims2Pack",
                           "the Length of %1 (%2) disagrees with the data: it ends at byte %3, but the next item "
                           "starts at byte %4"),
                    { sims2PackItemPhrase(pack, order[k - 1]), number(previous.length), number(covered),
                        number(item.offset) }));
        }
        covered = item.offset + item.length;
    }
    if (covered < pack.dataLength) {
        if (order.empty())
            bad(fileName,
                Phrase(VARNICK_PHRASE("Sims2Pack", "the XML lists no item with any bytes, but %1 of data follow it"),
                    { byteCount(pack.dataLength) }));
        bad(fileName,
            Phrase(VARNICK_PHRASE("Sims2Pack",
                       "the Length of %1 (%2) disagrees with the data: the items end at byte %3, but the data holds "
                       "%4"),
                { sims2PackItemPhrase(pack, order.back()), number(pack.items[order.back()].length), number(covered),
                    byteCount(pack.dataLength) }));
    }
}

} // namespace

Phrase sims2PackItemPhrase(const Sims2Pack& pack, std::size_t item)
{
    return Phrase(VARNICK_PHRASE("Sims2Pack", "item %1 (\"%2\")"),
        { std::to_string(item + 1), toValidUtf8(pack.items[item].name) });
}

std::string describeSims2PackItem(const Sims2Pack& pack, std::size_t item)
{
    return sims2PackItemPhrase(pack, item).english();
}

Phrase sims2PackFilePhrase(std::string_view fileName, Phrase what)
{
    return Phrase(VARNICK_PHRASE("Failures", "%1: %2"), { std::string(fileName), std::move(what) });
}

Sims2Pack parseSims2Pack(ByteView bytes, std::string_view fileName)
{
    Sims2Pack pack;
    pack.fileName = fileName;
    const auto size = static_cast<std::int64_t>(bytes.size());
    if (size < kSims2PackHeaderSize)
        bad(fileName,
            Phrase(
                VARNICK_PHRASE("Sims2Pack", "the file is %1 long, shorter than the 22-byte header of a Sims2Pack file"),
                { byteCount(size) }));
    ResourceCursor cursor(bytes, VARNICK_PHRASE("Resources", "Sims2Pack header"));
    const ByteView magic = cursor.bytes(kSims2PackMagic.size(), "magic");
    if (magic != kSims2PackMagic && magic != kSims2PackCompressedMagic)
        bad(fileName,
            Phrase(VARNICK_PHRASE("Sims2Pack", "not a Sims2Pack file: bytes 0 to 17 hold \"%1\", not \"%2\" or \"%3\""),
                { shownBytes(magic), std::string(kSims2PackMagic), std::string(kSims2PackCompressedMagic) }));
    pack.compressedMagic = magic == kSims2PackCompressedMagic;
    pack.dataOffset = cursor.i32("data offset");
    if (pack.dataOffset < kSims2PackHeaderSize)
        bad(fileName,
            Phrase(VARNICK_PHRASE(
                       "Sims2Pack", "the data offset (bytes 18 to 21) is %1, before byte 22, where the XML begins"),
                { number(pack.dataOffset) }));
    if (pack.dataOffset > size)
        bad(fileName,
            Phrase(VARNICK_PHRASE("Sims2Pack", "the data offset (bytes 18 to 21) is %1, past the end of the file (%2)"),
                { number(pack.dataOffset), byteCount(size) }));
    pack.dataLength = size - pack.dataOffset;
    const auto xmlLength = static_cast<std::size_t>(pack.dataOffset - kSims2PackHeaderSize);
    if (xmlLength > kSims2PackMaxXmlBytes)
        bad(fileName,
            Phrase(VARNICK_PHRASE("Sims2Pack", "the XML (bytes 22 to %1) is %2 long, more than the 16 MiB allowed"),
                { number(pack.dataOffset - 1), byteCount(static_cast<std::int64_t>(xmlLength)) }));

    const ByteView raw = bytes.substr(static_cast<std::size_t>(kSims2PackHeaderSize), xmlLength);
    const std::string converted = isValidUtf8(raw) ? std::string() : windows1252ToUtf8(raw);
    std::vector<ItemText> texts;
    try {
        XmlDescription(pack, texts).read(converted.empty() ? raw : ByteView(converted));
    } catch (const XmlError& error) {
        bad(fileName, Phrase(VARNICK_PHRASE("Sims2Pack", "the XML cannot be read: %1"), { std::string(error.what()) }));
    } catch (const Failure& failure) {
        if (failure.code() != ErrorCode::BadPackage)
            throw;
        bad(fileName, failure.phrase());
    }

    for (std::size_t i = 0; i < pack.items.size(); ++i) {
        Sims2PackItem& item = pack.items[i];
        const ItemText& text = texts[i];
        const Phrase described = sims2PackItemPhrase(pack, i);
        if (!(text.seen & kLength))
            bad(fileName, Phrase(VARNICK_PHRASE("Sims2Pack", "%1 has no <Length>"), { described }));
        if (!(text.seen & kOffset))
            bad(fileName, Phrase(VARNICK_PHRASE("Sims2Pack", "%1 has no <Offset>"), { described }));
        item.length = wholeNumber(fileName, described, "Length", text.length);
        item.offset = wholeNumber(fileName, described, "Offset", text.offset);
        item.compressed = compressedFlag(text.compressed);
        if (const std::string_view guid = trimmed(text.guid); !guid.empty())
            item.guid = std::string(guid);
    }
    checkRanges(pack);
    return pack;
}

Sims2PackFile::Sims2PackFile(std::unique_ptr<char[]> bytes, std::size_t size, std::string_view fileName)
    : mBytes(std::move(bytes))
    , mSize(size)
    , mContents(parseSims2Pack(ByteView(mBytes.get(), mSize), fileName))
{
}

Sims2PackFile Sims2PackFile::read(const std::filesystem::path& file)
{
    const std::string name = pathToUtf8(file);
    std::unique_ptr<char[]> bytes;
    std::size_t size = 0;
    try {
        RawFile in(file, RawFile::Mode::Read);
        const std::int64_t length = in.size();
        if (length > std::numeric_limits<std::int32_t>::max())
            throw Failure(ErrorCode::ResourceTooLarge,
                Phrase(VARNICK_PHRASE(
                           "Sims2Pack", "the file holds %1 bytes, more than the 2 GiB a Sims2Pack file can hold"),
                    { number(length) }));
        size = static_cast<std::size_t>(length);
        bytes = std::make_unique_for_overwrite<char[]>(std::max<std::size_t>(size, 1));
        if (size > 0)
            in.readAt(0, bytes.get(), size);
        in.close();
    } catch (const Failure& failure) {
        throw Failure(failure.code(), sims2PackFilePhrase(name, failure.phrase()));
    }
    return Sims2PackFile(std::move(bytes), size, name);
}

Sims2PackFile Sims2PackFile::fromBytes(ByteView bytes, std::string_view fileName)
{
    auto copy = std::make_unique_for_overwrite<char[]>(std::max<std::size_t>(bytes.size(), 1));
    std::copy(bytes.begin(), bytes.end(), copy.get());
    return Sims2PackFile(std::move(copy), bytes.size(), fileName);
}

ByteView Sims2PackFile::storedBytes(std::size_t item) const
{
    const Sims2PackItem& entry = mContents.items.at(item);
    return bytes().substr(
        static_cast<std::size_t>(mContents.dataOffset + entry.offset), static_cast<std::size_t>(entry.length));
}

ByteView Sims2PackFile::itemBytes(std::size_t item, ByteString& scratch) const
{
    const ByteView stored = storedBytes(item);
    if (!mContents.items[item].compressed)
        return stored;
    try {
        scratch = bzip2Expand(stored, kSims2PackMaxItemBytes);
    } catch (const Failure& failure) {
        throw Failure(failure.code(),
            sims2PackFilePhrase(mContents.fileName,
                Phrase(
                    VARNICK_PHRASE("Failures", "%1: %2"), { sims2PackItemPhrase(mContents, item), failure.phrase() })));
    }
    return scratch;
}

} // namespace varnick
