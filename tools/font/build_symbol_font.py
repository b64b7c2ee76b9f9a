#!/usr/bin/python3
"""Builds resources/fonts/ZodikeonSymbolsPlus.ttf, the program's astrological symbol font.

Most outlines come from Noto Sans Symbols, Noto Sans Symbols2 and Noto Sans Math (Debian's
fonts-noto-core, SIL Open Font License 1.1); the symbols Unicode lacks are drawn below as
centre lines stroked with one pen. Every glyph is scaled into one box, brought to one stroke
weight, centred in a fixed advance and centred vertically on the middle of the line box, so
that text drawn centred by the font's ascent and descent is centred on the glyph.

Needs python3-fonttools, python3-pyclipper, python3-numpy and python3-pil. The output is
byte-for-byte the same on every run.

Usage: build_symbol_font.py [--output FILE] [--report]
"""

import argparse
import math
import os
import sys

import numpy as np
import pyclipper
from PIL import Image, ImageChops, ImageDraw
from fontTools.fontBuilder import FontBuilder
from fontTools.misc.timeTools import timestampFromString
from fontTools.pens.basePen import BasePen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from curvefit import draw_contours  # noqa: E402

NOTO_DIR = "/usr/share/fonts/truetype/noto"
SOURCES = {
    "sym": "NotoSansSymbols-Regular.ttf",
    "sym2": "NotoSansSymbols2-Regular.ttf",
    "math": "NotoSansMath-Regular.ttf",
}

FAMILY = "Zodikeon Symbols Plus"
PS_NAME = "ZodikeonSymbolsPlus-Regular"
VERSION = "1.000"
# A fixed date keeps the output identical from run to run.
BUILD_DATE = "Thu Jan 01 00:00:00 2026"

UPM = 1000
ADVANCE = 1000
# Ascent + descent = the em, so a pixel size equals the cell height; the line box's middle is
# at (ASCENT - DESCENT) / 2 = GLYPH_HEIGHT / 2 above the baseline, where every glyph is centred.
ASCENT = 850
DESCENT = 150
GLYPH_HEIGHT = 700   # box every glyph is fitted into: a capital letter's height...
GLYPH_WIDTH = 800    # ...and at most this wide, leaving 100 units on either side
MID_Y = GLYPH_HEIGHT / 2
STROKE = 62          # the common stroke weight
CLIP_SCALE = 64      # pyclipper works on integers: 1/64 unit
FLATTEN_STEP = 3.0   # curve segments are at most about this long (font units)

COPYRIGHT = ("Copyright 2026 The Zodikeon developers. Outlines derived from Noto Sans Symbols "
             "(Copyright 2016 Google LLC), Noto Sans Symbols2 (Copyright 2017 Google Inc.) and "
             "Noto Sans Math (Copyright 2018 Google LLC).")
LICENSE = ("This Font Software is licensed under the SIL Open Font License, Version 1.1. "
           "This license is available with a FAQ at: https://openfontlicense.org")
LICENSE_URL = "https://openfontlicense.org"


# ----------------------------------------------------------------------------------------
# Outlines: lists of closed contours, each a list of (x, y) floats, filled by the non-zero rule.

class FlattenPen(BasePen):
    """Collects a glyph's contours as polygons, curves cut into short straight pieces."""

    def __init__(self, glyphset):
        super().__init__(glyphset)
        self.contours = []
        self.current = None

    def _moveTo(self, pt):
        self.current = [pt]

    def _lineTo(self, pt):
        self.current.append(pt)

    def _curveToOne(self, p1, p2, p3):
        p0 = self.current[-1]
        n = _steps(p0, p1, p2, p3)
        for i in range(1, n + 1):
            t = i / n
            u = 1 - t
            self.current.append((u**3 * p0[0] + 3 * u * u * t * p1[0] + 3 * u * t * t * p2[0] + t**3 * p3[0],
                                 u**3 * p0[1] + 3 * u * u * t * p1[1] + 3 * u * t * t * p2[1] + t**3 * p3[1]))

    def _qCurveToOne(self, p1, p2):
        p0 = self.current[-1]
        n = _steps(p0, p1, p2)
        for i in range(1, n + 1):
            t = i / n
            u = 1 - t
            self.current.append((u * u * p0[0] + 2 * u * t * p1[0] + t * t * p2[0],
                                 u * u * p0[1] + 2 * u * t * p1[1] + t * t * p2[1]))

    def _closePath(self):
        if self.current and len(self.current) > 2:
            self.contours.append(self.current)
        self.current = None

    _endPath = _closePath


