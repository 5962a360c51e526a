"""Seeded random profile documents as a designer would type them, and nasty ones.

generate(seed) gives (doc, format, tags): doc a Doc with the input tables and settings,
format either None (the standard example format file) or a list of .osb lines, tags the
names of the peculiarities the document was given.
"""

import random

from builder import make_doc
from docfiles import osb_lines

STANDARD_CODES = ["φ200", "φ250", "φ300", "φ350", "φ400", "φ450", "φ500", "φ600", "φ700",
                  "φ800", "φ900", "φ1000", "φ1100", "φ1200", "φ1350", "φ1500"]
STANDARD_BOX = ["□1000×1000", "□1500×1500"]


def m3(x):
    return "%.3f" % x


def custom_format(rng):
    """A format file of our own: circular sizes, box culverts, a code name shared by both
    tables, sometimes a value that is not a number."""
    circ, codes = [], []
    d = rng.choice([0.15, 0.2, 0.25])
    for k in range(rng.randint(3, 10)):
        code = rng.choice(["C", "VU", "HP", ""]) + str(int(round(d * 1000)))
        if code in codes:
            code += "x"
        t = round(d * rng.uniform(0.08, 0.12), 3)
        e = rng.choice([0.1, 0.15, 0.2, 0.0])
        circ.append([code, m3(d), m3(t), m3(e)])
        codes.append(code)
        d = round(d + rng.choice([0.05, 0.1, 0.15, 0.2]), 3)
    box = []
    for k in range(rng.randint(0, 3)):
        h = rng.choice([0.8, 1.0, 1.2, 1.5, 2.0])
        code = "□%d×%d" % (h * 1000, h * 1000) if k != 1 else codes[-1]
        if code in [b[0] for b in box]:
            continue
        box.append([code, m3(h), m3(rng.uniform(0.12, 0.25)), m3(rng.uniform(0.12, 0.25)),
                    m3(rng.choice([0.2, 0.3]))])
    if rng.random() < 0.05:
        # A gap in the table: the list ends there.
        circ.insert(rng.randint(1, len(circ)), ["", "", "", ""])
    if rng.random() < 0.15:
        # Hand-typed values as the format manager may hold them.
        row = rng.choice(circ)
        row[rng.randint(1, 3)] = rng.choice(["abc", "", "0.3", ".25", "1e-1", "1e39"])
    if box and rng.random() < 0.03:
        box[0][rng.randint(1, 4)] = "1e39"
    return circ, box


def route_names(rng, n):
    style = rng.random()
    if style < 0.6:
        first = rng.choice([1, 1, 1, 5, 101])
        return [str(first + k) for k in range(n)]
    if style < 0.8:
        return ["A%d" % (k + 1) for k in range(n)]
    if style < 0.9:
        return ["本線%d" % (k + 1) for k in range(n)]
    return ["R%02d" % (k + 1) for k in range(n)]


def split_lengths(rng, total_mm, count):
    """count lengths in millimetres adding up to total_mm."""
    if count == 1:
        return [total_mm]
    if rng.random() < 0.4:
        each = total_mm // count
        out = [each] * count
        out[-1] += total_mm - each * count
        return out
    cuts = sorted(rng.sample(range(1, total_mm), count - 1)) if total_mm > count else []
    if len(cuts) != count - 1:
        return [total_mm] + [0] * (count - 1)
    pts = [0] + cuts + [total_mm]
    return [pts[k + 1] - pts[k] for k in range(count)]


