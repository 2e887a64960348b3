#!/usr/bin/env python3
"""Writes a stand-in "game look" of our own: a PNG for every texture the menu
draws (names from `qdt_preview --list-textures` on standard input) and a
backdrop, so that --textures and --backdrop can be shown without anything of
the game's.

    qdt_preview --list-textures | make_demo_look.py DIR
    qdt_preview --textures DIR --backdrop DIR/backdrop.png
"""
import math
import pathlib
import struct
import sys
import zlib


def write_png(path, width, height, pixel):
    """pixel(x, y) gives (r, g, b, a), each 0..255."""
    rows = b"".join(
        b"\0" + bytes(c for x in range(width) for c in pixel(x, y)) for y in range(height))

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(b"\x89PNG\r\n\x1a\n" +
                     chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)) +
                     chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def paper(x, y):
    grain = int(18 * math.sin(x * 0.9 + y * 0.3) * math.sin(y * 1.7))
    return (205 + grain, 190 + grain, 160 + grain, 255)


def ink(x, y):
    fade = 255 - min(255, abs(y - 32) * 8)
    return (40, 30, 25, fade)


def gold_frame(x, y):
    edge = min(x, y, 63 - x, 63 - y)
    return (200, 160, 70, 255) if edge < 4 else (120, 20, 20, 230)


def pattern_for(name):
    if name.endswith(("inkroller_1a", "selection_box_bg_1c")):
        return paper
    if name.endswith("menu_header_1a"):
        return gold_frame
    return ink


def backdrop(x, y):
    if y < 200:  # sky over hills
        return (90 + y // 4, 130 + y // 5, 180, 255)
    hill = 40 * math.sin(x / 60)
    return (60, 110 + int(hill / 2), 45, 255) if y > 230 + hill else (150, 170, 190, 255)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: qdt_preview --list-textures | make_demo_look.py DIR")
    out = pathlib.Path(sys.argv[1])
    for name in sys.stdin.read().split():
        write_png(out / f"{name}.png", 64, 64, pattern_for(name))
    write_png(out / "backdrop.png", 480, 270, backdrop)


if __name__ == "__main__":
    main()
