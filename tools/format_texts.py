#!/usr/bin/env python3
"""Lays out the interpretation texts (UTF-8 sources under data/Dann) the one way the text view
shows them well: every paragraph wrapped into lines of at most WIDTH characters (the main
window's text view holds 50 columns at its first size, so nothing wraps a second time), one
empty line between paragraphs, and one empty line closing every section so that the next
title stands apart. Header lines and the lines before the first header are kept as they are.

  format_texts.py [--width 48] [--check] FILE...

--check changes nothing and exits 1 naming every file that is not laid out so.
"""
import argparse
import sys


def wrap(text, width):
    # A dash never starts a line: it travels with the word before it.
    words = []
    for word in text.split():
        if word == "—" and words:
            words[-1] += " —"
        else:
            words.append(word)
    lines, current = [], ""
    for word in words:
        if current and len(current) + 1 + len(word) > width:
            lines.append(current)
            current = word
        else:
            current = f"{current} {word}" if current else word
    if current:
        lines.append(current)
    return lines


def layout(source, marker, width):
    lines = source.replace("\r\n", "\n").replace("\r", "\n").split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    out, body = [], None

    def flush():
        if body is None:
            return
        paragraphs, current = [], []
        for line in body:
            if line.strip():
                current.append(line.strip())
            elif current:
                paragraphs.append(" ".join(current))
                current = []
        if current:
            paragraphs.append(" ".join(current))
        for k, p in enumerate(paragraphs):
            if k:
                out.append("")
            out.extend(wrap(p, width))
        if paragraphs:
            out.append("")

    for line in lines:
        if marker in line:
            flush()
            out.append(line)
            body = []
        elif body is None:
            out.append(line)
        else:
            body.append(line)
    # The closing marker line ends the file; what follows it (nothing, normally) is kept.
    flush()
    return "\n".join(out) + "\n"


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--width", type=int, default=48)
    # Without --marker: "&" when a line starts with it (natal and return files), else "[".
    ap.add_argument("--marker")
    ap.add_argument("--check", action="store_true")
    ap.add_argument("files", nargs="+")
    args = ap.parse_args()
    bad = 0
    for path in args.files:
        with open(path, encoding="utf-8") as f:
            source = f.read()
        marker = args.marker or ("&" if any(l.startswith("&") for l in source.splitlines())
                                 else "[")
        laid = layout(source, marker, args.width)
        if laid == source:
            continue
        if args.check:
            print(f"{path}: not laid out (run tools/format_texts.py on it)")
            bad += 1
        else:
            with open(path, "w", encoding="utf-8") as f:
                f.write(laid)
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
