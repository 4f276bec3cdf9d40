#pragma once

// The pictures of the game's thumbnail cache as the browser shows them: the
// thumbnail pages and the object table share them.

#include "package/base/Bytes.h"

#include <QImage>

#include <optional>

namespace varnick {

/// The cache's picture (a JPEG file's bytes) decoded; a null image when there
/// is none or it cannot be decoded.
inline QImage decodeThumbnail(const std::optional<ByteString>& bytes)
{
    QImage picture;
    if (bytes)
        picture.loadFromData(reinterpret_cast<const uchar*>(bytes->data()), static_cast<int>(bytes->size()));
    return picture;
}

/// The thumbnail the cache's pictures hold in their top-left 128 x 128
/// pixels, scaled to size x size.
inline QImage scaledThumbnail(const QImage& picture, int size)
{
    return picture.copy(0, 0, 128, 128).scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace varnick
