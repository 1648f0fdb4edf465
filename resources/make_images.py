#!/usr/bin/env python3
"""Draws the plug-in's images: the panel icon (PNG) and the two 18 x 18 button bitmaps (BMP).

Usage: make_images.py OUTPUT_DIRECTORY
"""
import pathlib
import struct
import sys
import zlib

INK = (43, 62, 96)  # the panels' button text colour
BUTTON_FACE = (180, 203, 233)  # the panels' button background
BUTTON_SIZE = 18
ICON_SIZE = 24


def png(width, height, rgba_rows):
    """A truecolour-with-alpha PNG from rows of (r, g, b, a) tuples."""

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = b"".join(b"\x00" + bytes(c for pixel in row for c in pixel) for row in rgba_rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def bmp(rgb_rows):
    """A 24-bit bottom-up Windows BMP file with a 40-byte information header."""
    height = len(rgb_rows)
    width = len(rgb_rows[0])
    stride = (width * 3 + 3) & ~3
    pixels = b""
    for row in reversed(rgb_rows):
        line = bytes(c for r, g, b in row for c in (b, g, r))
        pixels += line + b"\x00" * (stride - len(line))
    offset = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info_header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835,
                              2835, 0, 0)
    return file_header + info_header + pixels


def canvas(size, colour):
    return [[colour] * size for _ in range(size)]


def barcode_icon():
    """Bars of a barcode with a gap below them for the human-readable line."""
    clear = (0, 0, 0, 0)
    ink = INK + (255,)
    rows = canvas(ICON_SIZE, clear)
    widths = [2, 1, 1, 2, 1, 1, 3, 1, 1, 2, 1, 1, 2]  # bar, space, bar, ... left to right
    x = 2
    for index, width in enumerate(widths):
        for column in range(x, x + width):
            for y in range(3, 17):
                if index % 2 == 0:
                    rows[y][column] = ink
        x += width
    for column in range(4, 20, 2):  # the digits underneath, as dots
        rows[19][column] = rows[20][column] = ink
    return rows


def clear_button():
    """A cross: the field is emptied."""
    rows = canvas(BUTTON_SIZE, BUTTON_FACE)
    last = BUTTON_SIZE - 1
    for y in range(4, last - 3):
        for x in range(4, last - 3):
            if abs(x - y) <= 1 or abs(x - (last - y)) <= 1:
                rows[y][x] = INK
    return rows


def input_button():
    """An arrow down into a tray: a value is entered."""
    rows = canvas(BUTTON_SIZE, BUTTON_FACE)
    for y in range(2, 10):  # stem
        rows[y][8] = rows[y][9] = INK
    for step in range(4):  # head
        for x in range(5 + step, 13 - step):
            rows[9 + step][x] = INK
    for x in range(3, 15):  # tray
        rows[15][x] = INK
    for y in range(12, 16):
        rows[y][3] = rows[y][14] = INK
    return rows


def main():
    out = pathlib.Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    (out / "panel_icon.png").write_bytes(png(ICON_SIZE, ICON_SIZE, barcode_icon()))
    (out / "bmp_clear.bmp").write_bytes(bmp(clear_button()))
    (out / "bmp_input.bmp").write_bytes(bmp(input_button()))


if __name__ == "__main__":
    main()
