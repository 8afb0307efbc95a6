#!/usr/bin/env bash
# Soak: a day of short recordings played through by the automatic advance.
#
# Makes the sample maker's soak set (300 recordings of 2 s: three-channel and
# one-channel in every layout, without a track, damaged ones; about 90 s the
# first time) into <build dir>/soak-samples (soak-samples-N for another
# number), starts the real player on a
# desktop of its own (virtual X display with openbox) with the folder and its
# first file, turns the speed up to 8x with the "]" key and lets it play the
# folder to its end. Every 50 recordings (and after the 10th and the last) it
# prints the player's resident memory (VmRSS, and the anonymous part of it),
# its open descriptors and the memory of the web engine's helper processes.
# At the end: the recordings started and whether in the folder's order, the
# channels that could not play, and whether the player crashed or stalled.
#
# Usage: bench/playback/run_soak.sh [build dir] [--recordings N] [--every N]
#
# The sound goes to ALSA's null device, so that the recordings with a sound
# track run their sound output as on a machine with a sound card.
# Exit code 1 when a recording was not started in order, the player crashed
# or stalled, or memory after the last recording is more than 50 MB above
# its value after the 10th, or the descriptors are not back to theirs.
set -euo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
build=$src/build
recordings=300
every=50
args=("$@")
while [ $# -gt 0 ]; do
  case $1 in
    --recordings) recordings=$2; shift 2 ;;
    --every) every=$2; shift 2 ;;
    -h|--help) sed -n '2,22p' "$0"; exit 0 ;;
    *) build=$(cd "$1" && pwd); shift ;;
  esac
done

case $recordings$every in *[!0-9]*) echo "--recordings and --every want numbers" >&2; exit 2 ;; esac
[ "$recordings" -ge 10 ] && [ "$every" -ge 1 ] || { echo "at least 10 recordings" >&2; exit 2; }
# A folder per size of the set: the player is given the whole folder.
samples=$build/soak-samples
[ "$recordings" -eq 300 ] || samples=$build/soak-samples-$recordings
if [ -z "${TAVRIN_SOAK_DESKTOP:-}" ]; then
  "$build/tools/samples/tavrin-make-samples" "$samples" --set soak --recordings "$recordings" >/dev/null
  TAVRIN_SOAK_DESKTOP=1 exec bash "$src/tests/desktop/run_on_desktop.sh" "$0" "${args[@]}"
fi
player=$build/TavrinPlayer

