#include "app/browser/Sims2PackInstallAction.h"

#include "app/sims2pack/Sims2PackInstallDialog.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace varnick {

Sims2PackInstallAction::Sims2PackInstallAction(QMenu* file, QWidget* window)
    : QObject(window)
    , mWindow(window)
{
    QAction* entry = file->addAction(tr("Install Sims2&Pack..."));
    entry->setObjectName(QStringLiteral("smenuInstallSims2Pack"));
    entry->setToolTip(tr("Install the objects of Sims2Pack files into Downloads, where the game reads them"));
    connect(entry, &QAction::triggered, this, [this] { chooseFiles(); });
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

void Sims2PackInstallAction::chooseFiles()
{
    const QStringList files = Sims2PackInstallDialog::chooseFiles(mWindow, Sims2PackInstallDialog::downloadsFolder());
    if (!files.isEmpty())
        emit filesChosen(files);
}

QStringList Sims2PackInstallAction::droppedSims2Packs(const QMimeData* data)
{
    QStringList files;
    if (data == nullptr)
        return files;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && Sims2PackInstallDialog::isSims2PackFile(url.toLocalFile()))
            files.append(url.toLocalFile());
    return files;
}

bool Sims2PackInstallAction::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != mWindow)
        return false;
    if (event->type() == QEvent::DragEnter) {
        auto* enter = static_cast<QDragEnterEvent*>(event);
        if (droppedSims2Packs(enter->mimeData()).isEmpty())
            return false;
        enter->acceptProposedAction();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        const QStringList files = droppedSims2Packs(drop->mimeData());
        if (files.isEmpty())
            return false;
        drop->acceptProposedAction();
        emit filesChosen(files);
        return true;
    }
    return false;
}

} // namespace varnick
