#!/usr/bin/env python3
"""Differential test: seeded random profile documents calculated by `gesui calc` and by the
reference model; tables, messages, exit status and the saved file must agree.

  compare.py --gesui BIN [--examples DIR] [--seeds 1-60,89] [--known known_failures.txt]
             [--compat DEVIATION] [--keep DIR] [--verbose]

A seed in the known-failures file must still differ from the rules and must agree once the
program's deviations named for it are switched on in the model, so the list stays current
and a known difference cannot hide another. --compat switches a deviation on for every
document, for exploring; --keep keeps the documents that disagree.
"""

import argparse
import os
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import docfiles  # noqa: E402
from docfiles import Doc, dump_tables, osa_lines, read_osa, read_osb, write_lines, write_osa  # noqa: E402
from gen_docs import generate  # noqa: E402
from profile_model import CRITICAL, EXCLAMATION, calculate  # noqa: E402


def one_line(text):
    return text.replace("\r\n", " ").replace("\r", " ").replace("\n", " ")


def model_result(osa, osb):
    doc = Doc()
    read_osa(osa, doc)
    read_osb(osb, doc.fmt)
    doc.s.format_field = os.path.basename(osb)
    calculate(doc)
    messages = ["%s: %s" % (title, one_line(text)) for _, title, text in doc.messages]
    status = 1 if any(icon in (CRITICAL, EXCLAMATION) for icon, _, _ in doc.messages) else 0
    return dump_tables(doc), messages, status, doc


def program_result(gesui, osa, osb, workdir):
    tables = os.path.join(workdir, "out.tsv")
    saved = os.path.join(workdir, "out.osa")
    for p in (tables, saved):
        if os.path.exists(p):
            os.remove(p)
    proc = subprocess.run([gesui, "calc", osa, osb, "--tables", tables, "--save", saved],
                          capture_output=True, timeout=60)
    lines = []
    if os.path.exists(tables):
        with open(tables, "rb") as f:
            lines = f.read().decode("utf-8").split("\n")
        if lines and lines[-1] == "":
            lines.pop()
    data = b""
    if os.path.exists(saved):
        with open(saved, "rb") as f:
            data = f.read()
    messages = [m for m in proc.stderr.decode("utf-8", "replace").split("\n") if m]
    return lines, messages, proc.returncode, data


def table_diffs(expected, actual, limit=12):
    """Cell differences between two dumps, as readable lines."""
    def index(lines):
        out = {}
        for line in lines:
            f = line.split("\t")
            out[(f[0], int(f[1]))] = f[2:]
        return out

    e, a = index(expected), index(actual)
    diffs = []
    for key in sorted(set(e) | set(a), key=lambda k: (int(k[0][5:]), k[1])):
        er, ar = e.get(key), a.get(key)
        if er == ar:
            continue
        if er is None or ar is None:
            diffs.append("%s row %d: model %s, program %s" % (key[0], key[1], er, ar))
            continue
        for c in range(max(len(er), len(ar))):
            ev = er[c] if c < len(er) else None
            av = ar[c] if c < len(ar) else None
            if ev != av:
                diffs.append("%s(%d,%d): model %r, program %r" % (key[0], key[1], c + 1, ev, av))
    return diffs[:limit], len(diffs)


def problems_between(expected, actual):
    problems = []
    if expected[1] != actual[1]:
        problems.append("messages: model %s, program %s" % (expected[1], actual[1]))
    if expected[2] != actual[2]:
        problems.append("exit status: model %d, program %d" % (expected[2], actual[2]))
    diffs, total = table_diffs(expected[0], actual[0])
    if total:
        problems.append("%d cells differ:\n      " % total + "\n      ".join(diffs))
    if not total:
        saved = "".join(line + "\r\n" for line in osa_lines(expected[3])).encode("cp932")
        if saved != actual[3]:
            problems.append("saved file differs")
    return problems


