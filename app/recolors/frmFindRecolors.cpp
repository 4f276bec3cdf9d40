#include "app/recolors/frmFindRecolors.h"

#include "app/options/Appearance.h"
#include "app/platform/qt/BackgroundTask.h"
#include "app/platform/qt/TextBridge.h"
#include "app/platform/qt/TranslatedPhrases.h"
#include "app/recolors/frmDeleteMove.h"
#ifdef VARNICK_HAVE_LIBRARY_INDEX
#include "app/health/index/IndexedFolderScan.h"
#include "app/health/index/LibraryIndex.h"
#endif
#include "package/base/ErrorTrap.h"
#include "package/base/Utf8.h"

#include <QPainter>
#include <QPushButton>

#include <memory>
#include <mutex>

namespace varnick {

namespace {

std::mutex gHookMutex;
frmFindRecolors::ProgressHook& progressHook()
{
    static frmFindRecolors::ProgressHook hook;
    return hook;
}

} // namespace

RecolorStatusBar::RecolorStatusBar(QWidget* parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
    setAccessibleName(tr("Search progress"));
}

void RecolorStatusBar::setProgress(std::int32_t done, std::int32_t count)
{
    if (count <= 0)
        return;
    mFraction = std::max(mFraction, std::min(1.0, static_cast<double>(done) / count));
    // The bar's length in words, for those who cannot see it.
    const QString searched = tr("%1 of %2 files searched").arg(done).arg(count);
    setToolTip(searched);
    setAccessibleDescription(searched);
    repaint();
}

void RecolorStatusBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(QRectF(0, 0, width() * mFraction, height()), appearance::warningRed(palette()));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void frmFindRecolors::setProgressHookForTesting(ProgressHook hook)
{
    const std::lock_guard lock(gHookMutex);
    progressHook() = std::move(hook);
}

void frmFindRecolors::run(QWidget* owner, const QString& searchPath, const QString& objectFilename, qint32 guid)
{
    if (Seam::testing()) {
        Seam::answer({ searchPath, objectFilename, guid });
        return;
    }
    frmDeleteMove::Request handOver;
    {
        frmFindRecolors finder(searchPath, objectFilename, guid, owner);
        finder.startSearch();
        if (finder.exec() != QDialog::Accepted)
            return;
        handOver.ObjectFilename = objectFilename;
        handOver.FoundRecolors.append(QString());
        for (const std::filesystem::path& recolor : finder.result().recolors)
            handOver.FoundRecolors.append(text::fromPath(recolor));
        for (const recolors::SkippedFile& skipped : finder.result().skipped) {
            const QString file = text::fromPath(skipped.file);
            handOver.unreadable.append({ file, text::fromUtf8(toValidUtf8(skipped.reason)) });
            if (skipped.phrase)
                handOver.unreadableSaid.insert(file, phraseText(*skipped.phrase));
        }
    }
    frmDeleteMove::run(owner, handOver);
}

frmFindRecolors::frmFindRecolors(const QString& searchPath, const QString& objectFilename, qint32 guid, QWidget* parent)
    : QDialog(parent)
    , mSearchPath(searchPath)
    , mObjectFilename(objectFilename)
    , mGuid(guid)
    , mSearch(new BackgroundTask(this))
{
    setObjectName(QStringLiteral("frmFindRecolors"));
    setWindowTitle(tr("Searching For Recolors"));
    setFixedSize(686, 124);
    picStatus = new RecolorStatusBar(this);
    picStatus->setObjectName(QStringLiteral("picStatus"));
    picStatus->setGeometry(16, 28, 653, 29);
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setGeometry(293, 76, 100, 30);
    connect(cmdCancel, &QPushButton::clicked, this, &frmFindRecolors::cmdCancel_Click);
}

frmFindRecolors::~frmFindRecolors() = default;

bool frmFindRecolors::isSearching() const noexcept
{
    return mSearch->running();
}

void frmFindRecolors::startSearch()
{
    if (isSearching())
        return;
    mCancelled = false;
    mUpdates.clear();
    const std::filesystem::path root = text::toPath(mSearchPath);
    const std::int32_t guid = mGuid;
    auto result = std::make_shared<recolors::RecolorSearchResult>();
    mSearch->setEndHandler([this, result](const TaskEnd& end) {
        mResult = std::move(*result);
        finishSearch(end);
    });
    mSearch->start([this, root, guid, result](const TaskContext& task) {
        // Packages the library index has seen unchanged are not read again.
        std::unique_ptr<recolors::RecolorLookup> lookup;
#ifdef VARNICK_HAVE_LIBRARY_INDEX
        lookup = std::make_unique<health::IndexedRecolorLookup>(root, health::defaultIndexFile(root));
#endif
        *result = recolors::findRecolors(
            root, guid,
            [this, &task](std::int32_t done, std::int32_t count) {
                // Every step is drawn (at most 24): they are posted, not merged.
                task.post([this, done, count] { showProgress(done, count); });
                ProgressHook hook;
                {
                    const std::lock_guard lock(gHookMutex);
                    hook = progressHook();
                }
                if (hook)
                    hook(done, count, task.cancelFlag());
            },
            &task.cancelFlag(), lookup.get());
    });
}

void frmFindRecolors::showProgress(int done, int count)
{
    mUpdates.append({ done, count });
    picStatus->setProgress(done, count);
}

void frmFindRecolors::finishSearch(const TaskEnd& end)
{
    emit searchFinished();
    if (end.failure) {
        // Anything but an unreadable package or folder (those are skipped and
        // counted) is unexpected; the report names the worker's step and file.
        trapped("frmFindRecolors", "Form_Activate", [&] {
            setLocation(3000);
            std::rethrow_exception(end.failure);
        });
        QDialog::reject();
        return;
    }
    if (mResult.cancelled || mCancelled || end.cancelled)
        QDialog::reject();
    else
        accept();
}

void frmFindRecolors::cmdCancel_Click()
{
    if (!isSearching()) {
        QDialog::reject();
        return;
    }
    mCancelled = true;
    mSearch->cancel();
    cmdCancel->setEnabled(false);
    cmdCancel->setText(tr("Cancelling..."));
}

void frmFindRecolors::reject()
{
    // Escape and the close box cancel the search like the button.
    cmdCancel_Click();
}

} // namespace varnick
