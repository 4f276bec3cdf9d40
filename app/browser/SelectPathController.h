#pragma once

#include <QString>
#include <QStringList>

namespace varnick {

/// The decisions of the folder selection dialog, apart from its widgets.
class SelectPathController {
public:
    /// A new folder name is acceptable when every character is an ASCII letter,
    /// a digit, "-" or "_" (so no blanks, dots, separators or accented letters).
    static bool mfblnFolderValid(const QString& name);

    /// Whether OK may return path: any existing folder except the root of a
    /// drive or of the file system.
    static bool canChoose(const QString& path);

    /// The folder the dialog opens at: initialPath when it names an existing
    /// folder, otherwise the game's Downloads folder (or its data folder),
    /// otherwise the process's current folder. Clean absolute path.
    static QString startFolder(const QString& initialPath);
    /// Whether folder lies in the game's data folder (true when that is not known).
    static bool insideDataFolder(const QString& folder);

    /// The drive list: drive roots where the system has drive letters; the
    /// file system root and the roots of the mounted, ready volumes elsewhere.
    static QStringList driveRoots();

    /// Of roots, the one that holds path (the longest matching root), or "" when none does.
    static QString driveOf(const QString& path, const QStringList& roots);

    /// Outcome of creating a folder.
    enum class MakeDirResult { Created, InvalidName, AlreadyExists, Failed };

    /// Creates parent/name after checking the name rule and that it does not
    /// exist yet. createdPath receives the new folder's clean path on success.
    static MakeDirResult makeDirectory(const QString& parent, const QString& name, QString* createdPath);
};

} // namespace varnick
