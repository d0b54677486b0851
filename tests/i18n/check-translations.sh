#!/usr/bin/env bash
# Every text the program says is marked for translation and translated: lupdate
# run over the code changes no translation file and leaves nothing unfinished, and
# no phrase in the code is left unmarked but the printed face's.
set -euo pipefail
lupdate=$1 source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$source"/i18n/*.ts "$work"/
"$lupdate" -no-obsolete -locations none "$source"/{readings,cli,print,app} -ts "$work"/*.ts > /dev/null 2>&1
status=0
complain() { echo "$*" >&2; status=1; }
for ts in "$source"/i18n/*.ts; do
    name=$(basename "$ts")
    diff -u "$ts" "$work/$name" || complain "$name: not what lupdate makes of the code; run the update_translations target"
    ! grep -q 'type="unfinished"\|<translation></translation>' "$ts" || complain "$name: has unfinished translations"
done
printed='"(Company Info|Error in [A-Za-z]+\(\)|d MMM yyyy)"'
if unmarked=$(grep -n -o 'QStringLiteral("[^"]*")' "$source"/{readings,cli,print,app}/*.cpp | grep -E '[A-Za-z]{2,} [A-Za-z]' | grep -v -E "$printed"); then
    complain "$(printf 'not marked for translation:\n%s' "$unmarked")"
fi
exit $status
