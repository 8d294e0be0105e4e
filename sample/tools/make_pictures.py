#!/usr/bin/env python3
"""Draws the pictures of the sample installation.

Writes the four turnout signs (GIF) into the object folder, the train
pictures (24-bit BMP) into the train folders, the simulator's own signal
and relay bitmaps (colour lights) into the installation folder, and the
sample signal system's bitmaps (semaphores) into its folder. Everything is drawn here from
plain shapes; the output is deterministic, so running the script again
gives the same bytes and the committed files can be checked against it.

Usage: make_pictures.py [SAMPLE_FOLDER]   (default: .. beside this script)
"""

import os
import struct
import sys


class Canvas:
    """A width x height grid of palette indices or RGB tuples."""

    def __init__(self, width, height, fill):
        self.width = width
        self.height = height
        self.pixels = [[fill] * width for _ in range(height)]

    def put(self, x, y, value):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = value

    def rect(self, x0, y0, x1, y1, value):
        """Fills the rectangle with corners (x0, y0) and (x1, y1), inclusive."""
        for y in range(max(0, y0), min(self.height, y1 + 1)):
            for x in range(max(0, x0), min(self.width, x1 + 1)):
                self.pixels[y][x] = value

    def frame(self, x0, y0, x1, y1, thickness, value):
        self.rect(x0, y0, x1, y0 + thickness - 1, value)
        self.rect(x0, y1 - thickness + 1, x1, y1, value)
        self.rect(x0, y0, x0 + thickness - 1, y1, value)
        self.rect(x1 - thickness + 1, y0, x1, y1, value)

    def disc(self, cx, cy, r, value):
        for y in range(cy - r, cy + r + 1):
            for x in range(cx - r, cx + r + 1):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                    self.put(x, y, value)

    def line(self, x0, y0, x1, y1, thickness, value):
        """A thick line: a disc of the given thickness stamped along it."""
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            x = round(x0 + (x1 - x0) * i / steps)
            y = round(y0 + (y1 - y0) * i / steps)
            self.disc(x, y, thickness // 2, value)

    def polygon(self, points, value):
        """Fills a polygon by testing the centre of every pixel (even-odd rule)."""
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        for y in range(max(0, min(ys)), min(self.height, max(ys) + 1)):
            for x in range(max(0, min(xs)), min(self.width, max(xs) + 1)):
                px, py = x + 0.5, y + 0.5
                inside = False
                j = len(points) - 1
                for i in range(len(points)):
                    xi, yi = points[i]
                    xj, yj = points[j]
                    if (yi > py) != (yj > py):
                        cross = xi + (py - yi) * (xj - xi) / (yj - yi)
                        if px < cross:
                            inside = not inside
                    j = i
                if inside:
                    self.pixels[y][x] = value

    def mirrored(self):
        out = Canvas(self.width, self.height, None)
        out.pixels = [list(reversed(row)) for row in self.pixels]
        return out


# ---------------------------------------------------------------- GIF writer

def lzw_compress(indices, min_code_size):
    """GIF flavour of LZW: variable code width, clear code at the start,
    a fresh table (clear code) whenever the 12-bit limit is reached."""
    clear = 1 << min_code_size
    end = clear + 1
    width = min_code_size + 1
    out = bytearray()
    bit_buffer = 0
    bit_count = 0

    def emit(code):
        nonlocal bit_buffer, bit_count
        bit_buffer |= code << bit_count
        bit_count += width
        while bit_count >= 8:
            out.append(bit_buffer & 0xFF)
            bit_buffer >>= 8
            bit_count -= 8

    table = {}
    next_code = end + 1
    emit(clear)
    prefix = None
    for value in indices:
        if prefix is None:
            prefix = (value,)
            continue
        candidate = prefix + (value,)
        if candidate in table or len(candidate) == 1:
            prefix = candidate
            continue
        emit(table[prefix] if len(prefix) > 1 else prefix[0])
        if next_code < 4096:
            table[candidate] = next_code
            next_code += 1
            # The decoder widens one code later than the encoder adds, so
            # the width grows when the code just added no longer fits.
            if next_code - 1 == (1 << width) and width < 12:
                width += 1
        else:
            emit(clear)
            table = {}
            next_code = end + 1
            width = min_code_size + 1
        prefix = (value,)
    if prefix is not None:
        emit(table[prefix] if len(prefix) > 1 else prefix[0])
    emit(end)
    if bit_count:
        out.append(bit_buffer & 0xFF)
    return bytes(out)


def write_gif(path, canvas, palette):
    """Writes a single-image GIF89a. `palette` has at most 16 RGB colours;
    the canvas holds indices into it."""
    size_bits = 1
    while (1 << size_bits) < len(palette):
        size_bits += 1
    colours = list(palette) + [(0, 0, 0)] * ((1 << size_bits) - len(palette))
    min_code_size = max(2, size_bits)
    data = bytearray(b"GIF89a")
    data += struct.pack("<HHBBB", canvas.width, canvas.height,
                        0x80 | ((size_bits - 1) << 4) | (size_bits - 1), 0, 0)
    for r, g, b in colours:
        data += bytes((r, g, b))
    data += b"," + struct.pack("<HHHHB", 0, 0, canvas.width, canvas.height, 0)
    indices = [v for row in canvas.pixels for v in row]
    compressed = lzw_compress(indices, min_code_size)
    data.append(min_code_size)
    for start in range(0, len(compressed), 255):
        chunk = compressed[start:start + 255]
        data.append(len(chunk))
        data += chunk
    data += b"\x00;"
    with open(path, "wb") as f:
        f.write(data)


# ---------------------------------------------------------------- BMP writer

def write_bmp(path, canvas):
    """Writes an uncompressed 24-bit BMP; the canvas holds RGB tuples."""
    row_size = (canvas.width * 3 + 3) & ~3
    pixel_bytes = bytearray()
    for row in reversed(canvas.pixels):  # BMP rows run bottom-up
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b"\x00" * (row_size - len(line))
        pixel_bytes += line
    header_size = 14 + 40
    data = bytearray(b"BM")
    data += struct.pack("<IHHI", header_size + len(pixel_bytes), 0, 0, header_size)
    data += struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 24, 0,
                        len(pixel_bytes), 2835, 2835, 0, 0)
    data += pixel_bytes
    with open(path, "wb") as f:
        f.write(data)


