#!/usr/bin/env python3
"""Writes bitmaps/strip_NNNN.bmp: the picture strips of the picture lists (line types,
symbols, fill patterns, tick directions and the other small lists), one picture below the
other, each the full strip width and a fixed height.

Magenta is transparent. Lists whose pictures take the object's colours use exact marker
colours that the browser replaces when it draws them: black for the line or edge colour,
white for the fill colour and mid grey (128, 128, 128) for the gap colour of a dashed line.
Other colours are drawn as they are.

Run from resources/ when a picture changes; the bitmaps are kept in the repository so the
build needs no Python. The output depends only on this file and bmp.py.
"""
import math
import sys

from bmp import write_bmp

KEY = (255, 0, 255)
INK = (0, 0, 0)          # tinted with the line or edge colour
FILL = (255, 255, 255)   # tinted with the fill colour
GAP = (128, 128, 128)    # tinted with the gap colour
PAPER = (250, 250, 250)  # a page behind a picture; never tinted
DARK = (40, 40, 40)
MID = (150, 150, 150)
BLUE = (30, 80, 200)
RED = (200, 40, 40)
GREEN = (40, 150, 60)
SOFT = (180, 200, 235)

# A 3x5 font for the few letters and digits the pictures show.
FONT = {
    "0": "111101101101111", "1": "010110010010111", "2": "111001111100111", "3": "111001111001111",
    "4": "101101111001001", "5": "111100111001111", "6": "111100111101111", "7": "111001010010010",
    "8": "111101111101111", "9": "111101111001111", "A": "010101111101101", "B": "110101110101110",
    "C": "011100100100011", "D": "110101101101110", "E": "111100110100111", "F": "111100110100100",
    "J": "001001001101010", "M": "101111111101101", "T": "111010010010010", "W": "101101111111101",
    "S": "011100010001110", "a": "000011101101011", "b": "100110101101110", "c": "000011100100011",
    "-": "000000111000000", "/": "001001010100100", "%": "101001010100101", ":": "000010000010000",
    "s": "000011110011110", "h": "100110101101101", "m": "000110111101101", "d": "001011101101011",
    "y": "000101011001110", "n": "000110101101101", "?": "111001011000010",
}


