#!/bin/bash
# Runs every benchmark of the optimised build and prints its figures.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
for bin in "$here"/build/bench/bench/*_bench; do
  echo "== $(basename "$bin")"
  "$bin" --benchmark_counters_tabular=true
done
