#pragma once

#include <QDialog>

class QCheckBox;
class QSpinBox;

namespace varnick {

/// Options, "Settings...": how many backups each saved file keeps and for how
/// many days, and whether saves keep replaced resources compressed. OK stores
/// the three settings; Cancel leaves them as they were.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit OptionsDialog(QWidget* parent = nullptr);

    QSpinBox* backupGenerations() const { return mGenerations; }
    QSpinBox* backupDays() const { return mDays; }
    QCheckBox* keepCompressed() const { return mKeepCompressed; }

    /// Writes the dialog's values to the settings (what OK does).
    void store() const;

private:
    QSpinBox* mGenerations;
    QSpinBox* mDays;
    QCheckBox* mKeepCompressed;
};

} // namespace varnick
