#!/bin/bash
# Runs every benchmark and prints its figures: the native Google Benchmark
# programs, then the window's latency under Wine.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
for bin in "$here"/build/bench/bench/*_bench; do
  echo "== $(basename "$bin")"
  "$bin" --benchmark_counters_tabular=true
done
echo "== main_window_latency (win64 under Wine)"
"$here/tools/with-display.sh" "$here/tools/wine-run.sh" "$here/build/win64/bench/main_window_latency.exe" | tr -d '\r'
