#!/usr/bin/python3
"""Runs whole-process commands in alternating rounds and appends, for each,
the median wall time and the median peak resident set to a results file.

    measure.py RESULTS CASE REPEATS IMAGE_BYTES LABEL COMMAND [LABEL COMMAND ...]

COMMAND is one string split like a shell would (no shell runs it). Alternating
the programs round by round spreads the machine's other load over all of
them alike. A program that fails is recorded as failed with its message and
left out of later rounds. Lines of RESULTS are tab-separated:
case, label, wall ms, peak RSS KiB, image bytes, status, first output line.
"""
import os
import shlex
import statistics
import sys
import tempfile
import time


def run_measured(argv):
    """Wall seconds, the child's own peak RSS (KiB, from wait4), exit code and output."""
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        start = time.perf_counter()
        pid = os.fork()
        if pid == 0:
            os.dup2(out.fileno(), 1)
            os.dup2(err.fileno(), 2)
            try:
                os.execvp(argv[0], argv)
            finally:
                os._exit(127)
        _, status, usage = os.wait4(pid, 0)
        wall = time.perf_counter() - start
        out.seek(0)
        err.seek(0)
        return (wall, usage.ru_maxrss, os.waitstatus_to_exitcode(status),
                out.read().decode(errors="replace"), err.read().decode(errors="replace"))


def main(args):
    results, case, repeats, image_bytes = args[0], args[1], int(args[2]), args[3]
    programs = [(args[i], shlex.split(args[i + 1])) for i in range(4, len(args), 2)]
    walls = {label: [] for label, _ in programs}
    rss = {label: [] for label, _ in programs}
    failed, first_line = {}, {}
    for _ in range(repeats):
        for label, argv in programs:
            if label in failed:
                continue
            wall, peak, code, out, err = run_measured(argv)
            if code != 0:
                message = (err.strip().splitlines() or ["exit status %d" % code])[-1]
                failed[label] = "failed: " + message.replace("\t", " ")[:120]
                continue
            walls[label].append(wall * 1000.0)
            rss[label].append(peak)
            first_line[label] = (out.strip().splitlines() or [""])[-1]
    with open(results, "a") as f:
        for label, _ in programs:
            if label in failed:
                f.write("\t".join([case, label, "", "", image_bytes, failed[label], ""]) + "\n")
                continue
            f.write("\t".join([case, label, "%.1f" % statistics.median(walls[label]),
                               "%d" % statistics.median(rss[label]), image_bytes, "ok",
                               first_line[label]]) + "\n")
            print("  %-28s %-8s %8.1f ms %9d KiB  %s" % (case, label, statistics.median(walls[label]),
                                                        statistics.median(rss[label]), first_line[label]))
        for label, why in failed.items():
            print("  %-28s %-8s %s" % (case, label, why))


if __name__ == "__main__":
    main(sys.argv[1:])