class Canvas:
    def __init__(self, w, h, bg=KEY):
        self.w, self.h = w, h
        self.px = [[bg] * w for _ in range(h)]

    def set(self, x, y, c):
        x, y = int(round(x)), int(round(y))
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def get(self, x, y):
        return self.px[y][x]

    def rect(self, x0, y0, x1, y1, c):
        for y in range(max(0, y0), min(self.h, y1 + 1)):
            for x in range(max(0, x0), min(self.w, x1 + 1)):
                self.px[y][x] = c

    def frame(self, x0, y0, x1, y1, c):
        self.line(x0, y0, x1, y0, c)
        self.line(x1, y0, x1, y1, c)
        self.line(x1, y1, x0, y1, c)
        self.line(x0, y1, x0, y0, c)

    def line(self, x0, y0, x1, y1, c, width=1):
        n = int(max(abs(x1 - x0), abs(y1 - y0))) * 2 + 1
        for i in range(n + 1):
            t = i / n
            x, y = x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
            for d in range(width):
                if abs(x1 - x0) >= abs(y1 - y0):
                    self.set(x, y + d, c)
                else:
                    self.set(x + d, y, c)

    def polyline(self, pts, c, width=1):
        for (x0, y0), (x1, y1) in zip(pts, pts[1:]):
            self.line(x0, y0, x1, y1, c, width)

    def polygon(self, pts, fill, edge):
        """Fills by the even-odd rule at pixel centres, then outlines."""
        if fill is not None:
            for y in range(self.h):
                yc = y + 0.5
                xs = []
                for (x0, y0), (x1, y1) in zip(pts, pts[1:] + pts[:1]):
                    if (y0 <= yc < y1) or (y1 <= yc < y0):
                        xs.append(x0 + (yc - y0) * (x1 - x0) / (y1 - y0))
                xs.sort()
                for a, b in zip(xs[::2], xs[1::2]):
                    for x in range(int(math.ceil(a - 0.5)), int(math.floor(b - 0.5)) + 1):
                        self.set(x, y, fill)
        if edge is not None:
            self.polyline(pts + pts[:1], edge)

    def disc(self, cx, cy, r, fill, edge=None, keep=None):
        for y in range(self.h):
            for x in range(self.w):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                if d <= r and fill is not None and (keep is None or keep(x + 0.5 - cx, y + 0.5 - cy)):
                    self.px[y][x] = fill
        if edge is not None:
            steps = max(16, int(r * 8))
            for i in range(steps):
                a = 2 * math.pi * i / steps
                self.set(cx - 0.5 + r * math.cos(a), cy - 0.5 + r * math.sin(a), edge)

    def text(self, x, y, s, c):
        for ch in s:
            glyph = FONT.get(ch)
            if glyph:
                for i, bit in enumerate(glyph):
                    if bit == "1":
                        self.set(x + i % 3, y + i // 3, c)
            x += 4

    def blit(self, other, x0, y0):
        for y in range(other.h):
            for x in range(other.w):
                if other.px[y][x] != KEY:
                    self.set(x0 + x, y0 + y, other.px[y][x])


# ---- line types -------------------------------------------------------------------------

# Dash patterns as (on, off) runs in pixels; None: no line; []: solid.
DASHES = [None, [], [(12, 4)], [(8, 4)], [(4, 4)], [(1, 2)], [(10, 3), (2, 3)],
          [(10, 3), (2, 3), (2, 3)], [(7, 3), (7, 3)], [(3, 2), (3, 2), (3, 6)], [(3, 2), (3, 6)],
          [(3, 3), (10, 3)], [(10, 3), (3, 3)], [(10, 3), (3, 3), (3, 3)], [(3, 3), (10, 3), (3, 3)]]


def dash_line(c, y, x0, x1, pattern, thick=2):
    if pattern is None:
        return
    x, k = x0, 0
    runs = pattern or [(x1 - x0 + 1, 0)]
    while x <= x1:
        on, off = runs[k % len(runs)]
        for i in range(on):
            if x + i <= x1:
                for t in range(thick):
                    c.set(x + i, y + t, INK)
        for i in range(off):
            if x + on + i <= x1:
                for t in range(thick):
                    c.set(x + on + i, y + t, GAP)
        x += on + off
        k += 1


def line_types():
    out = []
    for pattern in DASHES:
        c = Canvas(48, 4)
        dash_line(c, 1, 2, 45, pattern)
        out.append(c)
    return out


def line_schemes():
    out = []
    for patterns in ([DASHES[1], DASHES[2], DASHES[5]], [DASHES[1], DASHES[3], DASHES[1]],
                     [DASHES[6], DASHES[7], DASHES[8]]):
        c = Canvas(48, 18)
        for i, p in enumerate(patterns):
            dash_line(c, 3 + i * 5, 2, 45, p)
        out.append(c)
    return out


# ---- line shapes ------------------------------------------------------------------------

PTS = [(3, 19), (12, 6), (20, 14)]


def line_paths():
    out = []
    for kind in range(6):
        c = Canvas(24, 24)
        a, b, d = PTS
        if kind == 0:
            path = [a, b, d]
        elif kind == 1:
            path = [a, (b[0], a[1]), b, (d[0], b[1]), d]
        elif kind == 2:
            path = [a, (a[0], b[1]), b, (b[0], d[1]), d]
        elif kind == 3:
            m1, m2 = (a[0] + b[0]) / 2, (b[0] + d[0]) / 2
            path = [a, (m1, a[1]), (m1, b[1]), (m2, b[1]), (m2, d[1]), d]
        elif kind == 4:
            m1, m2 = (a[1] + b[1]) / 2, (b[1] + d[1]) / 2
            path = [a, (a[0], m1), (b[0], m1), (b[0], m2), (d[0], m2), d]
        else:
            path = []
            for i in range(41):
                t = i / 40
                x = 3 + 17 * t
                path.append((x, 19 - 13 * math.sin(t * math.pi * 0.9) + 5 * t))
        c.polyline(path, INK, 2)
        for x, y in PTS:
            c.rect(x - 1, y - 1, x + 1, y + 1, BLUE)
        out.append(c)
    return out


def line_on_top():
    out = []
    for front in (False, True):
        c = Canvas(24, 24)
        if front:
            c.disc(12, 12, 6, SOFT, DARK)
            c.line(2, 20, 22, 4, INK, 2)
        else:
            c.line(2, 20, 22, 4, INK, 2)
            c.disc(12, 12, 6, SOFT, DARK)
        out.append(c)
    return out


# ---- symbols ----------------------------------------------------------------------------

def shape_points(kind, cx, cy, r):
    if kind == "triangle up":
        return [(cx, cy - r), (cx + r, cy + r * 0.8), (cx - r, cy + r * 0.8)]
    if kind == "triangle down":
        return [(cx - r, cy - r * 0.8), (cx + r, cy - r * 0.8), (cx, cy + r)]
    if kind == "square":
        return [(cx - r, cy - r), (cx + r, cy - r), (cx + r, cy + r), (cx - r, cy + r)]
    if kind == "diamond":
        return [(cx, cy - r - 1), (cx + r + 1, cy), (cx, cy + r + 1), (cx - r - 1, cy)]
    if kind == "hex":
        return [(cx + r * math.cos(math.pi / 3 * i), cy + r * math.sin(math.pi / 3 * i)) for i in range(6)]
    if kind == "star":
        pts = []
        for i in range(10):
            rr = r if i % 2 == 0 else r * 0.45
            a = -math.pi / 2 + math.pi / 5 * i
            pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
        return pts
    raise ValueError(kind)


def half_keep(side):
    return {"right": lambda x, y: x >= 0, "left": lambda x, y: x <= 0,
            "top": lambda x, y: y <= 0, "bottom": lambda x, y: y >= 0}[side]


def hourglass_keep(angle):
    a = math.radians(angle)
    ux, uy = math.cos(a), math.sin(a)

    def keep(x, y):
        along = x * ux + y * uy
        across = -x * uy + y * ux
        return abs(across) <= abs(along)
    return keep


def family(c, kind, variant):
    cx, cy, r = 8, 8, 6
    if kind == "circle":
        c.disc(cx, cy, r, FILL, INK)
        region = lambda keep: c.disc(cx, cy, r - 0.5, INK, None, keep)
    else:
        pts = shape_points(kind, cx, cy, r if kind != "hex" else 6.5)
        c.polygon(pts, FILL, INK)

        def region(keep):
            for y in range(16):
                for x in range(16):
                    if c.get(x, y) == FILL and keep(x + 0.5 - cx, y + 0.5 - cy):
                        c.set(x, y, INK)
    if variant == "dotted":
        c.rect(cx - 1, cy - 1, cx, cy, INK)
    elif variant == "x-hair":
        c.line(cx - r + 1, cy, cx + r - 1, cy, INK)
        c.line(cx, cy - r + 1, cx, cy + r - 1, INK)
    elif variant == "crossed":
        c.line(cx - r + 2, cy - r + 2, cx + r - 2, cy + r - 2, INK)
        c.line(cx - r + 2, cy + r - 2, cx + r - 2, cy - r + 2, INK)
    elif variant and variant.startswith("semi "):
        region(half_keep(variant[5:]))
    elif variant and variant.startswith("hourglass"):
        region(hourglass_keep(int(variant.split()[1])))
    elif variant == "checker":
        region(lambda x, y: (x >= 0) == (y >= 0))


def symbols():
    out = []

    def new():
        c = Canvas(16, 16)
        out.append(c)
        return c

    new()  # (None)
    new().rect(7, 7, 8, 8, INK)  # Dotted
    c = new(); c.line(1, 8, 14, 8, INK); c.line(8, 1, 8, 14, INK); c.disc(8, 8, 3, None, INK)  # Crosshair
    c = new(); c.line(2, 7, 13, 7, INK, 2); c.line(7, 2, 7, 13, INK, 2)  # Plus
    c = new(); c.line(2, 2, 13, 13, INK, 2); c.line(2, 13, 13, 2, INK, 2)  # X
    c = new(); c.line(3, 3, 12, 12, INK); c.line(3, 12, 12, 3, INK)  # Thin X
    c = new(); c.rect(6, 2, 9, 13, FILL); c.rect(2, 6, 13, 9, FILL)  # Cross (a filled plus)
    c.frame(6, 2, 9, 13, INK); c.frame(2, 6, 13, 9, INK); c.rect(7, 6, 8, 9, FILL); c.rect(6, 7, 9, 8, FILL)
    new().rect(2, 7, 13, 8, INK)  # Horizontal Mark
    new().rect(7, 2, 8, 13, INK)  # Vertical Mark
    c = new(); c.disc(7, 6, 4, FILL, INK); c.line(7, 10, 7, 15, INK); c.line(5, 13, 9, 13, INK)  # Female
    c = new(); c.disc(6, 10, 4, FILL, INK); c.line(9, 7, 14, 2, INK); c.line(10, 2, 14, 2, INK); c.line(14, 2, 14, 6, INK)
    for kind in ("triangle up", "triangle down"):
        for variant in (None, "dotted", "x-hair"):
            c = new(); c.polygon(shape_points(kind, 8, 8.5, 6), FILL, INK)
            if variant == "dotted":
                c.rect(7, 8, 8, 9, INK)
            elif variant:
                c.line(5, 9, 11, 9, INK); c.line(8, 5, 8, 12, INK)
    c = new(); c.polygon(shape_points("star", 8, 8.5, 7), FILL, INK)
    circle = [None, "dotted", "x-hair", "crossed", "semi right", "semi left", "semi top", "semi bottom",
              "hourglass 0", "hourglass 45", "hourglass 90", "hourglass 135"]
    for v in circle:
        family(new(), "circle", v)
    square = [None, "dotted", "x-hair", "crossed", "semi right", "semi left", "semi top", "semi bottom",
              "hourglass 0", "hourglass 90"]
    for v in square:
        family(new(), "square", v)
    diamond = [None, "dotted", "x-hair", "crossed", "semi right", "semi left", "semi top", "semi bottom",
               "hourglass 0"]
    for v in diamond:
        family(new(), "diamond", v)
    family(new(), "square", "checker")
    hexes = [None, "dotted", "x-hair", "crossed", "semi right", "semi left", "semi top", "semi bottom",
             "hourglass 0"]
    for v in hexes:
        family(new(), "hex", v)
    assert len(out) == 59, len(out)
    c = new()  # the text symbol
    c.text(2, 5, "Ab", INK)
    c.line(2, 11, 13, 11, GAP)
    return out


def symbol_schemes():
    pics = symbols()
    out = []
    for row in ([18, 30, 40, 11], [19, 31, 41, 12], [21, 33, 43, 13]):
        c = Canvas(48, 18)
        for i, k in enumerate(row):
            c.blit(pics[k], i * 12 - 2, 1)
        out.append(c)
    return out


# ---- fill patterns ----------------------------------------------------------------------

def hatch(c, kind, step, x0=1, y0=1, x1=28, y1=13, colour=INK):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            on = {"fdiag": (x + y) % step == 0, "bdiag": (x - y) % step == 0,
                  "dcross": (x + y) % step == 0 or (x - y) % step == 0, "horiz": y % step == 0,
                  "vert": x % step == 0, "cross": x % step == 0 or y % step == 0}[kind]
            if on:
                c.set(x, y, colour)


def swatch():
    c = Canvas(30, 15)
    c.rect(1, 1, 28, 13, (255, 255, 255))
    return c


def bordered(c):
    c.frame(0, 0, 29, 14, DARK)
    return c


BAYER = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]


