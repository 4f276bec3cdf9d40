#include "tools/demo/DemoResources.h"

#include "app/platform/qt/TextBridge.h"

#include "package/BinarySupport.h"
#include "package/ObjectDefinition.h"
#include "package/PropertySet.h"
#include "package/ResourceCollection.h"
#include "package/TextList.h"
#include "package/TypeIds.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Folders.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <mutex>

namespace varnick::demo {

namespace {

void append32(ByteString& out, std::uint32_t value)
{
    out += gfstrLongToStr4(static_cast<std::int32_t>(value));
}

void appendPascal(ByteString& out, std::string_view text)
{
    out.push_back(static_cast<char>(std::min<std::size_t>(text.size(), 127)));
    out.append(text.substr(0, 127));
}

ByteString filler(DemoRandom& random, int count)
{
    ByteString out;
    out.reserve(static_cast<std::size_t>(count));
    // Small repeating structures compress the way real vertex and index lists do.
    std::uint32_t word = random.next32();
    for (int i = 0; i < count; ++i) {
        if (i % 16 == 0 && random.percent(35))
            word = random.next32();
        out.push_back(static_cast<char>((word >> ((i % 4) * 8)) & 0xFF));
    }
    return out;
}

PropertyItem stringProperty(const char* name, const std::string& value)
{
    return PropertyItem { ByteString(kPropertyTypeString), name, value, 0 };
}

PropertyItem numberProperty(const char* name, std::uint32_t value, bool xml)
{
    // The game writes these as unsigned 32-bit numbers; the binary encoding
    // takes the bits from Number, the text encoding from Value.
    PropertyItem item { gfstr4HexToSimsID("EB61E4F7"), name, {},
        static_cast<double>(static_cast<std::int32_t>(value)) };
    if (xml)
        item.Value = std::to_string(value);
    return item;
}

PropertyItem booleanProperty(const char* name, bool value)
{
    return PropertyItem { ByteString(kPropertyTypeBoolean), name, value ? "1" : "0", value ? 1.0 : 0.0 };
}

// Texture pixels -----------------------------------------------------------

struct Rgb {
    int r, g, b;
};

Rgb shade(const Swatch& swatch, int percent)
{
    auto scale = [percent](int c) { return std::clamp(c * percent / 100, 0, 255); };
    return { scale(swatch.red), scale(swatch.green), scale(swatch.blue) };
}

Rgb mix(Rgb a, Rgb b, int weightB, int total)
{
    return { (a.r * (total - weightB) + b.r * weightB) / total, (a.g * (total - weightB) + b.g * weightB) / total,
        (a.b * (total - weightB) + b.b * weightB) / total };
}

std::uint16_t rgb565(Rgb c)
{
    return static_cast<std::uint16_t>(((c.r >> 3) << 11) | ((c.g >> 2) << 5) | (c.b >> 3));
}

/// Pattern step 0 (light) to 3 (dark) of texel (x, y) of a texture of the given size.
int patternStep(int x, int y, int size, std::uint32_t seed)
{
    const int cell = std::max(1, size / 8);
    switch (seed % 3) {
    case 0: // stripes
        return ((x + y) / cell) % 4;
    case 1: // checks
        return ((x / cell + y / cell) % 2) * 3;
    default: // weave
        return ((x / cell) % 2 == 0 ? (y / cell) % 4 : 3 - (y / cell) % 4);
    }
}

ByteString dxtLevel(TextureFormat format, int size, int fullSize, const Swatch& swatch, std::uint32_t seed)
{
    Rgb light = shade(swatch, 115);
    Rgb dark = shade(swatch, 70);
    std::uint16_t c0 = rgb565(light);
    std::uint16_t c1 = rgb565(dark);
    if (c0 == c1) // equal end points would select the three-colour mode of DXT1
        c1 = c0 > 0 ? static_cast<std::uint16_t>(c0 - 1) : 1;
    const bool swapped = c0 < c1;
    if (swapped)
        std::swap(c0, c1);
    // Index of each pattern step: 0 = c0, 2 = 2/3 c0, 3 = 1/3 c0, 1 = c1.
    static const int kStepIndex[4] = { 0, 2, 3, 1 };
    static const int kSwappedIndex[4] = { 1, 3, 2, 0 };

    const int blocks = std::max(1, size / 4);
    ByteString out;
    for (int by = 0; by < blocks; ++by) {
        for (int bx = 0; bx < blocks; ++bx) {
            if (format == TextureFormat::Dxt3)
                out.append(8, '\xFF'); // explicit alpha: every texel opaque
            std::uint32_t indices = 0;
            for (int py = 0; py < 4; ++py) {
                for (int px = 0; px < 4; ++px) {
                    const int x = (bx * 4 + px) * fullSize / std::max(size, 4);
                    const int y = (by * 4 + py) * fullSize / std::max(size, 4);
                    const int step = patternStep(x, y, fullSize, seed);
                    const int index = swapped ? kSwappedIndex[step] : kStepIndex[step];
                    indices |= static_cast<std::uint32_t>(index) << (2 * (py * 4 + px));
                }
            }
            out += gfstrIntToStr2(static_cast<std::int16_t>(c0));
            out += gfstrIntToStr2(static_cast<std::int16_t>(c1));
            append32(out, indices);
        }
    }
    return out;
}

ByteString rawLevel(int size, int fullSize, const Swatch& swatch, std::uint32_t seed)
{
    const Rgb light = shade(swatch, 115);
    const Rgb dark = shade(swatch, 70);
    ByteString out;
    out.reserve(static_cast<std::size_t>(size) * size * 4);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const Rgb c = mix(light, dark, patternStep(x * fullSize / size, y * fullSize / size, fullSize, seed), 3);
            // Pixels are stored blue, green, red, alpha.
            out.push_back(static_cast<char>(c.b));
            out.push_back(static_cast<char>(c.g));
            out.push_back(static_cast<char>(c.r));
            out.push_back('\xFF');
        }
    }
    return out;
}

