#!/usr/bin/env bash
# Starts the real player on the X display, closes its window as a window
# manager would, and checks the exit code and what the first start left behind.
set -u
player=$1
src=$2
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export XDG_CONFIG_HOME=$home/config XDG_CACHE_HOME=$home/cache

# The debug lines too: they say what the program did.
QT_LOGGING_RULES="tavrin.*.debug=true" "$player" >"$home/log" 2>&1 &
pid=$!
window=""
for _ in $(seq 1 300); do
  window=$(xdotool search --all --pid "$pid" --name "^Tavrin Player" 2>/dev/null | head -n 1)
  [ -n "$window" ] && break
  sleep 0.1
done
if [ -z "$window" ]; then
  echo "the player's window did not appear"; cat "$home/log"; kill "$pid"; exit 1
fi
python3 "$src/tools/x11/close_window.py" "$window"
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  echo "the player did not end after its window was closed"; kill "$pid"; exit 1
fi
wait "$pid"
code=$?
status=0
[ "$code" -eq 0 ] || { echo "exit code $code"; status=1; }
grep -q '^g_settingKey_language=' "$home/config/T561/TavrinPlayer.conf" || { echo "language not stored"; status=1; }
[ "$(stat -c %s "$home/cache/TavrinPlayer/myapp.conf" 2>/dev/null)" = 19 ] || { echo "no 19-byte marker"; status=1; }
for line in "tavrin.app: first start: the settings are reset" "tavrin.app: load translate true" \
            "tavrin.app: the window is up"; do
  grep -q "^$line" "$home/log" || { echo "missing diagnostic line: $line"; status=1; }
done
[ $status -eq 0 ] || cat "$home/log"
exit $status
