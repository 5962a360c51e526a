"""Reference model of the profile calculations: the calculation gate, the split calculation
(span generation and work tables), the ground interpolation, the main profile pass and the
change-point pass, written independently of the editor to check it digit for digit.

Cells are read in single precision (F32); settings typed into fields (minimum cover, manhole
drop, hinterland inflow height, outlet ground level) are doubles; every formula keeps the
promotions of the editor's code, so an operation between two cell values is rounded to
single precision at once.
"""

from docfiles import COMPAT, new_table
from numtext import (F32, val, valf, has_number, fmt3, mask3, round_to_digits, fmt_rounded,
                     whole_number, finite, dbl)

from collections import Counter

CRITICAL, EXCLAMATION = "critical", "exclamation"

# Rule branches reached, for judging how much of the rules the documents exercise.
REACHED = Counter()
CP_SUFFIX = "変"
FLT_MAX = 3.4028234663852886e38


class Stop(Exception):
    """Ends the current command after a message."""


class NonFinite(Exception):
    def __init__(self, caption, row, col):
        super().__init__(caption, row, col)
        self.caption, self.row, self.col = caption, row, col


CAPTIONS = {1: "路線基本データ", 2: "分割データ", 3: "人孔データ", 4: "地盤変化点データ",
            5: "CAD作成ﾃﾞｰﾀ", 6: "CAD作成ﾃﾞｰﾀ", 7: "CAD作成ﾃﾞｰﾀ", 8: "CAD作成ﾃﾞｰﾀ"}
CIRCULAR_CAPTION, BOX_CAPTION = "円形断面", "暗渠(BOX)断面"


