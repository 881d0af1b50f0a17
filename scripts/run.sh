#!/usr/bin/env bash
# Builds Ambrix from a fresh machine and runs it. Arguments go to ambrix-calc;
# without any, it computes an example budget.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh native >&2
cmake --preset native-release >/dev/null
cmake --build --preset native-release --target ambrix-calc >/dev/null

if [ $# -eq 0 ]; then
  set -- --window 10 ms 20 mA --window 990 ms 5 uA --capacity 2000 mA/h
  echo "ambrix-calc $*" >&2
fi
exec build/native-release/cli/ambrix-calc "$@"
