#!/bin/bash
# `make run`: starts what the tool has so far.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
echo "The window is not built yet; the text core is: $here/build/native"