// Thumbnails ---------------------------------------------------------------

void drawSilhouette(QPainter& p, Silhouette shape, std::uint32_t variant)
{
    const qreal w = 4 * static_cast<qreal>(variant % 5); // small variations in proportion
    switch (shape) {
    case Silhouette::Seat:
        p.drawRoundedRect(QRectF(30 - w / 2, 38, 68 + w, 30), 6, 6); // back
        p.drawRoundedRect(QRectF(24 - w / 2, 62, 80 + w, 24), 6, 6); // seat
        p.drawRect(QRectF(30 - w / 2, 86, 6, 16));
        p.drawRect(QRectF(92 + w / 2, 86, 6, 16));
        break;
    case Silhouette::Bed:
        p.drawRoundedRect(QRectF(14, 40, 14, 60), 4, 4); // headboard
        p.drawRoundedRect(QRectF(24, 64, 92, 26), 5, 5);
        p.drawRoundedRect(QRectF(30, 56, 24 + w, 12), 5, 5); // pillow
        break;
    case Silhouette::Table:
        p.drawRect(QRectF(16 - w / 2, 52, 96 + w, 10));
        p.drawRect(QRectF(24, 62, 7, 40));
        p.drawRect(QRectF(97, 62, 7, 40));
        break;
    case Silhouette::Cabinet:
        p.drawRect(QRectF(32 - w / 2, 24, 64 + w, 80));
        p.drawLine(QPointF(64, 24), QPointF(64, 104));
        p.drawEllipse(QPointF(58, 64), 2.5, 2.5);
        p.drawEllipse(QPointF(70, 64), 2.5, 2.5);
        break;
    case Silhouette::Screen:
        p.drawRoundedRect(QRectF(22 - w / 2, 28, 84 + w, 56), 4, 4);
        p.drawRect(QRectF(56, 84, 16, 10));
        p.drawRect(QRectF(40, 94, 48, 6));
        break;
    case Silhouette::Tub: {
        QPainterPath path;
        path.moveTo(18, 56);
        path.lineTo(110, 56);
        path.cubicTo(108, 96, 90, 98, 64, 98);
        path.cubicTo(38, 98, 20, 96, 18, 56);
        p.drawPath(path);
        p.drawRect(QRectF(30, 98, 6, 8));
        p.drawRect(QRectF(92, 98, 6, 8));
        break;
    }
    case Silhouette::Frame:
        p.drawRect(QRectF(26 - w / 2, 22, 76 + w, 84));
        p.drawRect(QRectF(36 - w / 2, 32, 56 + w, 64));
        break;
    case Silhouette::Plant:
        p.drawEllipse(QPointF(64, 50), 30 + w, 28);
        p.drawRect(QRectF(60, 74, 8, 16));
        p.drawRect(QRectF(48, 88, 32, 18));
        break;
    case Silhouette::Lamp: {
        QPolygonF shadeShape;
        shadeShape << QPointF(44 - w / 2, 56) << QPointF(84 + w / 2, 56) << QPointF(74, 26) << QPointF(54, 26);
        p.drawPolygon(shadeShape);
        p.drawRect(QRectF(61, 56, 6, 40));
        p.drawEllipse(QRectF(44, 94, 40, 10));
        break;
    }
    case Silhouette::Door:
        p.drawRect(QRectF(38 - w / 2, 14, 52 + w, 100));
        p.drawRect(QRectF(46, 24, 36, 34));
        p.drawEllipse(QPointF(80, 68), 3, 3);
        break;
    case Silhouette::Window:
        p.drawRect(QRectF(22 - w / 2, 26, 84 + w, 76));
        p.drawLine(QPointF(64, 26), QPointF(64, 102));
        p.drawLine(QPointF(22, 64), QPointF(106, 64));
        break;
    case Silhouette::Column:
        p.drawRect(QRectF(52 - w / 4, 24, 24 + w / 2, 80));
        p.drawRect(QRectF(44, 16, 40, 10));
        p.drawRect(QRectF(44, 102, 40, 10));
        break;
    case Silhouette::Blob:
        p.drawEllipse(QPointF(64, 68), 34 + w, 30);
        break;
    }
}

} // namespace

