"""The profile document of the reference model, its .osa and .osb files and the table dump
that `gesui calc --tables` writes."""

# Data rows and columns (without the heading row and the label column) of every table.
SIZES = {
    1: (200, 4),
    2: (1000, 12),
    3: (1000, 8),
    4: (200, 4),
    5: (1000, 3),
    6: (1000, 14),
    7: (1000, 4),
    8: (1000, 7),
}


# Deviations of the editor from the rules, switched on to confirm that a known
# disagreement is the only one:
#   "blank-digit-start"  an empty digit setting in the file is read as its start value;
#   "count-fills-its-splits"  a split count that rounds (half to even) to no split, or to
#                        more splits than it reaches, is refused like a non-number.
COMPAT = set()

DIGIT_NAMES = ("gradient", "distance", "ground", "cover", "invert", "excavation")


_BLANK_ROWS = {n: [""] * (cols + 1) for n, (rows, cols) in SIZES.items()}


def new_table(n):
    blank = _BLANK_ROWS[n]
    return [blank[:] for _ in range(SIZES[n][0] + 1)]


class Settings:
    def __init__(self):
        self.project = ""
        self.format_field = "ダブルクリックしてください"
        self.outlet_no = ""
        self.outlet_gl = ""
        self.outlet_type = ""
        self.hinterland = "0"
        self.min_cover = ""
        self.drop = "0"
        self.choices = [True, False, True, True]
        self.digits = ["3", "2", "2", "2", "3", "2"]

    def digit(self, name):
        return self.digits[DIGIT_NAMES.index(name)]


class FormatData:
    def __init__(self):
        self.circ = [[""] * 5 for _ in range(101)]
        self.box = [[""] * 6 for _ in range(101)]
        self.mtype = [[""] * 3 for _ in range(101)]
        self.settings = ["0"] * 92  # items 1..91


class Doc:
    def __init__(self):
        self.t = {n: new_table(n) for n in SIZES}
        for r in range(1, 1001):
            for c in (10, 11, 12):
                self.t[2][r][c] = "0"
        self.s = Settings()
        self.fmt = FormatData()
        self.messages = []  # (icon, title, text)


# --------------------------------------------------------------------- records

import re

from numtext import val

# A line whose quoted fields hold no comma or quote splits at every comma.
_SIMPLE = re.compile(r'(?:"[^",]*"|[^",]*)(?:,(?:"[^",]*"|[^",]*))*\Z')

def parse_record(line):
    """Comma-separated fields; a quoted field runs to its closing quote."""
    if _SIMPLE.match(line):
        return [p[1:-1] if p[:1] == '"' else p for p in line.split(",")]
    fields = []
    i, n = 0, len(line)
    while True:
        if i < n and line[i] == '"':
            j = line.find('"', i + 1)
            if j < 0:
                fields.append(line[i + 1:])
                return fields
            fields.append(line[i + 1:j])
            k = line.find(",", j + 1)
            if k < 0:
                return fields
            i = k + 1
        else:
            k = line.find(",", i)
            if k < 0:
                fields.append(line[i:])
                return fields
            fields.append(line[i:k])
            i = k + 1


def q(text):
    return '"' + text + '"'


def tf(b):
    return "#TRUE#" if b else "#FALSE#"


def read_lines(path):
    with open(path, "rb") as f:
        data = f.read()
    return data.decode("cp932").split("\r\n")