def _steps(*pts):
    length = sum(math.dist(a, b) for a, b in zip(pts, pts[1:]))
    return max(2, math.ceil(length / FLATTEN_STEP))


def transform(outline, scale=1.0, dx=0.0, dy=0.0):
    return [[(x * scale + dx, y * scale + dy) for x, y in c] for c in outline]


def bounds(outline):
    xs = [x for c in outline for x, _ in c]
    ys = [y for c in outline for _, y in c]
    return min(xs), min(ys), max(xs), max(ys)


def _to_clip(outline):
    return [[(round(x * CLIP_SCALE), round(y * CLIP_SCALE)) for x, y in c] for c in outline]


def _from_clip(paths):
    return [[(x / CLIP_SCALE, y / CLIP_SCALE) for x, y in p] for p in paths]


def union(outline):
    pc = pyclipper.Pyclipper()
    pc.AddPaths(_to_clip(outline), pyclipper.PT_SUBJECT, True)
    return _from_clip(pc.Execute(pyclipper.CT_UNION, pyclipper.PFT_NONZERO, pyclipper.PFT_NONZERO))


def offset(outline, delta):
    """Grows (delta > 0) or thins (delta < 0) every stroke of a filled outline by delta on each side."""
    outline = union(outline)
    if abs(delta) < 0.5:
        return outline
    po = pyclipper.PyclipperOffset(2.0, 0.2 * CLIP_SCALE)
    po.AddPaths(_to_clip(outline), pyclipper.JT_ROUND, pyclipper.ET_CLOSEDPOLYGON)
    return _from_clip(po.Execute(delta * CLIP_SCALE))


def stroke_weight(outline):
    """The prevailing stroke width of an outline, in font units.

    Rasterised at one unit a pixel; each inked pixel gets the shortest run of ink through it
    along the two axes and the two diagonals, and the most common of those is the stroke."""
    x0, y0, x1, y1 = bounds(outline)
    w, h = int(x1 - x0) + 4, int(y1 - y0) + 4
    acc = Image.new("1", (w, h), 0)
    for c in outline:
        layer = Image.new("1", (w, h), 0)
        ImageDraw.Draw(layer).polygon([(x - x0 + 2, y1 - y + 2) for x, y in c], fill=1)
        acc = ImageChops.logical_xor(acc, layer)
    ink = np.array(acc, dtype=bool)
    runs = [_runs_along_rows(ink), _runs_along_rows(ink.T).T]
    for flip in (False, True):
        sheared = _shear(ink[::-1] if flip else ink)
        r = _unshear(_runs_along_rows(sheared.T).T, ink.shape) * math.sqrt(2)
        runs.append(r[::-1] if flip else r)
    shortest = np.min(np.stack(runs), axis=0)[ink]
    hist = np.bincount(np.round(shortest).astype(int))
    hist = np.convolve(hist, np.ones(7), "same")
    hist[:12] = 0  # tips and thin joins are no stroke
    return float(np.argmax(hist))


def _runs_along_rows(ink):
    out = np.zeros(ink.shape)
    padded = np.zeros((ink.shape[0], ink.shape[1] + 2), dtype=np.int8)
    padded[:, 1:-1] = ink
    d = np.diff(padded, axis=1)
    starts = np.nonzero(d.ravel() == 1)[0]
    ends = np.nonzero(d.ravel() == -1)[0]
    lengths = ends - starts
    out[ink] = np.repeat(lengths, lengths)
    return out


def _shear(a):
    h, w = a.shape
    out = np.zeros((h, w + h), dtype=a.dtype)
    rows = np.arange(h)[:, None]
    out[rows, np.arange(w)[None, :] + rows] = a
    return out


def _unshear(s, shape):
    h, w = shape
    rows = np.arange(h)[:, None]
    return s[rows, np.arange(w)[None, :] + rows]


# ----------------------------------------------------------------------------------------
# Drawn glyphs: centre lines in a free design frame, fitted into the glyph box and then
# stroked with the common pen, so that they match the weight of the derived glyphs exactly.

