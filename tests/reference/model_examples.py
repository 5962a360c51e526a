#!/usr/bin/env python3
"""The reference model on hand-worked profiles, and the same profiles through `gesui calc`.

  model_examples.py [--gesui BIN]

Each case states the numbers a designer works out by hand; the model must give them, and
with --gesui the program must give the model's whole tables for the same files.
"""

import os
import sys
import tempfile
import unittest

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from builder import make_doc, set_format  # noqa: E402
from compare import problems_between, program_result, model_result  # noqa: E402
from docfiles import osb_lines, write_lines, write_osa  # noqa: E402
from numtext import F32, fmt3, round_to_digits, valf  # noqa: E402
from profile_model import calculate  # noqa: E402

GESUI = None
PIPES = [("A", "0.250", "0.025", "0.100"), ("B", "0.300", "0.030", "0.100"),
         ("C", "0.400", "0.035", "0.150")]
BOXES = [("□1000", "1.000", "0.150", "0.200", "0.250")]


def split(label, length, pipe="A", gradient="5.000", **kw):
    return dict(label=label, length=length, pipe=pipe, gradient=gradient, **kw)


class Case(unittest.TestCase):
    """Builds a document, calculates it with the model and, given a program, checks that the
    program's tables, messages and saved file are the model's."""

    def calc(self, routes, splits=(), cps=(), **settings):
        doc = make_doc(routes, splits, cps, **settings)
        set_format(doc, PIPES, BOXES)
        if GESUI:
            with tempfile.TemporaryDirectory() as tmp:
                osa, osb = os.path.join(tmp, "case.osa"), os.path.join(tmp, "case.osb")
                write_osa(doc, osa)
                write_lines(osb, osb_lines([list(p) for p in PIPES], [list(b) for b in BOXES]))
                problems = problems_between(model_result(osa, osb),
                                            program_result(GESUI, osa, osb, tmp))
                self.assertEqual(problems, [], "gesui calc differs from the model")
        calculate(doc)
        return doc

    def cells(self, doc, table, row, cols):
        return [doc.t[table][row][c] for c in cols]

    def titles(self, doc):
        return [title for _, title, _ in doc.messages]


class Rounding(unittest.TestCase):
    def test_half_goes_up_towards_plus_infinity(self):
        self.assertEqual(round_to_digits(2.5, "0"), 3.0)
        self.assertEqual(round_to_digits(-2.5, "0"), -2.0)
        self.assertEqual(round_to_digits(0.125, "2"), 0.13)
        self.assertEqual(round_to_digits(-0.125, "2"), -0.12)
        self.assertEqual(round_to_digits(1.23456, "4"), 1.2346)
        self.assertEqual(round_to_digits(1.23456, "3"), 1.235)

    def test_settings_outside_0_to_4_give_no_value(self):
        for digits in ("5", "", "-1", "abc", "2.5"):
            self.assertIsNone(round_to_digits(1.0, digits), digits)
        self.assertEqual(round_to_digits(1.26, " 1"), 1.3)

    def test_the_product_keeps_the_value_s_precision(self):
        # 2.675 is 2.67499995 in single precision, but its single-precision product with
        # 100 is exactly 267.5, which goes up; the double product stays below the half.
        self.assertEqual(round_to_digits(valf("2.675"), "2"), 2.68)
        self.assertEqual(round_to_digits(float(valf("2.675")), "2"), 2.67)

    def test_masks_round_the_shortest_text_half_away_from_zero(self):
        self.assertEqual(fmt3(1.5), "1.500")
        self.assertEqual(fmt3(-0.0004), "0.000")
        self.assertEqual(fmt3(-0.0005), "-0.001")
        self.assertEqual(fmt3(1.0005), "1.001")  # the double's 15 digits read 1.0005
        self.assertEqual(fmt3(F32(10.1) + F32(10.1) + F32(10.1)), "30.300")


