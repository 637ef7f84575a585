#!/usr/bin/env python3
"""Draws the demo cursor set and writes it as Windows cursor files.

Two designs, each with a file for every one of the fifteen classic pointer
roles; the animated design also has the two newer roles, Pin and Person:

    design 1 "Mint"   static cursors (.cur): 32 x 32 pixels, 32 bits per
                      pixel with alpha and an AND mask, mint green with a
                      dark slate outline and a soft shadow.
    design 2 "Coral"  animated cursors (.ani): the same shapes in coral,
                      eight 32 x 32 frames each that really move (spinners
                      turn, size arrows breathe, the hand taps, a shine
                      sweeps over the arrows), with per-step rates.

Files (same base name for both designs, .cur for design 1, .ani for 2):

    arrow   Arrow       normal select, hot spot at the arrow tip
    help    Help        arrow with a question mark, hot spot at the tip
    working Wait        working in background (AppStarting), arrow tip
    busy    Busy        busy (Wait), hot spot at the centre
    cross   Cross       precision select, hot spot at the crosshair centre
    beam    Beam        text select, hot spot at the I-beam centre
    pen     Pen         handwriting, hot spot at the pen nib
    no      No          unavailable, hot spot at the centre
    size_ns   Size4     vertical resize, centre
    size_we   Size3     horizontal resize, centre
    size_nwse Size2     diagonal resize (NW-SE), centre
    size_nesw Size1     diagonal resize (NE-SW), centre
    move    Move        move, centre
    up      Up          alternate select, hot spot at the arrow tip
    hand    Hand        link select, hot spot at the fingertip
    pin     Pin         location select (.ani only), hot spot at the tip
    person  Person      person select (.ani only), hot spot at the tip

The install-info file's "Wait" role is the working-in-background pointer
and "Busy" the busy one, hence the names working and busy.

Python standard library only. The output is the same byte for byte on
every run, so the generated files are committed beside the install-info
file in samples/DemoSet. A few of the design 1 files are also written to
docs/examples for the author guide's examples.

Usage: scripts/make-demo-cursors.py [repository root]

Drawing model: shapes are polygons in pixel coordinates (y downwards),
filled with the non-zero rule on a grid of SS x SS subsamples per pixel and
kept as spans per subsample row. An outline is the shape's spans widened by
a disc (so unions of parts get one outline, no seams), a shadow the same
spans shifted. Each layer is composited over the image with its coverage
as alpha.
"""

import math
import os
import struct
import sys

SIZE = 32
SS = 4  # subsamples per pixel along each axis

# Colours (r, g, b) of the two designs.
MINT = {"fill_top": (190, 245, 222), "fill_bottom": (96, 205, 165),
        "line": (28, 58, 70), "accent": (255, 196, 92), "shine": (255, 255, 255)}
CORAL = {"fill_top": (255, 200, 170), "fill_bottom": (244, 112, 96),
         "line": (74, 30, 60), "accent": (120, 220, 235), "shine": (255, 255, 255)}

FRAMES = 8


# ---------------------------------------------------------------- geometry

def rotate(points, angle_deg, cx=0.0, cy=0.0):
    a = math.radians(angle_deg)
    c, s = math.cos(a), math.sin(a)
    return [(cx + x * c - y * s, cy + x * s + y * c) for x, y in points]


def translate(points, dx, dy):
    return [(x + dx, y + dy) for x, y in points]


def signed_area(poly):
    area = 0.0
    for i in range(len(poly)):
        x0, y0 = poly[i]
        x1, y1 = poly[(i + 1) % len(poly)]
        area += x0 * y1 - x1 * y0
    return area / 2


def oriented(poly, positive=True):
    """The polygon with a fixed winding, so that parts add up under the
    non-zero rule (and holes, with the other winding, cut out)."""
    if (signed_area(poly) > 0) != positive:
        return list(reversed(poly))
    return poly


def circle(cx, cy, r, n=40, hole=False):
    pts = [(cx + r * math.cos(2 * math.pi * i / n), cy + r * math.sin(2 * math.pi * i / n))
           for i in range(n)]
    return oriented(pts, not hole)


