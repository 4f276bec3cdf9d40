#pragma once
// Where the main window opens: the size and place of the last run, else the
// usual size centred on the screen.

class QWidget;

namespace varnick {

/// Gives window the size and place stored at the last close; a first start
/// (nothing stored, or a place no screen shows) takes the usual size, centred.
void restoreMainWindowPlace(QWidget& window);
/// Stores window's size and place for the next run.
void storeMainWindowPlace(const QWidget& window);
/// Gives window its usual size, centred on its screen with the title bar inside the free area.
void placeMainWindowForFirstStart(QWidget& window);

} // namespace varnick
