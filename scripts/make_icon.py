#!/usr/bin/env python3
"""Draws the application icon, a charged battery with a lightning bolt, and
writes it as res/ambrix.ico.

    make_icon.py [OUTPUT.ico]

The file holds one 68 x 128 image, 32 bits per pixel with straight alpha,
stored as a bottom-up DIB whose height counts twice (colour rows, then the
1-bit AND mask), as icon images are.  The drawing is supersampled so every
edge is antialiased; the result depends on nothing but this script.
"""

import math
import struct
import sys
from pathlib import Path

WIDTH, HEIGHT = 68, 128
SUBSAMPLES = 4  # per axis: 16 samples a pixel

# Colours as (red, green, blue).
CASE = (0x37, 0x47, 0x4F)
TERMINAL = (0x54, 0x6E, 0x7A)
EMPTY = (0xEC, 0xEF, 0xF1)
CHARGE_DARK = (0x1B, 0x7A, 0x2E)
CHARGE_LIGHT = (0x66, 0xCC, 0x6A)
BOLT = (0xFF, 0xD6, 0x00)
BOLT_EDGE = (0xC4, 0x6A, 0x00)

BODY = (7.0, 16.0, 61.0, 123.0)  # left, top, right, bottom
BODY_RADIUS = 9.0
WALL = 5.0
TERMINAL_BOX = (23.0, 6.0, 45.0, 19.0)
TERMINAL_RADIUS = 3.5
CHARGE_TOP = 44.0
BOLT_OUTLINE = 1.6
# The bolt, from the left end of its top edge down to the tip and back up.
BOLT_POINTS = [(36.0, 28.0), (19.0, 74.0), (32.0, 74.0), (26.0, 112.0),
               (49.0, 60.0), (37.0, 60.0), (48.0, 28.0)]


def rounded_box_distance(x, y, box, radius):
    """Signed distance from (x, y) to a rounded rectangle: negative inside."""
    left, top, right, bottom = box
    cx, cy = (left + right) / 2, (top + bottom) / 2
    qx = abs(x - cx) - ((right - left) / 2 - radius)
    qy = abs(y - cy) - ((bottom - top) / 2 - radius)
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    return outside + min(max(qx, qy), 0.0) - radius


def segment_distance(x, y, a, b):
    ax, ay = a
    bx, by = b
    dx, dy = bx - ax, by - ay
    t = ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)
    t = min(max(t, 0.0), 1.0)
    return math.hypot(x - (ax + t * dx), y - (ay + t * dy))


def polygon_distance(x, y, points):
    """Signed distance from (x, y) to a simple polygon: negative inside."""
    inside = False
    nearest = math.inf
    for i, a in enumerate(points):
        b = points[(i + 1) % len(points)]
        nearest = min(nearest, segment_distance(x, y, a, b))
        if (a[1] > y) != (b[1] > y):
            crossing = a[0] + (y - a[1]) * (b[0] - a[0]) / (b[1] - a[1])
            if x < crossing:
                inside = not inside
    return -nearest if inside else nearest


def mix(a, b, t):
    return tuple(p + (q - p) * t for p, q in zip(a, b))


def charge_colour(x):
    """A lit cylinder: brightest a third of the way across the cell."""
    left, _, right, _ = BODY
    u = (x - left) / (right - left)
    light = max(0.0, 1.0 - abs(u - 0.35) / 0.65)
    return mix(CHARGE_DARK, CHARGE_LIGHT, light ** 1.5)


def sample(x, y):
    """Colour at one point, or None where the icon is transparent."""
    bolt = polygon_distance(x, y, BOLT_POINTS)
    if bolt <= -BOLT_OUTLINE:
        return BOLT
    if bolt <= 0.0:
        return BOLT_EDGE
    body = rounded_box_distance(x, y, BODY, BODY_RADIUS)
    if body <= -WALL:
        return charge_colour(x) if y >= CHARGE_TOP else EMPTY
    if body <= 0.0:
        return CASE
    if rounded_box_distance(x, y, TERMINAL_BOX, TERMINAL_RADIUS) <= 0.0:
        return TERMINAL
    return None


def render():
    """Rows top first, each pixel (red, green, blue, alpha) in 0..255."""
    rows = []
    step = 1.0 / SUBSAMPLES
    count = SUBSAMPLES * SUBSAMPLES
    for py in range(HEIGHT):
        row = []
        for px in range(WIDTH):
            r = g = b = 0.0
            covered = 0
            for sy in range(SUBSAMPLES):
                for sx in range(SUBSAMPLES):
                    colour = sample(px + (sx + 0.5) * step, py + (sy + 0.5) * step)
                    if colour is not None:
                        r, g, b = r + colour[0], g + colour[1], b + colour[2]
                        covered += 1
            if covered == 0:
                row.append((0, 0, 0, 0))
            else:
                # Straight alpha: the colour is the mean of the covered samples.
                row.append((round(r / covered), round(g / covered), round(b / covered),
                            round(255 * covered / count)))
        rows.append(row)
    return rows


def icon_image(rows):
    """BITMAPINFOHEADER, BGRA rows bottom-up, then the AND mask bottom-up."""
    mask_stride = (WIDTH + 31) // 32 * 4
    colour = bytearray()
    mask = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            colour += bytes((b, g, r, a))
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:  # shown through where alpha is not honoured
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, WIDTH, 2 * HEIGHT, 1, 32, 0,
                         len(colour) + len(mask), 0, 0, 0, 0)
    return header + colour + mask


def icon_file(image):
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", WIDTH, HEIGHT, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


def main():
    default = Path(__file__).resolve().parent.parent / "res" / "ambrix.ico"
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else default
    image = icon_image(render())
    expected = 40 + WIDTH * HEIGHT * 4 + HEIGHT * ((WIDTH + 31) // 32 * 4)
    assert len(image) == expected, (len(image), expected)
    out.write_bytes(icon_file(image))
    print(f"{out}: {WIDTH}x{HEIGHT}, 32 bpp, image {len(image)} bytes")


if __name__ == "__main__":
    main()
