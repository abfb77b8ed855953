#!/usr/bin/python3
"""Turns one scripts/bench run into a table of the performance goals, prints
it and writes it under the hand-written introduction of docs/performance.md.

    report.py SCRATCH DOC

SCRATCH holds what the run measured: results.tsv (whole-process runs, see
measure.py), image_new.json and sampling.json (Google Benchmark output),
callgrind.tsv (case, steps, instructions) and notes.txt (one line per case
left out, with the reason).
"""
import json
import os
import platform
import subprocess
import sys
import time

MARKER = "<!-- Everything below this line is written by scripts/bench. -->"

# Goals: a ratio (ours / baseline) or an absolute bound.
IMAGEJ_RATIO = 0.10
RSS_PER_IMAGE_BYTE = 1.15
PNG_RATIO = 1.3
IMGNEW_MS = 50.0
BIGTIFF_MS = 200.0
BIGTIFF_RSS_MIB = 512.0
BIGTIFF_MAPPED_RATIO = 1.2  # the diagonal's pages cost what they cost a C reader
DRAG_INSTRUCTIONS = {"1000": 1.0e6, "4096": 3.0e6}
SAMPLING = [  # reading, plain loop, at most this many times the loop
    ("Row read, 4096 samples", "BM_Horizontal", "BM_PlainRow", 3.0),
    ("45-degree diagonal, 4096 samples", "BM_Diagonal45", "BM_PlainDiagonal45", 2.0),
    ("Band 512 x 1024, row by row", "BM_BandRowByRow", "BM_PlainBandMeanStd", 2.0),
]


def load_results(scratch):
    """{case: {label: (ms, rss KiB, image bytes, status)}} in the order measured."""
    results = {}
    path = os.path.join(scratch, "results.tsv")
    if not os.path.exists(path):
        return results
    for line in open(path):
        case, label, ms, rss, image_bytes, status, _ = line.rstrip("\n").split("\t")
        entry = (float(ms), int(rss), int(image_bytes), "ok") if status == "ok" else (None, None, int(image_bytes), status)
        results.setdefault(case, {})[label] = entry
    return results


def load_benchmarks(path):
    """{name: real time in ns} of a Google Benchmark JSON file (medians when repeated)."""
    if not os.path.exists(path):
        return {}
    times = {}
    scale = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}
    for b in json.load(open(path)).get("benchmarks", []):
        if b.get("error_occurred"):
            continue
        if b.get("run_type") == "aggregate" and b.get("aggregate_name") != "median":
            continue
        times[b["run_name"]] = b["real_time"] * scale[b.get("time_unit", "ns")]
    return times


def ms(v):
    return "n/a" if v is None else "%.1f ms" % v


def mib(kib):
    return "n/a" if kib is None else "%.0f MiB" % (kib / 1024.0)


REFERENCE = "-"  # a row with no goal, shown for comparison


def row(case, ours, baseline, ratio, goal, met):
    verdict = met if met == REFERENCE else "n/a" if met is None else "yes" if met else "**no**"
    return [case, ours, baseline, "n/a" if ratio is None else "%.2f" % ratio, goal, verdict]


def ratio_of(a, b):
    return None if a is None or b is None or b == 0 else a / b


FAILURES = []  # notes for the rows whose run failed
SCRATCH = ""  # left out of the messages kept, it changes every run


def status_cell(case, label, status):
    """The cell of a run that did not give a time: "failed", with its message kept for the notes."""
    if status.startswith("failed: "):
        FAILURES.append("%s, %s: %s" % (case, label, status[len("failed: "):].replace(SCRATCH + "/", "")))
        return "failed"
    return status


