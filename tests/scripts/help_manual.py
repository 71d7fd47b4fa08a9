"""The user manual as the build ships it: Windows-1251, every picture and page it links to is
there, every anchor it jumps to exists, and every item of the program's menu is described.
Usage: help_manual.py BUILD_DIR SOURCE_DIR"""
import pathlib
import re
import sys

build, source = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
help_dir = build / "Dann" / "Help"
raw = (help_dir / "Help.htm").read_bytes()
text = raw.decode("cp1251")
failures = []
if "charset=windows-1251" not in text:
    failures.append("Help.htm does not declare its Windows-1251 charset")
if b"\r\n" not in raw or raw.replace(b"\r\n", b"").count(b"\n"):
    failures.append("Help.htm lines are not all CR LF")

anchors = set(re.findall(r'id="([^"]+)"', text))
for target in re.findall(r'(?:src|href)="([^"]+)"', text):
    if target.startswith("#"):
        if target[1:] not in anchors:
            failures.append(f"no anchor {target}")
    elif not (help_dir / target.split("#")[0]).is_file():
        failures.append(f"missing {target}")
if len(re.findall(r'<img src="', text)) < 10:
    failures.append("fewer than ten screenshots")

# Every caption of the menu tree appears in the manual.
registry = (source / "app" / "window_registry.cpp").read_text(encoding="utf-8")
for name, caption in re.findall(r'\{"(N\d+)", "([^"]+)", "[^"]*"\}', registry):
    if caption.strip() not in text:
        failures.append(f"menu item {name} \"{caption}\" is not described")

for f in failures:
    print("FAIL:", f)
sys.exit(1 if failures else 0)