def rounded_rect(x0, y0, x1, y1, r, n=6):
    pts = []
    corners = [(x1 - r, y0 + r, -90), (x1 - r, y1 - r, 0), (x0 + r, y1 - r, 90), (x0 + r, y0 + r, 180)]
    for cx, cy, start in corners:
        for i in range(n + 1):
            a = math.radians(start + 90 * i / n)
            pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return oriented(pts)


def thick_line(points, width, closed=False):
    """A polyline as quads plus round joins and caps, all of one winding."""
    polys = []
    h = width / 2
    segs = list(zip(points, points[1:]))
    if closed:
        segs.append((points[-1], points[0]))
    for (x0, y0), (x1, y1) in segs:
        dx, dy = x1 - x0, y1 - y0
        length = math.hypot(dx, dy)
        if length == 0:
            continue
        nx, ny = -dy / length * h, dx / length * h
        polys.append(oriented([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)]))
    for x, y in points:
        polys.append(circle(x, y, h, 16))
    return polys


# ---------------------------------------------------------------- raster

def spans_of(polys):
    """Non-zero fill of the polygons: for each subsample row, a list of
    (x0, x1) spans in subsample units."""
    rows = []
    edges = []
    for poly in polys:
        for i in range(len(poly)):
            (x0, y0), (x1, y1) = poly[i], poly[(i + 1) % len(poly)]
            if y0 != y1:
                edges.append((x0 * SS, y0 * SS, x1 * SS, y1 * SS))
    for row in range(SIZE * SS):
        y = row + 0.5
        cross = []
        for x0, y0, x1, y1 in edges:
            if (y0 <= y < y1) or (y1 <= y < y0):
                x = x0 + (y - y0) * (x1 - x0) / (y1 - y0)
                cross.append((x, 1 if y1 > y0 else -1))
        cross.sort()
        spans = []
        wind = 0
        start = 0.0
        for x, d in cross:
            before = wind
            wind += d
            if before == 0 and wind != 0:
                start = x
            elif before != 0 and wind == 0:
                spans.append((start, x))
        rows.append(spans)
    return rows


def merge(spans):
    spans = sorted(spans)
    out = []
    for a, b in spans:
        if out and a <= out[-1][1]:
            out[-1] = (out[-1][0], max(out[-1][1], b))
        else:
            out.append((a, b))
    return out


def dilate(rows, radius):
    """Spans widened by a disc of radius pixels."""
    r = radius * SS
    reach = int(math.ceil(r))
    n = len(rows)
    out = []
    for y in range(n):
        acc = []
        for dy in range(-reach, reach + 1):
            src = y + dy
            if 0 <= src < n and rows[src] and abs(dy) <= r:
                w = math.sqrt(r * r - dy * dy)
                acc.extend((a - w, b + w) for a, b in rows[src])
        out.append(merge(acc))
    return out


def shift(rows, dx, dy):
    n = len(rows)
    sx, sy = dx * SS, int(round(dy * SS))
    out = [[] for _ in range(n)]
    for y in range(n):
        if 0 <= y - sy < n:
            out[y] = [(a + sx, b + sx) for a, b in rows[y - sy]]
    return out


