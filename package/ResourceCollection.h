#pragma once

#include "package/base/Bytes.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace varnick {

// NOLINTBEGIN(readability-identifier-naming): the game's records keep their fields' names
/// A link from a resource collection to another resource (stored-form
/// identifiers; ResourceID is 4 NUL bytes in headers without the version mark).
struct RCOLFileLink {
    ByteString TypeID;
    ByteString GroupID;
    ByteString InstanceID;
    ByteString ResourceID = ByteString(4, '\0');
};

/// The header of a resource collection and the bytes after it.
struct RCOLHeader {
    std::int32_t VersionMark = 0; ///< kRcolVersionMark, or the link count in the older form
    std::int32_t LinkCount = 0;
    std::vector<RCOLFileLink> Links;
    std::int32_t BlockCount = 0;
    std::vector<ByteString> BlockTypes; ///< 4-byte stored identifiers
    ByteString Body; ///< everything after the block type list
};

/// One stored level of a texture: Kind 0 carries the image bytes, any other
/// kind the name of an external image.
struct TextureMip {
    std::uint8_t Kind = 0;
    std::int32_t Size = 0;
    ByteString Data;
    ByteString RefName;
};

/// The texture image block of a texture resource. Mips holds the levels of the
/// last texture that had any, smallest first as stored.
struct TextureImage {
    std::int32_t Version = 0;
    ByteString FileName;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::int32_t Format = 0;
    std::int32_t MipCount = 0;
    float Purpose = 0;
    std::int32_t TextureCount = 0;
    std::vector<TextureMip> Mips;
};
// NOLINTEND(readability-identifier-naming)

/// The version mark 0xFFFF0001 as the signed value VersionMark holds.
inline constexpr std::int32_t kRcolVersionMark = -65535;
/// The only texture block version whose levels are read.
inline constexpr std::int32_t kTextureVersion = 9;
/// Text for the caller to show when a texture block has another version.
inline constexpr std::string_view kTextureVersionMessage = "TXTR version not 9!";

/// Throwing reader of a collection header; Failure (BadResource) names the
/// field that does not fit the data.
RCOLHeader readRCOLHeader(ByteView data);

/// Throwing reader of a texture image block (data is the Body of the texture
/// resource's header). Reads past the end give zeros and empty strings.
/// notice receives kTextureVersionMessage when the block is not version 9
/// (then the fields before the levels are set and Mips is empty), "" otherwise.
TextureImage readTextureImage(ByteView data, std::string& notice);

/// Reads a collection header into rcol. Failures go to the error trap
/// (modSimsPackage) and leave rcol unchanged.
void gsReadRCOLHeader(ByteView data, RCOLHeader& rcol);

/// Reads a texture image block into texture, replacing all of it, and returns
/// the text the caller shows to the user: kTextureVersionMessage for a version
/// other than 9 (the fields before the levels are set, Mips is empty), ""
/// otherwise. Failures go to the error trap and leave texture unchanged.
std::string gsReadRCOLTXTR(ByteView data, TextureImage& texture);

/// Builds the bytes of a collection header followed by rcol.Body. With
/// VersionMark kRcolVersionMark the header carries the mark and 16-byte links;
/// otherwise the older form with 12-byte links. The counts written are the
/// sizes of Links and BlockTypes. Throws Failure (InvalidArgument) for an
/// identifier that is not 4 bytes.
ByteString writeRCOLHeader(const RCOLHeader& rcol);

/// Builds a version 9 texture image block holding one texture with the levels
/// of texture.Mips (the texture count written is 1, the other fields as given).
/// FileName takes up to 255 bytes (from 128 on in the two-byte length form) and
/// must not start with the byte 01 when shorter than 128 bytes, which readers
/// would take for the two-byte form; for the same reason an empty FileName
/// needs a Width whose low byte is not 01. Throws Failure (InvalidArgument) otherwise.
ByteString writeTextureImage(const TextureImage& texture);

} // namespace varnick
