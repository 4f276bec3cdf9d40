#pragma once

#include <QString>

class QWidget;

namespace varnick {

/// Tools, "Delete Selected Object &Thumbnails": asks for confirmation, removes
/// every resource of objectFile's key from both of the game's thumbnail caches
/// (a progress dialog with Cancel for large caches, the hourglass otherwise),
/// keeping each cache's previous version in the program's backup store
/// (programBackups()) and as the last version in "Thumbnail Backups" first,
/// reloads the program's object thumbnail cache and shows the result. A corrupt
/// cache is refused with its message; any other failure goes to the error trap
/// as "frmMain"/"smenuDelThumbs_Click". Returns true when a cache file changed,
/// so that the caller redraws its thumbnail page.
bool purgeObjectThumbnails(QWidget* owner, const QString& objectFile);

/// Caches with more bytes to write than this are purged behind a progress dialog.
inline constexpr qint64 kPurgeProgressDialogBytes = 4 * 1024 * 1024;

} // namespace varnick
