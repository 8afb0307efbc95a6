#!/usr/bin/env python3
"""Prints one table of the benchmark figures against their targets.

Usage: bench_summary.py RESULTS_DIR
RESULTS_DIR holds what bench/run_all.sh collected: <program>.json (Google
Benchmark's JSON output), playback.txt (bench_playback's report), clip.txt
(bench_KoClipExport's report), soak.txt (bench/playback/run_soak.sh's) and routeclick.txt
(bench_KoTripNavigator's).
Times are medians over the repetitions, wall clock and CPU. The verdict
compares the CPU median with the target: on this shared machine other builds
stretch the wall clock, while the CPU time is the program's own cost. Exit
code 1 when a figure misses its target or a result is missing.
"""
import json
import re
import sys
from pathlib import Path

# (program, benchmark run name, what it measures, target in ms or None)
TIMED = [
    ("bench_gps_track", "extractToFile/0/real_time", "extract 1 h track, 'gps ' index box (built)", 10),
    ("bench_gps_track", "extractToFile/1/real_time", "extract 1 h track, MOV free-GPS (built)", 10),
    ("bench_gps_track", "extractToFile/2/real_time", "extract 1 h track, direct chunks (built)", 10),
    ("bench_gps_track", "parseTrackLines/real_time", "parse 3600 track lines into records", 10),
    ("bench_driving_events", "BM_DetectEvents/0", "driving events, 1 h track, 1/256 g", 5),
    ("bench_driving_events", "BM_DetectEvents/1", "driving events, 1 h track, 1/4096 g", 5),
    ("bench_driving_events", "BM_DetectEvents/2", "driving events, 1 h track, GPS speed only", 5),
    ("bench_driving_events", "BM_SummaryFromCache", "row summary from a 1 h track cache", None),
    ("bench_driving_events", "BM_NearestMomentTwoHourTrip", "nearest moment of a 2 h trip (route click)",
     None),
    ("bench_track_extraction", "BM_ExtractGpsIndexBox", "extract 1 h sample, 'gps ' index box", 10),
    ("bench_track_extraction", "BM_ExtractDirectChunks", "extract 1 h sample, direct chunks", 10),
    ("bench_track_extraction", "BM_ExtractFreeGpsChunks", "extract 1 h sample, MOV free-GPS", 10),
    ("bench_track_extraction", "BM_ExportGpx", "GPX export of 1 h (track-export)", None),
    ("bench_KoFileInfoModel", "BM_LoadGPS_First/0/iterations:5", "loadGPS first, index box", 30),
    ("bench_KoFileInfoModel", "BM_LoadGPS_First/1/iterations:5", "loadGPS first, direct chunks", 30),
    ("bench_KoFileInfoModel", "BM_LoadGPS_First/2/iterations:5", "loadGPS first, MOV free-GPS", 30),
    ("bench_KoFileInfoModel", "BM_LoadGPS_Cached/0/iterations:5", "loadGPS from cache, index box", 30),
    ("bench_KoFileInfoModel", "BM_LoadGPS_Cached/1/iterations:5", "loadGPS from cache, direct chunks", 30),
    ("bench_KoFileInfoModel", "BM_LoadGPS_Cached/2/iterations:5", "loadGPS from cache, MOV free-GPS", 30),
    ("bench_KoFileInfoModel", "BM_AddFolder_Listing/iterations:1", "add 3,000 files: models + grouping", 300),
    ("bench_KoFileInfoModel", "BM_AddFolder_PerPathExists/iterations:1", "the same, one exists() per candidate",
     None),
    ("bench_JXDeviceTreeView", "BM_PaintFiftyRows", "paint file list, 50 rows", 4),
    ("bench_KoGsensorWidget", "BM_PaintChart", "paint G-sensor chart, 1 h, cursor moved", 4),
    ("bench_KoGsensorWidget", "BM_PaintChartWithCurves", "paint G-sensor chart, 1 h, curves", 4),
    ("bench_KoMapBridge", "BM_TripScript", "map script of a 4 h trip (240 recordings)", 16),
]

# (program, benchmark run name, what it measures): the heap a loaded track
# holds and what is left of it once unloaded, in KiB (counters, no target).
TRACK_MEMORY = [
    ("bench_KoFileInfoModel", "BM_TrackMemory/0/iterations:3", "1 h track held in memory: loaded / unloaded"),
]

UNIT_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