class Model:
    def __init__(self, doc):
        self.doc = doc
        self.t = doc.t
        self.s = doc.s
        self.f1, self.f2, self.f3, self.f4 = doc.t[1], doc.t[2], doc.t[3], doc.t[4]
        self.f5, self.f6, self.f7, self.f8 = doc.t[5], doc.t[6], doc.t[7], doc.t[8]

    # -------------------------------------------------------------- helpers

    def msg(self, icon, title, text):
        REACHED["message " + title] += 1
        self.doc.messages.append((icon, title, text))

    def cell(self, tab, r, c):
        """A cell value in single precision; a value that is not finite stops."""
        v = valf(tab[r][c])
        if not finite(v):
            raise NonFinite(self._caption(tab), r, c)
        return v

    def _caption(self, tab):
        for n, t in self.t.items():
            if t is tab:
                return CAPTIONS[n]
        return "?"

    def put(self, tab, r, c, v):
        """A computed value written "0.##0"; None (no rounding result) as ""."""
        if v is None:
            tab[r][c] = ""
            return
        if not finite(v) or abs(dbl(v)) > FLT_MAX:
            raise NonFinite(self._caption(tab), r, c)
        tab[r][c] = fmt3(v)

    def dset(self, text):
        return val(text)

    @property
    def outlet(self):
        return self.s.outlet_no

    def digits(self, name):
        return self.s.digit(name)

    # ------------------------------------------------------- gate and entry

    def run(self):
        """The "縦断計算" command after the format file has been read."""
        s = self.s
        if s.min_cover == "":
            self.msg(EXCLAMATION, "最小土被りエラー", "最小土被りが未入力です。")
            return
        if s.drop == "":
            self.msg(EXCLAMATION, "人孔内の落差エラー", "人孔内の落差が未入力です。")
            return
        if s.hinterland == "":
            s.hinterland = "0"
        if self.f2[1][1] == self.outlet:
            return
        try:
            self.split_calculation()
            self.judancalc()
        except NonFinite as e:
            self.msg(CRITICAL, "データエラー",
                     "数値が大きすぎます（%s　%d行　%d列）。" % (e.caption, e.row, e.col))

    # ------------------------------------------------------- split calculation

    def route_rows(self):
        """Route-table rows up to the first blank route number."""
        rows = []
        for r in range(1, 201):
            if self.f1[r][1] == "":
                break
            rows.append(r)
        return rows

    def cp_rows(self):
        rows = []
        for r in range(1, 201):
            if self.f4[r][1] == "":
                break
            rows.append(r)
        return rows

    def split_calculation(self):
        try:
            self._split_checks()
        except Stop:
            return False
        self.spancalc()
        if self.copyset():
            self.hokan()
        return True

    def _split_checks(self):
        f1, f4 = self.f1, self.f4
        blank_failed = False
        seen_blank = False
        for r in range(1, 201):
            if f1[r][1] == "":
                seen_blank = True
            elif seen_blank:
                self.msg(EXCLAMATION, "データエラー",
                         "データの途中に、空白行があるので計算出来ません。空白行を削除してください。")
                blank_failed = True
                break
        for r in range(1, 201):
            if f4[r][1] == self.outlet:
                self.msg(CRITICAL, "路線番号入力エラー",
                         "流末路線番号 (%d行) は入力できません。\r\nもしくは、有効データが入力されていません。" % r)
                del f4[r]
                f4.append([""] * 5)
                raise Stop
        routes = {f1[r][1] for r in self.route_rows()}
        cps = self.cp_rows()
        for r in cps:
            if f4[r][1] not in routes:
                self.msg(CRITICAL, "路線番号入力エラー",
                         "地盤変化点データの　%d　行目の路線番号は無効です。" % r)
                raise Stop
        for r in cps:
            if f4[r][2] == "":
                f4[r][2] = "0.000"
            if f4[r][3] == "":
                f4[r][3] = "0.000"
            if f4[r][4] == "":
                f4[r][4] = "1.000"
        for r in range(1, 201):
            if f4[r][1] != "" and f4[r][2] == "0.000":
                self.msg(CRITICAL, "距離入力エラー",
                         "地盤変化点データの　%d　行目の距離は ０m 以上にしてください。\r\n"
                         "地盤変化点に人孔がある場合は入力不要です。" % r)
                raise Stop
        for r in cps:
            for q in self.route_rows():
                if f1[q][1] == f4[r][1]:
                    if not (self.cell(f4, r, 2) < self.cell(f1, q, 2)):
                        self.msg(CRITICAL, "距離入力エラー",
                                 "地盤変化点データの　%d　行目の距離を　%sm 未満にしてください。"
                                 % (r, f1[q][2]))
                        raise Stop
        if blank_failed:
            raise Stop
        if self.outlet == "" or self.s.outlet_gl == "":
            self.msg(CRITICAL, "未入力警告", "流末設定が未入力です")
            raise Stop
        self._count_checks()

    def _normalised_rows(self):
        """(row, split count text after normalisation, is outlet) for the rows the span
        generation will use, without writing anything."""
        out = []
        for r in range(1, 201):
            no, cnt = self.f1[r][1], self.f1[r][3]
            if no == self.outlet:
                if has_number(cnt) and val(cnt) > 1:
                    cnt = "1"
                out.append((r, cnt, True))
                return out
            if no == "":
                out.append((r, "1", True))
                return out
            if cnt == "":
                cnt = "1"
            out.append((r, cnt, False))
        return out

    def _count_checks(self):
        total = 0
        plan = self._normalised_rows()
        for r, cnt, _ in plan:
            bad = not has_number(cnt)
            if "count-fills-its-splits" in COMPAT:
                bad = bad or whole_number(cnt) < 1 or val(cnt) < whole_number(cnt)
            if bad:
                self.msg(CRITICAL, "分割数入力エラー",
                         "路線基本データの　%d　行目の分割数が正しくありません。" % r)
                raise Stop
            total += max(0, whole_number(cnt))
        if total > 1000:
            self.msg(CRITICAL, "データエラー", "分割数の合計が1000行を超えるため計算出来ません。")
            raise Stop
        # The merged work tables hold every labelled split row after the generation, rows
        # left below the generated ones included, and every change point.
        labelled = [False] + [self.f2[r][1] != "" for r in range(1, 1001)] + [False]
        row = 0
        for r, cnt, _ in plan:
            count = val(cnt)
            for k in range(1, whole_number(cnt) + 1):
                row += 1
                if k == 1 or count >= k:
                    labelled[row] = True
        nsplit = 0
        while nsplit < 1000 and labelled[nsplit + 1]:
            nsplit += 1
        if nsplit + len(self.cp_rows()) > 1000:
            self.msg(CRITICAL, "データエラー",
                     "分割データと地盤変化点の合計が1000行を超えるため計算出来ません。")
            raise Stop

    def spancalc(self):
        f1, f2, outlet = self.f1, self.f2, self.outlet
        ogl = fmt3(self.dset(self.s.outlet_gl))
        outlet_row = None
        for r in range(1, 201):
            if f1[r][1] == outlet:
                if f1[r][4] == "":
                    f1[r][4] = ogl
                f1[r][2] = ""
                if val(f1[r][3]) > 1:
                    f1[r][3] = "1"
                outlet_row = r
                break
            if f1[r][1] == "":
                f1[r][1] = outlet
            if f1[r][3] == "":
                f1[r][3] = "1"
            if f1[r][4] == "":
                f1[r][4] = ogl
            if f1[r][1] == outlet:
                outlet_row = r
                break
        if outlet_row is not None:
            for r in range(outlet_row + 1, 201):
                for c in range(1, 5):
                    f1[r][c] = ""
        for r in range(1, 1001):
            if f2[r][2] == "":
                break
            if val(f2[r][2]) == 0:
                f2[r][2] = ""
        row = 0
        for r in self.route_rows():
            route = f1[r][1]
            count = val(f1[r][3])
            for k in range(1, whole_number(f1[r][3]) + 1):
                row += 1
                if k == 1:
                    f2[row][1] = route
                    if route != outlet:
                        if f2[row][2] == "":
                            f2[row][2] = mask3(f1[r][2])
                            f2[row][3] = mask3(f1[r][4])
                    else:
                        f2[row][3] = mask3(f1[r][4])
                elif count >= k:
                    f2[row][1] = "%s-%d" % (route, k - 1)
                    if f2[row][2] == "":
                        f2[row][2] = "0.000"
                        f2[row][3] = "0.000"

    def copyset(self):
        """The work tables FGrid8, FGrid7 and FGrid5. False when a route has no length."""
        t = self.t
        for n in (5, 8):
            t[n] = new_table(n)
        self.f5, self.f8 = t[5], t[8]
        try:
            row = self._fgrid8_rows()
        except NonFinite:
            # The rows are written once they are all made: a value too large leaves none.
            t[8] = self.f8 = new_table(8)
            raise
        if row is None:
            return False
        self._sort_rows(self.f8, row, 3)
        self._copyset_rest()
        return True

    def _fgrid8_rows(self):
        """FGrid8's route and change-point rows, unsorted; the number of rows, or None when
        a route has no length (reported; the rows made so far stay)."""
        f1, f4, f8, outlet = self.f1, self.f4, self.f8, self.outlet
        f8[1][3] = "0.000"
        total = F32(0)
        last = 0
        for r in self.route_rows():
            route, length = f1[r][1], f1[r][2]
            if route != outlet and length == "":
                self.msg(CRITICAL, "路線長入力エラー", "路線長 (%d行) を入力してください。" % r)
                return None
            f8[r][1] = route
            if length != "":
                f8[r][2] = length
            f8[r][4] = f1[r][4]
            if length != "":
                total = total + self.cell(f1, r, 2)
                self.put(f8, r + 1, 3, total)
            last = r
        row = last
        for q in self.cp_rows():
            row += 1
            route = f4[q][1]
            f8[row][1] = route + CP_SUFFIX
            f8[row][2] = f4[q][2]
            f8[row][4] = f4[q][3]
            f8[row][7] = f4[q][4]
            base = self._find_label(f8, range(1, last + 1), route, outlet)
            start = self.cell(f8, base, 3) if base else F32(0)
            self.put(f8, row, 3, self.cell(f4, q, 2) + start)
        return row

    def _copyset_rest(self):
        f2, f7, f8, outlet = self.f2, self.f7, self.f8, self.outlet
        w = 1
        while w + 1 <= 1000 and f8[w + 1][3] != "":
            self.put(f8, w, 2, self.cell(f8, w + 1, 3) - self.cell(f8, w, 3))
            w += 1
        u = 1
        while u + 1 <= 1000 and f8[u + 1][4] != "":
            seg = self.cell(f8, u, 2)
            if seg != 0:
                g = (self.cell(f8, u + 1, 4) - self.cell(f8, u, 4)) / seg * 100
                self.put(f8, u + 1, 5, round_to_digits(g, self.digits("gradient")))
            u += 1
        # FGrid7: one row per split row, not cleared.
        f7[1][3] = "0.000"
        total = F32(0)
        for s in range(1, 1001):
            label = f2[s][1]
            if label == "":
                break
            if label == outlet:
                f2[s][2] = ""
                if f2[s][3] == "":
                    f2[s][3] = fmt3(self.dset(self.s.outlet_gl))
            f7[s][1] = label
            if f2[s][2] != "":
                f7[s][2] = f2[s][2]
            if f2[s][3] == "":
                f2[s][3] = "0"
            f7[s][4] = f2[s][3]
            if f2[s][2] != "":
                total = total + self.cell(f2, s, 2)
                if s + 1 <= 1000:
                    self.put(f7, s + 1, 3, total)
        self.build_fgrid5()

    def build_fgrid5(self):
        self.t[5] = new_table(5)
        f5 = self.f5 = self.t[5]
        f4, f7, outlet = self.f4, self.f7, self.outlet
        rows = []
        for s in range(1, 1001):
            if f7[s][1] == "":
                break
            rows.append(["", f7[s][1], f7[s][3], f7[s][4]])
        nsplit = len(rows)
        for q in self.cp_rows():
            route = f4[q][1]
            base = None
            for k in range(nsplit):
                if rows[k][1] == outlet:
                    break
                if rows[k][1] == route:
                    base = k
                    break
            start = valf(rows[base][2]) if base is not None else F32(0)
            d = self.cell(f4, q, 2) + start
            if not finite(d):
                raise NonFinite(CAPTIONS[5], len(rows) + 1, 2)
            rows.append(["", route + CP_SUFFIX, fmt3(d), f4[q][3]])
        rows.sort(key=lambda row: val(row[2]))
        for k, row in enumerate(rows, start=1):
            f5[k][1:4] = row[1:4]

    def _find_label(self, tab, rows, label, stop_label):
        for r in rows:
            if tab[r][1] == stop_label:
                return None
            if tab[r][1] == label:
                return r
        return None

    def _sort_rows(self, tab, last, col):
        data = [tab[r][:] for r in range(1, last + 1)]
        data.sort(key=lambda row: val(row[col]))
        for k, row in enumerate(data, start=1):
            tab[k] = row

    # ----------------------------------------------------------- interpolation

    def hokan(self):
        f1, f2, f7, f8, outlet = self.f1, self.f2, self.f7, self.f8, self.outlet
        for r in range(1, 201):
            if f1[r][1] != "" and f1[r][1] != outlet and f1[r][2] == "":
                return
        if not self.copyset():
            return
        f7, f8 = self.f7, self.f8
        row = 0
        failed = False
        for r in range(1, 201):
            route = f1[r][1]
            if route == outlet or route == "":
                break
            total = F32(0)
            for _ in range(whole_number(f1[r][3])):
                row += 1
                if f2[row][2] == "":
                    f2[row][2] = "0"
                total = total + self.cell(f2, row, 2)
            if fmt3(self.cell(f1, r, 2)) != fmt3(total):
                self.msg(CRITICAL, "路線距離エラー",
                         "路線番号 %s の路線合計が、路線ﾃﾞｰﾀの路線長と合致しません。" % route)
                failed = True
        if failed:
            return
        gdig = self.digits("gradient")
        j = 1
        done = False
        for a in range(2, 1001):
            if f8[a][3] == "" or f7[j][3] == "":
                break
            while self.cell(f8, a, 3) > self.cell(f7, j, 3):
                REACHED["interpolated"] += 1
                delta = self.cell(f7, j, 3) - self.cell(f8, a - 1, 3)
                level = self.cell(f8, a - 1, 4) + self.cell(f8, a, 5) * delta / 100
                self.put(f7, j, 4, round_to_digits(level, gdig))
                j += 1
                if j > 1000 or f7[j][3] == "":
                    done = True
                    break
            if done:
                break
        nsplit = self._first_blank(f2)
        n7 = self._first_blank(f7)
        split_index = {}
        for h in range(1, nsplit):
            split_index.setdefault(f2[h][1], []).append(h)
        for b in range(1, n7):
            for h in split_index.get(f7[b][1], []):
                if val(f2[b][10]) == 10:
                    f7[b][4] = mask3(f2[h][3])
        for c in range(1, nsplit):
            if f7[c][2] == "0.000":
                f7[c][4] = "0.000"
        f7_index = {}
        for m in range(1, n7):
            f7_index.setdefault(f7[m][1], []).append(m)
        for d in range(1, nsplit):
            for m in f7_index.get(f2[d][1], []):
                f2[d][3] = mask3(f7[m][4])
        self.build_fgrid5()

    @staticmethod
    def _first_blank(tab):
        for r in range(1, len(tab)):
            if tab[r][1] == "":
                return r
        return len(tab)

    # ------------------------------------------------------------ profile

    def section(self, symbol):
        """(D, tT, tB, E) of a pipe symbol: circular entries, then box entries; the last match
        wins. None when the symbol matches no entry."""
        fmt = self.doc.fmt
        found = None
        for r in range(1, 101):
            if fmt.circ[r][1] == "":
                break
            if fmt.circ[r][1] == symbol:
                found = (CIRCULAR_CAPTION, fmt.circ, r, (2, 3, 3, 4))
        for r in range(1, 101):
            if fmt.box[r][1] == "":
                break
            if fmt.box[r][1] == symbol:
                found = (BOX_CAPTION, fmt.box, r, (2, 3, 4, 5))
        if found is None:
            return None
        caption, table, r, cols = found
        values = []
        for c in cols:
            v = valf(table[r][c])
            if not finite(v):
                raise NonFinite(caption, r, c)
            values.append(v)
        return tuple(values)

    def code_names(self):
        names = set()
        for table in (self.doc.fmt.circ, self.doc.fmt.box):
            for r in range(1, 101):
                if table[r][1] == "":
                    break
                names.add(table[r][1])
        return names

    def design(self, tab, r, cs, ce, GL0, GL1, L, g, smark, emark, prev, first, sec, Dp):
        """One split designed on tab: start invert in column cs, end invert in ce of row r,
        previous end invert in column ce of row prev. Returns True for a fixed split."""
        D, tT, tB, E = sec
        mc = self.dset(self.s.min_cover)
        drop = self.dset(self.s.drop)
        hl = self.dset(self.s.hinterland)
        idig = self.digits("invert")

        def st():
            return self.cell(tab, r, cs)

        def en():
            return self.cell(tab, r, ce)

        def pe():
            return self.cell(tab, prev, ce)

        def rnd(v):
            return round_to_digits(v, idig)

        s = g / 1000
        sfixed, efixed = val(smark) == 10, val(emark) == 10
        if sfixed or efixed:
            REACHED["fixed"] += 1
            if sfixed:
                self.put(tab, r, ce, rnd(st() - L * g / 1000))
            if efixed:
                self.put(tab, r, cs, rnd(en() + L * g / 1000))
            return True

        def crown_and_cover():
            REACHED["size change"] += 1
            if st() + D > pe() + Dp:
                REACHED["crown"] += 1
                self.put(tab, r, cs, rnd(pe() + Dp - D))
            if mc > GL0 - st() - D - tT:
                REACHED["cover rule"] += 1
                self.put(tab, r, cs, rnd(GL0 - mc - D - tT))

        if (GL0 - GL1) / L >= s:
            REACHED["falling"] += 1
            self.put(tab, r, ce, GL1 - mc - D - tT)
            self.put(tab, r, cs, rnd(en() + L * g / 1000))
            if hl != 0 and hl < st():
                REACHED["hinterland"] += 1
                self.put(tab, r, cs, rnd(hl))
                self.put(tab, r, ce, rnd(st() - L * g / 1000))
            if first:
                return False
            if pe() < st():
                REACHED["drop"] += 1
                self.put(tab, r, cs, rnd(pe() - drop / 1000))
                if Dp != D:
                    crown_and_cover()
                self.put(tab, r, ce, rnd(st() - L * g / 1000))
        else:
            REACHED["rising"] += 1
            self.put(tab, r, cs, rnd(GL0 - mc - D - tT))
            if hl != 0 and hl < st():
                REACHED["hinterland"] += 1
                self.put(tab, r, cs, rnd(hl))
            if not first:
                if pe() < st():
                    REACHED["drop"] += 1
                    self.put(tab, r, cs, rnd(pe() - drop / 1000))
                if Dp != D:
                    crown_and_cover()
            self.put(tab, r, ce, rnd(st() - L * g / 1000))
        return False

    def covers(self, tab, r, cs, ce, GL0, GL1, sec):
        D, tT = sec[0], sec[1]
        cdig = self.digits("cover")
        self.put(tab, r, cs + 2, round_to_digits(GL0 - self.cell(tab, r, cs) - D - tT, cdig))
        self.put(tab, r, cs + 3, round_to_digits(GL1 - self.cell(tab, r, ce) - D - tT, cdig))

    def manhole_row(self, i, sec):
        f2, f3 = self.f2, self.f3
        D, tT, tB, E = sec
        hl = self.dset(self.s.hinterland)
        edig = self.digits("excavation")
        start, end = self.cell(f2, i, 6), self.cell(f2, i, 7)
        GL0, GL1 = self.cell(f2, i, 3), self.cell(f2, i + 1, 3)
        if i == 1:
            if hl != 0:
                self.put(f3, 1, 5, hl - start)
        else:
            self.put(f3, i, 5, self.cell(f2, i - 1, 7) - start)
        upper = F32(dbl(start) - dbl(tB) - dbl(E))
        lower = F32(dbl(end) - dbl(tB) - dbl(E))
        self.put(f3, i, 6, round_to_digits(GL0 - upper, edig))
        self.put(f3, i, 7, round_to_digits(GL1 - lower, edig))

    def manhole_depths(self):
        f2, f3 = self.f2, self.f3
        for r in range(1, 1001):
            label = f2[r][1]
            if label == "":
                break
            f3[r][1] = label
            if f2[r][6] == "":
                break
            if label != self.outlet:
                self.put(f3, r, 8, self.cell(f2, r, 3) - self.cell(f2, r, 6))
            else:
                self.put(f3, r, 8, self.cell(f2, r, 3) - self.cell(f2, r - 1, 7))

    def judancalc(self):
        """The main pass. Whether split row 1 is the outlet was asked before the split
        calculation; the pass itself does not ask again."""
        f2 = self.f2
        names = self.code_names()
        for i in range(1, 1001):
            if f2[i][4] == "":
                break
            if f2[i][4] not in names:
                self.msg(CRITICAL, "管記号エラー",
                         "管記号の　%d　行目のコード名は登録されていません。" % i)
                return
        computed = 0
        Dp = None
        for i in range(1, 1001):
            if f2[i][2] == "" or f2[i][4] == "" or f2[i][5] == "":
                break
            sec = self.section(f2[i][4])
            GL0 = self.cell(f2, i, 3)
            GL1 = self.cell(f2, i + 1, 3)
            L = self.cell(f2, i, 2)
            g = self.cell(f2, i, 5)
            self.design(f2, i, 6, 7, GL0, GL1, L, g, f2[i][11], f2[i][12], i - 1, i == 1, sec, Dp)
            self.covers(f2, i, 6, 7, GL0, GL1, sec)
            self.manhole_row(i, sec)
            Dp = sec[0]
            computed = i
        self.manhole_depths()
        if any(self.f4[r][1] != "" for r in range(1, 201)):
            self.judanhenka(computed)

    # ------------------------------------------------------ change-point pass

    def judanhenka(self, computed):
        f2, f4, f6, outlet = self.f2, self.f4, self.f6, self.outlet
        nsplit = self._first_blank(f2) - 1
        if nsplit + len(self.cp_rows()) > 1000:
            # Split data left from a stopped split calculation with the change points.
            self.msg(CRITICAL, "データエラー",
                     "分割データと地盤変化点の合計が1000行を超えるため計算出来ません。")
            return
        try:
            row, is_cp = self._fgrid6_rows(nsplit)
        except NonFinite:
            # Written once they are all made, like FGrid8.
            self.t[6] = self.f6 = new_table(6)
            raise
        self._judanhenka_rest(nsplit, row, is_cp, computed)

    def _fgrid6_rows(self, nsplit):
        f2, f4, f6, outlet = self.f2, self.f4, self.f6, self.outlet
        for i in range(1, nsplit + 1):
            for src, dst in zip(range(1, 13), (1, 2, 4, 5, 6, 7, 8, 9, 10, 12, 13, 14)):
                f6[i][dst] = f2[i][src]
        if nsplit >= 1:
            f6[1][3] = "0.000"
        for i in range(2, nsplit + 1):
            self.put(f6, i, 3, self.cell(f6, i - 1, 3) + self.cell(f6, i - 1, 2))
        row = nsplit
        is_cp = [False] * 1001
        for q in self.cp_rows():
            row += 1
            route = f4[q][1]
            base = self._find_label(f6, range(1, nsplit + 1), route, outlet)
            start = self.cell(f6, base, 3) if base else F32(0)
            f6[row][1] = route + CP_SUFFIX
            self.put(f6, row, 3, self.cell(f4, q, 2) + start)
            f6[row][4] = mask3(f4[q][3])
            f6[row][11] = mask3(f4[q][4])
            is_cp[row] = True
        return row, is_cp

    def _judanhenka_rest(self, nsplit, row, is_cp, computed):
        f2, f6 = self.f2, self.f6
        order = sorted(range(1, row + 1), key=lambda k: val(f6[k][3]))
        data = [f6[k][:] for k in order]
        flags = [is_cp[k] for k in order]
        for k, row_data in enumerate(data, start=1):
            f6[k] = row_data
            is_cp[k] = flags[k - 1]
        for k in range(1, row):
            self.put(f6, k, 2, self.cell(f6, k + 1, 3) - self.cell(f6, k, 3))
        for k in range(2, row + 1):
            if is_cp[k]:
                if f6[k][5] == "":
                    f6[k][5] = f6[k - 1][5]
                if f6[k][6] == "":
                    f6[k][6] = f6[k - 1][6]
        if f2[2][1] == "":
            return
        # Row map: the k-th split row with a label pairs with the k-th working row with it.
        where = {}
        for k in range(1, row + 1):
            where.setdefault(f6[k][1], []).append(k)
        used = {}
        rmap = [0] * 1101
        for j in range(1, nsplit + 1):
            lab = f2[j][1]
            n = used.get(lab, 0)
            lst = where.get(lab, [])
            rmap[j] = lst[n] if n < len(lst) else 0
            used[lab] = n + 1
        idig = self.digits("invert")
        Dp = None
        for j in range(1, 1001):
            r, n = rmap[j], rmap[j + 1]
            # The rules would take the heading row for a split without a next split; the
            # pass ends there instead.
            if r == 0 or n == 0 or f6[r][2] == "" or f6[r][5] == "" or f6[r][6] == "":
                break
            sec = self.section(f6[r][5])
            if sec is None:
                break
            D, tT = sec[0], sec[1]
            GL0, GL1 = self.cell(f6, r, 4), self.cell(f6, n, 4)
            dr, dn = self.cell(f6, r, 3), self.cell(f6, n, 3)
            L = dn - dr
            g = self.cell(f6, r, 6)
            fixed = self.design(f6, r, 7, 8, GL0, GL1, L, g, f6[r][13], f6[r][14],
                                rmap[j - 1], j == 1, sec, Dp)
            for c in range(r + 1, n):
                dc = self.cell(f6, c, 3)
                self.put(f6, c, 7, round_to_digits(self.cell(f6, r, 7) - (dc - dr) * g / 1000, idig))
                if fixed:
                    REACHED["change point on fixed split"] += 1
                    continue
                inv = self.cell(f6, c, 7)
                req = self.cell(f6, c, 11)
                REACHED["change point in split"] += 1
                if self.cell(f6, c, 4) - inv - D - tT < req:
                    REACHED["change point lowers"] += 1
                    self.put(f6, c, 7, round_to_digits(self.cell(f6, c, 4) - req - D - tT, idig))
                    inv = self.cell(f6, c, 7)
                    self.put(f6, r, 8, round_to_digits(inv - (dn - dc) * g / 1000, idig))
                    self.put(f6, r, 7, round_to_digits(inv + (dc - dr) * g / 1000, idig))
            for c in range(r + 1, n):
                dc = self.cell(f6, c, 3)
                self.put(f6, c, 7, round_to_digits(self.cell(f6, r, 7) - (dc - dr) * g / 1000, idig))
            self.covers(f6, r, 7, 8, GL0, GL1, sec)
            Dp = D
        self._write_back(nsplit, row, computed)

    def _write_back(self, nsplit, nwork, computed):
        f2, f3, f6, f8 = self.f2, self.f3, self.f6, self.f8
        work = {}
        for k in range(1, nwork + 1):
            work.setdefault(f6[k][1], []).append(k)
        used = {}
        for d in range(1, nsplit + 1):
            lab = f2[d][1]
            n = used.get(lab, 0)
            used[lab] = n + 1
            lst = work.get(lab, [])
            if n < len(lst):
                m = lst[n]
                for c in range(6, 10):
                    f2[d][c] = f6[m][c + 1]
        used = {}
        for x in range(1, self._first_blank(f8)):
            lab = f8[x][1]
            n = used.get(lab, 0)
            used[lab] = n + 1
            lst = work.get(lab, [])
            if n < len(lst):
                f8[x][6] = f6[lst[n]][7]
        for i in range(1, computed + 1):
            self.manhole_row(i, self.section(f2[i][4]))
        self.manhole_depths()


def calculate(doc):
    Model(doc).run()
    return doc
