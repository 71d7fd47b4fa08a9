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
        --benchmark_format=json --benchmark_out="$out/$1.json" >/dev/null ||
        echo "failed: $bin" >&2
}

run engine_bench 'BM_FullChart/0$'
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
            print(f'{b["name"]} ({b.get("label", "")}): {b.get("error_message", "")}',
                  file=sys.stderr)
            continue
        name = b["name"].replace("/real_time", "")
        if b.get("label"):
            name += " (" + b["label"] + ")"
        unit = b.get("time_unit", "ns")
        real = f'{b["real_time"]:.3g} {unit}'
        cpu = f'{b["cpu_time"]:.3g} {unit}'
        rate = b.get("items_per_second")
        rows.append((os.path.basename(path)[:-5], name, real, cpu,
                     f"{rate:,.0f}/s" if rate else ""))
# items per second follow the CPU time, or the real time for the benchmarks that run threads
# of their own (the batch on two threads: its CPU time counts the calling thread only).
print("| program | benchmark | real time | CPU time | items per second |")
print("|---|---|---|---|---|")
for r in rows:
    print("| " + " | ".join(r) + " |")
PY
