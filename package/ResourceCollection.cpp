#include "package/ResourceCollection.h"

#include "package/BinarySupport.h"
#include "package/ResourceCursor.h"
#include "package/base/ErrorTrap.h"

#include <limits>

namespace varnick {

namespace {

constexpr std::string_view kModule = "modSimsPackage";

// Offsets inside a texture image block.
constexpr std::size_t kTextureVersionOffset = 15;
constexpr std::size_t kTextureNameOffset = 39;

void appendId(ByteString& out, const ByteString& id, std::string_view field)
{
    if (id.size() != 4) {
        throw Failure(ErrorCode::InvalidArgument,
            "Resource collection " + std::string(field) + " is " + std::to_string(id.size())
                + " bytes long; identifiers are 4 bytes");
    }
    out += id;
}

void appendPascal(ByteString& out, ByteView text, std::string_view field)
{
    if (text.size() > 255) {
        throw Failure(ErrorCode::InvalidArgument,
            "Texture " + std::string(field) + " is " + std::to_string(text.size()) + " bytes long; at most 255 fit");
    }
    out += static_cast<char>(text.size());
    out += text;
}

// Checks that count records of recordSize bytes fit the bytes left.
void checkCount(const ResourceCursor& cursor, std::int32_t count, std::size_t recordSize, std::string_view field)
{
    if (count < 0 || static_cast<std::uint64_t>(count) * recordSize > cursor.remaining()) {
        cursor.fail(field,
            Phrase(VARNICK_PHRASE("Resources", "is %1, but %2 bytes cannot hold that many records of %3 bytes"),
                { std::to_string(count), std::to_string(cursor.remaining()), std::to_string(recordSize) }));
    }
}

} // namespace

/*
 Resource collection header, integers little-endian:

   with the version mark                 older form without it
   0   4  mark 0xFFFF0001                0   4  link count
   4   4  link count                     4      links, 12 bytes each:
   8      links, 16 bytes each:                   group, instance, type
            group, instance, resource, type
   then   4  block count
   then   4 bytes per block: block type identifier
   then      the blocks (Body)
*/
RCOLHeader readRCOLHeader(ByteView data)
{
    const LocationScope callersStep;
    ResourceCursor cursor(data, VARNICK_PHRASE("Resources", "Resource collection"));
    RCOLHeader rcol;
    rcol.VersionMark = cursor.i32("version mark");
    const bool marked = rcol.VersionMark == kRcolVersionMark;
    rcol.LinkCount = marked ? cursor.i32("link count") : rcol.VersionMark;

    setLocation(2000);
    checkCount(cursor, rcol.LinkCount, marked ? 16 : 12, "link count");
    rcol.Links.reserve(static_cast<std::size_t>(rcol.LinkCount));
    for (std::int32_t i = 0; i < rcol.LinkCount; ++i) {
        RCOLFileLink link;
        link.GroupID = cursor.id("link group");
        link.InstanceID = cursor.id("link instance");
        if (marked)
            link.ResourceID = cursor.id("link resource");
        link.TypeID = cursor.id("link type");
        rcol.Links.push_back(std::move(link));
    }

    setLocation(3000);
    rcol.BlockCount = cursor.i32("block count");
    checkCount(cursor, rcol.BlockCount, 4, "block count");
    rcol.BlockTypes.reserve(static_cast<std::size_t>(rcol.BlockCount));
    for (std::int32_t i = 0; i < rcol.BlockCount; ++i)
        rcol.BlockTypes.push_back(cursor.id("block type"));
    rcol.Body = ByteString(cursor.bytes(cursor.remaining(), "body"));
    return rcol;
}

/*
 Texture image block (the first block of a texture resource's Body):

   0    11  block name: length byte and class name (not read)
   11    4  block identifier (not read)
   15    4  block version; only 9 is read past the seven fields
   19   20  embedded resource header (skipped)
   39       file name: length byte and name; when the byte after the length
            byte is 01 the length takes both bytes and the name starts at 41
   then 28  width, height, format, level count, purpose, texture count, unused
   version 9 only:
   then     a second name (length byte and name), dropped
   then, per texture: level count (4 bytes), per level a kind byte; kind 0:
            size (4 bytes) and the image bytes; other kinds: the name of an
            external image (length byte and name); after the levels 8 bytes

 Reads past the end give zeros and empty strings. A texture or level that
 would start beyond the end is not read, so large counts in a short block add
 nothing.
*/
TextureImage readTextureImage(ByteView data, std::string& notice)
{
    const LocationScope callersStep;
    ResourceCursor cursor(data, VARNICK_PHRASE("Resources", "Texture image"), ResourceCursor::Mode::Lenient);
    TextureImage texture;
    notice.clear();

    cursor.seek(kTextureVersionOffset, "block version");
    texture.Version = cursor.i32("block version");
    if (data.size() > kTextureNameOffset + 1 && byteAt(data, kTextureNameOffset + 1) == 1) {
        const std::size_t length = byteAt(data, kTextureNameOffset);
        cursor.seek(kTextureNameOffset + 2, "file name");
        texture.FileName = ByteString(cursor.bytes(length, "file name"));
    } else {
        cursor.seek(kTextureNameOffset, "file name");
        texture.FileName = cursor.pascalString("file name");
    }

    setLocation(2000);
    texture.Width = cursor.i32("width");
    texture.Height = cursor.i32("height");
    texture.Format = cursor.i32("format");
    texture.MipCount = cursor.i32("level count");
    texture.Purpose = static_cast<float>(cursor.i32("purpose"));
    texture.TextureCount = cursor.i32("texture count");
    cursor.skip(4, "unused field");

    if (texture.Version != kTextureVersion) {
        notice = std::string(kTextureVersionMessage);
        return texture;
    }

    (void)cursor.pascalString("second file name");
    setLocation(3000);
    for (std::int32_t t = 0; t < texture.TextureCount && !cursor.atEnd(); ++t) {
        const std::uint32_t levelCount = cursor.u32("level count");
        std::vector<TextureMip> levels;
        for (std::uint32_t j = 0; j < levelCount && !cursor.atEnd(); ++j) {
            TextureMip mip;
            mip.Kind = cursor.u8("level kind");
            if (mip.Kind != 0) {
                mip.RefName = cursor.pascalString("level image name");
            } else {
                mip.Size = cursor.i32("level size");
                if (mip.Size < 0)
                    cursor.fail("level size",
                        Phrase(VARNICK_PHRASE("Resources", "is negative (%1)"), { std::to_string(mip.Size) }));
                mip.Data = ByteString(cursor.bytes(static_cast<std::size_t>(mip.Size), "level data"));
            }
            levels.push_back(std::move(mip));
        }
        cursor.skip(8, "texture trailer");
        // A later texture's levels replace an earlier texture's.
        if (!levels.empty())
            texture.Mips = std::move(levels);
    }
    return texture;
}

void gsReadRCOLHeader(ByteView data, RCOLHeader& rcol)
{
    trapped(kModule, "gsReadRCOLHeader", [&] { rcol = readRCOLHeader(data); });
}

std::string gsReadRCOLTXTR(ByteView data, TextureImage& texture)
{
    std::string notice;
    trapped(kModule, "gsReadRCOLTXTR", [&] { texture = readTextureImage(data, notice); });
    return notice;
}

ByteString writeRCOLHeader(const RCOLHeader& rcol)
{
    constexpr auto kMaxCount = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
    if (rcol.Links.size() > kMaxCount || rcol.BlockTypes.size() > kMaxCount)
        throw Failure(ErrorCode::InvalidArgument, "Resource collection has too many links or blocks");
    const bool marked = rcol.VersionMark == kRcolVersionMark;
    ByteString out;
    if (marked)
        appendLong(out, static_cast<std::uint32_t>(kRcolVersionMark));
    appendLong(out, static_cast<std::uint32_t>(rcol.Links.size()));
    for (const RCOLFileLink& link : rcol.Links) {
        appendId(out, link.GroupID, "link group");
        appendId(out, link.InstanceID, "link instance");
        if (marked)
            appendId(out, link.ResourceID, "link resource");
        appendId(out, link.TypeID, "link type");
    }
    appendLong(out, static_cast<std::uint32_t>(rcol.BlockTypes.size()));
    for (const ByteString& type : rcol.BlockTypes)
        appendId(out, type, "block type");
    out += rcol.Body;
    return out;
}

ByteString writeTextureImage(const TextureImage& texture)
{
    const ByteString& name = texture.FileName;
    if (name.size() > 255) {
        throw Failure(ErrorCode::InvalidArgument,
            "Texture file name is " + std::to_string(name.size()) + " bytes long; at most 255 fit");
    }
    if (name.size() < 128 && !name.empty() && name[0] == '\x01') {
        throw Failure(ErrorCode::InvalidArgument,
            "Texture file name starts with the byte 01, which readers take for a two-byte length");
    }
    // With no name the byte after the length byte is the width's low byte.
    if (name.empty() && (texture.Width & 0xFF) == 1) {
        throw Failure(ErrorCode::InvalidArgument,
            "Texture has no file name and a width whose low byte is 01, which readers take for a two-byte length");
    }
    ByteString out;
    out += "\x0A"
           "cImageData";
    out += ByteView("\x6C\x27\x4A\x1C", 4); // block identifier: the texture type
    appendLong(out, static_cast<std::uint32_t>(kTextureVersion));
    out += "\x0B"
           "cSGResource";
    appendLong(out, 0);
    appendLong(out, 2);
    out += static_cast<char>(name.size());
    if (name.size() >= 128)
        out += '\x01';
    out += name;
    appendLong(out, static_cast<std::uint32_t>(texture.Width));
    appendLong(out, static_cast<std::uint32_t>(texture.Height));
    appendLong(out, static_cast<std::uint32_t>(texture.Format));
    appendLong(out, static_cast<std::uint32_t>(texture.MipCount));
    const float purpose = texture.Purpose;
    const bool purposeFits = purpose > -2147483648.0f && purpose < 2147483648.0f;
    appendLong(out, static_cast<std::uint32_t>(purposeFits ? static_cast<std::int32_t>(purpose) : 0));
    appendLong(out, 1); // one texture
    appendLong(out, 0);
    appendPascal(out, name, "second file name");
    appendLong(out, static_cast<std::uint32_t>(texture.Mips.size()));
    for (const TextureMip& mip : texture.Mips) {
        out += static_cast<char>(mip.Kind);
        if (mip.Kind != 0) {
            appendPascal(out, mip.RefName, "level image name");
        } else {
            appendLong(out, static_cast<std::uint32_t>(mip.Data.size()));
            out += mip.Data;
        }
    }
    appendLong(out, 0); // the 8 bytes after the levels
    appendLong(out, 0);
    return out;
}

} // namespace varnick
