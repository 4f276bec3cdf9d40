#pragma once

#include <QDialog>

class QComboBox;

namespace varnick {

/// Options, "Language...": "System language" or one of the shipped languages,
/// each by its own name. OK stores the choice, which takes effect at the next
/// start (the dialog says so); Cancel leaves the setting as it was.
class LanguageDialog : public QDialog {
    Q_OBJECT

public:
    explicit LanguageDialog(QWidget* parent = nullptr);

    QComboBox* languages() const { return mLanguages; }
    /// Writes the chosen language to the settings (what OK does).
    void store() const;

private:
    QComboBox* mLanguages;
};

} // namespace varnick
