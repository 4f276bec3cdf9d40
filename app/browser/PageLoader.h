#pragma once

// The drawing of a thumbnail page off the user-interface thread: each cell's
// caption (the object's summary, from what the scan knew or the package) and
// its picture (through the thumbnail loader). A new page drops what the
// earlier one still reads; cells added to the same page follow those asked before.

#include "app/browser/core/PackageScan.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace varnick {

class BackgroundTask;
class ThumbnailLoader;

class PageLoader : public QObject {
    Q_OBJECT
public:
    /// One cell to draw; its thumbnail is resolved by the caller (the cache belongs to the user-interface thread).
    struct Cell {
        int index = 0;
        std::filesystem::path file;
        browser::ThumbnailSource thumbnail;
        std::optional<browser::KnownSummary> known;
    };
    /// A cell's caption as read: the object's name, and why the package could not be read ("" when it could).
    struct Caption {
        int index = 0;
        QString name;
        QString file;
        QString reason;
        std::optional<Phrase> reasonPhrase; ///< reason for a window to say in the player's language, when worded
    };

    /// Side of the cells' pictures.
    static constexpr int kPictureSize = 64;

    explicit PageLoader(QObject* parent = nullptr);

    void setCaptionHandler(std::function<void(const Caption&)> handler) { mOnCaption = std::move(handler); }
    /// Gets each cell's picture (a null image when the object has none) and whether it was made from
    /// the object's texture because the cache has none.
    void setPictureHandler(std::function<void(int cell, const QImage&, bool made)> handler)
    {
        mOnPicture = std::move(handler);
    }
    /// Gets the end of the page's captions.
    void setEndHandler(std::function<void()> handler) { mOnEnd = std::move(handler); }

    /// Starts a new page: what the earlier page still reads is dropped.
    void newPage();
    /// Reads cells of the current page after those asked for before.
    void load(std::vector<Cell> cells);
    void cancel();
    bool running() const;
    /// Packages read because the scan knew nothing of them or they changed since (a count since the loader was made).
    int packagesRead() const { return mPackagesRead->load(); }
    /// The counter behind packagesRead, for summaries read elsewhere (the object pane).
    std::atomic<int>& packagesReadCounter() { return *mPackagesRead; }

private:
    BackgroundTask* mTask;
    ThumbnailLoader* mPictures;
    std::shared_ptr<std::atomic<int>> mPackagesRead;
    std::function<void(const Caption&)> mOnCaption;
    std::function<void(int, const QImage&, bool)> mOnPicture;
    std::function<void()> mOnEnd;
};

} // namespace varnick
