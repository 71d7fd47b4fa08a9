#!/usr/bin/env bash
# Runs the Google Benchmark programs behind the README's table of figures and prints that
# table (Markdown). Usage: tools/run-benchmarks.sh [BUILD_DIR]   (default: build)
# The build should be RelWithDebInfo or Release, with the data folder assembled (the
# report benchmarks read the shipped texts from BUILD_DIR/Dann).
set -euo pipefail
build="${1:-build}"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"

run() { # NAME [FILTER]
    local bin="$build/bench/$1"
    if [[ ! -x "$bin" ]]; then
        echo "skipped: $bin was not built" >&2
        return
    fi
    "$bin" --benchmark_filter="${2:-.}" --benchmark_min_time=0.5 \
        --benchmark_format=json --benchmark_out="$out/$1.json" >/dev/null
}

run engine_bench 'BM_FullChart/2$'
run batch_bench
run wheel_bench
run report_kinds_bench
run calendar_bench 'BM_TransitTableOneYear'
run startup_bench

python3 - "$out" <<'PY'
import glob, json, os, sys

rows = []
for path in sorted(glob.glob(os.path.join(sys.argv[1], "*.json"))):
    data = json.load(open(path))
    for b in data["benchmarks"]:
        if b.get("error_occurred"):
            continue
        name = b["name"].replace("/real_time", "")
        if b.get("label"):
            name += " (" + b["label"] + ")"
        unit = b.get("time_unit", "ns")
        per = f'{b["real_time"]:.3g} {unit}'
        rate = b.get("items_per_second")
        rows.append((os.path.basename(path)[:-5], name, per,
                     f"{rate:,.0f}/s" if rate else ""))
print(f"| program | benchmark | time per iteration | items per second |")
print("|---|---|---|---|")
for r in rows:
    print("| " + " | ".join(r) + " |")
PY
