#!/usr/bin/env python3
"""Times `barquill batch` against `zint --batch` making the same symbols as SVG files.

Four cases, each of --count distinct symbols:
- stacked: GS1 DataBar Stacked without text (zint draws none for it either);
- omni-outline: Omnidirectional with barquill's default text, OCR-B outlines, where zint writes
  its text as SVG text;
- omni-frame: Omnidirectional with the text as a text frame, SVG text on both sides;
- mix: every GS1 DataBar linear form without and with a CC-A or CC-B component, Expanded and
  Expanded Stacked, and GS1-128 for medical products, the DataBar text as text frames.
barquill gets one batch file with a job per symbol; zint gets one batch file per symbology and
option set (its batch mode takes one set of options per run, and one linear item per composite
run, so the composite groups share their item number in both). Per case, both runs are timed
side by side with hyperfine (alternating, the median reported), then each five times under
/usr/bin/time for its peak memory (the median); the files made and the bytes written are
counted. zint is single-threaded, so barquill runs with --jobs 1 unless told otherwise: the
figures are per core.
The files go to /dev/shm where the system has it, so that the disk does not time the runs.
Beside both sides, the same run times making as many files of barquill's average size and
nothing else (bench/write_floor, from barquill's build directory or --floor): whole at once, and
under a temporary name then renamed, as barquill writes them. That is the least any batch of
these files costs here, and what is left of a speed target after it.
A program's peak memory counts the pages of its code that are mapped, and how many a run maps
depends on how the program file sits in the page cache (a file just written by the linker maps
about 250 kB more than one read back from disk): --drop-caches (as root) empties the cache
before each side's memory runs, so that both read their code from the disk alike.

usage: bench/batch_vs_zint.py BARQUILL [--count N] [--runs N] [--jobs N] [--case NAME]...
                              [--keep DIR] [--drop-caches] [--floor WRITE_FLOOR]
"""

import argparse
import json
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile


def check_digit(digits):
    """The GS1 check digit of the digits that precede it."""
    total = sum(int(d) * (3 if i % 2 == 0 else 1) for i, d in enumerate(reversed(digits)))
    return str((10 - total % 10) % 10)


def item(rng, first_digits="0123456789"):
    return rng.choice(first_digits) + "".join(rng.choice("0123456789") for _ in range(12))


def lot(rng, length):
    return "".join(rng.choice("ABCDEFGHJKLMNPQRSTUVWXYZ0123456789") for _ in range(length))


class Mix:
    """The symbols, as barquill job lines and as zint groups of (options, data lines)."""

    def __init__(self):
        self.jobs = []
        self.zint_groups = {}

    def add(self, job, zint_options, zint_data):
        self.jobs.append("\t".join(job))
        self.zint_groups.setdefault(tuple(zint_options), []).append(zint_data)


DATABAR = [  # our type, zint symbology alone and with a component, zint's extra options
    ("omnidirectional", 29, 132, []),
    ("truncated", 29, 132, ["--height=13"]),
    ("stacked", 79, 137, []),
    ("stacked-omnidirectional", 80, 138, []),
    ("limited", 30, 133, []),
]


def build_single(count, rng, name, symbology, options):
    """count distinct symbols of one DataBar form with the same options on both sides."""
    mix = Mix()
    for _ in range(count):
        code = item(rng)
        mix.add(["databar", "--type", name, "--code", code] + options, ["-b", str(symbology)], code)
    return mix


