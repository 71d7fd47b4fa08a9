#!/usr/bin/env python3
"""omvera-cli report partnership|erotic|karmic|waiting --json against lines and keys worked out
here from the positions of `omvera-cli chart --json`, with the rules of the synastry and
partner-waiting reports written again from scratch. The data folder holds bracket files
without sections, so the reports' lines are exactly their own lists and headings.

Usage: cli_report_synastry.py BUILD_DIR SOURCE_DIR
"""
import json
import os
import subprocess
import sys
import tempfile

CLI = sys.argv[1] + "/omvera-cli"
NAMES = ["Солнце", "Луна", "Меркурий", "Венера", "Марс", "Юпитер", "Сатурн", "Уран", "Нептун",
         "Плутон", "Хирон", "Прозерпина", "ВУз", "Кету", "Селена", "Лилит"]
ASPECTS = [(0, ".000."), (60, ".060."), (90, ".090."), (120, ".120."), (180, ".180."),
           (150, ".150.")]
# The planets dialog at start: Sun..Saturn switched on with these orbs.
ORBS = {1: 10, 2: 10, 3: 6, 4: 6, 5: 5, 6: 3, 7: 3}
ON = range(1, 8)
# Aries Mars, Taurus Venus, Gemini Mercury, Cancer Moon, Leo Sun, Virgo Mercury, Libra Venus,
# Scorpio Pluto, Sagittarius Jupiter, Capricorn Saturn, Aquarius Uranus, Pisces Neptune.
RULER = [5, 4, 3, 2, 1, 3, 4, 10, 6, 7, 8, 9]
LABELS = {2: "Луна      ", 4: "Венера    ", 5: "Марс    ", 6: "Юпитер    ", 7: "Сатурн\t  ",
          8: "Уран      ", 9: "Нептун    ", 10: "Плутон    ", 12: "Прозерпина",
          13: "Раху      ", 14: "Кету      ", 17: "Asc      ", 18: "MC        "}

# (my chart, my sex, partner's chart, partner's sex)
PAIRS = [
    (["--date", "5.3.1980", "--time", "9:05", "--lat", "56.01", "--lon", "92.45"], "M",
     ["--date", "17.8.1982", "--time", "21:40", "--lat", "55.45", "--lon", "37.37"], "F"),
    (["--date", "12.2.1899", "--time", "14:30", "--lat", "55.45", "--lon", "37.37",
      "--houses", "A"], "F",
     ["--date", "29.11.2031", "--time", "22:47", "--lat", "-33.55", "--lon", "-70.40",
      "--houses", "A"], "M"),
    # the same birth data twice, two men: the analysis is refused
    (["--date", "1.7.1965", "--time", "0:00", "--lat", "60.00", "--lon", "30.20"], "M",
     ["--date", "1.7.1965", "--time", "0:00", "--lat", "60.00", "--lon", "30.20"], "M"),
]
failures = []
passed = 0


def run(args):
    out = subprocess.run([CLI] + args, capture_output=True, text=True, check=False)
    if out.returncode != 0:
        failures.append(f"{' '.join(args)}: exit {out.returncode}: {out.stderr}")
        return None
    return json.loads(out.stdout)


def sep(x, y):
    d = abs(x - y)
    return 360 - d if d > 180 else d


def code(n):
    return f"{n:02d}"