class Sketch:
    def __init__(self):
        self.open = []     # open centre lines, butt ends
        self.closed = []   # closed centre lines (rings)
        self.solid = []    # filled shapes (dots), grown by half the pen like the lines

    def line(self, *pts):
        self.open.append(list(pts))
        return self

    def path(self, pts):
        self.open.append(list(pts))
        return self

    def ring(self, cx, cy, rx, ry=None):
        self.closed.append(arc(cx, cy, rx, ry if ry is not None else rx, 0, 360)[:-1])
        return self

    def dot(self, cx, cy, r):
        self.solid.append(arc(cx, cy, r, r, 0, 360)[:-1])
        return self

    def fit(self, height=GLYPH_HEIGHT, width=GLYPH_WIDTH):
        """Scales the centre lines so that the stroked glyph fills the box."""
        allpts = [p for group in (self.open, self.closed, self.solid) for c in group for p in c]
        x0 = min(p[0] for p in allpts)
        x1 = max(p[0] for p in allpts)
        y0 = min(p[1] for p in allpts)
        y1 = max(p[1] for p in allpts)
        scale = min((height - STROKE) / (y1 - y0), (width - STROKE) / (x1 - x0))
        dx = ADVANCE / 2 - (x0 + x1) / 2 * scale
        dy = MID_Y - (y0 + y1) / 2 * scale

        def t(group):
            return [[(x * scale + dx, y * scale + dy) for x, y in c] for c in group]
        self.open, self.closed, self.solid = t(self.open), t(self.closed), t(self.solid)
        return self

    def outline(self):
        po = pyclipper.PyclipperOffset(2.5, 0.2 * CLIP_SCALE)
        for c in self.open:
            po.AddPath(_to_clip([c])[0], pyclipper.JT_MITER, pyclipper.ET_OPENBUTT)
        for c in self.closed:
            po.AddPath(_to_clip([c])[0], pyclipper.JT_MITER, pyclipper.ET_CLOSEDLINE)
        for c in self.solid:
            po.AddPath(_to_clip([c])[0], pyclipper.JT_ROUND, pyclipper.ET_CLOSEDPOLYGON)
        return _from_clip(po.Execute(STROKE / 2 * CLIP_SCALE))


def arc(cx, cy, rx, ry, a0, a1):
    """Points of an elliptic arc from angle a0 to a1 (degrees, counter-clockwise when a1 > a0)."""
    n = max(4, math.ceil(abs(a1 - a0) / 360 * 2 * math.pi * max(rx, ry) / FLATTEN_STEP))
    return [(cx + rx * math.cos(math.radians(a0 + (a1 - a0) * i / n)),
             cy + ry * math.sin(math.radians(a0 + (a1 - a0) * i / n))) for i in range(n + 1)]


def bezier(p0, p1, p2, p3):
    n = _steps(p0, p1, p2, p3)
    pts = []
    for i in range(n + 1):
        t = i / n
        u = 1 - t
        pts.append((u**3 * p0[0] + 3 * u * u * t * p1[0] + 3 * u * t * t * p2[0] + t**3 * p3[0],
                    u**3 * p0[1] + 3 * u * u * t * p1[1] + 3 * u * t * t * p2[1] + t**3 * p3[1]))
    return pts


def chain(*parts):
    """Joins point lists into one centre line, dropping the repeated joints."""
    pts = []
    for part in parts:
        for p in part:
            if not pts or math.dist(pts[-1], p) > 1e-6:
                pts.append(p)
    return pts


def arrowhead(tip, direction_deg, size, spread=38):
    """An open arrowhead (two barbs meeting at the tip) pointing along direction_deg."""
    back = math.radians(direction_deg + 180)
    a = (tip[0] + size * math.cos(back - math.radians(spread)), tip[1] + size * math.sin(back - math.radians(spread)))
    b = (tip[0] + size * math.cos(back + math.radians(spread)), tip[1] + size * math.sin(back + math.radians(spread)))
    return [a, tip, b]


# Letters for the point monograms, on a 1000-unit capital height.

def letter_v(s, x):
    s.line((x, 1000), (x + 290, 0), (x + 580, 1000))


def letter_x_small(s, x, h=600):
    w = h * 0.62
    s.line((x, h), (x + w, 0))
    s.line((x, 0), (x + w, h))


def letter_e(s, x):
    s.line((x + 420, 1000), (x, 1000), (x, 0), (x + 420, 0))
    s.line((x, 500), (x + 360, 500))


