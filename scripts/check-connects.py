#!/usr/bin/python3
"""Fails on a connect() without a context object.

A functor connected without a receiver keeps running after the object it
captures is gone; Qt 6.4 has no QT_NO_CONTEXTLESS_CONNECT to refuse it at
compile time, so the sources are checked here.
Usage: check-connects.py SOURCE_DIR
"""
import pathlib
import re
import sys

SOURCE_DIRS = ("app", "chart", "cli", "controls", "core", "construction", "cutfiles", "templates",
               "bench", "fuzz")
CALL = re.compile(r"(?<![\w.>:])(?:QObject::)?connect\(")


def arguments(text, start):
    """Top-level arguments of the call whose '(' is at text[start - 1]."""
    depth, args, current = 0, [], []
    for i in range(start, len(text)):
        c = text[i]
        if c in "([{":
            depth += 1
        elif c in ")]}":
            if depth == 0:
                args.append("".join(current).strip())
                return args
            depth -= 1
        elif c == "," and depth == 0:
            args.append("".join(current).strip())
            current = []
            continue
        current.append(c)
    return args


def without_comments(text):
    text = re.sub(r"/\*.*?\*/", lambda m: "\n" * m.group(0).count("\n"), text, flags=re.S)
    return re.sub(r"//[^\n]*", "", text)


def offenders(root):
    found = []
    for folder in SOURCE_DIRS:
        for path in sorted((root / folder).rglob("*")):
            if path.suffix not in (".cpp", ".h"):
                continue
            text = without_comments(path.read_text(encoding="utf-8"))
            for match in CALL.finditer(text):
                args = arguments(text, match.end())
                # connect(sender, &Signal, functor): three arguments and no SIGNAL() string.
                if len(args) == 3 and not args[1].startswith("SIGNAL"):
                    line = text.count("\n", 0, match.start()) + 1
                    found.append(f"{path.relative_to(root)}:{line}: connect without a context object")
    return found


def detector_works():
    """The check must be able to fail: try it on a context-less and a sound call."""
    bad = "connect(&t, &QTimer::timeout, [&] { f(a, b); });"
    good = "QObject::connect(&t, &QTimer::timeout, this, [this] { f(); });"
    return (len(arguments(bad, bad.index("(") + 1)) == 3
            and len(arguments(good, good.index("(") + 1)) == 4)


if __name__ == "__main__":
    if not detector_works():
        sys.exit("check-connects: the argument splitter is broken")
    problems = offenders(pathlib.Path(sys.argv[1]))
    print("\n".join(problems) if problems else "every connect has a context object")
    sys.exit(1 if problems else 0)