def file_rows(results):
    rows = []
    for case, runs in results.items():
        family = case.split("/")[0]
        if family not in ("tiff", "png"):
            continue
        name = " ".join(case.split("/")).replace("tiff", "TIFF", 1).replace("png", "PNG", 1)
        ours_ms, ours_rss, image_bytes, ours_status = runs.get("ours", (None, None, 0, "not run"))
        ours_text = ms(ours_ms) if ours_ms is not None else status_cell(case, "ours", ours_status)
        if family == "tiff":
            ij, _, _, ij_status = runs.get("imagej", (None, None, 0, "not run"))
            if ij is None:
                status_cell(case, "ImageJ", ij_status)
            r = ratio_of(ours_ms, ij)
            rows.append(row(name + ": time vs ImageJ", ours_text, ms(ij) if ij else "n/a", r,
                            "<= %.2fx" % IMAGEJ_RATIO, None if r is None else r <= IMAGEJ_RATIO))
            c = runs.get("c", (None,))[0]
            rows.append(row(name + ": time vs libtiff C", ours_text, ms(c), ratio_of(ours_ms, c), "(reference)", REFERENCE))
            r = ratio_of(ours_rss, image_bytes / 1024.0)
            rows.append(row(name + ": peak RSS vs image", mib(ours_rss), mib(image_bytes / 1024.0), r,
                            "<= %.2fx" % RSS_PER_IMAGE_BYTE, None if r is None else r <= RSS_PER_IMAGE_BYTE))
        else:
            c = runs.get("c", (None,))[0]
            r = ratio_of(ours_ms, c)
            rows.append(row(name + ": time vs libpng C", ours_text, ms(c), r, "<= %.1fx" % PNG_RATIO,
                            None if r is None else r <= PNG_RATIO))
    return rows


def imgnew_rows(results, benchmarks):
    rows = []
    for name, ns in benchmarks.items():
        if name.startswith("ImgNew/"):
            # Zeroed pixels of the same kind shown beside it: pages nobody wrote yet, so
            # nearly free, which makes a ratio meaningless; the goal is the time itself.
            t, blank = ns / 1e6, benchmarks.get("Blank/" + name.split("/")[1])
            blank = None if blank is None else blank / 1e6
            rows.append(row(name.replace("/", " ", 1) + " (in process)", ms(t), "blank " + ms(blank),
                            None, "< %.0f ms" % IMGNEW_MS, t < IMGNEW_MS))
    for case, runs in results.items():
        if not case.startswith("imgnew/"):
            continue
        ours, empty = runs.get("ours", (None,))[0], runs.get("empty", (None,))[0]
        t = None if ours is None or empty is None else ours - empty
        rows.append(row("ImgNew " + " ".join(case.split("/")[1:]) + " (whole process - empty)", ms(t),
                        "empty " + ms(empty), None, "< %.0f ms" % IMGNEW_MS, None if t is None else t < IMGNEW_MS))
    return rows


def bigtiff_rows(results):
    """The mapped big file: the open alone against a bound; the diagonal against
    a plain C reader of the same mapping (the same pages read, so the same
    page faults), in time and in resident pages."""
    rows = []
    label = "BigTIFF 60000 x 60000 16-bit"
    runs = results.get("bigtiff/open")
    if runs is not None:
        t, rss, image_bytes, status = runs.get("ours", (None, None, 0, "not run"))
        rows.append(row(label + ", open", ms(t) if t is not None else status_cell("bigtiff/open", "ours", status), "-",
                        None, "< %.0f ms" % BIGTIFF_MS, None if t is None else t < BIGTIFF_MS))
        rows.append(row(label + ", open: peak RSS", mib(rss), mib(image_bytes / 1024.0),
                        ratio_of(rss, image_bytes / 1024.0), "<= %.0f MiB" % BIGTIFF_RSS_MIB,
                        None if rss is None else rss / 1024.0 <= BIGTIFF_RSS_MIB))
    runs = results.get("bigtiff/diagonal")
    if runs is not None:
        t, rss, _, status = runs.get("ours", (None, None, 0, "not run"))
        ct, crss, _, cstatus = runs.get("c", (None, None, 0, "not run"))
        name = label + ", open + diagonal profile vs C reader of the mapping"
        # The open alone (its display range reads some 32 MiB of rows, which
        # the C reader has no need of) is taken off: what is left is the
        # profile's own reading of the same pages the C reader reads.
        opened = results.get("bigtiff/open", {}).get("ours", (None,))[0]
        profile = None if t is None or opened is None else t - opened
        ratio = ratio_of(profile, ct)
        rows.append(row(label + ", diagonal profile (open + profile less the open) vs C reader of the mapping: time",
                        ms(profile) if profile is not None else status_cell("bigtiff/diagonal", "ours", status),
                        ms(ct) if ct is not None else status_cell("bigtiff/diagonal", "c", cstatus), ratio,
                        "<= %.1fx" % BIGTIFF_MAPPED_RATIO, None if ratio is None else ratio <= BIGTIFF_MAPPED_RATIO))
        ratio = ratio_of(rss, crss)
        rows.append(row(name + ": peak RSS", mib(rss), mib(crss), ratio, "<= %.1fx" % BIGTIFF_MAPPED_RATIO,
                        None if ratio is None else ratio <= BIGTIFF_MAPPED_RATIO))
    return rows


