#include "app/recolors/RecolorTrash.h"

#include "app/platform/qt/TextBridge.h"

#include <QCoreApplication>
#include <QFile>

namespace varnick {

bool desktopHasTrash()
{
#if defined(_WIN32) || defined(__APPLE__)
    return true;
#else
    return recolors::platformHasTrash();
#endif
}

bool sendToTrash(const std::filesystem::path& file)
{
    if (!desktopHasTrash())
        return recolors::removeOutright(file);
        // A file that cannot go to a trash stays where it is: it is never removed for good instead.
#if defined(_WIN32) || defined(__APPLE__)
    return QFile::moveToTrash(text::fromPath(file)) || recolors::moveToPlatformTrash(file);
#else
    // Freedesktop: the home trash for files on the home volume (Qt may pick the
    // volume's top-level trash even there), Qt's volume trash for the others.
    return recolors::moveToPlatformTrash(file) || QFile::moveToTrash(text::fromPath(file));
#endif
}

recolors::RemoveFunction desktopRemover()
{
    return [](const std::filesystem::path& file) { return sendToTrash(file); };
}

QString trashNote()
{
    return desktopHasTrash()
        ? QCoreApplication::translate(
            "RecolorTrash", "The files go to the trash, from where they can still be restored.")
        : QCoreApplication::translate("RecolorTrash", "This system has no trash: the files are deleted for good.");
}

} // namespace varnick