# ---------------------------------------------------------------- drawings

# Palette of the turnout signs.
BLACK, WHITE, YELLOW, RED, GREY = range(5)
SIGN_PALETTE = [(0, 0, 0), (255, 255, 255), (250, 204, 20), (200, 30, 30), (128, 128, 128)]


def turnout_sign(background):
    """A 64x64 sign: a straight track up the middle and a branch leaving it
    to the left, with an arrow head on the branch. Mirrored for the right."""
    c = Canvas(64, 64, GREY)
    c.rect(2, 2, 61, 61, background)
    c.frame(2, 2, 61, 61, 3, BLACK)
    # The straight track, drawn thin: it is the way the train does not take.
    c.line(40, 56, 40, 10, 3, BLACK)
    # The branch, drawn thick, leaving to the upper left.
    c.line(40, 50, 40, 40, 7, RED)
    c.line(40, 40, 18, 18, 7, RED)
    c.polygon([(8, 8), (28, 12), (12, 28)], RED)
    return c


def draw_turnouts(kavo):
    folder = os.path.join(kavo, "railway", "object", "LINEWRIGHT", "objs")
    os.makedirs(folder, exist_ok=True)
    at_switch = turnout_sign(WHITE)      # shown at the switch itself
    in_advance = turnout_sign(YELLOW)    # shown 800 m ahead of it
    write_gif(os.path.join(folder, "turnout.gif"), at_switch, SIGN_PALETTE)
    write_gif(os.path.join(folder, "turnout2.gif"), at_switch.mirrored(), SIGN_PALETTE)
    write_gif(os.path.join(folder, "turnout3.gif"), in_advance, SIGN_PALETTE)
    write_gif(os.path.join(folder, "turnout4.gif"), in_advance.mirrored(), SIGN_PALETTE)


def train_side_view(body, stripe):
    """128x64 side view of a small locomotive on a track."""
    sky = (200, 225, 245)
    c = Canvas(128, 64, sky)
    c.rect(0, 52, 127, 63, (120, 110, 90))          # ballast
    c.rect(0, 50, 127, 51, (70, 70, 70))            # rail
    c.rect(14, 18, 113, 44, body)                   # body
    c.polygon([(100, 18), (120, 30), (120, 44), (100, 44)], body)  # sloped nose
    c.rect(14, 34, 120, 37, stripe)                 # stripe
    c.rect(22, 22, 34, 30, (30, 40, 60))            # windows
    c.rect(40, 22, 52, 30, (30, 40, 60))
    c.polygon([(102, 22), (114, 29), (102, 29)], (30, 40, 60))
    c.rect(30, 12, 60, 17, (60, 60, 60))            # roof equipment
    for x in (28, 46, 84, 102):                     # wheels
        c.disc(x, 46, 5, (40, 40, 40))
        c.disc(x, 46, 2, (160, 160, 160))
    return c


