#pragma once

// The main window's folder scan off the user-interface thread: finds the
// catalog objects of one folder in batches (scanFolder), and keeps what the
// scan learnt on the way: the files it could not read and what the library
// index already knew of each object, which the page drawing uses instead of
// reading the package again while it is unchanged.

#include "app/browser/core/PackageScan.h"

#include <QHash>
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

class FolderScanner : public QObject {
    Q_OBJECT
public:
    explicit FolderScanner(QObject* parent = nullptr);

    /// Gets the names of each batch of objects found, with the scan's running counts.
    void setBatchHandler(std::function<void(const QStringList& names, std::size_t done, std::size_t total)> handler)
    {
        mOnBatch = std::move(handler);
    }
    /// Gets the end of the scan: "" when it finished or was cancelled, else why the folder could not be read.
    void setEndHandler(std::function<void(const QString& failure)> handler) { mOnEnd = std::move(handler); }
    /// Gets the change of the list of files that could not be read.
    void setSkippedHandler(std::function<void()> handler) { mOnSkipped = std::move(handler); }

    /// Scans folder anew (a scan still running is cancelled and its batches dropped).
    void scan(const QString& folder, std::shared_ptr<browser::PackageClassifier> classifier);
    void cancel();
    bool running() const;

    /// The files the scan (or the page drawing) could not read, each with its reason.
    const std::vector<browser::SkippedFile>& skipped() const { return mSkipped; }
    /// Adds a file the page drawing could not read, with the phrase its reason was
    /// worded from when it was, unless the file is listed already.
    void addSkipped(const std::string& file, const std::string& reason, std::optional<Phrase> phrase = std::nullopt);
    /// What the scan knew of an object of the folder, by file name.
    std::optional<browser::KnownSummary> known(const QString& name) const;
    /// What the scan knew of the package at path, when it lies in the scanned folder.
    std::optional<browser::KnownSummary> knownFile(const QString& path, const QString& folder) const;

    /// The summary of file: what the scan knew while the file is unchanged
    /// (one stat), otherwise the package read (and counted). Any thread.
    static browser::ObjectSummary summaryOf(const std::filesystem::path& file,
        const std::optional<browser::KnownSummary>& known, std::atomic<int>& packagesRead);

private:
    BackgroundTask* mTask;
    std::vector<browser::SkippedFile> mSkipped;
    QHash<QString, browser::KnownSummary> mKnown;
    std::function<void(const QStringList&, std::size_t, std::size_t)> mOnBatch;
    std::function<void(const QString&)> mOnEnd;
    std::function<void()> mOnSkipped;
};

} // namespace varnick