def build_mix(count, rng, outline_text=False):
    mix = Mix()
    text = [] if outline_text else ["--text", "frame"]
    plain, cc_a, cc_b, expanded, stacked, gs1_128 = [
        max(1, round(count * share)) for share in (0.40, 0.20, 0.10, 0.10, 0.05)
    ] + [0]
    gs1_128 = count - plain - cc_a - cc_b - expanded - stacked

    for i in range(plain):
        name, symbology, _, extra = DATABAR[i % len(DATABAR)]
        code = item(rng, "01" if name == "limited" else "0123456789")
        mix.add(["databar", "--type", name, "--code", code] + text,
                ["-b", str(symbology)] + extra, code)

    for component, total in (("1", cc_a), ("2", cc_b)):
        primaries = {name: item(rng, "01") for name, *_ in DATABAR}
        for i in range(total):
            name, _, symbology, extra = DATABAR[i % len(DATABAR)]
            if component == "1":
                ais = [("17", "2%d%02d%02d" % (rng.randint(5, 9), rng.randint(1, 12), 28)),
                       ("10", lot(rng, rng.randint(3, 6)))]
            else:
                ais = [("10", lot(rng, 20)), ("21", lot(rng, 14)), ("240", lot(rng, 6))]
            ours = "".join("(%s)%s" % ai for ai in ais)
            theirs = "".join("[%s]%s" % ai for ai in ais)
            mix.add(["databar", "--type", name, "--code", primaries[name], "--cc", ours] + text,
                    ["-b", str(symbology), "--mode=" + component,
                     "--primary=" + primaries[name]] + extra, theirs)

    def expanded_ais():
        gtin = item(rng)
        ais = [("01", gtin + check_digit(gtin)),
               ("3103", "%06d" % rng.randint(1, 999999)),
               ("15", "2%d%02d%02d" % (rng.randint(5, 9), rng.randint(1, 12), 28))]
        if rng.random() < 0.5:
            ais.append(("10", lot(rng, rng.randint(2, 8))))
        return ais

    for segments, total in ((22, expanded), (4, stacked)):
        for _ in range(total):
            ais = expanded_ais()
            code = "".join("(%s)%s" % ai for ai in ais)
            data = "".join("[%s]%s" % ai for ai in ais)
            zint = ["-b", "31"] if segments == 22 else ["-b", "81", "--cols=%d" % (segments // 2)]
            mix.add(["expanded", "--code", code, "--segments", str(segments)], zint, data)

    for _ in range(gs1_128):
        gtin = item(rng)
        expiry = "2%d%02d%02d" % (rng.randint(5, 9), rng.randint(1, 12), 28)
        quantity = str(rng.randint(1, 9999))
        lot_number = lot(rng, rng.randint(1, 6))
        mix.add(["gs1-128", "--gtin", gtin, "--expiry", expiry, "--quantity", quantity,
                 "--lot", lot_number],
                ["-b", "16"],
                "[01]%s[17]%s[30]%s[10]%s" % (gtin + check_digit(gtin), expiry,
                                              quantity, lot_number))
    return mix


CASES = {
    "stacked": lambda count, rng: build_single(count, rng, "stacked", 79, ["--text", "none"]),
    "omni-outline": lambda count, rng: build_single(count, rng, "omnidirectional", 29, []),
    "omni-frame": lambda count, rng: build_single(count, rng, "omnidirectional", 29,
                                                  ["--text", "frame"]),
    "mix": build_mix,
}


# The speed each case is to reach, as zint's cpu time over barquill's.
SPEED_TARGETS = {"stacked": 2.0, "omni-outline": 1.5, "mix": 2.0}


def write_inputs(mix, directory):
    with open(os.path.join(directory, "jobs.txt"), "w") as jobs:
        jobs.write("\n".join(mix.jobs) + "\n")
    lines = ["#!/bin/sh", "set -e", 'out="$1"']
    for n, (options, data) in enumerate(mix.zint_groups.items()):
        name = os.path.join(directory, "zint-%02d.txt" % n)
        with open(name, "w") as group:
            group.write("\n".join(data) + "\n")
        lines.append("zint %s --batch -i %s --filetype=svg -o \"$out/g%02d-~~~~~.svg\" 2>/dev/null"
                     % (" ".join("'%s'" % o for o in options), name, n))
    script = os.path.join(directory, "zint-batch.sh")
    with open(script, "w") as runner:
        runner.write("\n".join(lines) + "\n")
    return os.path.join(directory, "jobs.txt"), script


def drop_caches():
    """Empties the page cache, so that the next program reads its code from the disk."""
    subprocess.run(["sync"], check=True)
    with open("/proc/sys/vm/drop_caches", "w") as caches:
        caches.write("3\n")


def peak_memory_kb(command, prepare, empty_cache, runs=5):
    """The largest resident set of the command or of any process it waited for: the median of
    several runs, each after `prepare`, since it moves by a few hundred kB from run to run."""
    if empty_cache:
        drop_caches()
    peaks = []
    for _ in range(runs):
        subprocess.run(prepare, shell=True, check=True)
        result = subprocess.run(["/usr/bin/time", "-f", "%M"] + command, capture_output=True,
                                text=True)
        lines = result.stderr.strip().splitlines()
        peaks.append(int(lines[-1]) if lines and lines[-1].isdigit() else -1)
    return sorted(peaks)[len(peaks) // 2]


def files_and_bytes(directory):
    names = [f for f in os.listdir(directory) if f.endswith(".svg")]
    return len(names), sum(os.path.getsize(os.path.join(directory, f)) for f in names)


def run_case(name, arguments, directory):
    case_dir = os.path.join(directory, name)
    os.makedirs(case_dir, exist_ok=True)
    jobs, zint_script = write_inputs(CASES[name](arguments.count, random.Random(11)), case_dir)
    ours_out = os.path.join(case_dir, "barquill-out")
    theirs_out = os.path.join(case_dir, "zint-out")
    ours = "%s batch %s -o %s --jobs %d" % (arguments.barquill, jobs, ours_out, arguments.jobs)
    theirs = "sh %s %s" % (zint_script, theirs_out)
    prepare = "rm -rf %s %s && mkdir -p %s %s" % (ours_out, theirs_out, ours_out, theirs_out)

    subprocess.run(prepare, shell=True, check=True)
    status = subprocess.run(ours, shell=True).returncode
    subprocess.run(theirs, shell=True, check=True)
    ours_files = files_and_bytes(ours_out)
    theirs_files = files_and_bytes(theirs_out)
    if status != 0:
        print("%s: barquill batch exited %d" % (name, status), file=sys.stderr)

    count, size = ours_files
    floor = "%s %s %d %d" % (arguments.floor, ours_out, count, size // max(count, 1))
    times = os.path.join(case_dir, "times.json")
    subprocess.run(["hyperfine", "--style", "basic", "--warmup", "1", "--runs", str(arguments.runs),
                    "--prepare", prepare, "--export-json", times,
                    "-n", "barquill batch", ours, "-n", "zint --batch", theirs,
                    "-n", "files renamed", floor + " --renamed", "-n", "files whole", floor],
                   check=True, stdout=subprocess.DEVNULL)
    with open(times) as results:
        measured = json.load(results)["results"]
    medians = [r["median"] for r in measured]
    processor = [r["user"] + r["system"] for r in measured]

    ours_memory = peak_memory_kb(ours.split(), prepare, arguments.drop_caches)
    theirs_memory = peak_memory_kb(["sh", zint_script, theirs_out], prepare,
                                   arguments.drop_caches)
    return {"case": name, "ours": medians[0], "zint": medians[1], "cpu": processor[0],
            "zint_cpu": processor[1], "floor_renamed": processor[2], "floor_whole": processor[3],
            "files": ours_files,
            "zint_files": theirs_files, "memory": ours_memory, "zint_memory": theirs_memory}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("barquill")
    parser.add_argument("--count", type=int, default=1000)
    parser.add_argument("--runs", type=int, default=10)
    parser.add_argument("--jobs", type=int, default=1, help="barquill's --jobs (default 1)")
    parser.add_argument("--case", action="append", choices=sorted(CASES),
                        help="a case to run (default: all)")
    parser.add_argument("--keep", help="keep the inputs and outputs in this directory")
    parser.add_argument("--drop-caches", action="store_true",
                        help="empty the page cache before each side's memory runs (root only)")
    parser.add_argument("--floor", help="bench/write_floor (default: beside barquill's build)")
    arguments = parser.parse_args()
    if not arguments.floor:
        build = os.path.dirname(os.path.dirname(os.path.abspath(arguments.barquill)))
        arguments.floor = os.path.join(build, "bench", "write_floor")
    if not os.access(arguments.floor, os.X_OK):
        parser.error("%s is not built (the target write_floor)" % arguments.floor)

    memory = "/dev/shm" if os.path.isdir("/dev/shm") else None
    directory = arguments.keep or tempfile.mkdtemp(prefix="barquill-batch-bench-", dir=memory)
    os.makedirs(directory, exist_ok=True)
    rows = [run_case(name, arguments, directory)
            for name in (arguments.case or ["stacked", "omni-outline", "omni-frame", "mix"])]
    with open("/proc/loadavg") as load:
        print("load average before the table: %s" % " ".join(load.read().split()[:3]))
    print("%d symbols per case, barquill --jobs %d, medians of %d alternating runs"
          % (arguments.count, arguments.jobs, arguments.runs))
    print("%-13s %19s %6s %19s %6s %11s %15s %6s %13s %6s"
          % ("case", "wall barquill/zint", "speed", "cpu barquill/zint", "speed", "files",
             "bytes", "size", "peak memory", "memory"))
    for row in rows:
        files, size = row["files"]
        zint_files, zint_size = row["zint_files"]
        print("%-13s %8.1f/%-7.1fms %5.2fx %8.1f/%-7.1fms %5.2fx %5d/%-5d %7.0fk/%-6.0fk %5.2fx "
              "%5.1f/%-5.1fMB %5.2fx"
              % (row["case"], row["ours"] * 1e3, row["zint"] * 1e3, row["zint"] / row["ours"],
                 row["cpu"] * 1e3, row["zint_cpu"] * 1e3, row["zint_cpu"] / row["cpu"],
                 files, zint_files, size / 1e3, zint_size / 1e3, size / max(zint_size, 1),
                 row["memory"] / 1e3, row["zint_memory"] / 1e3,
                 row["memory"] / max(row["zint_memory"], 1)))
    print("wall: median elapsed time; cpu: mean user + system time; speed: zint's / barquill's; "
          "size and memory: barquill's / zint's")
    print()
    print("%-13s %20s %18s %14s %6s %15s"
          % ("case", "files alone renamed", "files alone whole", "barquill rest", "target",
             "rest at target"))
    for row in rows:
        target = SPEED_TARGETS.get(row["case"])
        at_target = ("%12.1f ms" % ((row["zint_cpu"] / target - row["floor_renamed"]) * 1e3)
                     if target else "%15s" % "-")
        print("%-13s %17.1f ms %15.1f ms %11.1f ms %5s %s"
              % (row["case"], row["floor_renamed"] * 1e3, row["floor_whole"] * 1e3,
                 (row["cpu"] - row["floor_renamed"]) * 1e3,
                 "%.1fx" % target if target else "-", at_target))
    print("files alone: the cpu of making as many files as barquill's, as large, with nothing "
          "else; rest: barquill's cpu beyond its files renamed; rest at target: what the target "
          "leaves for everything but the files")
    if not arguments.keep:
        shutil.rmtree(directory)


if __name__ == "__main__":
    sys.exit(main())
