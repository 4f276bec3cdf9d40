#include "app/WindowWiring.h"
#include "app/browser/frmMain.h"
#include "app/errors/frmErrorDialog.h"
#include "app/options/Appearance.h"
#include "app/options/Languages.h"
#include "app/platform/qt/Pause.h"
#include "app/startup/frmGameInstallation.h"
#include "app/startup/frmTitle.h"
#include "package/PackageWriter.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnick"));
    QApplication::setOrganizationName(QStringLiteral("Varnick"));
    // The system's language unless Options, "Language..." chose one; before any window exists.
    varnick::languages::install(app);
    // Light or Dark when Options, "Appearance..." chose one; the platform's look otherwise.
    varnick::appearance::applyChosen(app);
    // Every trapped failure from here on is shown in the error dialog, which ends the program.
    varnick::installErrorDialog();
    // The package writer keeps the windows responsive while it waits to retry a
    // held file on their thread; on a worker it only sleeps.
    varnick::setPackageWriterPause(varnick::pauseBeforeRetry);

    varnick::readGameChoiceFromSettings();
    varnick::frmTitle title;
    if (!title.Form_Load())
        return 1;

    std::unique_ptr<varnick::frmMain> mainWindow;
    QObject::connect(&title, &varnick::frmTitle::unloaded, [&mainWindow] {
        mainWindow = std::make_unique<varnick::frmMain>();
        varnick::connectMainWindow(*mainWindow);
        varnick::pruneBackups();
        varnick::sweepScratchFiles();
        QObject::connect(
            mainWindow.get(), &varnick::frmMain::unloaded, qApp, &QApplication::quit, Qt::QueuedConnection);
        mainWindow->show();
        mainWindow->activateWindow();
    });
    title.show();
    return QApplication::exec();
}
