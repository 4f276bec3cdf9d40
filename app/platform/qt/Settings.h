#pragma once

#include <QString>

#include <memory>

class QSettings;

namespace varnick {

/// The program's settings between runs: string values under application
/// "Varnick", section "Settings", in the platform's per-user settings store.
/// The environment variable VARNICK_SETTINGS_FILE, when set, points the store at
/// that INI file instead (used to run the program on a throw-away setup).
class Settings {
public:
    /// The value of key, or "" when it was never saved (or the store cannot be read).
    static QString value(const QString& key);

    /// Saves value under key and writes the store through to disk.
    static void setValue(const QString& key, const QString& value);
    /// Where the store lives: its file, or the registry key on Windows (for the About box).
    static QString location();

    /// Test hook: while alive, every read and write goes to a fresh INI file in
    /// a temporary folder (empty at the start), and the user's store is left alone.
    class TemporaryStore {
    public:
        TemporaryStore();
        ~TemporaryStore();
        TemporaryStore(const TemporaryStore&) = delete;
        TemporaryStore& operator=(const TemporaryStore&) = delete;

        /// The INI file backing the store.
        QString fileName() const;

    private:
        struct Private;
        std::unique_ptr<Private> mPrivate;
    };
};

/// The setting keys the program uses.
namespace SettingKey {
inline const QString LastAlternatePathSelected = QStringLiteral("Last Alternate Path Selected");
inline const QString LastDownloadsFolderSelected = QStringLiteral("Last Downloads Folder Selected");
inline const QString LastAlternateFolderSelected = QStringLiteral("Last Alternate Folder Selected");
inline const QString TurnSelectionRectangleOff = QStringLiteral("Turn Selection Rectangle Off");
inline const QString LastMoveDestination = QStringLiteral("Last Move Destination");
/// "-1" (on) or "0"/absent (off): saves store replaced resources compressed where they were.
inline const QString KeepSavedResourcesCompressed = QStringLiteral("Keep saved resources compressed");
inline const QString BackupGenerations = QStringLiteral("Backup Generations");
inline const QString BackupDays = QStringLiteral("Backup Days");
/// The game data folder the player chose (File, Game Installation); "" for the one found first.
inline const QString GameDataFolder = QStringLiteral("Game Data Folder");
/// The main window's size and place from the last run (Qt's saved geometry, in base64).
inline const QString MainWindowGeometry = QStringLiteral("Main Window Geometry");
/// The windows' language ("de", "pt_BR", ...) chosen in Options, "Language..."; ""/absent follows the system.
inline const QString Language = QStringLiteral("Language");
/// The windows' colours chosen in Options, "Appearance...": "light", "dark", or ""/absent for the system's.
inline const QString Appearance = QStringLiteral("Appearance");
} // namespace SettingKey

} // namespace varnick
