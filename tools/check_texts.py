#!/usr/bin/env python3
"""Content check of the interpretation texts (the UTF-8 sources under data/Dann).

For every family listed in data/texts/families.txt whose files exist (or every family marked
complete, whose files must exist) it checks:
  - characters: only what Windows-1251 holds, lines of at most 250 characters, no section
    marker inside body text;
  - length: the minimum number of words of each section (rules per file below);
  - templates: within one file no two sections whose word 3-grams overlap by more than a third
    (shared 3-grams / 3-grams of the smaller section);
  - repetition: no sentence of eight words or more in two sections of one family;
  - spelling: hunspell with the Russian dictionary, unknown words only from the accepted
    lists in data/texts/accepted/*.txt (skipped with a note when hunspell is not installed,
    unless --require-hunspell is given).
Exit status 1 when anything fails, with file:line for each finding.

  check_texts.py [--data DIR] [--family NAME ...] [--file PATH ...] [--require-hunspell]
  check_texts.py --family NAME --part FILE   (a file being written, checked as one more file
                                              of the family: its sentences against the
                                              family's files, everything else on its own)
"""
import argparse
import collections
import os
import re
import shutil
import subprocess
import sys

SMALL_BODIES = ("Хирон", "Прозерпина", "ВУз", "ВУЗ", "Кету", "Селена", "Лилит")
WORD = re.compile(r"[A-Za-zА-Яа-яЁё]+(?:-[A-Za-zА-Яа-яЁё]+)*")


def read_families(data):
    families, complete = {}, set()
    with open(os.path.join(data, "texts", "families.txt"), encoding="utf-8") as f:
        for raw in f:
            line = raw.split("#", 1)[0].strip()
            if not line:
                continue
            head, _, rest = line.partition(":")
            words = head.split()
            name = words[-1]
            if words[0] == "complete":
                complete.add(name)
            marker, *files = rest.split()
            families[name] = (marker, files)
    return families, complete


class Section:
    def __init__(self, path, header, line):
        self.path, self.header, self.line = path, header, line
        self.body = []  # (line number, text)

    def text(self):
        return " ".join(t for _, t in self.body)

    def words(self):
        return WORD.findall(self.text().lower())


def read_sections(path, marker):
    sections, current, problems = [], None, []
    with open(path, encoding="utf-8") as f:
        lines = f.read().replace("\r\n", "\n").replace("\r", "\n").split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    for n, line in enumerate(lines, 1):
        try:
            line.encode("cp1251")
        except UnicodeEncodeError as e:
            problems.append(f"{path}:{n}: character {line[e.start]!r} is not in Windows-1251")
        if len(line) > 250:
            problems.append(f"{path}:{n}: line of {len(line)} characters (at most 250)")
        if marker in line:
            if current:
                sections.append(current)
            current = Section(path, line, n)
        elif current:
            current.body.append((n, line))
    # The file's last line closes the last section and is never a header.
    if current and current.line != len(lines):
        sections.append(current)
    return sections, problems


def min_words(path, header, marker="&"):
    if marker == "[":
        # Transit, directions and synastry sections: many of them stand in one report.
        return 30
    base = os.path.basename(path).lower()
    if base in ("hozzod.txt", "hozdom.txt"):
        return 30
    if base.startswith(("domdom", "planplan")):
        return 40
    if base.startswith("pldom") and base != "pldoma.txt":
        small = ("ХИРОН", "ПРОЗЕРПИНА", "ВУз", "Кету", "Селена", "Лилит")
        return 30 if any(b in header for b in small) else 50
    if any(b in header for b in SMALL_BODIES):
        return 30
    return 60


def trigrams(words):
    return {tuple(words[i:i + 3]) for i in range(len(words) - 2)}


def check_templates(sections):
    problems = []
    grams = [trigrams(s.words()) for s in sections]
    index = collections.defaultdict(list)
    for k, g in enumerate(grams):
        for t in g:
            index[t].append(k)
    for k, g in enumerate(grams):
        shared = collections.Counter()
        for t in g:
            for other in index[t]:
                if other > k:
                    shared[other] += 1
        for other, count in shared.items():
            smaller = min(len(g), len(grams[other])) or 1
            if count / smaller > 1 / 3:
                a, b = sections[k], sections[other]
                problems.append(f"{a.path}:{a.line}: section «{a.header}» shares {count} of "
                                f"{smaller} word 3-grams with «{b.header}» (line {b.line})")
    return problems


