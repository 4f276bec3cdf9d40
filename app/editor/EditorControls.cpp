#include "app/editor/EditorControls.h"

#include "app/editor/core/NumericFields.h"
#include "app/platform/qt/TextBridge.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QToolTip>

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

NumberBoxKeys::NumberBoxKeys(ObjectField field, QLineEdit* box)
    : QObject(box)
    , mField(field)
{
    setObjectName(QStringLiteral("numberBoxKeys"));
}

void NumberBoxKeys::install(QLineEdit* box, ObjectField field)
{
    box->setMaxLength(numericBoxLength(field));
    box->setAlignment(Qt::AlignRight);
    box->setValidator(new NumberBoxText(field, box));
    box->installEventFilter(new NumberBoxKeys(field, box));
    QObject::connect(box, &QLineEdit::editingFinished, box, [box] { settle(box); });
}

bool NumberBoxKeys::settle(QLineEdit* box)
{
    const auto* keys = box->findChild<NumberBoxKeys*>(QStringLiteral("numberBoxKeys"), Qt::FindDirectChildrenOnly);
    if (keys == nullptr)
        return false;
    const std::optional<std::string> written = numericWrittenText(keys->mField, text::toUtf8(box->text()));
    if (!written)
        return false;
    const NumericBox* numeric = numericBoxOf(keys->mField);
    const QString what = numeric ? text::translated("NumericFields", numeric->phrase)
                                 : QCoreApplication::translate("EditorControls", "This box");
    const QString note = QCoreApplication::translate("EditorControls", "%1 holds at most %2; %2 will be written.")
                             .arg(what, text::fromUtf8(*written));
    // The validator would refuse a text longer than the box takes; the written value never is.
    box->setText(text::fromUtf8(*written));
    box->setModified(true);
    box->setToolTip(note);
    QToolTip::showText(box->mapToGlobal(QPoint(0, box->height())), note, box);
    return true;
}

bool NumberBoxKeys::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    // A click into the box selects its whole text once the button is up,
    // unless the player dragged to select part of it.
    if (event->type() == QEvent::FocusIn && box != nullptr) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Tab, Backtab and a shortcut select it already (and a table's cell
        // editor opens selected); selecting later would swallow what is typed meanwhile.
        mSelectOnRelease = reason == Qt::MouseFocusReason;
        return false;
    }
    if (event->type() == QEvent::MouseButtonRelease && box != nullptr && mSelectOnRelease) {
        mSelectOnRelease = false;
        if (!box->hasSelectedText())
            QMetaObject::invokeMethod(box, &QLineEdit::selectAll, Qt::QueuedConnection);
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        return false;
    if (key->matches(QKeySequence::SelectAll))
        return false;
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
        auto* item = new QListWidgetItem(text::translated("CatalogLists", entry.text), list);
        item->setData(kEntryValueRole, static_cast<int>(entry.value));
    }
}

} // namespace varnick