# The first file of each recording, in the folder's order: channel A.
mapfile -t expected < <(awk -F'\t' '!/^#/ && $4 == "A" { print $1 }' "$samples/manifest.tsv")
total=${#expected[@]}

work=$(mktemp -d)
mkdir -p "$work/home" "$work/config" "$work/cache" "$work/data"
printf 'pcm.!default {\n  type null\n}\nctl.!default {\n  type hw\n  card 0\n}\n' >"$work/asound.conf"
log=$work/player.log
pid=""
cleanup() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill "$pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# TAVRIN_SOAK_LAUNCHER runs the player under a tool, for instance
# TAVRIN_SOAK_LAUNCHER="heaptrack -o /tmp/soak" to see where memory goes.
read -r -a launcher <<<"${TAVRIN_SOAK_LAUNCHER:-}"
HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache XDG_DATA_HOME=$work/data \
  ALSA_CONFIG_PATH=$work/asound.conf QT_LOGGING_RULES="tavrin.playback.debug=true" \
  "${launcher[@]}" "$player" "$samples" "$samples/${expected[0]}" >"$log" 2>&1 &
pid=$!
if [ ${#launcher[@]} -gt 0 ]; then
  # The figures are the player's own, not the launcher's.
  launched=$pid
  for _ in $(seq 1 200); do
    queue=("$launched")
    while [ ${#queue[@]} -gt 0 ]; do
      p=${queue[0]}
      queue=("${queue[@]:1}")
      if [ "$(cat "/proc/$p/comm" 2>/dev/null)" = TavrinPlayer ]; then pid=$p; break 2; fi
      mapfile -t -O "${#queue[@]}" queue < <(pgrep -P "$p" || true)
    done
    sleep 0.1
  done
fi

kib() { awk -v k="$1" '$1 == k":" { print $2 }' "/proc/$pid/status" 2>/dev/null; }
# Resident memory of the player's helper processes (the web engine's), in KiB.
helpers_kib() {
  local sum=0 child rss
  for child in $(pgrep -P "$pid" 2>/dev/null) $(for c in $(pgrep -P "$pid" 2>/dev/null); do pgrep -P "$c"; done); do
    rss=$(awk '$1 == "VmRSS:" { print $2 }' "/proc/$child/status" 2>/dev/null || echo 0)
    sum=$((sum + ${rss:-0}))
  done
  echo "$sum"
}
start_ns=$(date +%s%N)
declare -A rss_at anon_at fds_at web_at time_at cpu_at
ticks=$(getconf CLK_TCK)
sample() {
  rss_at[$1]=$(kib VmRSS)
  anon_at[$1]=$(kib RssAnon)
  fds_at[$1]=$(ls "/proc/$pid/fd" 2>/dev/null | wc -l)
  web_at[$1]=$(helpers_kib)
  time_at[$1]=$((($(date +%s%N) - start_ns) / 1000000000))
  # User and system time: fields 14 and 15 after the command's parentheses.
  cpu_at[$1]=$(sed 's/.*) //' "/proc/$pid/stat" 2>/dev/null | awk -v t="$ticks" '{ print int(($12 + $13) / t) }')
}

started=0
ended=0
in_order=yes
failed_channels=0
stalled=no
sped_up=no
marks=(10)
for ((m = every; m <= total; m += every)); do marks+=("$m"); done
[ "${marks[-1]}" -eq "$total" ] || marks+=("$total")
is_mark() { local m; for m in "${marks[@]}"; do [ "$m" -eq "$1" ] && return 0; done; return 1; }

speed_up() {
  local window="" _
  for _ in $(seq 1 100); do
    window=$(xdotool search --all --onlyvisible --pid "$pid" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || return 1
  xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
  # 1x -> 1.5x -> 2x -> 4x -> 8x
  for _ in 1 2 3 4; do xdotool key bracketright; sleep 0.1; done
}

# Reads the player's log as it is written; a minute without a recording
# starting or ending is a stall.
while true; do
  if ! IFS= read -r -t 60 line; then
    kill -0 "$pid" 2>/dev/null && stalled=yes
    break
  fi
  case $line in
    *"tavrin.playback: display 1 plays "*)
      name=${line##* plays }
      if [ "$started" -ge "$total" ] || [ "$name" != "${expected[$started]}" ]; then
        [ "$in_order" = yes ] && echo "recording $((started + 1)) started as $name, not ${expected[$started]:-none}"
        in_order=no
      fi
      started=$((started + 1))
      if [ "$sped_up" = no ]; then
        speed_up && sped_up=yes
      fi
      ;;
    *"tavrin.playback: display "*" cannot play "*)
      failed_channels=$((failed_channels + 1))
      ;;
    *"end of the recording;"*)
      ended=$((ended + 1))
      if is_mark "$ended"; then
        sample "$ended"
        printf 'after %4d recordings: %4d MB resident (%4d MB anonymous), %3d descriptors, web helpers %4d MB, %4d s (%d s CPU)\n' \
          "$ended" $((rss_at[$ended] / 1024)) $((anon_at[$ended] / 1024)) "${fds_at[$ended]}" \
          $((web_at[$ended] / 1024)) "${time_at[$ended]}" "${cpu_at[$ended]}"
      fi
      [ "$ended" -ge "$total" ] && break
      [[ $line == *"nothing follows"* ]] && break
      ;;
  esac
done < <(tail -n +1 -f --pid="$pid" "$log")

crashed=no
status=""
if kill -0 "$pid" 2>/dev/null; then
  # The last recording has stopped: the player at rest.
  sleep 3
  sample idle
  printf 'at rest, 3 s later:     %4d MB resident (%4d MB anonymous), %3d descriptors, web helpers %4d MB\n' \
    $((rss_at[idle] / 1024)) $((anon_at[idle] / 1024)) "${fds_at[idle]}" $((web_at[idle] / 1024))
  kill "$pid"
  wait "$pid" 2>/dev/null || true
else
  wait "$pid" && status=0 || status=$?
  crashed="yes (exit status $status)"
  echo "the player ended by itself; the end of its log:"
  tail -n 20 "$log"
fi
pid=""

elapsed=$((($(date +%s%N) - start_ns) / 1000000000))
echo
echo "recordings started: $started of $total, in the folder's order: $in_order"
echo "recordings ended: $ended; channels that could not play: $failed_channels; speed raised to 8x: $sped_up"
echo "crashed: $crashed; stalled: $stalled; $elapsed s in all"

verdict=0
first=10 last=$total
if [ -n "${rss_at[$first]:-}" ] && [ -n "${rss_at[$last]:-}" ]; then
  growth=$(((rss_at[$last] - rss_at[$first]) / 1024))
  fd_change=$((fds_at[$last] - fds_at[$first]))
  echo "resident memory after $last against after $first: $growth MB (target within 50 MB)"
  echo "descriptors after $last against after $first: $fd_change (target 0)"
  [ "$growth" -le 50 ] && [ "$fd_change" -le 0 ] || verdict=1
else
  echo "no figures after the ${first}th and the ${last}th recording"
  verdict=1
fi
[ "$started" -eq "$total" ] && [ "$in_order" = yes ] && [ "$crashed" = no ] && [ "$stalled" = no ] || verdict=1
exit $verdict
