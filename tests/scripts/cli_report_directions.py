#!/usr/bin/env python3
"""omvera-cli report directions --json against the report worked out independently of the
program: the radix comes from `omvera-cli chart --json`; the increment from the day counts
below, counted by hand on the calendar; the directed values, the listing, the aspect lists with
the report's orb rule and the printed sections are derived here again from the rules of the
directions report.

Usage: cli_report_directions.py BUILD_DIR SOURCE_DIR
"""
import json
import os
import subprocess
import sys
import tempfile

CLI = sys.argv[1] + "/omvera-cli"
CHART = ["--date", "5.3.1980", "--time", "9:05", "--lat", "56.01", "--lon", "92.45"]
# Target dates with their distance from 5 March 1980 in days, counted by hand:
# 5.3.1980 -> 5.3.2021 is 41 years with the ten leap days 1984..2020 (14975 days), then
# 26 + 30 + 31 + 30 + 31 + 17 days to 17 August: 15140 days.
# 5.3.1980 -> 5.3.1962 is 18 years back over the leap days 1964..1980 (5 of them, 29.2.1980
# lies before 5 March): -6575 days, and 5.3.1962 -> 1.3.1962 four more: -6579.
# The birth date itself: 0 days.
TARGETS = [("17.8.2021", 15140, "41.45"), ("1.3.1962", -6579, "-18.01"), ("5.3.1980", 0, "0.00")]
LABELS = ["Солн ", "Луна ", "Мерк ", "Вен  ", "Марс ", "Юпит ", "Сату ", "Уран ", "Непт ",
          "Плут ", "Хирон", "Проз ", "Раху ", "Кету ", "Сел  ", "Лил  "]
HOUSES = ["Асц", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "MC", "XI", "XII"]
NAMES = ["Солнце", "Луна", "Меркурий", "Венера", "Марс", "Юпитер", "Сатурн", "Уран", "Нептун",
         "Плутон", "Хирон", "Прозерпина", "ВУз", "Кету", "Селена", "Лилит"]
TAGS = ["SOL", "SEL", "MER", "VEN", "MARS", "JUP", "SAT", "URAN", "NEP", "PLUT", "HIR", "PROZ",
        "RAHU", "KETU", "SELENA", "LILIT"]
MAJOR = [(0, "[0"), (60, "60"), (72, "72"), (90, "90"), (120, "120"), (180, "180")]
SIXTEEN = [(0, "[0"), (30, "30"), (36, "36"), (40, "40"), (45, "45"), (60, "60"), (72, "72"),
           (80, ",80"), (90, "90"), (100, "100"), (108, "108"), (120, "120"), (135, "135"),
           (144, "144"), (150, "150"), (180, "180")]
failures = []


def run(args):
    out = subprocess.run([CLI] + args, capture_output=True, text=True, check=False)
    if out.returncode != 0:
        failures.append(f"{' '.join(args)}: exit {out.returncode}: {out.stderr}")
        return None
    return json.loads(out.stdout)


def directed(value, inc):
    v = value + inc
    while v > 360:
        v -= 360
    while v < 0:
        v += 360
    return v


def orb(a, b):
    return 2 if 1 in (a, b) else 1.5 if 2 in (a, b) else 1


def lists(radix, cusps, dbodies, dcusps, sixteen):
    lines, keys = [], []
    aspects = SIXTEEN if sixteen else MAJOR

    def scan(a, b, p, q, line, key):
        d = abs(a - b)
        d = 360 - d if d > 180 else d
        for angle, k in aspects:
            o = orb(p, q) if angle in (0, 60, 72, 90, 120, 180) else 1
            if angle - o <= d <= angle + o:
                lines.append(line("%5.1f" % d))
                keys.append(key(k))

    lines += [" ", "Аспекты дирекционных планет к радиксным планетам"]
    for i in range(16):
        for j in range(16):
            scan(radix[i], dbodies[j], i + 1, j + 1,
                 lambda d: f" Дирекцион. {NAMES[j]} {d}  к радиксн. {NAMES[i]}",
                 lambda k: [f"[+{TAGS[j]}]", k, f"[{TAGS[i]}]"])
    lines += [" ", "Аспекты дирекционных планет к радиксным домам"]
    for h in range(12):
        for j in range(16):
            tail = f"  к радиксн. {HOUSES[h]}" if sixteen else f"  к радиксному {HOUSES[h]} дому"
            scan(cusps[h], dbodies[j], h + 1, j + 1,
                 lambda d: f" Дирекцион. {NAMES[j]} {d}{tail}",
                 lambda k: [f"[+{TAGS[j]}]", k, f"[H{h + 1}]"])
    if not sixteen:
        lines += [" ", "Аспекты дирекционных домов к радиксным планетам"]
        for i in range(16):
            for h in range(12):
                scan(radix[i], dcusps[h], i + 1, h + 1,
                     lambda d: f" Дирекцион. {HOUSES[h]} {d}  к радиксной {NAMES[i]}",
                     lambda k: [f"[+H{h + 1}]", k, f"[{TAGS[i]}]"])
    return lines, keys


