#!/bin/bash
# fuzz.sh replay: each fuzzer runs once over its committed seeds (a test).
# fuzz.sh run SECONDS: each fuzzer searches for that long, growing a working
# corpus in the build tree; new crashes are left in build/fuzz/crashes.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
mode=$1 seconds=${2:-60}
status=0
for corpus in "$here"/fuzz/corpus/*/; do
  name=$(basename "$corpus")
  bin="$here/build/fuzz/fuzz/$name"
  if [ "$mode" = replay ]; then
    if "$bin" -runs=0 "$corpus" >"$here/build/fuzz/$name.log" 2>&1; then
      echo "fuzz replay: $name passed"
    else
      echo "fuzz replay: $name FAILED (build/fuzz/$name.log)"; tail -20 "$here/build/fuzz/$name.log"; status=1
    fi
  else
    work="$here/build/fuzz/corpus/$name" crashes="$here/build/fuzz/crashes/$name"
    mkdir -p "$work" "$crashes"
    echo "fuzz: $name for ${seconds}s"
    "$bin" -max_total_time="$seconds" -artifact_prefix="$crashes/" -print_final_stats=1 \
      "$work" "$corpus" 2>&1 | grep -E '^(#[0-9]+ *DONE|stat::number_of_executed_units|==[0-9]+==ERROR|SUMMARY)' || true
    if compgen -G "$crashes/*" >/dev/null; then echo "fuzz: $name found crashes in $crashes"; status=1; fi
  fi
done
exit $status
