#pragma once
// The work behind the Sims2Pack install window, run on its task runner: read
// the chosen files with their items' pictures, gather the library's GUIDs,
// plan each install and carry the plans out. Each step goes on past a file
// that is refused, keeping that file's one-line reason. No widgets: the
// window only shows what these return.

#include "app/sims2pack/core/Sims2PackInstall.h"

#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace varnick {

class TaskContext;

/// One chosen file: its items and pictures once read, and its plan.
struct Sims2PackEntry {
    QString path;
    std::shared_ptr<const Sims2PackFile> file; ///< null when it could not be read
    QString readFailure; ///< why it could not, one line beginning with its name
    sims2pack::Sims2PackListing listing;
    std::vector<QImage> pictures; ///< one per item; null when the item has none
    std::shared_ptr<const sims2pack::InstallPlan> plan; ///< null when not planned or refused
    QString planFailure; ///< why it is refused, one line beginning with its name
};

/// What one run of Install did.
struct Sims2PackInstallOutcome {
    int installed = 0; ///< objects written
    int skipped = 0; ///< objects installed already
    int throughGame = 0; ///< lots, families and Sims left to the game
    QStringList installedFiles; ///< the files written, full paths
    QStringList folders; ///< the folders installed into (or found installed in), in the files' order
    QStringList refused; ///< one line per Sims2Pack refused, its file name first
    bool cancelled = false; ///< stopped between two files
};

/// Where the objects go.
struct Sims2PackTarget {
    std::filesystem::path downloads; ///< a folder per file below it; empty when the game's was not found
    std::filesystem::path chosen; ///< every file's objects into this one instead; empty for the default
};

class Sims2PackInstallWork {
    Q_DECLARE_TR_FUNCTIONS(Sims2PackInstallWork)
public:
    /// The edge of an item's picture in the list.
    static constexpr int kPictureSize = 48;

    /// message as the window shows it: one line beginning with the file name
    /// of path (the readers begin theirs with the path as given).
    static QString line(const QString& path, const std::string& message);
    /// line for a message already in the player's words.
    static QString line(const QString& path, const QString& message);

    /// Reads one chosen file with its listing and pictures; a file that cannot
    /// be read keeps its reason. Throws only std::bad_alloc.
    static Sims2PackEntry read(const QString& path);

    /// The GUIDs the library's catalog objects define, from the library index
    /// of downloads brought up to date. Null when they cannot be had (note says
    /// why) or the task was cancelled (cancelled is set). Throws only std::bad_alloc.
    static std::shared_ptr<const sims2pack::LibraryGuids> libraryGuids(
        const std::filesystem::path& downloads, const TaskContext& task, QString& note, bool& cancelled);

    /// Plans each read entry in turn, each checked against library (null: no
    /// check) and the objects the entries before it would install; a refused
    /// entry gets its PlanFailure. The plans keep no expanded bytes.
    static void plan(std::vector<Sims2PackEntry>& entries, const sims2pack::LibraryGuids* library,
        const Sims2PackTarget& target, bool rename, const TaskContext& task);

    /// Installs each entry: plans it again (the folder may have changed since
    /// it was listed) and carries the plan out, so that a refused file has
    /// nothing of it written. An entry with taken names is refused unless
    /// rename. Stops between two files when the task is cancelled.
    static Sims2PackInstallOutcome install(const std::vector<Sims2PackEntry>& entries,
        const sims2pack::LibraryGuids* library, const Sims2PackTarget& target, bool rename, const TaskContext& task);

    /// The deepest folder that holds every one of folders ("" for none).
    static QString commonFolder(const QStringList& folders);
};

} // namespace varnick
