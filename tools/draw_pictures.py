#!/usr/bin/env python3
"""Draws Zentavoro's pictures and icon into assets/pictures/.

    python3 tools/draw_pictures.py [assets-dir]

Everything is drawn from code with the standard library alone, so the
pictures can be rebuilt anywhere and come out the same byte for byte on
every run.  Shapes are signed distance functions (negative inside, in
pixels): the distance to the edge gives each pixel its coverage, which
smooths edges as supersampling would at a fraction of the cost, and a wider
ramp turns the same shape into a soft shadow or a glow.  The letters come
from a small stroke font of our own whose round-capped strokes make the
rounded lettering.
"""

import math
import os
import struct
import sys
import zlib

# ---------------------------------------------------------------- geometry


def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def smoothstep(t):
    t = clamp(t)
    return t * t * (3.0 - 2.0 * t)


def box_distance(box, x, y):
    dx = max(box[0] - x, 0.0, x - box[2])
    dy = max(box[1] - y, 0.0, y - box[3])
    return math.sqrt(dx * dx + dy * dy)


class Shape:
    """A signed distance function with a box that holds its inside."""

    def __init__(self, f, box):
        self.f = f
        self.box = box

    def __or__(self, other):
        return union([self, other])

    def __and__(self, other):
        a, b = self.f, other.f
        box = (max(self.box[0], other.box[0]), max(self.box[1], other.box[1]),
               min(self.box[2], other.box[2]), min(self.box[3], other.box[3]))
        return Shape(lambda x, y: max(a(x, y), b(x, y)), box)

    def __sub__(self, other):
        a, b = self.f, other.f
        return Shape(lambda x, y: max(a(x, y), -b(x, y)), self.box)

    def grow(self, r):
        f = self.f
        x0, y0, x1, y1 = self.box
        return Shape(lambda x, y: f(x, y) - r, (x0 - r, y0 - r, x1 + r, y1 + r))

    def outline(self, width):
        """A band of the given width centred on the edge."""
        f = self.f
        h = width / 2.0
        x0, y0, x1, y1 = self.box
        return Shape(lambda x, y: abs(f(x, y)) - h, (x0 - h, y0 - h, x1 + h, y1 + h))

    def moved(self, dx, dy):
        f = self.f
        x0, y0, x1, y1 = self.box
        return Shape(lambda x, y: f(x - dx, y - dy), (x0 + dx, y0 + dy, x1 + dx, y1 + dy))


def union(shapes, pad=12.0):
    # A part whose box lies farther than `pad` cannot change the coverage of
    # a pixel, so its box distance (a lower bound) stands in for it.
    shapes = list(shapes)
    box = (min(s.box[0] for s in shapes), min(s.box[1] for s in shapes),
           max(s.box[2] for s in shapes), max(s.box[3] for s in shapes))
    parts = [(s.f, s.box) for s in shapes]

    def f(x, y):
        best = 1e9
        for g, b in parts:
            d = box_distance(b, x, y)
            if d < pad:
                d = g(x, y)
            if d < best:
                best = d
        return best
    return Shape(f, box)


def circle(cx, cy, r):
    return Shape(lambda x, y: math.hypot(x - cx, y - cy) - r, (cx - r, cy - r, cx + r, cy + r))


def ellipse(cx, cy, rx, ry):
    def f(x, y):
        px, py = (x - cx) / rx, (y - cy) / ry
        k0 = math.hypot(px, py)
        k1 = math.hypot(px / rx, py / ry)
        if k1 == 0.0:
            return -min(rx, ry)
        return k0 * (k0 - 1.0) / k1
    return Shape(f, (cx - rx, cy - ry, cx + rx, cy + ry))


def rect(x0, y0, x1, y1, r=0.0):
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    hx, hy = (x1 - x0) / 2.0 - r, (y1 - y0) / 2.0 - r

    def f(x, y):
        qx = abs(x - cx) - hx
        qy = abs(y - cy) - hy
        return math.hypot(max(qx, 0.0), max(qy, 0.0)) + min(max(qx, qy), 0.0) - r
    return Shape(f, (x0, y0, x1, y1))


def polygon(points):
    v = [(float(a), float(b)) for a, b in points]
    n = len(v)
    edges = []
    for i in range(n):
        ax, ay = v[i]
        bx, by = v[i - 1]
        ex, ey = bx - ax, by - ay
        edges.append((ax, ay, bx, by, ex, ey, ex * ex + ey * ey or 1e-12))

    def f(x, y):
        d = 1e18
        inside = False
        for ax, ay, bx, by, ex, ey, ee in edges:
            wx, wy = x - ax, y - ay
            t = (wx * ex + wy * ey) / ee
            t = 0.0 if t < 0.0 else 1.0 if t > 1.0 else t
            qx, qy = wx - ex * t, wy - ey * t
            q = qx * qx + qy * qy
            if q < d:
                d = q
            c1 = y >= ay
            c2 = y < by
            c3 = ex * wy > ey * wx
            if (c1 and c2 and c3) or (not c1 and not c2 and not c3):
                inside = not inside
        d = math.sqrt(d)
        return -d if inside else d
    xs = [p[0] for p in v]
    ys = [p[1] for p in v]
    return Shape(f, (min(xs), min(ys), max(xs), max(ys)))


def stroke(points, r):
    """A round-capped, round-joined line of radius r along the points."""
    pts = [(float(a), float(b)) for a, b in points]
    if len(pts) == 1:
        return circle(pts[0][0], pts[0][1], r)
    segs = []
    for (ax, ay), (bx, by) in zip(pts, pts[1:]):
        ex, ey = bx - ax, by - ay
        segs.append((ax, ay, ex, ey, ex * ex + ey * ey or 1e-12))

    def f(x, y):
        d = 1e18
        for ax, ay, ex, ey, ee in segs:
            wx, wy = x - ax, y - ay
            t = (wx * ex + wy * ey) / ee
            t = 0.0 if t < 0.0 else 1.0 if t > 1.0 else t
            qx, qy = wx - ex * t, wy - ey * t
            q = qx * qx + qy * qy
            if q < d:
                d = q
        return math.sqrt(d) - r
    xs = [p[0] for p in pts]
    ys = [p[1] for p in pts]
    return Shape(f, (min(xs) - r, min(ys) - r, max(xs) + r, max(ys) + r))


def arc(cx, cy, rx, ry, a0, a1, n=24):
    """Points on an elliptic arc; angles in degrees, counter-clockwise on screen."""
    out = []
    for i in range(n + 1):
        a = math.radians(a0 + (a1 - a0) * i / n)
        out.append((cx + rx * math.cos(a), cy - ry * math.sin(a)))
    return out


def quad(p0, p1, p2, n=16):
    out = []
    for i in range(n + 1):
        t = i / n
        u = 1.0 - t
        out.append((u * u * p0[0] + 2 * u * t * p1[0] + t * t * p2[0],
                    u * u * p0[1] + 2 * u * t * p1[1] + t * t * p2[1]))
    return out


def cubic(p0, p1, p2, p3, n=20):
    out = []
    for i in range(n + 1):
        t = i / n
        u = 1.0 - t
        a, b, c, d = u * u * u, 3 * u * u * t, 3 * u * t * t, t * t * t
        out.append((a * p0[0] + b * p1[0] + c * p2[0] + d * p3[0],
                    a * p0[1] + b * p1[1] + c * p2[1] + d * p3[1]))
    return out