def generate(seed):
    rng = random.Random(seed)
    tags = []

    def chance(p, tag):
        if rng.random() < p:
            tags.append(tag)
            return True
        return False

    # Format data.
    if rng.random() < 0.6:
        fmt = None
        codes = STANDARD_CODES
        sizes = [0.2, 0.25, 0.3, 0.35, 0.4, 0.45, 0.5, 0.6, 0.7, 0.8, 0.9, 1.0, 1.1, 1.2, 1.35, 1.5]
        box_codes = STANDARD_BOX
    else:
        circ, box = custom_format(rng)
        fmt = osb_lines(circ, box)
        codes = [c[0] for c in circ if c[0]]
        sizes = list(range(len(codes)))
        box_codes = [b[0] for b in box]
        tags.append("custom-format")

    big = chance(0.04, "long-chain")
    huge = chance(0.03, "very-long-chain")
    nroutes = rng.randint(15, 60) if big else rng.randint(1, 9)
    if huge:
        big = True
        nroutes = rng.randint(100, 190)
    names = route_names(rng, nroutes + 1)
    outlet_name = names[-1]

    # Ground along the chain: stretches falling, flat or rising.
    gl = round(rng.uniform(5, 60), 3)
    routes, route_gls, lengths_mm, counts = [], [], [], []
    for k in range(nroutes):
        length_mm = rng.randint(3000, 120000) if not big else rng.randint(5000, 60000)
        if huge:
            length_mm = rng.randint(40000, 150000)
        if rng.random() < 0.1:
            length_mm = rng.choice([10100 * 3, 30000, 40000, 15000 * 2, 33333])
        count = rng.choice([1, 1, 2, 2, 3, 4]) if not big else rng.choice([1, 2, 3, 5, 8])
        if huge:
            count = rng.choice([1, 2, 3, 4])
        routes.append([names[k], m3(length_mm / 1000), str(count), m3(gl)])
        route_gls.append(gl)
        lengths_mm.append(length_mm)
        counts.append(count)
        slope = rng.choice([-0.03, -0.01, -0.005, 0.0, 0.0, 0.002, 0.01, 0.02])
        gl = round(gl + slope * length_mm / 1000 + rng.uniform(-0.2, 0.2), 3)
    outlet_gl = gl
    listed = rng.random() < 0.7
    if listed:
        routes.append([outlet_name, rng.choice(["", "", m3(12.0)]),
                       rng.choice(["1", "1", "2"]), rng.choice([m3(outlet_gl), m3(outlet_gl), ""])])

    # Split rows as a previous calculation left them, or none yet.
    designed = rng.random() < 0.8
    splits = []
    pipe_idx = 0
    for k in range(nroutes):
        parts = split_lengths(rng, lengths_mm[k], counts[k])
        if designed and rng.random() < 0.25:
            pipe_idx = min(pipe_idx + rng.choice([1, 1, 2]), len(codes) - 1)
        gradient = rng.choice(["1.500", "2.000", "2.500", "3.000", "3.500", "4.000", "5.000",
                               "6.000", "8.000", "10.000", "12.500", "15.000", "20.000"])
        if rng.random() < 0.2:
            gradient = m3(rng.uniform(1, 25))
        dist = 0
        for p, part in enumerate(parts):
            label = names[k] if p == 0 else "%s-%d" % (names[k], p)
            sp = dict(label=label, length=m3(part / 1000))
            frac = dist / lengths_mm[k]
            nxt = route_gls[k + 1] if k + 1 < nroutes else outlet_gl
            sp["ground"] = m3(route_gls[k] + (nxt - route_gls[k]) * frac)
            dist += part
            if designed:
                sp["pipe"] = codes[pipe_idx]
                sp["gradient"] = gradient
                if rng.random() < 0.3:
                    sp["start"] = m3(route_gls[k] - rng.uniform(1, 3))
                    sp["end"] = m3(route_gls[k] - rng.uniform(1, 3))
            if p > 0 and rng.random() < 0.1:
                sp["gmark"] = 10
                sp["ground"] = m3(float(sp["ground"]) + rng.uniform(-0.5, 0.5))
                tags.append("typed-ground")
            splits.append(sp)
    if designed or rng.random() < 0.5:
        splits.append(dict(label=outlet_name, ground=m3(outlet_gl)))
    if not designed:
        splits = [sp if rng.random() < 0.7 else dict(label=sp["label"]) for sp in splits]
        if rng.random() < 0.5:
            splits = []
        tags.append("undesigned")

    # Typed inverts (the fixed marks).
    if designed and chance(0.3, "typed-invert"):
        for _ in range(rng.randint(1, 3)):
            sp = rng.choice(splits[:-1] or splits)
            if "pipe" not in sp:
                continue
            level = round(float(sp["ground"]) - rng.uniform(1.2, 2.5), 3)
            if rng.random() < 0.5:
                sp["start"], sp["smark"], sp["emark"] = m3(level), "10", "0"
            else:
                sp["end"], sp["smark"], sp["emark"] = m3(level), "0", "10"
            if rng.random() < 0.05:
                sp["smark"] = sp["emark"] = "10"
                tags.append("both-marks")

    # Ground change points.
    cps = []
    if nroutes and rng.random() < 0.6:
        for _ in range(rng.randint(1, 6 if not big else 20)):
            k = rng.randrange(nroutes)
            d = rng.randint(1, max(1, lengths_mm[k] - 1))
            frac = d / lengths_mm[k]
            nxt = route_gls[k + 1] if k + 1 < nroutes else outlet_gl
            ground = route_gls[k] + (nxt - route_gls[k]) * frac + rng.uniform(-1.0, 1.0)
            cover = rng.choice(["", "1.000", "1.200", "1.500", "0.800", "2.000"])
            cps.append([names[k], m3(d / 1000), m3(ground), cover])
        if rng.random() < 0.8:
            cps.sort(key=lambda c: (names.index(c[0]), float(c[1])))
        if chance(0.1, "twin-change-points"):
            cps.append(list(cps[0]))

    manholes = []
    if designed and rng.random() < 0.5:
        for sp in splits:
            manholes.append([sp["label"], "No." + sp["label"], rng.choice(["", "1", "2"]), ""])

    settings = dict(
        min_cover=rng.choice(["1.000", "1.200", "1.200", "0.600", "1.5", "0.800", "1.350"]),
        drop=rng.choice(["0", "0", "20", "30", "10", "15"]),
        hinterland="0",
        digits=["3", "2", "2", "2", "3", "2"],
    )
    if rng.random() < 0.2:
        first_gl = route_gls[0] if route_gls else outlet_gl
        settings["hinterland"] = m3(first_gl - rng.uniform(1.3, 2.5))
        tags.append("hinterland")
    elif rng.random() < 0.05:
        settings["hinterland"] = ""
    if rng.random() < 0.3:
        settings["digits"] = [rng.choice("1234") for _ in range(6)]
        tags.append("digits")

    doc = make_doc(routes, splits, cps, manholes, outlet=outlet_name,
                   outlet_gl=m3(outlet_gl) if rng.random() < 0.8 else str(round(outlet_gl, 1)),
                   project="検証%d" % seed, **settings)
    nasty(rng, doc, tags, codes, box_codes, listed)
    torture(rng, doc, tags, codes)
    corners(rng, doc, tags, codes)
    more_corners(rng, doc, tags, codes)
    return doc, fmt, tags


