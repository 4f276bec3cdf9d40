#include "app/browser/MainWindowController.h"

#include "app/platform/qt/Settings.h"

#ifdef VARNICK_HAVE_LIBRARY_INDEX
#include "app/health/index/IndexedFolderScan.h"
#endif

#include <QRegularExpression>

namespace varnick {

void MainWindowController::load()
{
    mblnFirstActivate = true;
    mstrFolders.clear();
    mstrPackageFiles.clear();
    mstrAltPath = Settings::value(SettingKey::LastAlternatePathSelected);
    mblnSelectorOff = settingIsNonZero(Settings::value(SettingKey::TurnSelectionRectangleOff));
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
    const bool first = mblnFirstActivate;
    mblnFirstActivate = false;
    return first;
}

void MainWindowController::toggleSelector()
{
    mblnSelectorOff = !mblnSelectorOff;
    Settings::setValue(
        SettingKey::TurnSelectionRectangleOff, mblnSelectorOff ? QStringLiteral("-1") : QStringLiteral("0"));
}

void MainWindowController::setAlternatePath(const QString& path)
{
    mstrAltPath = path;
    Settings::setValue(SettingKey::LastAlternatePathSelected, path);
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

} // namespace varnick
