#include "app/browser/FolderScanner.h"

#include "app/platform/qt/BackgroundTask.h"
#include "app/platform/qt/TextBridge.h"
#include "app/platform/qt/TranslatedPhrases.h"

#include <algorithm>

namespace varnick {

FolderScanner::FolderScanner(QObject* parent)
    : QObject(parent)
    , mTask(new BackgroundTask(this))
{
    mTask->setEndHandler([this](const TaskEnd& end) {
        QString failure;
        if (end.failure) {
            try {
                std::rethrow_exception(end.failure);
            } catch (const std::exception& error) {
                failure = failureText(error);
            }
        }
        if (mOnEnd)
            mOnEnd(failure);
    });
}

void FolderScanner::scan(const QString& folder, std::shared_ptr<browser::PackageClassifier> classifier)
{
    mKnown.clear();
    mSkipped.clear();
    if (mOnSkipped)
        mOnSkipped();
    mTask->start([this, where = text::toPath(folder), classifier](const TaskContext& task) {
        browser::scanFolder(
            where,
            [this, &task](const browser::ScanResult& batch) {
                task.post([this, batch] {
                    QStringList names;
                    for (std::size_t i = 0; i < batch.files.size(); ++i) {
                        names << text::fromUtf8(batch.files[i]);
                        if (i < batch.summaries.size() && batch.summaries[i])
                            mKnown.insert(names.last(), *batch.summaries[i]);
                    }
                    mSkipped.insert(mSkipped.end(), batch.skipped.begin(), batch.skipped.end());
                    if (!batch.skipped.empty() && mOnSkipped)
                        mOnSkipped();
                    if (mOnBatch)
                        mOnBatch(names, batch.done, batch.total);
                });
            },
            &task.cancelFlag(), classifier.get());
    });
}

void FolderScanner::cancel()
{
    mTask->cancel();
}

bool FolderScanner::running() const
{
    return mTask->running();
}

void FolderScanner::addSkipped(const std::string& file, const std::string& reason, std::optional<Phrase> phrase)
{
    if (std::any_of(mSkipped.begin(), mSkipped.end(),
            [&](const browser::SkippedFile& skipped) { return skipped.file == file; }))
        return;
    mSkipped.push_back({ file, reason, std::move(phrase) });
    if (mOnSkipped)
        mOnSkipped();
}

std::optional<browser::KnownSummary> FolderScanner::known(const QString& name) const
{
    const auto found = mKnown.constFind(name);
    if (found == mKnown.constEnd())
        return std::nullopt;
    return *found;
}

std::optional<browser::KnownSummary> FolderScanner::knownFile(const QString& path, const QString& folder) const
{
    const std::filesystem::path file = text::toPath(path);
    if (file.parent_path() != text::toPath(folder))
        return std::nullopt;
    return known(text::fromPath(file.filename()));
}

browser::ObjectSummary FolderScanner::summaryOf(const std::filesystem::path& file,
    const std::optional<browser::KnownSummary>& known, std::atomic<int>& packagesRead)
{
    if (known && browser::stillCurrent(*known, file))
        return known->summary;
    packagesRead.fetch_add(1, std::memory_order_relaxed);
    return browser::readObjectSummary(file);
}

} // namespace varnick