def drag_rows(scratch):
    counts = {}
    path = os.path.join(scratch, "callgrind.tsv")
    if os.path.exists(path):
        for line in open(path):
            samples, steps, instructions = line.split()
            counts[(samples, int(steps))] = int(instructions)
    rows = []
    for samples, goal in DRAG_INSTRUCTIONS.items():
        runs = sorted(steps for s, steps in counts if s == samples)
        per_step = None
        if len(runs) == 2 and runs[0] == 0:
            per_step = (counts[(samples, runs[1])] - counts[(samples, 0)]) / runs[1]
        ours = "n/a" if per_step is None else "%.2f M instr" % (per_step / 1e6)
        rows.append(row("Drag step, RGB line of %s samples (callgrind)" % samples, ours, "-", None,
                        "<= %.0f M instr" % (goal / 1e6), None if per_step is None else per_step <= goal))
    return rows


def sampling_rows(benchmarks):
    rows = []
    for label, ours_name, plain_name, limit in SAMPLING:
        ours, plain = benchmarks.get(ours_name), benchmarks.get(plain_name)
        r = ratio_of(ours, plain)
        text = lambda ns: "n/a" if ns is None else "%.1f us" % (ns / 1e3)
        rows.append(row(label + " vs plain loop", text(ours), text(plain), r, "<= %.0fx" % limit,
                        None if r is None else r <= limit))
    return rows


def machine():
    model = "unknown CPU"
    for line in open("/proc/cpuinfo"):
        if line.startswith("model name"):
            model = line.split(":", 1)[1].strip()
            break
    memory = "?"
    for line in open("/proc/meminfo"):
        if line.startswith("MemTotal"):
            memory = "%.1f GiB" % (int(line.split()[1]) / 1024.0 / 1024.0)
    commit = subprocess.run(["git", "rev-parse", "--short", "HEAD"], capture_output=True, text=True).stdout.strip()
    # Other work on the machine stretches wall times; the load says how much there was.
    load = "load average %.1f" % os.getloadavg()[1]
    return "%d CPUs (%s), %s memory, %s, commit %s, %s UTC, %s" % (
        os.cpu_count(), model, memory, platform.platform(terse=True), commit or "?",
        time.strftime("%Y-%m-%d %H:%M", time.gmtime()), load)


def table(rows):
    heading = ["Case", "Ours", "Baseline", "Ratio", "Goal", "Met"]
    widths = [max(len(r[i]) for r in rows + [heading]) for i in range(len(heading))]
    line = lambda cells: "| " + " | ".join(c.ljust(w) for c, w in zip(cells, widths)) + " |"
    return "\n".join([line(heading), "|" + "|".join("-" * (w + 2) for w in widths) + "|"] + [line(r) for r in rows])


def main(scratch, doc):
    global SCRATCH
    SCRATCH = scratch.rstrip("/")
    results = load_results(scratch)
    benchmarks = load_benchmarks(os.path.join(scratch, "image_new.json"))
    benchmarks.update(load_benchmarks(os.path.join(scratch, "sampling.json")))
    rows = (file_rows(results) + imgnew_rows(results, benchmarks) + bigtiff_rows(results) + drag_rows(scratch)
            + sampling_rows(benchmarks))
    notes_path = os.path.join(scratch, "notes.txt")
    notes = open(notes_path).read().split("\n") if os.path.exists(notes_path) else []
    notes = [n for n in notes if n.strip()] + FAILURES
    text = table(rows)
    print(text)
    for n in notes:
        print("note: " + n)
    intro = open(doc).read().split(MARKER)[0] if os.path.exists(doc) else "# Performance\n\n"
    with open(doc + ".tmp", "w") as f:
        f.write(intro.rstrip("\n") + "\n\n" + MARKER + "\n\n")
        f.write("Measured on %s.\n\n" % machine())
        f.write(text + "\n")
        if notes:
            f.write("\n" + "\n".join("- " + n for n in notes) + "\n")
    os.replace(doc + ".tmp", doc)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
