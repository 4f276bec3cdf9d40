#pragma once
// The delete and move window: the object's package and the recolors the finder
// found, deleted (to the desktop's trash), or moved together to another folder.
// Every action that changes files closes the window.

#include "app/platform/qt/DialogSeam.h"

#include <QDialog>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace varnick {

class frmDeleteMove : public QDialog {
    Q_OBJECT
public:
    struct Request {
        // NOLINTBEGIN(readability-identifier-naming): the window's fields as the game's design names them
        QString ObjectFilename;
        /// Element 0 is always ""; elements 1 to n are the recolors' full paths.
        QStringList FoundRecolors;
        // NOLINTEND(readability-identifier-naming)
        /// Packages the finder could not read: (full path, reason).
        QList<QPair<QString, QString>> unreadable;
        /// Full path to the reason in the player's words, for the unreadable files whose reason has them.
        QMap<QString, QString> unreadableSaid;
    };
    using Seam = DialogSeam<frmDeleteMove, Request, bool>;

    /// Shows the window modally, owned by owner; true when files were deleted or
    /// moved. Under a Seam::TestScope it only records the request and returns the queued answer.
    static bool run(QWidget* owner, const Request& request);

    explicit frmDeleteMove(const Request& request, QWidget* parent = nullptr);

    /// The recolors in list order (element 0 "").
    const QStringList& foundRecolors() const noexcept { return FoundRecolors; }
    bool filesChanged() const noexcept { return mChanged; }

    // Event handlers, public so that tests can drive them as the controls do.
    void cmdView_Click();
    void cmdPackageDetails_Click();
    void cmdSelect_Click();
    void cmdUnselect_Click();
    void cmdDeleteAll_Click();
    void cmdDelRecolors_Click();
    void cmdMoveAll_Click();
    void cmdCancel_Click();

private:
    void Form_Load();
    /// Lines selected that stand for a recolor (not the "no recolors" line).
    int selectedRecolorCount() const;
    /// "Delete Selected Recolors" only while a recolor is selected.
    void updateDeleteSelected();
    QString currentRecolor() const;
    std::vector<std::filesystem::path> allFiles() const;
    /// Deletes each file, reports done or the files still there, and closes the window.
    void deleteAndReport(const std::vector<std::filesystem::path>& files, const QString& done);
    void finish();

    QString ObjectFilename;
    QStringList FoundRecolors;
    QList<QPair<QString, QString>> mUnreadable;
    QMap<QString, QString> mUnreadableSaid;
    bool mChanged = false;

    QLineEdit* txtObjFilename = nullptr;
    QListWidget* lstRecolors = nullptr;
    QLabel* lblUnreadable = nullptr;
    QPushButton* cmdView = nullptr;
    QPushButton* cmdPackageDetails = nullptr;
    QPushButton* cmdSelect = nullptr;
    QPushButton* cmdUnselect = nullptr;
    QPushButton* cmdDeleteAll = nullptr;
    QPushButton* cmdDelRecolors = nullptr;
    QPushButton* cmdMoveAll = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdFocus = nullptr;
};

} // namespace varnick