def cab_panel(face, needle, lamps):
    """128x96 driving desk: two dials and a row of lamps."""
    c = Canvas(128, 96, (50, 50, 55))
    c.rect(4, 4, 123, 91, face)
    c.frame(4, 4, 123, 91, 2, (20, 20, 20))
    for cx, angle_end in ((36, (20, 30)), (92, (104, 22))):
        c.disc(cx, 40, 24, (240, 240, 235))
        c.disc(cx, 40, 22, (255, 255, 250))
        c.line(cx, 40, angle_end[0], angle_end[1], 3, needle)
        c.disc(cx, 40, 3, (20, 20, 20))
    for i, colour in enumerate(lamps):
        c.disc(24 + i * 20, 78, 5, colour)
    return c


def draw_trains(kavo):
    trains = [
        ("Blue Arrow", (30, 80, 170), (240, 240, 240),
         [cab_panel((70, 90, 120), (200, 30, 30),
                    [(0, 200, 0), (250, 200, 0), (200, 0, 0), (0, 120, 255), (240, 240, 240)])],
         ),
        ("Red Hauler", (170, 40, 30), (250, 200, 40),
         [cab_panel((110, 70, 60), (20, 20, 20),
                    [(0, 200, 0), (200, 0, 0), (250, 200, 0)]),
          cab_panel((90, 60, 50), (20, 20, 20),
                    [(0, 200, 0), (0, 200, 0), (200, 0, 0), (250, 200, 0)])],
         ),
    ]
    for name, body, stripe, panels in trains:
        folder = os.path.join(kavo, "train", name)
        os.makedirs(folder, exist_ok=True)
        write_bmp(os.path.join(folder, "train.bmp"), train_side_view(body, stripe))
        write_bmp(os.path.join(folder, "panel.bmp"), panels[0])
        if len(panels) > 1:
            write_bmp(os.path.join(folder, "panel2.bmp"), panels[1])


SKY = (200, 225, 245)
POST = (90, 90, 90)


def colour_light(lamps):
    """32x64 colour-light head on a post: `lamps` (top first) are RGB lamps,
    None for a dark one."""
    c = Canvas(32, 64, SKY)
    c.rect(14, 4, 17, 63, POST)
    c.rect(6, 4, 25, 4 + 12 * len(lamps) + 3, (20, 20, 20))
    for i, colour in enumerate(lamps):
        c.disc(15, 11 + 12 * i, 4, colour or (60, 60, 60))
    return c


def semaphore(arm, stripe, angle):
    """32x64 semaphore: a lattice post and an arm pointing left, level
    (angle 0) or lowered (angle 1)."""
    c = Canvas(32, 64, SKY)
    c.rect(20, 2, 23, 63, POST)
    for y in range(6, 60, 6):
        c.line(20, y, 23, y + 6, 1, (140, 140, 140))
    drop = 8 * angle
    c.polygon([(2, 10 + drop), (20, 10), (20, 16), (2, 16 + drop)], arm)
    # The stripe across the arm, 6 to 9 pixels from its tip, follows its slope.
    c.line(6, 13 + drop * 13 // 18, 9, 13 + drop * 11 // 18, 3, stripe)
    c.disc(25, 13, 2, (250, 250, 200))
    return c


def draw_signals(sample):
    """The simulator's own bitmaps and the sample system's namesakes."""
    red, yellow, green, white = (220, 30, 30), (250, 200, 0), (30, 200, 60), (240, 240, 240)
    simulator = {
        "signal1.bmp": colour_light([red, None]),
        "signal2.bmp": colour_light([red, green]),
        "signal3.bmp": colour_light([red, yellow, green]),
        "relay.bmp": colour_light([white]),
    }
    system = {
        "signal1.bmp": semaphore(red, white, 0),
        "signal2.bmp": semaphore(red, white, 1),
        "signal3.bmp": semaphore(yellow, (20, 20, 20), 1),
        "relay.bmp": semaphore(white, (20, 20, 20), 0),
    }
    for folder, pictures in ((os.path.join(sample, "kavo"), simulator),
                             (os.path.join(sample, "sigsys", "Semaphore"), system)):
        os.makedirs(folder, exist_ok=True)
        for name, canvas in pictures.items():
            write_bmp(os.path.join(folder, name), canvas)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    sample = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..")
    kavo = os.path.join(sample, "kavo")
    draw_turnouts(kavo)
    draw_trains(kavo)
    draw_signals(sample)
    return 0


if __name__ == "__main__":
    sys.exit(main())
