#!/usr/bin/env python3
"""omvera-cli batch end to end: JSON Lines and CSV input give one line per record in input
order; every chart agrees with `omvera-cli chart --json` and its report with `omvera-cli
report KIND --json`; signs, degrees and aspects are worked out again here from the
longitudes; bad records give error lines with their line numbers while the rest go on; the
output on two threads is the output on one; the exit status tells whether a record failed.

Usage: cli_batch.py BUILD_DIR SOURCE_DIR
"""
import json
import os
import subprocess
import sys
import tempfile

BUILD = sys.argv[1]
CLI = BUILD + "/omvera-cli"
SIGNS = ["Овен", "Телец", "Близнецы", "Рак", "Лев", "Дева", "Весы", "Скорпион", "Стрелец",
         "Козерог", "Водолей", "Рыбы"]
NAMES = ["Солнце", "Луна", "Меркурий", "Венера", "Марс", "Юпитер", "Сатурн", "Уран", "Нептун",
         "Плутон", "Хирон", "Прозерпина", "ВУз", "Кету", "Селена", "Лилит", "Asc", "MC"]
# The orbs of the points the program starts with switched on (bodies 1..7, Asc, MC).
ORBS = {1: 10, 2: 10, 3: 6, 4: 6, 5: 5, 6: 3, 7: 3, 17: 5, 18: 5}
ASPECTS = [0, 60, 90, 120, 180]
failures = []


def batch(args, text):
    return subprocess.run([CLI, "batch"] + args, input=text, capture_output=True, text=True,
                          check=False)


def lines_of(result):
    return [json.loads(line) for line in result.stdout.splitlines()]


def cli_json(args):
    out = subprocess.run([CLI] + args, capture_output=True, text=True, check=False)
    if out.returncode != 0:
        failures.append(f"{' '.join(args)}: exit {out.returncode}: {out.stderr}")
        return None
    return json.loads(out.stdout)


CHARTS = [
    {"date": "15.3.1980", "time": "12:30", "lat": "56.01", "lon": "92.45", "name": "Первая"},
    {"date": "1.1.1880", "time": "0:00", "lat": "-33.52", "lon": "-70.40", "houses": "K"},
    {"date": "31.12.2050", "time": "23:60", "lat": "51.30", "lon": "0.07", "houses": "A"},
    {"date": "29.2.2000", "time": "6:15", "lat": "70.30", "lon": "25.5", "houses": "P"},
    {"date": "7.11.1917", "time": "18:45", "lat": "59.56", "lon": "30.19", "houses": "L"},
    {"date": "4.10.1957", "time": "19:28", "lat": "45.55", "lon": "63.20", "houses": "S"},
]


def close(rounded, exact):
    """Whether the batch's angles are the exact ones rounded to nine decimals."""
    return len(rounded) == len(exact) and all(
        abs(r - x) <= 5e-10 * (1 + 1e-9) + 1e-13 and r == round(x, 9)
        for r, x in zip(rounded, exact))


def chart_args(c):
    args = ["--date", c["date"], "--time", c["time"], "--lat", c["lat"], "--lon", c["lon"]]
    return args + (["--houses", c["houses"]] if "houses" in c else [])


# --- JSON Lines: every chart against omvera-cli chart --json ---------------------------------
text = "".join(json.dumps(c, ensure_ascii=False) + "\n" for c in CHARTS)
result = batch([], text)
if result.returncode != 0:
    failures.append(f"good JSON Lines: exit {result.returncode}: {result.stderr}")
out = lines_of(result)
if [o.get("line") for o in out] != list(range(1, len(CHARTS) + 1)):
    failures.append(f"line numbers {[o.get('line') for o in out]}")
