#!/bin/bash
# `make run`: shows the tool's search on the sample bank with tkbank.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
tkbank="$here/build/native/tools/tkbank"
bank="$here/data/sample/库/tk.txt"
"$tkbank" info "$bank"
for query in zg cjsz 长江 H2O; do
  echo
  echo "== tkbank search $query"
  "$tkbank" search "$bank" "$query" | tr -d '\r'
done
