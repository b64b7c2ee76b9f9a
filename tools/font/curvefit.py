"""Turns dense closed polygons back into TrueType outlines with quadratic curves.

Stroking and thickening work on polygons; written out as they are, their many short straight
pieces make a hinting rasteriser flatten the curves. Each contour is cut at its corners, every
smooth run is fitted with cubic Bezier pieces (P. J. Schneider, "An Algorithm for Automatically
Fitting Digitized Curves", Graphics Gems, 1990) and the cubics are converted to quadratics.
"""

import math

from fontTools.cu2qu import curve_to_quadratic

CORNER_DEG = 32.0    # a turn sharper than this between neighbouring pieces is a corner
STRAIGHT = 0.3       # a run whose points lie this close to its chord is a straight line
MERGE = 2.0          # corners closer than this are one corner
LONG = 10.0          # a piece at least this long is a straight edge, not part of a flattened curve


def _sub(a, b):
    return (a[0] - b[0], a[1] - b[1])


def _add(a, b):
    return (a[0] + b[0], a[1] + b[1])


def _mul(a, s):
    return (a[0] * s, a[1] * s)


def _dot(a, b):
    return a[0] * b[0] + a[1] * b[1]


def _norm(a):
    length = math.hypot(a[0], a[1])
    return (a[0] / length, a[1] / length) if length > 1e-12 else (0.0, 0.0)


def _dedupe(points, eps=0.05):
    out = []
    for p in points:
        if not out or math.dist(out[-1], p) > eps:
            out.append(p)
    while len(out) > 1 and math.dist(out[0], out[-1]) <= eps:
        out.pop()
    return out


def _direction(points, i, step, reach=1.5):
    """Unit direction from point i towards the first point at least reach away (step = ±1)."""
    n = len(points)
    j = i
    for _ in range(n - 1):
        j = (j + step) % n
        if math.dist(points[i], points[j]) >= reach:
            break
    return _norm(_sub(points[j], points[i]))


def _corners(points):
    n = len(points)
    found = []
    for i in range(n):
        back = _direction(points, i, -1)
        ahead = _direction(points, i, 1)
        # back and ahead point away from i: a straight passage has them opposite.
        cos_turn = -_dot(back, ahead)
        if cos_turn < math.cos(math.radians(CORNER_DEG)):
            found.append(i)
    # A corner cut by a tiny bevel trips both its ends: keep the sharpest of such a pair.
    merged = []
    for i in found:
        if merged and i - merged[-1][-1] == 1 and math.dist(points[i], points[merged[-1][-1]]) < MERGE:
            merged[-1].append(i)
        else:
            merged.append([i])
    if (len(merged) > 1 and merged[0][0] == 0 and merged[-1][-1] == n - 1
            and math.dist(points[0], points[n - 1]) < MERGE):
        merged[0] = merged.pop() + merged[0]

    def sharpness(i):
        return _dot(_direction(points, i, -1), _direction(points, i, 1))
    return sorted(max(group, key=sharpness) for group in merged)


def _bezier(ctrl, t):
    u = 1 - t
    return (u**3 * ctrl[0][0] + 3 * u * u * t * ctrl[1][0] + 3 * u * t * t * ctrl[2][0] + t**3 * ctrl[3][0],
            u**3 * ctrl[0][1] + 3 * u * u * t * ctrl[1][1] + 3 * u * t * t * ctrl[2][1] + t**3 * ctrl[3][1])


def _bezier_d1(ctrl, t):
    u = 1 - t
    d = [_mul(_sub(ctrl[i + 1], ctrl[i]), 3) for i in range(3)]
    return (u * u * d[0][0] + 2 * u * t * d[1][0] + t * t * d[2][0], u * u * d[0][1] + 2 * u * t * d[1][1] + t * t * d[2][1])


def _bezier_d2(ctrl, t):
    d = [_mul(_add(_sub(ctrl[i + 2], _mul(ctrl[i + 1], 2)), ctrl[i]), 6) for i in range(2)]
    return (d[0][0] * (1 - t) + d[1][0] * t, d[0][1] * (1 - t) + d[1][1] * t)


def _chord_params(points):
    u = [0.0]
    for a, b in zip(points, points[1:]):
        u.append(u[-1] + math.dist(a, b))
    return [x / u[-1] for x in u]


