#pragma once

class QDialog;
class QPushButton;

namespace varnick {

/// Makes defaultButton (may be null: then none) the one button of dialog that
/// Return presses. Every other push button of dialog stops being a default and
/// stops becoming one when it takes the focus, so Return never presses a
/// button that clears, deletes or discards. Call it after the buttons exist.
void settleDefaultButton(QDialog* dialog, QPushButton* defaultButton);

} // namespace varnick
