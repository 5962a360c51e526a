"""Building profile documents in memory: routes, split rows, change points, settings."""

from docfiles import Doc


def make_doc(routes, splits=(), cps=(), manholes=(), outlet=None, outlet_gl=None,
             min_cover="1.200", drop="0", hinterland="0", digits=None, **settings):
    """routes: (number, length, count, ground); splits: dicts with label, length, ground,
    pipe, gradient, start, end, start_cover, end_cover, gmark, smark, emark; cps: (route,
    distance, ground, cover); manholes: 4 texts per row."""
    doc = Doc()
    t, s = doc.t, doc.s
    for r, row in enumerate(routes, start=1):
        t[1][r][1:5] = list(row)
    keys = ("label", "length", "ground", "pipe", "gradient", "start", "end", "start_cover",
            "end_cover")
    for r, sp in enumerate(splits, start=1):
        for c, k in enumerate(keys, start=1):
            t[2][r][c] = sp.get(k, "")
        t[2][r][10] = str(sp.get("gmark", 0))
        t[2][r][11] = sp.get("smark", "0")
        t[2][r][12] = sp.get("emark", "0")
    for r, row in enumerate(cps, start=1):
        t[4][r][1:5] = list(row)
    for r, row in enumerate(manholes, start=1):
        t[3][r][1:5] = list(row)
    s.outlet_no = outlet if outlet is not None else (routes[-1][0] if routes else "")
    s.outlet_gl = outlet_gl if outlet_gl is not None else (routes[-1][3] if routes else "")
    s.min_cover, s.drop, s.hinterland = min_cover, drop, hinterland
    if digits is not None:
        s.digits = list(digits)
    for k, v in settings.items():
        setattr(s, k, v)
    return doc


def set_format(doc, circ, box=()):
    fmt = doc.fmt
    for r, row in enumerate(circ, start=1):
        fmt.circ[r][1:5] = list(row)
    for r, row in enumerate(box, start=1):
        fmt.box[r][1:6] = list(row)
