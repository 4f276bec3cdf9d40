#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <memory>

namespace varnick {

namespace browser {
class PackageClassifier;
}

/// The main window's state and decisions apart from its widgets: what its
/// load reads from the settings, what its first activation does, whether
/// closing asks first, and the layout rules of the thumbnail grid.
class MainWindowController {
public:
    /// Why the main window is being closed.
    enum class CloseReason { User, Program, TaskManager, SystemShutdown };

    /// Window height set at load, and the screen height below which the window moves to the top (twips).
    static constexpr int kWindowHeightTwips = 8625;
    static constexpr int kSmallScreenTwips = 9600;
    /// Thumbnail grid: cells of 95 pixels, 5 by 5; 49 caption labels of which 25 are used.
    static constexpr int kCellSize = 95;
    static constexpr int kGridColumns = 5;
    static constexpr int kSimNameLabels = 49;
    static constexpr int kThumbsPerPage = 25;

    /// Form_Load's part: mblnFirstActivate true, the two lists empty, the
    /// alternate path and the selector switch from the settings.
    void load();

    /// True at the first activation after load, false afterwards.
    bool takeFirstActivation();

    /// Switches the selection frame off or on and stores the choice ("-1" off, "0" on).
    void toggleSelector();

    /// Stores a newly chosen alternate path in the field and the settings.
    void setAlternatePath(const QString& path);

    bool selectorOff() const { return mblnSelectorOff; }
    const QString& alternatePath() const { return mstrAltPath; }
    bool firstActivatePending() const { return mblnFirstActivate; }

    /// Whether closing for reason asks "Exit this program?" first.
    static bool asksBeforeClosing(CloseReason reason);

    /// The top of the window after load: 0 on a screen lower than 9600 twips, else unchanged.
    static int windowTop(int screenHeightTwips, int currentTop);

    /// Place of caption label i (0 to 48) in the grid, in pixels of the grid.
    static QRect simNameLabelGeometry(int index);

    /// Whether a stored setting counts as switched on: its leading number is
    /// not 0 (a missing or non-numeric text counts as 0).
    static bool settingIsNonZero(const QString& value);

    /// What the folder scans below searchRoot classify packages with: the
    /// persistent library index of that root where the build has one (kept
    /// while the root stays the same), else nothing (each package's index is read).
    std::shared_ptr<browser::PackageClassifier> packageClassifier(const std::filesystem::path& searchRoot);

    // Fields shared with the folder tree and the thumbnail pages (zero-based lists).
    QString mstrRootPath;
    QString mstrCurrentFolder;
    QStringList mstrFolders;
    QStringList mstrPackageFiles;
    int mlngPage = 0;
    int mlngSelected = 0;
    qint32 mlngObjectGUID = 0;

private:
    bool mblnFirstActivate = true;
    bool mblnSelectorOff = false;
    QString mstrAltPath;
    std::shared_ptr<browser::PackageClassifier> mClassifier;
    std::filesystem::path mClassifierRoot;
};

} // namespace varnick
