#include "app/editor/EditorControls.h"

#include "app/editor/core/NumericFields.h"
#include "app/platform/qt/TextBridge.h"

#include <QKeyEvent>
#include <QKeySequence>
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

namespace {

// A paste, too, holds what numericBoxHolds allows.
class NumberBoxText : public QValidator {
public:
    NumberBoxText(ObjectField field, QObject* parent)
        : QValidator(parent)
        , mField(field)
    {
    }
    State validate(QString& input, int&) const override
    {
        return numericBoxHolds(mField, text::toUtf8(input)) ? Acceptable : Invalid;
    }

private:
    ObjectField mField;
};

} // namespace

void NumberBoxKeys::install(QLineEdit* box, ObjectField field)
{
    box->setMaxLength(numericBoxLength(field));
    box->setAlignment(Qt::AlignRight);
    box->setValidator(new NumberBoxText(field, box));
    box->installEventFilter(new NumberBoxKeys(box));
}

bool NumberBoxKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    // Keys that do not become characters (arrows, Delete, Tab, Escape) work as usual.
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
    case Qt::Key_Escape:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Backspace:
        return false;
    default:
        break;
    }
    if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste))
        return false;
    const QString typed = key->text();
    if (typed.isEmpty())
        return false;
    // Ctrl+X, Ctrl+Z and other control characters, the minus sign, letters, Enter: discarded.
    if (key->modifiers() & Qt::ControlModifier)
        return true;
    return !numericKeyPasses(typed.at(0).unicode());
}

void appendEntries(QListWidget* list, std::span<const CategoryEntry> entries)
{
    for (const CategoryEntry& entry : entries) {
        auto* item = new QListWidgetItem(text::fromUtf8(entry.Text), list);
        item->setData(kEntryValueRole, static_cast<int>(entry.Value));
    }
}

} // namespace varnick
