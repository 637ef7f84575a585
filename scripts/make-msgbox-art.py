#!/usr/bin/env python3
"""Draws the library's message-box pictures and writes them as bitmaps.

    NelWnd/res/MsgBoxWarning.bmp    yellow warning triangle with "!"
    NelWnd/res/MsgBoxInfo.bmp       blue speech bubble with "i"
    NelWnd/res/MsgBoxQuestion.bmp   green speech bubble with "?"
    NelWnd/res/MsgBoxError.bmp      red disc with a white cross

Each is 48 x 48 pixels, 8 bits per pixel with a 256-colour palette, on the
teal background RGB(0,128,128) that the message box makes transparent, and
shows the same round white mascot at the lower right with its sign at the
upper left.

Python standard library only; the canvas, palette and BMP writer are those
of make-art.py. The output is the same byte for byte on every run.

Usage: scripts/make-msgbox-art.py [output folder]   (default: NelWnd/res)

Shapes here are round, so they are given as "inside" tests evaluated on the
canvas's subsample grid (no snapping of vertices to whole pixels), which
keeps circles and the sign's glyphs smooth.
"""

import importlib.util
import math
import os
import sys

_here = os.path.dirname(os.path.abspath(__file__))
_spec = importlib.util.spec_from_file_location("make_art", os.path.join(_here, "make-art.py"))
art = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(art)

SIZE = 48
SS = art.SS

# ---------------------------------------------------------------------------
# Shapes as inside tests, in pixel coordinates
# ---------------------------------------------------------------------------


def mask(canvas, inside, box):
    """Rows of subsample bits where inside(x, y) holds, tested only inside
    box = (x0, y0, x1, y1) in pixels."""
    rows = [0] * canvas.sh
    x0, y0, x1, y1 = box
    sx0 = max(0, int(math.floor(x0 * SS)))
    sx1 = min(canvas.sw, int(math.ceil(x1 * SS)))
    sy0 = max(0, int(math.floor(y0 * SS)))
    sy1 = min(canvas.sh, int(math.ceil(y1 * SS)))
    for sy in range(sy0, sy1):
        y = (sy + 0.5) / SS
        bits = 0
        for sx in range(sx0, sx1):
            if inside((sx + 0.5) / SS, y):
                bits |= 1 << sx
        rows[sy] = bits
    return rows


def ellipse(cx, cy, rx, ry):
    return (lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0,
            (cx - rx, cy - ry, cx + rx, cy + ry))


def polygon(points):
    """Even-odd polygon test without snapping."""
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]

    def inside(x, y):
        hit = False
        n = len(points)
        for i in range(n):
            ax, ay = points[i]
            bx, by = points[(i + 1) % n]
            if (ay <= y < by) or (by <= y < ay):
                if x < ax + (y - ay) * (bx - ax) / (by - ay):
                    hit = not hit
        return hit
    return inside, (min(xs), min(ys), max(xs), max(ys))


def union(*shapes):
    tests = [s[0] for s in shapes]
    boxes = [s[1] for s in shapes]
    return (lambda x, y: any(t(x, y) for t in tests),
            (min(b[0] for b in boxes), min(b[1] for b in boxes),
             max(b[2] for b in boxes), max(b[3] for b in boxes)))


def rotated_bar(cx, cy, length, width, degrees):
    a = math.radians(degrees)
    ux, uy = math.cos(a), math.sin(a)
    vx, vy = -uy, ux
    hl, hw = length / 2.0, width / 2.0
    return polygon([(cx - ux * hl - vx * hw, cy - uy * hl - vy * hw),
                    (cx + ux * hl - vx * hw, cy + uy * hl - vy * hw),
                    (cx + ux * hl + vx * hw, cy + uy * hl + vy * hw),
                    (cx - ux * hl + vx * hw, cy - uy * hl + vy * hw)])


def arc(cx, cy, r_in, r_out, start, end):
    """A ring segment from angle start to end (degrees, y pointing down)."""
    def inside(x, y):
        d = math.hypot(x - cx, y - cy)
        if not r_in <= d <= r_out:
            return False
        t = math.degrees(math.atan2(y - cy, x - cx))
        return start <= t <= end or start <= t + 360 <= end
    return inside, (cx - r_out, cy - r_out, cx + r_out, cy + r_out)


def paint(canvas, shape, colour, outline=None, width=1.0):
    rows = mask(canvas, *shape)
    if outline:
        canvas.paint(canvas.dilate(rows, width), outline)
    canvas.paint(rows, colour)


def radial(cx, cy, r, inner, outer):
    """Colour falling off from a highlight point (cx, cy) over radius r."""
    def colour(x, y):
        t = min(1.0, math.hypot(x - cx, y - cy) / r)
        return tuple(int(round(a + (b - a) * t)) for a, b in zip(inner, outer))
    return colour

