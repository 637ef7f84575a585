#!/usr/bin/env python3
"""Draws the installer's artwork and writes it as Windows image files.

    TaviCurMiniInst/res/TaviCurMiniInst.ico   program icon: a mouse pointer
        in front of a parcel; images of 16, 20, 24 and 32 pixels, 8 bits per
        pixel with a 256-colour palette and an AND mask each.
    TaviCurMiniInst/res/DefaultProduct.bmp    default product image: a
        product box with a pointer on its front, 32 x 42 pixels, 8 bits per
        pixel, on the teal background RGB(0,128,128) that the program makes
        transparent.

Python standard library only. The output is the same byte for byte on
every run, so the generated files can be committed beside this script.

Usage: scripts/make-art.py [output folder]   (default: TaviCurMiniInst/res)

Drawing model: shapes are polygons in a 32-unit design grid, scaled to the
target size and snapped to whole pixels so that straight edges stay crisp.
They are filled on a grid of SS x SS subsamples per pixel; each pixel then
takes the mean colour of its covered subsamples and is opaque when at least
half of them are covered (icons and the teal-keyed bitmap only know
"opaque" and "transparent", so edges against the background stay hard while
edges between shapes are smoothed).
"""

import math
import os
import struct
import sys

SS = 8                 # subsamples per pixel along each axis
DESIGN = 32.0          # size of the design grid
TEAL = (0, 128, 128)   # transparent colour of the bitmap

# ---------------------------------------------------------------------------
# Canvas
# ---------------------------------------------------------------------------


class Canvas:
    """A grid of subsamples; each holds an RGB colour or None (empty)."""

    def __init__(self, width, height, scale):
        self.width = width
        self.height = height
        self.scale = scale            # pixels per design unit
        self.sw = width * SS
        self.sh = height * SS
        self.cells = [[None] * self.sw for _ in range(self.sh)]

    # -- masks: one Python int per subsample row, bit x = subsample x -------

    def polygon_mask(self, points):
        """Rows of bits covered by a polygon given in design units (even-odd
        rule); vertices are snapped to whole pixels first."""
        pts = [(math.floor(x * self.scale + 0.5) * SS,
                math.floor(y * self.scale + 0.5) * SS) for x, y in points]
        rows = [0] * self.sh
        full = (1 << self.sw) - 1
        n = len(pts)
        for sy in range(self.sh):
            cy = sy + 0.5
            xs = []
            for i in range(n):
                x0, y0 = pts[i]
                x1, y1 = pts[(i + 1) % n]
                if (y0 <= cy < y1) or (y1 <= cy < y0):
                    xs.append(x0 + (cy - y0) * (x1 - x0) / (y1 - y0))
            xs.sort()
            bits = 0
            for a, b in zip(xs[0::2], xs[1::2]):
                # subsample centres sx + 0.5 inside [a, b)
                lo = max(0, math.ceil(a - 0.5))
                hi = min(self.sw, math.ceil(b - 0.5))
                if hi > lo:
                    bits |= ((1 << hi) - 1) ^ ((1 << lo) - 1)
            rows[sy] = bits & full
        return rows

    def dilate(self, rows, pixels=1.0):
        """Grows a mask by a disc of the given radius in pixels."""
        r = int(round(pixels * SS))
        full = (1 << self.sw) - 1
        widths = {}
        out = [0] * self.sh
        for dy in range(-r, r + 1):
            w = int(math.floor(math.sqrt(r * r - dy * dy)))
            widths[dy] = w
        cache = {}

        def hgrow(y, w):
            key = (y, w)
            if key not in cache:
                v = rows[y]
                acc = v
                for k in range(1, w + 1):
                    acc |= (v << k) | (v >> k)
                cache[key] = acc & full
            return cache[key]

        for y in range(self.sh):
            acc = 0
            for dy, w in widths.items():
                yy = y + dy
                if 0 <= yy < self.sh and rows[yy]:
                    acc |= hgrow(yy, w)
            out[y] = acc
        return out

    @staticmethod
    def union(*masks):
        return [bits_or(rows) for rows in zip(*masks)]

    # -- painting ----------------------------------------------------------

    def paint(self, rows, colour):
        """Sets every subsample of the mask to a colour: an (r, g, b) tuple
        or a function of the design coordinates (x, y)."""
        unit = 1.0 / (self.scale * SS)
        for sy, bits in enumerate(rows):
            row = self.cells[sy]
            sx = 0
            while bits:
                if bits & 1:
                    if callable(colour):
                        row[sx] = colour((sx + 0.5) * unit, (sy + 0.5) * unit)
                    else:
                        row[sx] = colour
                bits >>= 1
                sx += 1

    def fill(self, points, colour):
        self.paint(self.polygon_mask(points), colour)

    def outlined(self, shapes, outline, width=1.0):
        """Fills several polygons, each (points, colour), with one outline of
        the given colour around their union."""
        masks = [self.polygon_mask(p) for p, _ in shapes]
        whole = Canvas.union(*masks)
        self.paint(self.dilate(whole, width), outline)
        for m, (_, colour) in zip(masks, shapes):
            self.paint(m, colour)

    # -- result --------------------------------------------------------------

    def pixels(self):
        """Rows of pixels, top to bottom: (r, g, b) or None (transparent)."""
        out = []
        half = SS * SS / 2.0
        for y in range(self.height):
            line = []
            for x in range(self.width):
                n = 0
                tr = tg = tb = 0
                for sy in range(y * SS, (y + 1) * SS):
                    row = self.cells[sy]
                    for sx in range(x * SS, (x + 1) * SS):
                        c = row[sx]
                        if c is not None:
                            n += 1
                            tr += c[0]
                            tg += c[1]
                            tb += c[2]
                if n >= half:
                    line.append((int(round(tr / n)), int(round(tg / n)),
                                 int(round(tb / n))))
                else:
                    line.append(None)
            out.append(line)
        return out


