#!/usr/bin/env bash
# The benchmark's smoke run must produce its whole table: four workloads, every tool, and a
# number in every cell. Timings are not judged here.
set -euo pipefail
if [[ -z "${ORVANE_SLOW_TESTS:-}" ]]; then
    echo "skipped: slow, and the benchmark's own runs show a broken table; ORVANE_SLOW_TESTS=1 runs it"
    exit 77
fi
cli="$1"
root="$(cd "$(dirname "$0")/../.." && pwd)"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
out="$(BENCH_SCRATCH="$scratch/bench" "$root/bench/run" --quick --cli "$cli" 2>/dev/null)"
echo "$out"
rows=$(grep -cE '^\| \([abcd]\) [^|]+ \| (orvane-cli|orvane-cli --direct|cp -a|rsync -a) \| [0-9.]+ \| [0-9.]+ \| ([0-9.]+|-) \| ([0-9.]+|-) \| [0-9.]+ \| [0-9.]+ \| [0-9.]+ \|$' <<<"$out")
if [[ "$rows" -ne 15 ]]; then
    echo "expected 15 table rows, found $rows" >&2
    exit 1
fi
