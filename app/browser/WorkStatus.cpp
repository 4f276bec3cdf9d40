#include "app/browser/WorkStatus.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>

#include <algorithm>
#include <climits>

namespace varnick {

WorkStatus::WorkStatus(QStatusBar* bar, std::function<void()> cancel)
    : QObject(bar)
{
    lblStatus = new QLabel(bar);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    prgWork = new QProgressBar(bar);
    prgWork->setObjectName(QStringLiteral("prgWork"));
    prgWork->setMaximumWidth(220);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), bar);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdCancel, &QPushButton::clicked, this, std::move(cancel));
    bar->addWidget(lblStatus, 1);
    bar->addPermanentWidget(prgWork);
    bar->addPermanentWidget(cmdCancel);
    prgWork->setVisible(false);
    cmdCancel->setVisible(false);
}

void WorkStatus::update(bool scanning, bool drawing, int pageCells)
{
    const bool working = scanning || drawing;
    prgWork->setVisible(working);
    cmdCancel->setVisible(working);
    if (!working) {
        lblStatus->clear();
        return;
    }
    lblStatus->setText(
        scanning ? QStringLiteral("Looking for objects in the folder...") : QStringLiteral("Drawing the page..."));
    if (!scanning)
        prgWork->setRange(0, std::max(1, pageCells));
    else if (prgWork->maximum() == 0 && prgWork->minimum() == 0)
        prgWork->setRange(0, 0);
}

void WorkStatus::showScanned(std::size_t done, std::size_t total)
{
    prgWork->setRange(0, static_cast<int>(std::min<std::size_t>(total, INT_MAX)));
    prgWork->setValue(static_cast<int>(std::min<std::size_t>(done, INT_MAX)));
}

void WorkStatus::showDrawn(int done)
{
    prgWork->setValue(done);
}

void WorkStatus::showMessage(const QString& message)
{
    lblStatus->setText(message);
}

} // namespace varnick