class SplitAndGround(Case):
    def test_split_labels_lengths_and_the_outlet_row(self):
        doc = self.calc([("7", "30.000", "3", "10.000")], outlet="9", outlet_gl="9.500")
        self.assertEqual(self.cells(doc, 1, 2, (1, 2, 3, 4)), ["9", "", "1", "9.500"])
        self.assertEqual([self.cells(doc, 2, r, (1, 2)) for r in (1, 2, 3, 4)],
                         [["7", "30.000"], ["7-1", "0.000"], ["7-2", "0.000"], ["9", ""]])
        # Zero-length splits end with ground level 0.000.
        self.assertEqual(self.cells(doc, 2, 2, (3,)), ["0.000"])

    def test_fgrid8_distances_with_a_change_point_between_routes(self):
        doc = self.calc([("1", "30.000", "1", "10.000"), ("2", "20.000", "1", "10.000"),
                         ("3", "", "1", "10.000")], cps=[("2", "5.000", "10.200", "")])
        self.assertEqual([self.cells(doc, 8, r, (1, 3)) for r in (1, 2, 3, 4)],
                         [["1", "0.000"], ["2", "30.000"], ["2変", "35.000"], ["3", "50.000"]])
        self.assertEqual(self.cells(doc, 4, 1, (4,)), ["1.000"])  # default cover

    def test_interpolated_level_rounded_with_the_gradient_digits(self):
        doc = self.calc([("1", "30.000", "2", "10.000"), ("2", "", "1", "10.500")],
                        [dict(label="1", length="15.000"), dict(label="1-1", length="15.000")])
        self.assertEqual(doc.t[8][2][5], "1.667")
        self.assertEqual(doc.t[2][2][3], "10.250")

    def test_a_change_point_bends_the_ground_line(self):
        doc = self.calc([("1", "30.000", "2", "10.000"), ("2", "", "1", "10.500")],
                        [dict(label="1", length="15.000"), dict(label="1-1", length="15.000")],
                        [("1", "20.000", "12.000", "1.000")])
        self.assertEqual(doc.t[2][2][3], "11.500")
        self.assertEqual(self.cells(doc, 5, 3, (1, 2, 3)), ["1変", "20.000", "12.000"])

    def test_a_typed_ground_level_stands(self):
        doc = self.calc([("1", "30.000", "2", "10.000"), ("2", "", "1", "10.500")],
                        [dict(label="1", length="15.000"),
                         dict(label="1-1", length="15.000", ground="11.111", gmark=10)])
        self.assertEqual(doc.t[2][2][3], "11.111")

    def test_split_lengths_checked_to_the_millimetre(self):
        thirds = [dict(label="1", length="10.100"), dict(label="1-1", length="10.100"),
                  dict(label="1-2", length="10.100")]
        doc = self.calc([("1", "30.300", "3", "10.000"), ("2", "", "1", "10.000")], thirds)
        self.assertEqual(doc.messages, [])
        doc = self.calc([("1", "30.301", "3", "10.000"), ("2", "", "1", "10.000")], thirds)
        self.assertEqual(self.titles(doc), ["路線距離エラー"])

    def test_checks_stop_in_their_order(self):
        doc = self.calc([("1", "30.000", "1", "10.000"), ("2", "", "1", "10.000")],
                        cps=[("9", "5.000", "10.000", "")])
        self.assertEqual(doc.messages[0][2], "地盤変化点データの　1　行目の路線番号は無効です。")
        doc = self.calc([("1", "30.000", "abc", "10.000"), ("2", "", "1", "10.000")])
        self.assertEqual(self.titles(doc), ["分割数入力エラー"])
        doc = self.calc([("1", "30.000", "1001", "10.000"), ("2", "", "1", "10.000")])
        self.assertEqual(self.titles(doc), ["データエラー"])
        doc = self.calc([("1", "30.000", "1", "10.000")], min_cover="")
        self.assertEqual(self.titles(doc), ["最小土被りエラー"])