def letter_p(s, x, h=1000):
    bowl = h * 0.52
    r = bowl / 2
    s.path(chain([(x, 0), (x, h), (x + 400 * h / 1000 - r, h)],
                 arc(x + 400 * h / 1000 - r, h - r, r, r, 90, -90),
                 [(x, h - bowl)]))


def letter_a(s, x):
    s.line((x, 0), (x + 320, 1000), (x + 640, 0))
    s.line((x + 110, 330), (x + 530, 330))


def letter_c_small(s, x, h=600):
    r = h / 2
    s.path(arc(x + r, r, r, r, 48, 312))


def letter_b(s, x):
    r = 300
    s.line((x, 1000), (x, 0))
    s.ring(x + r, r, r)


def letter_q(s, x, h=1000):
    rx, ry = h * 0.36, h / 2
    s.ring(x + rx, ry, rx, ry)
    s.line((x + rx + rx * 0.15, ry * 0.42), (x + 2 * rx + 80, -130))


def draw_vertex():
    s = Sketch()
    letter_v(s, 0)
    letter_x_small(s, 640)
    return s


def draw_east_point():
    s = Sketch()
    letter_e(s, 0)
    letter_p(s, 590)
    return s


def draw_co_ascendant():
    s = Sketch()
    letter_c_small(s, 0)
    letter_a(s, 640)
    return s


def draw_polar_ascendant():
    s = Sketch()
    letter_p(s, 0, 600)
    letter_a(s, 500)
    return s


def draw_quintile():
    s = Sketch()
    letter_q(s, 0)
    return s


def draw_biquintile():
    s = Sketch()
    letter_b(s, 0)
    letter_q(s, 760)
    return s


# The second zodiac: the older and alternative forms of the signs, drawn monoline.

def draw_aries_alt():
    # A V-shaped stem whose arms curl outward and down into the ram's horns.
    s = Sketch()
    arms = [chain(bezier((0, 0), (m * 40, 380), (m * 120, 820), (m * 330, 880)),
                  arc(m * 330, 700, 180 * m, 180, 90, -40)) for m in (1, -1)]
    s.path(chain(list(reversed(arms[0])), arms[1]))
    return s


def draw_taurus_alt():
    # Round head with horns that close in at the tips.
    s = Sketch()
    s.ring(0, 300, 300)
    s.path(chain(bezier((-560, 1000), (-560, 560), (-300, 600), (0, 600)),
                 bezier((0, 600), (300, 600), (560, 560), (560, 1000))))
    return s


def draw_gemini_alt():
    # The twin pillars with bowed lintel and threshold.
    s = Sketch()
    s.line((-220, 110), (-220, 890))
    s.line((220, 110), (220, 890))
    s.path(bezier((-420, 1000), (-180, 840), (180, 840), (420, 1000)))
    s.path(bezier((-420, 0), (-180, 160), (180, 160), (420, 0)))
    return s


def draw_cancer_alt():
    # Two seeds with their sweeping tails.
    s = Sketch()
    s.dot(-330, 600, 90)
    s.dot(330, 400, 90)
    s.path(bezier((-330, 690), (-80, 960), (350, 930), (520, 720)))
    s.path(bezier((330, 310), (80, 40), (-350, 70), (-520, 280)))
    return s


def draw_leo_alt():
    # The lion's mane: a small loop, a high arch and a tail curling outward.
    s = Sketch()
    s.ring(-330, 180, 160)
    s.path(chain(bezier((-200, 280), (-280, 620), (-140, 1000), (150, 1000)),
                 bezier((150, 1000), (430, 1000), (480, 700), (300, 380)),
                 bezier((300, 380), (160, 130), (260, -40), (460, 60))))
    return s


def draw_virgo_alt():
    # The m with a crossed tail.
    s = Sketch()
    s.line((-480, 800), (-480, 0))
    s.path(chain([(-480, 600)], bezier((-480, 760), (-420, 820), (-350, 820), (-280, 820)),
                 bezier((-280, 820), (-210, 820), (-150, 760), (-150, 600)), [(-150, 0)]))
    s.path(chain([(-150, 600)], bezier((-150, 760), (-90, 820), (-20, 820), (50, 820)),
                 bezier((50, 820), (120, 820), (180, 760), (180, 600)), [(180, 60)]))
    s.path(bezier((480, 700), (300, 420), (150, 200), (-30, -120)))
    return s