def nasty(rng, doc, tags, codes, box_codes, listed):
    """Faults and corner values of the kinds users and files produce."""
    t, s = doc.t, doc.s
    nroute = sum(1 for r in range(1, 201) if t[1][r][1])
    nsplit = sum(1 for r in range(1, 1001) if t[2][r][1])
    ncp = sum(1 for r in range(1, 201) if t[4][r][1])

    def chance(p, tag):
        if rng.random() < p:
            tags.append(tag)
            return True
        return False

    if nsplit and chance(0.06, "zero-length"):
        r = rng.randint(1, nsplit)
        t[2][r][2] = rng.choice(["0.000", "0", ""])
    if nsplit and chance(0.05, "blank-length"):
        t[2][rng.randint(1, nsplit)][2] = ""
    if nsplit and chance(0.06, "non-numeric-cell"):
        r = rng.randint(1, nsplit)
        c = rng.choice([2, 3, 5, 6, 7])
        t[2][r][c] = rng.choice(["abc", "１２", "-", ".", "12abc", " 3.5"])
    if nsplit and chance(0.04, "unknown-symbol"):
        t[2][rng.randint(1, nsplit)][4] = "φ999"
    if nsplit and box_codes and chance(0.1, "box-symbol"):
        for r in range(rng.randint(1, nsplit), nsplit + 1):
            if t[2][r][4]:
                t[2][r][4] = rng.choice(box_codes)
    if nsplit and chance(0.03, "blank-symbol"):
        t[2][rng.randint(1, nsplit)][4] = ""
    if nroute and chance(0.03, "count-not-number"):
        t[1][rng.randint(1, nroute)][3] = rng.choice(["abc", "x1"])
    if nroute and listed and chance(0.03, "outlet-count-blank"):
        t[1][nroute][3] = ""
    if nroute > 1 and chance(0.03, "route-length-blank"):
        t[1][rng.randint(1, nroute - 1)][2] = ""
    if nroute > 1 and chance(0.05, "length-mismatch"):
        r = rng.randint(1, nroute - 1)
        t[1][r][2] = "%.3f" % (float(t[1][r][2] or 0) + rng.choice([0.001, 0.1, -0.5]))
    if nroute > 2 and chance(0.03, "blank-route-row"):
        r = rng.randint(2, nroute - 1)
        t[1][r][1:5] = ["", "", "", ""]
    if ncp and chance(0.03, "cp-on-outlet"):
        t[4][rng.randint(1, ncp)][1] = s.outlet_no
    if ncp and chance(0.03, "cp-bad-route"):
        t[4][rng.randint(1, ncp)][1] = "ZZ"
    if ncp and chance(0.03, "cp-zero-distance"):
        t[4][rng.randint(1, ncp)][2] = rng.choice(["0.000", "", "0"])
    if ncp and chance(0.03, "cp-too-far"):
        t[4][rng.randint(1, ncp)][2] = "99999.000"
    if chance(0.02, "outlet-blank"):
        if rng.random() < 0.5:
            s.outlet_no = ""
        else:
            s.outlet_gl = ""
    if chance(0.02, "min-cover-blank"):
        s.min_cover = ""
    if chance(0.02, "drop-blank"):
        s.drop = ""
    if chance(0.05, "odd-digits"):
        s.digits[rng.choice([0, 3, 4, 5])] = rng.choice(["0", "4", "5", ""])
    if chance(0.08, "ties"):
        # Levels and covers that sit on the rounding boundaries of two-decimal settings.
        s.digits = ["2", "2", "2", "2", "2", "2"]
        s.min_cover = rng.choice(["1.205", "1.2005", "1.125", "0.995"])
        for r in range(1, nsplit + 1):
            if t[2][r][3] and rng.random() < 0.3 and t[2][r][3][0] in "0123456789":
                t[2][r][3] = "%.4f" % (float(t[2][r][3] or 0) + 0.0005)
    if nroute and chance(0.02, "split-rows-over-1000"):
        t[1][1][3] = rng.choice(["1001", "999", "1000"])
    if chance(0.02, "split-rows-and-cps-over-1000"):
        if nroute:
            t[1][1][3] = str(rng.choice([990, 995, 1000 - max(ncp, 1)]))
    if nsplit and chance(0.02, "row1-is-outlet"):
        t[2][1][1] = s.outlet_no
    if chance(0.02, "huge-value"):
        where = rng.randrange(5)
        big = rng.choice(["1e39", "-1e39", "3.5e38", "1e300", "1e400"])
        if where == 0 and nsplit:
            t[2][rng.randint(1, nsplit)][rng.choice([2, 3, 5, 6, 7])] = big
        elif where == 1 and nroute:
            t[1][rng.randint(1, nroute)][rng.choice([2, 4])] = big
        elif where == 2 and ncp:
            t[4][rng.randint(1, ncp)][rng.choice([2, 3, 4])] = big
        elif where == 3:
            setattr(s, rng.choice(["min_cover", "drop", "hinterland", "outlet_gl"]),
                    rng.choice(["1e39", "3e38", "-3.4e38", "1e300"]))
        elif nsplit:
            t[2][rng.randint(1, nsplit)][2] = "3e37"
    if nsplit and chance(0.04, "stale-rows"):
        # Rows below the outlet left from an earlier, longer line.
        for k in range(rng.randint(1, 3)):
            r = nsplit + 1 + k
            t[2][r][1:6] = ["OLD%d" % k, "12.000", "9.000", codes[0], "5.000"]