def bits_or(values):
    acc = 0
    for v in values:
        acc |= v
    return acc


def gradient(x0, y0, c0, x1, y1, c1):
    """Linear gradient between two design points."""
    dx, dy = x1 - x0, y1 - y0
    d2 = float(dx * dx + dy * dy)

    def colour(x, y):
        t = ((x - x0) * dx + (y - y0) * dy) / d2
        t = 0.0 if t < 0 else 1.0 if t > 1 else t
        return tuple(int(round(a + (b - a) * t)) for a, b in zip(c0, c1))
    return colour


def moved(points, dx, dy, k=1.0):
    """Points scaled by k about the origin, then moved by (dx, dy)."""
    return [(x * k + dx, y * k + dy) for x, y in points]


# ---------------------------------------------------------------------------
# Artwork
# ---------------------------------------------------------------------------

# The pointer: a classic arrow with a tail, tip at the origin.
ARROW = [(0, 0), (0, 20), (5, 15.5), (8, 22), (11, 20.7), (8, 14.5), (14.5, 14.5)]

ARROW_WHITE = gradient(0, 0, (255, 255, 255), 6, 20, (214, 222, 236))
BLACK = (0, 0, 0)


def draw_icon(size):
    """The program icon: a pointer over a parcel."""
    c = Canvas(size, size, size / DESIGN)
    # Parcel, seen slightly from above and from the right.
    top = [(10, 15), (15, 10), (30, 10), (25, 15)]
    front = [(10, 15), (25, 15), (25, 30), (10, 30)]
    side = [(25, 15), (30, 10), (30, 25), (25, 30)]
    c.outlined([(top, (246, 208, 140)),
                (front, gradient(10, 15, (222, 160, 84), 10, 30, (196, 128, 56))),
                (side, (160, 100, 44))], (84, 44, 12))
    # Packing tape over the lid and down the front.
    c.fill([(16, 15), (21, 10), (24, 10), (19, 15)], (252, 240, 200))
    c.fill([(16, 15), (19, 15), (19, 22), (16, 22)], (250, 232, 184))
    # The pointer in front of it.
    c.outlined([(moved(ARROW, 2, 1), ARROW_WHITE)], BLACK)
    return c.pixels()


def draw_product():
    """The default product image: a product box with a pointer printed on
    its front, on the teal background."""
    c = Canvas(32, 42, 1.0)
    top = [(2, 8), (8, 2), (29, 2), (23, 8)]
    front = [(2, 8), (23, 8), (23, 40), (2, 40)]
    side = [(23, 8), (29, 2), (29, 34), (23, 40)]
    c.outlined([(top, (156, 192, 248)),
                (front, gradient(2, 8, (74, 128, 226), 2, 40, (34, 68, 158))),
                (side, (30, 54, 128))], (14, 24, 62))
    # A band around the lower part of the box.
    c.fill([(2, 30), (23, 30), (23, 34), (2, 34)], (248, 200, 64))
    c.fill([(23, 30), (29, 24), (29, 28), (23, 34)], (192, 148, 40))
    c.fill([(2, 31), (23, 31), (23, 32), (2, 32)], (255, 232, 140))
    # Highlight along the front's left edge.
    c.fill([(3, 9), (4, 9), (4, 29), (3, 29)], (120, 166, 240))
    # The pointer on the front.
    c.outlined([(moved(ARROW, 8, 11, 0.75), ARROW_WHITE)], BLACK)
    return c.pixels()


# ---------------------------------------------------------------------------
# Palette
# ---------------------------------------------------------------------------