def draw_libra_alt():
    # The scales' beam over the setting sun: a bar below, a bar with a half disc above.
    s = Sketch()
    s.line((-480, 0), (480, 0))
    s.path(chain([(-480, 300), (-230, 300)], arc(0, 300, 230, 230, 180, 0), [(480, 300)]))
    return s


def draw_scorpio_alt():
    # The m whose last leg turns up into a rising sting.
    s = Sketch()
    s.line((-480, 800), (-480, 0))
    s.path(chain([(-480, 600)], bezier((-480, 760), (-420, 820), (-350, 820), (-280, 820)),
                 bezier((-280, 820), (-210, 820), (-150, 760), (-150, 600)), [(-150, 0)]))
    s.path(chain([(-150, 600)], bezier((-150, 760), (-90, 820), (-20, 820), (50, 820)),
                 bezier((50, 820), (120, 820), (180, 760), (180, 600)), [(180, 150)],
                 bezier((180, 150), (180, 40), (260, 0), (330, 40)), [(520, 300)]))
    s.path(arrowhead((520, 300), 53, 250, 40))
    return s


def draw_sagittarius_alt():
    # A fletched arrow.
    s = Sketch()
    s.line((-420, -420), (420, 420))
    s.path(arrowhead((420, 420), 45, 300, 45))
    s.line((-120, 160), (160, -120))
    s.path([(-560, -300), (-420, -300), (-420, -440)])
    return s


def draw_capricorn_alt():
    # The older "VS" form, the goat's horns followed by the fish's tail.
    s = Sketch()
    s.path([(-520, 1000), (-300, 0), (-80, 1000)])
    s.path(chain(bezier((420, 880), (340, 1010), (60, 1010), (60, 790)),
                 bezier((60, 790), (60, 560), (420, 560), (420, 260)),
                 bezier((420, 260), (420, -20), (100, -40), (20, 120))))
    return s


def draw_aquarius_alt():
    # Two smooth waves.
    s = Sketch()
    for y in (0, 330):
        pts = [(-500 + i * 5, y + 110 * math.sin(i * 5 / 1000 * 2.5 * 2 * math.pi)) for i in range(201)]
        s.path(pts)
    return s


def draw_pisces_alt():
    # The two fishes themselves, swimming apart, bound by a cord.
    s = Sketch()
    for m, y in ((1, 760), (-1, 240)):
        nose, tail = m * 420, m * -180
        s.path(chain(bezier((tail, y), (m * -40, y + 190), (m * 300, y + 170), (nose, y)),
                     bezier((nose, y), (m * 300, y - 170), (m * -40, y - 190), (tail, y))))
        s.path([(tail - m * 170, y + 130), (tail, y), (tail - m * 170, y - 130)])
    s.line((0, 625), (0, 375))
    return s


# ----------------------------------------------------------------------------------------
# The character map: every code the program draws with this font, and what it shows.
# Source: ("noto", font key, code point) or ("draw", function). "size" scales a glyph within
# the box where its shape would otherwise look too large beside the others; "weight" gives the
# stroke of a source glyph whose filled parts would mislead the measurement; "smooth" removes
# spikes thinner than twice its value from a source outline.

