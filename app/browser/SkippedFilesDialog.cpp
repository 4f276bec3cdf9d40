#include "app/browser/SkippedFilesDialog.h"

#include "app/platform/Words.h"
#include "app/platform/qt/TextBridge.h"
#include "app/platform/qt/TranslatedPhrases.h"

#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace varnick {

SkippedFilesDialog::SkippedFilesDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSkippedFiles"));
    setWindowTitle(tr("Files That Could Not Be Read"));
    mFiles = new QTreeWidget(this);
    mFiles->setObjectName(QStringLiteral("skippedFiles"));
    mFiles->setAccessibleName(tr("Files that could not be read"));
    mFiles->setHeaderLabels({ tr("File"), tr("Reason") });
    mFiles->setRootIsDecorated(false);
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mFiles);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(640, 300);
}

void SkippedFilesDialog::showFiles(const std::vector<browser::SkippedFile>& files)
{
    mFiles->clear();
    for (const browser::SkippedFile& file : files) {
        const QString technical = text::fromUtf8(toValidUtf8(file.reason));
        // The package reader words its refusals for help forums (offsets and sizes), not as
        // phrases: those are said in the player's words, as Library Health says them, with
        // the reader's own in the tool tip.
        const bool worded = file.phrase && !file.phrase->isLiteral();
        const QString reason
            = worded ? phraseText(*file.phrase) : text::translated("Words", plainReadFailure(toValidUtf8(file.reason)));
        auto* item = new QTreeWidgetItem(mFiles, { text::fromUtf8(file.file), reason });
        item->setToolTip(1, worded ? reason : technical);
    }
    mFiles->resizeColumnToContents(0);
    show();
    raise();
}

} // namespace varnick
