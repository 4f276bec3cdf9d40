#pragma once

// The main window's own pictures, drawn in code so that the program needs no
// image files: the folder tree's folders and the "no thumbnail" square.

#include <QIcon>
#include <QImage>

namespace varnick {

/// A folder of the tree (17 x 14); the selected node's picture carries a green arrow.
QIcon folderPicture(bool withArrow);
/// A tree node's icon: the plain folder, and the folder with the arrow while the node is selected.
QIcon folderNodeIcon();
/// The picture of an object without thumbnail: a grey square of size with a question mark.
QImage notFoundPicture(int size, qreal ratio = 1.0);

} // namespace varnick
