#include "app/browser/WindowPlacement.h"

#include "app/browser/MainWindowController.h"
#include "app/platform/qt/Settings.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace varnick {

void restoreMainWindowPlace(QWidget& window)
{
    const QByteArray stored = QByteArray::fromBase64(Settings::value(SettingKey::MainWindowGeometry).toLatin1());
    if (stored.isEmpty() || !window.restoreGeometry(stored))
        placeMainWindowForFirstStart(window);
}

void storeMainWindowPlace(const QWidget& window)
{
    Settings::setValue(SettingKey::MainWindowGeometry, QString::fromLatin1(window.saveGeometry().toBase64()));
}

void placeMainWindowForFirstStart(QWidget& window)
{
    // Sizes are kept in twips, the unit of the window's layout rules.
    const QScreen* screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    const double twipsPerPixel = screen != nullptr ? 1440.0 / screen->logicalDotsPerInchY() : 15.0;
    const int screenTwips = screen != nullptr ? static_cast<int>(screen->availableGeometry().height() * twipsPerPixel)
                                              : MainWindowController::kSmallScreenTwips;
    window.resize(
        std::max(window.width(), 1000), static_cast<int>(MainWindowController::kWindowHeightTwips / twipsPerPixel));
    if (screen == nullptr) {
        window.move(window.x(), MainWindowController::windowTop(screenTwips, window.y()));
        return;
    }
    // Centred, with the title bar inside the screen's free area (a window
    // manager adds the frame above the given place).
    const QRect free = screen->availableGeometry();
    const QSize size = window.size().boundedTo(free.size());
    window.resize(size);
    const int top = MainWindowController::windowTop(screenTwips, free.top() + (free.height() - size.height()) / 2);
    window.move(free.left() + std::max(0, (free.width() - size.width()) / 2), std::max(free.top(), top));
}

} // namespace varnick
