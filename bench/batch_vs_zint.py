#!/usr/bin/env python3
"""Times `barquill batch` against `zint --batch` making the same mixed symbols as SVG files.

The mix: every GS1 DataBar linear form without and with a CC-A or CC-B component, Expanded and
Expanded Stacked, and GS1-128 for medical products. zint writes the human-readable text as SVG
text, so the DataBar jobs ask for a text frame as well (--outline-text keeps barquill's default,
the text drawn as OCR-B outlines, which writes several times the data). barquill gets one batch
file with a job per symbol; zint gets one batch file per symbology and option set (its batch
mode takes one set of options per run, and one linear item per composite run, so the composite
groups share their item number in both). Both runs are timed side by side with hyperfine, then
each once under /usr/bin/time -v for its peak memory. The files go to /dev/shm where the system
has it, so that the disk does not time the runs.

usage: bench/batch_vs_zint.py BARQUILL [--count N] [--runs N] [--jobs N] [--outline-text]
                              [--keep DIR]
"""

import argparse
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


def build_mix(count, rng, outline_text):
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


def peak_memory_kb(command):
    result = subprocess.run(["/usr/bin/time", "-v"] + command, capture_output=True, text=True)
    match = re.search(r"Maximum resident set size \(kbytes\): (\d+)", result.stderr)
    return int(match.group(1)) if match else -1


def count_files(directory):
    return len([f for f in os.listdir(directory) if f.endswith(".svg")])


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("barquill")
    parser.add_argument("--count", type=int, default=1000)
    parser.add_argument("--runs", type=int, default=10)
    parser.add_argument("--jobs", type=int, default=0, help="barquill's --jobs (default: cores)")
    parser.add_argument("--outline-text", action="store_true",
                        help="DataBar text as OCR-B outlines (barquill's default)")
    parser.add_argument("--keep", help="keep the inputs and outputs in this directory")
    arguments = parser.parse_args()

    memory = "/dev/shm" if os.path.isdir("/dev/shm") else None
    directory = arguments.keep or tempfile.mkdtemp(prefix="barquill-batch-bench-", dir=memory)
    os.makedirs(directory, exist_ok=True)
    jobs, zint_script = write_inputs(build_mix(arguments.count, random.Random(11), arguments.outline_text), directory)
    ours_out = os.path.join(directory, "barquill-out")
    theirs_out = os.path.join(directory, "zint-out")
    jobs_option = " --jobs %d" % arguments.jobs if arguments.jobs else ""
    ours = "%s batch %s -o %s%s" % (arguments.barquill, jobs, ours_out, jobs_option)
    theirs = "sh %s %s" % (zint_script, theirs_out)
    prepare = "rm -rf %s %s && mkdir -p %s %s" % (ours_out, theirs_out, ours_out, theirs_out)

    subprocess.run(prepare, shell=True, check=True)
    status = subprocess.run(ours, shell=True).returncode
    subprocess.run(theirs, shell=True, check=True)
    print("files: barquill %d (exit %d), zint %d"
          % (count_files(ours_out), status, count_files(theirs_out)))

    subprocess.run(["hyperfine", "--warmup", "1", "--runs", str(arguments.runs),
                    "--prepare", prepare, "--export-json", os.path.join(directory, "times.json"),
                    "-n", "barquill batch", ours, "-n", "zint --batch", theirs], check=True)

    subprocess.run(prepare, shell=True, check=True)
    print("peak memory: barquill %d kB" % peak_memory_kb(ours.split()))
    subprocess.run(prepare, shell=True, check=True)
    print("peak memory: zint (largest group) %d kB" % peak_memory_kb(["sh", zint_script, theirs_out]))
    if not arguments.keep:
        shutil.rmtree(directory)


if __name__ == "__main__":
    sys.exit(main())
