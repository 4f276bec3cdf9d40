#pragma once

#include <QDialog>

class QComboBox;

namespace varnick {

/// Options, "Appearance...": the system's look, Light or Dark. OK stores the
/// choice and puts it on every window at once; Cancel changes nothing.
class AppearanceDialog : public QDialog {
    Q_OBJECT

public:
    explicit AppearanceDialog(QWidget* parent = nullptr);

    QComboBox* appearances() const { return mAppearances; }
    /// Stores the chosen appearance and applies it (what OK does).
    void store() const;

private:
    QComboBox* mAppearances;
};

} // namespace varnick