def model_with(switches, osa, osb):
    saved = set(docfiles.COMPAT)
    docfiles.COMPAT.clear()
    docfiles.COMPAT.update(switches)
    try:
        return model_result(osa, osb)
    finally:
        docfiles.COMPAT.clear()
        docfiles.COMPAT.update(saved)


def compare_seed(seed, args, workdir, known=None):
    """Problems of one document. For a known failure (a set of switches naming the
    editor's deviations) the result is (still differs under the rules, problems left
    with the deviations switched on)."""
    doc, fmt, tags = generate(seed)
    osa = os.path.join(workdir, "doc%d.osa" % seed)
    write_osa(doc, osa)
    if fmt is None:
        osb = os.path.join(args.examples, "standard.osb")
    else:
        osb = os.path.join(workdir, "fmt%d.osb" % seed)
        write_lines(osb, fmt)
    actual = program_result(args.gesui, osa, osb, workdir)
    problems = problems_between(model_with(args.compat, osa, osb), actual)
    outcome = problems
    if known is not None:
        left = problems_between(model_with(set(args.compat) | known, osa, osb), actual)
        outcome = (bool(problems), left)
    if not (problems if known is None else (not outcome[0] or outcome[1])) and not args.keep:
        os.remove(osa)
        if fmt is not None:
            os.remove(osb)
    return tags, outcome


def parse_seeds(text):
    out = []
    for part in text.split(","):
        if "-" in part:
            a, b = part.split("-")
            out.extend(range(int(a), int(b) + 1))
        elif part:
            out.append(int(part))
    return out


def read_known(path):
    """seed, the deviations that explain its disagreement (comma-separated), a note."""
    known = {}
    if path and os.path.exists(path):
        with open(path, encoding="utf-8") as f:
            for line in f:
                line = line.split("#")[0].strip()
                if line:
                    seed, switches, note = (line.split(None, 2) + ["", ""])[:3]
                    known[int(seed)] = (set(switches.split(",")), note)
    return known


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--gesui", required=True)
    ap.add_argument("--examples", default=os.path.join(HERE, "..", "..", "examples"))
    ap.add_argument("--seeds", default="1-150")
    ap.add_argument("--known", default=os.path.join(HERE, "known_failures.txt"))
    ap.add_argument("--compat", action="append", default=[],
                    help="switch on one of the editor's known deviations for every document")
    ap.add_argument("--keep", help="folder that keeps the documents that disagree")
    ap.add_argument("--verbose", action="store_true")
    args = ap.parse_args()
    known = read_known(args.known)
    seeds = parse_seeds(args.seeds)
    failed = []
    with tempfile.TemporaryDirectory() as tmp:
        workdir = args.keep or tmp
        os.makedirs(workdir, exist_ok=True)
        for seed in seeds:
            if seed in known:
                switches, note = known[seed]
                tags, (differs, left) = compare_seed(seed, args, workdir, switches)
                if not differs:
                    failed.append(seed)
                    print("seed %d is a known failure (%s) but agrees now: remove it from "
                          "the list" % (seed, note))
                elif left:
                    failed.append(seed)
                    print("seed %d [%s] differs beyond its known deviation %s:"
                          % (seed, ", ".join(tags), ",".join(sorted(switches))))
                    for p in left:
                        print("    " + p)
                elif args.verbose:
                    print("seed %d known failure: %s" % (seed, note))
                continue
            tags, problems = compare_seed(seed, args, workdir)
            if problems:
                failed.append(seed)
                print("seed %d [%s]" % (seed, ", ".join(tags)))
                for p in problems:
                    print("    " + p)
            elif args.verbose:
                print("seed %d ok [%s]" % (seed, ", ".join(tags)))
    nknown = len([s for s in seeds if s in known])
    print("%d documents compared (%d of them known failures); %d unexpected results"
          % (len(seeds), nknown, len(failed)))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
