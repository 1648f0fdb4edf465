#!/usr/bin/env python3
"""Writes the seed corpus of every fuzz target, one directory per target under the given
directory, from the inputs the tests use. Each seed is the target's input: fields, one per line.

usage: fuzz/write_seeds.py OUTDIR
"""
import pathlib
import struct
import sys

ITEM = "2001234567890"
LIMITED_ITEM = "1501234567890"
COMPOSITES = ["(10)LOT1001", "(17)991231(10)LOT1001$(21)B", "(90)A1#B^2", "99" + "1" * 38,
              "99" + "1" * 46, "99" + "1" * 94, "$(10)A$$"]
ELEMENT_STRINGS = ["0112345678901231", "0198898765432106320201234515991231",
                   "0112345678901231" + "3103000123", "011234567890123110ABC#17991231",
                   "10abc-123#21XYZ", "3922" + "1234", "0100012345678905" + "10LOT12345",
                   "01" + "9" * 14 + "90" + "Z" * 30]
CODES = ["(01)98898765432106(3202)012345", "(01)12345678901231(17)011231(10)LOT1001",
         "(01)12345678901231(17)011231(30)5(10)LOT(21)S1(90)X(240)Y(250)Z",
         "(10)A\\(B\\)", "(10)ABCDEFGHIJKLMNOPQRST(21)SERIAL12345678", "(17)01123A", "(10)A)B",
         "(01)1234567890123", "(8005)123456(10)X"]


def lines(*fields):
    return "\n".join(str(f) for f in fields).encode()


def databar_seeds():
    lengths = ["0.353", "12", "0.353", "0.706", "0.353", "2.5"]
    for t in range(5):
        item = LIMITED_ITEM if t == 4 else ITEM
        yield lines(t, item, "", *lengths, 0, 5)
        for options, composite in enumerate(COMPOSITES):
            yield lines(t, item, composite, *lengths, 0, options)
    for segments in (2, 4, 8, 22):
        for text in ELEMENT_STRINGS:
            yield lines(5, text, "", *lengths, segments, 1, "(01)12345678901231", "(10)ABC")
        yield lines(5, ELEMENT_STRINGS[0], COMPOSITES[1], *lengths, segments, 8)
    yield lines(0, ITEM, "", "nan", "1e300", "-1", "0", "inf", "1e-300", 0, 15)


def composite_seeds():
    texts = ["10LOT1001", "1799123110LOT1001#21B", "90A1#B^2", "99" + "1" * 38, "99" + "1" * 46,
             "99" + "a" * 200, "11000100", "9031B", "90Q12#8004X", "A1234", "1#"]
    for columns in (2, 3, 4, 5):
        for text in texts:
            yield lines(columns, text)


def expanded_seeds():
    for segments in (2, 3, 4, 6, 22, 24):
        for text in ELEMENT_STRINGS:
            yield lines(text, segments, 0, "")
            yield lines(text, segments, 1, "10LOT1001#21B")


def code_text_seeds():
    rows = ["1", "", "1234567890123", "2", "", "991231", "0", "", "", "4", "", "LOT1",
            "3", "21", "A(B)", "0", "", "", "0", "", "", "0", "", ""]
    for code in CODES + [""]:
        yield lines(code, *rows)


def medical128_seeds():
    yield lines("1234567890123", "", "", "", 0, "17", 2, "")
    yield lines("1234567890123", "011231", "5", "LOT1001", 0, "17.000", 2, "")
    yield lines("1234567890123", "991231", "00012345", "lot-1", 1, "1", 5, "")
    yield lines("1234567890123", "", "7", "12345678901234567890", 2, "200", -1, "0.1")
    yield lines("1234567890123", "011231", "", "AB,C", 7, " 12mm", 9, "9.999")
    yield lines("123456789012", "01123A", "0", "a", 0, "500", 0, "")


def settings_record_seeds():
    texts = [b"0.353", b"12.002", b"0.353", b"0.706", b"0.353", b"2.471"]
    slots = b"".join(t.ljust(8, b"\0") for t in texts)
    databar = slots + struct.pack("<6i", 0, 1, 1, 1, 0, 0)
    expanded = slots[:40] + bytes(8) + struct.pack("<2i", 10, 1) + bytes(12) + struct.pack("<i", 0)
    yield databar
    yield expanded
    yield databar[:71]
    yield b"TYL Ver.2.0.0"
    yield struct.pack("<i", 3)


def options_seeds():
    yield lines("--type", "stacked", "--code", ITEM, "--cc=(10)A", "--text", "frame", "--dump")
    yield lines("--type=limited", "--code", LIMITED_ITEM, "-x", "0.5", "--no-fit-text", "-o",
                "out.svg", "--dpi", "300")
    yield lines("--text", "none", "--cc-text", "--help")
    yield lines("--fit-text", "--no-fit-text", "--type")


def gs1_seeds():
    # The reader is chosen by the first byte: even the internal form, odd the bracketed form.
    for text in ELEMENT_STRINGS:
        yield b"\0" + text.encode()
    for text in CODES + [c for c in COMPOSITES if c.startswith("(")]:
        yield b"\1" + text.encode()
    yield b"\1(01)98898765432107(3202)012345"
    yield b"\1(17)991332(11)000000(01)12345678901231(37)5"
    yield b"\1(8007)GB82WEST12345698765432(422)276(4300)A%2FB"


TARGETS = {
    "databar_fuzzer": databar_seeds,
    "composite_fuzzer": composite_seeds,
    "expanded_fuzzer": expanded_seeds,
    "code_text_fuzzer": code_text_seeds,
    "medical128_fuzzer": medical128_seeds,
    "settings_record_fuzzer": settings_record_seeds,
    "options_fuzzer": options_seeds,
    "gs1_fuzzer": gs1_seeds,
}


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    out = pathlib.Path(sys.argv[1])
    for target, seeds in TARGETS.items():
        directory = out / target
        directory.mkdir(parents=True, exist_ok=True)
        for i, seed in enumerate(seeds()):
            (directory / f"seed{i:03d}").write_bytes(seed)


if __name__ == "__main__":
    main()