class Profile(Case):
    def test_flat_ground_designs_from_the_upstream_end(self):
        doc = self.calc([("1", "40.000", "1", "10.000"), ("2", "", "1", "10.000")],
                        [split("1", "40.000")])
        self.assertEqual(self.cells(doc, 2, 1, (6, 7, 8, 9)),
                         ["8.525", "8.325", "1.200", "1.400"])
        # Excavation 10.000 - (8.525 - 0.025 - 0.100); depth 10.000 - 8.525.
        self.assertEqual(self.cells(doc, 3, 1, (6, 7, 8)), ["1.600", "1.800", "1.475"])

    def test_falling_ground_designs_from_the_downstream_end(self):
        doc = self.calc([("1", "40.000", "1", "12.000"), ("2", "", "1", "10.000")],
                        [split("1", "40.000")])
        self.assertEqual(self.cells(doc, 2, 1, (6, 7)), ["8.725", "8.525"])

    def test_a_start_above_the_previous_end_drops_in_the_manhole(self):
        doc = self.calc([("1", "40.000", "1", "10.000"), ("2", "40.000", "1", "10.000"),
                         ("3", "", "1", "10.000")],
                        [split("1", "40.000"), split("2", "40.000")], drop="20")
        self.assertEqual(self.cells(doc, 2, 2, (6, 7)), ["8.305", "8.105"])
        self.assertEqual(doc.t[3][2][5], "0.020")

    def test_a_larger_pipe_joins_crown_to_crown(self):
        doc = self.calc([("1", "40.000", "1", "10.000"), ("2", "40.000", "1", "10.000"),
                         ("3", "", "1", "10.000")],
                        [split("1", "40.000"), split("2", "40.000", pipe="C")])
        # Crowns level: 8.325 + 0.250 - 0.400; the cover rule does not bind.
        self.assertEqual(doc.t[2][2][6], "8.175")

    def test_hinterland_inflow_height_caps_the_first_start(self):
        routes = [("1", "40.000", "1", "10.000"), ("2", "", "1", "10.000")]
        doc = self.calc(routes, [split("1", "40.000")], hinterland="8.000")
        self.assertEqual(self.cells(doc, 2, 1, (6, 7)), ["8.000", "7.800"])
        self.assertEqual(doc.t[3][1][5], "0.000")
        doc = self.calc(routes, [split("1", "40.000")], hinterland="0")
        self.assertEqual(doc.t[2][1][6], "8.525")
        self.assertEqual(doc.t[3][1][5], "")

    def test_typed_inverts_fix_one_end(self):
        routes = [("1", "40.000", "1", "10.000"), ("2", "", "1", "10.000")]
        doc = self.calc(routes, [split("1", "40.000", start="8.000", smark="10")])
        self.assertEqual(self.cells(doc, 2, 1, (6, 7)), ["8.000", "7.800"])
        doc = self.calc(routes, [split("1", "40.000", end="8.000", emark="10")])
        self.assertEqual(self.cells(doc, 2, 1, (6, 7)), ["8.200", "8.000"])

    def test_box_code_names_are_valid_symbols(self):
        doc = self.calc([("1", "40.000", "1", "10.000"), ("2", "", "1", "10.000")],
                        [split("1", "40.000", pipe="□1000")])
        self.assertEqual(doc.messages, [])
        self.assertEqual(doc.t[2][1][6], "7.650")  # 10 - 1.2 - 1.000 - 0.150

    def test_an_unknown_symbol_stops_before_any_split(self):
        doc = self.calc([("1", "40.000", "1", "10.000"), ("2", "40.000", "1", "10.000"),
                         ("3", "", "1", "10.000")],
                        [split("1", "40.000"), split("2", "40.000", pipe="X")])
        self.assertEqual(doc.messages[0][2], "管記号の　2　行目のコード名は登録されていません。")
        self.assertEqual(doc.t[2][1][6], "")


class ChangePoints(Case):
    ROUTES = [("1", "40.000", "1", "10.000"), ("2", "40.000", "1", "10.000"),
              ("3", "", "1", "10.000")]

    def test_too_little_cover_lowers_the_split_and_the_next_follows(self):
        doc = self.calc(self.ROUTES, [split("1", "40.000"), split("2", "40.000")],
                        [("1", "20.000", "9.400", "1.000")])
        self.assertEqual(self.cells(doc, 6, 2, (1, 7)), ["1変", "8.125"])
        self.assertEqual(self.cells(doc, 2, 1, (6, 7)), ["8.225", "8.025"])
        # The next split now starts below the lowered end.
        self.assertEqual(self.cells(doc, 2, 2, (6, 7)), ["8.025", "7.825"])
        self.assertEqual(doc.t[8][2][6], "8.125")
        self.assertEqual(doc.t[3][1][8], "1.775")

    def test_enough_cover_only_places_the_change_point_on_the_pipe(self):
        doc = self.calc(self.ROUTES, [split("1", "40.000"), split("2", "40.000")],
                        [("1", "20.000", "9.900", "1.000")])
        self.assertEqual(doc.t[6][2][7], "8.425")
        self.assertEqual(self.cells(doc, 2, 1, (6, 7)), ["8.525", "8.325"])

    def test_a_typed_invert_is_not_lowered(self):
        doc = self.calc(self.ROUTES,
                        [split("1", "40.000", start="8.525", smark="10"), split("2", "40.000")],
                        [("1", "20.000", "9.400", "1.000")])
        self.assertEqual(self.cells(doc, 2, 1, (6, 7)), ["8.525", "8.325"])
        self.assertEqual(doc.t[6][2][7], "8.425")


if __name__ == "__main__":
    args = sys.argv[1:]
    if "--gesui" in args:
        i = args.index("--gesui")
        GESUI = args[i + 1]
        del args[i:i + 2]
    unittest.main(argv=[sys.argv[0]] + args)
