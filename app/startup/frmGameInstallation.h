#pragma once

#include "app/platform/qt/DialogSeam.h"
#include "app/startup/core/GameInstall.h"

#include <QDialog>
#include <QString>

class QLabel;
class QMenu;
class QPushButton;
class QTreeWidget;

namespace varnick {

/// Lists the installations of the game the search found and lets the player
/// choose one, or add a data folder by hand. The choice is saved in the
/// setting "Game Data Folder", which puts it first at the next start.
class frmGameInstallation : public QDialog {
    Q_OBJECT
public:
    /// What a caller asks of the dialog: the first start's question, or the File menu's list.
    struct Request {
        bool firstStart = false;
    };
    using Seam = DialogSeam<frmGameInstallation, Request, QString>;

    /// Searches, shows the dialog modally and returns the data folder chosen
    /// (already saved), or "" when the player cancelled. Under a
    /// Seam::TestScope shows nothing and returns the queued answer.
    static QString choose(QWidget* owner, bool firstStart);

    frmGameInstallation(GameSearch search, bool firstStart, QWidget* owner = nullptr);

    /// The data folder chosen, native separators; "" until one is.
    QString chosenFolder() const { return mChosen; }

    // Event handlers, public so that tests drive them as the controls do.
    void cmdUse_Click();
    void cmdAdd_Click();
    void cmdCancel_Click();

private:
    void fill();
    void choose(const QString& folder);

    GameSearch mSearch;
    QString mChosen;
    QTreeWidget* lstInstalls = nullptr;
    QLabel* lblSkipped = nullptr;
    QPushButton* cmdUse = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdCancel = nullptr;
};

/// Asks for the game's data folder by hand (after the start-up checks found
/// none): a folder dialog, a question when the folder does not look like a
/// data folder; the folder is saved as the choice. "" when the player cancelled.
QString chooseDataFolderByHand(QWidget* owner);

/// At the first start: when the search finds several installations with a
/// data folder, none was chosen yet and the environment names none, asks which
/// one to use. Does nothing otherwise.
void askForGameInstallationIfSeveral(QWidget* owner);

/// Makes the game search read the folder chosen last time through the
/// program's settings (called once at start-up).
void readGameChoiceFromSettings();

/// Adds "Game &Installation..." (smenuGameInstallation) to the File menu.
void addGameInstallationMenuItem(QMenu* file, QWidget* owner);

} // namespace varnick