SENTENCE_END = re.compile(r"(?<=[.!?…])\s+")


def check_sentences(sections):
    seen, problems = {}, []
    for s in sections:
        for sentence in SENTENCE_END.split(s.text()):
            words = WORD.findall(sentence.lower())
            if len(words) < 8:
                continue
            key = " ".join(words)
            if key in seen and seen[key] is not s:
                o = seen[key]
                problems.append(f"{s.path}:{s.line}: sentence «{sentence.strip()[:80]}» also in "
                                f"«{o.header}» ({o.path}:{o.line})")
            else:
                seen.setdefault(key, s)
    return problems


def accepted_words(data):
    words = set()
    folder = os.path.join(data, "texts", "accepted")
    if os.path.isdir(folder):
        for name in sorted(os.listdir(folder)):
            if name.endswith(".txt"):
                with open(os.path.join(folder, name), encoding="utf-8") as f:
                    for line in f:
                        w = line.split("#", 1)[0].strip()
                        if w:
                            words.add(w)
    return words


def check_spelling(sections, accepted):
    lines = [(s.path, n, t) for s in sections for n, t in s.body]
    text = "\n".join(t for _, _, t in lines) + "\n"
    out = subprocess.run(["hunspell", "-d", "ru_RU", "-i", "utf-8", "-l"], input=text, capture_output=True,
                         text=True, check=False)
    if out.returncode != 0:
        return [f"hunspell failed: {out.stderr.strip()}"]
    # -l lists the unknown words; their places are found again line by line.
    unknown = {w for w in out.stdout.split() if w not in accepted and w.lower() not in accepted}
    problems = []
    for path, n, t in lines:
        for w in WORD.findall(t):
            if w in unknown:
                problems.append(f"{path}:{n}: unknown word «{w}»")
    return problems


def check_file(path, marker):
    """The checks of one file on its own: characters, line lengths, markers in body text,
    section lengths and templated sections. Returns its sections and the problems."""
    sections, problems = read_sections(path, marker)
    for s in sections:
        for n, t in s.body:
            if marker in t:
                problems.append(f"{path}:{n}: section marker in body text")
        need = min_words(path, s.header, marker)
        got = len(s.words())
        if got < need:
            problems.append(f"{path}:{s.line}: «{s.header}» has {got} words (at least {need})")
    problems += check_templates(sections)
    return sections, problems


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--data", default=os.path.join(os.path.dirname(__file__), "..", "data"))
    ap.add_argument("--family", action="append", default=[])
    ap.add_argument("--file", action="append", default=[], help="check one file (relative to Dann)")
    ap.add_argument("--part", help="a file being written, checked as one more file of --family")
    ap.add_argument("--require-hunspell", action="store_true")
    args = ap.parse_args()

    families, complete = read_families(args.data)
    have_hunspell = shutil.which("hunspell") is not None
    if not have_hunspell and args.require_hunspell:
        print("hunspell is not installed (Debian packages hunspell, hunspell-ru)")
        return 1
    accepted = accepted_words(args.data)
    problems, checked = [], 0
    for name, (marker, files) in families.items():
        if args.family and name not in args.family:
            continue
        family_sections = []
        if args.part:
            sections, found = check_file(args.part, marker)
            problems += found
            others = []
            for rel in files:
                path = os.path.join(args.data, "Dann", rel)
                if os.path.exists(path):
                    others += read_sections(path, marker)[0]
            problems += [p for p in check_sentences(others + sections)
                         if p.startswith(args.part)]
            if have_hunspell:
                own = os.path.splitext(args.part)[0] + ".accepted.txt"
                mine = set(accepted)
                if os.path.exists(own):
                    with open(own, encoding="utf-8") as f:
                        mine |= {w.strip() for w in f if w.strip()}
                problems += check_spelling(sections, mine)
            checked += 1
            continue
        for rel in files:
            if args.file and rel not in args.file:
                continue
            path = os.path.join(args.data, "Dann", rel)
            if not os.path.exists(path):
                if name in complete:
                    problems.append(f"{path}: missing file of the complete family {name}")
                continue
            sections, found = check_file(path, marker)
            problems += found
            family_sections += sections
            checked += 1
        problems += check_sentences(family_sections)
        if have_hunspell and family_sections:
            problems += check_spelling(family_sections, accepted)
    for p in problems:
        print(p)
    note = "" if have_hunspell else " (spelling not checked: no hunspell)"
    print(f"{checked} files checked, {len(problems)} problems{note}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
