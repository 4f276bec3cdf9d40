#!/usr/bin/env bash
# Collects the windows' texts from the sources into translations/*.ts with
# lupdate (Debian's qt6-l10n-tools), keeping what translators have written.
# Not part of the build; run it after changing a shown text, then translate
# what it marks unfinished. varnick_en.ts holds only the English plural forms
# ("%n object(s)" as "1 object", "2 objects").
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
[ -x "$lupdate" ] || lupdate=$(command -v lupdate) || {
    echo "error: lupdate not found; install qt6-l10n-tools" >&2
    exit 1
}
# The cores mark the texts a window shows with VARNICK_TRANSLATE_NOOP(context, text),
# and the package layer the templates of its failures with VARNICK_PHRASE(context, text).
aliases=QT_TRANSLATE_NOOP+=VARNICK_TRANSLATE_NOOP,QT_TRANSLATE_N_NOOP+=VARNICK_TRANSLATE_N_NOOP
aliases+=,QT_TRANSLATE_NOOP+=VARNICK_PHRASE,QT_TRANSLATE_N_NOOP+=VARNICK_PHRASE_N
options=(-I . -tr-function-alias "$aliases" -locations none -no-obsolete -silent)
languages=(de es fr pt_BR nl)
files=()
for language in "${languages[@]}"; do
    files+=("translations/varnick_$language.ts")
done
"$lupdate" "${options[@]}" app package -ts "${files[@]}"
"$lupdate" "${options[@]}" -pluralonly app package -ts translations/varnick_en.ts
