#include "app/browser/MainWindowController.h"

#include "app/browser/core/ThumbnailPages.h"
#include "app/platform/qt/Settings.h"
#include "app/platform/qt/TextBridge.h"
#include "app/startup/GamePaths.h"

#ifdef VARNICK_HAVE_LIBRARY_INDEX
#include "app/health/index/IndexedFolderScan.h"
#endif

#include <QCoreApplication>
#include <QRegularExpression>

namespace varnick {

void MainWindowController::load()
{
    mFirstActivate = true;
    mTree.clear();
    mPackageFiles.clear();
    mAlternatePath = Settings::value(SettingKey::LastAlternatePathSelected);
    mSelectorOff = settingIsNonZero(Settings::value(SettingKey::TurnSelectionRectangleOff));
}

QString MainWindowController::alternatePathStart() const
{
    const QString last = Settings::value(SettingKey::LastAlternatePathSelected);
    return last.isEmpty() ? mCurrentFolder : last;
}

std::shared_ptr<browser::PackageClassifier> MainWindowController::packageClassifier(
    const std::filesystem::path& searchRoot)
{
#ifdef VARNICK_HAVE_LIBRARY_INDEX
    // One classifier per root keeps its index open between folder clicks; a
    // scan still running on the old one keeps that one alive until it ends.
    if (!mClassifier || mClassifierRoot != searchRoot) {
        mClassifierRoot = searchRoot;
        mClassifier
            = std::make_shared<health::IndexedPackageClassifier>(searchRoot, health::defaultIndexFile(searchRoot));
    }
#else
    (void)searchRoot;
#endif
    return mClassifier;
}

bool MainWindowController::takeFirstActivation()
{
    const bool first = mFirstActivate;
    mFirstActivate = false;
    return first;
}

void MainWindowController::toggleSelector()
{
    mSelectorOff = !mSelectorOff;
    Settings::setValue(
        SettingKey::TurnSelectionRectangleOff, mSelectorOff ? QStringLiteral("-1") : QStringLiteral("0"));
}

void MainWindowController::setAlternatePath(const QString& path)
{
    mAlternatePath = path;
    Settings::setValue(SettingKey::LastAlternatePathSelected, path);
}

MainWindowController::CloseReason MainWindowController::closeReason(bool sessionEnding, bool spontaneous)
{
    if (sessionEnding)
        return CloseReason::SystemShutdown;
    return spontaneous ? CloseReason::User : CloseReason::Program;
}

bool MainWindowController::asksBeforeClosing(CloseReason reason)
{
    return reason == CloseReason::User || reason == CloseReason::Program;
}

int MainWindowController::windowTop(int screenHeightTwips, int currentTop)
{
    return screenHeightTwips < kSmallScreenTwips ? 0 : currentTop;
}

QRect MainWindowController::simNameLabelGeometry(int index)
{
    return QRect((index % kGridColumns) * kCellSize + 2, (index / kGridColumns) * kCellSize + 67, 91, 27);
}

bool MainWindowController::settingIsNonZero(const QString& value)
{
    // The leading number of the text, as a number; what follows it is ignored.
    static const QRegularExpression leadingNumber(QStringLiteral("^\\s*([+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?)"));
    const QRegularExpressionMatch match = leadingNumber.match(value);
    if (!match.hasMatch())
        return false;
    bool ok = false;
    const double number = match.captured(1).toDouble(&ok);
    return ok && number != 0.0;
}

void MainWindowController::chooseRoot(browser::TreeRoot mode, const QString& rootPath)
{
    mMode = mode;
    mRootPath = rootPath;
    mTree = browser::buildFolderTree(
        text::toPath(rootPath), mode, !rootPath.isEmpty() && text::toUtf8(rootPath) == gstrSims2DataPath);
}

QStringList MainWindowController::folders() const
{
    QStringList keys;
    for (const browser::FolderNode& node : mTree)
        keys << text::fromUtf8(node.key);
    return keys;
}

QString MainWindowController::searchRoot() const
{
    return mMode == browser::TreeRoot::Alternate ? mRootPath : text::fromPath(text::toPath(mRootPath) / "Downloads");
}

QString MainWindowController::lastNodePath() const
{
    const QString& key = mMode == browser::TreeRoot::Downloads ? SettingKey::LastDownloadsFolderSelected
                                                               : SettingKey::LastAlternateFolderSelected;
    return text::fromUtf8(browser::nodePathOfSetting(mMode, text::toUtf8(Settings::value(key))));
}

QString MainWindowController::chooseNode(const QString& nodePath)
{
    const std::string path = text::toUtf8(nodePath);
    Settings::setValue(mMode == browser::TreeRoot::Downloads ? SettingKey::LastDownloadsFolderSelected
                                                             : SettingKey::LastAlternateFolderSelected,
        text::fromUtf8(browser::lastFolderSetting(mMode, path)));
    return text::fromPath(browser::folderOfNode(text::toPath(mRootPath), mMode, path));
}

void MainWindowController::openFolder(const QString& folder)
{
    mCurrentFolder = folder;
    mPackageFiles.clear();
    mPage = 0;
    mSelected = 0;
    // Marks are positions in the folder's list: a new list makes them meaningless.
    mMarks.clear();
}

void MainWindowController::addPackageFiles(const QStringList& names)
{
    mPackageFiles << names;
}

bool MainWindowController::hasObjects() const
{
    return !mPackageFiles.isEmpty() && !mPackageFiles.first().isEmpty();
}

void MainWindowController::lastPage()
{
    mPage = static_cast<int>(browser::lastPageIndex(mPackageFiles.size()));
}

bool MainWindowController::previousPage()
{
    if (!canGoBack())
        return false;
    --mPage;
    return true;
}

bool MainWindowController::nextPage()
{
    if (!canGoForward())
        return false;
    ++mPage;
    return true;
}

bool MainWindowController::canGoForward() const
{
    return browser::lastPageIndex(mPackageFiles.size()) > mPage;
}

QString MainWindowController::pageCountText() const
{
    // The core's "Page 1 of 3" (the command line's words) in the player's language.
    const auto files = static_cast<std::int64_t>(mPackageFiles.size());
    return QCoreApplication::translate("ThumbnailPages", "Page %1 of %2").arg(mPage + 1).arg(browser::pageCount(files));
}

int MainWindowController::cellsOnPage() const
{
    return browser::cellsOnPage(mPackageFiles.size(), mPage);
}

bool MainWindowController::cellHoldsObject(int cell) const
{
    return browser::cellHoldsObject(mPackageFiles.size(), mPage, cell);
}

QString MainWindowController::objectFileAt(int cell) const
{
    const auto index = browser::objectIndex(mPage, cell);
    if (index < 0 || index >= mPackageFiles.size())
        return QString();
    return mCurrentFolder + QLatin1Char('/') + mPackageFiles[index];
}

QString MainWindowController::selectedObjectFile() const
{
    return objectFileAt(mSelected);
}

void MainWindowController::setDisplayedObject(const QString& fileName, qint32 guid)
{
    mDisplayedName = fileName;
    mObjectGuid = guid;
}

QString MainWindowController::shownObjectFile() const
{
    if (!cellHoldsObject(mSelected))
        return QString();
    return mMarks.contains(folderKey(), static_cast<std::size_t>(browser::objectIndex(mPage, mSelected)))
        ? objectFileAt(mSelected)
        : QString();
}

bool MainWindowController::canActOnObject() const
{
    return !mDisplayedName.isEmpty() && !shownObjectFile().isEmpty();
}

std::string MainWindowController::folderKey() const
{
    return text::toUtf8(mCurrentFolder);
}

void MainWindowController::pressCell(int cell, bool control, bool shift)
{
    if (cell < 0 || cell >= kThumbsPerPage)
        return;
    mSelected = cell;
    if (!cellHoldsObject(cell)) {
        if (!control)
            mMarks.clear();
        return;
    }
    mMarks.click(folderKey(), static_cast<std::size_t>(browser::objectIndex(mPage, cell)),
        static_cast<std::size_t>(mPackageFiles.size()), control, shift);
}

void MainWindowController::selectFirstOfPage()
{
    mSelected = 0;
    if (!cellHoldsObject(0)) {
        mMarks.clear();
        return;
    }
    mMarks.markAlone(folderKey(), static_cast<std::size_t>(browser::objectIndex(mPage, 0)),
        static_cast<std::size_t>(mPackageFiles.size()));
}

bool MainWindowController::moveSelection(browser::GridMove move, bool control, bool shift)
{
    const auto n = static_cast<std::int64_t>(mPackageFiles.size());
    const std::int64_t target = browser::movedIndex(browser::objectIndex(mPage, mSelected), n, move);
    if (target < 0)
        return false;
    const int page = static_cast<int>(target / kThumbsPerPage);
    const bool turned = page != mPage;
    mPage = page;
    mSelected = static_cast<int>(target % kThumbsPerPage);
    if (shift)
        mMarks.click(folderKey(), static_cast<std::size_t>(target), static_cast<std::size_t>(n), control, true);
    else if (!control)
        mMarks.click(folderKey(), static_cast<std::size_t>(target), static_cast<std::size_t>(n), false, false);
    return turned;
}

void MainWindowController::markSelected(bool toggle)
{
    if (!cellHoldsObject(mSelected))
        return;
    const auto index = static_cast<std::size_t>(browser::objectIndex(mPage, mSelected));
    const auto n = static_cast<std::size_t>(mPackageFiles.size());
    if (toggle)
        mMarks.click(folderKey(), index, n, true, false);
    else
        mMarks.add(folderKey(), index, n);
}

void MainWindowController::markAll(bool wholeFolder)
{
    if (!hasObjects())
        return;
    const auto n = static_cast<std::size_t>(mPackageFiles.size());
    const std::size_t first = wholeFolder ? 0 : static_cast<std::size_t>(browser::objectIndex(mPage, 0));
    const std::size_t last = wholeFolder ? n - 1 : first + static_cast<std::size_t>(cellsOnPage()) - 1;
    mMarks.markRange(folderKey(), first, last, n);
}

QList<int> MainWindowController::markedCells() const
{
    const std::vector<int> cells
        = mMarks.markedCells(folderKey(), static_cast<std::size_t>(browser::objectIndex(mPage, 0)), kThumbsPerPage);
    return QList<int>(cells.begin(), cells.end());
}

int MainWindowController::markedCount() const
{
    return static_cast<int>(mMarks.marked(folderKey(), static_cast<std::size_t>(mPackageFiles.size())).size());
}

QStringList MainWindowController::markedObjectFiles() const
{
    QStringList files;
    for (const std::size_t i : mMarks.marked(folderKey(), static_cast<std::size_t>(mPackageFiles.size())))
        files.append(mCurrentFolder + QLatin1Char('/') + mPackageFiles[static_cast<qsizetype>(i)]);
    return files;
}

} // namespace varnick
