#!/usr/bin/env python3
"""Draws the program icon MAINICON: 32 x 32 pixels in the 16 standard colours.

A face with the program's own overlay: the blue face box, the red eye line and
the red nose and mouth marks. Writes mainicon.png (4-bit palette, index 13
transparent) next to this script.
"""
import pathlib
import struct
import zlib

PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, GRAY, RED, YELLOW, BLUE, CLEAR, WHITE = 0, 8, 9, 11, 12, 13, 15
SIZE = 32


def draw():
    pixels = [[CLEAR] * SIZE for _ in range(SIZE)]
    cx, cy, rx, ry = 16.0, 17.0, 10.0, 13.0  # pixel centres lie at n + 0.5
    for y in range(SIZE):
        for x in range(SIZE):
            d = ((x + 0.5 - cx) / rx) ** 2 + ((y + 0.5 - cy) / ry) ** 2
            if d <= 0.80:
                pixels[y][x] = YELLOW
            elif d <= 1.0:
                pixels[y][x] = BLACK
    for x in range(5, 27):  # face box
        pixels[2][x] = pixels[30][x] = BLUE
    for y in range(2, 31):
        pixels[y][5] = pixels[y][26] = BLUE
    for x in range(8, 24):  # eye line
        pixels[13][x] = RED
    for ex in (11, 19):  # eyes on the line
        for y in (12, 13):
            pixels[y][ex] = pixels[y][ex + 1] = BLACK
        pixels[12][ex] = WHITE
    for x in (15, 16):  # nose mark
        pixels[19][x] = RED
    for x in range(12, 20):  # mouth mark
        pixels[24][x] = RED
    for y in (20, 21):
        pixels[y][15] = GRAY
    return pixels


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def png(pixels):
    rows = b""
    for row in pixels:
        rows += b"\0" + bytes((row[x] << 4) | row[x + 1] for x in range(0, SIZE, 2))
    alpha = bytes(0 if i == CLEAR else 255 for i in range(len(PALETTE)))
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", SIZE, SIZE, 4, 3, 0, 0, 0))
            + chunk(b"PLTE", b"".join(bytes(c) for c in PALETTE))
            + chunk(b"tRNS", alpha)
            + chunk(b"IDAT", zlib.compress(rows, 9))
            + chunk(b"IEND", b""))


if __name__ == "__main__":
    out = pathlib.Path(__file__).with_name("mainicon.png")
    out.write_bytes(png(draw()))
