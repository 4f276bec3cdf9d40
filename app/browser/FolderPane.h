#pragma once

#include "app/browser/core/FolderTree.h"

#include <QHash>
#include <QIcon>
#include <QString>
#include <QWidget>

#include <array>
#include <vector>

class QPushButton;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace varnick {

/// The left pane of the main window (fraFolders): the choice of root
/// (Downloads or the alternate path with its "..." button) and the folder
/// tree of the chosen root. The window wires the controls.
class FolderPane : public QWidget {
    Q_OBJECT
public:
    explicit FolderPane(QWidget* parent = nullptr);

    QRadioButton* optPath(int index) const { return mRoots[static_cast<std::size_t>(index)]; }
    QPushButton* cmdSetPath() const { return mSetPath; }
    QTreeWidget* tvFolders() const { return mTree; }
    /// The tree's pictures (17 x 14): "folder" for a plain node, "folder_greenarrow" for the selected one.
    const QHash<QString, QIcon>& imageList1() const { return mPictures; }

    /// Shows which root is chosen: the "..." button and the alternate path's tip in alternate mode.
    void showRoot(browser::TreeRoot mode, const QString& alternatePath);
    /// Shows the nodes (node 0 the root, expanded); each keeps its key and its path.
    void fill(const std::vector<browser::FolderNode>& nodes);
    /// The node whose path is nodePath, made current with its parent expanded; null when there is none.
    /// An empty nodePath (no folder open) leaves no node current.
    QTreeWidgetItem* select(const QString& nodePath);
    /// The path of node ("Downloads\a\b").
    static QString nodePath(const QTreeWidgetItem* node);

private:
    std::array<QRadioButton*, 2> mRoots {};
    QPushButton* mSetPath;
    QTreeWidget* mTree;
    QHash<QString, QIcon> mPictures;
};

} // namespace varnick
