#include "app/platform/qt/DialogButtons.h"

#include <QDialog>
#include <QPushButton>

namespace varnick {

void settleDefaultButton(QDialog* dialog, QPushButton* defaultButton)
{
    // A push button in a dialog becomes the default when it takes the focus
    // (autoDefault), and the first of them is the default when none is set:
    // both would let Return press whatever button came first or was last clicked.
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (button == defaultButton)
            continue;
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    if (defaultButton) {
        defaultButton->setAutoDefault(true);
        defaultButton->setDefault(true);
    }
}

} // namespace varnick
