#pragma once

#include "app/browser/MainWindowController.h"

#include <QHash>
#include <QIcon>
#include <QMainWindow>

#include <array>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class QTreeWidget;

namespace varnick {

/// The main window: folder choice and tree on the left, the thumbnail pages in
/// the middle, the selected object on the right, and the File, Options, Tools
/// and Help menus. Its decisions live in MainWindowController; the widget
/// wires events to it. Closing asks "Exit this program?" first.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);

    MainWindowController& controller() { return mController; }

    /// The folder tree's pictures (17 x 14): "folder" for a plain node,
    /// "folder_greenarrow" for the selected one.
    const QHash<QString, QIcon>& imageList1() const { return ImageList1; }

    // Event handlers, public so that tests can drive them as the controls do.
    void Form_Load();
    void Form_Activate();
    void optPath_Click(int index);
    void cmdSetPath_Click();
    void smenuExit_Click();
    void smenuTurnSelectorOff_Click();
    void smenuContents_Click();

    /// Marks the session as ending (the operating system shuts down): the window
    /// then closes without the question.
    void setSessionEnding(bool ending) { mSessionEnding = ending; }

signals:
    /// A root was chosen (optPath(0) or optPath(1)); the folder tree fills itself from here.
    void rootChosen(int index);
    /// The window was closed for good; the program ends.
    void unloaded();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    QWidget* buildFolderPane();
    QWidget* buildThumbnailPane();
    QWidget* buildObjectPane();
    void clearDisplay();

    MainWindowController mController;
    bool mSessionEnding = false;

    QAction* smenuExit = nullptr;
    QAction* smenuTurnSelectorOff = nullptr;
    QAction* smenuDelThumbs = nullptr;
    QAction* smenuContents = nullptr;

    QFrame* Line1 = nullptr;
    QFrame* Line2 = nullptr;
    std::array<QRadioButton*, 2> optPath {};
    QPushButton* cmdSetPath = nullptr;
    QTreeWidget* tvFolders = nullptr;
    QHash<QString, QIcon> ImageList1;
    QPushButton* cmdFocus = nullptr;

    QFrame* picThumbs = nullptr;
    std::array<QLabel*, MainWindowController::kSimNameLabels> lblSimName {};
    QLabel* picNotFound = nullptr;
    QLabel* picLoad = nullptr;
    QLineEdit* txtPageCount = nullptr;
    QPushButton* cmdFirst = nullptr;
    QPushButton* cmdPrevious = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdLast = nullptr;
    QPushButton* cmdSelect = nullptr;
    QPushButton* frmDelMove = nullptr;
    QTimer* Timer1 = nullptr;

    QLineEdit* txtFileName = nullptr;
    QLabel* picObject = nullptr;
    QPlainTextEdit* txtDetails = nullptr;
    QLabel* picNotFoundLarge = nullptr;
    QLabel* picStatus = nullptr;
};

} // namespace varnick