def lenient(rng, text):
    """The same number as a user or an old file may have typed it."""
    try:
        x = float(text)
    except ValueError:
        return text
    return rng.choice([text, " " + text, "+" + text if x >= 0 else text, "%g" % x,
                       text + "m", ("%.1f" % x), "%.4f" % x, "%.3e" % x])


def torture(rng, doc, tags, codes):
    """Lenient number texts and corner values in every kind of cell."""
    t, s = doc.t, doc.s
    nroute = sum(1 for r in range(1, 201) if t[1][r][1])
    nsplit = sum(1 for r in range(1, 1001) if t[2][r][1])
    ncp = sum(1 for r in range(1, 201) if t[4][r][1])

    def chance(p, tag):
        if rng.random() < p:
            tags.append(tag)
            return True
        return False

    if chance(0.1, "lenient-texts"):
        for _ in range(rng.randint(1, 8)):
            kind = rng.randrange(4)
            if kind == 0 and nroute:
                r = rng.randint(1, nroute)
                c = rng.choice([2, 4])
                t[1][r][c] = lenient(rng, t[1][r][c])
            elif kind == 1 and nsplit:
                r = rng.randint(1, nsplit)
                c = rng.choice([2, 3, 5, 6, 7])
                t[2][r][c] = lenient(rng, t[2][r][c])
            elif kind == 2 and ncp:
                r = rng.randint(1, ncp)
                c = rng.choice([2, 3, 4])
                t[4][r][c] = lenient(rng, t[4][r][c])
            else:
                attr = rng.choice(["min_cover", "drop", "hinterland", "outlet_gl"])
                setattr(s, attr, lenient(rng, getattr(s, attr)))
    if nroute and chance(0.04, "odd-count"):
        t[1][rng.randint(1, nroute)][3] = rng.choice(["1.5", "2.5", "0.5", "0", "-1", "1e1",
                                                      "2.0", " 3", "3.49"])
    if nsplit and chance(0.04, "negative-gradient"):
        r = rng.randint(1, nsplit)
        if t[2][r][5]:
            t[2][r][5] = "-" + t[2][r][5]
    if nsplit and chance(0.04, "zero-length-with-pipe"):
        r = rng.randint(1, nsplit)
        if "-" in t[2][r][1] and t[2][r][4]:
            t[2][r][2] = "0.000"
    if ncp and nsplit and chance(0.05, "cp-on-split-point"):
        # A change point exactly where a further split starts.
        r = rng.randint(1, nsplit)
        label = t[2][r][1]
        if "-" in label:
            route = label.rsplit("-", 1)[0]
            acc = 0.0
            for k in range(1, r):
                if t[2][k][1] == route or t[2][k][1].startswith(route + "-"):
                    acc += float(t[2][k][2] or 0)
            t[4][rng.randint(1, ncp)][1:3] = [route, "%.3f" % acc]
    if chance(0.05, "digit-texts"):
        s.digits[rng.randrange(6)] = rng.choice([" 2", "2.0", "02", "3 ", "1.5", "abc", "-1"])
    if chance(0.03, "all-digits-0"):
        s.digits = ["0"] * 6
    if chance(0.03, "all-digits-4"):
        s.digits = ["4"] * 6
    if nsplit > 2 and chance(0.03, "duplicate-stale-label"):
        r = nsplit + 1
        t[2][r][1:6] = [t[2][1][1], "5.000", "9.000", codes[0], "5.000"]
    if nsplit and chance(0.03, "outlet-row-designed"):
        for r in range(1, nsplit + 1):
            if t[2][r][1] == s.outlet_no:
                t[2][r][2:6] = ["12.000", t[2][r][3], codes[0], "5.000"]