def path(*pieces):
    """Joins point lists, dropping the repeated point where two pieces meet."""
    out = []
    for piece in pieces:
        for p in piece:
            if not out or abs(out[-1][0] - p[0]) > 1e-9 or abs(out[-1][1] - p[1]) > 1e-9:
                out.append(p)
    return out


def oval(cx, cy, rx, ry, degrees, n=40):
    """An ellipse turned by the given angle (clockwise on screen)."""
    return polygon(rotated(arc(cx, cy, rx, ry, 0, 360 - 360.0 / n, n - 1), cx, cy, degrees))


def rotated(points, cx, cy, degrees):
    a = math.radians(degrees)
    c, s = math.cos(a), math.sin(a)
    return [(cx + (x - cx) * c - (y - cy) * s, cy + (x - cx) * s + (y - cy) * c) for x, y in points]


# ------------------------------------------------------------------ paints


def mix(c0, c1, t):
    return tuple(a + (b - a) * t for a, b in zip(c0, c1))


def ramp(stops, t):
    if t <= stops[0][0]:
        return stops[0][1]
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        if t <= t1:
            return mix(c0, c1, (t - t0) / (t1 - t0) if t1 > t0 else 1.0)
    return stops[-1][1]


def linear(x0, y0, x1, y1, *stops):
    """Colour along the line from (x0, y0) to (x1, y1); stops are (t, colour)."""
    ex, ey = x1 - x0, y1 - y0
    ee = ex * ex + ey * ey
    return lambda x, y: ramp(stops, ((x - x0) * ex + (y - y0) * ey) / ee)


def radial(cx, cy, r, *stops, sy=1.0):
    return lambda x, y: ramp(stops, math.hypot(x - cx, (y - cy) / sy) / r)


# ------------------------------------------------------------------ canvas


class Canvas:
    """RGB in 0..255 with straight alpha in 0..1."""

    def __init__(self, w, h, ground=None):
        self.w, self.h = w, h
        n = w * h
        if ground is None:
            self.r, self.g, self.b, self.a = [0.0] * n, [0.0] * n, [0.0] * n, [0.0] * n
        else:
            self.r, self.g, self.b, self.a = [0.0] * n, [0.0] * n, [0.0] * n, [1.0] * n
            self.fill(rect(-1, -1, w + 1, h + 1), ground)

    def fill(self, shape, paint, opacity=1.0, soft=0.0, hard=False):
        """Paints the shape; `soft` widens the edge ramp to that many pixels
        each side (shadows, glows); `hard` keeps edges unblended."""
        f = shape.f
        ramp_w = max(soft, 0.5)
        x0, y0, x1, y1 = shape.box
        xa = max(int(math.floor(x0 - ramp_w)), 0)
        ya = max(int(math.floor(y0 - ramp_w)), 0)
        xb = min(int(math.ceil(x1 + ramp_w)), self.w)
        yb = min(int(math.ceil(y1 + ramp_w)), self.h)
        solid = not callable(paint)
        R, G, B, A = self.r, self.g, self.b, self.a
        for y in range(ya, yb):
            cy = y + 0.5
            row = y * self.w
            for x in range(xa, xb):
                cx = x + 0.5
                d = f(cx, cy)
                if d >= ramp_w:
                    continue
                if hard:
                    cov = 1.0 if d < 0.0 else 0.0
                elif soft > 0.5:
                    cov = smoothstep((soft - d) / (2.0 * soft))
                else:
                    cov = 0.5 - d
                    cov = 1.0 if cov > 1.0 else cov
                if cov <= 0.0:
                    continue
                col = paint if solid else paint(cx, cy)
                a = cov * opacity * (col[3] if len(col) > 3 else 1.0)
                if a <= 0.0:
                    continue
                i = row + x
                da = A[i]
                oa = a + da * (1.0 - a)
                if oa <= 0.0:
                    continue
                k = da * (1.0 - a)
                R[i] = (col[0] * a + R[i] * k) / oa
                G[i] = (col[1] * a + G[i] * k) / oa
                B[i] = (col[2] * a + B[i] * k) / oa
                A[i] = oa

    def shadow(self, shape, dx=2.0, dy=2.0, blur=2.0, opacity=0.35, colour=(0, 0, 0)):
        self.fill(shape.moved(dx, dy), colour, opacity=opacity, soft=blur)

    def rows_8bit(self, row_order):
        """The pixels as 8-bit (r, g, b, a) tuples, rows in the given order."""
        out = []
        for y in row_order:
            row = []
            for x in range(self.w):
                i = y * self.w + x
                row.append((q8(self.r[i]), q8(self.g[i]), q8(self.b[i]), q8(self.a[i] * 255.0)))
            out.append(row)
        return out


def q8(v):
    v = int(math.floor(v + 0.5))
    return 0 if v < 0 else 255 if v > 255 else v


# ------------------------------------------------------------- file formats


def bmp_bytes(c):
    """24-bit uncompressed bottom-up BMP (BITMAPINFOHEADER)."""
    stride = (c.w * 3 + 3) & ~3
    pad = b"\0" * (stride - c.w * 3)
    body = bytearray()
    for row in c.rows_8bit(range(c.h - 1, -1, -1)):
        for r, g, b, _ in row:
            body += bytes((b, g, r))
        body += pad
    head = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(body), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, c.w, c.h, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    return head + info + bytes(body)


