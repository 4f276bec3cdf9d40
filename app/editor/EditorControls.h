#pragma once

// Pieces of the catalog editor's controls that the single editor and its
// batch mode share: the name box's length rule and the filling of a list from
// a catalog vocabulary.

#include "app/editor/core/CatalogLists.h"

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

/// Appends one item per entry, its value under kEntryValueRole.
void appendEntries(QListWidget* list, std::span<const CategoryEntry> entries);

} // namespace varnick