for c, o in zip(CHARTS, out):
    ref = cli_json(["chart"] + chart_args(c) + ["--json"])
    if ref is None:
        continue
    where = f"{c['date']} {c['time']}"
    # Angles are written rounded to nine decimals, chart --json writes them exactly.
    if not close([b["lon"] for b in o["bodies"]], ref["bodies"]):
        failures.append(f"{where}: bodies differ from chart --json")
    if not close([q["lon"] for q in o["cusps"]], ref["cusps"]):
        failures.append(f"{where}: cusps differ from chart --json")
    if o["jd"] != ref["jd"] or o["house_system"] != ref["house_system"]:
        failures.append(f"{where}: jd/house system {o['jd']} {o['house_system']}")
    if o.get("warnings", []) != ref.get("warnings", []):
        failures.append(f"{where}: warnings {o.get('warnings')} want {ref.get('warnings')}")
    if o.get("name") != c.get("name"):
        failures.append(f"{where}: name {o.get('name')}")
    if [b["name"] for b in o["bodies"]] != NAMES[:16]:
        failures.append(f"{where}: body names {[b['name'] for b in o['bodies']]}")
    for item in o["bodies"] + o["cusps"]:
        lon = item["lon"] % 360
        if item["sign"] != SIGNS[int(lon // 30)] or abs(item["degree"] - lon % 30) > 1.001e-9:
            failures.append(f"{where}: {item} has the wrong sign or degree")
    pts = ref["bodies"] + [ref["cusps"][0], ref["cusps"][9]]
    want = []
    for i in range(18):
        for j in range(i + 1, 18):
            if i + 1 not in ORBS or j + 1 not in ORBS:
                continue
            d = abs(pts[i] - pts[j])
            d = 360 - d if d > 180 else d
            orb = (ORBS[i + 1] + ORBS[j + 1]) / 2
            for a in ASPECTS:
                if a - orb < d < a + orb:
                    want.append((NAMES[i], NAMES[j], a, round(abs(d - a), 9)))
    got = [(a["p1"], a["p2"], a["angle"], round(a["orb"], 9)) for a in o["aspects"]]
    if got != want:
        failures.append(f"{where}: aspects {got} want {want}")
# The polar Placidus chart carries its warning.
if "warnings" not in out[3]:
    failures.append("70.30 N Placidus: no warning")

# --- CSV: the same charts, quoting, and the same lines as JSON Lines -------------------------
csv = "date,time,lat,lon,houses,name\n"
for c in CHARTS:
    name = c.get("name", "")
    csv += f"{c['date']},{c['time']},{c['lat']},{c['lon']},{c.get('houses', '')},{name}\n"
csv_out = lines_of(batch(["--format", "csv"], csv))
if [o["bodies"] for o in csv_out] != [o["bodies"] for o in out]:
    failures.append("CSV charts differ from the JSON Lines charts")
if [o["line"] for o in csv_out] != list(range(2, len(CHARTS) + 2)):
    failures.append(f"CSV line numbers {[o['line'] for o in csv_out]}")
quoted = ('name,date,time,lat,lon\n'
          '"Иванов, Пётр ""Старший""",15.3.1980,12:30,56.01,92.45\n'
          '"две\nстроки",15.3.1980,12:30,56.01,92.45\n'
          'после,15.3.1980,12:30,56.01,92.45\n')
q = lines_of(batch(["--format", "csv"], quoted))
if [o.get("name") for o in q] != ['Иванов, Пётр "Старший"', "две\nстроки", "после"]:
    failures.append(f"CSV quoting: names {[o.get('name') for o in q]}")
if [o["line"] for o in q] != [2, 3, 5]:
    failures.append(f"CSV quoting: line numbers {[o['line'] for o in q]}")
bad_header = batch(["--format", "csv"], "date,time,lat,longitude\n1.1.1980,0:00,1,1\n")
if bad_header.returncode != 1 or "longitude" not in bad_header.stderr or bad_header.stdout:
    failures.append(f"bad CSV header: {bad_header.returncode} {bad_header.stderr!r}")

# --- Bad records: an error line each, the batch goes on, exit status 1 ------------------------
bad = "\n".join([
    '{"date": "15.3.1980", "time": "12:30", "lat": "56.01", "lon": "92.45"}',
    '{"date": "32.3.1980", "time": "12:30", "lat": "56.01", "lon": "92.45"}',
    '',
    '{"date": "15.3.1980", "time": "12:30", "lat": "56.01"}',
    'not json',
    '{"date": "15.3.1980", "time": "12:30", "lat": 56.01, "lon": 92.45, "houses": "X"}',
    '{"date": "15.3.1980", "time": "12:30", "lat": 56.01, "lon": 92.45, "colour": "red"}',
    '{"date": "1.1.1881", "time": "1:01", "lat": 56.01, "lon": 92.45, "report": "solar"}',
    '{"date": "15.3.1980", "time": "12:30", "lat": 56.01, "lon": 92.45}',
]) + "\n"
result = batch([], bad)
got = lines_of(result)
if result.returncode != 1:
    failures.append(f"bad records: exit {result.returncode}")
want_lines = [1, 2, 4, 5, 6, 7, 8, 9]
if [o["line"] for o in got] != want_lines:
    failures.append(f"bad records: lines {[o['line'] for o in got]} want {want_lines}")
else:
    errors = {o["line"]: o.get("error", "") for o in got}
    for line, word in ((2, "день"), (4, "lon"), (5, "JSON"), (6, "X"), (7, "colour"),
                       (8, "solar")):
        if word not in errors[line]:
            failures.append(f"bad records: line {line}: {errors[line]!r} lacks {word!r}")
    if errors[1] or errors[9] or got[0]["bodies"] != got[-1]["bodies"]:
        failures.append("bad records: the good ones around them changed")
if batch([], text).returncode != 0:
    failures.append("good records: exit status not 0")

# --- Two threads: the same bytes as one --------------------------------------------------------
many = ""
for i in range(9000):  # more than one block of records
    many += json.dumps({"date": f"{1 + i % 28}.{1 + i % 12}.{1880 + i % 171}",
                        "time": f"{i % 24}:{i % 60}", "lat": f"{(i % 120) - 60}.{i % 60:02d}",
                        "lon": f"{(i % 360) - 180}.{i % 60:02d}", "name": str(i)}) + "\n"
one = batch(["--threads", "1"], many)
two = batch(["--threads", "2"], many)
if one.stdout != two.stdout or one.returncode != two.returncode:
    failures.append("two threads give other output than one")
order = [o["name"] for o in lines_of(two)]
if order != [str(i) for i in range(9000)]:
    failures.append("two threads: records out of order")

# --- Reports: the lines of omvera-cli report KIND, each text read once --------------------------
with tempfile.TemporaryDirectory() as tmp:
    reports = [
        dict(CHARTS[0], report="natal", sex="F"),
        dict(CHARTS[1], report="child", name="Дитя"),
        dict(CHARTS[0], report="natal", sex="F"),
    ]
    # The partner-waiting texts are not shipped with every data folder.
    if os.path.exists(os.path.join(BUILD, "Dann", "Sins", "Wzaimn.txt")):
        reports.append(dict(CHARTS[4], report="waiting", sex="M", name="Ждущий"))
    path = os.path.join(tmp, "charts.jsonl")
    with open(path, "w", encoding="utf-8") as f:
        f.write("".join(json.dumps(c, ensure_ascii=False) + "\n" for c in reports))
    result = subprocess.run([CLI, "batch", path, "--folder", BUILD, "--threads", "2"],
                            capture_output=True, text=True, check=False)
    got = lines_of(result)
    if result.returncode != 0 or len(got) != len(reports):
        failures.append(f"reports: exit {result.returncode}: {result.stderr}")
    else:
        for c, o in zip(reports, got):
            args = ["report", c["report"]] + chart_args(c) + ["--folder", BUILD, "--json"]
            if "name" in c:
                args += ["--name", c["name"]]
            if "sex" in c:
                args += ["--sex", c["sex"]]
            ref = cli_json(args)
            if ref is not None and o.get("report") != ref["lines"]:
                failures.append(f"{c['report']}: report lines differ from omvera-cli report")
            if not o.get("report"):
                failures.append(f"{c['report']}: no report lines")
    # A folder without the texts: an error line for the report, the plain chart still computed.
    nodata = "".join(json.dumps(c) + "\n" for c in [dict(CHARTS[0], report="natal"), CHARTS[1]])
    result = subprocess.run([CLI, "batch", "-", "--folder", tmp], input=nodata,
                            capture_output=True, text=True, check=False)
    got = lines_of(result)
    if result.returncode != 1 or "error" not in got[0] or "bodies" not in got[1]:
        failures.append(f"reports without texts: {result.returncode} {result.stdout[:200]!r}")

# --- The command line itself --------------------------------------------------------------------
for args, status in ((["--format", "xml"], 2), (["--threads", "0"], 2), (["a", "b"], 2),
                     (["/no/such/file"], 1), (["--bogus"], 2), (["--help"], 0)):
    r = batch(args, "")
    if r.returncode != status:
        failures.append(f"batch {' '.join(args)}: exit {r.returncode}, want {status}")

for f in failures:
    print("FAIL:", f)
print(f"{len(failures)} failures")
sys.exit(1 if failures else 0)
