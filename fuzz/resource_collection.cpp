// Resource collection header and texture block readers: any bytes read cleanly
// or fail with a Failure. The texture reader runs on the header's Body and on
// the raw bytes, so both readers get every input. What reads is written again
// and must read back the same; the trapped procedures report exactly when the
// readers throw and then leave their outputs as they were.
#include "fuzz/common/QuietTrap.h"
#include "package/ResourceCollection.h"
#include "package/base/ErrorTrap.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

using namespace varnick;

namespace {

bool sameLinks(const RCOLHeader& a, const RCOLHeader& b)
{
    if (a.Links.size() != b.Links.size() || a.BlockTypes != b.BlockTypes || a.Body != b.Body)
        return false;
    for (std::size_t i = 0; i < a.Links.size(); ++i) {
        const RCOLFileLink& x = a.Links[i];
        const RCOLFileLink& y = b.Links[i];
        if (x.TypeID != y.TypeID || x.GroupID != y.GroupID || x.InstanceID != y.InstanceID
            || x.ResourceID != y.ResourceID)
            return false;
    }
    return true;
}

bool sameLevels(const TextureImage& a, const TextureImage& b)
{
    if (a.Mips.size() != b.Mips.size())
        return false;
    for (std::size_t i = 0; i < a.Mips.size(); ++i) {
        const TextureMip& x = a.Mips[i];
        const TextureMip& y = b.Mips[i];
        if (x.Kind != y.Kind || x.Data != y.Data || x.RefName != y.RefName)
            return false;
    }
    return true;
}

// A texture written as version 9 reads back with its fields and levels; one
// the writer refuses is refused for its file name only.
void checkTextureRoundTrip(const TextureImage& texture)
{
    ByteString written;
    try {
        written = writeTextureImage(texture);
    } catch (const Failure& failure) {
        const ByteString& name = texture.FileName;
        const bool nameRefused = name.size() > 255 || (name.size() < 128 && !name.empty() && name[0] == '\x01')
            || (name.empty() && (texture.Width & 0xFF) == 1);
        if (failure.code() != ErrorCode::InvalidArgument || !nameRefused)
            std::abort();
        return;
    }
    std::string notice;
    const TextureImage back = readTextureImage(written, notice);
    if (!notice.empty() || back.Version != kTextureVersion || back.FileName != texture.FileName
        || back.Width != texture.Width || back.Height != texture.Height || back.Format != texture.Format
        || back.MipCount != texture.MipCount || !sameLevels(back, texture))
        std::abort();
    if (std::fabs(texture.Purpose) < 16777216.0f && back.Purpose != texture.Purpose)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static fuzz::QuietTrap trap;
    const ByteView bytes(reinterpret_cast<const char*>(data), size);
    std::string notice;
    std::optional<RCOLHeader> header;
    try {
        header = readRCOLHeader(bytes);
        if (header->Links.size() != static_cast<std::size_t>(header->LinkCount) || header->Body.size() > size)
            std::abort();
        checkTextureRoundTrip(readTextureImage(header->Body, notice));
    } catch (const Failure&) {
    }
    RCOLHeader trappedHeader;
    trappedHeader.Body = "unchanged";
    gsReadRCOLHeader(bytes, trappedHeader);
    if (trap.take() != (header ? 0 : 1)
        || (header ? !sameLinks(trappedHeader, *header) : trappedHeader.Body != "unchanged"))
        std::abort();
    if (header) {
        const RCOLHeader back = readRCOLHeader(writeRCOLHeader(*header));
        if (!sameLinks(back, *header) || back.LinkCount != header->LinkCount || back.BlockCount != header->BlockCount
            || (back.VersionMark == kRcolVersionMark) != (header->VersionMark == kRcolVersionMark))
            std::abort();
    }

    std::optional<TextureImage> texture;
    try {
        texture = readTextureImage(bytes, notice);
        std::size_t total = 0;
        for (const TextureMip& mip : texture->Mips)
            total += mip.Data.size();
        if (total > size || notice.empty() != (texture->Version == kTextureVersion))
            std::abort();
    } catch (const Failure&) {
    }
    TextureImage trappedTexture;
    trappedTexture.FileName = "unchanged";
    const std::string shown = gsReadRCOLTXTR(bytes, trappedTexture);
    if (trap.take() != (texture ? 0 : 1)
        || (texture && (shown != notice || trappedTexture.FileName != texture->FileName))
        || (!texture && trappedTexture.FileName != "unchanged"))
        std::abort();
    if (texture)
        checkTextureRoundTrip(*texture);
    return 0;
}