def sign(lon):
    return int((lon % 360) // 30) + 1


def house(p, c):
    p = p - 360 if p >= 360 else p
    h = 0
    for i in range(12):
        a, b = c[i], c[(i + 1) % 12]
        inside = (a <= p < 360 or 0 <= p < b) if a >= b else (a <= p < b)
        if inside:
            h = i + 1
    return h


def body_aspects(a, b):
    """(i, j, key code, separation) for every included body of a against every one of b."""
    out = []
    for i in ON:
        for j in ON:
            d = sep(a[i - 1], b[j - 1])
            orb = (ORBS[i] + ORBS[j]) / 2
            for angle, k in ASPECTS:
                if angle - orb < d < angle + orb:
                    out.append((i, j, k, d))
    return out


def list_line(i, la, d, j, lb):
    return f"   {NAMES[i - 1]}  ({la:4.1f}) {d:4.1f}  {NAMES[j - 1]} ({lb:4.1f})"


def cusp_keys(bodies, cusps, partner_on_cusps_of_mine):
    keys = []
    for i in (ON if partner_on_cusps_of_mine else range(1, 17)):
        for j in range(1, 13):
            d = sep(cusps[j - 1], bodies[i - 1])
            for angle, k in ASPECTS:
                if angle - 6 < d < angle + 6:
                    keys.append(f"[h{code(j)}{k}{code(i)}]" if partner_on_cusps_of_mine
                                else f"[{code(i)}{k}h{code(j)}]")
    return keys


def title(n1, n2):
    return [" ", " ", f"Описание  гороскопа совместимости {n1} c {n2}", " "]


def partnership(me, partner, file):
    p1, h1, p2, h2 = me["bodies"], me["cusps"], partner["bodies"], partner["cusps"]
    asp = body_aspects(p1, p2)
    k1 = [f"[{code(i)}{k}{code(j)}]" for i, j, k, _ in asp]
    k2 = cusp_keys(p2, h1, True)
    k3 = cusp_keys(p1, h2, False)
    k4 = [f"[h{code(house(p2[b], h1))}.{code(b + 1)}]" for b in range(16)]
    lines = title("Я", "Ты") + [list_line(i, p1[i - 1], d, j, p2[j - 1]) for i, j, _, d in asp]
    lines += [" "] + (["Аспекты между планетами партнеров"] if k1 else []) + [" ", " "]
    lines += (["Аспекты  планет партнера к моим домам радикса "] if k2 else []) + [" ", " ", " "]
    lines += [" "] + (["Аспекты  планет  радикса к домам партнера "] if k3 else []) + [" ", " "]
    lines += ["  ", "  ", "Положение планет партнера в моих домах", " "]
    return lines, [(file, k1), (file, k2), (file, k3), (file, k4)]


def karmic(me, my_sex, partner, partner_sex):
    p1, h1, p2 = me["bodies"], me["cusps"], partner["bodies"]
    lines = title("Я", "Ты")
    searches = []
    if my_sex == partner_sex:
        lines.append("Для анализа синастрии должны быть женщина и мужчина")
    else:
        woman, man = (p2, p1) if my_sex == "M" else (p1, p2)
        asp = body_aspects(woman, man)
        keys = [f"[{code(j)}{k}{code(i)}]" for i, j, k, _ in asp]
        lines += ["Анализ синастрии ", "Женские планеты  аспект        Мужские"]
        lines += [list_line(i, woman[i - 1], d, j, man[j - 1]) for i, j, _, d in asp]
        lines += [" "] + (["Аспекты между планетами партнеров"] if keys else []) + [" "]
        searches.append(("Dann\\Sins\\SinAsp01.txt", keys))
    lines += [" ", "  ", "  "]
    if cusp_keys(p2, h1, True):
        lines.append("Положение планет партнера в моих домах")
    lines.append(" ")
    searches.append(("Dann\\Sins\\SinDom01.txt",
                     [f"[{code(b + 1)}.h{code(house(p2[b], h1))}]" for b in range(16)]))
    return lines, searches


def suns_of_2000(time):
    """The Sun of every scanned day, 3 January .. 31 December 2000, at the natal clock time."""
    days = [31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31]
    suns = []
    for m in range(1, 13):
        for d in range(1, days[m - 1] + 1):
            if m == 1 and d < 3:
                continue
            chart = run(["chart", "--date", f"{d}.{m}.2000", "--time", time, "--lat", "0",
                         "--lon", "0", "--json"])
            suns.append((d, m, chart["bodies"][0]))
    return suns


def waiting(me, sex, suns):
    n, c = me["bodies"], me["cusps"]
    pts = n + [c[0], c[9]]
    bad, good = [], []
    for d, m, sun in suns:
        for j in (5, 7, 8, 9, 10, 12, 14):
            s = sep(pts[j - 1], sun)
            if s <= 3:
                bad.append(f"{d}.{m}    Транзитное  Солнце   {s:6.2f} {LABELS[j]}")
        for j in (2, 4, 6, 13, 17, 18):
            s = sep(pts[j - 1], sun)
            if s <= 3 or 57 <= s <= 63 or 117 <= s <= 123:
                good.append(f"{d}.{m}    Транзитное  Солнце {s:6.2f} {LABELS[j]}")
    lines = [" ", " ", "Ожидание партнера для Я", " ",
             "Не рекомендуется иметь близких отношений  Я",
             " c родившимися в нижеприведенные даты "] + bad
    lines += ["  ", "  ", "Лучше всего для гармоничных близких отношений  Я",
              " c родившимися в нижеприведенные даты "] + good
    lines += [" ", "Положение домов в знаках", "Планеты в знаках", "Планеты  в домах",
              "Управители домов  в домах ", " "]
    unaspected = []
    for j in range(10):
        hit = any(i != j and any(a - 6 <= sep(n[j], n[i]) <= a + 6 for a in (0, 60, 90, 120, 180))
                  for i in range(10))
        unaspected.append("[Аспектирован]" if hit else f"[not.{code(j + 1)}]")
    letter = "М" if sex == "M" else "Ж"
    f = "Dann\\Sins\\Wzaimn.txt"
    searches = [
        (f, unaspected),
        (f, [f"[h{code(k + 1)}.z{code(sign(c[k]))}]" for k in range(12)]),
        (f, [f"[{code(i + 1)}{letter}.z{code(sign(n[i]))}]" for i in range(16)]),
        (f, [f"[h{code(house(n[i], c))}.{code(i + 1)}]" for i in range(16)]),
        (f, [f"[u{code(k + 1)}.h{code(house(n[RULER[sign(c[k]) - 1] - 1], c))}]"
             for k in range(12)]),
    ]
    return lines, searches


def compare(what, report, lines, searches):
    global passed
    if report is None:
        return
    ok = True
    if report["lines"] != lines:
        ok = False
        got = report["lines"]
        for k, (g, w) in enumerate(zip(got, lines)):
            if g != w:
                failures.append(f"{what}: line {k}: got {g!r} want {w!r}")
                break
        if len(got) != len(lines):
            failures.append(f"{what}: {len(got)} lines, want {len(lines)}")
    got = [(s["file"], s["keys"]) for s in report["searches"]]
    if got != searches:
        ok = False
        for g, w in zip(got, searches):
            if g != w:
                failures.append(f"{what}: {g[0]}: got {g[1]} want {w[1]}")
        if len(got) != len(searches):
            failures.append(f"{what}: {len(got)} searches, want {len(searches)}")
    passed += ok


with tempfile.TemporaryDirectory() as folder:
    os.makedirs(os.path.join(folder, "Dann", "Sins"))
    for name in ("SinAsp.txt", "Erot2.txt", "SinAsp01.txt", "SinDom01.txt", "Wzaimn.txt"):
        with open(os.path.join(folder, "Dann", "Sins", name), "wb") as out:
            out.write(b"[end]\r\n")
    common = ["--json", "--folder", folder, "--name", "Я"]
    for mine, my_sex, theirs, their_sex in PAIRS:
        me, partner = run(["chart"] + mine + ["--json"]), run(["chart"] + theirs + ["--json"])
        if me is None or partner is None:
            continue
        partner_args = ["--date2", theirs[1], "--time2", theirs[3], "--lat2", theirs[5],
                        "--lon2", theirs[7], "--name2", "Ты", "--sex2", their_sex]
        for kind, file in (("partnership", "Dann\\Sins\\SinAsp.txt"),
                           ("erotic", "Dann\\Sins\\Erot2.txt")):
            report = run(["report", kind] + mine + ["--sex", my_sex] + partner_args + common)
            compare(f"{kind} {mine[1]}", report, *partnership(me, partner, file))
        report = run(["report", "karmic"] + mine + ["--sex", my_sex] + partner_args + common)
        compare(f"karmic {mine[1]}", report, *karmic(me, my_sex, partner, their_sex))

    # Waiting for a partner: a man with his date lists (the Sun of every day of 2000 from the
    # chart command), and a woman's keys (her sex letter) with the lists left out.
    for mine, sex, lists in ((PAIRS[0][0], "M", True), (PAIRS[1][2], "F", False)):
        me = run(["chart"] + mine + ["--json"])
        report = run(["report", "waiting"] + mine + ["--sex", sex] + common)
        if me is None or report is None:
            continue
        lines, searches = waiting(me, sex, suns_of_2000(mine[3]) if lists else [])
        if not lists:
            report["lines"] = [l for l in report["lines"] if "Транзитное" not in l]
        compare(f"waiting {mine[1]}", report, lines, searches)

    # The partner's options are refused where there is no partner, and needed where there is.
    for args in (["report", "waiting"] + PAIRS[0][0] + ["--date2", "1.1.1990"],
                 ["report", "natal"] + PAIRS[0][0] + ["--sex2", "F"],
                 ["report", "karmic"] + PAIRS[0][0],
                 ["report", "karmic"] + PAIRS[0][0] + ["--date2", "1.1.1990", "--time2", "1:00",
                                                       "--sex2", "X"]):
        out = subprocess.run([CLI] + args + ["--folder", folder], capture_output=True,
                             text=True, check=False)
        if out.returncode != 2 or not out.stderr:
            failures.append(f"{' '.join(args)}: exit {out.returncode}, want 2 with a message")
        else:
            passed += 1

for f in failures:
    print("FAIL:", f)
print(f"{passed} passed, {len(failures)} failed")
sys.exit(1 if failures else 0)
