#!/usr/bin/env bash
# Starts the real player with libmpv failing (mpv_failure_shim preloaded), on
# the X display and then on the offscreen platform: the user gets the message
# in the alert dialog, or on standard error where no window can be shown; no
# main window opens and the exit code is 1. English is preset so that the
# message can be checked. Exits 77 (skipped) while the main window builds no
# video display, so that no engine is asked for.
set -u
player=$1
src=$2
shim=$3
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export XDG_CONFIG_HOME=$home/config XDG_CACHE_HOME=$home/cache
mkdir -p "$home/config/T561" "$home/cache/TavrinPlayer"
printf '[General]\ng_settingKey_language=2\n' >"$home/config/T561/TavrinPlayer.conf"
printf '2026-01-01 00:00:00' >"$home/cache/TavrinPlayer/myapp.conf"
message="The video engine (libmpv) could not be started. Tavrin Player will close."
status=0
fail() { echo "$1"; status=1; }

run_failing() { # mode platform: starts the player in the background
  rm -f "$home/calls"
  env LD_PRELOAD="$shim" MPV_FAILURE_SHIM="$1" MPV_FAILURE_SHIM_LOG="$home/calls" QT_QPA_PLATFORM="$2" \
    "$player" >"$home/out" 2>"$home/err" &
  pid=$!
}

skip_without_engine() {
  if [ ! -s "$home/calls" ]; then
    echo "skipped: the main window builds no video display yet, so no engine is asked for"
    kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
    exit 77
  fi
}

finish() { # what: waits for the player to end by itself, checks its exit code
  for _ in $(seq 1 150); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    skip_without_engine
    fail "$1: the player did not end"; kill "$pid"
  fi
  wait "$pid"
  code=$?
  [ "$code" -eq 1 ] || fail "$1: exit code $code, not 1"
}

# On the X display: the alert dialog, titled by its translated window title.
run_failing create xcb
dialog=""
for _ in $(seq 1 300); do
  dialog=$(xdotool search --all --onlyvisible --pid "$pid" --name "^Dialog$" 2>/dev/null | head -n 1)
  [ -n "$dialog" ] && break
  if xdotool search --all --onlyvisible --pid "$pid" --name "^Tavrin Player" >/dev/null 2>&1; then
    skip_without_engine
    fail "the main window opened although the engine failed"
    break
  fi
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if [ -n "$dialog" ]; then
  [ -n "${ENGINE_FAILURE_SHOT:-}" ] && import -window root "$ENGINE_FAILURE_SHOT"
  grep -q "the player engine cannot start: .* shown in a dialog: \"$message\"" "$home/err" ||
    fail "dialog: the log does not name the message shown"
  python3 "$src/tools/x11/close_window.py" "$dialog"
else
  fail "dialog: no alert dialog appeared"
fi
finish dialog
grep -q "Tavrin Player" "$home/out" && fail "dialog: the message also went to the output"

# Offscreen: nothing can be seen, so the message goes to standard error.
run_failing initialize offscreen
finish "standard error"
grep -qx "$message" "$home/err" || fail "standard error: the message is missing"

[ $status -eq 0 ] || { echo "--- standard error:"; cat "$home/err"; }
exit $status
