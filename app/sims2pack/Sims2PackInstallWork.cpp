#include "app/sims2pack/Sims2PackInstallWork.h"

#include "app/platform/qt/BackgroundTask.h"
#include "app/platform/qt/TextBridge.h"
#include "app/platform/qt/TranslatedPhrases.h"
#include "package/Sims2Pack.h"
#include "package/base/ErrorTrap.h"

#ifdef VARNICK_HAVE_LIBRARY_INDEX
#include "app/health/index/LibraryIndex.h"
#include "app/health/index/LibraryScan.h"
#endif

#include <QFileInfo>

#include <new>
#include <optional>
#include <system_error>

namespace varnick {

namespace fs = std::filesystem;
using namespace sims2pack;

namespace {

// Where a file's objects go: the chosen folder, else a folder of the file's name below Downloads.
fs::path destinationOf(const QString& path, const Sims2PackTarget& target)
{
    if (!target.chosen.empty())
        return target.chosen;
    if (target.downloads.empty())
        throw Failure(ErrorCode::FolderFailed,
            Phrase(VARNICK_PHRASE(
                "Sims2PackInstall", "The game's Downloads folder was not found; choose a folder to install into")));
    try {
        return defaultInstallFolder(target.downloads, text::toPath(path));
    } catch (const Failure& failure) {
        throw Failure(failure.code(),
            Phrase(VARNICK_PHRASE("Sims2PackInstall", "%1; choose a folder to install into"), { failure.phrase() }));
    }
}

// The picture of an item as the list shows it: its own texture, scaled to the row.
QImage pictureOf(const Sims2PackFile& file, std::size_t item)
{
    const std::optional<ByteString> bmp = itemPicture(file, item);
    if (!bmp)
        return {};
    const QByteArray bytes = text::toByteArray(*bmp);
    const QImage image = QImage::fromData(bytes, "BMP");
    if (image.isNull())
        return {};
    return image.scaled(Sims2PackInstallWork::kPictureSize, Sims2PackInstallWork::kPictureSize, Qt::KeepAspectRatio,
        Qt::SmoothTransformation);
}

} // namespace

QString Sims2PackInstallWork::line(const QString& path, const std::string& message)
{
    return line(path, text::fromUtf8(toValidUtf8(message)));
}

QString Sims2PackInstallWork::line(const QString& path, const QString& message)
{
    QString text = message.simplified();
    for (const QString& given : { path, text::fromPath(text::toPath(path)) }) {
        if (text.startsWith(given + QStringLiteral(": "))) {
            text = text.mid(given.size() + 2);
            break;
        }
    }
    return QFileInfo(path).fileName() + QStringLiteral(": ") + text;
}

Sims2PackEntry Sims2PackInstallWork::read(const QString& path)
{
    Sims2PackEntry entry;
    entry.path = path;
    try {
        auto file = std::make_shared<const Sims2PackFile>(Sims2PackFile::read(text::toPath(path)));
        entry.listing = listSims2Pack(*file);
        // An item that does not read has no picture: it is not expanded again to find that out.
        for (std::size_t i = 0; i < file->items().size(); ++i)
            entry.pictures.push_back(entry.listing.items[i].readable ? pictureOf(*file, i) : QImage());
        entry.file = std::move(file);
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& failure) {
        entry.readFailure = line(path, failureText(failure));
    }
    return entry;
}

std::shared_ptr<const LibraryGuids> Sims2PackInstallWork::libraryGuids(
    const fs::path& downloads, const TaskContext& task, QString& note, bool& cancelled)
{
#ifdef VARNICK_HAVE_LIBRARY_INDEX
    std::error_code error;
    if (downloads.empty() || !fs::is_directory(downloads, error)) {
        note = tr("GUID clashes were not checked: the game's Downloads folder was not found.");
        return nullptr;
    }
    try {
        health::LibraryIndex index(health::defaultIndexFile(downloads));
        health::ScanOptions options;
        options.root = downloads;
        options.cancel = &task.cancelFlag();
        options.progress = [&task](std::size_t done, std::size_t total) {
            task.progress(static_cast<std::int64_t>(done), static_cast<std::int64_t>(total));
        };
        const health::ScanResult scan = health::scanLibrary(index, options);
        if (scan.cancelled) {
            cancelled = true;
            return nullptr;
        }
        return std::make_shared<const LibraryGuids>(catalogGuids(scan.records, downloads));
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& failure) {
        note = tr("GUID clashes were not checked: %1").arg(failureText(failure));
        return nullptr;
    }
#else
    (void)downloads;
    (void)task;
    (void)cancelled;
    note = tr("GUID clashes were not checked: this build has no library index.");
    return nullptr;
#endif
}

void Sims2PackInstallWork::plan(std::vector<Sims2PackEntry>& entries, const LibraryGuids* library,
    const Sims2PackTarget& target, bool rename, const TaskContext& task)
{
    std::optional<LibraryGuids> known;
    if (library != nullptr)
        known = *library;
    for (Sims2PackEntry& entry : entries) {
        entry.plan.reset();
        entry.planFailure.clear();
        if (!entry.file || task.cancelled())
            continue;
        try {
            InstallOptions options;
            options.destination = destinationOf(entry.path, target);
            options.rename = rename;
            options.library = known ? &*known : nullptr;
            InstallPlan plan = planInstall(*entry.file, options);
            // The window keeps no expanded bytes: Install plans again.
            for (PlannedItem& item : plan.items)
                item.expanded.reset();
            if (known && plan.taken.empty())
                rememberInstalled(plan, *known);
            entry.plan = std::make_shared<const InstallPlan>(std::move(plan));
        } catch (const std::bad_alloc&) {
            throw;
        } catch (const std::exception& failure) {
            entry.planFailure = line(entry.path, failureText(failure));
        }
    }
}

Sims2PackInstallOutcome Sims2PackInstallWork::install(const std::vector<Sims2PackEntry>& entries,
    const LibraryGuids* library, const Sims2PackTarget& target, bool rename, const TaskContext& task)
{
    Sims2PackInstallOutcome outcome;
    std::optional<LibraryGuids> known;
    if (library != nullptr)
        known = *library;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Sims2PackEntry& entry = entries[i];
        if (task.cancelled()) {
            outcome.cancelled = true;
            return outcome;
        }
        task.progress(static_cast<std::int64_t>(i), static_cast<std::int64_t>(entries.size()));
        if (!entry.file) {
            outcome.refused.append(entry.readFailure);
            continue;
        }
        try {
            // Planned again: the folder may have changed since the window listed it.
            InstallOptions options;
            options.destination = destinationOf(entry.path, target);
            options.rename = rename;
            options.library = known ? &*known : nullptr;
            const InstallPlan plan = planInstall(*entry.file, options);
            carryOutInstall(*entry.file, plan);
            if (known)
                rememberInstalled(plan, *known);
            bool any = false;
            for (const PlannedItem& item : plan.items) {
                switch (item.action) {
                case ItemAction::Install:
                    ++outcome.installed;
                    outcome.installedFiles.append(text::fromPath(item.target));
                    any = true;
                    break;
                case ItemAction::AlreadyInstalled:
                    ++outcome.skipped;
                    any = true;
                    break;
                case ItemAction::ThroughGame:
                    ++outcome.throughGame;
                    break;
                }
            }
            if (any)
                outcome.folders.append(text::fromPath(plan.destination));
        } catch (const std::bad_alloc&) {
            throw;
        } catch (const std::exception& failure) {
            outcome.refused.append(line(entry.path, failureText(failure)));
        }
    }
    task.progress(static_cast<std::int64_t>(entries.size()), static_cast<std::int64_t>(entries.size()));
    return outcome;
}

QString Sims2PackInstallWork::commonFolder(const QStringList& folders)
{
    if (folders.isEmpty())
        return {};
    fs::path common = text::toPath(folders.front());
    for (const QString& folder : folders) {
        const fs::path path = text::toPath(folder);
        fs::path shared;
        for (auto a = common.begin(), b = path.begin(); a != common.end() && b != path.end() && *a == *b; ++a, ++b)
            shared /= *a;
        common = shared;
    }
    return text::fromPath(common);
}

} // namespace varnick
