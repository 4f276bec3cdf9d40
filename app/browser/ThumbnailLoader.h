#pragma once

// The pictures of the game's thumbnail cache as the browser shows them, read
// off the user-interface thread for the thumbnail pages and the object table
// alike: callers say where each picture lies (resolved on the user-interface
// thread, which owns the cache), the loader reads, decodes and scales them in
// batches on its task and hands each back under its key. Where the cache has
// no picture and the caller names the object's package, the picture is made
// from the package's first texture (the texture viewer's decoder), so objects
// the game has never drawn still show what they look like.

#include "app/browser/core/ObjectSummary.h"
#include "app/platform/qt/BackgroundTask.h"
#include "package/base/Bytes.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

namespace varnick {

class ThumbnailLoader : public QObject {
    Q_OBJECT
public:
    struct Request {
        QString key;
        browser::ThumbnailSource source;
        /// The object's package, read for a picture made from its texture when the cache has none ("" for never).
        std::filesystem::path package {};
    };
    /// A picture as read: null when there is none; made when it came from the object's texture.
    struct Picture {
        QImage image;
        bool made = false;
    };
    /// Receives a picture scaled to the loader's size (a null image when there is none) and whether it was made.
    using Loaded = std::function<void(const QString& key, const QImage& picture, bool made)>;

    ThumbnailLoader(int size, QObject* parent = nullptr);

    void setLoadedHandler(Loaded loaded) { mLoaded = std::move(loaded); }
    /// Gets the end of the reading (every picture asked for is handed back, or the reading was cleared).
    void setEndHandler(std::function<void()> ended);
    /// Reads the pictures of requests after those asked before.
    void load(std::vector<Request> requests);
    /// Drops the requests not read yet; pictures still being read are not handed back.
    void clear();
    /// Whether pictures are being read.
    bool busy() const { return mTask->running(); }

    /// The cache's picture (a JPEG file's bytes) decoded; a null image when there is none or it cannot be decoded.
    static QImage decode(const std::optional<ByteString>& bytes);
    /// The thumbnail the cache's pictures hold in their top-left 128 x 128 pixels, scaled to size x size.
    static QImage scaled(const QImage& picture, int size);
    /// Reads, decodes and scales the picture at source (a null image when there is none). Never throws.
    /// reader, when given, keeps the cache file open across a batch's pictures.
    static QImage read(const browser::ThumbnailSource& source, int size, browser::ThumbnailReader* reader = nullptr);
    /// The picture made from package's first texture the texture viewer shows, fitted into
    /// size x size with its proportions kept; a null image when it has none or cannot be read. Never throws.
    static QImage madeFromTexture(const std::filesystem::path& package, int size);
    /// The cache's picture for request, else the one made from its package's texture. Never throws.
    static Picture read(const Request& request, int size, browser::ThumbnailReader* reader = nullptr);

private:
    int mSize;
    BackgroundTask* mTask;
    Loaded mLoaded;
};

} // namespace varnick
