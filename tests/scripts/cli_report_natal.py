#!/usr/bin/env python3
"""omvera-cli report natal|child --json against keys worked out independently of the program's
key builders: the positions come from `omvera-cli chart --json`, the signs, houses, rulers and
aspects are derived here from the rules of the natal report, written again from scratch.

Usage: cli_report_natal.py BUILD_DIR SOURCE_DIR
"""
import json
import subprocess
import sys

CLI = sys.argv[1] + "/omvera-cli"
NAMES = ["Солнце", "Луна", "Меркурий", "Венера", "Марс", "Юпитер", "Сатурн", "Уран", "Нептун",
         "Плутон", "Хирон", "Прозерпина", "ВУз", "Кету", "Селена", "Лилит", "Asc", "MC"]
SIGNS = ["Овне", "Тельце", "Близнецах", "Раке", "Льве", "Деве", "Весах", "Скорпионе",
         "Стрельце", "Козероге", "Водолее", "Рыбах"]
# Aries Mars, Taurus Venus, Gemini Mercury, Cancer Moon, Leo Sun, Virgo Mercury, Libra Venus,
# Scorpio Pluto, Sagittarius Jupiter, Capricorn Saturn, Aquarius Uranus, Pisces Neptune.
RULER = [5, 4, 3, 2, 1, 3, 4, 10, 6, 7, 8, 9]
# After "Взрослый" the aspect lines have read the orbs of the points switched on at start
# (Sun..Saturn, Asc, MC); the others were never read and stay 0.
ORBS = {1: 10, 2: 10, 3: 6, 4: 6, 5: 5, 6: 3, 7: 3, 17: 5, 18: 5}
CHARTS = [
    # an ordinary chart
    ["--date", "5.3.1980", "--time", "9:05", "--lat", "56.01", "--lon", "92.45"],
    # born before March 1900 (the Julian-day century day)
    ["--date", "12.2.1899", "--time", "14:30", "--lat", "55.45", "--lon", "37.37"],
    # above 64 degrees north, Koch houses
    ["--date", "10.7.1975", "--time", "3:10", "--lat", "67.34", "--lon", "33.24", "--houses", "K"],
    # southern hemisphere, equal houses from the Ascendant
    ["--date", "29.11.2031", "--time", "22:47", "--lat", "-33.55", "--lon", "-70.40",
     "--houses", "A"],
]
failures = []


def run(args):
    out = subprocess.run([CLI] + args, capture_output=True, text=True, check=False)
    if out.returncode != 0:
        failures.append(f"{' '.join(args)}: exit {out.returncode}: {out.stderr}")
        return None
    return json.loads(out.stdout)


def sign(lon):
    return SIGNS[int(lon // 30) % 12]


def house(p, c):
    h = 0
    for i in range(12):
        a, b = c[i], c[(i + 1) % 12]
        inside = (a <= p < 360 or 0 <= p < b) if a >= b else (a <= p < b)
        if inside:
            h = i + 1
    return h


def expected(chart, child):
    bodies, cusps = chart["bodies"], chart["cusps"]
    pts = bodies + [cusps[0], cusps[9]]
    searches = []
    radix = "Dann\\Radix\\" + ("Kinder\\KinderPlZn.txt" if child else "PLZODIAC.txt")
    searches.append((radix, [[NAMES[i], sign(pts[i])] for i in range(18)]))
    if not child:
        searches.append(("Dann\\Radix\\PLDoma.txt",
                         [[NAMES[i], f" {house(pts[i], cusps)} "] for i in range(18)]))
    searches.append(("Dann\\Radix\\" + ("Kinder\\KinderAsc.txt" if child else "DomZod.txt"),
                     [[f"&{h + 1} ", sign(cusps[h])] for h in range(12)]))
    if not child:
        rulers = [RULER[int(cusps[h] // 30) % 12] for h in range(12)]
        searches.append(("Dann\\Radix\\Hozzod.txt",
                         [[f" {h + 1} ", sign(bodies[rulers[h] - 1])] for h in range(12)]))
        searches.append(("Dann\\Radix\\HozDom.txt",
                         [["&", f" {h + 1} ", f" {house(bodies[rulers[h] - 1], cusps)}: "]
                          for h in range(12)]))
    names = NAMES[:12] + ["ВУЗ"] + NAMES[13:]
    aspects = []
    for i in range(18):
        for j in range(i + 1, 18):
            d = abs(pts[i] - pts[j])
            d = 360 - d if d > 180 else d
            orb = (ORBS.get(i + 1, 0) + ORBS.get(j + 1, 0)) / 2
            for angle, key in ((0, " 0"), (60, "60"), (90, "90"), (120, "120"), (180, "180")):
                if angle - orb < d < angle + orb:
                    aspects.append([names[i], key, names[j]])
    searches.append(("Dann\\Radix\\" + ("Kinder\\KinderAspect.txt" if child else "aspec.txt"),
                     aspects))
    return searches


for args in CHARTS:
    chart = run(["chart"] + args + ["--json"])
    if chart is None:
        continue
    for kind in ("natal", "child"):
        report = run(["report", kind] + args + ["--name", "Проба", "--json", "--folder", sys.argv[1]])
        if report is None:
            continue
        got = [(s["file"], s["keys"]) for s in report["searches"]]
        want = expected(chart, kind == "child")
        if got != want:
            for g, w in zip(got, want):
                if g != w:
                    failures.append(f"{kind} {' '.join(args)}: {g[0]}: got {g[1]} want {w[1]}")
            if len(got) != len(want):
                failures.append(f"{kind}: {len(got)} searches, want {len(want)}")
        lines = report["lines"]
        if lines[:2] != ["Описание карты гороскопа   Проба", "  "]:
            failures.append(f"{kind}: heading {lines[:2]}")
        for title in ("Положение Планет в знаках зодиака", "Положение Домов в знаках зодиака",
                      "Аспекты планет показывают"):
            if title not in lines:
                failures.append(f"{kind}: no title {title}")
        adult_only = ("Положение Планет в домах", "Хозяева домов гороскопа в домах",
                      "Положение Хозяев Домов в знаках зодиака", "Положение Хозяев домов в домах")
        for title in adult_only:
            if (title in lines) == (kind == "child"):
                failures.append(f"{kind}: title {title} {'present' if kind == 'child' else 'absent'}")

for f in failures:
    print("FAIL:", f)
print(f"{len(CHARTS) * 2 - len(failures)} passed, {len(failures)} failed" if failures else
      f"{len(CHARTS) * 2} passed, 0 failed")
sys.exit(1 if failures else 0)
