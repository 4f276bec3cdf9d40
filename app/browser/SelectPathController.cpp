#include "app/browser/SelectPathController.h"

#include "app/platform/qt/TextBridge.h"
#include "app/startup/GamePaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

namespace varnick {

bool SelectPathController::mfblnFolderValid(const QString& name)
{
    for (const QChar c : name) {
        const char16_t code = c.unicode();
        const bool ok = (code >= u'a' && code <= u'z') || (code >= u'A' && code <= u'Z')
            || (code >= u'0' && code <= u'9') || code == u'-' || code == u'_';
        if (!ok)
            return false;
    }
    return true;
}

bool SelectPathController::canChoose(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.isDir() && !QDir(info.absoluteFilePath()).isRoot();
}

bool SelectPathController::insideDataFolder(const QString& folder)
{
    const QString data = QDir::cleanPath(text::fromUtf8(gstrSims2DataPath));
    if (data.isEmpty() || data == QStringLiteral("."))
        return true;
    const QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
#ifdef _WIN32
    constexpr Qt::CaseSensitivity kCase = Qt::CaseInsensitive;
#else
    constexpr Qt::CaseSensitivity kCase = Qt::CaseSensitive;
#endif
    return path.compare(data, kCase) == 0 || path.startsWith(data + QLatin1Char('/'), kCase);
}

QString SelectPathController::startFolder(const QString& initialPath)
{
    if (!initialPath.isEmpty() && QFileInfo(initialPath).isDir())
        return QDir::cleanPath(QFileInfo(initialPath).absoluteFilePath());
    // Where the player's objects are, rather than wherever the program was started from.
    const QString data = text::fromUtf8(gstrSims2DataPath);
    if (!data.isEmpty()) {
        for (const QString& folder : { data + QStringLiteral("/Downloads"), data })
            if (QFileInfo(folder).isDir())
                return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    }
    return QDir::cleanPath(QDir::currentPath());
}

QStringList SelectPathController::driveRoots()
{
    QStringList roots;
#ifdef _WIN32
    for (const QFileInfo& drive : QDir::drives())
        roots.append(QDir::cleanPath(drive.absoluteFilePath()));
#else
    roots.append(QDir::rootPath());
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        const QString root = QDir::cleanPath(volume.rootPath());
        // Containers mount single files too (/etc/hosts); only folders can be browsed.
        if (!roots.contains(root) && QFileInfo(root).isDir())
            roots.append(root);
    }
    std::sort(roots.begin() + 1, roots.end());
#endif
    return roots;
}

QString SelectPathController::driveOf(const QString& path, const QStringList& roots)
{
#ifdef _WIN32
    constexpr Qt::CaseSensitivity cs = Qt::CaseInsensitive;
#else
    constexpr Qt::CaseSensitivity cs = Qt::CaseSensitive;
#endif
    const QString clean = QDir::cleanPath(path);
    QString best;
    for (const QString& root : roots) {
        const QString r = QDir::cleanPath(root);
        const QString prefix = r.endsWith(QLatin1Char('/')) ? r : r + QLatin1Char('/');
        const bool inside = clean.compare(r, cs) == 0 || clean.startsWith(prefix, cs);
        if (inside && r.size() > best.size())
            best = r;
    }
    return best;
}

SelectPathController::MakeDirResult SelectPathController::makeDirectory(
    const QString& parent, const QString& name, QString* createdPath)
{
    if (name.isEmpty() || !mfblnFolderValid(name))
        return MakeDirResult::InvalidName;
    // QDir joins without doubling the separator after a root.
    const QString folder = QDir::cleanPath(QDir(parent).filePath(name));
    if (QFileInfo::exists(folder))
        return MakeDirResult::AlreadyExists;
    if (!QDir().mkdir(folder))
        return MakeDirResult::Failed;
    if (createdPath != nullptr)
        *createdPath = folder;
    return MakeDirResult::Created;
}

} // namespace varnick
