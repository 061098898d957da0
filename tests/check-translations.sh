#!/usr/bin/env bash
# Fails when a shipped translation is incomplete: a text of the sources missing from a .ts file,
# a message left unfinished, or a message whose source text is gone. lupdate brings copies of the
# .ts files up to date with the sources; the shipped files pass when nothing would be left to do.
# Usage: check-translations.sh LUPDATE SOURCES_LIST TS_FOLDER [LUPDATE_OPTION]...
set -euo pipefail
lupdate=$1 list=$2 folder=$3
shift 3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$folder"/vormante_*.ts "$work"/
if ! "$lupdate" "$@" "@$list" -ts "$work"/vormante_*.ts >"$work/log" 2>&1; then
    cat "$work/log"
    exit 1
fi
# lupdate warns about texts it cannot read (tr() without a context, a variable as the text).
if grep -i 'warning' "$work/log"; then
    exit 1
fi

status=0
for ts in "$work"/vormante_*.ts; do
    name=$(basename "$ts")
    for kind in unfinished vanished obsolete; do
        count=$(grep -c "type=\"$kind\"" "$ts" || true)
        if [ "$count" -gt 0 ]; then
            echo "$name: $count $kind message(s), for example:"
            grep -B3 "type=\"$kind\"" "$ts" | grep '<source>' | head -5
            status=1
        fi
    done
    [ "$(grep -c '<message' "$ts")" -gt 0 ] || { echo "$name: no messages"; status=1; }
done
[ $status -eq 0 ] && echo "Every translation is complete: $(grep -c '<message' "$work"/vormante_de.ts) messages."
exit $status
