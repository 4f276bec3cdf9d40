#include "app/editor/EditorControls.h"

#include "app/editor/core/NumericFields.h"
#include "app/platform/qt/TextBridge.h"

#include <QLineEdit>
#include <QListWidget>

namespace varnick {

NameLengthValidator::NameLengthValidator(QLineEdit* box)
    : QValidator(box)
    , mBox(box)
{
}

QValidator::State NameLengthValidator::validate(QString& input, int&) const
{
    const qsizetype length = input.toUcs4().size();
    if (length <= static_cast<qsizetype>(kNameMaxCharacters) || length <= mBox->text().toUcs4().size())
        return Acceptable;
    return Invalid;
}

void appendEntries(QListWidget* list, std::span<const CategoryEntry> entries)
{
    for (const CategoryEntry& entry : entries) {
        auto* item = new QListWidgetItem(text::fromUtf8(entry.Text), list);
        item->setData(kEntryValueRole, static_cast<int>(entry.Value));
    }
}

} // namespace varnick
