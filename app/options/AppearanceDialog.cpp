#include "app/options/AppearanceDialog.h"

#include "app/options/Appearance.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace varnick {

AppearanceDialog::AppearanceDialog(QWidget* parent)
    : QDialog(parent)
    , mAppearances(new QComboBox(this))
{
    setObjectName(QStringLiteral("frmAppearance"));
    setWindowTitle(tr("Appearance"));
    mAppearances->setObjectName(QStringLiteral("cboAppearance"));
    mAppearances->addItem(tr("System"), appearance::System);
    mAppearances->addItem(tr("Light"), appearance::Light);
    mAppearances->addItem(tr("Dark"), appearance::Dark);
    const int current = mAppearances->findData(appearance::chosen());
    mAppearances->setCurrentIndex(current < 0 ? 0 : current);

    auto* label = new QLabel(tr("&Colours:"), this);
    label->setBuddy(mAppearances);
    auto* form = new QFormLayout;
    form->addRow(label, mAppearances);
    auto* note = new QLabel(tr("System follows the look of your desktop."), this);
    note->setObjectName(QStringLiteral("lblSystem"));
    note->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        store();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);
}

void AppearanceDialog::store() const
{
    const QString appearance = mAppearances->currentData().toString();
    appearance::choose(appearance);
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        appearance::apply(*app, appearance);
}

} // namespace varnick
