#!/usr/bin/env python3
"""Draws Linewright's icon: a track running into the distance under a
signal showing green, on a rounded square of sky and grass.

Writes packaging/icon/linewright.ico (16, 32, 48 and 256 pixels; the
Windows program's icon) and linewright-48.png and linewright-256.png (the
Linux desktop icon). Drawn at 256 pixels and scaled down by averaging; the
output is deterministic, so running it again gives the same bytes.

Usage: make_icon.py [OUT_FOLDER]   (default: packaging/icon beside scripts/)
"""

import os
import struct
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from png_file import write_png  # noqa: E402

SIZE = 256
SKY = (86, 148, 214)
GRASS = (74, 128, 64)
BALLAST = (150, 140, 125)
SLEEPER = (112, 76, 46)
RAIL = (226, 228, 232)
POST = (60, 62, 68)
HEAD = (24, 26, 30)
GREEN = (70, 230, 100)
RED_OFF = (96, 34, 34)
BORDER = (28, 46, 70)
HORIZON = 104
BOTTOM = 247


def inside_rounded(x, y, x0, y0, x1, y1, radius):
    px, py = x + 0.5, y + 0.5
    if not (x0 <= px <= x1 and y0 <= py <= y1):
        return False
    cx = min(max(px, x0 + radius), x1 - radius)
    cy = min(max(py, y0 + radius), y1 - radius)
    return (px - cx) ** 2 + (py - cy) ** 2 <= radius * radius


def inside_polygon(points, px, py):
    inside = False
    j = len(points) - 1
    for i in range(len(points)):
        xi, yi = points[i]
        xj, yj = points[j]
        if (yi > py) != (yj > py) and px < xi + (py - yi) * (xj - xi) / (yj - yi):
            inside = not inside
        j = i
    return inside


def track_x(offset, y):
    """x of a line `offset` pixels right of the track's centre at the
    bottom edge, running to the vanishing point at the horizon."""
    t = (y - HORIZON) / (BOTTOM - HORIZON)
    return 128 + offset * t


def draw():
    pixels = [[(0, 0, 0, 0)] * SIZE for _ in range(SIZE)]
    shapes = []  # (test(px, py), colour), painted in order

    shapes.append((lambda px, py: py < HORIZON, SKY))
    shapes.append((lambda px, py: py >= HORIZON, GRASS))
    ballast = [(track_x(-100, BOTTOM), BOTTOM), (track_x(100, BOTTOM), BOTTOM), (130, HORIZON), (126, HORIZON)]
    shapes.append((lambda px, py, p=ballast: inside_polygon(p, px, py), BALLAST))
    # Sleepers closer together towards the horizon.
    t = 1.0
    while t > 0.08:
        y = HORIZON + (BOTTOM - HORIZON) * t
        h = 9 * t + 1
        top, bottom = y - h, y
        tb, tt = (bottom - HORIZON) / (BOTTOM - HORIZON), (top - HORIZON) / (BOTTOM - HORIZON)
        sleeper = [(128 - 86 * tb, bottom), (128 + 86 * tb, bottom), (128 + 86 * tt, top), (128 - 86 * tt, top)]
        shapes.append((lambda px, py, p=sleeper: inside_polygon(p, px, py), SLEEPER))
        t *= 0.78
    for centre in (-62, 62):
        rail = [(track_x(centre - 8, BOTTOM), BOTTOM), (track_x(centre + 8, BOTTOM), BOTTOM),
                (track_x(centre + 8, HORIZON + 2), HORIZON + 2), (track_x(centre - 8, HORIZON + 2), HORIZON + 2)]
        shapes.append((lambda px, py, p=rail: inside_polygon(p, px, py), RAIL))
    shapes.append((lambda px, py: 209 <= px <= 219 and 90 <= py <= 200, POST))
    shapes.append((lambda px, py: inside_rounded(int(px), int(py), 194, 30, 234, 112, 10), HEAD))
    shapes.append((lambda px, py: (px - 214) ** 2 + (py - 52) ** 2 <= 12 ** 2, GREEN))
    shapes.append((lambda px, py: (px - 214) ** 2 + (py - 88) ** 2 <= 12 ** 2, RED_OFF))

    for y in range(SIZE):
        for x in range(SIZE):
            if not inside_rounded(x, y, 6, 6, 250, 250, 46):
                continue
            if not inside_rounded(x, y, 12, 12, 244, 244, 40):
                pixels[y][x] = BORDER + (255,)
                continue
            colour = None
            for test, fill in shapes:
                if test(x + 0.5, y + 0.5):
                    colour = fill
            pixels[y][x] = colour + (255,)
    return pixels


def scaled(pixels, size):
    """Averages squares of the 256-pixel picture, weighting colour by alpha."""
    step = SIZE // size
    out = []
    for y in range(size):
        row = []
        for x in range(size):
            r = g = b = a = 0
            for yy in range(y * step, (y + 1) * step):
                for xx in range(x * step, (x + 1) * step):
                    pr, pg, pb, pa = pixels[yy][xx]
                    r += pr * pa
                    g += pg * pa
                    b += pb * pa
                    a += pa
            n = step * step
            row.append((r // a, g // a, b // a, a // n) if a else (0, 0, 0, 0))
        out.append(row)
    return out


def bmp_icon_image(rows):
    """An icon directory's image in BMP form: a 32-bit bottom-up bitmap of
    twice the height, followed by the (unused) AND mask."""
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    body = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            body.extend((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    body.extend(b"\0" * mask_stride * size)
    return header + bytes(body)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "packaging", "icon")
    os.makedirs(out, exist_ok=True)
    big = draw()
    images = []
    for size in (16, 32, 48):
        images.append((size, bmp_icon_image(scaled(big, size))))
    png256 = write_png(os.path.join(out, "linewright-256.png"), SIZE, SIZE, big, alpha=True)
    images.append((256, png256))
    small = scaled(big, 48)
    write_png(os.path.join(out, "linewright-48.png"), 48, 48, small, alpha=True)

    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    data = b""
    for size, image in images:
        side = 0 if size == 256 else size
        entries += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(image), offset + len(data))
        data += image
    with open(os.path.join(out, "linewright.ico"), "wb") as f:
        f.write(directory + entries + data)


if __name__ == "__main__":
    main()