GLYPHS = [
    # Signs, first zodiac: the standard Unicode forms.
    ("a", "aries", "Aries", ("noto", "sym", 0x2648), {}),
    ("b", "taurus", "Taurus", ("noto", "sym", 0x2649), {}),
    ("c", "gemini", "Gemini", ("noto", "sym", 0x264A), {}),
    ("d", "cancer", "Cancer", ("noto", "sym", 0x264B), {}),
    ("e", "leo", "Leo", ("noto", "sym", 0x264C), {}),
    ("f", "virgo", "Virgo", ("noto", "sym", 0x264D), {}),
    ("g", "libra", "Libra", ("noto", "sym", 0x264E), {}),
    ("h", "scorpio", "Scorpio", ("noto", "sym", 0x264F), {}),
    ("i", "sagittarius", "Sagittarius", ("noto", "sym", 0x2650), {}),
    ("j", "capricorn", "Capricorn", ("noto", "sym", 0x2651), {}),
    ("k", "aquarius", "Aquarius", ("noto", "sym", 0x2652), {}),
    ("l", "pisces", "Pisces", ("noto", "sym", 0x2653), {}),
    # Signs, second zodiac: alternative traditional forms, drawn.
    ("m", "aries.alt", "Aries (alt.)", ("draw", draw_aries_alt), {}),
    ("n", "taurus.alt", "Taurus (alt.)", ("draw", draw_taurus_alt), {}),
    ("o", "gemini.alt", "Gemini (alt.)", ("draw", draw_gemini_alt), {}),
    ("p", "cancer.alt", "Cancer (alt.)", ("draw", draw_cancer_alt), {}),
    ("q", "leo.alt", "Leo (alt.)", ("draw", draw_leo_alt), {}),
    ("r", "virgo.alt", "Virgo (alt.)", ("draw", draw_virgo_alt), {}),
    ("s", "libra.alt", "Libra (alt.)", ("draw", draw_libra_alt), {}),
    ("t", "scorpio.alt", "Scorpio (alt.)", ("draw", draw_scorpio_alt), {}),
    ("u", "sagittarius.alt", "Sagittarius (alt.)", ("draw", draw_sagittarius_alt), {}),
    ("v", "capricorn.alt", "Capricorn (alt.)", ("draw", draw_capricorn_alt), {}),
    ("w", "aquarius.alt", "Aquarius (alt.)", ("draw", draw_aquarius_alt), {}),
    ("x", "pisces.alt", "Pisces (alt.)", ("draw", draw_pisces_alt), {}),
    # Bodies and their variant forms.
    ("A", "sun", "Sun", ("noto", "sym2", 0x2609), {"size": 0.92}),
    ("B", "moon", "Moon", ("noto", "sym", 0x263D), {}),
    ("C", "mercury", "Mercury", ("noto", "sym", 0x263F), {}),
    ("D", "venus", "Venus", ("noto", "sym", 0x2640), {}),
    ("E", "mars", "Mars", ("noto", "sym", 0x2642), {}),
    ("5", "mars.alt", "Mars (old form)", ("noto", "sym", 0x26A8), {}),
    ("F", "jupiter", "Jupiter", ("noto", "sym", 0x2643), {}),
    ("G", "saturn", "Saturn", ("noto", "sym", 0x2644), {}),
    ("H", "uranus", "Uranus", ("noto", "sym", 0x2645), {}),
    ("6", "uranus.alt", "Uranus (astronomical)", ("noto", "sym", 0x26E2), {}),
    ("I", "neptune", "Neptune", ("noto", "sym", 0x2646), {}),
    ("Z", "neptune.alt", "Neptune (form two)", ("noto", "sym2", 0x2BC9), {}),
    ("8", "pluto", "Pluto (orb and crescent)", ("noto", "sym2", 0x2BD3), {}),
    ("7", "pluto.alt1", "Pluto (PL monogram)", ("noto", "sym", 0x2647), {}),
    ("J", "pluto.alt2", "Pluto (orb over bowl)", ("noto", "sym2", 0x2BD5), {}),
    ("9", "pluto.alt3", "Pluto (form three)", ("noto", "sym2", 0x2BD4), {}),
    ("K", "northnode", "North node", ("noto", "sym", 0x260A), {}),
    ("L", "southnode", "South node", ("noto", "sym", 0x260B), {}),
    ("}", "lilith", "Lilith", ("noto", "sym", 0x26B8), {"weight": 51}),
    ("!", "chiron", "Chiron", ("noto", "sym", 0x26B7), {}),
    ('"', "pholus", "Pholus", ("noto", "sym2", 0x2BDB), {}),
    ("#", "ceres", "Ceres", ("noto", "sym", 0x26B3), {"smooth": 6}),
    ("$", "pallas", "Pallas", ("noto", "sym", 0x26B4), {}),
    ("%", "juno", "Juno", ("noto", "sym", 0x26B5), {}),
    ("&", "vesta", "Vesta", ("noto", "sym", 0x26B6), {}),
    # Points.
    ("1", "vertex", "Vertex", ("draw", draw_vertex), {}),
    ("2", "eastpoint", "East Point", ("draw", draw_east_point), {}),
    ("3", "coascendant", "Co-ascendant", ("draw", draw_co_ascendant), {}),
    ("4", "polarascendant", "Polar Ascendant", ("draw", draw_polar_ascendant), {}),
    ("0", "fortune", "Part of Fortune", ("noto", "math", 0x2297), {"size": 0.92}),
    # Aspects 0..10.
    ("M", "conjunction", "Conjunction", ("noto", "sym", 0x260C), {}),
    ("N", "semisextile", "Semisextile", ("noto", "sym", 0x26BA), {"size": 0.85}),
    ("O", "semisquare", "Semisquare", ("noto", "math", 0x2220), {}),
    ("P", "sextile", "Sextile", ("noto", "sym", 0x26B9), {}),
    ("Q", "quintile", "Quintile", ("draw", draw_quintile), {}),
    ("R", "square", "Square", ("noto", "sym2", 0x25A1), {"size": 0.88}),
    ("S", "trine", "Trine", ("noto", "sym2", 0x25B3), {}),
    ("T", "sesquiquadrate", "Sesquiquadrate", ("noto", "sym", 0x26BC), {}),
    ("U", "biquintile", "Biquintile", ("draw", draw_biquintile), {}),
    ("V", "quincunx", "Quincunx", ("noto", "sym", 0x26BB), {"size": 0.85}),
    ("W", "opposition", "Opposition", ("noto", "sym", 0x260D), {}),
    # Declinations: parallel and contra-parallel (the parallel bars struck through).
    ("X", "parallel", "Parallel", ("noto", "math", 0x2225), {}),
    ("Y", "contraparallel", "Contra-parallel", ("noto", "math", 0x2226), {}),
]