ByteString objectDefinition(const ObjectFields& fields)
{
    if (fields.name.size() >= 64)
        throw Failure(ErrorCode::InvalidArgument, "object definition name longer than 63 bytes: " + fields.name);
    ObjectDefinition definition = makeObjectDefinition(kDemoDefinitionSize);
    using F = ObjectField;
    definition.setRaw(F::MultiTileSubIndex, fields.multiTileSubIndex);
    definition.setRaw(F::GUID, fields.guid);
    definition.setRaw(F::Price, fields.price);
    definition.setRaw(F::InitialDepreciation, fields.initialDepreciation);
    definition.setRaw(F::DailyDepreciation, fields.dailyDepreciation);
    definition.setRaw(F::DepreciationLimit, fields.depreciationLimit);
    definition.setRaw(F::RoomSortFlags, fields.roomSortFlags);
    definition.setRaw(F::FunctionSortFlags, fields.functionSortFlags);
    definition.setRaw(F::NicenessMultiplier, fields.nicenessMultiplier);
    definition.setRaw(F::WantsSatisfyCategory, fields.wantsSatisfyCategory);
    definition.setRaw(F::BuildModeType, fields.buildModeType);
    definition.setRaw(F::BuildModeSubType, fields.buildModeSubType);
    const F motives[7] = { F::HungerRating, F::ComfortRating, F::HygieneRating, F::BladderRating, F::EnergyRating,
        F::FunRating, F::RoomRating };
    for (std::size_t i = 0; i < 7; ++i)
        definition.setRaw(motives[i], static_cast<std::uint16_t>(fields.motives[i]));
    definition.setRaw(F::SkillFlags, fields.skillFlags);
    definition.setRaw(F::FunctionSubSort, fields.functionSubSort);
    definition.setRaw(F::CommunitySortFlags, fields.communitySortFlags);
    // The definition's own name fills its first 64 bytes, NUL padded.
    ByteString record = definition.data();
    record.replace(0, fields.name.size(), fields.name);
    return record;
}

ByteString catalogTextList(const std::string& listName, const std::string& name, const std::string& description)
{
    TextList list;
    list.ListName = listName;
    list.Entries.push_back(TextListEntry { "\x01", name, "" });
    list.Entries.push_back(TextListEntry { "\x01", description, "" });
    ByteString out;
    gsWriteTextList(list, out);
    return out;
}

