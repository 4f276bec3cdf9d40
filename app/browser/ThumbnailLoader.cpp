#include "app/browser/ThumbnailLoader.h"

#include "app/recolors/core/DdsSupport.h"

#include <QPainter>

namespace varnick {

ThumbnailLoader::ThumbnailLoader(int size, QObject* parent)
    : QObject(parent)
    , mSize(size)
    , mTask(new BackgroundTask(this))
{
}

void ThumbnailLoader::setEndHandler(std::function<void()> ended)
{
    mTask->setEndHandler([ended = std::move(ended)](const TaskEnd&) {
        if (ended)
            ended();
    });
}

void ThumbnailLoader::load(std::vector<Request> requests)
{
    if (requests.empty())
        return;
    // One batch after the other: the rows or cells asked for together are read together.
    mTask->append([this, size = mSize, requests = std::move(requests)](const TaskContext& task) {
        // The cache file is opened once for the batch, not once per picture.
        browser::ThumbnailReader reader;
        for (const Request& request : requests) {
            if (task.cancelled())
                return;
            task.post([this, key = request.key, picture = read(request, size, &reader)] {
                if (mLoaded)
                    mLoaded(key, picture.image, picture.made);
            });
        }
    });
}

void ThumbnailLoader::clear()
{
    mTask->cancel();
    // A new generation: what the cancelled batches still hand back is dropped.
    mTask->start([](const TaskContext&) {});
}

QImage ThumbnailLoader::decode(const std::optional<ByteString>& bytes)
{
    QImage picture;
    if (bytes)
        picture.loadFromData(reinterpret_cast<const uchar*>(bytes->data()), static_cast<int>(bytes->size()));
    return picture;
}

QImage ThumbnailLoader::scaled(const QImage& picture, int size)
{
    return picture.copy(0, 0, 128, 128).scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage ThumbnailLoader::read(const browser::ThumbnailSource& source, int size, browser::ThumbnailReader* reader)
{
    try {
        const QImage picture = decode(reader ? reader->read(source) : browser::readThumbnail(source));
        return picture.isNull() ? QImage() : scaled(picture, size);
    } catch (const std::exception&) {
        return {};
    }
}

QImage ThumbnailLoader::madeFromTexture(const std::filesystem::path& package, int size)
{
    try {
        const std::optional<ByteString> bitmap = recolors::packagePreviewBitmap(package);
        if (!bitmap)
            return {};
        const QImage texture
            = QImage::fromData(reinterpret_cast<const uchar*>(bitmap->data()), static_cast<int>(bitmap->size()), "BMP");
        if (texture.isNull())
            return {};
        // Textures are seldom square: fitted whole and centred, never stretched.
        const QImage fitted = texture.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QImage square(size, size, QImage::Format_ARGB32_Premultiplied);
        square.fill(Qt::transparent);
        QPainter painter(&square);
        painter.drawImage((size - fitted.width()) / 2, (size - fitted.height()) / 2, fitted);
        return square;
    } catch (const std::exception&) {
        return {};
    }
}

ThumbnailLoader::Picture ThumbnailLoader::read(const Request& request, int size, browser::ThumbnailReader* reader)
{
    QImage picture = read(request.source, size, reader);
    if (!picture.isNull() || request.package.empty())
        return { std::move(picture), false };
    picture = madeFromTexture(request.package, size);
    const bool made = !picture.isNull();
    return { std::move(picture), made };
}

} // namespace varnick
