#!/usr/bin/env python3
"""The files of `gesui sheets` checked by other programs: the PDF by pdfinfo (a page per
sheet, each exactly the format's sheet size) and the DXF by ezdxf (the lines and texts of
every layer, as many as the set's script draws).

  check_sheet_files.py --gesui BIN --examples DIR
"""

import argparse
import collections
import os
import re
import subprocess
import sys
import tempfile

import ezdxf


def script_counts(path):
    """Lines and texts per layer of a command script, as AutoCAD would draw them."""
    counts = collections.Counter()
    layer = "0"
    with open(path, encoding="cp932", newline="") as f:
        for line in f.read().split("\r\n"):
            if line.startswith("_clayer "):
                layer = line[len("_clayer "):]
            elif line.startswith("_line "):
                counts[(layer, "LINE")] += 1
            elif line.startswith("_dtext ") and line.rstrip(" ").count(" ") >= 8:
                counts[(layer, "TEXT")] += 1
    return counts


def dxf_counts(path):
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    if auditor.has_errors:
        raise AssertionError("%s: ezdxf audit: %s" % (path, auditor.errors))
    counts = collections.Counter()
    for e in doc.modelspace():
        counts[(e.dxf.layer, e.dxftype())] += 1
    return counts


def pdf_pages_mm(path):
    out = subprocess.run(["pdfinfo", "-f", "1", "-l", "9999", path], check=True,
                         capture_output=True, text=True).stdout
    sizes = re.findall(r"Page\s+\d+ size:\s+([0-9.]+) x ([0-9.]+) pts", out)
    pages = int(re.search(r"Pages:\s+(\d+)", out).group(1))
    return pages, [(float(w) * 25.4 / 72, float(h) * 25.4 / 72) for w, h in sizes]


def sheet_size_mm(osb):
    """Sheet width and height: values 2 and 3 of the format file's fourth settings line."""
    with open(osb, encoding="cp932", newline="") as f:
        lines = f.read().split("\r\n")
    fields = lines[303].split(",")
    return float(fields[1].strip('"')), float(fields[2].strip('"'))


def run(args, cwd=None):
    r = subprocess.run(args, capture_output=True, text=True, cwd=cwd)
    if r.returncode != 0:
        raise AssertionError("%s: exit %d\n%s%s" % (" ".join(args), r.returncode, r.stdout,
                                                      r.stderr))
    return r.stdout


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--gesui", required=True)
    ap.add_argument("--examples", required=True)
    a = ap.parse_args()
    osb = os.path.join(a.examples, "standard.osb")
    width, height = sheet_size_mm(osb)
    failures = 0
    with tempfile.TemporaryDirectory() as tmp:
        for name in ("long_line", "three_routes"):
            calc = os.path.join(tmp, name)
            run([a.gesui, "run", os.path.join(a.examples, name + ".osa"), osb, "-o", calc])
            for flags in ([], ["--reverse"], ["--pipe-wall", "--no-frame"]):
                label = "%s %s" % (name, " ".join(flags))
                out = os.path.join(tmp, name + "".join(flags))
                printed = run([a.gesui, "sheets", os.path.join(calc, "XTemp.txt"), "-o", out]
                              + flags)
                n = len([l for l in printed.splitlines() if re.match(r"\d+/\d+ ", l)])
                try:
                    pages, sizes = pdf_pages_mm(os.path.join(out, "sheets.pdf"))
                    assert pages == n, "%s: %d pages for %d sheets" % (label, pages, n)
                    for w, h in sizes:
                        assert abs(w - width) < 0.01 and abs(h - height) < 0.01, \
                            "%s: page %.3f x %.3f mm, not %g x %g" % (label, w, h, width, height)
                    for k in range(1, n + 1):
                        for ext in ("txt", "png"):
                            f = os.path.join(out, "sheet%02d.%s" % (k, ext))
                            assert os.path.getsize(f) > 0, f
                    want = script_counts(os.path.join(out, "sheets.txt"))
                    got = dxf_counts(os.path.join(out, "sheets.dxf"))
                    assert got == want, "%s: DXF %s, script %s" % (label, sorted(got.items()),
                                                                   sorted(want.items()))
                    print("ok   %s: %d sheets, %d entities" % (label, n, sum(got.values())))
                except AssertionError as e:
                    failures += 1
                    print("FAIL %s" % e)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
