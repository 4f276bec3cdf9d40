#include "app/browser/SkippedFilesDialog.h"

#include "app/platform/qt/TextBridge.h"

#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace varnick {

SkippedFilesDialog::SkippedFilesDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSkippedFiles"));
    setWindowTitle(QStringLiteral("Files That Could Not Be Read"));
    lstSkipped = new QTreeWidget(this);
    lstSkipped->setObjectName(QStringLiteral("lstSkipped"));
    lstSkipped->setHeaderLabels({ QStringLiteral("File"), QStringLiteral("Reason") });
    lstSkipped->setRootIsDecorated(false);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstSkipped);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(640, 300);
}

void SkippedFilesDialog::showFiles(const std::vector<browser::SkippedFile>& files)
{
    lstSkipped->clear();
    for (const browser::SkippedFile& file : files)
        new QTreeWidgetItem(lstSkipped, { text::fromUtf8(file.File), text::fromUtf8(file.Reason) });
    lstSkipped->resizeColumnToContents(0);
    show();
    raise();
}

} // namespace varnick
