#!/usr/bin/env python3
"""The name check finds literal column and item numbers in production code and nothing
else: each case is one source line in a scratch tree, with what the check must report."""
import pathlib
import subprocess
import sys
import tempfile

CHECK = pathlib.Path(sys.argv[1])

# (line of C++, the finding expected or None)
CASES = [
    ('auto& s = t.text(r, 3);', 'text(...) with literal column 3'),
    ('t.setText(r, 6, "x");', 'setText(...) with literal column 6'),
    ('p->setColor(r, 2, c);', 'setColor(...) with literal column 2'),
    ('auto& v = t.text(s, atStart ? 8 : 9);', 'text(...) with literal column atStart ? 8 : 9'),
    ('float f = cellFloat(doc, t, r, 4);', 'cellFloat(...) with literal column 4'),
    ('auto& c = p.span(r, 4);', 'span(...) with literal column 4'),
    ('auto& m = manhole(r, 8);', 'manhole(...) with literal column 8'),
    ('auto& v = f.value(7, 3);', 'value(...) with literal format item 7.3'),
    ('auto& v = f.item(12);', 'item(...) with literal format item 12'),
    # Named columns, the label column 0, variables and other calls pass.
    ('auto& s = t.text(r, SplitCol::Ground);', None),
    ('auto& s = t.text(r, 0);', None),
    ('auto& s = t.text(r, c + 1);', None),
    ('auto& v = f.value(g, k);', None),
    ('ui.text(1, 2, 3);', None),  # three arguments: not a cell read
    ('std::string s = "t.text(r, 3)";', None),
    ("char c = '('; auto& s = t.text(r, SplitCol::Ground);", None),
    ('// t.text(r, 3) in a comment', None),
    ('auto u = "http://x"; t.setText(r, 6, u);', 'setText(...) with literal column 6'),
    ('/* t.setText(r, 6, x) */', None),
]


def main():
    failures = 0
    for i, (line, expected) in enumerate(CASES):
        with tempfile.TemporaryDirectory() as root:
            src = pathlib.Path(root) / "zumenko" / f"case{i}.cpp"
            src.parent.mkdir()
            src.write_text("void f() {\n    " + line + "\n}\n", encoding="utf-8")
            run = subprocess.run([sys.executable, str(CHECK), root], capture_output=True,
                                 text=True)
            found = [l for l in run.stdout.splitlines() if l.startswith("zumenko/")]
            want = [f"zumenko/case{i}.cpp:2: {expected}"] if expected else []
            if found != want or run.returncode != (1 if expected else 0):
                failures += 1
                print(f"case {line!r}: expected {want}, got {found} (exit {run.returncode})")
    print(f"{len(CASES) - failures} of {len(CASES)} cases pass")
    return 1 if failures else 0


sys.exit(main())
