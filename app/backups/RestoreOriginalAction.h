#pragma once

#include <QString>

class QWidget;

namespace varnick {

/// "Restore Original" for the package file: without a kept original it says
/// "No backup of this object is kept."; otherwise it asks (Yes/No) and on Yes
/// puts the original back from the program's backup store, the current
/// version kept as a backup, and reports the result. A failure is shown with
/// its message, the file left as it was. True when the file was restored.
bool restoreOriginalOf(QWidget* owner, const QString& packageFile);

} // namespace varnick