def _generate(points, u, t1, t2):
    first, last = points[0], points[-1]
    c00 = c01 = c11 = x0 = x1 = 0.0
    for p, t in zip(points, u):
        s = 1 - t
        a1 = _mul(t1, 3 * s * s * t)
        a2 = _mul(t2, 3 * s * t * t)
        c00 += _dot(a1, a1)
        c01 += _dot(a1, a2)
        c11 += _dot(a2, a2)
        tmp = _sub(p, _add(_mul(first, s**3 + 3 * s * s * t), _mul(last, 3 * s * t * t + t**3)))
        x0 += _dot(a1, tmp)
        x1 += _dot(a2, tmp)
    det = c00 * c11 - c01 * c01
    alpha1 = (x0 * c11 - x1 * c01) / det if abs(det) > 1e-12 else 0.0
    alpha2 = (c00 * x1 - c01 * x0) / det if abs(det) > 1e-12 else 0.0
    seg = math.dist(first, last)
    if alpha1 < seg * 1e-6 or alpha2 < seg * 1e-6:
        alpha1 = alpha2 = seg / 3
    return [first, _add(first, _mul(t1, alpha1)), _add(last, _mul(t2, alpha2)), last]


def _max_error(points, ctrl, u):
    worst, split = 0.0, len(points) // 2
    for i in range(1, len(points) - 1):
        d = math.dist(_bezier(ctrl, u[i]), points[i])
        if d > worst:
            worst, split = d, i
    return worst, split


def _reparameterize(points, ctrl, u):
    out = []
    for p, t in zip(points, u):
        diff = _sub(_bezier(ctrl, t), p)
        d1, d2 = _bezier_d1(ctrl, t), _bezier_d2(ctrl, t)
        den = _dot(d1, d1) + _dot(diff, d2)
        out.append(min(1.0, max(0.0, t - _dot(diff, d1) / den)) if abs(den) > 1e-12 else t)
    return out


def _fit_cubic(points, t1, t2, tolerance):
    if len(points) == 2:
        seg = math.dist(points[0], points[1]) / 3
        return [[points[0], _add(points[0], _mul(t1, seg)), _add(points[1], _mul(t2, seg)), points[1]]]
    u = _chord_params(points)
    ctrl = _generate(points, u, t1, t2)
    error, split = _max_error(points, ctrl, u)
    if error < tolerance:
        return [ctrl]
    if error < tolerance * 6:
        for _ in range(6):
            u = _reparameterize(points, ctrl, u)
            ctrl = _generate(points, u, t1, t2)
            error, split = _max_error(points, ctrl, u)
            if error < tolerance:
                return [ctrl]
    split = min(max(split, 1), len(points) - 2)
    centre = _norm(_sub(points[split - 1], points[split + 1]))
    return (_fit_cubic(points[:split + 1], t1, centre, tolerance)
            + _fit_cubic(points[split:], _mul(centre, -1), t2, tolerance))


def _is_straight(points):
    a, b = points[0], points[-1]
    d = _sub(b, a)
    length = math.hypot(*d)
    if length < 1e-9:
        return False
    return all(abs((p[0] - a[0]) * d[1] - (p[1] - a[1]) * d[0]) / length <= STRAIGHT for p in points)


def _tangent_out(points, i):
    return _direction(points, i, 1)


def _tangent_in(points, i):
    return _direction(points, i, -1)


def _smooth_tangent(points, i):
    n = len(points)
    return _norm(_sub(points[(i + 1) % n], points[(i - 1) % n]))


