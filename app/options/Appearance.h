#pragma once

#include <QColor>
#include <QString>

class QApplication;
class QPalette;

namespace varnick {

/// The look of the windows: the platform's own (the default), or the Fusion style
/// with a light or a dark palette, whatever the platform does.
namespace appearance {

inline const QString System = QString();
inline const QString Light = QStringLiteral("light");
inline const QString Dark = QStringLiteral("dark");

/// The setting of Options, "Appearance...": Light, Dark or System; anything else reads as System.
QString chosen();
/// Stores the choice; apply() puts it on the windows.
void choose(const QString& appearance);

/// Puts appearance on every window at once. System brings back the style and palette
/// the program started with.
void apply(QApplication& app, const QString& appearance);
/// apply() with the stored choice; main() calls it before any window exists.
void applyChosen(QApplication& app);

/// Whether palette's windows are dark (light text on a dark background).
bool isDark(const QPalette& palette);
/// The red of a warning or of work in progress, readable on palette's windows: deep on
/// light ones, lighter on dark ones.
QColor warningRed(const QPalette& palette);
/// The background of something changed and not saved yet: a pale amber on light
/// windows, a deep one on dark windows, under the palette's own text.
QColor pendingBackground(const QPalette& palette);

/// The contrast ratio of two colours (1 to 21; 4.5 reads as ordinary text).
double contrast(const QColor& a, const QColor& b);

} // namespace appearance

} // namespace varnick