# ---------------------------------------------------------------------------
# Artwork
# ---------------------------------------------------------------------------


INK = (40, 40, 52)


def draw_mascot(c):
    """The round white mascot at the lower right: body, feet, face."""
    outline = (70, 74, 92)
    body_colour = radial(27, 25, 20, (255, 255, 255), (196, 204, 222))
    for fx in (25.0, 37.0):
        paint(c, ellipse(fx, 44.6, 3.6, 2.4), (226, 230, 240), outline)
    paint(c, ellipse(31.5, 31.5, 13.2, 12.6), body_colour, outline)
    # Small ear-like bumps make the figure read as a creature, not a ball.
    paint(c, ellipse(23.0, 20.5, 2.6, 2.6), body_colour, outline)
    paint(c, ellipse(40.0, 20.5, 2.6, 2.6), body_colour, outline)
    paint(c, ellipse(31.5, 31.5, 12.4, 11.8), body_colour)
    # Face: eyes with a glint, rosy cheeks, a small smile.
    for ex in (27.0, 36.0):
        paint(c, ellipse(ex, 30.0, 1.7, 2.4), INK)
        paint(c, ellipse(ex - 0.5, 29.0, 0.6, 0.7), (255, 255, 255))
    for cx in (23.8, 39.2):
        paint(c, ellipse(cx, 34.2, 2.2, 1.3), (250, 168, 180))
    paint(c, arc(31.5, 33.0, 1.6, 2.6, 20, 160), INK)


def sign_warning(c):
    tri = polygon([(12.5, 1.0), (24.5, 23.0), (0.5, 23.0)])
    paint(c, tri, art.gradient(12, 2, (255, 236, 110), 12, 23, (240, 176, 0)), (120, 80, 0), 1.2)
    paint(c, polygon([(11.1, 7.5), (13.9, 7.5), (13.3, 16.5), (11.7, 16.5)]), INK)
    paint(c, ellipse(12.5, 19.4, 1.5, 1.5), INK)


def bubble(c, inner, outer, rim):
    body = union(ellipse(12.0, 11.5, 11.0, 10.5),
                 polygon([(14.0, 19.0), (23.5, 26.5), (19.5, 16.0)]))
    paint(c, body, radial(8, 6, 18, inner, outer), rim, 1.2)
    paint(c, ellipse(8.5, 5.5, 4.0, 2.2), tuple((a + 255 * 2) // 3 for a in inner))


def sign_info(c):
    bubble(c, (130, 190, 255), (20, 84, 196), (10, 40, 110))
    white = (255, 255, 255)
    paint(c, ellipse(12.0, 6.3, 1.8, 1.8), white)
    paint(c, polygon([(10.3, 9.5), (13.6, 9.5), (13.6, 16.3), (14.8, 16.3), (14.8, 18.0),
                      (9.2, 18.0), (9.2, 16.3), (10.4, 16.3), (10.4, 11.2), (9.4, 11.2),
                      (9.4, 9.5)]), white)


def sign_question(c):
    bubble(c, (150, 226, 120), (34, 146, 48), (14, 70, 20))
    white = (255, 255, 255)
    paint(c, arc(12.0, 8.8, 2.2, 4.6, -180, 80), white)
    paint(c, arc(12.0, 8.8, 2.2, 4.6, 170, 180), white)
    paint(c, polygon([(10.9, 12.2), (13.5, 12.2), (13.3, 15.6), (11.1, 15.6)]), white)
    paint(c, ellipse(12.2, 18.3, 1.6, 1.6), white)


def sign_error(c):
    paint(c, ellipse(12.0, 12.0, 11.3, 11.3), radial(8, 7, 17, (255, 120, 110), (178, 16, 16)),
          (96, 0, 0), 1.2)
    white = (255, 255, 255)
    paint(c, union(rotated_bar(12.0, 12.0, 13.0, 3.8, 45), rotated_bar(12.0, 12.0, 13.0, 3.8, -45)),
          white)


def picture(sign):
    c = art.Canvas(SIZE, SIZE, 1.0)
    draw_mascot(c)
    sign(c)
    return c.pixels()


PICTURES = [
    ("MsgBoxWarning.bmp", sign_warning),
    ("MsgBoxInfo.bmp", sign_info),
    ("MsgBoxQuestion.bmp", sign_question),
    ("MsgBoxError.bmp", sign_error),
]


def main():
    root = os.path.dirname(_here)
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "NelWnd", "res")
    for name, sign in PICTURES:
        art.write_bmp(os.path.join(out_dir, name), picture(sign))
    print("wrote", out_dir)


if __name__ == "__main__":
    main()
