#!/usr/bin/env bash
# Keys typed on the X display (under a window manager) reach the Export clip
# dialog: a range typed into From and To, Return exports it, Escape closes the
# dialog. The dialog runs in tools/clip_preview, as the window opens it.
# Runs on a desktop of its own (tests/desktop/run_on_desktop.sh): windows of
# other tests cannot take the focus away.
# Usage: run_on_desktop.sh clip_dialog_keys.sh CLIP_PREVIEW SAMPLES_DIR
set -u
preview=$1
samples=$2
work=$(mktemp -d)
export XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
trap 'rm -rf "$work"' EXIT
"$preview" "$samples/2019_0523_143006_002B.MP4" --position 5 --folder "$work/clips" >"$work/log" 2>&1 &
pid=$!
fail() { echo "$1"; cat "$work/log"; kill "$pid" 2>/dev/null; exit 1; }

window=""
for _ in $(seq 1 200); do
  window=$(xdotool search --all --onlyvisible --pid "$pid" 2>/dev/null | head -n 1)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || fail "the dialog did not appear"
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
sleep 2 # the recording's length is read first; Export waits for it
xdotool key --clearmodifiers ctrl+a && xdotool type 3 && xdotool key Tab ctrl+a && xdotool type 8.5 &&
  xdotool key Return

clip=$work/clips/2019_0523_143005_001A_clip_0m03s-0m09s
for _ in $(seq 1 600); do
  [ -d "$clip" ] && break
  sleep 0.1
done
[ -d "$clip" ] || fail "no clip of 3 s to 8.5 s was written"
count=$(ls "$clip" | wc -l)
[ "$count" -eq 5 ] || fail "the clip holds $count files, not 3 channels with GPX and CSV"
duration=$(ffprobe -v error -show_entries format=duration -of csv=p=0 "$clip/2019_0523_143006_002B.MP4")
[ "$duration" = 5.500000 ] || fail "channel 2 lasts $duration s, not 5.5 s"

xdotool windowactivate --sync "$window" 2>/dev/null
xdotool key Escape
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "Escape did not close the dialog"
echo "the typed range was exported and Escape closed the dialog"
exit 0
