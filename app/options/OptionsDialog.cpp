#include "app/options/OptionsDialog.h"

#include "app/backups/BackupSettings.h"
#include "app/editor/SaveSettings.h"
#include "app/platform/qt/Settings.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace varnick {

OptionsDialog::OptionsDialog(QWidget* parent)
    : QDialog(parent)
    , mGenerations(new QSpinBox(this))
    , mDays(new QSpinBox(this))
    , mKeepCompressed(new QCheckBox(tr("&Keep saved resources compressed"), this))
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(tr("Options"));
    const BackupPolicy policy = backupPolicyFromSettings();
    mGenerations->setObjectName(QStringLiteral("spnBackupGenerations"));
    mGenerations->setRange(1, 99);
    mGenerations->setValue(policy.generations);
    mGenerations->setToolTip(tr("How many earlier versions of each saved file are kept, the original included."));
    mDays->setObjectName(QStringLiteral("spnBackupDays"));
    mDays->setRange(0, 3650);
    mDays->setValue(policy.maxAgeDays);
    mDays->setSpecialValueText(tr("For ever"));
    mDays->setSuffix(tr(" days"));
    mDays->setToolTip(tr("How long a backup is kept; 0 keeps them for ever."));
    mKeepCompressed->setObjectName(QStringLiteral("chkKeepCompressed"));
    mKeepCompressed->setChecked(keepSavedResourcesCompressed());
    mKeepCompressed->setToolTip(
        tr("Saved objects store their changed resources compressed where they were compressed before."));

    auto* form = new QFormLayout;
    auto* generationsLabel = new QLabel(tr("Backup &Generations:"), this);
    generationsLabel->setBuddy(mGenerations);
    auto* daysLabel = new QLabel(tr("Backup &Days:"), this);
    daysLabel->setBuddy(mDays);
    form->addRow(generationsLabel, mGenerations);
    form->addRow(daysLabel, mDays);
    form->addRow(mKeepCompressed);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        store();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void OptionsDialog::store() const
{
    Settings::setValue(SettingKey::BackupGenerations, QString::number(mGenerations->value()));
    Settings::setValue(SettingKey::BackupDays, QString::number(mDays->value()));
    setKeepSavedResourcesCompressed(mKeepCompressed->isChecked());
}

} // namespace varnick
