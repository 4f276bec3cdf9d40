#include "app/browser/FolderPane.h"

#include "app/browser/BrowserPictures.h"
#include "app/platform/qt/AccessibleNames.h"
#include "app/platform/qt/TextBridge.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace varnick {

namespace {

// The path of a node is kept beside its key (Qt::UserRole).
constexpr int kNodePathRole = Qt::UserRole + 1;

} // namespace

FolderPane::FolderPane(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("fraFolders"));
    mRoots[0] = new QRadioButton(tr("Do&wnloads Folder"), this);
    mRoots[1] = new QRadioButton(tr("&Alternate Path"), this);
    for (std::size_t i = 0; i < mRoots.size(); ++i)
        mRoots[i]->setObjectName(QStringLiteral("optPath_%1").arg(i));
    mSetPath = new QPushButton(QStringLiteral("..."), this);
    mSetPath->setObjectName(QStringLiteral("cmdSetPath"));
    mSetPath->setVisible(false);
    mSetPath->setFixedWidth(32);
    // The folder tree of the chosen root; filled when a root is chosen.
    mTree = new QTreeWidget(this);
    mTree->setObjectName(QStringLiteral("tvFolders"));
    mTree->setHeaderHidden(true);
    mTree->setAccessibleName(tr("Folders"));
    mTree->setIconSize(QSize(17, 14));
    mPictures.insert(QStringLiteral("folder"), folderPicture(false));
    mPictures.insert(QStringLiteral("folder_greenarrow"), folderPicture(true));

    auto* alternate = new QHBoxLayout;
    alternate->addWidget(mRoots[1]);
    alternate->addWidget(mSetPath);
    alternate->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mRoots[0]);
    layout->addLayout(alternate);
    layout->addWidget(mTree, 1);
}

void FolderPane::showRoot(browser::TreeRoot mode, const QString& alternatePath)
{
    const bool alternate = mode == browser::TreeRoot::Alternate;
    mSetPath->setVisible(alternate);
    mRoots[1]->setToolTip(alternate && !alternatePath.isEmpty()
            ? QStringLiteral(" ") + tr("Alternate Path: %1").arg(alternatePath)
            : QString());
}

void FolderPane::fill(const std::vector<browser::FolderNode>& nodes)
{
    mTree->clear();
    const QIcon icon = folderNodeIcon();
    std::vector<QTreeWidgetItem*> items;
    items.reserve(nodes.size());
    for (const browser::FolderNode& node : nodes) {
        auto* item = node.parent < 0 ? new QTreeWidgetItem(mTree)
                                     : new QTreeWidgetItem(items[static_cast<std::size_t>(node.parent)]);
        item->setText(0, text::fromUtf8(node.text));
        item->setIcon(0, icon);
        item->setData(0, Qt::UserRole, text::fromUtf8(node.key));
        item->setData(0, kNodePathRole, text::fromUtf8(node.path));
        items.push_back(item);
    }
    if (!items.empty())
        items.front()->setExpanded(true);
}

QTreeWidgetItem* FolderPane::select(const QString& nodePath)
{
    if (nodePath.isEmpty()) {
        mTree->setCurrentItem(nullptr);
        return nullptr;
    }
    for (QTreeWidgetItemIterator it(mTree); *it != nullptr; ++it) {
        if (FolderPane::nodePath(*it) != nodePath)
            continue;
        mTree->setCurrentItem(*it);
        if ((*it)->parent() != nullptr)
            (*it)->parent()->setExpanded(true);
        return *it;
    }
    return nullptr;
}

QString FolderPane::nodePath(const QTreeWidgetItem* node)
{
    return node->data(0, kNodePathRole).toString();
}

} // namespace varnick