def median_cut(colours, count):
    """Up to `count` representative colours of a {colour: frequency} map."""
    boxes = [list(colours.items())]
    while len(boxes) < count:
        best = None
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            spans = [max(c[k] for c, _ in box) - min(c[k] for c, _ in box) for k in range(3)]
            span = max(spans)
            if best is None or span > best[0]:
                best = (span, i, spans.index(span))
        if best is None or best[0] == 0:
            break
        _, i, axis = best
        box = sorted(boxes.pop(i), key=lambda e: (e[0][axis], e[0]))
        total = sum(n for _, n in box)
        acc = 0
        cut = 1
        for j, (_, n) in enumerate(box[:-1]):
            acc += n
            if acc * 2 >= total:
                cut = j + 1
                break
        boxes[i:i] = [box[:cut], box[cut:]]
    result = []
    for box in boxes:
        total = sum(n for _, n in box)
        result.append(tuple(int(round(sum(c[k] * n for c, n in box) / total)) for k in range(3)))
    return result


def make_palette(pixels, reserved, keyed):
    """256 palette entries: the reserved colour at index 0, then the image's
    colours (reduced by median cut when there are too many), the rest black.
    Returns the palette and the rows of indices; transparent pixels get 0.
    keyed: the reserved colour means "transparent" (a colour-keyed bitmap),
    so no opaque pixel may take it; otherwise (an icon, whose mask says
    what is transparent) opaque pixels may use it like any other colour."""
    freq = {}
    for line in pixels:
        for p in line:
            if p is not None:
                freq[p] = freq.get(p, 0) + 1
    own = sorted(freq) if len(freq) <= 255 else sorted(set(median_cut(freq, 255)))
    own = [c for c in own if c != reserved] or [(1, 1, 1)]
    palette = [reserved] + own
    first = 1 if keyed else 0
    index_of = {}

    def nearest(p):
        if p not in index_of:
            best = min(range(first, len(palette)),
                       key=lambda i: sum((a - b) ** 2 for a, b in zip(palette[i], p)))
            index_of[p] = best
        return index_of[p]

    rows = [[0 if p is None else nearest(p) for p in line] for line in pixels]
    palette += [(0, 0, 0)] * (256 - len(palette))
    return palette, rows


# ---------------------------------------------------------------------------
# File formats
# ---------------------------------------------------------------------------


def rgbquads(palette):
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)


def dib_rows_8bpp(rows):
    """Bottom-up 8-bit rows, each padded to a multiple of four bytes."""
    out = bytearray()
    for line in reversed(rows):
        data = bytes(line)
        out += data + b"\0" * (-len(data) % 4)
    return bytes(out)


def and_mask(pixels):
    """Bottom-up 1-bit mask, 1 = transparent, rows padded to 32 bits."""
    out = bytearray()
    for line in reversed(pixels):
        bits = bytearray((len(line) + 31) // 32 * 4)
        for x, p in enumerate(line):
            if p is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        out += bits
    return bytes(out)


def info_header(width, height, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, image_size,
                       0, 0, 256, 0)


def icon_image(pixels):
    size = len(pixels)
    palette, rows = make_palette(pixels, (0, 0, 0), keyed=False)
    xor = dib_rows_8bpp(rows)
    mask = and_mask(pixels)
    # The icon format doubles the height: colour image plus mask.
    return info_header(size, size * 2, len(xor) + len(mask)) + rgbquads(palette) + xor + mask


def write_ico(path, images):
    """images: list of (size, image bytes)."""
    head = struct.pack("<HHH", 0, 1, len(images))
    offset = len(head) + 16 * len(images)
    entries = b""
    body = b""
    for size, data in images:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 8,
                               len(data), offset + len(body))
        body += data
    with open(path, "wb") as f:
        f.write(head + entries + body)


def write_bmp(path, pixels):
    height = len(pixels)
    width = len(pixels[0])
    # Teal is index 0: the background, and only the background.
    palette, rows = make_palette(pixels, TEAL, keyed=True)
    data = dib_rows_8bpp(rows)
    offset = 14 + 40 + 4 * 256
    file_head = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(data),
                         2835, 2835, 256, 0)
    with open(path, "wb") as f:
        f.write(file_head + header + rgbquads(palette) + data)


# ---------------------------------------------------------------------------


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "TaviCurMiniInst", "res")
    write_ico(os.path.join(out_dir, "TaviCurMiniInst.ico"),
              [(s, icon_image(draw_icon(s))) for s in (16, 20, 24, 32)])
    write_bmp(os.path.join(out_dir, "DefaultProduct.bmp"), draw_product())
    print("wrote", out_dir)


if __name__ == "__main__":
    main()