def corners(rng, doc, tags, codes):
    """Whole-document corners: nothing but the outlet; a split table filled to the limit of
    the merged work tables with rows left below it."""
    t, s = doc.t, doc.s

    def chance(p, tag):
        if rng.random() < p:
            tags.append(tag)
            return True
        return False

    if chance(0.015, "only-outlet"):
        for r in range(1, 201):
            t[1][r][1:5] = ["", "", "", ""]
            t[4][r][1:5] = ["", "", "", ""]
        for r in range(1, 1001):
            t[2][r][1:10] = [""] * 9
        if rng.random() < 0.5:
            t[1][1][1:5] = [s.outlet_no, "", "1", s.outlet_gl]
        if rng.random() < 0.5:
            t[2][1][1:7] = [s.outlet_no, "", s.outlet_gl, "", "", "9.000"]
    if chance(0.015, "full-with-stale-rows"):
        nroute = sum(1 for r in range(1, 201) if t[1][r][1])
        ncp = sum(1 for r in range(1, 201) if t[4][r][1])
        if nroute >= 2:
            others = sum(int(t[1][r][3]) if t[1][r][3].isdigit() else 1 for r in range(2, nroute))
            first = 1000 - ncp - others - 1 - rng.choice([0, 1, 2])
            if first >= 1:
                t[1][1][3] = str(first)
                total = first + others + 1
                for k in range(rng.randint(1, 3)):
                    if total + 1 + k <= 1000:
                        t[2][total + 1 + k][1:6] = ["OLD%d" % k, "10.000", "9.000", codes[0],
                                                     "5.000"]