def coverage(rows):
    """Fraction of each pixel's subsamples inside the spans."""
    cov = [0.0] * (SIZE * SIZE)
    unit = 1.0 / (SS * SS)
    for row, spans in enumerate(rows):
        base = (row // SS) * SIZE
        for a, b in spans:
            first = max(0, int(math.ceil(a - 0.5)))
            last = min(SIZE * SS - 1, int(math.ceil(b - 0.5)) - 1)
            for col in range(first, last + 1):
                cov[base + col // SS] += unit
    return cov


class Canvas:
    """Premultiplied RGBA floats, 0..1."""

    def __init__(self):
        self.px = [(0.0, 0.0, 0.0, 0.0)] * (SIZE * SIZE)

    def paint(self, cov, colour, alpha=1.0):
        """colour: (r, g, b) or a function of (x, y) giving (r, g, b)."""
        for i, c in enumerate(cov):
            if c <= 0:
                continue
            a = min(1.0, c) * alpha
            if callable(colour):
                r, g, b = colour(i % SIZE + 0.5, i // SIZE + 0.5)
            else:
                r, g, b = colour
            pr, pg, pb, pa = self.px[i]
            k = 1 - a
            self.px[i] = (r / 255 * a + pr * k, g / 255 * a + pg * k, b / 255 * a + pb * k, a + pa * k)

    def bgra_rows_bottom_up(self):
        data = bytearray()
        mask = bytearray()
        for y in range(SIZE - 1, -1, -1):
            bits = 0
            for x in range(SIZE):
                r, g, b, a = self.px[y * SIZE + x]
                alpha = int(round(a * 255))
                if alpha < 128:
                    # Transparent in the AND mask, black in the colour image:
                    # a system that ignores alpha then shows the screen
                    # through (screen AND 1 XOR 0); one that uses alpha
                    # draws the faint black of shadows and soft edges.
                    data += bytes((0, 0, 0, alpha))
                    bits |= 1 << (31 - x)
                else:
                    data += bytes((int(round(b / a * 255)), int(round(g / a * 255)),
                                   int(round(r / a * 255)), alpha))
            mask += struct.pack(">I", bits)
        return bytes(data), bytes(mask)


def vertical_gradient(top, bottom, y0=2, y1=30):
    def colour(x, y):
        t = min(1.0, max(0.0, (y - y0) / (y1 - y0)))
        return tuple(top[i] + (bottom[i] - top[i]) * t for i in range(3))
    return colour


def draw_body(canvas, polys, style, outline=1.1, shadow=True, clip_shine=None):
    """A shape with shadow, outline and gradient fill; clip_shine: optional
    extra polygons painted in the shine colour inside the shape only."""
    rows = spans_of(polys)
    if shadow:
        canvas.paint(coverage(shift(dilate(rows, outline), 1.0, 1.0)), (0, 0, 0), 0.28)
    canvas.paint(coverage(dilate(rows, outline)), style["line"])
    cov = coverage(rows)
    canvas.paint(cov, vertical_gradient(style["fill_top"], style["fill_bottom"]))
    if clip_shine:
        shine = coverage(spans_of(clip_shine))
        canvas.paint([min(a, b) for a, b in zip(cov, shine)], style["shine"], 0.55)


def draw_ink(canvas, polys, colour, alpha=1.0):
    canvas.paint(coverage(spans_of(polys)), colour, alpha)


# ---------------------------------------------------------------- shapes

def arrow_poly(tx=2.0, ty=1.0):
    pts = [(0, 0), (0, 22.5), (5.2, 17.6), (8.8, 25.8), (12.4, 24.3), (8.9, 16.3), (16.2, 16.3)]
    return oriented(translate(pts, tx, ty))


def shine_band(t):
    """A diagonal band that sweeps over the shape in the first three
    quarters of the cycle; None (a rest) in the last quarter."""
    if t >= 0.75:
        return None
    c = 2 + 40 * t / 0.75
    return [oriented([(c - 3, 0), (c + 1, 0), (c - 31, 32), (c - 35, 32)])]


def question_mark(cx, cy, r=3.2):
    pts = []
    for i in range(13):
        a = math.radians(180 + 215 * i / 12)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    pts.append((cx, cy + r + 1.3))
    pts.append((cx, cy + r + 2.6))
    return thick_line(pts, 2.3), [circle(cx, cy + r + 5.6, 1.45, 16)]


def hourglass(cx, cy, s=1.0):
    pts = [(-7, -11), (7, -11), (7, -8), (1.6, 0), (7, 8), (7, 11), (-7, 11), (-7, 8), (-1.6, 0), (-7, -8)]
    return [oriented([(cx + x * s, cy + y * s) for x, y in pts])]


def hourglass_sand(cx, cy, s=1.0):
    top = [(-4.2, -7.5), (4.2, -7.5), (0.8, -2.2), (-0.8, -2.2)]
    bottom = [(-0.6, 2.6), (0.6, 2.6), (4.6, 8.4), (-4.6, 8.4)]
    return [oriented([(cx + x * s, cy + y * s) for x, y in p]) for p in (top, bottom)]


def spinner(canvas, cx, cy, radius, dot, step, style, count=8):
    """A ring of dots, the brightest at position step, fading behind it."""
    for i in range(count):
        a = 2 * math.pi * i / count - math.pi / 2
        x, y = cx + radius * math.cos(a), cy + radius * math.sin(a)
        age = (step - i) % count
        fade = 1.0 - age / count
        rows = spans_of([circle(x, y, dot, 20)])
        canvas.paint(coverage(dilate(rows, 0.9)), style["line"], 0.35 + 0.65 * fade)
        col = tuple(style["fill_bottom"][k] + (style["fill_top"][k] - style["fill_bottom"][k]) * fade
                    for k in range(3))
        canvas.paint(coverage(rows), col, 0.4 + 0.6 * fade)


def double_arrow(angle, cx=16.0, cy=16.0, reach=12.0, head=5.0, shaft=1.8, neck=5.0):
    n = reach - neck
    pts = [(reach, 0), (n, -head), (n, -shaft), (-n, -shaft), (-n, -head), (-reach, 0),
           (-n, head), (-n, shaft), (n, shaft), (n, head)]
    return oriented(rotate(pts, angle, cx, cy))


def up_arrow(dy=0.0):
    pts = [(15.5, 1.5), (24.5, 10.5), (19, 10.5), (19, 29), (12, 29), (12, 10.5), (6.5, 10.5)]
    return [oriented(translate(pts, 0, dy))]


def crosshair_parts(ring):
    bars = [oriented([(2, 15), (12, 15), (12, 16), (2, 16)]),
            oriented([(19, 15), (29, 15), (29, 16), (19, 16)]),
            oriented([(15, 2), (16, 2), (16, 12), (15, 12)]),
            oriented([(15, 19), (16, 19), (16, 29), (15, 29)])]
    ring_polys = [circle(15.5, 15.5, ring + 0.6, 48), circle(15.5, 15.5, ring - 0.6, 48, hole=True)]
    return bars, ring_polys


def ibeam():
    pts = [(12, 4), (15, 4), (15.5, 5), (16, 4), (19, 4), (19, 5), (16.5, 5.5), (16.5, 25.5), (19, 26),
           (19, 27), (16, 27), (15.5, 26), (15, 27), (12, 27), (12, 26), (14.5, 25.5), (14.5, 5.5), (12, 5)]
    return [oriented(pts)]


def pen(tip=(3.0, 28.0), trail=0.0):
    d = (1 / math.sqrt(2), -1 / math.sqrt(2))
    n = (1 / math.sqrt(2), 1 / math.sqrt(2))

    def at(u, v):
        return (tip[0] + u * d[0] + v * n[0], tip[1] + u * d[1] + v * n[1])

    nib = oriented([at(0, 0), at(6.5, -2.9), at(6.5, 2.9)])
    body = [at(6.5, -2.9), at(27, -2.9)]
    for i in range(1, 8):
        a = math.pi / 2 - math.pi * i / 8
        body.append(at(27 + 2.9 * math.cos(a), 2.9 * math.sin(a) * -1))
    body += [at(27, 2.9), at(6.5, 2.9)]
    band = oriented([at(8.5, -2.9), at(11, -2.9), at(11, 2.9), at(8.5, 2.9)])
    return nib, oriented(body), band


def no_sign(scale=1.0):
    r_out, r_in = 11.0 * scale, 7.6 * scale
    ring = [circle(16, 16, r_out, 56), circle(16, 16, r_in, 56, hole=True)]
    w = 1.75 * scale
    k = r_in + 0.5
    bar = rotate([(-k, -w), (k, -w), (k, w), (-k, w)], 45, 16, 16)
    return ring + [oriented(bar)]


def hand(dy=0.0):
    parts = [rounded_rect(9.5, 1.5, 14.0, 18, 2.25),           # index finger
             rounded_rect(13.2, 9.8, 17.2, 19, 2.0),           # curled fingers
             rounded_rect(16.6, 11.0, 20.6, 20, 2.0),
             rounded_rect(20.0, 12.6, 24.0, 21, 2.0),
             rounded_rect(9.5, 14.5, 24.0, 27.5, 3.5),         # palm
             oriented(rotate([(-3.4, -2.2), (3.4, -2.2), (3.4, 2.2), (-3.4, 2.2)], 40, 8.0, 19.2))]
    parts.append(circle(5.6, 17.2, 2.2, 20))                   # thumb tip
    return [oriented(translate(p, 0, dy)) for p in parts]


def hand_creases(dy=0.0):
    lines = [[(14.0, 15.0), (14.0, 18.6)], [(17.4, 16.6), (17.4, 19.8)], [(20.6, 17.2), (20.6, 20.6)]]
    out = []
    for pts in lines:
        out += thick_line(translate(pts, 0, dy), 0.7)
    return out


def map_pin(cx, cy, s=1.0):
    """A map pin: a round head with a hole and a point below it at
    (cx, cy + 9 s)."""
    head = circle(cx, cy, 4.2 * s, 32)
    point = oriented([(cx - 3.3 * s, cy + 2.6 * s), (cx + 3.3 * s, cy + 2.6 * s), (cx, cy + 9.0 * s)])
    return [head, point], circle(cx, cy, 1.6 * s, 20, hole=True)


def person(cx, cy, s=1.0):
    """Head and shoulders of a person, centred on (cx, cy)."""
    head = circle(cx, cy - 4.4 * s, 2.7 * s, 28)
    shoulders = rounded_rect(cx - 5.6 * s, cy + 0.6 * s, cx + 5.6 * s, cy + 7.4 * s, 3.2 * s)
    return [head, shoulders]


def cuff(dy=0.0):
    return [oriented(translate([(10.5, 26.5), (23, 26.5), (23, 30.5), (10.5, 30.5)], 0, dy))]


# ---------------------------------------------------------------- roles

def draw_role(role, style, t, animated):
    """One image of a role; t in [0, 1) is the animation phase."""
    c = Canvas()
    step = int(round(t * FRAMES)) % FRAMES
    wave = math.sin(2 * math.pi * t)
    sweep = shine_band(t) if animated else None
    if role == "arrow":
        draw_body(c, [arrow_poly()], style, clip_shine=sweep)
    elif role == "help":
        draw_body(c, [arrow_poly()], style)
        stroke, dot = question_mark(23.5, 6.5 + (1.2 * wave if animated else 0))
        ink = stroke + dot
        rows = spans_of(ink)
        c.paint(coverage(dilate(rows, 1.0)), style["line"])
        c.paint(coverage(rows), style["accent"])
    elif role == "working":
        draw_body(c, [arrow_poly()], style)
        if animated:
            spinner(c, 23.0, 22.5, 5.2, 1.55, step, style)
        else:
            draw_body(c, hourglass(23.5, 22.5, 0.55), style, outline=1.0, shadow=False)
            draw_ink(c, hourglass_sand(23.5, 22.5, 0.55), style["accent"])
    elif role == "busy":
        if animated:
            spinner(c, 16, 16, 10.5, 3.0, step, style)
        else:
            draw_body(c, hourglass(16, 16), style)
            draw_ink(c, hourglass_sand(16, 16), style["accent"])
    elif role == "cross":
        bars, ring = crosshair_parts(6.5 + (1.5 * wave if animated else 0))
        rows = spans_of(bars + ring)
        c.paint(coverage(dilate(rows, 1.0)), style["line"])
        c.paint(coverage(spans_of(ring)), style["fill_bottom"])
        c.paint(coverage(spans_of(bars)), style["fill_top"])
    elif role == "beam":
        rows = spans_of(ibeam())
        c.paint(coverage(dilate(rows, 1.0)), style["line"])
        # The stem glows light and dark, like a blinking caret.
        glow = 0.5 - 0.5 * math.cos(2 * math.pi * t) if animated else 0.0
        c.paint(coverage(rows), tuple(style["fill_top"][k] + (style["fill_bottom"][k] - style["fill_top"][k]) * glow
                                      for k in range(3)))
    elif role == "pen":
        if animated:
            length = 2 + 18 * t
            pts = [(3.0 + i * length / 10, 28.5 + 1.3 * math.sin(i * 1.3)) for i in range(11)]
            draw_ink(c, thick_line(pts, 1.3), style["accent"], 0.9)
        nib, body, band = pen()
        draw_body(c, [nib, body], style)
        draw_ink(c, [band], style["accent"])
        draw_ink(c, [nib], style["line"], 0.55)
    elif role == "no":
        draw_body(c, no_sign(0.92 + 0.08 * wave if animated else 1.0), style)
    elif role in ("size_ns", "size_we", "size_nwse", "size_nesw"):
        angle = {"size_ns": 90, "size_we": 0, "size_nwse": 45, "size_nesw": -45}[role]
        reach = 12.0 + (1.5 * wave if animated else 0)
        if role in ("size_nwse", "size_nesw"):
            reach -= 0.5
        draw_body(c, [double_arrow(angle, reach=reach)], style)
    elif role == "move":
        reach = 12.5 + (1.3 * wave if animated else 0)
        polys = [double_arrow(0, reach=reach, head=4.2, shaft=1.5, neck=4.2),
                 double_arrow(90, reach=reach, head=4.2, shaft=1.5, neck=4.2),
                 circle(16, 16, 3.0, 24)]
        draw_body(c, polys, style)
    elif role == "up":
        dy = (1.0 - math.cos(2 * math.pi * t)) * 1.2 if animated else 0.0
        draw_body(c, up_arrow(dy), style, clip_shine=sweep)
    elif role == "hand":
        # A tap: down and up again over the cycle, then a rest (rates).
        dy = 1.8 * math.sin(math.pi * t) ** 2 if animated else 0.0
        draw_body(c, hand(dy) + cuff(dy), style)
        draw_ink(c, cuff(dy), style["accent"])
        draw_ink(c, hand_creases(dy), style["line"], 0.7)
    elif role == "pin":
        draw_body(c, [arrow_poly()], style)
        # The pin drops in and settles.
        dy = -2.2 * math.cos(math.pi * t) ** 2 if animated else 0.0
        parts, hole = map_pin(23.5, 16.5 + dy, 0.95)
        draw_body(c, parts + [hole], style, outline=1.0)
        draw_ink(c, [circle(23.5, 16.5 + dy, 1.6 * 0.95, 20)], style["accent"])
    elif role == "person":
        draw_body(c, [arrow_poly()], style)
        # The person nods: a small scale pulse.
        scale = 0.88 + 0.06 * wave if animated else 0.88
        head, shoulders = person(23.0, 21.5, scale)
        draw_body(c, [shoulders], style, outline=1.0)
        draw_body(c, [head], style, outline=1.0)
    else:
        raise ValueError(role)
    return c


# (file base name, install-info role, hot spot x, y)
ROLES = [
    ("arrow", "Arrow", 2, 1),
    ("help", "Help", 2, 1),
    ("working", "Wait", 2, 1),
    ("busy", "Busy", 16, 16),
    ("cross", "Cross", 15, 15),
    ("beam", "Beam", 15, 15),
    ("pen", "Pen", 3, 27),
    ("no", "No", 16, 16),
    ("size_ns", "Size4", 16, 16),
    ("size_we", "Size3", 16, 16),
    ("size_nwse", "Size2", 16, 16),
    ("size_nesw", "Size1", 16, 16),
    ("move", "Move", 16, 16),
    ("up", "Up", 15, 1),
    ("hand", "Hand", 11, 1),
    ("pin", "Pin", 2, 1),
    ("person", "Person", 2, 1),
]

# Roles only the animated design has (Windows 10 version 1709 and later
# read them as fields 16 and 17 of a scheme).
ANIMATED_ONLY = {"pin", "person"}

# Jiffies (1/60 s) per animation step; the last value of a list repeats.
RATES = {
    "arrow": [5, 5, 5, 5, 5, 5, 30, 30],   # a shine sweeps, then a pause
    "up": [5, 5, 5, 5, 5, 5, 30, 30],
    "help": [8],
    "working": [6],
    "busy": [6],
    "hand": [7, 7, 7, 7, 7, 7, 7, 20],
    "pen": [6, 6, 6, 6, 6, 6, 6, 40],      # the ink line grows, then rests
    "pin": [6, 6, 6, 6, 6, 6, 6, 30],      # the pin drops, then rests
}
DEFAULT_RATE = [8]


# ---------------------------------------------------------------- files

def cur_image(canvas):
    """The image part of a .cur entry: BITMAPINFOHEADER (double height for
    XOR + AND), 32-bit BGRA rows, then the 1-bit AND mask."""
    xor, mask = canvas.bgra_rows_bottom_up()
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return header + xor + mask


def cur_file(canvas, hx, hy):
    image = cur_image(canvas)
    # ICONDIR (reserved, type 2 = cursor, count) and one ICONDIRENTRY whose
    # planes and bit-count fields hold the hot spot.
    head = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, hx, hy, len(image), 6 + 16)
    return head + entry + image


def chunk(tag, data):
    pad = b"\0" if len(data) % 2 else b""
    return tag + struct.pack("<I", len(data)) + data + pad


def ani_file(frames, hx, hy, rates, title, artist):
    count = len(frames)
    steps = [rates[min(i, len(rates) - 1)] for i in range(count)]
    # anih: size, frames, steps, width, height, bit count, planes (0: the
    # frames are complete cursor images), default rate, flags (1 = frames
    # are icon/cursor resources; no "seq " chunk, so steps run in order).
    anih = struct.pack("<9I", 36, count, count, 0, 0, 0, 0, steps[0], 1)
    info = b"INFO" + chunk(b"INAM", title.encode("ascii") + b"\0") + chunk(b"IART", artist.encode("ascii") + b"\0")
    fram = b"fram" + b"".join(chunk(b"icon", cur_file(f, hx, hy)) for f in frames)
    body = b"ACON" + chunk(b"LIST", info) + chunk(b"anih", anih) + \
        chunk(b"rate", struct.pack("<%dI" % count, *steps)) + chunk(b"LIST", fram)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


# Files the author guide's examples list; copied beside them.
EXAMPLE_FILES = ["arrow.cur", "working.cur", "busy.cur", "arrow.ani", "working.ani", "busy.ani"]


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    out = os.path.join(root, "samples", "DemoSet")
    examples = os.path.join(root, "docs", "examples")
    os.makedirs(out, exist_ok=True)
    os.makedirs(examples, exist_ok=True)
    written = {}
    for name, role, hx, hy in ROLES:
        frames = [draw_role(name, CORAL, i / FRAMES, True) for i in range(FRAMES)]
        moving = ani_file(frames, hx, hy, RATES.get(name, DEFAULT_RATE),
                          "Demo Set Coral " + role, "Kurumi Cursor Works")
        written[name + ".ani"] = moving
        write(os.path.join(out, name + ".ani"), moving)
        still = b""
        if name not in ANIMATED_ONLY:
            still = cur_file(draw_role(name, MINT, 0.0, False), hx, hy)
            written[name + ".cur"] = still
            write(os.path.join(out, name + ".cur"), still)
        print("%-10s %-6s hot spot (%2d,%2d)  .cur %5d bytes  .ani %6d bytes, %d frames"
              % (name, role, hx, hy, len(still), len(moving), FRAMES))
    for name in EXAMPLE_FILES:
        write(os.path.join(examples, name), written[name])


if __name__ == "__main__":
    main()
