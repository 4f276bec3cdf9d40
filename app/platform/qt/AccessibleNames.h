#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace varnick {

/// A caption's words as a screen reader should say them: without the "&" that marks
/// its shortcut letter ("&&" stays one "&").
QString withoutShortcutMark(const QString& caption);

/// Makes label the caption of widget: its shortcut moves the focus there, and its words
/// become widget's accessible name. Qt names line edits and buttons after their buddy
/// label but not lists, trees or tab widgets, which would otherwise be read out nameless.
void setCaptionOf(QLabel* label, QWidget* widget);

} // namespace varnick
