#include "app/recolors/frmRecolorDetails.h"

#include "app/platform/qt/AccessibleNames.h"
#include "app/platform/qt/TextBridge.h"
#include "app/recolors/core/RecolorSearch.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace varnick {

void frmRecolorDetails::showDetails(QWidget* owner, const QString& recolorFilename)
{
    if (Seam::testing()) {
        Seam::answer(recolorFilename);
        return;
    }
    frmRecolorDetails window(recolorFilename, owner);
    window.exec();
}

frmRecolorDetails::frmRecolorDetails(const QString& recolorFilename, QWidget* parent)
    : QDialog(parent)
    , RecolorFilename(recolorFilename)
{
    setObjectName(QStringLiteral("frmRecolorDetails"));
    setWindowTitle(tr("Selected Recolor Details"));
    resize(681, 173);
    auto field = [this](const QString& name) {
        auto* box = new QLineEdit(this);
        box->setObjectName(name);
        box->setReadOnly(true);
        QPalette colours = box->palette();
        colours.setColor(QPalette::Base, colours.color(QPalette::Button));
        box->setPalette(colours);
        return box;
    };
    txtFilePath = field(QStringLiteral("txtFilePath"));
    txtRecolorName = field(QStringLiteral("txtRecolorName"));
    txtModelName = field(QStringLiteral("txtModelName"));
    txtSubsetName = field(QStringLiteral("txtSubsetName"));
    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));

    const auto captionOf = [this](const QString& text, QWidget* box) {
        auto* label = new QLabel(text, this);
        setCaptionOf(label, box);
        return label;
    };
    auto* layout = new QGridLayout(this);
    layout->addWidget(captionOf(tr("File Path"), txtFilePath), 0, 0, 1, 2);
    layout->addWidget(txtFilePath, 1, 0, 1, 2);
    layout->addWidget(captionOf(tr("Recolor Name"), txtRecolorName), 2, 0, 1, 2);
    layout->addWidget(txtRecolorName, 3, 0, 1, 2);
    layout->addWidget(captionOf(tr("Model Name"), txtModelName), 4, 0);
    layout->addWidget(captionOf(tr("Subset Name"), txtSubsetName), 4, 1);
    layout->addWidget(txtModelName, 5, 0);
    layout->addWidget(txtSubsetName, 5, 1);
    layout->addWidget(cmdClose, 6, 0, 1, 2, Qt::AlignHCenter);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    Form_Load();
}

void frmRecolorDetails::Form_Load()
{
    const recolors::RecolorDetails details = recolors::readRecolorDetails(text::toUtf8(RecolorFilename));
    setWindowTitle(text::fromUtf8(details.title));
    txtFilePath->setText(text::fromUtf8(details.filePath));
    txtRecolorName->setText(text::fromCatalogText(details.recolorName));
    txtModelName->setText(text::fromCatalogText(details.modelName));
    txtSubsetName->setText(text::fromCatalogText(details.subsetName));
}

} // namespace varnick
