#include "app/recolors/core/DdsSupport.h"

#include "package/CompressedResource.h"
#include "package/PackageReader.h"
#include "package/TypeIds.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"

#include <array>
#include <fstream>

namespace varnick::recolors {

namespace fs = std::filesystem;

namespace {

void put32(ByteString& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void put16(ByteString& out, std::uint32_t value)
{
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

std::uint32_t get32(ByteView bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

bool sizeOk(std::int32_t height, std::int32_t width)
{
    return height > 0 && width > 0 && height <= kMaxTextureSide && width <= kMaxTextureSide;
}

void writeFile(const fs::path& fileName, ByteView bytes)
{
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw Failure(ErrorCode::FileWriteFailed, "Could not write " + pathToUtf8(fileName));
}

// One 4x4 DXT colour block into RGBA (16 pixels); the 4-colour mode is forced for DXT3.
void decodeColourBlock(ByteView block, bool allowPunchThrough, std::array<std::array<std::uint8_t, 4>, 16>& out)
{
    const auto c0 = static_cast<std::uint32_t>(
        static_cast<unsigned char>(block[0]) | (static_cast<unsigned char>(block[1]) << 8));
    const auto c1 = static_cast<std::uint32_t>(
        static_cast<unsigned char>(block[2]) | (static_cast<unsigned char>(block[3]) << 8));
    std::array<std::array<std::uint8_t, 4>, 4> colours {};
    auto expand = [](std::uint32_t c, std::array<std::uint8_t, 4>& rgba) {
        const std::uint32_t r = (c >> 11) & 31;
        const std::uint32_t g = (c >> 5) & 63;
        const std::uint32_t b = c & 31;
        rgba = { static_cast<std::uint8_t>((r << 3) | (r >> 2)), static_cast<std::uint8_t>((g << 2) | (g >> 4)),
            static_cast<std::uint8_t>((b << 3) | (b >> 2)), 255 };
    };
    expand(c0, colours[0]);
    expand(c1, colours[1]);
    const bool four = !allowPunchThrough || c0 > c1;
    for (int k = 0; k < 3; ++k) {
        const unsigned a = colours[0][static_cast<std::size_t>(k)];
        const unsigned b = colours[1][static_cast<std::size_t>(k)];
        if (four) {
            colours[2][static_cast<std::size_t>(k)] = static_cast<std::uint8_t>((2 * a + b) / 3);
            colours[3][static_cast<std::size_t>(k)] = static_cast<std::uint8_t>((a + 2 * b) / 3);
        } else {
            colours[2][static_cast<std::size_t>(k)] = static_cast<std::uint8_t>((a + b) / 2);
            colours[3][static_cast<std::size_t>(k)] = 0;
        }
    }
    colours[2][3] = 255;
    colours[3][3] = four ? 255 : 0;
    const std::uint32_t indices = get32(block, 4);
    for (std::size_t p = 0; p < 16; ++p)
        out[p] = colours[(indices >> (2 * p)) & 3];
}

} // namespace

ByteString ddsFileBytes(ByteView data, std::int32_t ddsFormat, std::int32_t height, std::int32_t width)
{
    ByteString out;
    out.reserve(128 + data.size());
    out += "DDS ";
    put32(out, 124);
    put32(out, 0x81007);
    put32(out, static_cast<std::uint32_t>(height));
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(data.size()));
    put32(out, 0);
    put32(out, 0);
    out.append(44, '\0');
    put32(out, 32);
    put32(out, 4);
    if (ddsFormat >= 1 && ddsFormat <= 5) {
        out += "DXT";
        out.push_back(static_cast<char>('0' + ddsFormat));
    } else {
        put32(out, 0);
    }
    out.append(20, '\0');
    put32(out, 0x1000);
    out.append(12, '\0');
    put32(out, 0);
    out.append(data);
    return out;
}

void gsWriteDDSFile(
    const fs::path& fileName, ByteView data, std::int32_t ddsFormat, std::int32_t height, std::int32_t width)
{
    writeFile(fileName, ddsFileBytes(data, ddsFormat, height, width));
}

ByteString bmpFileBytes(ByteView bgrTopDown, std::int32_t height, std::int32_t width)
{
    const std::size_t w = static_cast<std::size_t>(width);
    const std::size_t h = static_cast<std::size_t>(height);
    const std::size_t stride = (w * 3 + 3) / 4 * 4;
    const std::size_t imageSize = stride * h;
    ByteString out;
    out.reserve(54 + imageSize);
    out += "BM";
    put32(out, static_cast<std::uint32_t>(54 + imageSize));
    put16(out, 0);
    put16(out, 0);
    put32(out, 54);
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height));
    put16(out, 1);
    put16(out, 24);
    put32(out, 0);
    put32(out, static_cast<std::uint32_t>(imageSize));
    out.append(16, '\0');
    for (std::size_t row = h; row-- > 0;) {
        out.append(bgrTopDown.substr(row * w * 3, w * 3));
        out.append(stride - w * 3, '\0');
    }
    return out;
}

std::optional<ByteString> decodeDxt(ByteView blocks, std::int32_t ddsFormat, std::int32_t height, std::int32_t width)
{
    if ((ddsFormat != 1 && ddsFormat != 3) || !sizeOk(height, width))
        return std::nullopt;
    const std::size_t w = static_cast<std::size_t>(width);
    const std::size_t h = static_cast<std::size_t>(height);
    const std::size_t blockBytes = ddsFormat == 1 ? 8 : 16;
    const std::size_t bx = (w + 3) / 4;
    const std::size_t by = (h + 3) / 4;
    if (blocks.size() < bx * by * blockBytes)
        return std::nullopt;
    ByteString bgr(w * h * 3, '\0');
    std::array<std::array<std::uint8_t, 4>, 16> pixels {};
    for (std::size_t y = 0; y < by; ++y) {
        for (std::size_t x = 0; x < bx; ++x) {
            const ByteView block = blocks.substr((y * bx + x) * blockBytes, blockBytes);
            decodeColourBlock(ddsFormat == 1 ? block : block.substr(8), ddsFormat == 1, pixels);
            for (std::size_t p = 0; p < 16; ++p) {
                const std::size_t px = x * 4 + p % 4;
                const std::size_t py = y * 4 + p / 4;
                if (px >= w || py >= h)
                    continue;
                char* target = bgr.data() + (py * w + px) * 3;
                target[0] = static_cast<char>(pixels[p][2]);
                target[1] = static_cast<char>(pixels[p][1]);
                target[2] = static_cast<char>(pixels[p][0]);
            }
        }
    }
    return bgr;
}

std::optional<ByteString> decodeRaw32(ByteView pixels, std::int32_t height, std::int32_t width)
{
    if (!sizeOk(height, width))
        return std::nullopt;
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (pixels.size() < count * 4)
        return std::nullopt;
    ByteString bgr;
    bgr.reserve(count * 3);
    for (std::size_t i = 0; i < count; ++i)
        bgr.append(pixels.substr(i * 4, 3));
    return bgr;
}

void gsWriteBMPfile(ByteView data, std::int32_t height, std::int32_t width, const fs::path& fileName)
{
    const std::optional<ByteString> bgr = decodeRaw32(data, height, width);
    if (!bgr)
        throw Failure(ErrorCode::BadResource, "The raw texture is smaller than its width and height");
    writeFile(fileName, bmpFileBytes(*bgr, height, width));
}

bool gsConvertDDStoBMP(const fs::path& ddsPath, const fs::path& bmpPath)
{
    std::ifstream in(ddsPath, std::ios::binary);
    if (!in)
        return false;
    const ByteString bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < 128 || bytes.compare(0, 4, "DDS ") != 0)
        return false;
    const auto height = static_cast<std::int32_t>(get32(bytes, 12));
    const auto width = static_cast<std::int32_t>(get32(bytes, 16));
    const ByteView fourCC = ByteView(bytes).substr(84, 4);
    const std::int32_t format = fourCC == "DXT1" ? 1 : fourCC == "DXT3" ? 3 : 0;
    const std::optional<ByteString> bgr = decodeDxt(ByteView(bytes).substr(128), format, height, width);
    if (!bgr)
        return false;
    try {
        writeFile(bmpPath, bmpFileBytes(*bgr, height, width));
    } catch (const Failure&) {
        return false;
    }
    return true;
}

