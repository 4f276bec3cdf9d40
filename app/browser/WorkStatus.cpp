#include "app/browser/WorkStatus.h"

#include "app/browser/FolderScanner.h"
#include "app/browser/ThumbnailPane.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>

#include <algorithm>
#include <climits>

namespace varnick {

WorkStatus::WorkStatus(
    QStatusBar* bar, const FolderScanner& scanner, const ThumbnailPane& pages, std::function<void()> cancel)
    : QObject(bar)
    , mScanner(scanner)
    , mPages(pages)
{
    mText = new QLabel(bar);
    mText->setObjectName(QStringLiteral("workStatus"));
    mProgress = new QProgressBar(bar);
    mProgress->setObjectName(QStringLiteral("workProgress"));
    mProgress->setMaximumWidth(220);
    mCancel = new QPushButton(tr("&Cancel"), bar);
    mCancel->setObjectName(QStringLiteral("cancelWork"));
    connect(mCancel, &QPushButton::clicked, this, std::move(cancel));
    bar->addWidget(mText, 1);
    bar->addPermanentWidget(mProgress);
    bar->addPermanentWidget(mCancel);
    mProgress->setVisible(false);
    mCancel->setVisible(false);
}

void WorkStatus::update()
{
    const bool scanning = mScanner.running();
    const bool working = scanning || mPages.drawing();
    mProgress->setVisible(working);
    mCancel->setVisible(working);
    if (!working) {
        mText->clear();
        return;
    }
    mText->setText(scanning ? tr("Looking for objects in the folder...") : tr("Drawing the page..."));
    if (!scanning)
        mProgress->setRange(0, std::max(1, mPages.cellsRequested()));
    else if (mProgress->maximum() == 0 && mProgress->minimum() == 0)
        mProgress->setRange(0, 0);
}

void WorkStatus::showScanned(std::size_t done, std::size_t total)
{
    mProgress->setRange(0, static_cast<int>(std::min<std::size_t>(total, INT_MAX)));
    mProgress->setValue(static_cast<int>(std::min<std::size_t>(done, INT_MAX)));
}

void WorkStatus::showDrawn(int done)
{
    if (!mScanner.running())
        mProgress->setValue(done);
}

void WorkStatus::showMessage(const QString& message)
{
    mText->setText(message);
}

} // namespace varnick
