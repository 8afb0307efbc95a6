#!/usr/bin/env bash
# Builds every benchmark, runs each one and prints one table of the figures
# against their targets (bench/bench_summary.py). The raw output of each
# program stays in <build dir>/bench-results/.
#
# Usage: bench/run_all.sh [build dir] [--playback-seconds N] [--no-playback] [--no-clip] [--no-soak]
#
# The first run makes the sample recordings (the one-hour set in seconds, the
# 1080p set for the playback and clip benchmarks in about 3 minutes). The clip
# benchmark encodes the 60 s of that recording twice as one video and takes
# some minutes; --no-clip leaves it out. The soak plays 300 short recordings
# in the real player (about 3 minutes, and 90 s to make them the first time);
# --no-soak leaves it out. The playback
# benchmark plays 2 x N seconds (default 30); it needs an X display and runs
# on a virtual one when there is none. The exit code is 1 when a figure misses
# its target.
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
build=$src/build
seconds=30
playback=1
clip=1
soak=1
while [ $# -gt 0 ]; do
  case $1 in
    --playback-seconds) seconds=$2; shift 2 ;;
    --no-playback) playback=0; shift ;;
    --no-clip) clip=0; shift ;;
    --no-soak) soak=0; shift ;;
    -h|--help) sed -n '2,16p' "$0"; exit 0 ;;
    *) build=$(cd "$1" && pwd); shift ;;
  esac
done

gbench=(gps/bench_gps_track gps/bench_driving_events tools/bench_track_extraction library/bench_KoFileInfoModel
        library/bench_JXDeviceTreeView widgets/bench_KoGsensorWidget mainwindow/bench_KoMapBridge)
if ! grep -q '^benchmark_DIR:PATH=/' "$build/CMakeCache.txt" 2>/dev/null; then
  echo "Google Benchmark was not found when $build was configured (Debian: libbenchmark-dev)" >&2
  exit 2
fi
targets=(tavrin-make-samples bench_playback bench_KoClipExport TavrinPlayer bench_KoTripNavigator)
for b in "${gbench[@]}"; do targets+=("$(basename "$b")"); done
cmake --build "$build" -j2 --target "${targets[@]}"

results=$build/bench-results
rm -rf "$results"
mkdir -p "$results"
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
for b in "${gbench[@]}"; do
  name=$(basename "$b")
  echo "running $name ..."
  "$build/bench/$b" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_out="$results/$name.json" --benchmark_out_format=json >"$results/$name.txt" 2>&1 ||
    echo "$name failed, see $results/$name.txt"
done
if [ $playback -eq 1 ]; then
  echo "running bench_playback ($seconds s per side) ..."
  "$src/bench/playback/run_bench.sh" "$build" "$seconds" >"$results/playback.txt" 2>&1 ||
    echo "bench_playback failed, see $results/playback.txt"
else
  touch "$results/playback.skipped"
fi
echo "running bench_KoTripNavigator (20 clicks on the route in the window) ..."
bash "$src/tests/desktop/run_on_desktop.sh" "$build/bench_KoTripNavigator" >"$results/routeclick.txt" 2>&1 ||
  echo "bench_KoTripNavigator missed its target or failed, see $results/routeclick.txt"
if [ $clip -eq 1 ]; then
  echo "running bench_KoClipExport ..."
  "$build/bench/library/bench_KoClipExport" >"$results/clip.txt" 2>&1 ||
    echo "bench_KoClipExport missed a target or failed, see $results/clip.txt"
else
  touch "$results/clip.skipped"
fi
if [ $soak -eq 1 ]; then
  echo "running the soak (300 recordings) ..."
  "$src/bench/playback/run_soak.sh" "$build" >"$results/soak.txt" 2>&1 ||
    echo "the soak missed a target or failed, see $results/soak.txt"
else
  touch "$results/soak.skipped"
fi
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
echo
python3 "$src/bench/bench_summary.py" "$results"