def counters(path, name):
    """The counters of a run (its median aggregate, else the single run)."""
    try:
        data = json.loads(path.read_text())
    except (OSError, ValueError):
        return None
    found = None
    for b in data.get("benchmarks", []):
        if re.sub(r"/repeats:\d+", "", b.get("run_name", b.get("name"))) != name or b.get("error_occurred"):
            continue
        if b.get("aggregate_name") == "median" or (found is None and b.get("run_type", "iteration") == "iteration"):
            found = b
    return found


def medians(path):
    """Run name -> (wall ms, CPU ms): the median aggregate, else the single run."""
    found = {}
    try:
        data = json.loads(path.read_text())
    except (OSError, ValueError):
        return found
    for b in data.get("benchmarks", []):
        if b.get("error_occurred"):
            continue
        name = re.sub(r"/repeats:\d+", "", b.get("run_name", b.get("name")))
        scale = UNIT_MS.get(b.get("time_unit", "ns"), 1e-6)
        figures = (b["real_time"] * scale, b["cpu_time"] * scale)
        if b.get("aggregate_name") == "median":
            found[name] = figures
        elif b.get("run_type", "iteration") == "iteration":
            found.setdefault(name, figures)
    return found


def playback_rows(path):
    try:
        text = path.read_text()
    except OSError:
        return [("playback", "3 displays, 1080p30: dropped frames", "missing", "", "0", "MISSING"),
                ("playback", "CPU embedded / 3 standalone mpv", "missing", "", "<= 1.10", "MISSING")]
    drops = [int(a) + int(b) for a, b in re.findall(
        r"^embedded\s+\d.*frame-drop-count\s+(\d+)\s+decoder-frame-drop-count\s+(\d+)", text, re.M)]
    ratio = re.search(r"CPU ratio embedded / standalone: ([0-9.]+)", text)
    rows = []
    if len(drops) == 3:
        rows.append(("playback", "3 displays, 1080p30: dropped frames", " + ".join(map(str, drops)), "", "0",
                     "ok" if sum(drops) == 0 else "MISSED"))
    else:
        rows.append(("playback", "3 displays, 1080p30: dropped frames", "missing", "", "0", "MISSING"))
    if ratio:
        value = float(ratio.group(1))
        rows.append(("playback", "CPU embedded / 3 standalone mpv", "%.2f" % value, "", "<= 1.10",
                     "ok" if value <= 1.10 else "MISSED"))
    else:
        rows.append(("playback", "CPU embedded / 3 standalone mpv", "missing", "", "<= 1.10", "MISSING"))
    return rows


def clip_rows(path):
    try:
        text = path.read_text()
    except OSError:
        return [("clip", "stream copy 60 s, 3 x 1080p30", "missing", "", "< 2 s", "MISSING"),
                ("clip", "one video 1080p / plain ffmpeg", "missing", "", "<= 1.10", "MISSING")]
    rows = []
    copy = re.search(r"^stream copy: median ([0-9.]+) s wall .*?, ([0-9.]+) s CPU", text, re.M)
    if copy:
        wall, cpu = float(copy.group(1)), float(copy.group(2))
        rows.append(("clip", "stream copy 60 s, 3 x 1080p30", "%.2f s" % wall, "%.2f s" % cpu, "< 2 s",
                     "ok" if cpu < 2 else "MISSED"))
    else:
        rows.append(("clip", "stream copy 60 s, 3 x 1080p30", "missing", "", "< 2 s", "MISSING"))
    ratio = re.search(r"wall ratio ([0-9.]+) .*CPU ratio ([0-9.]+)", text)
    if ratio:
        wall, cpu = float(ratio.group(1)), float(ratio.group(2))
        rows.append(("clip", "one video 1080p / plain ffmpeg", "%.3f" % wall, "%.3f" % cpu, "<= 1.10",
                     "ok" if cpu <= 1.10 else "MISSED"))
    else:
        rows.append(("clip", "one video 1080p / plain ffmpeg", "missing", "", "<= 1.10", "MISSING"))
    return rows


