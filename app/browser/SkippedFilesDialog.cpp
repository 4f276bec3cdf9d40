#include "app/browser/SkippedFilesDialog.h"

#include "app/platform/Words.h"
#include "app/platform/qt/TextBridge.h"
#include "app/platform/qt/TranslatedPhrases.h"

#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <string_view>

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
        const std::string english = toValidUtf8(file.reason);
        const bool worded = file.phrase && !file.phrase->isLiteral();
        const QString technical = worded ? phraseText(*file.phrase) : text::fromUtf8(english);
        // The package reader words its refusals for help forums (offsets and sizes): those
        // are said in the player's words, as Library Health says them, with the reader's
        // own (in the player's language) in the tool tip.
        const bool readerRefusal = !worded || std::string_view(file.phrase->text().context) == "PackageReader";
        const QString reason = readerRefusal ? text::translated("Words", plainReadFailure(english)) : technical;
        auto* item = new QTreeWidgetItem(mFiles, { text::fromUtf8(file.file), reason });
        item->setToolTip(1, technical);
    }
    mFiles->resizeColumnToContents(0);
    show();
    raise();
}

} // namespace varnick
