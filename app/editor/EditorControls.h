#pragma once

// Pieces of the catalog editor's controls that the single editor, its batch
// mode and the object table share: the name box's length rule, the number
// boxes' keys, and the filling of a list from a catalog vocabulary.

#include "app/editor/core/CatalogLists.h"
#include "package/ObjectDefinition.h"

#include <QObject>
#include <QValidator>

#include <span>

class QLineEdit;
class QListWidget;

namespace varnick {

/// The role under which a list item keeps its entry's item value.
inline constexpr int kEntryValueRole = Qt::UserRole;

/// The name box takes at most kNameMaxCharacters characters (code points, not
/// UTF-16 units). A longer loaded name stays editable: an edit that does not lengthen it passes.
class NameLengthValidator : public QValidator {
public:
    explicit NameLengthValidator(QLineEdit* box);
    State validate(QString& input, int& position) const override;

private:
    QLineEdit* mBox;
};

/// What every number box takes (numericBoxHolds, also for a paste): the
/// box's length, and of the typed keys digits, Backspace, copy and paste,
/// Select All and the keys that move or leave; other characters (letters, the
/// minus sign, Ctrl+X) are discarded. Return is not a character: it goes on to
/// the window (the dialog's default button, the table's end of editing).
/// Entering the box by click or Tab selects its whole text, so what is typed
/// replaces it; leaving it shows a number the field cannot hold as what will
/// be written, with a note at the box (settle).
class NumberBoxKeys : public QObject {
public:
    /// Makes box the number box of field: its length, right alignment and the key filter (owned by box).
    static void install(QLineEdit* box, ObjectField field);
    /// Puts the value a save writes into box when its number is more than the
    /// field holds, with a note at the box; true when it changed the text.
    /// Does nothing to a box that install() did not make.
    static bool settle(QLineEdit* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    NumberBoxKeys(ObjectField field, QLineEdit* box);
    ObjectField mField;
    bool mSelectOnRelease = false;
};

/// Appends one item per entry, its value under kEntryValueRole.
void appendEntries(QListWidget* list, std::span<const CategoryEntry> entries);

} // namespace varnick