def soak_rows(path):
    names = [("soak", "recordings started in order, no crash"), ("soak", "RSS growth, 10th to last recording"),
             ("soak", "open descriptors, 10th to last")]
    try:
        text = path.read_text()
    except OSError:
        return [n + ("missing", "", t, "MISSING") for n, t in zip(names, ("all", "<= 50 MB", "<= 0"))]
    rows = []
    started = re.search(r"^recordings started: (\d+) of (\d+), in the folder's order: (\w+)", text, re.M)
    ended = re.search(r"^crashed: (.*?); stalled: (\w+);", text, re.M)
    if started and ended:
        ok = started.group(1) == started.group(2) and started.group(3) == "yes" and ended.group(1) == "no" \
            and ended.group(2) == "no"
        rows.append(names[0] + ("%s of %s" % (started.group(1), started.group(2)), "", "all",
                                "ok" if ok else "MISSED"))
    else:
        rows.append(names[0] + ("missing", "", "all", "MISSING"))
    growth = re.search(r"^resident memory after (\d+) against after (\d+): (-?\d+) MB", text, re.M)
    if growth:
        value = int(growth.group(3))
        rows.append(names[1] + ("%d MB" % value, "", "<= 50 MB", "ok" if value <= 50 else "MISSED"))
    else:
        rows.append(names[1] + ("missing", "", "<= 50 MB", "MISSING"))
    fds = re.search(r"^descriptors after \d+ against after \d+: (-?\d+)", text, re.M)
    if fds:
        value = int(fds.group(1))
        rows.append(names[2] + ("%+d" % value, "", "<= 0", "ok" if value <= 0 else "MISSED"))
    else:
        rows.append(names[2] + ("missing", "", "<= 0", "MISSING"))
    return rows


def route_click_rows(path):
    """Click on the route to every display at the moment: wall clock only (an
    end-to-end latency across processes has no CPU figure of its own)."""
    what = "route click to every display at the moment (20)"
    try:
        text = path.read_text()
    except OSError:
        return [("route click", what, "missing", "", "< 300 ms", "MISSING")]
    found = re.search(r"^route click, all\s+\d+ clicks\s+median\s+([0-9.]+) ms\s+worst\s+([0-9.]+) ms", text, re.M)
    if not found:
        return [("route click", what, "missing", "", "< 300 ms", "MISSING")]
    median, worst = float(found.group(1)), float(found.group(2))
    return [("route click", what + ", median", "%.1f ms" % median, "", "< 300 ms",
             "ok" if median < 300 else "MISSED"),
            ("route click", what + ", worst", "%.1f ms" % worst, "", "< 300 ms",
             "ok" if worst < 300 else "MISSED")]


def main():
    results = Path(sys.argv[1])
    rows = []
    cache = {}
    for program, name, what, target in TIMED:
        if program not in cache:
            cache[program] = medians(results / (program + ".json"))
        figures = cache[program].get(name)
        target_text = "< %g ms" % target if target is not None else "-"
        if figures is None:
            rows.append((program, what, "missing", "", target_text, "MISSING"))
            continue
        wall, cpu = figures
        verdict = "-" if target is None else ("ok" if cpu < target else "MISSED")
        rows.append((program, what, "%.2f ms" % wall, "%.2f ms" % cpu, target_text, verdict))
    for program, name, what in TRACK_MEMORY:
        b = counters(results / (program + ".json"), name)
        if b is None or "held_KiB" not in b:
            rows.append((program, what, "missing", "", "-", "MISSING"))
        else:
            rows.append((program, what, "%.0f / %.0f KiB" % (b["held_KiB"], b["left_KiB"]), "", "-", "-"))
    if (results / "playback.skipped").exists():
        rows.append(("playback", "not run (--no-playback)", "", "", "", "-"))
    else:
        rows.extend(playback_rows(results / "playback.txt"))
    rows.extend(route_click_rows(results / "routeclick.txt"))
    if (results / "clip.skipped").exists():
        rows.append(("clip", "not run (--no-clip)", "", "", "", "-"))
    else:
        rows.extend(clip_rows(results / "clip.txt"))
    if (results / "soak.skipped").exists():
        rows.append(("soak", "not run (--no-soak)", "", "", "", "-"))
    else:
        rows.extend(soak_rows(results / "soak.txt"))

    header = ("program", "figure", "wall", "CPU", "target", "verdict")
    widths = [max(len(r[i]) for r in rows + [header]) for i in range(len(header))]
    line = lambda r: "  ".join(c.ljust(w) for c, w in zip(r, widths)).rstrip()
    print(line(header))
    print(line(tuple("-" * w for w in widths)))
    for r in rows:
        print(line(r))
    bad = [r for r in rows if r[5] in ("MISSED", "MISSING")]
    print("\n%d figures, %d with a target met, %d missed or missing" %
          (len(rows), sum(r[5] == "ok" for r in rows), len(bad)))
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
