#include "app/options/LanguageDialog.h"

#include "app/options/Languages.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace varnick {

LanguageDialog::LanguageDialog(QWidget* parent)
    : QDialog(parent)
    , mLanguages(new QComboBox(this))
{
    setObjectName(QStringLiteral("frmLanguage"));
    setWindowTitle(tr("Language"));
    mLanguages->setObjectName(QStringLiteral("cboLanguage"));
    mLanguages->addItem(tr("System language"), QString());
    // Each language by its own name, so that a player who cannot read this one still finds theirs.
    mLanguages->addItem(QStringLiteral("English"), QStringLiteral("en"));
    for (const QString& code : languages::shipped())
        mLanguages->addItem(languages::nativeName(code), code);
    const int current = mLanguages->findData(languages::chosen());
    mLanguages->setCurrentIndex(current < 0 ? 0 : current);

    auto* label = new QLabel(tr("&Language:"), this);
    label->setBuddy(mLanguages);
    auto* form = new QFormLayout;
    form->addRow(label, mLanguages);
    auto* note = new QLabel(tr("The new language takes effect the next time Varnick starts."), this);
    note->setObjectName(QStringLiteral("lblNextStart"));
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

void LanguageDialog::store() const
{
    languages::choose(mLanguages->currentData().toString());
}

} // namespace varnick