# ----------------------------------------------------------------------------------------

def noto_outline(fonts, key, codepoint):
    font = fonts[key]
    name = font.getBestCmap()[codepoint]
    glyphset = font.getGlyphSet()
    pen = FlattenPen(glyphset)
    glyphset[name].draw(pen)
    return union(pen.contours)


def fit_outline(outline, size=1.0):
    """Scales an outline into the glyph box and centres it on the advance and the line middle."""
    x0, y0, x1, y1 = bounds(outline)
    scale = min(GLYPH_HEIGHT / (y1 - y0), GLYPH_WIDTH / (x1 - x0)) * size
    return centre(transform(outline, scale))


def centre(outline):
    x0, y0, x1, y1 = bounds(outline)
    return transform(outline, 1.0, ADVANCE / 2 - (x0 + x1) / 2, MID_Y - (y0 + y1) / 2)


def derived_glyph(fonts, key, codepoint, size, target, weight=None, smooth=0):
    """A source glyph in the box, its strokes thickened or thinned to the common weight."""
    outline = fit_outline(noto_outline(fonts, key, codepoint), size)
    if smooth:
        # Thinning and regrowing removes slivers and spikes narrower than twice smooth.
        outline = offset(offset(outline, -smooth), smooth)
    if weight is not None:
        # Filled parts hide the stroke from the measurement: the weight is given instead.
        return fit_outline(offset(outline, (target - weight) / 2), size), weight
    before = stroke_weight(outline)
    for _ in range(2):
        outline = fit_outline(offset(outline, (target - stroke_weight(outline)) / 2), size)
    return outline, before


def reference_weight():
    """What stroke_weight reports for the common pen; derived glyphs are brought to this value
    so that they match the drawn ones whatever the measurement's own bias."""
    s = Sketch()
    s.ring(0, 500, 500)
    s.line((-300, 0), (300, 1000))
    s.line((0, 0), (0, 1000))
    s.line((-500, 500), (500, 500))
    return stroke_weight(s.fit().outline())


def to_glyph(outline):
    """A TrueType glyph from an outline: clockwise outer contours, curves, integer points."""
    pen = TTGlyphPen(None)
    # pyclipper's outer contours run counter-clockwise; TrueType's run clockwise.
    draw_contours(pen, [list(reversed(c)) for c in union(outline)])
    return pen.glyph()


def notdef_glyph():
    pen = TTGlyphPen(None)
    for rect, clockwise in (((150, 0, 850, 700), True), ((210, 60, 790, 640), False)):
        x0, y0, x1, y1 = rect
        pts = [(x0, y0), (x0, y1), (x1, y1), (x1, y0)]
        if not clockwise:
            pts.reverse()
        pen.moveTo(pts[0])
        for p in pts[1:]:
            pen.lineTo(p)
        pen.closePath()
    return pen.glyph()


