#pragma once

namespace varnick {

class frmMain;

/// Connects the main window's requests to the windows that answer them: the
/// editor, the recolor finder (Delete/Move), the thumbnail purge (then the page is drawn again from the reloaded
/// cache), "Restore Original" (then the page is drawn again), the library health review, whose editor
/// requests go to the editor too, and the Sims2Pack install (then the folders are read again, from the main window
/// or the library health review).
void connectMainWindow(frmMain& window);

/// Removes the backups older than the settings keep them (programBackups()); once at start-up.
void pruneBackups();

/// Removes, off the GUI thread, the scratch files killed runs left in the
/// folders the program writes: Downloads (with its subfolders), the thumbnail
/// caches' folder, the backups and the thumbnail backups. Once at start-up.
void sweepScratchFiles();

} // namespace varnick
