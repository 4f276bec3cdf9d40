#pragma once

#include "app/platform/qt/DialogSeam.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <functional>

class QComboBox;
class QFileSystemModel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace varnick {

/// Modal dialog to pick an existing folder or create a new one. Set FormTitle
/// (optional) and InitialPath, show it modally, then read SelectedPath: the
/// chosen folder in native form, or "" when the user cancelled or closed it.
/// The path can also be typed (Return opens it).
class frmSelectPath : public QDialog {
    Q_OBJECT
public:
    explicit frmSelectPath(QWidget* owner = nullptr);

    /// What a caller asks of the dialog.
    struct Request {
        QString formTitle;
        QString initialPath;
    };
    using Seam = DialogSeam<frmSelectPath, Request, QString>;

    /// Shows the dialog modally, owned by owner, and returns the chosen folder
    /// in native form, or "" when the user cancelled. Under a Seam::TestScope it
    /// shows nothing and returns the queued answer ("" when none is queued).
    static QString choose(QWidget* owner, const QString& formTitle, const QString& initialPath);

    void setInitialPath(const QString& path) { mInitialPath = path; }
    void setFormTitle(const QString& title) { mFormTitle = title; }
    /// Whether OK on a folder outside the game's data folder asks first (the
    /// move destination: the game does not load objects kept there).
    void setConfirmOutsideDataFolder(bool confirm) { mConfirmOutside = confirm; }
    QString selectedPath() const { return mSelectedPath; }

    /// The folder the folder list has open (clean form, '/' separators).
    QString currentFolder() const { return mCurrentFolder; }

    /// Asks for a new folder's name; returns "" for cancel.
    using NamePrompt = std::function<QString(QWidget* parent)>;
    /// Test hook: replaces the name prompt; an empty function restores the input box.
    static void setNamePromptForTesting(NamePrompt prompt);

    // Event handlers, public so that tests can drive them as the controls do.
    void Form_Load();
    void Drive1_Change();
    void Dir1_Change();
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdMakeDir_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void openFolder(const QString& folder);
    /// Opens the folder typed into the path box; false (with a message) when there is none such.
    bool openTypedFolder();

    QString mInitialPath;
    QString mFormTitle;
    QString mSelectedPath;
    QString mCurrentFolder;
    QStringList mDriveRoots;
    bool mLoaded = false;
    bool mConfirmOutside = false;

    QComboBox* Drive1 = nullptr;
    QTreeView* Dir1 = nullptr;
    QFileSystemModel* mFolderModel = nullptr;
    QLineEdit* txtSelectedPath = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdMakeDir = nullptr;
    QPushButton* cmdFocus = nullptr;
};

} // namespace varnick
