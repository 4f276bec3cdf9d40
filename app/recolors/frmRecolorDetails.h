#pragma once
// The details window: what a recolor's first material override says about it
// (its name, the model and subset it re-textures) and the folder holding it.

#include "app/platform/qt/DialogSeam.h"

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

namespace varnick {

class frmRecolorDetails : public QDialog {
    Q_OBJECT
public:
    using Seam = DialogSeam<frmRecolorDetails, QString, bool>;

    /// Shows the details of the package recolorFilename (may be empty) modally,
    /// owned by owner. Under a Seam::TestScope it only records the file name.
    static void showDetails(QWidget* owner, const QString& recolorFilename);

    explicit frmRecolorDetails(const QString& recolorFilename, QWidget* parent = nullptr);

private:
    void Form_Load();

    QString RecolorFilename;
    QLineEdit* txtFilePath = nullptr;
    QLineEdit* txtRecolorName = nullptr;
    QLineEdit* txtModelName = nullptr;
    QLineEdit* txtSubsetName = nullptr;
    QPushButton* cmdClose = nullptr;
};

} // namespace varnick
