#pragma once

#include "app/startup/StartupChecks.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace varnick {

/// The first window: its load step runs the start-up checks; then it shows the
/// disclaimer until the user confirms or closes it, and its unload hands over
/// to the main window (unloaded()).
class frmTitle : public QDialog {
    Q_OBJECT
public:
    explicit frmTitle(StartupChecks::Seams seams = programSeams(), QWidget* parent = nullptr);

    /// The program's seams, whose game search first asks which installation
    /// to use when several are found at the first start.
    static StartupChecks::Seams programSeams();

    /// Runs the checks. On a failed check shows its "Fatal Error" box and
    /// returns false: the caller ends the program. When the game's folders
    /// were not found, the box also offers to choose the data folder by hand,
    /// after which the checks run again. Also false after a failure that went
    /// to the error trap.
    bool Form_Load();

    /// The disclaimer shown in the window.
    static QString disclaimerText();

signals:
    /// The window was unloaded (OK, close box or Escape); emitted once.
    void unloaded();

public:
    void cmdOK_Click();
    void done(int result) override;

private:
    StartupChecks mChecks;
    bool mUnloaded = false;
    QLabel* picTitle = nullptr;
    QPlainTextEdit* txtDisclaimer = nullptr;
    QPushButton* cmdOK = nullptr;
};

} // namespace varnick
