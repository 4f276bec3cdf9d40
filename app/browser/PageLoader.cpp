#include "app/browser/PageLoader.h"

#include "app/browser/FolderScanner.h"
#include "app/browser/ThumbnailLoader.h"
#include "app/platform/qt/BackgroundTask.h"
#include "app/platform/qt/TextBridge.h"

namespace varnick {

PageLoader::PageLoader(QObject* parent)
    : QObject(parent)
    , mTask(new BackgroundTask(this))
    , mPictures(new ThumbnailLoader(kPictureSize, this))
    , mPackagesRead(std::make_shared<std::atomic<int>>(0))
{
    // The page is drawn when both its captions and its pictures are.
    const auto ended = [this] {
        if (!running() && mOnEnd)
            mOnEnd();
    };
    mTask->setEndHandler([ended](const TaskEnd&) { ended(); });
    mPictures->setEndHandler(ended);
    mPictures->setLoadedHandler([this](const QString& key, const QImage& picture, bool made) {
        if (mOnPicture)
            mOnPicture(key.toInt(), picture, made);
    });
}

void PageLoader::newPage()
{
    mTask->cancel();
    mPictures->clear();
    // A new generation: captions the cancelled work still hands back are dropped.
    mTask->start([](const TaskContext&) {});
}

void PageLoader::load(std::vector<Cell> cells)
{
    std::vector<ThumbnailLoader::Request> pictures;
    for (const Cell& cell : cells)
        pictures.push_back({ QString::number(cell.index), cell.thumbnail, cell.file });
    mPictures->load(std::move(pictures));
    mTask->append([this, counter = mPackagesRead, cells = std::move(cells)](const TaskContext& task) {
        for (const Cell& cell : cells) {
            if (task.cancelled())
                return;
            const browser::ObjectSummary summary = FolderScanner::summaryOf(cell.file, cell.known, *counter);
            Caption caption { cell.index, text::fromUtf8(summary.name), text::fromUtf8(summary.file),
                summary.readable ? QString() : text::fromUtf8(summary.reason),
                summary.readable ? std::nullopt : summary.reasonPhrase };
            task.post([this, caption] {
                if (mOnCaption)
                    mOnCaption(caption);
            });
        }
    });
}

void PageLoader::cancel()
{
    mTask->cancel();
    mPictures->clear();
}

bool PageLoader::running() const
{
    return mTask->running() || mPictures->busy();
}

} // namespace varnick