def png_bytes(c):
    raw = bytearray()
    for row in c.rows_8bit(range(c.h)):
        raw.append(0)
        for px in row:
            raw += bytes(px)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    ihdr = struct.pack(">IIBBBBB", c.w, c.h, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr)
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def ico_bytes(canvases):
    """An icon of 32-bit BMP images, each with its AND mask."""
    images = []
    for c in canvases:
        xor = bytearray()
        mask = bytearray()
        mstride = ((c.w + 31) // 32) * 4
        for row in c.rows_8bit(range(c.h - 1, -1, -1)):
            bits = bytearray(mstride)
            for x, (r, g, b, a) in enumerate(row):
                xor += bytes((b, g, r, a))
                if a == 0:
                    bits[x >> 3] |= 0x80 >> (x & 7)
            mask += bits
        info = struct.pack("<IiiHHIIiiII", 40, c.w, c.h * 2, 1, 32, 0,
                           len(xor) + len(mask), 0, 0, 0, 0)
        images.append((c.w, c.h, info + bytes(xor) + bytes(mask)))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for w, h, data in images:
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, _, data in images:
        out += data
    return out


# -------------------------------------------------------------------- font
#
# Centre lines of a rounded stroke font.  Units: baseline y = 0, x-height 1,
# capitals 1.4, y pointing up.  Each glyph is (advance, [polyline, ...]).


def _arc(cx, cy, rx, ry, a0, a1, n=24):
    """Points on an arc in font units (y up, counter-clockwise)."""
    out = []
    for i in range(n + 1):
        a = math.radians(a0 + (a1 - a0) * i / n)
        out.append((cx + rx * math.cos(a), cy + ry * math.sin(a)))
    return out


GLYPHS = {
    "Z": (0.95, [[(0.0, 1.4), (0.95, 1.4), (0.0, 0.0), (0.95, 0.0)]]),
    "e": (0.9, [[(0.02, 0.5), (0.9, 0.5)] + _arc(0.45, 0.5, 0.45, 0.5, 0, 318, 36)]),
    "n": (0.8, [[(0.0, 0.0), (0.0, 1.0)],
                _arc(0.4, 0.55, 0.4, 0.45, 180, 0, 18) + [(0.8, 0.0)]]),
    "t": (0.7, [[(0.22, 1.38)] + _arc(0.52, 0.3, 0.3, 0.3, 180, 290, 10),
                [(0.0, 1.0), (0.66, 1.0)]]),
    "a": (0.84, [_arc(0.42, 0.5, 0.42, 0.5, 0, 360, 36), [(0.84, 1.0), (0.84, 0.0)]]),
    "v": (0.9, [[(0.0, 1.0), (0.45, 0.0), (0.9, 1.0)]]),
    "o": (0.9, [_arc(0.45, 0.5, 0.45, 0.5, 0, 360, 36)]),
    "r": (0.62, [[(0.0, 0.0), (0.0, 1.0)], _arc(0.42, 0.5, 0.42, 0.48, 180, 55, 14)]),
    "H": (0.95, [[(0.0, 0.0), (0.0, 1.4)], [(0.95, 0.0), (0.95, 1.4)], [(0.0, 0.72), (0.95, 0.72)]]),
    "l": (0.0, [[(0.0, 1.45), (0.0, 0.0)]]),
    "!": (0.0, [[(0.0, 1.42), (0.0, 0.52)], [(0.0, 0.0)]]),
}


def text_strokes(text, x, y, sx, sy, r, gap, bounce=None):
    """Stroke lists for the text with its baseline starting at (x, y) in
    pixels; sx, sy pixels per font unit, r stroke radius in pixels;
    `bounce` lifts each letter by its own number of pixels."""
    letters = []
    pen = x + r
    for i, ch in enumerate(text):
        adv, lines = GLYPHS[ch]
        by = y - (bounce[i] if bounce else 0.0)
        strokes = [stroke([(pen + px * sx, by - py * sy) for px, py in line], r) for line in lines]
        letters.append(strokes)
        pen += adv * sx + 2 * r + gap
    return letters


def text_width(text, sx, r, gap):
    return sum(GLYPHS[ch][0] * sx + 2 * r for ch in text) + gap * (len(text) - 1)


# ---------------------------------------------------------------- pictures

BLACK, GREY, SILVER, WHITE = (0, 0, 0), (128, 128, 128), (192, 192, 192), (255, 255, 255)
RED, MAROON = (255, 0, 0), (128, 0, 0)
SKIN, SKIN_LINE = (250, 204, 168), (176, 112, 82)
GREEN_LIGHT, GREEN_DARK = (150, 226, 104), (22, 98, 34)


def toolbar_play():
    # The toolbar is drawn in the 16 colours of the classic palette, with
    # hard pixel steps, so it sits among the platform's own tool buttons.
    c = Canvas(22, 22, SILVER)
    for colour, off in ((GREY, 1), (BLACK, 0)):
        for i in range(7):
            c.fill(rect(7 + i + off, 4 + i + off, 8 + i + off, 17 - i + off), colour, hard=True)
    return c


def toolbar_record():
    c = Canvas(22, 22, SILVER)
    c.fill(circle(11.5, 11.5, 6.6), GREY, hard=True)
    c.fill(circle(10.5, 10.5, 6.6), MAROON, hard=True)
    c.fill(circle(10.0, 10.0, 5.6), RED, hard=True)
    c.fill(circle(8.0, 8.0, 1.3), WHITE, hard=True)
    return c


def play_switch(c, size, ox=0.0, oy=0.0):
    """The program's emblem: a play triangle on a round green switch, in the
    square of the given size whose top-left corner is (ox, oy)."""
    u = size / 64.0

    def s(v):
        return v * u

    def p(x, y):
        return (ox + x * u, oy + y * u)
    c.fill(circle(*p(32, 34.5), s(29.5)), (0, 0, 0), opacity=0.35, soft=max(s(2.5), 0.6))
    c.fill(circle(*p(32, 32), s(30)), linear(0, oy + s(2), 0, oy + s(62), (0, (150, 150, 150)), (1, (60, 60, 60))))
    c.fill(circle(*p(32, 32), s(30)).outline(max(s(1.2), 0.6)), (40, 40, 40), opacity=0.8)
    dome = circle(*p(32, 31), s(24.5))
    c.fill(dome.moved(0, s(1.5)), (20, 70, 25), opacity=0.9)
    c.fill(dome, radial(*p(25, 22), s(34), (0, (170, 240, 120)), (0.55, (60, 176, 64)),
                        (1, (24, 112, 36))))
    gloss = ellipse(*p(32, 17.5), s(15), s(7.5))
    c.fill(gloss, linear(0, oy + s(10), 0, oy + s(25), (0, (255, 255, 255, 0.55)), (1, (255, 255, 255, 0.0))))
    # At the smallest size the triangle grows so it still reads as "play".
    k = 1.25 if size <= 20 else 1.0
    tri = polygon([p(33 + (x - 33) * k, 31 + (y - 31) * k)
                   for x, y in ((27, 22), (27, 40), (42.5, 31))]).grow(s(2.2))
    c.fill(tri.moved(s(1.2), s(1.6)), (0, 50, 0), opacity=0.45, soft=max(s(1.2), 0.5))
    c.fill(tri, linear(0, oy + s(20), 0, oy + s(42), (0, (50, 50, 50)), (1, (8, 8, 8))))


def icon(size):
    c = Canvas(size, size)
    play_switch(c, size)
    return c


def lettering(c, text, x, baseline, sx, sy, r, gap, fills, outline=GREEN_DARK,
              shadow=(2.0, 2.5, 2.2, 0.35), bounce=None, rim=1.3):
    """Bold rounded letters: soft shadow, dark rim, gradient body, a light
    upper edge.  `fills` is one paint, or one per letter."""
    letters = text_strokes(text, x, baseline, sx, sy, r, gap, bounce)
    shapes = [union(l) for l in letters]
    whole = union(shapes)
    if shadow:
        dx, dy, blur, op = shadow
        c.shadow(whole.grow(rim), dx, dy, blur, op)
    for i, sh in enumerate(shapes):
        fill = fills[i % len(fills)] if isinstance(fills, list) else fills
        edge = outline[i % len(outline)] if isinstance(outline, list) else outline
        c.fill(sh.grow(rim), edge)
        c.fill(sh, fill)
        c.fill(sh - sh.moved(0, 1.6), (255, 255, 255), opacity=0.55)
    return whole


def title():
    w, h = 188, 51
    c = Canvas(w, h, linear(0, 0, 0, h, (0, (252, 253, 246)), (1, (226, 238, 218))))
    sx, sy, r, gap = 15.2, 18.5, 3.0, 1.3
    tw = text_width("Zentavoro", sx, r, gap)
    x = (w - tw) / 2.0 - 1.0
    base = 37.5
    lettering(c, "Zentavoro", x, base, sx, sy, r, gap,
              linear(0, base - 1.4 * sy - r, 0, base + r,
                     (0, GREEN_LIGHT), (0.55, (70, 184, 66)), (1, (30, 132, 44))))
    return c


TILE = linear(0, 0, 33, 33, (0, (250, 250, 246)), (1, (214, 214, 206)))


def ear():
    c = Canvas(33, 33, TILE)
    outer = polygon(path(
        cubic((22, 8), (19, 1.5), (7.5, 2), (6.5, 12)),
        cubic((6.5, 12), (6, 19), (10, 21), (11, 25)),
        cubic((11, 25), (12, 30.5), (18.5, 31), (19.5, 27)),
        cubic((19.5, 27), (20, 24), (21, 21), (21.5, 18.5)),
        cubic((21.5, 18.5), (23.5, 15), (23.5, 11), (22, 8))))
    c.shadow(outer, 1.2, 1.5, 1.4, 0.3)
    c.fill(outer, radial(11, 8, 24, (0, (255, 224, 196)), (0.6, SKIN), (1, (226, 160, 124))))
    bowl = polygon(path(cubic((15, 12), (19.5, 11), (20, 17), (18.5, 21)),
                        cubic((18.5, 21), (16, 23), (13, 20), (13.5, 17)),
                        cubic((13.5, 17), (13.5, 14.5), (14, 12.5), (15, 12))))
    c.fill(bowl, (222, 150, 118), soft=1.0)
    c.fill(stroke(path(cubic((19.5, 9.5), (16.5, 5), (10, 6.5), (10, 13)),
                       cubic((10, 13), (10, 18), (13.5, 19), (14, 23))), 0.65), SKIN_LINE)
    c.fill(stroke(cubic((14, 10), (18, 9.5), (19.5, 14), (17, 18.5)), 0.55), SKIN_LINE, opacity=0.8)
    c.fill(stroke(cubic((20.5, 16), (19, 17.5), (19, 19.5), (19.8, 21)), 0.55), SKIN_LINE, opacity=0.8)
    c.fill(outer.outline(1.3), SKIN_LINE)
    for r in (5.0, 8.5):
        c.fill(stroke(arc(23.5, 15, r, r, -38, 38, 12), 0.75), (40, 110, 210))
    return c


def computer():
    c = Canvas(33, 33, TILE)
    body = rect(3.5, 2.5, 29.5, 22.5, 2.2)
    c.shadow(body, 1.0, 1.2, 1.2, 0.3)
    c.fill(rect(13.5, 21, 19.5, 25.5), linear(0, 21, 0, 25, (0, (150, 150, 146)), (1, (110, 110, 106))))
    c.fill(rect(10, 24.2, 23, 26.5, 1.1), (96, 96, 92))
    c.fill(body, linear(0, 2, 0, 23, (0, (246, 244, 236)), (1, (200, 198, 188))))
    c.fill(body.outline(1.0), (88, 88, 84))
    screen = rect(6.5, 5.5, 26.5, 19.5, 0.8)
    c.fill(screen, linear(6, 5, 20, 22, (0, (110, 180, 250)), (1, (26, 70, 170))))
    c.fill(screen & polygon([(6, 5), (18, 5), (8, 20), (6, 20)]), (255, 255, 255), opacity=0.18)
    c.fill(screen.outline(0.9), (60, 60, 70))
    for x, y in ((10.5, 9.5), (20.5, 9), (12, 16)):
        c.fill(circle(x, y, 1.5), (255, 235, 90))
    arrow = polygon([(19, 13), (19, 19), (20.5, 17.6), (21.8, 20), (22.8, 19.5), (21.6, 17.2), (23.5, 17)])
    c.fill(arrow.grow(0.45), (0, 0, 0))
    c.fill(arrow, (255, 255, 255))
    keys = polygon([(4.5, 27), (28.5, 27), (30.5, 31.5), (2.5, 31.5)])
    c.shadow(keys, 0.8, 1.0, 1.0, 0.3)
    c.fill(keys, linear(0, 27, 0, 31.5, (0, (236, 234, 226)), (1, (196, 194, 184))))
    c.fill(keys.outline(0.9), (88, 88, 84))
    for i in range(8):
        c.fill(rect(6.4 + i * 2.6, 28.2, 8.0 + i * 2.6, 29.3), (120, 120, 116))
    c.fill(rect(10, 29.8, 23, 30.8), (120, 120, 116))
    return c


def cylinder(c, cx, cy, rx, ry, h, side, top):
    """An upright cylinder seen from a little above; cy is its top's centre."""
    c.fill(rect(cx - rx, cy, cx + rx, cy + h) | ellipse(cx, cy + h, rx, ry), side)
    c.fill(ellipse(cx, cy, rx, ry), top)


def big_switch(c, cx, cy, rx, ry, base_h, cap_h, pressed=0.0):
    """A round accessibility switch standing on a surface at y = cy + base_h:
    a grey base and a green cap, pressed down by `pressed` pixels."""
    c.fill(ellipse(cx + rx * 0.15, cy + base_h + ry * 0.4, rx * 1.12, ry * 1.2), (0, 0, 0),
           opacity=0.28, soft=max(ry * 0.5, 1.0))
    cylinder(c, cx, cy, rx, ry, base_h,
             linear(cx - rx, 0, cx + rx, 0, (0, (80, 80, 86)), (0.35, (150, 150, 158)), (1, (56, 56, 62))),
             linear(0, cy - ry, 0, cy + ry, (0, (200, 200, 206)), (1, (120, 120, 128))))
    crx, cry = rx * 0.8, ry * 0.8
    top = cy - cap_h + pressed
    cylinder(c, cx, top, crx, cry, cy - top,
             linear(cx - crx, 0, cx + crx, 0, (0, (24, 110, 36)), (0.35, (72, 186, 72)), (1, (18, 86, 30))),
             radial(cx - crx * 0.35, top - cry * 0.4, crx * 1.3,
                    (0, (190, 250, 140)), (0.6, (84, 196, 76)), (1, (40, 140, 50)), sy=ry / rx))
    c.fill(ellipse(cx - crx * 0.25, top - cry * 0.3, crx * 0.45, cry * 0.35), (255, 255, 255), opacity=0.35,
           soft=max(cry * 0.3, 0.6))


def screen_with_points(c, x0, y0, x1, y1, pointer_at):
    """A screen showing recorded click positions, one of them highlighted
    by the scan and the pointer resting on it."""
    scr = rect(x0, y0, x1, y1, 1.5)
    c.fill(scr, linear(x0, y0, x1, y1, (0, (120, 190, 252)), (1, (30, 76, 176))))
    w, h = x1 - x0, y1 - y0
    c.fill(rect(x0 + w * 0.08, y0 + h * 0.1, x0 + w * 0.55, y0 + h * 0.42, 1.5), (255, 255, 255), opacity=0.85)
    c.fill(rect(x0 + w * 0.08, y0 + h * 0.1, x0 + w * 0.55, y0 + h * 0.2, 1.5), (250, 170, 60))
    c.fill(rect(x0 + w * 0.6, y0 + h * 0.55, x0 + w * 0.92, y0 + h * 0.88, 1.5), (255, 255, 255), opacity=0.85)
    dots = [(0.25, 0.65), (0.75, 0.3), (0.5, 0.8), (0.85, 0.72)]
    pr = max(min(w, h) * 0.07, 1.4)
    for i, (fx, fy) in enumerate(dots):
        x, y = x0 + w * fx, y0 + h * fy
        if i == pointer_at:
            c.fill(circle(x, y, pr * 2.2), (255, 240, 90), opacity=0.45, soft=pr)
            c.fill(circle(x, y, pr * 1.7).outline(max(pr * 0.45, 0.8)), (255, 60, 40))
        c.fill(circle(x, y, pr), (255, 220, 40))
        c.fill(circle(x, y, pr).outline(0.8), (150, 90, 0), opacity=0.7)
    px, py = x0 + w * dots[pointer_at][0], y0 + h * dots[pointer_at][1]
    k = pr * 1.1
    arrow = polygon([(px, py), (px, py + 5.2 * k), (px + 1.3 * k, py + 4.0 * k), (px + 2.3 * k, py + 6.0 * k),
                     (px + 3.2 * k, py + 5.5 * k), (px + 2.2 * k, py + 3.6 * k), (px + 3.8 * k, py + 3.5 * k)])
    c.fill(arrow.grow(0.6), (0, 0, 0))
    c.fill(arrow, (255, 255, 255))
    c.fill(scr & polygon([(x0, y0), (x0 + w * 0.6, y0), (x0 + w * 0.25, y1), (x0, y1)]),
           (255, 255, 255), opacity=0.12)


def monitor(c, x0, y0, x1, y1, pointer_at):
    body = rect(x0, y0, x1, y1, 4)
    mx = (x0 + x1) / 2.0
    c.fill(rect(mx - 6, y1 - 2, mx + 6, y1 + 8), linear(mx - 6, 0, mx + 6, 0, (0, (120, 120, 126)), (1, (80, 80, 86))))
    c.fill(rect(mx - 18, y1 + 6, mx + 18, y1 + 11, 2.5), linear(0, y1 + 6, 0, y1 + 11, (0, (150, 150, 156)), (1, (70, 70, 76))))
    c.shadow(body, 2, 2, 2.5, 0.25)
    c.fill(body, linear(0, y0, 0, y1, (0, (246, 246, 242)), (1, (196, 196, 190))))
    c.fill(body.outline(1.1), (96, 96, 100))
    screen_with_points(c, x0 + 5, y0 + 5, x1 - 5, y1 - 6, pointer_at)
    c.fill(circle(x1 - 6, y1 - 3, 1.1), (80, 220, 80))


def slide_person():
    w, h = 226, 131
    c = Canvas(w, h, linear(0, 0, 0, 100, (0, (206, 228, 252)), (1, (246, 250, 255))))
    c.fill(rect(-1, 100, w + 1, h + 1), linear(0, 100, 0, h, (0, (226, 204, 170)), (1, (196, 168, 132))))
    c.fill(rect(-1, 97, w + 1, 101), (250, 250, 248))
    c.fill(rect(-1, 100.5, w + 1, 101.5), (180, 160, 130))
    # desk
    c.fill(ellipse(160, 121, 70, 5), (0, 0, 0), opacity=0.18, soft=3)
    for lx in (104, 212):
        c.fill(rect(lx - 3, 78, lx + 3, 120, 1.5), linear(lx - 3, 0, lx + 3, 0, (0, (170, 118, 70)), (1, (120, 80, 46))))
    top = rect(94, 74, 222, 81, 2.5)
    c.shadow(top, 0, 2, 2, 0.25)
    c.fill(top, linear(0, 74, 0, 81, (0, (214, 160, 106)), (1, (156, 104, 60))))
    monitor(c, 140, 14, 210, 63, 2)
    # the switch and its cable to the computer
    c.fill(stroke(cubic((120, 73), (140, 79), (158, 77), (172, 71)), 1.2), (50, 50, 56))
    big_switch(c, 112, 67, 12, 3.6, 5, 4, pressed=1.2)
    # wheelchair behind the person
    c.fill(ellipse(64, 126, 40, 4), (0, 0, 0), opacity=0.2, soft=3)
    c.fill(stroke([(42, 48), (46, 90), (86, 90)], 2.2), (84, 90, 104))
    c.fill(stroke([(86, 90), (92, 110), (100, 112)], 1.8), (84, 90, 104))
    # person: hair, legs, torso, head
    c.fill(stroke([(60, 86), (88, 88)], 8), linear(0, 78, 0, 96, (0, (84, 120, 200)), (1, (44, 70, 146))))
    c.fill(stroke([(88, 88), (94, 108)], 6.5), linear(86, 0, 100, 0, (0, (84, 120, 200)), (1, (44, 70, 146))))
    c.fill(ellipse(99, 111, 8, 4), linear(0, 107, 0, 115, (0, (90, 70, 60)), (1, (40, 30, 26))))
    torso = stroke([(58, 80), (62, 56)], 12)
    c.fill(torso, linear(48, 50, 76, 90, (0, (252, 170, 70)), (1, (220, 100, 40))))
    c.fill(stroke([(62, 46), (64, 52)], 4.5), SKIN)
    c.fill(circle(62, 31, 13.5), linear(0, 18, 0, 45, (0, (140, 92, 52)), (1, (96, 58, 30))))
    face = circle(66, 34, 11.5)
    c.fill(face, radial(70, 30, 16, (0, (255, 222, 192)), (1, SKIN)))
    c.fill(circle(62, 27, 11.5) & rect(50, 15, 80, 28.5), linear(0, 18, 0, 29, (0, (150, 100, 58)), (1, (110, 68, 36))))
    c.fill(ellipse(57.5, 36, 2.6, 3.6), (236, 180, 146))
    c.fill(circle(72, 33, 1.5), (40, 30, 30))
    c.fill(stroke(arc(71, 37, 4.2, 3.5, 210, 320, 10), 0.8), (160, 70, 60))
    c.fill(circle(74, 39, 2.4), (255, 140, 140), opacity=0.35, soft=1.2)
    # the wheel goes over the chair, under the arm
    c.fill(circle(56, 100, 24).outline(4.5), linear(0, 76, 0, 124, (0, (90, 94, 108)), (1, (34, 36, 44))))
    c.fill(circle(56, 100, 19.5).outline(1.4), (176, 180, 192))
    for a in range(0, 180, 30):
        r = math.radians(a)
        c.fill(stroke([(56 - 19 * math.cos(r), 100 - 19 * math.sin(r)),
                       (56 + 19 * math.cos(r), 100 + 19 * math.sin(r))], 0.5), (150, 154, 166))
    c.fill(circle(56, 100, 3.5), (120, 124, 136))
    c.fill(circle(92, 118, 5.5).outline(2.6), (50, 52, 60))
    # the arm reaching for the switch
    c.fill(stroke([(63, 56), (82, 72)], 5), linear(60, 50, 84, 76, (0, (250, 160, 64)), (1, (214, 96, 38))))
    c.fill(stroke([(82, 72), (104, 62)], 4), SKIN)
    c.fill(stroke([(82, 72), (104, 62)], 4).outline(0.8), SKIN_LINE, opacity=0.6)
    hand = ellipse(108, 60.5, 5.5, 4)
    c.fill(hand, SKIN)
    c.fill(hand.outline(0.8), SKIN_LINE, opacity=0.7)
    for a in (60, 90, 120):
        r = math.radians(a)
        c.fill(stroke([(109 + 9 * math.cos(r), 56 - 9 * math.sin(r)),
                       (109 + 14 * math.cos(r), 56 - 14 * math.sin(r))], 1.0), (250, 160, 0))
    return c


SLIDE2_GROUND = (238, 240, 243)


def slide_hand():
    # Shown with its bottom-left colour as transparent, so the ground is one
    # flat colour that the figure never touches at that corner.
    w, h = 220, 112
    c = Canvas(w, h, SLIDE2_GROUND)
    monitor(c, 146, 12, 210, 64, 1)
    c.fill(stroke(cubic((100, 93), (128, 104), (150, 86), (172, 77)), 1.4), (50, 50, 56))
    big_switch(c, 66, 74, 38, 11, 12, 9, pressed=3.5)
    # the hand, from above: sleeve, fist, thumb and the pressing finger
    sleeve = stroke([(132, -14), (104, 24)], 14)
    c.shadow(sleeve, 3, 3, 3, 0.2)
    c.fill(sleeve, linear(90, 0, 140, 0, (0, (70, 126, 214)), (1, (36, 78, 160))))
    c.fill(stroke([(110, 16), (96, 34)], 12), linear(0, 14, 0, 40, (0, (250, 250, 252)), (1, (200, 206, 220))))
    fist = oval(84, 44, 15, 12, -30)
    finger = stroke([(76, 48), (66.5, 66)], 4.6)
    thumb = stroke([(97, 41), (85, 53)], 4.4)
    hand = union([fist, finger, thumb])
    c.shadow(hand, 3, 4, 3, 0.22)
    c.fill(hand.grow(1.1), SKIN_LINE)
    skin = radial(80, 36, 26, (0, (255, 226, 200)), (0.7, SKIN), (1, (234, 172, 136)))
    c.fill(fist, skin)
    c.fill(finger, skin)
    for k in range(3):
        c.fill(stroke(arc(80 + k * 5.5, 50 + k * 2.2, 4.2, 4, 200, 320, 8), 0.6), SKIN_LINE, opacity=0.8)
    c.fill(thumb.grow(1.0), SKIN_LINE)
    c.fill(thumb, skin)
    c.fill(stroke([(66.8, 64.2), (67.4, 62.5)], 1.6), (255, 236, 228), opacity=0.9)
    # the click, bursting out at both sides of the cap
    for a in (145, 168, 191, 12, -11):
        r = math.radians(a)
        c.fill(stroke([(66 + 38 * math.cos(r), 69 - 16 * math.sin(r)),
                       (66 + 47 * math.cos(r), 69 - 20 * math.sin(r))], 1.4), (255, 150, 0))
    return c


def heart_points(cx, cy, scale, n=80):
    out = []
    for i in range(n):
        t = 2 * math.pi * i / n
        x = 16 * math.sin(t) ** 3
        y = 13 * math.cos(t) - 5 * math.cos(2 * t) - 2 * math.cos(3 * t) - math.cos(4 * t)
        out.append((cx + x * scale, cy - y * scale))
    return out


def heart(c, cx, cy, scale, light, mid, dark, rim=(255, 255, 255), shadow=True):
    shape = polygon(heart_points(cx, cy, scale))
    if shadow:
        c.shadow(shape, scale * 0.6, scale * 0.9, scale * 0.9, 0.3)
    if rim:
        c.fill(shape.grow(max(scale * 0.5, 0.8)), rim)
    c.fill(shape, radial(cx - 6 * scale, cy - 6 * scale, 22 * scale, (0, light), (0.5, mid), (1, dark)))
    c.fill(oval(cx - 8 * scale, cy - 5.5 * scale, 3.2 * scale, 1.8 * scale, -40),
           (255, 255, 255), opacity=0.55, soft=max(scale * 0.5, 0.6))


def leaf(c, x, y, length, degrees, colour=(70, 160, 60)):
    a = math.radians(degrees)
    cx, cy = x + math.cos(a) * length / 2, y - math.sin(a) * length / 2
    c.fill(oval(cx, cy, length / 2, length / 5, -degrees), colour)
    c.fill(stroke([(x, y), (x + math.cos(a) * length * 0.8, y - math.sin(a) * length * 0.8)], 0.4),
           (40, 110, 40), opacity=0.6)


def daisy(c, cx, cy, r, petal=(255, 255, 255), heart_colour=(255, 196, 40), turn=0.0):
    for k in range(10):
        a = math.radians(turn + k * 36)
        px, py = cx + math.cos(a) * r * 0.58, cy - math.sin(a) * r * 0.58
        c.fill(oval(px, py, r * 0.45, r * 0.2, -(turn + k * 36)).grow(0.4), (200, 190, 200))
        c.fill(oval(px, py, r * 0.45, r * 0.2, -(turn + k * 36)), petal)
    c.fill(circle(cx, cy, r * 0.32), radial(cx - r * 0.1, cy - r * 0.1, r * 0.4,
                                            (0, (255, 236, 120)), (1, heart_colour)))


def tulip(c, x, y, s, light, dark):
    cup = union([ellipse(x, y, s * 0.5, s * 0.55),
                 polygon([(x - s * 0.5, y), (x - s * 0.48, y - s * 0.85), (x - s * 0.17, y - s * 0.45),
                          (x, y - s * 0.95), (x + s * 0.17, y - s * 0.45), (x + s * 0.48, y - s * 0.85),
                          (x + s * 0.5, y)]).grow(0.6)])
    c.fill(cup.grow(0.8), dark)
    c.fill(cup, linear(x - s * 0.5, y - s, x + s * 0.5, y + s * 0.5, (0, light), (1, dark)))
    c.fill(stroke([(x, y + s * 0.4), (x, y - s * 0.5)], 0.5), dark, opacity=0.6)


def stem(c, x0, y0, x1, y1, bend, r=1.3):
    c.fill(stroke(quad((x0, y0), ((x0 + x1) / 2 + bend, (y0 + y1) / 2), (x1, y1), 12), r), (60, 140, 56))


def slide_dedication():
    w, h = 257, 145
    c = Canvas(w, h, linear(0, 0, 0, h, (0, (255, 226, 236)), (1, (255, 246, 232))))
    c.fill(rect(-1, -1, w + 1, h + 1), radial(128, 62, 90, (0, (255, 255, 255, 0.85)), (1, (255, 255, 255, 0.0))))
    for k in range(16):
        a = math.radians(k * 22.5 + 6)
        c.fill(polygon([(128, 62), (128 + 160 * math.cos(a - 0.05), 62 - 160 * math.sin(a - 0.05)),
                        (128 + 160 * math.cos(a + 0.05), 62 - 160 * math.sin(a + 0.05))]),
               (255, 255, 255), opacity=0.22)
    c.fill(ellipse(40, 170, 120, 48), linear(0, 120, 0, 150, (0, (150, 214, 110)), (1, (90, 170, 70))))
    c.fill(ellipse(220, 172, 120, 52), linear(0, 118, 0, 150, (0, (130, 204, 96)), (1, (76, 156, 60))))
    # flowers at the left: tulips; at the right: daisies
    for x, y, top, bend, light, dark in ((24, 140, 86, -4, (255, 120, 120), (200, 30, 50)),
                                         (44, 140, 100, 5, (255, 220, 90), (230, 140, 20)),
                                         (64, 140, 90, 6, (250, 140, 200), (190, 50, 130))):
        stem(c, x, y, x + bend * 0.5, top, bend)
        leaf(c, x + bend * 0.2, y - 16, 16, 60 if bend < 0 else 120)
        tulip(c, x + bend * 0.5, top, 13, light, dark)
    for x, y, top, bend, r, turn in ((192, 140, 96, -6, 10, 8), (214, 140, 84, 4, 12, 20), (236, 140, 100, 6, 9, 0)):
        stem(c, x, y, x + bend * 0.5, top, bend)
        leaf(c, x + bend * 0.2, y - 14, 15, 120 if bend > 0 else 60)
        daisy(c, x + bend * 0.5, top, r, turn=turn)
    heart(c, 128, 64, 2.7, (255, 150, 164), (232, 40, 70), (168, 12, 44))
    for x, y, s in ((62, 32, 0.55), (84, 14, 0.35), (190, 26, 0.5), (214, 52, 0.32), (168, 10, 0.3)):
        heart(c, x, y, s, (255, 190, 200), (250, 110, 140), (220, 60, 100), shadow=False)
    return c


def stars(c, count, seed, box, colour=(255, 255, 255)):
    """Twinkling dots at places from a fixed pseudo-random sequence."""
    x0, y0, x1, y1 = box
    state = seed
    for _ in range(count):
        state = (state * 1103515245 + 12345) % 2147483648
        x = x0 + (x1 - x0) * (state / 2147483648.0)
        state = (state * 1103515245 + 12345) % 2147483648
        y = y0 + (y1 - y0) * (state / 2147483648.0)
        state = (state * 1103515245 + 12345) % 2147483648
        r = 0.5 + 1.0 * (state / 2147483648.0)
        c.fill(circle(x, y, r * 2.5), colour, opacity=0.25, soft=r * 1.5)
        c.fill(circle(x, y, r * 0.7), colour)


def sparkle(c, x, y, r, colour=(255, 255, 255)):
    c.fill(polygon([(x, y - r), (x + r * 0.22, y - r * 0.22), (x + r, y), (x + r * 0.22, y + r * 0.22),
                    (x, y + r), (x - r * 0.22, y + r * 0.22), (x - r, y), (x - r * 0.22, y - r * 0.22)]), colour)


def brain(c, cx, cy, s):
    """A pink brain seen from the side, s pixels per unit (about 40 x 30 units)."""
    bumps = [(-12, -4, 9), (-5, -9, 9.5), (5, -9.5, 9.5), (13, -4, 8.5), (14, 5, 7.5),
             (6, 7, 8), (-4, 6, 8.5), (-13, 4, 7.5)]
    body = union([circle(cx + x * s, cy + y * s, r * s) for x, y, r in bumps])
    c.fill(body.grow(s * 1.2), (170, 70, 110))
    c.fill(body, radial(cx - 8 * s, cy - 10 * s, 32 * s, (0, (255, 214, 226)), (0.6, (246, 150, 180)),
                        (1, (214, 96, 140))))
    fold = (176, 70, 116)
    for pts in (cubic((-16, -2), (-12, -7), (-8, 2), (-4, -4)),
                cubic((-2, -12), (0, -5), (6, -10), (8, -4)),
                cubic((10, -10), (14, -6), (10, 0), (16, 2)),
                cubic((-12, 8), (-9, 2), (-4, 10), (0, 4)),
                cubic((4, 10), (6, 4), (12, 10), (12, 2)),
                cubic((-9, -12), (-9, -8), (-14, -8), (-16, -8))):
        c.fill(stroke([(cx + x * s, cy + y * s) for x, y in pts], max(0.45 * s, 0.7)), fold, opacity=0.85)
    c.fill(stroke([(cx + x * s, cy + y * s) for x, y in cubic((0, -16), (-2, -8), (2, -2), (-1, 6))],
                  max(0.55 * s, 0.8)), fold)


def slide_intelligence():
    w, h = 273, 161
    cx, cy = 136.5, 71
    c = Canvas(w, h, radial(cx, cy, 170, (0, (58, 84, 170)), (1, (14, 22, 66))))
    stars(c, 34, 20170121, (4, 4, w - 4, h - 4))
    c.fill(rect(-1, -1, w + 1, h + 1), radial(cx, cy, 96, (0, (255, 236, 130, 0.75)), (0.55, (255, 210, 80, 0.25)),
                                               (1, (255, 200, 60, 0.0))))
    for k in range(11):
        a = math.radians(-22 + k * 22.4)
        c.fill(stroke([(cx + 46 * math.cos(a), cy - 46 * math.sin(a)),
                       (cx + (58 if k % 2 else 64) * math.cos(a), cy - (58 if k % 2 else 64) * math.sin(a))], 2.2),
               (255, 226, 90))
    start = arc(cx, cy, 38, 38, -50, 230, 70)
    lx, ly = start[-1]
    rx, ry = start[0]
    glass = polygon(path(start, cubic((lx, ly), (lx + 4, ly + 8), (cx - 14, cy + 34), (cx - 14, cy + 42)),
                         [(cx + 14, cy + 42)], cubic((cx + 14, cy + 42), (cx + 14, cy + 34), (rx - 4, ry + 8), (rx, ry))))
    c.fill(glass.grow(1.5), (255, 250, 220), opacity=0.9)
    c.fill(glass, radial(cx - 8, cy - 10, 48, (0, (255, 255, 236)), (0.6, (255, 244, 170)), (1, (255, 214, 96))))
    brain(c, cx, cy - 2, 1.15)
    c.fill(stroke(arc(cx, cy, 31, 31, 118, 160, 12), 2.4), (255, 255, 255), opacity=0.8)
    # screw cap
    base_paint = linear(cx - 15, 0, cx + 15, 0, (0, (120, 124, 134)), (0.35, (226, 228, 236)), (1, (96, 100, 110)))
    for k in range(4):
        c.fill(rect(cx - 15 + k * 0.8, cy + 41 + k * 6, cx + 15 - k * 0.8, cy + 47.5 + k * 6, 3), base_paint)
        c.fill(stroke([(cx - 13 + k * 0.8, cy + 47 + k * 6), (cx + 13 - k * 0.8, cy + 47 + k * 6)], 0.5),
               (70, 72, 80), opacity=0.7)
    c.fill(ellipse(cx, cy + 66, 7, 4), (50, 52, 60))
    for x, y, r in ((60, 30, 7), (214, 100, 6), (222, 34, 5), (52, 112, 4.5)):
        sparkle(c, x, y, r, (255, 246, 190))
    return c


def waving_hand(c, x, y, s, paint, line):
    """An open hand, palm towards us, fingers up; s is about its half width."""
    fingers = [stroke([(x + dx * s, y - 0.3 * s), (x + (dx + lean) * s, y - (0.3 + ln) * s)], 0.24 * s)
               for dx, ln, lean in ((-0.62, 0.95, -0.25), (-0.2, 1.15, -0.08), (0.22, 1.1, 0.06), (0.6, 0.85, 0.2))]
    thumb = stroke([(x + 0.7 * s, y + 0.25 * s), (x + 1.25 * s, y - 0.35 * s)], 0.25 * s)
    palm = ellipse(x, y + 0.1 * s, 0.85 * s, 0.75 * s)
    whole = union(fingers + [thumb, palm])
    c.fill(whole.grow(1.2), line)
    c.fill(whole, paint)
    c.fill(stroke(arc(x, y + 0.1 * s, 0.45 * s, 0.35 * s, 200, 330, 10), 0.6), line, opacity=0.6)


def slide_greeting():
    w, h = 172, 338
    c = Canvas(w, h, linear(0, 0, 0, h, (0, (96, 176, 246)), (0.75, (214, 238, 255)), (1, (236, 248, 255))))
    c.fill(circle(150, 112, 40), (255, 250, 210), opacity=0.6, soft=14)
    c.fill(circle(150, 112, 17), radial(145, 107, 20, (0, (255, 252, 200)), (1, (255, 210, 60))))
    for cx0, cy0, k in ((30, 240, 0.85), (146, 170, 0.75)):
        cloud = union([circle(cx0 + dx * k, cy0 + dy * k, r * k) for dx, dy, r in
                       ((-12, 2, 8), (0, -3, 11), (13, 1, 9), (0, 5, 8))])
        c.fill(cloud, linear(0, cy0 - 14 * k, 0, cy0 + 12 * k, (0, (255, 255, 255)), (1, (222, 234, 246))))
    c.fill(ellipse(86, 380, 160, 86), linear(0, 290, 0, 338, (0, (140, 214, 100)), (1, (70, 156, 60))))
    for x, y, r in ((20, 318, 5), (150, 312, 5.5), (40, 330, 4)):
        daisy(c, x, y, r, turn=x)
    # the word, each letter its own colour and a little bounce
    sx, sy, r, gap = 30.0, 31.0, 5.2, 3.2
    tw = text_width("Hola!", sx, r, gap)
    fills, edges = [], []
    for light, dark in (((255, 140, 110), (200, 40, 40)), ((255, 214, 90), (220, 120, 10)),
                        ((140, 226, 110), (40, 140, 50)), ((120, 190, 255), (30, 90, 200)),
                        ((220, 150, 255), (130, 50, 190))):
        fills.append(linear(0, 16, 0, 70, (0, light), (1, mix(light, dark, 0.6))))
        edges.append(mix(dark, (0, 0, 0), 0.25))
    lettering(c, "Hola!", (w - tw) / 2.0, 64, sx, sy, r, gap, fills, outline=edges,
              shadow=(2.0, 3.0, 2.5, 0.3), bounce=[0, 4, -1, 3, 0], rim=1.6)
    # the figure
    c.fill(ellipse(88, 318, 46, 7), (0, 0, 0), opacity=0.22, soft=4)
    jeans = linear(60, 0, 116, 0, (0, (80, 120, 210)), (1, (40, 70, 150)))
    for x0, x1 in ((74, 70), (100, 104)):
        c.fill(stroke([(x0, 250), (x1, 304)], 10.5), jeans)
    for x in (64, 110):
        shoe = ellipse(x, 310, 15, 7.5) & rect(x - 16, 300, x + 16, 313.5)
        c.fill(shoe.grow(1.0), (120, 20, 20))
        c.fill(shoe, linear(0, 302, 0, 314, (0, (250, 80, 70)), (1, (190, 30, 30))))
    shirt = linear(56, 0, 120, 0, (0, (255, 214, 70)), (1, (236, 160, 30)))
    c.fill(stroke([(116, 194), (128, 226)], 7), shirt)
    c.fill(stroke([(128, 226), (130, 248)], 5.5), SKIN)
    c.fill(circle(130, 252, 7), SKIN)
    c.fill(circle(130, 252, 7).outline(1.0), SKIN_LINE)
    torso = polygon([(67, 191), (109, 191), (114, 250), (62, 250)]).grow(9)
    c.fill(torso.grow(1.0), (200, 120, 20))
    c.fill(torso, shirt)
    play_switch(c, 30, 73, 206)
    c.fill(stroke([(60, 196), (40, 172)], 7.5), shirt)
    c.fill(stroke([(40, 172), (32, 142)], 5.5), SKIN)
    waving_hand(c, 30, 128, 11.5, SKIN, SKIN_LINE)
    for rr in (22, 29):
        c.fill(stroke(arc(30, 118, rr, rr, 108, 150, 8), 1.5), (255, 255, 255), opacity=0.9)
        c.fill(stroke(arc(30, 118, rr, rr, 30, 72, 8), 1.5), (255, 255, 255), opacity=0.9)
    # head
    c.fill(stroke([(88, 170), (88, 186)], 7), mix(SKIN, SKIN_LINE, 0.25))
    for ex in (57, 119):
        c.fill(circle(ex, 146, 7), SKIN)
        c.fill(circle(ex, 146, 7).outline(1.2), SKIN_LINE)
    head = circle(88, 144, 30)
    c.shadow(head, 2, 3, 3, 0.15)
    c.fill(head.grow(1.2), SKIN_LINE)
    c.fill(head, radial(80, 132, 40, (0, (255, 230, 206)), (0.7, SKIN), (1, (240, 184, 150))))
    hair = (union([circle(88 + dx, 124 + dy, r) for dx, dy, r in
                   ((-18, 4, 13), (-6, -2, 15), (8, -2, 15), (20, 4, 12))]) & circle(88, 144, 31.5)) - \
        ellipse(88, 150, 28, 20)
    c.fill(hair, linear(0, 110, 0, 140, (0, (150, 96, 50)), (1, (100, 58, 26))))
    for ex in (77, 99):
        c.fill(ellipse(ex, 142, 3.6, 4.6), (40, 30, 36))
        c.fill(circle(ex + 1.2, 140.5, 1.3), (255, 255, 255))
        c.fill(stroke(arc(ex, 135, 5, 3, 40, 140, 8), 1.0), (100, 58, 26))
        c.fill(ellipse(ex + (-5 if ex < 88 else 5), 153, 5, 3.2), (255, 120, 120), opacity=0.35, soft=1.5)
    mouth = ellipse(88, 155, 11, 9) & rect(70, 155, 106, 170)
    c.fill(mouth.grow(0.8), (140, 40, 40))
    c.fill(mouth, (190, 50, 60))
    c.fill(ellipse(88, 162, 6, 3.5) & mouth, (255, 140, 150))
    c.fill(rect(80, 155, 96, 157.5), (255, 255, 255))
    return c


# -------------------------------------------------------------------- main

PICTURES = [
    ("ejecutar.bmp", toolbar_play),
    ("grabar.bmp", toolbar_record),
    ("orella.bmp", ear),
    ("ordinador.bmp", computer),
    ("titol.bmp", title),
    ("slide1.bmp", slide_person),
    ("slide2.bmp", slide_hand),
    ("dedicatoria.bmp", slide_dedication),
    ("inteligencia.bmp", slide_intelligence),
    ("salutacio.bmp", slide_greeting),
]


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)
    print("wrote", path, len(data), "bytes")


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    assets = argv[1] if len(argv) > 1 else os.path.normpath(os.path.join(here, os.pardir, "assets"))
    out = os.path.join(assets, "pictures")
    os.makedirs(out, exist_ok=True)
    for name, draw in PICTURES:
        write(os.path.join(out, name), bmp_bytes(draw()))
    write(os.path.join(out, "zentavoro.png"), png_bytes(icon(64)))
    write(os.path.join(out, "zentavoro.ico"), ico_bytes([icon(16), icon(32), icon(48)]))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
