#!/usr/bin/env python3
"""Draws the program icon MAINICON: 32 x 32 pixels in the 16 standard colours.

A face with the program's own overlay: the blue face box, the red eye line and
the red nose and mouth marks. Writes mainicon.png (4-bit palette, index 13
transparent) next to this script, and the same drawing for desktop menus under
hicolor/: smoothed PNGs at the larger sizes menus ask for and a scalable SVG.
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
MENU_SIZES = (48, 64, 128, 256)
SUBSAMPLES = 4  # per axis, for the smoothed edges of the larger sizes


class Ellipse:
    """The points whose normalised distance from the centre is at most limit."""

    def __init__(self, cx, cy, rx, ry, limit):
        self.cx, self.cy, self.rx, self.ry, self.limit = cx, cy, rx, ry, limit

    def holds(self, u, v):
        return ((u - self.cx) / self.rx) ** 2 + ((v - self.cy) / self.ry) ** 2 <= self.limit

    def svg(self):
        scale = self.limit ** 0.5
        return (f'<ellipse cx="{self.cx}" cy="{self.cy}" '
                f'rx="{self.rx * scale:.4f}" ry="{self.ry * scale:.4f}"')


class Rect:
    """Columns x0 to x1 and rows y0 to y1, ends excluded."""

    def __init__(self, x0, y0, x1, y1):
        self.x0, self.y0, self.x1, self.y1 = x0, y0, x1, y1

    def holds(self, u, v):
        return self.x0 <= u < self.x1 and self.y0 <= v < self.y1

    def svg(self):
        return (f'<rect x="{self.x0}" y="{self.y0}" '
                f'width="{self.x1 - self.x0}" height="{self.y1 - self.y0}"')


# In units of the 32-pixel icon, painted in order: a point takes the colour of
# the last shape that holds it.
SHAPES = [
    (BLACK, Ellipse(16.0, 17.0, 10.0, 13.0, 1.0)),  # face outline
    (YELLOW, Ellipse(16.0, 17.0, 10.0, 13.0, 0.80)),
    (BLUE, Rect(5, 2, 27, 3)), (BLUE, Rect(5, 30, 27, 31)),  # face box
    (BLUE, Rect(5, 2, 6, 31)), (BLUE, Rect(26, 2, 27, 31)),
    (RED, Rect(8, 13, 24, 14)),  # eye line
    (BLACK, Rect(11, 12, 13, 14)), (WHITE, Rect(11, 12, 12, 13)),  # eyes on the line
    (BLACK, Rect(19, 12, 21, 14)), (WHITE, Rect(19, 12, 20, 13)),
    (RED, Rect(15, 19, 17, 20)),  # nose mark
    (RED, Rect(12, 24, 20, 25)),  # mouth mark
    (GRAY, Rect(15, 20, 16, 22)),
]


def colour_at(u, v):
    colour = CLEAR
    for shape_colour, shape in SHAPES:
        if shape.holds(u, v):
            colour = shape_colour
    return colour


def draw():
    """The 32-pixel icon in palette indices, each pixel the colour at its centre."""
    return [[colour_at(x + 0.5, y + 0.5) for x in range(SIZE)] for y in range(SIZE)]


def draw_smooth(size):
    """Straight RGBA rows, each pixel the mean of SUBSAMPLES^2 points inside it."""
    unit = SIZE / size / SUBSAMPLES
    rows = []
    for y in range(size):
        row = bytearray()
        for x in range(size):
            total, opaque = [0, 0, 0], 0
            for sy in range(SUBSAMPLES):
                for sx in range(SUBSAMPLES):
                    index = colour_at((x * SUBSAMPLES + sx + 0.5) * unit,
                                      (y * SUBSAMPLES + sy + 0.5) * unit)
                    if index != CLEAR:
                        opaque += 1
                        total = [t + c for t, c in zip(total, PALETTE[index])]
            if opaque:
                row += bytes(round(t / opaque) for t in total)
            else:
                row += b"\0\0\0"
            row.append(round(255 * opaque / SUBSAMPLES ** 2))
        rows.append(bytes(row))
    return rows


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def png_file(width, colour_type, depth, rows, extra=b""):
    data = b"".join(b"\0" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, len(rows), depth, colour_type, 0, 0, 0))
            + extra
            + chunk(b"IDAT", zlib.compress(data, 9))
            + chunk(b"IEND", b""))


def png(pixels):
    rows = [bytes((row[x] << 4) | row[x + 1] for x in range(0, SIZE, 2)) for row in pixels]
    alpha = bytes(0 if i == CLEAR else 255 for i in range(len(PALETTE)))
    return png_file(SIZE, 3, 4, rows,
                    chunk(b"PLTE", b"".join(bytes(c) for c in PALETTE)) + chunk(b"tRNS", alpha))


def svg():
    lines = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{SIZE}" height="{SIZE}" '
             f'viewBox="0 0 {SIZE} {SIZE}">']
    for colour, shape in SHAPES:
        lines.append(f'  {shape.svg()} fill="#{bytes(PALETTE[colour]).hex()}"/>')
    lines.append("</svg>")
    return "\n".join(lines) + "\n"


if __name__ == "__main__":
    here = pathlib.Path(__file__).parent
    (here / "mainicon.png").write_bytes(png(draw()))
    for size in MENU_SIZES:
        folder = here / "hicolor" / f"{size}x{size}" / "apps"
        folder.mkdir(parents=True, exist_ok=True)
        (folder / "quorvel.png").write_bytes(png_file(size, 6, 8, draw_smooth(size)))
    folder = here / "hicolor" / "scalable" / "apps"
    folder.mkdir(parents=True, exist_ok=True)
    (folder / "quorvel.svg").write_text(svg())
