#include "app/platform/qt/AccessibleNames.h"

#include <QLabel>

namespace varnick {

QString withoutShortcutMark(const QString& caption)
{
    QString words;
    words.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&'))
                words += caption[++i];
            continue;
        }
        words += caption[i];
    }
    // A caption ends in a colon on the screen; it says nothing when read out.
    while (words.endsWith(QLatin1Char(':')))
        words.chop(1);
    return words.trimmed();
}

void setCaptionOf(QLabel* label, QWidget* widget)
{
    label->setBuddy(widget);
    if (widget != nullptr && widget->accessibleName().isEmpty())
        widget->setAccessibleName(withoutShortcutMark(label->text()));
}

} // namespace varnick