def sections(text_lines, keys):
    """The printed sections: every header but the last line that carries all strings of a key."""
    out, i = [], 0
    while i < len(text_lines) - 1:
        line = text_lines[i]
        if "[" in line and any(all(part in line for part in k) for k in keys):
            out.append(" ")
            i += 1
            while i < len(text_lines) and "[" not in text_lines[i]:
                out.append(text_lines[i])
                i += 1
            continue
        i += 1
    return out


chart = run(["chart"] + CHART + ["--json"])
with tempfile.TemporaryDirectory() as folder:
    os.makedirs(folder + "/Dann/Direc")
    for target, days, shown in TARGETS:
        for sixteen in (False, True):
            if chart is None:
                break
            inc = days / 365.25
            if "%.2f" % inc != shown:
                failures.append(f"{target}: hand increment {inc} is not {shown}")
            radix, cusps = chart["bodies"], chart["cusps"]
            dbodies = [directed(b, inc) for b in radix]
            dcusps = [directed(c, inc) for c in cusps]
            alines, keys = lists(radix, cusps, dbodies, dcusps, sixteen)
            # The text file: sections for the last and the first key found (so the file order
            # differs from the key order), one header carrying two keys, one no key reaches,
            # an empty line kept, and the closing line.
            text = ["вступление"]
            if keys:
                text += ["".join(keys[-1]), "последний аспект", "", "его вторая строка"]
                text += ["[+SOL]999[SOL]", "недостижимо"]
                text += ["".join(keys[0]) + " " + "".join(keys[len(keys) // 2]), "первый и средний"]
            text += ["[конец"]
            plain = folder + "/Direkc.utf8"
            with open(plain, "w", encoding="utf-8") as f:
                f.write("\n".join(text) + "\n")
            subprocess.run([CLI, "encipher", "--key", "direction", plain,
                            folder + "/Dann/Direc/Direkc.TXT"], check=True)
            args = ["report", "directions"] + CHART + ["--name", "Проба", "--target", target,
                                                       "--folder", folder, "--json"]
            report = run(args + (["--sixteen"] if sixteen else []))
            if report is None:
                continue
            want = ["   Дирекция Проба  на  " + target, "Приращение =   " + "%6.2f" % inc, "   ",
                    "        Радикс     Дирекция", "   "]
            want += [f"{LABELS[n]}  {radix[n]:6.2f}   {dbodies[n]:6.2f}" for n in range(16)]
            want += ["  Дома ", "        Радикс     Дирекция", "   "]
            want += [f"{HOUSES[q]}   {cusps[q]:6.2f}   {dcusps[q]:6.2f}" for q in range(12)]
            want += alines + [" ", " ", " ", "Описание Дирекций гороскопа   Проба", " "]
            want += sections(text, keys)
            name = f"{target}{' --sixteen' if sixteen else ''}"
            got = report["lines"]
            if got != want:
                for n, (g, w) in enumerate(zip(got, want)):
                    if g != w:
                        failures.append(f"{name}: line {n}: got {g!r} want {w!r}")
                        break
                if len(got) != len(want):
                    failures.append(f"{name}: {len(got)} lines, want {len(want)}")
            searches = [(s["file"], s["marker"], s["title"], s["keys"]) for s in report["searches"]]
            if searches != [("Dann\\Direc\\Direkc.TXT", "[", "blank", keys)]:
                failures.append(f"{name}: searches {searches}")
            if target == "5.3.1980" and not sixteen:
                # At the birth date every body is conjunct its own radix place.
                for t in TAGS:
                    if [f"[+{t}]", "[0", f"[{t}]"] not in keys:
                        failures.append(f"{name}: no conjunction of {t} with itself")

for f in failures:
    print("FAIL:", f)
total = len(TARGETS) * 2
print(f"{total} runs, {len(failures)} failures")
sys.exit(1 if failures else 0)
