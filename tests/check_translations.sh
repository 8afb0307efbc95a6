#!/usr/bin/env bash
# Runs lupdate over the sources into copies of the eight translation files and
# fails when any text lacks a finished translation or a file lacks a text.
set -euo pipefail
src=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$src"/resources/translations/tr_*.ts "$work"/
dirs=()
for d in app gps library playback mainwindow widgets; do
  [ -d "$src/$d" ] && dirs+=("$src/$d")
done
"${LUPDATE:-lupdate}" -silent -locations none -no-obsolete "${dirs[@]}" -ts "$work"/tr_*.ts
status=0
count=$(ls "$work"/tr_*.ts | wc -l)
if [ "$count" -ne 8 ]; then echo "expected 8 translation files, found $count"; status=1; fi
for ts in "$work"/tr_*.ts; do
  out=$("${LRELEASE:-lrelease}" "$ts" -qm "$work/out.qm" 2>&1)
  if ! grep -q ' 0 unfinished' <<<"$out" || grep -q 'Ignored' <<<"$out"; then
    echo "$(basename "$ts"): $out"
    grep -B2 'type="unfinished"' "$ts" | grep '<source>' | head -20
    status=1
  fi
done
[ $status -eq 0 ] && echo "all translations complete"
exit $status
