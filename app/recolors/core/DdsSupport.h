#pragma once
// Texture previews without a graphics device: DDS and 24-bit bitmap writing,
// DXT1/DXT3 decoding, and the bitmap the texture viewer shows for a package.

#include "package/ResourceCollection.h"
#include "package/base/Bytes.h"

#include <cstdint>
#include <filesystem>
#include <optional>

namespace varnick::recolors {

/// The 128-byte DDS header (format 1-5 gives "DXT1".."DXT5") followed by data.
ByteString ddsFileBytes(ByteView data, std::int32_t ddsFormat, std::int32_t height, std::int32_t width);

/// Writes ddsFileBytes to fileName. Throws Failure when the file cannot be written.
void gsWriteDDSFile(const std::filesystem::path& fileName, ByteView data, std::int32_t ddsFormat, std::int32_t height,
    std::int32_t width);

/// A 24-bit bitmap file from top-down B,G,R pixels (3 bytes each): rows stored
/// bottom up, each padded to a multiple of 4 bytes, so the top row shows on top.
ByteString bmpFileBytes(ByteView bgrTopDown, std::int32_t height, std::int32_t width);

/// Decodes DXT1 (ddsFormat 1) or DXT3 (3) blocks to top-down B,G,R pixels;
/// nullopt for another format, bad sizes or too few bytes.
std::optional<ByteString> decodeDxt(ByteView blocks, std::int32_t ddsFormat, std::int32_t height, std::int32_t width);

/// Raw 32-bit pixels (first three bytes kept) to top-down B,G,R; nullopt when too short.
std::optional<ByteString> decodeRaw32(ByteView pixels, std::int32_t height, std::int32_t width);

/// Writes the bitmap of a raw 32-bit level, as displayed (not mirrored). Throws Failure on write errors.
void gsWriteBMPfile(ByteView data, std::int32_t height, std::int32_t width, const std::filesystem::path& fileName);

/// Reads a DXT1/DXT3 DDS file and writes its bitmap; writes nothing when it cannot decode. True when written.
bool gsConvertDDStoBMP(const std::filesystem::path& ddsPath, const std::filesystem::path& bmpPath);

/// The bitmap for one texture image: formats 4 (DXT1), 5 (DXT3), 1 (raw 32-bit);
/// nullopt for other formats or a texture without levels.
std::optional<ByteString> textureBitmap(const TextureImage& texture);

/// The bitmap the viewer shows for a package: the first texture resource, in
/// index order, that yields one. nullopt when none does. Throws Failure for an unreadable package.
std::optional<ByteString> packagePreviewBitmap(const std::filesystem::path& package);

/// The same picture from a package's bytes held in memory (an archive's item).
/// Throws Failure for bytes that are not a readable package index.
std::optional<ByteString> packagePreviewBitmap(ByteView package);

/// Largest width or height accepted (a 2-GiB-safe bound for the pixel buffers).
inline constexpr std::int32_t kMaxTextureSide = 8192;

} // namespace varnick::recolors