def build(output, report):
    fonts = {key: TTFont(os.path.join(NOTO_DIR, name)) for key, name in SOURCES.items()}
    glyphs = {".notdef": notdef_glyph(), "space": TTGlyphPen(None).glyph()}
    cmap = {0x20: "space"}
    target = reference_weight()
    lines = ["reference stroke weight %.0f for a pen of %d" % (target, STROKE)]
    for char, name, meaning, source, opts in GLYPHS:
        size = opts.get("size", 1.0)
        if source[0] == "noto":
            outline, before = derived_glyph(fonts, source[1], source[2], size, target,
                                            opts.get("weight"), opts.get("smooth", 0))
            origin = "%s U+%04X" % (SOURCES[source[1]].split("-")[0], source[2])
        else:
            outline = centre(source[1]().fit(GLYPH_HEIGHT * size, GLYPH_WIDTH * size).outline())
            before = None
            origin = "drawn"
        glyphs[name] = to_glyph(outline)
        cmap[ord(char)] = name
        if report:
            x0, y0, x1, y1 = bounds(outline)
            lines.append("%-2s %-16s %-26s %-26s w %4.0f h %4.0f  stroke %s -> %3.0f" % (
                char, name, meaning, origin, x1 - x0, y1 - y0,
                "%3.0f" % before if before is not None else "  -", stroke_weight(outline)))

    order = [".notdef", "space"] + [g[1] for g in GLYPHS]
    fb = FontBuilder(UPM, isTTF=True)
    fb.font.recalcTimestamp = False
    fb.setupGlyphOrder(order)
    fb.setupCharacterMap(cmap)
    fb.setupGlyf(glyphs)
    glyf = fb.font["glyf"]
    metrics = {}
    for g in order:
        glyf[g].recalcBounds(glyf)
        metrics[g] = (ADVANCE, getattr(glyf[g], "xMin", 0))
    fb.setupHorizontalMetrics(metrics)
    fb.setupHorizontalHeader(ascent=ASCENT, descent=-DESCENT, lineGap=0)
    stamp = timestampFromString(BUILD_DATE)
    fb.updateHead(created=stamp, modified=stamp, fontRevision=float(VERSION), flags=0x0003)
    fb.setupNameTable({
        "copyright": COPYRIGHT,
        "familyName": FAMILY,
        "styleName": "Regular",
        "uniqueFontIdentifier": "%s;ZDK;%s" % (VERSION, PS_NAME),
        "fullName": FAMILY,
        "version": "Version " + VERSION,
        "psName": PS_NAME,
        "manufacturer": "The Zodikeon developers",
        "description": "Astrological symbols for Zodikeon. Derived from Noto Sans Symbols, "
                       "Noto Sans Symbols2 and Noto Sans Math, with added outlines.",
        "licenseDescription": LICENSE,
        "licenseInfoURL": LICENSE_URL,
    }, mac=False)
    fb.setupOS2(
        version=4, achVendID="ZDK ", usWeightClass=400, usWidthClass=5, fsType=0,
        fsSelection=(1 << 6) | (1 << 7),  # regular; use the typographic metrics
        sTypoAscender=ASCENT, sTypoDescender=-DESCENT, sTypoLineGap=0,
        usWinAscent=ASCENT, usWinDescent=DESCENT,
        sxHeight=430, sCapHeight=GLYPH_HEIGHT,
        ulUnicodeRange1=1, ulUnicodeRange2=0, ulUnicodeRange3=0, ulUnicodeRange4=0,
        ulCodePageRange1=1, ulCodePageRange2=0,
        usDefaultChar=0, usBreakChar=0x20, usMaxContext=0,
        xAvgCharWidth=ADVANCE,
    )
    fb.setupPost(isFixedPitch=1, underlinePosition=-100, underlineThickness=50)
    fb.font["gasp"] = _gasp()
    fb.font.save(output)
    if report:
        print("\n".join(lines))
    return output


def _gasp():
    from fontTools.ttLib import newTable
    gasp = newTable("gasp")
    gasp.version = 1
    gasp.gaspRange = {0xFFFF: 0x000F}  # smooth at every size: the outlines carry no hints
    return gasp


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    default = os.path.normpath(os.path.join(here, "..", "..", "resources", "fonts", "ZodikeonSymbolsPlus.ttf"))
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--output", default=default, help="font file to write (default: %(default)s)")
    ap.add_argument("--report", action="store_true", help="print each glyph's source, size and stroke weight")
    args = ap.parse_args()
    for name in SOURCES.values():
        if not os.path.exists(os.path.join(NOTO_DIR, name)):
            sys.exit("missing %s: install Debian's fonts-noto-core" % os.path.join(NOTO_DIR, name))
    print(build(args.output, args.report))


if __name__ == "__main__":
    main()