def density(c, percent):
    for y in range(1, 14):
        for x in range(1, 29):
            if (BAYER[y % 4][x % 4] + 0.5) / 16 * 100 < percent:
                c.set(x, y, INK)


def named_pattern(c, name):
    for y in range(1, 14):
        for x in range(1, 29):
            on = False
            if name == "Arrows":
                u, v = x % 8, y % 7
                on = (v == 3 and u < 6) or (abs(v - 3) == 6 - u - 0 and u >= 3 and u < 6)
            elif name == "Bricks":
                on = y % 4 == 0 or (x + (4 if (y // 4) % 2 else 0)) % 8 == 0
            elif name == "Bricks Diag.":
                on = (x + y) % 8 == 0 or ((x - y) % 8 == 0 and ((x + y) // 8) % 2 == 0)
            elif name == "Cyclone":
                d = math.hypot((x % 10) - 5, (y % 10) - 5)
                on = int(d + math.atan2((y % 10) - 5, (x % 10) - 5)) % 2 == 0 and d < 5
            elif name == "Zig Zag":
                on = y % 6 == abs((x % 6) - 3)
            elif name == "Scales":
                d = math.hypot(x % 6 - 3, y % 6 - 0)
                on = abs(d - 3) < 0.6
            elif name == "Herringbone":
                on = (x % 8 < 4 and (x + y) % 4 == 0) or (x % 8 >= 4 and (x - y) % 4 == 0)
            elif name == "Confetti":
                on = (x * 7 + y * 13) % 11 < 2
            elif name == "Lrg. Confetti":
                on = ((x // 2) * 7 + (y // 2) * 5) % 7 == 0
            elif name == "Dashes":
                on = y % 4 == 1 and (x + (y // 4) * 3) % 6 < 3
            elif name == "Checkers":
                on = (x // 3 + y // 3) % 2 == 0
            elif name == "Checkers Diag.":
                on = ((x + y) // 3 + (x - y) // 3) % 2 == 0
            elif name == "Balls":
                on = math.hypot(x % 6 - 2.5, y % 6 - 2.5) < 2
            elif name == "Plaid":
                on = x % 6 < 2 or y % 6 < 2
            if on:
                c.set(x, y, INK)


HATCHES = ["fdiag", "bdiag", "dcross", "horiz", "vert", "cross"]
DENSITIES = [10, 20, 25, 30, 40, 50, 60, 70, 75, 80, 90]
NAMED = ["Arrows", "Bricks", "Bricks Diag.", "Cyclone", "Zig Zag", "Scales", "Herringbone", "Confetti",
         "Lrg. Confetti", "Dashes", "Checkers", "Checkers Diag.", "Balls", "Plaid"]


def fill_patterns():
    out = [bordered(swatch())]
    for h in HATCHES:
        c = swatch(); hatch(c, h, 4); out.append(bordered(c))
    for p in DENSITIES:
        c = swatch(); density(c, p); out.append(bordered(c))
    for n in NAMED:
        c = swatch(); named_pattern(c, n); out.append(bordered(c))
    assert len(out) == 32
    return out


def density_forms():
    out = [bordered(swatch())]
    for h in HATCHES:
        for step in (3, 5, 8, 4):  # fine, medium, coarse, the system's spacing
            c = swatch(); hatch(c, h, step)
            if step == 4:
                c.rect(24, 9, 27, 12, BLUE)
            out.append(bordered(c))
    return out


def pattern_schemes():
    out = []
    for row in ([20, 50, 80], ["fdiag", "bdiag", "cross"]):
        c = Canvas(48, 18)
        for i, item in enumerate(row):
            s = swatch()
            if isinstance(item, int):
                density(s, item)
            else:
                hatch(s, item, 4)
            sub = Canvas(14, 15)
            for y in range(15):
                for x in range(14):
                    sub.px[y][x] = s.px[y][x + 1]
            sub.frame(0, 0, 13, 14, DARK)
            c.blit(sub, 1 + i * 16, 1)
        out.append(c)
    return out


# ---- axes, ticks and the smaller lists --------------------------------------------------

def ticks(side, direction, w=24, h=18, colour=INK):
    """An axis line along one side with three ticks pointing in, out, both or nowhere."""
    c = Canvas(w, h)
    horizontal = side in ("bottom", "top")
    length = 4
    if horizontal:
        y = h - 6 if side == "bottom" else 5
        c.line(2, y, w - 3, y, colour)
        inward = -1 if side == "bottom" else 1
        for x in (5, w // 2, w - 6):
            if direction in (1, 3):
                c.line(x, y, x, y + inward * length, colour)
            if direction in (2, 3):
                c.line(x, y, x, y - inward * length, colour)
    else:
        x = 6 if side == "left" else w - 7
        c.line(x, 2, x, h - 3, colour)
        inward = 1 if side == "left" else -1
        for y in (4, h // 2, h - 5):
            if direction in (1, 3):
                c.line(x, y, x + inward * length, y, colour)
            if direction in (2, 3):
                c.line(x, y, x - inward * length, y, colour)
    return c


def scale_ticks(positions, w=40, h=16, marks=None):
    c = Canvas(w, h)
    c.line(2, 9, w - 3, 9, DARK)
    for p in positions:
        x = 2 + p * (w - 5)
        c.line(x, 5, x, 9, DARK)
    for label, x in (marks or []):
        c.text(x, 11, label, BLUE)
    return c


def axis_types():
    lin = [i / 8 for i in range(9)]
    log10 = [math.log10(v) / 2 for v in (1, 2, 3, 5, 10, 20, 30, 50, 100)]
    ln = [math.log(v) / math.log(20) for v in (1, 1.5, 2, 3, 5, 8, 12, 20)]
    prob = [0, 0.06, 0.17, 0.33, 0.5, 0.67, 0.83, 0.94, 1]
    probit = [0, 0.12, 0.26, 0.4, 0.5, 0.6, 0.74, 0.88, 1]
    logit = [0, 0.08, 0.22, 0.38, 0.5, 0.62, 0.78, 0.92, 1]
    weib = [0, 0.3, 0.47, 0.6, 0.7, 0.78, 0.85, 0.91, 0.96, 1]
    recip = [0, 0.5, 0.67, 0.75, 0.8, 0.83, 0.86, 0.9, 1]
    out = [scale_ticks(lin), scale_ticks(log10, marks=[("1", 2), ("1", 19), ("1", 35)]),
           scale_ticks(ln, marks=[("e", 16)]), scale_ticks(prob), scale_ticks(probit), scale_ticks(logit)]
    c = scale_ticks([0, 0.33, 0.67, 1])
    for i, x in enumerate((8, 20, 32)):
        c.rect(x - 2, 2, x + 1, 8, (BLUE, GREEN, RED)[i])
    out.append(c)
    out.append(scale_ticks(lin[::2], marks=[("J", 3), ("M", 13), ("M", 23), ("J", 33)]))
    out += [scale_ticks(weib), scale_ticks(recip)]
    return out


def small(w, h, draw):
    c = Canvas(w, h)
    draw(c)
    return c


def qc_lines(c, n, dash=False, vertical=False):
    w, h = c.w, c.h
    offsets = [0] + [d for k in range(1, n + 1) for d in (k * 3, -k * 3)]
    for o in offsets:
        colour = GREEN if o == 0 else RED
        if vertical:
            x = w // 2 + o
            for y in range(1, h - 1):
                if not dash or y % 4 < 2:
                    c.set(x, y, colour)
        else:
            y = h // 2 + o
            for x in range(1, w - 1):
                if not dash or x % 4 < 2:
                    c.set(x, y, colour)


def data_points(c, vertical=False):
    pts = [(3, 10), (7, 6), (11, 12), (15, 8), (19, 11), (23, 5), (27, 9)]
    for x, y in pts:
        if x < c.w and y < c.h:
            if vertical:
                c.rect(y - 1, x - 1, y, x, BLUE)
            else:
                c.rect(x - 1, y - 1, x, y, BLUE)


def qc_methods():
    out = []
    for n, dash in ((0, False), (1, False), (1, True), (2, False), (3, False), (1, True)):
        c = Canvas(32, 16)
        data_points(c)
        qc_lines(c, n if n else 0, dash)
        out.append(c)
    # "Constant": lines at fixed places, not around the mean
    c = out[5]
    c.px = Canvas(32, 16).px
    data_points(c)
    c.line(1, 3, 30, 3, RED); c.line(1, 12, 30, 12, RED)
    return out


def qc_on_top(vertical):
    out = []
    for front in (False, True):
        c = Canvas(24, 24)
        if front:
            data_points(c, vertical)
            qc_lines(c, 1, False, vertical)
        else:
            qc_lines(c, 1, False, vertical)
            data_points(c, vertical)
            for x, y in [(3, 10), (7, 6), (11, 12), (15, 8), (19, 11), (23, 5)]:
                if vertical:
                    c.rect(y - 1, x - 1, y, x, BLUE)
                else:
                    c.rect(x - 1, y - 1, x, y, BLUE)
        out.append(c)
    return out


def qc_direction():
    out = []
    for vertical in (False, True):
        c = Canvas(24, 24)
        qc_lines(c, 1, False, vertical)
        out.append(c)
    return out


def legend_styles():
    out = []
    for style in range(4):
        c = Canvas(32, 16)
        if style in (0, 2, 3):
            c.line(2, 8, 13, 8, INK, 1)
        if style == 1:
            c.disc(8, 8.5, 3.5, RED, INK)
        if style == 2:
            c.disc(4, 8.5, 2.5, RED, INK); c.disc(12, 8.5, 2.5, RED, INK)
        if style == 3:
            c.disc(8, 8.5, 3, RED, INK)
        for y in (6, 9):
            c.line(17, y, 29, y, MID)
        out.append(c)
    return out


def legend_rectangle():
    c = Canvas(32, 16)
    c.rect(2, 4, 12, 12, SOFT); c.frame(2, 4, 12, 12, INK)
    for y in (6, 9):
        c.line(17, y, 29, y, MID)
    return [c]


def legend_side():
    out = []
    for after in (False, True):
        c = Canvas(32, 16)
        sx, tx = (22, 2) if after else (2, 14)
        c.line(sx, 8, sx + 7, 8, INK); c.disc(sx + 3.5, 8.5, 2.5, RED, INK)
        for y in (6, 9):
            c.line(tx, y, tx + 14, y, MID)
        out.append(c)
    return out


def grid_in_front():
    out = []
    for grid_front in (True, False):
        c = Canvas(24, 24)

        def grid():
            for v in (6, 12, 18):
                c.line(2, v, 21, v, MID); c.line(v, 2, v, 21, MID)

        def plot():
            c.polyline([(2, 18), (8, 10), (14, 14), (21, 4)], BLUE, 2)
        if grid_front:
            plot(); grid()
        else:
            grid(); plot()
        c.frame(1, 1, 22, 22, DARK)
        out.append(c)
    return out


def date_label_kinds():
    out = []
    for label in ("123", "JFM"):
        c = scale_ticks([0.1, 0.5, 0.9], w=32, h=16)
        c.text(2, 10, label[0], BLUE); c.text(14, 10, label[1], BLUE); c.text(26, 10, label[2], BLUE)
        out.append(c)
    return out


def worksheet_column():
    out = []
    # 0: symbols of one size; 1: sizes taken from a worksheet column
    c = Canvas(16, 16)
    for x in (3, 8, 13):
        c.disc(x, 8, 2, SOFT, DARK)
    out.append(c)
    c = Canvas(16, 16)
    c.rect(1, 1, 14, 14, (255, 255, 254)); c.frame(1, 1, 14, 14, DARK)
    c.rect(6, 2, 9, 13, SOFT)
    for y in (4, 7, 10):
        c.line(2, y, 13, y, MID)
    c.line(5, 1, 5, 14, MID); c.line(10, 1, 10, 14, MID)
    out.append(c)
    return out


def threshold_pictures(sign):
    out = []
    for n in range(15):
        c = Canvas(32, 16)
        c.text(1, 5, "1E" + ("-" if sign < 0 else ""), BLUE)
        c.text(13 if sign < 0 else 9, 5, str(n), INK)
        out.append(c)
    return out


def break_types():
    out = []
    for kind in range(4):
        c = Canvas(32, 12)
        c.line(1, 6, 12, 6, INK); c.line(19, 6, 30, 6, INK)
        if kind == 1:
            c.line(11, 9, 14, 3, INK); c.line(17, 9, 20, 3, INK)
        elif kind == 2:
            c.line(12, 3, 12, 9, INK); c.line(19, 3, 19, 9, INK)
        elif kind == 3:
            for x0 in (12, 19):
                c.polyline([(x0 - 1, 10), (x0, 8), (x0 - 1, 6), (x0, 4), (x0 - 1, 2)], INK)
        out.append(c)
    return out


def pie(c, cx, cy, r, explode):
    for i in range(4):
        a0, a1 = i * math.pi / 2, (i + 1) * math.pi / 2
        mid = (a0 + a1) / 2
        dx, dy = (math.cos(mid) * explode[i], math.sin(mid) * explode[i])
        colour = (BLUE, GREEN, RED, SOFT)[i]
        for y in range(c.h):
            for x in range(c.w):
                px, py = x + 0.5 - cx - dx, y + 0.5 - cy - dy
                a = math.atan2(py, px) % (2 * math.pi)
                if math.hypot(px, py) <= r and a0 <= a < a1:
                    c.set(x, y, colour)


def pie_explosions():
    out = []
    for explode in ([0, 0, 0, 0], [3, 0, 0, 0], [2, 2, 2, 2], [0, 3, 0, 3]):
        c = Canvas(24, 24)
        pie(c, 12, 12, 8, explode)
        out.append(c)
    return out


def pie_schemes():
    c = Canvas(24, 24)
    pie(c, 12, 12, 8, [3, 0, 2, 0])
    return [c]


def drop_lines(dirs, three_d):
    c = Canvas(28, 22)
    ox, oy = (6, 17)
    c.line(ox, oy, 26, oy, DARK); c.line(ox, oy, ox, 1, DARK)
    if three_d:
        c.line(ox, oy, 1, 21, DARK)
    px, py = 18, 6
    c.disc(px, py, 2, RED, INK)
    if "X" in dirs:
        c.line(px - 2, py, ox, py, INK)
    if "Y" in dirs:
        c.line(px, py + 2, px, oy, INK)
    if "Z" in dirs:
        c.line(px - 1, py + 1, px - 6, py + 6, INK)
    return c


def drop_directions():
    three = [drop_lines(d, True) for d in ("", "X", "Y", "Z", "XY", "XZ", "YZ", "XYZ")]
    two = [drop_lines(d, False) for d in ("", "X", "Y", "XY")]
    polar = []
    for d in ("", "X", "Y", "XY"):  # none, radial, angular, both
        c = Canvas(28, 22)
        c.disc(12, 11, 9, None, DARK)
        c.disc(18, 7, 2, RED, INK)
        if "X" in d:
            c.line(17, 8, 12, 11, INK)
        if "Y" in d:
            for i in range(12):
                a = -0.6 + i * 0.05
                c.set(12 + 9 * math.cos(a), 11 + 9 * math.sin(a), INK)
        polar.append(c)
    return three, two, polar


def summaries(kinds, w=32, h=16):
    out = []
    for kind in kinds:
        c = Canvas(w, h)
        vals = [3, 6, 7, 9, 13]
        for i, v in enumerate(vals):
            c.rect(3 + i * 3, h - 2 - v, 4 + i * 3, h - 2 - v, MID)
        y = {"mean": 8, "median": 9, "min": 13, "max": 3, "sd": 8, "se": 8, "c95": 8, "c99": 8,
             "pct": 8, "minmax": 8, "column": None, "none": None}[kind]
        if kind == "column":
            c.rect(18, 2, 28, 13, (255, 255, 254)); c.frame(18, 2, 28, 13, DARK)
            c.rect(21, 3, 25, 12, SOFT)
        elif kind != "none" and y is not None:
            c.line(18, y, 28, y, BLUE, 2)
            half = {"sd": 5, "se": 2, "c95": 4, "c99": 6, "pct": 5, "minmax": 6}.get(kind)
            if half:
                c.line(23, y - half, 23, y + half, RED)
                c.line(21, y - half, 25, y - half, RED); c.line(21, y + half, 25, y + half, RED)
        out.append(c)
    return out


def shading():
    out = []
    for gradient in (False, True):
        c = Canvas(32, 16)
        for x in range(2, 30):
            t = (x - 2) / 27
            if not gradient:
                t = int(t * 4) / 4
            c.line(x, 2, x, 13, (int(40 + 200 * t), int(80 + 100 * t), int(200 - 150 * t)))
        c.frame(1, 1, 30, 14, DARK)
        out.append(c)
    return out


def old_date_labels():
    out = []
    for labels in (("J", "F", "M"), ("M", "T", "W"), ("90", "95", "00"), ("A", "B", "C"), ("1", "2", "3")):
        c = scale_ticks([0.1, 0.5, 0.9], w=32, h=18)
        for label, x in zip(labels, (1, 13, 25)):
            c.text(x, 12, label, BLUE)
        out.append(c)
    return out


def arrow_arc(c, cx, cy, r, clockwise, colour=INK):
    pts = []
    for i in range(21):
        a = math.radians(200 + 260 * i / 20) if clockwise else math.radians(-20 - 260 * i / 20)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    c.polyline(pts, colour)
    ex, ey = pts[-1]
    px, py = pts[-3]
    dx, dy = ex - px, ey - py
    n = math.hypot(dx, dy) or 1
    dx, dy = dx / n, dy / n
    for s in (1, -1):
        c.line(ex, ey, ex - 3 * dx + s * 2 * dy, ey - 3 * dy - s * 2 * dx, colour)


def polar_directions():
    out = [Canvas(24, 18)]
    out[0].disc(12, 9, 6, None, MID)
    for cw in (True, False):
        c = Canvas(24, 18)
        arrow_arc(c, 12, 9, 6, cw)
        out.append(c)
    return out


def bar_alignment():
    out = []
    for align in ("right", "center", "left"):
        c = Canvas(32, 17)
        c.line(1, 15, 30, 15, DARK)
        for tx in (8, 22):
            c.line(tx, 15, tx, 16, DARK)
            x0 = {"right": tx, "center": tx - 3, "left": tx - 6}[align]
            c.rect(x0, 4 + (tx % 3), x0 + 5, 14, BLUE)
        out.append(c)
    return out


def bar_thickness():
    out = []
    for variable in (False, True):
        c = Canvas(32, 17)
        c.line(1, 15, 30, 15, DARK)
        widths = (3, 5, 2, 7) if variable else (4, 4, 4, 4)
        x = 3
        for i, w in enumerate(widths):
            c.rect(x, 6 + i, x + w - 1, 14, BLUE)
            x += w + 3
        out.append(c)
    return out


def frame_lines():
    out = []
    for from_origin in (True, False):
        c = Canvas(34, 34)
        c.polygon([(8, 4), (30, 4), (30, 24), (8, 24)], (235, 235, 235), DARK)
        c.line(8, 24, 3, 30, DARK); c.line(30, 24, 25, 30, DARK); c.line(3, 30, 25, 30, DARK)
        if from_origin:
            c.line(8, 24, 8, 4, RED); c.line(8, 24, 30, 24, RED); c.line(8, 24, 3, 30, RED)
        else:
            c.line(30, 24, 30, 4, RED); c.line(3, 30, 25, 30, RED); c.line(25, 30, 30, 24, RED)
        out.append(c)
    return out


def auto_ticks():
    out = []
    for manual in (False, True):
        c = scale_ticks([0.2, 0.4, 0.6, 0.8] if manual else [0, 0.25, 0.5, 0.75, 1], w=32, h=16)
        c.text(1 if not manual else 13, 11, "A" if not manual else "M", BLUE)
        out.append(c)
    return out


def auto_range_steps():
    out = []
    for step in (2, 4, 8):  # coarse, medium, fine
        out.append(scale_ticks([i / step for i in range(step + 1)], w=32, h=16))
    return out


def date_units():
    out = []
    for label in ("A", "s", "m", "h", "d", "M", "y"):
        c = scale_ticks([0, 0.5, 1], w=32, h=16)
        c.text(14, 11, label, BLUE)
        out.append(c)
    return out


def triangle(c, colour=DARK):
    c.polyline([(3, 13), (12, 2), (21, 13), (3, 13)], colour)


def ternary_scale():
    out = []
    for cw in (False, True):
        c = Canvas(24, 16)
        triangle(c, MID)
        arrow_arc(c, 12, 9, 4, cw)
        out.append(c)
    return out


def ternary_ticks():
    out = []
    for direction in range(4):
        c = Canvas(24, 16)
        triangle(c)
        for x in (7, 12, 17):
            if direction in (1, 3):
                c.line(x, 13, x, 11, INK)
            if direction in (2, 3):
                c.line(x, 13, x, 15, INK)
        out.append(c)
    return out


def text_symbol_picture():
    c = Canvas(48, 48, PAPER)
    c.frame(2, 2, 45, 45, MID)
    big = Canvas(12, 10)
    big.text(0, 0, "Ab", INK)
    for y in range(10):
        for x in range(12):
            if big.px[y][x] == INK:
                c.rect(6 + x * 3, 10 + y * 3, 8 + x * 3, 12 + y * 3, BLUE)
    c.line(6, 38, 41, 38, DARK)
    return [c]


def strips():
    three, two, polar = drop_directions()
    tick_sides = {9106: "left", 9107: "right", 9137: "top", 9138: "bottom"}
    table = {
        9019: (48, 18, line_schemes()),
        9020: (48, 4, line_types()),
        9023: (24, 24, line_paths()),
        9024: (24, 24, line_on_top()),
        9037: (48, 18, symbol_schemes()),
        9040: (16, 16, symbols()),
        9048: (32, 16, qc_methods()),
        9050: (32, 16, date_label_kinds()),
        9052: (32, 16, threshold_pictures(-1)),
        9053: (32, 16, threshold_pictures(1)),
        9056: (32, 12, break_types()),
        9058: (48, 18, pattern_schemes()),
        9059: (30, 15, density_forms()),
        9063: (24, 24, qc_on_top(False)),
        9064: (24, 24, qc_on_top(True)),
        9065: (24, 24, qc_direction()),
        9066: (32, 16, legend_styles()),
        9067: (32, 16, legend_side()),
        9068: (40, 16, axis_types()),
        9074: (30, 15, fill_patterns()),
        9076: (16, 16, worksheet_column()),
        9077: (24, 24, grid_in_front()),
        9079: (32, 18, summaries(["mean", "median", "min", "max", "column"], 32, 18)),
        9080: (28, 22, three),
        9081: (28, 22, two),
        9082: (28, 22, polar),
        9083: (32, 16, summaries(["sd", "se", "c95", "c99", "pct", "minmax", "none"])),
        9094: (32, 16, auto_ticks()),
        9096: (24, 24, pie_explosions()),
        9097: (24, 24, pie_schemes()),
        9099: (48, 48, text_symbol_picture()),
        9100: (32, 16, shading()),
        9102: (32, 18, old_date_labels()),
        9104: (24, 18, polar_directions()),
        9109: (32, 17, bar_alignment()),
        9110: (32, 17, bar_thickness()),
        9113: (34, 34, frame_lines()),
        9128: (32, 16, legend_rectangle()),
        9141: (32, 16, auto_range_steps()),
        9143: (32, 16, date_units()),
        9145: (24, 16, ternary_scale()),
        9147: (24, 16, ternary_ticks()),
    }
    for strip, side in tick_sides.items():
        table[strip] = (24, 18, [ticks(side, d) for d in range(4)])
    return table


if __name__ == "__main__":
    folder = sys.argv[1] if len(sys.argv) > 1 else "bitmaps"
    for strip, (w, h, pictures) in sorted(strips().items()):
        for p in pictures:
            assert (p.w, p.h) == (w, h), (strip, p.w, p.h)
        write_bmp(f"{folder}/strip_{strip}.bmp", [row for pic in pictures for row in pic.px])