def more_corners(rng, doc, tags, codes):
    """Many change points, repeated route numbers, route numbers that read like split
    labels, marks typed in other forms."""
    t, s = doc.t, doc.s
    nroute = sum(1 for r in range(1, 201) if t[1][r][1])
    nsplit = sum(1 for r in range(1, 1001) if t[2][r][1])

    def chance(p, tag):
        if rng.random() < p:
            tags.append(tag)
            return True
        return False

    routes = [r for r in range(1, nroute + 1) if t[1][r][1] != s.outlet_no and t[1][r][2]]
    if routes and chance(0.03, "many-change-points"):
        cps = []
        for _ in range(rng.randint(30, 200)):
            r = rng.choice(routes)
            length = float(t[1][r][2]) if t[1][r][2][:1].isdigit() else 10.0
            d = round(rng.uniform(0.001, max(0.002, length - 0.001)), 3)
            cps.append([t[1][r][1], "%.3f" % d, "%.3f" % rng.uniform(5, 60),
                        rng.choice(["", "1.000", "1.500", "3.000"])])
        if rng.random() < 0.7:
            order = {t[1][r][1]: r for r in routes}
            cps.sort(key=lambda c: (order[c[0]], float(c[1])))
        for r in range(1, 201):
            t[4][r][1:5] = cps[r - 1] if r <= len(cps) else ["", "", "", ""]
    if nroute > 2 and chance(0.02, "repeated-route-number"):
        r = rng.randint(2, nroute - 1)
        if t[1][r][1] != s.outlet_no and t[1][r - 1][1] != s.outlet_no:
            t[1][r][1] = t[1][r - 1][1]
    if nroute > 2 and chance(0.02, "route-like-split-label"):
        r = rng.randint(2, nroute - 1)
        if t[1][r][1] != s.outlet_no:
            t[1][r][1] = t[1][1][1] + "-1"
    if nsplit and chance(0.03, "mark-texts"):
        for _ in range(rng.randint(1, 3)):
            r = rng.randint(1, nsplit)
            t[2][r][rng.choice([11, 12])] = rng.choice(["10.0", " 10", "1e1", "9", ""])