std::optional<ByteString> textureBitmap(const TextureImage& texture)
{
    if (texture.Mips.empty())
        return std::nullopt;
    const ByteView level = texture.Mips.back().Data; // the full-size image is stored last
    std::optional<ByteString> bgr;
    if (texture.Format == 4)
        bgr = decodeDxt(level, 1, texture.Height, texture.Width);
    else if (texture.Format == 5)
        bgr = decodeDxt(level, 3, texture.Height, texture.Width);
    else if (texture.Format == 1)
        bgr = decodeRaw32(level, texture.Height, texture.Width);
    if (!bgr)
        return std::nullopt;
    return bmpFileBytes(*bgr, texture.Height, texture.Width);
}

namespace {

// The first texture resource, in index order, in a format the viewer shows;
// storedBytes gives an entry's bytes as stored (throwing for a bad range).
template <typename StoredBytes>
std::optional<ByteString> firstTextureBitmap(const PackageIndex& index, StoredBytes&& storedBytes)
{
    for (const IndexEntry& entry : index.entries) {
        if (entry.TypeID != gstrTypeTXTR)
            continue;
        try {
            const RCOLHeader header = readRCOLHeader(decompressResource(storedBytes(entry)));
            std::string notice;
            const TextureImage texture = readTextureImage(header.Body, notice);
            if (texture.Format != 1 && texture.Format != 4 && texture.Format != 5)
                continue;
            // The first texture in a format the viewer shows decides; no levels means no picture.
            return textureBitmap(texture);
        } catch (const Failure&) {
            continue;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<ByteString> packagePreviewBitmap(const fs::path& package)
{
    return firstTextureBitmap(
        readPackageIndex(package), [&](const IndexEntry& entry) { return readResourceBytes(package, entry); });
}

std::optional<ByteString> packagePreviewBitmap(ByteView package)
{
    return firstTextureBitmap(parsePackageIndex(package), [&](const IndexEntry& entry) {
        if (entry.Offset < 0 || entry.Size < 0
            || static_cast<std::uint64_t>(entry.Offset) + static_cast<std::uint64_t>(entry.Size) > package.size())
            throw Failure(ErrorCode::BadPackage, "The resource lies outside the package");
        return ByteString(package.substr(static_cast<std::size_t>(entry.Offset), static_cast<std::size_t>(entry.Size)));
    });
}

} // namespace varnick::recolors
