#pragma once

#include "app/editor/core/CatalogLists.h"
#include "app/editor/core/ObjectEditor.h"
#include "app/platform/qt/DialogSeam.h"

#include <QDialog>
#include <QString>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace varnick {

/// The catalog editor: shows one object's catalog data (name, description,
/// price, depreciation, motive ratings, categories, skills, wants category,
/// catalog image) and writes it back with "Save Object". Its rules live in
/// ObjectEditor; the window translates controls to and from its values.
class frmEditObject : public QDialog {
    Q_OBJECT
public:
    explicit frmEditObject(QWidget* owner = nullptr);

    using Seam = DialogSeam<frmEditObject, QString, bool>;

    /// Opens the editor modally on the package loadFileName, owned by owner;
    /// true when the object was saved. A package without a usable definition
    /// shows its message and returns false at once. Under a Seam::TestScope it
    /// shows nothing and returns the queued answer (false when none is queued).
    static bool edit(QWidget* owner, const QString& loadFileName);

    void setLoadFileName(const QString& fileName) { LoadFileName = fileName; }
    QString loadFileName() const { return LoadFileName; }
    /// Whether the last "Save Object" wrote the package (or found it already holding the values).
    bool saved() const { return mSaved; }
    /// Set when the package has no usable definition; the window closes at its activation.
    bool closeOnActivate() const { return mblnCloseOnActivate; }
    const ObjectEditor& editor() const { return mEditor; }

    // Event handlers, public so that tests can drive them as the controls do.
    void Form_Load();
    void Form_Activate();
    void lstFunction_Click();
    void lstBuild_Click();
    void cmdClear_Click();
    /// "Restore Original": puts the package's first kept version back after a
    /// confirmation and shows it; the editor then reports the object as saved.
    void cmdRestore_Click();
    void cmdSave_Click();
    void cmdQuit_Click();
    void cmdInfo_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void msLoadObject();
    void msSaveObject();
    void msFillWantsCombo();
    void msShowCatalogImage();
    ObjectEdits currentEdits() const;
    void refillSubList(QListWidget* categoryList, QListWidget* subList, CatalogList sub);

    QString LoadFileName;
    ObjectEditor mEditor;
    bool mblnCloseOnActivate = false;
    bool mSaved = false;

    QLineEdit* txtName = nullptr;
    QPlainTextEdit* txtDesc = nullptr;
    QLineEdit* txtPrice = nullptr;
    QLineEdit* txtInitDep = nullptr;
    QLineEdit* txtDailyDep = nullptr;
    QLineEdit* txtDepLimit = nullptr;
    QLineEdit* txtNice = nullptr;
    QLineEdit* txtHunger = nullptr;
    QLineEdit* txtComfort = nullptr;
    QLineEdit* txtHygiene = nullptr;
    QLineEdit* txtBladder = nullptr;
    QLineEdit* txtEnergy = nullptr;
    QLineEdit* txtFun = nullptr;
    QLineEdit* txtRoom = nullptr;
    std::array<QLineEdit*, 12> mNumberBoxes {}; ///< in the order of kNumericBoxes
    QListWidget* lstRoom = nullptr;
    QListWidget* lstCommunity = nullptr;
    QListWidget* lstFunction = nullptr;
    QListWidget* lstFuncSub = nullptr;
    QListWidget* lstBuild = nullptr;
    QListWidget* lstBuildSub = nullptr;
    QListWidget* lstSkills = nullptr;
    QComboBox* cboWants = nullptr;
    QLabel* picCatImage = nullptr;
    QLabel* picLoad = nullptr;
    QLabel* picNotFound = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdRestore = nullptr; ///< enabled when an original of the package is kept
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdQuit = nullptr;
    QPushButton* cmdInfo = nullptr;
    QPushButton* cmdFocus = nullptr;
    QCheckBox* chkKeepCompressed = nullptr; ///< the "Keep saved resources compressed" setting
};

} // namespace varnick
