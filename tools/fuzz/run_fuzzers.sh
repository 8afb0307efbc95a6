#!/usr/bin/env bash
# Builds the libFuzzer targets of the GPS parsers with clang and the address
# and undefined-behaviour sanitizers (in build-fuzz/, apart from the normal
# build) and runs each for SECONDS.
#
# Usage: tools/fuzz/run_fuzzers.sh SECONDS [target...]
#   targets: mov_walk mp4_walk ts_scan track_line (default: all)
#   FUZZ_JOBS=2 runs two targets at a time (default 1).
# The corpus grows in build-fuzz/fuzz/corpus/<target>; crashes, leaks and
# time-outs are written to build-fuzz/fuzz/artifacts/ and fail the run.
set -euo pipefail
cd "$(dirname "$0")/../.."

seconds=${1:?usage: $0 SECONDS [target...]}
shift
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(mov_walk mp4_walk ts_scan track_line)
jobs=${FUZZ_JOBS:-1}

tools/install-deps.sh fuzz

build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVRIN_FUZZ=ON \
  -DTAVRIN_BUILD_TESTS=OFF -DTAVRIN_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target fuzz_make_seeds "${targets[@]/#/fuzz_}"

work=$build/fuzz
rm -rf "$work/seeds"
"$build/tests/fuzz/fuzz_make_seeds" "$work/seeds" >/dev/null
mkdir -p "$work/artifacts" "$work/logs"

run_one() {
  local t=$1
  mkdir -p "$work/corpus/$t"
  # -rss_limit_mb/-malloc_limit_mb: an input must never make the parser
  # allocate much more than its own size.
  nice "$build/tests/fuzz/fuzz_$t" "$work/corpus/$t" "$work/seeds/$t" \
    -dict=tests/fuzz/gps.dict -max_total_time="$seconds" -max_len=65536 -timeout=10 \
    -rss_limit_mb=1024 -malloc_limit_mb=64 -print_final_stats=1 \
    -artifact_prefix="$work/artifacts/$t-" >"$work/logs/$t.log" 2>&1
}

status=0
pids=()
names=()
for t in "${targets[@]}"; do
  run_one "$t" &
  pids+=($!)
  names+=("$t")
  if [ ${#pids[@]} -ge "$jobs" ]; then
    wait "${pids[0]}" || { echo "fuzz_${names[0]}: FAILED (see $work/logs/${names[0]}.log)"; status=1; }
    pids=("${pids[@]:1}")
    names=("${names[@]:1}")
  fi
done
for i in "${!pids[@]}"; do
  wait "${pids[$i]}" || { echo "fuzz_${names[$i]}: FAILED (see $work/logs/${names[$i]}.log)"; status=1; }
done

for t in "${targets[@]}"; do
  runs=$(grep -m1 'stat::number_of_executed_units' "$work/logs/$t.log" | awk '{print $2}')
  cov=$(grep 'cov:' "$work/logs/$t.log" | tail -1 | grep -o 'cov: [0-9]*' || true)
  echo "fuzz_$t: ${runs:-?} executions, ${cov:-cov: ?}, corpus $(ls "$work/corpus/$t" | wc -l) files"
done
ls "$work"/artifacts/ 2>/dev/null | sed 's/^/artifact: /'
exit $status