ByteString materialOverride(std::uint32_t guid, const std::string& objectName, const std::string& materialName,
    const std::string& subset, bool xml)
{
    std::vector<PropertyItem> items;
    items.push_back(stringProperty("description", objectName + " recolor"));
    items.push_back(stringProperty("subsetName", subset));
    items.push_back(numberProperty("objectStateIndex", 0, xml));
    items.push_back(numberProperty("objectGUID", guid, xml));
    items.push_back(numberProperty("materialStateFlags", 0, xml));
    items.push_back(booleanProperty("defaultMaterial", false));
    items.push_back(stringProperty("name", materialName));
    return xml ? writeXmlPropertySet(items) : writeBinPropertySet(items);
}

ByteString textureResource(
    const std::string& fileName, TextureFormat format, int size, const Swatch& swatch, std::uint32_t patternSeed)
{
    TextureImage texture;
    texture.Version = kTextureVersion;
    texture.FileName = fileName;
    texture.Width = size;
    texture.Height = size;
    texture.Format = static_cast<std::int32_t>(format);
    texture.Purpose = 1.0f;
    texture.TextureCount = 1;
    for (int level = 1; level <= size; level *= 2) {
        TextureMip mip;
        mip.Kind = 0;
        mip.Data = format == TextureFormat::Raw32 ? rawLevel(level, size, swatch, patternSeed)
                                                  : dxtLevel(format, level, size, swatch, patternSeed);
        mip.Size = static_cast<std::int32_t>(mip.Data.size());
        texture.Mips.push_back(std::move(mip));
    }
    texture.MipCount = static_cast<std::int32_t>(texture.Mips.size());

    RCOLHeader rcol;
    rcol.VersionMark = kRcolVersionMark;
    rcol.BlockTypes.push_back(gstrTypeTXTR);
    rcol.Body = writeTextureImage(texture);
    return writeRCOLHeader(rcol);
}

ByteString sceneResource(
    const char* blockClass, ByteView blockType, const std::string& resourceName, DemoRandom& random, int payloadBytes)
{
    ByteString body;
    appendPascal(body, blockClass);
    body.append(blockType);
    append32(body, 4); // block version
    appendPascal(body, "cSGResource");
    append32(body, 0);
    append32(body, 2);
    appendPascal(body, resourceName);
    body += filler(random, payloadBytes);

    RCOLHeader rcol;
    rcol.VersionMark = kRcolVersionMark;
    rcol.BlockTypes.push_back(ByteString(blockType));
    rcol.Body = std::move(body);
    return writeRCOLHeader(rcol);
}

ByteString namedBlob(const std::string& name, DemoRandom& random, int payloadBytes)
{
    ByteString out(64, '\0');
    out.replace(0, std::min<std::size_t>(name.size(), 63), name.substr(0, 63));
    out += filler(random, payloadBytes);
    return out;
}

// Without an application object Qt looks for its image plugins only below the
// prefix it was built for. A program that carries Qt beside it (the Windows zip,
// the test programs of a Windows build) has them in imageformats/ beside itself,
// which Qt searches only once an application object names the program's folder.
namespace {

void findImagePluginsBesideTheProgram()
{
    static std::once_flag once;
    std::call_once(once, [] {
        if (QCoreApplication::instance() == nullptr)
            QCoreApplication::addLibraryPath(text::fromPath(programFolder()));
    });
}

} // namespace

ByteString thumbnailJpeg(Silhouette shape, const Swatch& colour, std::uint32_t variant)
{
    QImage image(128, 128, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        QLinearGradient background(0, 0, 0, 128);
        const int tint = static_cast<int>(variant % 24);
        background.setColorAt(0, QColor(236 - tint, 238, 242 - tint / 2));
        background.setColorAt(1, QColor(200, 204 + tint / 2, 212));
        painter.fillRect(image.rect(), background);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 40));
        painter.drawEllipse(QRectF(20, 100, 88, 16)); // floor shadow
        const QColor fill(colour.red, colour.green, colour.blue);
        painter.setPen(QPen(fill.darker(170), 2.5));
        painter.setBrush(fill);
        drawSilhouette(painter, shape, variant);
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    findImagePluginsBesideTheProgram();
    QImageWriter writer(&buffer, "jpg");
    writer.setQuality(90);
    if (!writer.write(image))
        throw Failure(ErrorCode::Unexpected,
            "the JPEG thumbnail could not be encoded: " + text::toUtf8(writer.errorString())
                + " (the Qt image format plugin for JPEG is missing)");
    return ByteString(jpeg.constData(), static_cast<std::size_t>(jpeg.size()));
}

} // namespace varnick::demo