def contour_segments(points, tolerance):
    """Segments of a closed contour: ("line", end) or ("qcurve", [off-curve..., end]), starting
    at the returned start point.

    Long pieces are straight edges and stay lines; runs of short pieces between corners and
    long pieces are flattened curves and are fitted. A fit that strays from its run is dropped
    for the run's own straight pieces."""
    points = _dedupe(points)
    n = len(points)
    if n < 3:
        return None, []
    cuts = set(_corners(points))
    for i in range(n):
        if math.dist(points[i], points[(i + 1) % n]) >= LONG:
            cuts.update((i, (i + 1) % n))
    cuts = sorted(cuts)
    if not cuts:
        cuts = [0, n // 2]
        tangents = {}
        for i in cuts:
            t = _smooth_tangent(points, i)
            tangents[i] = (_mul(t, -1), t)
    else:
        tangents = {i: (_tangent_in(points, i), _tangent_out(points, i)) for i in cuts}
    if len(cuts) == 1:
        cuts.append((cuts[0] + n // 2) % n)
        cuts.sort()
        for i in cuts:
            if i not in tangents:
                t = _smooth_tangent(points, i)
                tangents[i] = (_mul(t, -1), t)
    start = points[cuts[0]]
    segments = []
    for k, a in enumerate(cuts):
        b = cuts[(k + 1) % len(cuts)]
        run = points[a:b + 1] if b > a else points[a:] + points[:b + 1]
        if len(run) == 2 or _is_straight(run):
            segments.append(("line", run[-1]))
            continue
        fitted = []
        for ctrl in _fit_cubic(run, tangents[a][1], tangents[b][0], tolerance):
            if _strays(ctrl, run, tolerance * 3):
                fitted = None
                break
            if _is_straight(_sample(run, ctrl)):
                fitted.append(("line", ctrl[3]))
            else:
                for piece in _split_at_extrema(ctrl):
                    quad = curve_to_quadratic(piece, tolerance / 2)
                    fitted.append(("qcurve", list(quad[1:])))
        if fitted is None:
            fitted = [("line", p) for p in run[1:]]
        segments += fitted
    return start, segments


def _strays(ctrl, run, limit):
    """Whether any point of the cubic lies farther than limit from the polyline run."""
    for i in range(17):
        p = _bezier(ctrl, i / 16)
        if min(_point_segment(p, a, b) for a, b in zip(run, run[1:])) > limit:
            return True
    return False


def _point_segment(p, a, b):
    dx, dy = b[0] - a[0], b[1] - a[1]
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((p[0] - a[0]) * dx + (p[1] - a[1]) * dy) / length2))
    return math.dist(p, (a[0] + t * dx, a[1] + t * dy))


def _split_at_extrema(ctrl):
    """Cuts a cubic where it is horizontal or vertical, so that on-curve points sit on the
    extremes as a hinting rasteriser expects; pieces shorter than a unit are left alone."""
    ts = []
    for axis in (0, 1):
        a = -ctrl[0][axis] + 3 * ctrl[1][axis] - 3 * ctrl[2][axis] + ctrl[3][axis]
        b = 2 * (ctrl[0][axis] - 2 * ctrl[1][axis] + ctrl[2][axis])
        c = ctrl[1][axis] - ctrl[0][axis]
        if abs(a) < 1e-9:
            roots = [-c / b] if abs(b) > 1e-9 else []
        else:
            disc = b * b - 4 * a * c
            roots = [] if disc < 0 else [(-b + sq) / (2 * a) for sq in (math.sqrt(disc), -math.sqrt(disc))]
        ts += [t for t in roots if 0.02 < t < 0.98]
    pieces, rest, done = [], ctrl, 0.0
    for t in sorted(ts):
        local = (t - done) / (1 - done)
        if math.dist(_bezier(rest, local), rest[0]) < 1 or math.dist(_bezier(rest, local), rest[3]) < 1:
            continue
        left, rest = _split(rest, local)
        pieces.append(left)
        done = t
    return pieces + [rest]


def _split(ctrl, t):
    def lerp(a, b):
        return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t)
    p01, p12, p23 = lerp(ctrl[0], ctrl[1]), lerp(ctrl[1], ctrl[2]), lerp(ctrl[2], ctrl[3])
    p012, p123 = lerp(p01, p12), lerp(p12, p23)
    mid = lerp(p012, p123)
    return [ctrl[0], p01, p012, mid], [mid, p123, p23, ctrl[3]]


def _sample(run, ctrl):
    return [_bezier(ctrl, i / 8) for i in range(9)]


def draw_contours(pen, contours, tolerance=0.4):
    """Draws closed polygons onto a pen as lines and quadratic curves, points rounded to integers."""
    for contour in contours:
        start, segments = contour_segments(contour, tolerance)
        if not segments:
            continue
        r = _round
        pen.moveTo(r(start))
        last = r(start)
        for kind, data in segments:
            if kind == "line":
                p = r(data)
                if p != last:
                    pen.lineTo(p)
                    last = p
            else:
                pts = [r(p) for p in data]
                pen.qCurveTo(*pts)
                last = pts[-1]
        pen.closePath()


def _round(p):
    return (round(p[0]), round(p[1]))
