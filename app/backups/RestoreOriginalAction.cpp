#include "app/backups/RestoreOriginalAction.h"

#include "app/backups/BackupSettings.h"
#include "app/backups/core/OriginalRestore.h"
#include "app/platform/qt/MessageBox.h"
#include "app/platform/qt/TextBridge.h"
#include "app/platform/qt/TranslatedPhrases.h"
#include "app/startup/GameRunningGuard.h"

#include <exception>

namespace varnick {

bool restoreOriginalOf(QWidget* owner, const QString& packageFile)
{
    if (refuseWhileGameRuns(owner))
        return false;
    OriginalRestore restore(programBackups(), text::toPath(packageFile));
    const QString title = text::fromUtf8(OriginalRestore::title(translatedPhrases()));
    if (!restore.available()) {
        MessageBox::show(owner, QMessageBox::Information, title,
            text::fromUtf8(OriginalRestore::unavailableText(translatedPhrases())));
        return false;
    }
    if (MessageBox::question(owner, title, text::fromUtf8(restore.question(translatedPhrases()))) != QMessageBox::Yes)
        return false;
    try {
        restore.restore();
    } catch (const std::exception& error) {
        MessageBox::exclamation(owner, title,
            QCoreApplication::translate(
                "RestoreOriginalAction", "The original could not be restored; the file was left as it was.\r\n\r\n")
                + failureText(error));
        return false;
    }
    MessageBox::show(owner, QMessageBox::Information, title, text::fromUtf8(restore.restoredText(translatedPhrases())));
    return true;
}

} // namespace varnick