def write_lines(path, lines):
    with open(path, "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("cp932"))


# ------------------------------------------------------------------------ .osa

def _quoted(cells):
    return '"' + '","'.join(cells) + '"'


def osa_lines(doc):
    t, s = doc.t, doc.s
    out = []
    for r in range(1, 201):
        out.append("%d,%s" % (r, _quoted(t[1][r][1:5])))
    for r in range(1, 1001):
        out.append('%d,%s,"","","",""' % (r, _quoted(t[2][r][1:10])))
    for r in range(1, 201):
        out.append("%d,%s" % (r, _quoted(t[4][r][1:5])))
    for r in range(1, 1001):
        out.append("%d,%s" % (r, _quoted(t[3][r][1:5])))
    for r in range(1, 1001):
        out.append('%d,%s,"%s","%s"' % (r, t[2][r][10], t[2][r][11], t[2][r][12]))
    out.append(_quoted([s.project, s.format_field, s.outlet_no, s.outlet_gl, s.outlet_type,
                        s.hinterland]))
    out.append(_quoted([s.min_cover, s.drop]))
    out.append(",".join(tf(b) for b in s.choices))
    out.append(_quoted(s.digits))
    out.append('"dammy","dammy","dammy","mirai"')
    return out


def write_osa(doc, path):
    write_lines(path, osa_lines(doc))


def read_osa(path, doc):
    """The open command's reading (the heading routines have cleared the other tables)."""
    lines = read_lines(path)
    t, s = doc.t, doc.s
    pos = 0

    def section(count, table, ncols):
        nonlocal pos
        for k in range(count):
            rec = parse_record(lines[pos + k])
            r = int(rec[0])
            for c in range(1, ncols + 1):
                table[r][c] = rec[c]
        pos += count

    section(200, t[1], 4)
    section(1000, t[2], 9)
    section(200, t[4], 4)
    section(1000, t[3], 4)
    for k in range(1000):
        rec = parse_record(lines[pos + k])
        r = int(rec[0])
        # A mark is fixed (10) or free (0), however the file wrote it.
        t[2][r][10] = "10" if val(rec[1]) == 10 else "0"
        t[2][r][11] = "10" if val(rec[2]) == 10 else "0"
        t[2][r][12] = "10" if val(rec[3]) == 10 else "0"
    pos += 1000
    rec = parse_record(lines[pos])
    (s.project, s.format_field, s.outlet_no, s.outlet_gl, s.outlet_type, s.hinterland) = rec[:6]
    rec = parse_record(lines[pos + 1])
    s.min_cover, s.drop = rec[:2]
    rec = parse_record(lines[pos + 2])
    s.choices = [x == "#TRUE#" for x in rec[:4]]
    rec = parse_record(lines[pos + 3])
    s.digits = rec[:6]
    if "blank-digit-start" in COMPAT:
        s.digits = [d if d != "" else start for d, start in zip(s.digits, Settings().digits)]


# ------------------------------------------------------------------------ .osb

SETTINGS_COUNTS = (3, 3, 2, 7, 7, 6, 8, 8, 9, 8, 5, 5, 10, 10)


def read_osb(path, fmt):
    lines = read_lines(path)
    pos = 0
    for table, ncols in ((fmt.circ, 4), (fmt.box, 5), (fmt.mtype, 2)):
        for k in range(100):
            rec = parse_record(lines[pos + k])
            r = int(rec[0])
            for c in range(1, ncols + 1):
                table[r][c] = rec[c]
        pos += 100
    item = 1
    for count in SETTINGS_COUNTS:
        rec = parse_record(lines[pos])
        pos += 1
        for k in range(count):
            fmt.settings[item] = rec[k] if rec[k] != "" else "0"
            item += 1


def osb_lines(circ, box, mtype=None):
    """A format file with the given section rows (lists of texts) and the standard drawing
    settings."""
    out = []
    for r in range(1, 101):
        row = circ[r - 1] if r <= len(circ) else [""] * 4
        out.append(",".join([str(r)] + [q(x) for x in row]))
    for r in range(1, 101):
        row = box[r - 1] if r <= len(box) else [""] * 5
        out.append(",".join([str(r)] + [q(x) for x in row]))
    mtype = mtype or [["1号", "600"], ["2号", "900"], ["3号", "1200"]]
    for r in range(1, 101):
        row = mtype[r - 1] if r <= len(mtype) else [""] * 2
        out.append(",".join([str(r)] + [q(x) for x in row]))
    out += [
        '"200","150","450"',
        '"200","600","250"',
        '"300","600"',
        '"A1","841","594","10","10","0","20"',
        '"3","5","30","12","20","30","20"',
        '"20","15","1.0","0.5","500","100"',
        '"1","2","3","4","5","6","7","8"',
        '"3.5","1.0","2.5","0.8","2.5","1.0","3.0","1.0"',
        '"2.5","0.8","250","30","帯線","文字","計画管渠","地盤線","枠線"',
        '"50","50","10","6","30","20","10","20"',
        "#TRUE#,#FALSE#,#TRUE#,#FALSE#,#FALSE#",
        "1,0,1,1,1",
        '"20"' + ',"dummy"' * 9,
        ",".join(['"dummy"'] * 10),
    ]
    return out


# ----------------------------------------------------------------------- dump

def dump_tables(doc):
    """Every table FGrid1..FGrid8 as `FGridN<TAB>row<TAB>columns...` for rows with text."""
    out = []
    for n in range(1, 9):
        rows, cols = SIZES[n]
        tab = doc.t[n]
        for r in range(1, rows + 1):
            cells = tab[r][1:cols + 1]
            if any(cells):
                out.append("\t".join(["FGrid%d" % n, str(r)] + cells))
    return out
