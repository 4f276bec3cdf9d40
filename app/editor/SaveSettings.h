#pragma once

#include "app/editor/core/ObjectEditor.h"

namespace varnick {

/// Whether "Keep saved resources compressed" is on: its stored value is a
/// nonzero whole number ("-1" as written by setKeepSavedResourcesCompressed).
bool keepSavedResourcesCompressed();

/// Stores the setting as "-1" (on) or "0" (off).
void setKeepSavedResourcesCompressed(bool on);

/// The options every save from a window uses (the editor's and batch saves):
/// keepCompressed follows the setting.
SaveOptions saveOptionsFromSettings();

} // namespace varnick
